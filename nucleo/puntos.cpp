#include "nucleo/puntos.h"

#include "nucleo/anuncios.h"
#include "nucleo/juego.h"

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
    emit AnunciosJuego().PuntosCambiados();
    if (const VentanaEjercicio* v = BuscarVentanaEjercicio(juego.ventana_actual)) {
        int32_t& contador = (juego.jugadores[k - 1].*contadores)[v->tipo];
        contador = std::min(contador + 1, kTopeContador);
    }
    emit AnunciosJuego().JugadoresCambiados();
    juego.resultados_guardados = 0;
}
} // namespace

void RegistrarAcierto() {
    Registrar(kPuntosAcierto, &ResultsRecord::aciertos);
}

void RegistrarFallo() {
    Registrar(kPuntosFallo, &ResultsRecord::fallos);
}

void PremiarATodos() {
    for (int k = 1; k <= juego.num_jugadores && k <= kMaxJugadores; ++k)
        Sumar(juego.puntos[k].puntos, kPuntosPremio);
    emit AnunciosJuego().PuntosCambiados();
}
