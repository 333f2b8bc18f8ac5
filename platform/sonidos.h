#pragma once
// The three short effects the program carries inside itself, and the
// sentence being said. They play asynchronously, mixed on one stream; a new
// effect cuts off the effect still playing, a new sentence the sentence.
// With no audio device they stay silent and never block.
#include <cstddef>
#include <cstdint>
#include <functional>

namespace plataforma {

enum class Sonido { Acierto, Fallo, Tecla };

// Reads the sounds; the audio device is opened by PrepararAltavoz or by the
// first sound, in the sound thread.
void CargarSonidos();
void PrepararAltavoz();
void Tocar(Sonido s);

// Test seam: told of every sound played.
void FijarObservadorSonidos(std::function<void(Sonido)> o);

// Mono 16-bit samples at this rate, for the speech thread.
constexpr unsigned kFrecuenciaAltavoz = 22050;
// A new sentence: the one being said stops. Its number, 0 with no sounds
// loaded. Called from the speech thread.
unsigned EmpezarVoz();
// More samples of sentence `serie`; false once a newer sentence has begun.
// Never waits on the device.
bool AnadirVoz(unsigned serie, const int16_t* muestras, size_t n);

// Bench seam: handed, in the sound thread, each block of a sentence's
// samples as it goes to the device.
void FijarObservadorVozSonando(std::function<void(const int16_t*, size_t)> o);

} // namespace plataforma
