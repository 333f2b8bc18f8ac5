#include "players/aviso_modal.h"

#include "nucleo/centrar.h"
#include "platform/lector_pantalla.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

namespace {

class AvisoAccesible : public QAccessibleWidget {
public:
    explicit AvisoAccesible(AvisoModal* a) : QAccessibleWidget(a, QAccessible::AlertMessage) {}
    QString text(QAccessible::Text t) const override {
        const auto* aviso = static_cast<const AvisoModal*>(widget());
        if (t == QAccessible::Name) return aviso->Texto();
        if (t == QAccessible::Description) return aviso->windowTitle().simplified();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* FabricaAviso(const QString&, QObject* o) {
    if (auto* a = qobject_cast<AvisoModal*>(o)) return new AvisoAccesible(a);
    return nullptr;
}

} // namespace

AvisoModal::AvisoModal(const char* nombre, const QString& titulo, const QSize& cliente,
                       const QColor& fondo, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(QString::fromLatin1(nombre));
    setWindowTitle(titulo);
    setFixedSize(cliente);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, fondo);
    setPalette(p);

    Color95Button1 = new QPushButton(QStringLiteral("&Seguir"), this);
    Color95Button1->setObjectName(QStringLiteral("Color95Button1"));
    Color95Button1->setAutoDefault(false);
    connect(Color95Button1, &QPushButton::clicked, this, [this] { Color95Button1Click(); });

    Button_nulo = new QPushButton(QStringLiteral("nulo"), this);
    Button_nulo->setObjectName(QStringLiteral("Button_nulo"));
    Button_nulo->setGeometry(0, 1500, 75, 25);
    Button_nulo->setAutoDefault(false);
    CentrarEnPantalla(this);
    QAccessible::installFactory(FabricaAviso);
    plataforma::RehacerAccesible(this);
}

QString AvisoModal::Texto() const {
    QStringList lineas;
    for (const QLabel* l : findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly))
        if (!l->isHidden() && !l->text().trimmed().isEmpty()) lineas << l->text().simplified();
    return lineas.join(QLatin1Char(' '));
}

void AvisoModal::Cerrar() {
    cerrando_ = true;
    accept();
    cerrando_ = false;
}

void AvisoModal::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (e->spontaneous()) return;
    FormShow();
    // The reader, sent to the inert button, reads the notice there.
    const QString texto = Texto();
    Button_nulo->setAccessibleName(texto);
    Button_nulo->setFocus();
    QAccessibleEvent alerta(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alerta);
}

void AvisoModal::keyPressEvent(QKeyEvent* e) {
    // Escape, Enter and every other key do nothing here.
    e->accept();
}

void AvisoModal::closeEvent(QCloseEvent* e) {
    if (cerrando_)
        e->accept();
    else
        e->ignore();
}
