#include "written/tachon.h"

#include <QPainter>

Tachon::Tachon(const QString& nombre, QWidget* padre, const QRect& r, const QColor& color)
    : QLabel(QStringLiteral("X"), padre), color_(color) {
    setObjectName(nombre);
    setGeometry(r);
}

void Tachon::FijarColor(const QColor& color, bool grueso) {
    color_ = color;
    grueso_ = grueso;
    update();
}

void Tachon::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    // About a tenth of the digit's height: seen at a glance, thin enough to
    // leave every stroke of the digit visible.
    const qreal grosor = qMax<qreal>(2.0, height() / (grueso_ ? 11.0 : 14.0));
    p.setPen(QPen(color_, grosor, Qt::SolidLine, Qt::RoundCap));
    // Across the glyph, not the whole cell: from its lower left to its upper right.
    const QRectF caja =
        QRectF(rect()).adjusted(width() * 0.22, height() * 0.18, -width() * 0.22, -height() * 0.16);
    p.drawLine(caja.bottomLeft(), caja.topRight());
}
