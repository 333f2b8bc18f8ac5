#pragma once
// Small services that every window calls. They work on the one game record
// and announce what the player should see; they never write into a window.
#include "nucleo/azar.h"
#include "nucleo/rutas.h"

#include <QColor>
#include <QString>
#include <cstdint>

// Blocks the thread and the input for ms milliseconds; returns the
// milliseconds that actually passed.
uint32_t Esperar(uint32_t ms);
// 0 shows the hourglass, 1 puts the previous cursor back.
void CursorEspera(int restaurar);
// The wait cursor while this lives; the normal one back on every way out.
struct CursorDeEspera {
    CursorDeEspera() { CursorEspera(0); }
    ~CursorDeEspera() { CursorEspera(1); }
    CursorDeEspera(const CursorDeEspera&) = delete;
    CursorDeEspera& operator=(const CursorDeEspera&) = delete;
};

// "mmm : ss" text of the operation clock; minutes stop at 999.
QString TextoTiempo(int32_t segundos);
QColor ColorPuntos(int32_t puntos);

// Announced (nucleo/anuncios.h) to whoever shows them.
void MostrarTiempo();
void MostrarPuntos();
void MostrarJugadorActual();
void Musica(int encender);

void SonidoFallo();
void SonidoTecla();
void SonidoAcierto();
