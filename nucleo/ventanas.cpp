#include "nucleo/ventanas.h"

#include "nucleo/juego.h"

#include <QPointer>
#include <QWidget>
#include <map>

namespace {
std::map<int32_t, QPointer<QWidget>>& Registro() {
    static std::map<int32_t, QPointer<QWidget>> registro;
    return registro;
}

void (*g_siguiente_repaso)() = nullptr;

void Siguiente(int grupo) {
    if (juego.tipo_juego == TipoJuego::Repaso && g_siguiente_repaso) {
        g_siguiente_repaso();
        return;
    }
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
    juego.contando_tiempo = false;
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
    // The current mode's windows; a mode of another group falls back to the
    // group's last mode, as the old routines did with their "otherwise".
    const ModoJuego* elegido = nullptr;
    for (const ModoJuego& m : kModosJuego)
        if (m.grupo == grupo && (!elegido || elegido->tipo_juego != juego.tipo_juego)) elegido = &m;
    return juego.usar_sumas[grupo] ? elegido->ventana_suma : elegido->ventana_resta;
}

void FijarSiguienteDelRepaso(void (*siguiente)()) {
    g_siguiente_repaso = siguiente;
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
