#pragma once
// What a right or a wrong answer does to the current player's record and
// points, announced to whoever shows them.

constexpr int kPuntosAcierto = 2;
constexpr int kPuntosFallo = -1;
constexpr int kPuntosPremio = 20;

void RegistrarAcierto();
void RegistrarFallo();
// The success notice's bonus: 20 points for every player.
void PremiarATodos();
