#pragma once
// Operations written as numbers, for the tests that need a given one.
#include "written/cuenta_columnas.h"

// Two rows, "375" over "128", in `columnas` columns (leading zeros filled).
inline Operacion DosFilas(int arriba, int abajo, int columnas) {
    Operacion op;
    op.filas = 2;
    op.columnas = columnas;
    for (int c = 0; c < columnas; ++c, arriba /= 10, abajo /= 10) {
        op.cifras[0][c] = arriba % 10;
        op.cifras[1][c] = abajo % 10;
    }
    return op;
}
