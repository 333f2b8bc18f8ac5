#include "nucleo/dibujo_estirado.h"

#include <QPaintEvent>
#include <QPainter>

void DibujoEstirado::paintEvent(QPaintEvent* e) {
    const QPixmap dibujo = pixmap();
    if (dibujo.isNull()) {
        QLabel::paintEvent(e);
        return;
    }
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawPixmap(contentsRect(), dibujo);
}
