#include "aprendizaje/periodo.h"

#include "aprendizaje/diagnostico.h"

#include <QDateTime>
#include <algorithm>

QDate FechaLocal(int64_t hora) {
    return QDateTime::fromMSecsSinceEpoch(hora, Qt::UTC).toLocalTime().date();
}

std::vector<PasoDiario> PasosEntre(std::vector<PasoDiario> pasos, const QDate& desde,
                                   const QDate& hasta) {
    if (desde.isNull() && hasta.isNull()) return pasos;
    pasos.erase(std::remove_if(pasos.begin(), pasos.end(),
                               [&](const PasoDiario& p) {
                                   const QDate d = FechaLocal(p.hora);
                                   return (!desde.isNull() && d < desde) ||
                                          (!hasta.isNull() && d > hasta);
                               }),
                pasos.end());
    return pasos;
}

QHash<QString, Periodo> PeriodosDeNinos(const std::vector<PasoDiario>& pasos) {
    // Times first, dates at the end: a local date costs more than a comparison.
    QHash<QString, std::pair<int64_t, int64_t>> horas;
    QHash<QString, QString> claves; // each spelling's key, worked out once
    for (const PasoDiario& p : pasos) {
        auto c = claves.find(p.jugador);
        if (c == claves.end()) c = claves.insert(p.jugador, ClaveJugador(p.jugador));
        auto h = horas.find(*c);
        if (h == horas.end())
            horas.insert(*c, {p.hora, p.hora});
        else
            *h = {std::min(h->first, p.hora), std::max(h->second, p.hora)};
    }
    QHash<QString, Periodo> periodos;
    for (auto h = horas.cbegin(); h != horas.cend(); ++h)
        periodos.insert(h.key(), {FechaLocal(h->first), FechaLocal(h->second)});
    return periodos;
}
