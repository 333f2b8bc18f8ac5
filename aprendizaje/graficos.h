#pragma once
// The progress chart through Qt Charts, which lives in a module of its own
// (libzifra_graficos.so, beside the program) opened on first use: linking
// it would load Qt Charts and OpenGL at every start of the game. Without
// the module the report still works, without its chart.
#include "aprendizaje/datos_grafico.h"

class QPainter;
class QRectF;
class QWidget;

// A chart view (a QChartView), or nullptr when the module cannot be opened.
QWidget* CrearVistaGrafico(QWidget* padre);
// Shows the data in a view made by CrearVistaGrafico.
void PonerGrafico(QWidget* vista, const DatosGrafico& datos);
// The same chart drawn into `donde` of any painter, printers included;
// false when the module cannot be opened.
bool PintarGrafico(const DatosGrafico& datos, QPainter& pintor, const QRectF& donde);
