#pragma once
// Journal files of other computers, written for the tests with the steps
// given.
#include "aprendizaje/diario_escritura.h"

#include <vector>

// The journal of `ordenador` in `carpeta`, one session; false when it
// cannot be written.
inline bool DiarioDe(const QString& carpeta, const QString& ordenador,
                     const std::vector<PasoDiario>& pasos) {
    DiarioEscritura d;
    if (d.Abrir(carpeta, ordenador, QStringLiteral("s-") + ordenador, 0) !=
        DiarioEscritura::Apertura::Abierto)
        return false;
    for (const PasoDiario& p : pasos)
        if (!d.Registrar(p)) return false;
    return true;
}
