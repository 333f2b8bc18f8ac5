#pragma once
// The lines the diagnosis window and its printed page share, in the
// teacher's words.
#include "aprendizaje/diagnostico.h"
#include "aprendizaje/periodo.h"

#include <QString>
#include <QStringList>

extern const QString kTituloDiagnostico; // "Diagnóstico de errores"

QString TextoFecha(const QDate& d); // "2/3/2026"
// The name as the teacher who uses the example's borrowing method says it.
QString NombreDe(const DiagnosticoPatron& p);
// "En 3 de las 12 cuentas en que podía salir."
QString TextoVeces(const DiagnosticoPatron& p);
// "La primera vez el 2/3/2026 y la última el 5/3/2026." or "El 2/3/2026."
QString TextoCuando(const DiagnosticoPatron& p);
// "40 cuentas, del 2/3/2026 al 5/3/2026."
QString TextoPeriodo(const Periodo& periodo, int operaciones);
// For a child without any pattern: no operation yet, or none wrong.
QString TextoSinPatrones(const QString& nombre, int operaciones);
// The first journals that could not be read, one a line, and how many more.
QString TextoAvisosVisibles(const QStringList& avisos);
// What the red and the green of an example mean.
extern const QString kLeyendaEjemplo;
