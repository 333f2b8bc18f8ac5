#pragma once
#include <cstdint>

namespace plataforma {

// Milliseconds since the program started, like the system tick counter.
uint32_t Ticks();
// Blocks the thread (and so the input) for ms milliseconds, unless waits
// are instant, which the tests ask for to stay fast.
void Dormir(uint32_t ms);
void FijarEsperasInstantaneas(bool instantaneas);
bool EsperasInstantaneas();

} // namespace plataforma
