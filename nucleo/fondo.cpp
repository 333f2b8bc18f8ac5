#include "nucleo/fondo.h"

#include <QPaintEvent>
#include <QPainter>
#include <QRegion>

std::vector<QPoint> PosicionesMosaico(int ancho_imagen, int alto_imagen, int w, int h,
                                      int primera_x, int y0) {
    std::vector<QPoint> posiciones;
    if (w <= 0 || h <= 0) return posiciones;
    int x = primera_x;
    int y = y0;
    while (y < alto_imagen) {
        if (x > ancho_imagen) {
            x = 1;
            y += h;
        }
        posiciones.emplace_back(x, y);
        x += w;
    }
    return posiciones;
}

MosaicoFondo::MosaicoFondo(QWidget* parent) : QLabel(parent) {
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void MosaicoFondo::Poner(const QPixmap& dibujo, const QColor& color, const QPoint& primera) {
    dibujo_ = dibujo;
    color_ = color;
    primera_ = primera;
    // It covers every pixel, so nothing under it is painted.
    setAttribute(Qt::WA_OpaquePaintEvent, !dibujo_.isNull());
    update();
}

void MosaicoFondo::paintEvent(QPaintEvent* e) {
    if (dibujo_.isNull()) {
        QLabel::paintEvent(e);
        return;
    }
    QPainter p(this);
    const QRect zona = e->rect();
    // In the widget's pixels: an "@2x" picture is half as tall here.
    const int h = qRound(dibujo_.deviceIndependentSize().height());
    const int y1 = primera_.y() + h;
    // The copies of PosicionesMosaico as two tiled fills: the first row from
    // primera_, the rest from x = 1. One blit per copy cost 20 ms at the first
    // paint, as Qt hands every blit of a picture that tall to its threads.
    const struct {
        QRect area;
        QPoint origen;
    } partes[] = {{QRect(primera_.x(), primera_.y(), width() - primera_.x(), h), primera_},
                  {QRect(1, y1, width() - 1, height() - y1), QPoint(1, y1)}};
    // The colour shows where no copy reaches (the left column under the first
    // row, mostly) and through a picture with transparency.
    QRegion color(zona);
    if (!dibujo_.hasAlphaChannel())
        for (const auto& parte : partes)
            color -= parte.area;
    for (const QRect& r : color)
        p.fillRect(r, color_);
    for (const auto& parte : partes) {
        const QRect r = parte.area.intersected(zona);
        if (!r.isEmpty()) p.drawTiledPixmap(r, dibujo_, r.topLeft() - parte.origen);
    }
}
