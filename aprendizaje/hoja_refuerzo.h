#pragma once
// The "hoja de refuerzo" on paper, for the diagnosis window's print and the
// command line's PDF alike: A4 upright, the child's name and the date on
// top, the worked example drawn with the marks of its method and its steps
// beside it, the exercises laid out as on the column worksheets, the
// answers at the foot when asked, and in the footer the pattern, the seed
// and the command that makes the page again.
#include "aprendizaje/refuerzo.h"

#include <QDate>

class QPrinter;

struct HojaRefuerzo {
    std::vector<PaginaRefuerzo> paginas; // of one or more children, in order
    uint64_t semilla = 0;
    int paginas_por_nino = 1;
    bool con_soluciones = true;
    QDate fecha;
};

// False when the printer cannot be painted on.
bool ImprimirRefuerzo(const HojaRefuerzo& hoja, QPrinter& impresora);
