#include "nucleo/centrar.h"

#include "platform/escritorio.h"

#include <QWidget>

void CentrarEnPantalla(QWidget* ventana) {
    const QSize pantalla = plataforma::TamanoPantalla();
    ventana->move(pantalla.width() / 2 - ventana->width() / 2,
                  pantalla.height() / 2 - ventana->height() / 2);
}
