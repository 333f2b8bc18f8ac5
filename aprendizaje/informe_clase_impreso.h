#pragma once
// The class report on paper, for the window's print and the command line's
// PDF alike: A4 upright, a class page (totals per kind and the error map),
// then one page per child for the parents' meeting (totals per kind, the
// progress chart, the confirmed patterns with the sentence for the teacher).
#include "aprendizaje/informe_clase.h"

class QPrinter;

extern const QString kTituloInformeClase; // "Informe de la clase"

// "Del 2/3/2026 al 8/3/2026", "Desde el 2/3/2026", "Todo el diario"...
QString TextoFechas(const QDate& desde, const QDate& hasta);

// False when the printer cannot be painted on.
bool ImprimirInformeClase(const InformeClase& informe, QPrinter& impresora);
