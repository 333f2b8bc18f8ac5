#include "aprendizaje/datos_grafico.h"

DatosGrafico DatosProgreso(const std::vector<DiaInforme>& dias, const QString& titulo) {
    std::vector<TotalesTipos> sumas;
    DatosGrafico d;
    d.titulo = titulo;
    const bool semanas = dias.size() > size_t(kColumnasGrafico);
    QDate anterior;
    for (const DiaInforme& dia : dias) {
        const QDate este = semanas ? dia.dia.addDays(1 - dia.dia.dayOfWeek()) : dia.dia;
        if (sumas.empty() || este != anterior) {
            anterior = este;
            d.columnas << (semanas ? QStringLiteral("sem. ") : QString()) +
                              este.toString(QStringLiteral("d/M"));
            sumas.emplace_back();
        }
        for (int k = 0; k < kTiposInforme; ++k)
            sumas.back()[size_t(k)].Sumar(dia.tipos[size_t(k)]);
    }
    for (const TotalesTipos& s : sumas)
        d.cuentas.push_back(Total(s).totales.operaciones);
    for (int k = 0; k < kTiposInforme; ++k) {
        LineaGrafico linea;
        linea.tipo = k;
        linea.nombre = NombreTipo(k);
        for (size_t c = 0; c < sumas.size(); ++c) {
            const Totales& t = sumas[c][size_t(k)];
            // No point where that kind had no work: a gap, not a zero.
            if (t.primeros_intentos > 0) linea.puntos.push_back({int(c), 100.0 * t.Acierto()});
        }
        if (!linea.puntos.empty()) d.lineas.push_back(std::move(linea));
    }
    return d;
}
