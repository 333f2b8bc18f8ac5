#pragma once
// Big bold labels for digits and marks, as the exercise windows draw them.
#include <QColor>
#include <QRect>
#include <QString>

class QFont;
class QLabel;
class QWidget;

QLabel* EtiquetaCifra(const QString& nombre, QWidget* padre, const QRect& r, int letra,
                      const QColor& color, bool subrayada = false);

// The largest size, from the font's own down to `minimo` pixels, at which
// `texto` fits in `ancho` pixels.
QFont LetraQueCabe(QFont letra, const QString& texto, int ancho, int minimo);

// The font is set when the widget is first shown. A line edit lays out its
// text with a new font at once, loading the font from disk; in the hidden
// windows created at start-up that is work the first paint does not need.
void LetraAlMostrar(QWidget* w, const QFont& letra);
