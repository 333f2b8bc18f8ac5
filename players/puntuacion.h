#pragma once
// The celebration of a finished operation.
#include "nucleo/puntos.h"

constexpr int kCuentasPorPremio = 5;

// Every fifth call brings the success notice, with music, for everyone.
void CelebrarCuenta();
