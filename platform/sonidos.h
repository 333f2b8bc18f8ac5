#pragma once
// The three short effects the program carries inside itself. They play
// asynchronously; a new one cuts off the one still playing. With no audio
// device they stay silent and never block.
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

} // namespace plataforma
