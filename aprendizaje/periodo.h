#pragma once
// The days a journal covers, as the teacher counts them: local dates.
#include "aprendizaje/paso.h"

#include <QDate>
#include <QHash>
#include <QString>
#include <vector>

// The local date of a step's time (UTC milliseconds).
QDate FechaLocal(int64_t hora);

// The steps of the days from `desde` to `hasta`, both included; a null date
// leaves that end open.
std::vector<PasoDiario> PasosEntre(std::vector<PasoDiario> pasos, const QDate& desde,
                                   const QDate& hasta);

struct Periodo {
    QDate desde, hasta; // null when the child has no step
};

// The first and last day of each child's steps, by ClaveJugador.
QHash<QString, Periodo> PeriodosDeNinos(const std::vector<PasoDiario>& pasos);
