#pragma once
// The ten best scores and their file "puntos.zfr": ten 24-byte rows of name
// (CP850) and points, no header.
#include "nucleo/juego.h"

#include <QByteArray>
#include <QString>

class QIODevice;

namespace resultados {

constexpr int kFilasMejores = 10;

struct FilaMejores {
    ScoreEntry entrada{};
    int32_t nueva = 0; // won in this showing of the window
};

struct TablaMejores {
    FilaMejores filas[kFilasMejores];
};

// Starts empty; the scores file is this followed directly by "puntos.zfr".
extern QString directorio_puntuaciones;
QString RutaPuntuaciones();

// Clears the table, then fills it from the file; a missing or short file
// leaves the rest empty. Names are cut to 19 characters.
void LeerMejores(const QString& ruta, TablaMejores& t);
void LeerMejores(QIODevice& d, TablaMejores& t);
// Row the offer entered at, or -1. It must beat a row strictly.
int OfrecerPuntos(TablaMejores& t, const char* nombre, int32_t puntos);
// The group first when two or more play, then each player; how many entered.
int OfrecerJugadores(TablaMejores& t);

// The 240 bytes of the scores file for this table.
QByteArray BytesMejores(const TablaMejores& t);

enum class GuardadoMejores { Bien, NoSePuedeCrear, ErrorAlGrabar };
// Through a temporary file, so a failure keeps the old list.
GuardadoMejores GuardarMejores(const QString& ruta, const TablaMejores& t);

} // namespace resultados
