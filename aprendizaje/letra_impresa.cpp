#include "aprendizaje/letra_impresa.h"

#include <QFontMetricsF>
#include <QPainter>

QFont LetraImpresa(qreal puntos, bool negrita) {
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPointSizeF(puntos);
    f.setBold(negrita);
    return f;
}

qreal AltoParrafo(QPaintDevice* dispositivo, const QFont& letra, const QString& texto,
                  qreal ancho) {
    return QFontMetricsF(letra, dispositivo)
        .boundingRect(QRectF(0, 0, ancho, 1e6), Qt::TextWordWrap, texto)
        .height();
}

qreal PintarParrafo(QPainter& p, QPaintDevice* dispositivo, const QFont& letra,
                    const QString& texto, qreal x, qreal y, qreal ancho, const QColor& color) {
    const qreal alto = AltoParrafo(dispositivo, letra, texto, ancho);
    p.setFont(letra);
    p.setPen(color);
    p.drawText(QRectF(x, y, ancho, alto), Qt::TextWordWrap, texto);
    return alto;
}
