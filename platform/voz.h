#pragma once
// Spanish speech with eSpeak NG, synthesised in a thread of its own and
// played through the effects' speaker. eSpeak is opened the first time a
// sentence is due, never at start-up. Without eSpeak, its Spanish voice or
// an audio device the game is silent and plays on.
#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

namespace plataforma {

// The samples of one sentence, 16-bit mono at kFrecuenciaAltavoz; empty
// when eSpeak or its Spanish voice is missing. Blocks while it works.
std::vector<int16_t> SintetizarFrase(const QString& frase);

// Opens eSpeak in the speech thread, so the first sentence starts sooner.
void PrepararVoz();
// Says frase, cutting off the sentence being said. Returns at once.
void Decir(const QString& frase);
// Stops the sentence being said. Returns at once.
void Callar();

// Test seam: told of every sentence handed to Decir.
void FijarObservadorVoz(std::function<void(const QString&)> o);

} // namespace plataforma
