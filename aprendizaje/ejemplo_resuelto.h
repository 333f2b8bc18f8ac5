#pragma once
// A worked example without widgets: an operation solved column by column,
// each step one short Spanish sentence and what is on the paper by then
// (digits written, carries, and the borrowing method's marks in the order
// the game draws them). The screen, the printed page and speech read it.
#include "mental/calculo_mental.h"
#include "nucleo/juego.h"
#include "written/cuenta_columnas.h"
#include "written/resta_prestamo.h"

#include <QString>
#include <vector>

struct PasoEjemplo {
    int columna = 0; // 0 = units; a sum's thousands are the column after the last
    QString frase;   // "6 más 8 son 14: escribo el 4 y me llevo 1."
    // On the paper after this step: the result's digits (-1 not yet written)
    // and each carry written above its column (0 none).
    int resultado[kMaxColumnas + 1] = {-1, -1, -1, -1, -1};
    int llevada[kMaxColumnas + 1] = {};
    // Subtraction: every mark shown so far, as RestaConPrestamo draws them
    // in automatic mode (Esperar left out).
    std::vector<PasoMarca> marcas;
};

// One step a column; a sum whose last column carries ends with its own
// step. A borrowing subtraction must be one RestaConPrestamo could draw
// (RestaConPrestamo::Admite); any other subtraction must not borrow.
std::vector<PasoEjemplo> EjemploResuelto(const Operacion& op, bool es_suma, MetodoResta metodo);

// A mental exercise worked out in the head, one sentence a step: crossing
// the ten in two jumps, or finding the hidden term and checking it.
std::vector<PasoEjemplo> EjemploMental(const CuentaMental& c, TipoMental tipo, Incognita incognita);
