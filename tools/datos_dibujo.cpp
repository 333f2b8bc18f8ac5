#include "datos_dibujo.h"

#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace datos {

QPen trazo(const QColor& color, double grueso) {
    return QPen(color, grueso, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QImage lienzo(int ancho, int alto, const QColor& color) {
    QImage img(ancho, alto, QImage::Format_RGB32);
    img.fill(color);
    return img;
}

QPainterPath estrella(QPointF c, double exterior, double interior, double giro, int puntas) {
    QPainterPath p;
    for (int i = 0; i < 2 * puntas; ++i) {
        const double r = i % 2 ? interior : exterior;
        const double a = (giro - 90.0 + 180.0 * i / puntas) * kPi / 180.0;
        const QPointF q(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
        if (i == 0)
            p.moveTo(q);
        else
            p.lineTo(q);
    }
    p.closeSubpath();
    return p;
}

QPainterPath elipse(QPointF c, double rx, double ry) {
    QPainterPath p;
    p.addEllipse(c, rx, ry);
    return p;
}

void linea(QPainter& p, const QPainterPath& camino, double grueso, const QColor& color) {
    p.setPen(trazo(color, grueso));
    p.setBrush(Qt::NoBrush);
    p.drawPath(camino);
}

namespace {

// A four-pointed twinkle with inward-curving sides.
QPainterPath destello(QPointF c, double r) {
    const double k = r * 0.16;
    QPainterPath p(QPointF(c.x(), c.y() - r));
    p.quadTo(c.x() + k, c.y() - k, c.x() + r, c.y());
    p.quadTo(c.x() + k, c.y() + k, c.x(), c.y() + r);
    p.quadTo(c.x() - k, c.y() + k, c.x() - r, c.y());
    p.quadTo(c.x() - k, c.y() - k, c.x(), c.y() - r);
    return p;
}

} // namespace

void dibujarDestello(QPainter& p, QPointF c, double r, const QColor& relleno, const QColor& borde) {
    if (r < 1.0) return;
    p.setPen(trazo(borde, std::max(1.0, r * 0.14)));
    p.setBrush(relleno);
    p.drawPath(destello(c, r));
}

void dibujarEstrellaDorada(QPainter& p, QPointF c, double r, double giro) {
    const QPainterPath e = estrella(c, r, r * 0.5, giro);
    QRadialGradient oro(c + QPointF(-r * 0.3, -r * 0.35), r * 1.3);
    oro.setColorAt(0.0, QColor(0xff, 0xfd, 0xe7));
    oro.setColorAt(0.35, QColor(0xff, 0xe0, 0x4a));
    oro.setColorAt(1.0, QColor(0xf9, 0xa8, 0x25));
    p.setPen(trazo(QColor(0xc7, 0x6e, 0x00), std::max(1.5, r * 0.09)));
    p.setBrush(oro);
    p.drawPath(e);
}

} // namespace datos
