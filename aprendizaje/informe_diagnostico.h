#pragma once
// The diagnosis on paper, for the window's print and the command line's
// PDF alike: A4 upright, each child from a new page, then each pattern with
// its state, counts, dates, the sentence for the teacher and its example.
#include "aprendizaje/diagnostico.h"
#include "aprendizaje/periodo.h"

#include <QColor>
#include <QString>
#include <vector>

class QPrinter;

struct InformeNino {
    QString nombre;
    const DiagnosticoJugador* diagnostico = nullptr; // nullptr: nothing in the journals
    Periodo periodo;
};

// A state's colour, on screen and on paper; its word always goes with it.
struct ColoresEstado {
    QColor fondo, texto;
};
ColoresEstado ColoresDe(EstadoPatron estado);

// False when the printer cannot be painted on. With no child at all, one
// page says so.
bool ImprimirDiagnostico(const std::vector<InformeNino>& ninos, QPrinter& impresora);
