#pragma once
// What a right or a wrong answer does to the current player, and the
// celebration of a finished operation.

constexpr int kPuntosAcierto = 2;
constexpr int kPuntosFallo = -1;
constexpr int kPuntosPremio = 20;
constexpr int kCuentasPorPremio = 5;

void RegistrarAcierto();
void RegistrarFallo();
// Every fifth call brings the success notice, with music, for everyone.
void CelebrarCuenta();
// The success notice's bonus: 20 points for every player.
void PremiarATodos();
