#include "app/ventanas.h"

#include "app/juego.h"

#include <QPointer>
#include <QWidget>
#include <map>

namespace {
std::map<int32_t, QPointer<QWidget>>& Registro() {
    static std::map<int32_t, QPointer<QWidget>> registro;
    return registro;
}

void Siguiente(int grupo) {
    CerrarVentanaActual();
    MostrarVentana(ElegirSiguienteVentana(grupo));
}
} // namespace

void RegistrarVentana(int32_t codigo, QWidget* ventana) {
    Registro()[codigo] = ventana;
}

QWidget* VentanaDeCodigo(int32_t codigo) {
    if (!BuscarVentanaEjercicio(codigo)) return nullptr;
    auto it = Registro().find(codigo);
    return it == Registro().end() ? nullptr : it->second.data();
}

void CerrarVentanaActual() {
    if (QWidget* w = VentanaDeCodigo(juego.ventana_actual)) w->close();
    juego.ventana_actual = SinVentana;
    juego.contando_tiempo = 0;
}

void MostrarVentana(int32_t codigo) {
    QWidget* w = VentanaDeCodigo(codigo);
    if (!w) return;
    w->show();
    w->raise();
    w->activateWindow();
}

int32_t ElegirSiguienteVentana(int grupo) {
    if (grupo < 0 || grupo > 3) return SinVentana;
    if (juego.jugador_actual == 1) juego.usar_sumas[grupo] = !juego.usar_sumas[grupo];
    const bool suma = juego.usar_sumas[grupo];
    const int32_t tipo = juego.tipo_juego;
    switch (grupo) {
    case 0:
        return suma ? VentanaSumas3b : VentanaRestas3;
    case 1:
        return suma ? (tipo == 2 ? VentanaSumas4b : VentanaSumas5) : VentanaRestas3b;
    case 2:
        if (tipo == 4) return suma ? VentanaSumas5 : VentanaRestas4b;
        return suma ? VentanaSumas5b : VentanaRestas5;
    default:
        return suma ? VentanaCmental1 : VentanaCmental2;
    }
}

void SiguienteSinLlevadas() {
    Siguiente(0);
}
void SiguienteSumasConLlevadas() {
    Siguiente(1);
}
void SiguienteConLlevadas() {
    Siguiente(2);
}
void SiguienteCalculoMental() {
    Siguiente(3);
}
