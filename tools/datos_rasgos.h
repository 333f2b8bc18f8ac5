#pragma once
// Cartoon features: the faces wear them, and so do the trophy, the jumping
// star and the light bulb.

#include <QPainter>
#include <QPainterPath>
#include <QPointF>

namespace datos {

// Two pink, soft-edged blushes.
void mejillas(QPainter& p, QPointF izquierda, QPointF derecha, double rx = 8, double ry = 5);
// A white oval glint, turned by `giro` degrees.
void reflejo(QPainter& p, QPointF c, double rx, double ry, double giro);
// White of the eye, a pupil looking towards `mira`, and two glints.
void ojo(QPainter& p, QPointF c, double rx, double ry, QPointF mira, double pupila);
// The classic cartoon eye: a dark oval with a glint.
void ojoOvalado(QPainter& p, QPointF c, double rx, double ry);
// An open laughing mouth: dark inside, a row of teeth on top, tongue below.
void bocaAbierta(QPainter& p, const QPainterPath& boca, double dientes, bool lengua);

} // namespace datos
