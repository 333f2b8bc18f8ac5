#pragma once
// The game's one random generator: the C library's, seeded once per run so
// that a seed given on the command line draws the same exercises again.
#include <cstdint>

// 0..n-1; 0 when n is 0 (or negative).
int32_t Aleatorio(int32_t n);
void SembrarAzar(unsigned semilla);
// From the system's entropy: a different game, or sheet, each run, even two
// runs in the same second.
void SembrarAzarSinSemilla();
