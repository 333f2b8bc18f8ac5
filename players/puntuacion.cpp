#include "players/puntuacion.h"

#include "nucleo/anuncios.h"
#include "nucleo/juego.h"
#include "nucleo/servicios.h"
#include "platform/mensajes.h"
#include "players/form_acierto.h"

#include <algorithm>
#include <limits>

namespace {
// Points only meet their limit after billions of answers; stop there rather
// than wrap round to the other sign.
void Sumar(int32_t& puntos, int delta) {
    const int64_t r = int64_t(puntos) + delta;
    puntos = int32_t(std::clamp<int64_t>(r, std::numeric_limits<int32_t>::min(),
                                         std::numeric_limits<int32_t>::max()));
}

void Registrar(int puntos, int32_t (ResultsRecord::*contadores)[kTiposEjercicio]) {
    const int k = juego.jugador_actual;
    if (k < 1 || k > kMaxJugadores) return;
    Sumar(juego.puntos[k].puntos, puntos);
    MostrarPuntos();
    if (const VentanaEjercicio* v = BuscarVentanaEjercicio(juego.ventana_actual)) {
        int32_t& contador = (juego.jugadores[k - 1].*contadores)[v->tipo];
        contador = std::min(contador + 1, kTopeContador);
    }
    MostrarJugadorActual();
    juego.resultados_guardados = 0;
}
} // namespace

void RegistrarAcierto() {
    Registrar(kPuntosAcierto, &ResultsRecord::aciertos);
}

void RegistrarFallo() {
    Registrar(kPuntosFallo, &ResultsRecord::fallos);
}

void CelebrarCuenta() {
    ++juego.cuentas_acertadas;
    SonidoAcierto();
    if (juego.cuentas_acertadas >= kCuentasPorPremio) {
        Musica(1);
        if (Form_Acierto) plataforma::EjecutarModal(Form_Acierto);
        Musica(0);
        juego.cuentas_acertadas = 0;
    }
    emit AnunciosJuego().Celebracion();
}

void PremiarATodos() {
    for (int k = 1; k <= juego.num_jugadores && k <= kMaxJugadores; ++k)
        Sumar(juego.puntos[k].puntos, kPuntosPremio);
    MostrarPuntos();
}
