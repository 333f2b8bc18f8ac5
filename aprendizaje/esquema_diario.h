#pragma once
// The journal's tables, as this version writes them and reads them back
// (docs/DIARIO.md tells each column).
#include <QString>
#include <QStringList>

// The statements that make an empty journal.
QStringList SentenciasEsquemaDiario();
// The steps in the order they were written, with their session's and
// child's numbers (the names come from their own tables).
QString ConsultaPasosDiario();
QString ConsultaSesionesDiario();
QString ConsultaJugadoresDiario();
