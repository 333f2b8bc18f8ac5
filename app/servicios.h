#pragma once
// Small services that every window calls. They work on the one game record.
#include <QColor>
#include <QString>
#include <cstdint>

// 0..n-1 from rand(); 0 when n is 0 (or negative).
int32_t Aleatorio(int32_t n);
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
// 1 when the file opens for reading; relative paths are taken from the
// start-up directory.
int ExisteArchivo(const QString& ruta);
// Name and extension of a path, without its directory.
void NombreDeArchivo(const QString& ruta, QString& salida);
// Relative paths are taken from the directory the program started in.
QString RutaDeInicio(const QString& ruta);
void VolverAlDirectorioInicial();

// "mmm : ss" text of the operation clock; minutes stop at 999.
QString TextoTiempo(int32_t segundos);
QColor ColorPuntos(int32_t puntos);

void MostrarTiempo();
void MostrarPuntos();
void MostrarJugadorActual();

void Musica(int encender);
void SonidoFallo();
void SonidoTecla();
void SonidoAcierto();

void TerminarJuego();
