#pragma once
// Functions of a library opened at run time (ALSA, FluidSynth), so the game
// starts without loading it and plays on without it.
#include <QLibrary>

namespace plataforma {

// f takes the library's function of that name; false when it is missing.
template <typename F> bool Resolver(QLibrary& biblioteca, const char* nombre, F& f) {
    f = reinterpret_cast<F>(biblioteca.resolve(nombre));
    return f != nullptr;
}

} // namespace plataforma
