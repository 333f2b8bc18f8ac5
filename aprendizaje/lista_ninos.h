#pragma once
// The children the diagnosis window offers: those playing now first, as the
// game names them, then the rest found in the journals, each once.
#include "aprendizaje/diagnostico.h"

#include <QString>
#include <QStringList>
#include <vector>

struct NinoDiagnostico {
    QString nombre;
    int diagnostico = -1; // index into the diagnosis; -1: nothing in the journals
};

std::vector<NinoDiagnostico> ListaNinos(const QStringList& actuales,
                                        const std::vector<DiagnosticoJugador>& diagnosticos);
