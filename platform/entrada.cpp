#include "platform/entrada.h"

#include <QApplication>
#include <QEvent>
#include <QObject>

namespace plataforma {
namespace {

class Vigia : public QObject {
public:
    bool hubo_entrada = false;

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        switch (e->type()) {
        case QEvent::KeyPress:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            hubo_entrada = true;
            return true; // swallowed: the busy work owns the input meanwhile
        default:
            return QObject::eventFilter(o, e);
        }
    }
};

Vigia* g_vigia = nullptr;

} // namespace

void EmpezarVigilanciaEntrada() {
    if (!g_vigia) {
        g_vigia = new Vigia;
        qApp->installEventFilter(g_vigia);
    }
    g_vigia->hubo_entrada = false;
}

bool HayEntradaPendiente() {
    if (!g_vigia) return false;
    QCoreApplication::processEvents();
    const bool hubo = g_vigia->hubo_entrada;
    g_vigia->hubo_entrada = false;
    return hubo;
}

void TerminarVigilanciaEntrada() {
    if (g_vigia) {
        qApp->removeEventFilter(g_vigia);
        delete g_vigia;
        g_vigia = nullptr;
    }
}

} // namespace plataforma
