#include "platform/accesibilidad.h"

#include <QApplication>
#include <QHelpEvent>
#include <QPalette>
#include <QProxyStyle>
#include <QPushButton>
#include <QStatusTipEvent>
#include <QToolTip>
#include <QWidget>

namespace plataforma {
namespace {

constexpr int kPistaVisibleMs = 5000;

class EstiloPistas : public QProxyStyle {
public:
    int styleHint(StyleHint h, const QStyleOption* o, const QWidget* w,
                  QStyleHintReturn* r) const override {
        if (h == SH_ToolTip_WakeUpDelay) return 0;
        return QProxyStyle::styleHint(h, o, w, r);
    }
};

class FiltroPistas : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::ToolTip && o->isWidgetType()) {
            auto* w = static_cast<QWidget*>(o);
            if (!w->toolTip().isEmpty()) {
                auto* ayuda = static_cast<QHelpEvent*>(e);
                QToolTip::showText(ayuda->globalPos(), w->toolTip(), w, QRect(), kPistaVisibleMs);
                return true;
            }
        }
        return QObject::eventFilter(o, e);
    }
};

// Sees a status tip at each widget it climbs through, and passes it on
// from the window where it stops.
class ReunidorPistas : public QObject {
public:
    explicit ReunidorPistas(QWidget* destino) : QObject(destino), destino_(destino) {}

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::StatusTip && o != destino_ && o->isWidgetType() &&
            static_cast<QWidget*>(o)->isWindow()) {
            QStatusTipEvent copia(static_cast<QStatusTipEvent*>(e)->tip());
            QCoreApplication::sendEvent(destino_, &copia);
        }
        return false;
    }

private:
    QWidget* destino_;
};

} // namespace

void PonerPista(QWidget* w, const QString& pista) {
    w->setToolTip(pista);
    w->setStatusTip(pista);
    if (qEnvironmentVariableIntValue("ZIFRA_A11Y_IDS") != 1) w->setAccessibleDescription(pista);
}

QPushButton* BotonConPista(QWidget* padre, const char* nombre, const QString& texto,
                           const QString& pista) {
    auto* b = new QPushButton(texto, padre);
    b->setObjectName(QString::fromLatin1(nombre));
    PonerPista(b, pista);
    return b;
}

void PublicarAccesibilidad(QWidget* raiz) {
    if (qEnvironmentVariableIntValue("ZIFRA_A11Y_IDS") != 1) return;
    QList<QWidget*> todos = raiz->findChildren<QWidget*>();
    todos.prepend(raiz);
    for (QWidget* w : todos)
        if (!w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_")))
            w->setAccessibleDescription(w->objectName());
}

void InstalarPistas(QApplication& app) {
    app.setStyle(new EstiloPistas);
    QPalette p = QToolTip::palette();
    p.setColor(QPalette::ToolTipBase, QColor(0xFF, 0xFF, 0x80));
    p.setColor(QPalette::ToolTipText, Qt::black);
    QToolTip::setPalette(p);
    app.installEventFilter(new FiltroPistas(&app));
}

void ReunirPistasEn(QWidget* destino) {
    qApp->installEventFilter(new ReunidorPistas(destino));
}

} // namespace plataforma
