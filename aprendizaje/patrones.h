#pragma once
// One step against the whole table of patterns in a single reading, as the
// diagnosis of a journal needs it for every step.
#include "nucleo/anuncios.h"

#include <cstdint>

constexpr int kMaxPatrones = 32; // one bit each in a mask

struct JuicioPatrones {
    uint32_t oportunidades = 0; // bit i: Patrones()[i] gives a value other than the right one
    int patron = -1;            // index of the pattern of a wrong answer; -1 when right
};

JuicioPatrones JuzgarConPatrones(const PasoJuzgado& paso);
