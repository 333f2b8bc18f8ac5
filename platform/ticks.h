#pragma once
#include <cstdint>
#include <functional>

namespace plataforma {

// Milliseconds since the program started, like the system tick counter.
uint32_t Ticks();
// Blocks the thread (and so the input) for ms milliseconds, unless waits
// are instant, which the tests ask for to stay fast.
void Dormir(uint32_t ms);
void FijarEsperasInstantaneas(bool instantaneas);
bool EsperasInstantaneas();
// Test seam: told of every wait as it begins, with its length.
using ObservadorEsperas = std::function<void(uint32_t ms)>;
void FijarObservadorEsperas(ObservadorEsperas o);
void AvisarEspera(uint32_t ms);

} // namespace plataforma
