#pragma once
// One row of the learning journal: a typed answer to one step of an
// exercise, with who typed it, where and when.
#include "nucleo/anuncios.h"

#include <QString>
#include <cstdint>

struct PasoDiario {
    PasoJuzgado paso;           // what the game judged, with its operation
    int64_t hora = 0;           // UTC, milliseconds since 1970
    QString ordenador;          // the computer whose journal holds it
    QString sesion;             // one per run of the program on that computer
    QString jugador;            // the child's name as the game showed it
    bool primer_intento = true; // the first answer typed at this step
    int32_t ms = 0;             // since the previous step of the operation, or its start
};

// The kind of exercise of a window code (SumasSinLlevar when it is none).
ExerciseKind TipoDePaso(const PasoJuzgado& paso);
