#pragma once
// What the progress chart shows, worked out without widgets: a column per
// day (per week over a long range) with its operations, and for each kind
// of exercise the share of first tries right where it had any. Plain data:
// it crosses into the chart module (graficos.h).
#include "aprendizaje/informe_clase.h"

#include <QString>
#include <QStringList>
#include <vector>

struct LineaGrafico {
    int tipo = 0; // ExerciseKind
    QString nombre;
    std::vector<std::pair<int, double>> puntos; // column, percent right at the first try
};

struct DatosGrafico {
    QString titulo;
    QStringList columnas; // "2/3", or "sem. 2/3" week by week
    std::vector<int> cuentas;
    std::vector<LineaGrafico> lineas; // only the kinds with work, in kind order
};

// More days than this go week by week: they would not fit a page's width.
constexpr int kColumnasGrafico = 31;

DatosGrafico DatosProgreso(const std::vector<DiaInforme>& dias, const QString& titulo);
