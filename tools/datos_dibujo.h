#pragma once
// Colours and shapes shared by every picture generar_datos draws.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPointF>

namespace datos {

constexpr double kPi = 3.14159265358979323846;

// Sky colour of the wallpaper. The animations play over it, so their soft
// edges are blended with it before they are cut to one-bit transparency.
inline const QColor kCielo(0xd2, 0xe9, 0xfb);

// Bright confetti colours, shared by the success picture and the fireworks.
inline const QColor kConfeti[] = {
    QColor(0xe5, 0x39, 0x35), QColor(0xfb, 0x8c, 0x00), QColor(0xfd, 0xd8, 0x35),
    QColor(0x43, 0xa0, 0x47), QColor(0x1e, 0x88, 0xe5), QColor(0x8e, 0x24, 0xaa),
    QColor(0xec, 0x40, 0x7a), QColor(0x00, 0xac, 0xc1),
};
constexpr int kNumConfeti = sizeof(kConfeti) / sizeof(kConfeti[0]);

// Dark brown of every outline, eye and mouth.
inline const QColor kTinta(0x3b, 0x24, 0x16);

QPen trazo(const QColor& color, double grueso);
QImage lienzo(int ancho, int alto, const QColor& color);
QPainterPath estrella(QPointF c, double exterior, double interior, double giro = 0.0,
                      int puntas = 5);
QPainterPath elipse(QPointF c, double rx, double ry);
void linea(QPainter& p, const QPainterPath& camino, double grueso, const QColor& color = kTinta);

// A twinkle of radius r; too small to see below one pixel, so not drawn.
void dibujarDestello(QPainter& p, QPointF c, double r, const QColor& relleno, const QColor& borde);
// A shiny golden star: lighter towards the top left, rounded tips.
void dibujarEstrellaDorada(QPainter& p, QPointF c, double r, double giro);

} // namespace datos
