#pragma once
// Big bold labels for digits and marks, as the exercise windows draw them.
#include <QColor>
#include <QRect>
#include <QString>

class QLabel;
class QWidget;

QLabel* EtiquetaCifra(const QString& nombre, QWidget* padre, const QRect& r, int letra,
                      const QColor& color, bool subrayada = false);
