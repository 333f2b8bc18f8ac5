#pragma once
// The letter of every printed page of the journal, the same on any computer,
// and its paragraphs wrapped across the page.
#include <QColor>
#include <QFont>
#include <QString>

class QPainter;
class QPaintDevice;

QFont LetraImpresa(qreal puntos, bool negrita = false);

// How tall `texto` is, wrapped to `ancho`, as `dispositivo` lays it out.
qreal AltoParrafo(QPaintDevice* dispositivo, const QFont& letra, const QString& texto, qreal ancho);
// `texto` wrapped to `ancho` from (x, y); returns its height.
qreal PintarParrafo(QPainter& p, QPaintDevice* dispositivo, const QFont& letra,
                    const QString& texto, qreal x, qreal y, qreal ancho, const QColor& color);
