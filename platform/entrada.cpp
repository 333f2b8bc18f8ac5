#include "platform/entrada.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace plataforma {
namespace {

class Vigia : public QObject {
public:
    bool hubo_entrada = false;
    // Already modal when the work began (the results window is): the work
    // keeps it quiet like the others.
    QPointer<QWidget> modal_previo;
    QElapsedTimer desde_respuesta;

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        const QEvent::Type t = e->type();
        const bool raton = t == QEvent::MouseButtonPress || t == QEvent::MouseButtonDblClick;
        if (t != QEvent::KeyPress && !raton) return QObject::eventFilter(o, e);
        if (ParaModalNueva(o)) return false;
        if (!raton || !TrasRespuesta()) hubo_entrada = true;
        return true; // swallowed: the busy work owns the input meanwhile
    }

private:
    // Input reaches a window through its QWindow first, then its widget.
    bool ParaModalNueva(QObject* o) const {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == modal_previo) return false;
        if (o->isWidgetType()) return static_cast<QWidget*>(o)->window() == modal;
        return o->isWindowType() && o == modal->windowHandle();
    }

    // A click this soon after the answer is the rest of a double click on it.
    bool TrasRespuesta() const {
        return desde_respuesta.isValid() &&
               desde_respuesta.elapsed() < QApplication::doubleClickInterval();
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
    g_vigia->modal_previo = QApplication::activeModalWidget();
    g_vigia->desde_respuesta.invalidate();
}

bool HayEntradaPendiente() {
    if (!g_vigia) return false;
    QCoreApplication::processEvents();
    const bool hubo = g_vigia->hubo_entrada;
    g_vigia->hubo_entrada = false;
    return hubo;
}

void DescartarEntradaPendiente() {
    if (!g_vigia) return;
    g_vigia->desde_respuesta.start();
    HayEntradaPendiente();
}

void TerminarVigilanciaEntrada() {
    if (g_vigia) {
        qApp->removeEventFilter(g_vigia);
        delete g_vigia;
        g_vigia = nullptr;
    }
}

} // namespace plataforma
