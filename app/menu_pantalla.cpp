#include "app/menu_pantalla.h"

#include "nucleo/apariencia.h"
#include "nucleo/preferencias.h"
#include "platform/mensajes.h"

#include <QAction>
#include <QActionGroup>
#include <QWidget>

const char* const kAvisoTamano = "El tamaño nuevo se verá la próxima vez que abras el juego.";

namespace {
constexpr int kTamanos[] = {100, 125, 150, 200};

QAction* Accion(QWidget* ventana, const QString& nombre) {
    return ventana->findChild<QAction*>(nombre);
}
} // namespace

void ConectarMenuPantalla(QWidget* ventana) {
    auto* grupo = new QActionGroup(ventana);
    const int actual = preferencias::Tamano();
    for (int t : kTamanos) {
        QAction* a = Accion(ventana, QStringLiteral("Tamano%1").arg(t));
        if (!a) continue;
        grupo->addAction(a);
        a->setChecked(t == actual);
        QObject::connect(a, &QAction::triggered, ventana, [t] {
            if (t == preferencias::Tamano()) return;
            preferencias::FijarTamano(t);
            plataforma::Informar(QString::fromUtf8(kAvisoTamano));
        });
    }
    if (QAction* a = Accion(ventana, QStringLiteral("Colorespordposicion1"))) {
        a->setChecked(apariencia::ColoresPorPosicion());
        QObject::connect(a, &QAction::toggled, ventana,
                         [](bool si) { apariencia::FijarColoresPorPosicion(si); });
    }
    if (QAction* a = Accion(ventana, QStringLiteral("Contrastealto1"))) {
        a->setChecked(apariencia::ContrasteAlto());
        QObject::connect(a, &QAction::toggled, ventana,
                         [](bool si) { apariencia::FijarContrasteAlto(si); });
    }
}
