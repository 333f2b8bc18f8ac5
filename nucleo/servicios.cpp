#include "nucleo/servicios.h"

#include "nucleo/anuncios.h"
#include "platform/cursores.h"
#include "platform/sonidos.h"
#include "platform/ticks.h"

#include <algorithm>

uint32_t Esperar(uint32_t ms) {
    plataforma::AvisarEspera(ms);
    const uint32_t inicio = plataforma::Ticks();
    if (plataforma::EsperasInstantaneas()) return plataforma::Ticks() - inicio;
    plataforma::Dormir(ms);
    // The sleep may wake early; finish the wait on the tick counter.
    while (plataforma::Ticks() - inicio < ms)
        plataforma::Dormir(1);
    return plataforma::Ticks() - inicio;
}

void CursorEspera(int restaurar) {
    if (restaurar)
        plataforma::QuitarCursorEspera();
    else
        plataforma::PonerCursorEspera();
}

QString TextoTiempo(int32_t segundos) {
    if (segundos < 0) segundos = 0;
    const int32_t minutos = std::min<int32_t>(segundos / 60, 999);
    return QString::asprintf("%3d : %02d", minutos, segundos % 60);
}

QColor ColorPuntos(int32_t puntos) {
    return puntos < 0 ? QColor(Qt::red) : QColor(Qt::blue);
}

void MostrarTiempo() {
    emit AnunciosJuego().TiempoCambiado();
}

void MostrarPuntos() {
    emit AnunciosJuego().PuntosCambiados();
}

void MostrarJugadorActual() {
    emit AnunciosJuego().JugadoresCambiados();
}

void Musica(int encender) {
    emit AnunciosJuego().Musica(encender != 0);
}

void SonidoFallo() {
    plataforma::Tocar(plataforma::Sonido::Fallo);
}
void SonidoTecla() {
    plataforma::Tocar(plataforma::Sonido::Tecla);
}
void SonidoAcierto() {
    plataforma::Tocar(plataforma::Sonido::Acierto);
}
