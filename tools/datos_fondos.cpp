#include "datos_fondos.h"

#include "datos_dibujo.h"

namespace datos {

// Wallpaper tile: pale sky with faint stars and dots. Every motif is drawn
// once per neighbouring tile too, so whatever crosses an edge comes back on
// the opposite side and the tile repeats without seams.
QImage fondo(int escala) {
    constexpr int n = 96;
    QImage img = lienzo(n * escala, n * escala, kCielo);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(escala, escala);
    const QColor claro(0xea, 0xf5, 0xfe);
    const QColor punto(0xbf, 0xdf, 0xf7);
    for (int dx = -n; dx <= n; dx += n)
        for (int dy = -n; dy <= n; dy += n) {
            p.save();
            p.translate(dx, dy);
            p.setPen(trazo(claro, 2.5));
            p.setBrush(claro);
            p.drawPath(estrella({48, 50}, 10, 4.6, -18));
            p.drawPath(estrella({96, 98}, 10, 4.6, 18));
            p.drawPath(estrella({99, 45}, 5, 2.4, 20));
            p.drawPath(estrella({45, 101}, 5, 2.4, -8));
            p.setPen(Qt::NoPen);
            p.setBrush(punto);
            for (const QPointF& c :
                 {QPointF(24, 24), QPointF(72, 24), QPointF(24, 72), QPointF(72, 72)})
                p.drawEllipse(c, 2.2, 2.2);
            p.restore();
        }
    return img;
}

// Squared notebook paper, very light so the big black digits stand out.
QImage fondoCuaderno(int escala) {
    constexpr int ancho = 320, alto = 255, paso = 16;
    QImage img = lienzo(ancho * escala, alto * escala, QColor(0xfd, 0xfe, 0xff));
    QPainter p(&img);
    p.scale(escala, escala);
    p.setPen(QColor(0xd6, 0xe6, 0xf6));
    for (int x = 8; x < ancho; x += paso)
        p.drawLine(x, 0, x, alto - 1);
    for (int y = 7; y < alto; y += paso)
        p.drawLine(0, y, ancho - 1, y);
    return img;
}

} // namespace datos
