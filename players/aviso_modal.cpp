#include "players/aviso_modal.h"

#include "nucleo/centrar.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QShowEvent>

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
    Button_nulo->setFocus();
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
