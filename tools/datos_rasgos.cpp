#include "datos_rasgos.h"

#include "datos_dibujo.h"

#include <QRadialGradient>

namespace datos {

namespace {

// Pink, soft-edged blush.
void mejilla(QPainter& p, QPointF c, double rx, double ry) {
    QRadialGradient g(c, rx);
    g.setColorAt(0.0, QColor(255, 92, 120, 150));
    g.setColorAt(0.6, QColor(255, 92, 120, 90));
    g.setColorAt(1.0, QColor(255, 92, 120, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.save();
    p.translate(c);
    p.scale(1.0, ry / rx);
    p.translate(-c);
    p.drawEllipse(c, rx, rx);
    p.restore();
}

} // namespace

void mejillas(QPainter& p, QPointF izquierda, QPointF derecha, double rx, double ry) {
    mejilla(p, izquierda, rx, ry);
    mejilla(p, derecha, rx, ry);
}

void reflejo(QPainter& p, QPointF c, double rx, double ry, double giro) {
    p.save();
    p.translate(c);
    p.rotate(giro);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 95));
    p.drawEllipse(QPointF(0, 0), rx, ry);
    p.restore();
}

void ojo(QPainter& p, QPointF c, double rx, double ry, QPointF mira, double pupila) {
    p.setPen(trazo(kTinta, 2.0));
    p.setBrush(Qt::white);
    p.drawEllipse(c, rx, ry);
    const QPointF pc = c + mira;
    QRadialGradient g(pc - QPointF(pupila * 0.3, pupila * 0.3), pupila * 1.2);
    g.setColorAt(0.0, QColor(0x5d, 0x40, 0x37));
    g.setColorAt(1.0, QColor(0x14, 0x0c, 0x08));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(pc, pupila, pupila);
    p.setBrush(Qt::white);
    p.drawEllipse(pc + QPointF(-pupila * 0.35, -pupila * 0.4), pupila * 0.38, pupila * 0.38);
    p.drawEllipse(pc + QPointF(pupila * 0.4, pupila * 0.35), pupila * 0.16, pupila * 0.16);
}

void ojoOvalado(QPainter& p, QPointF c, double rx, double ry) {
    p.setPen(Qt::NoPen);
    p.setBrush(kTinta);
    p.drawEllipse(c, rx, ry);
    p.setBrush(Qt::white);
    p.drawEllipse(c + QPointF(-rx * 0.3, -ry * 0.4), rx * 0.42, rx * 0.42);
}

void bocaAbierta(QPainter& p, const QPainterPath& boca, double dientes, bool lengua) {
    const QRectF r = boca.boundingRect();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x8e, 0x1f, 0x2e));
    p.drawPath(boca);
    p.save();
    p.setClipPath(boca);
    if (dientes > 0) {
        p.setBrush(Qt::white);
        p.drawRect(QRectF(r.left(), r.top() - 2, r.width(), dientes + 2));
    }
    if (lengua) {
        p.setBrush(QColor(0xff, 0x7a, 0x93));
        p.drawEllipse(QPointF(r.center().x(), r.bottom()), r.width() * 0.3, r.height() * 0.45);
    }
    p.restore();
    linea(p, boca, 2.5);
}

} // namespace datos
