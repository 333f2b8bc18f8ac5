#include "datos_acierto.h"

#include "datos_dibujo.h"
#include "datos_rasgos.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace datos {

namespace {

// Fixed-seed xorshift: the standard distributions differ between libraries.
class Azar {
public:
    explicit Azar(std::uint32_t semilla) : s_(semilla) {}
    double operator()() {
        s_ ^= s_ << 13;
        s_ ^= s_ >> 17;
        s_ ^= s_ << 5;
        return (s_ >> 8) / 16777216.0;
    }
    double entre(double a, double b) { return a + (b - a) * (*this)(); }
    int hasta(int n) { return std::min(n - 1, static_cast<int>((*this)() * n)); }

private:
    std::uint32_t s_;
};

// Scattered over `zona`, but none where the trophy stands (`libre`).
void confeti(QPainter& p, Azar& azar, const QRectF& zona, const QRectF& libre, int cuantos) {
    for (int i = 0; i < cuantos;) {
        const QPointF c(azar.entre(zona.left(), zona.right()),
                        azar.entre(zona.top(), zona.bottom()));
        const int forma = azar.hasta(3);
        const QColor color = kConfeti[azar.hasta(kNumConfeti)];
        const double giro = azar.entre(0, 180);
        if (libre.contains(c)) continue;
        ++i;
        p.save();
        p.translate(c);
        p.rotate(giro);
        p.setPen(trazo(color.darker(140), 1));
        p.setBrush(color);
        if (forma == 0)
            p.drawRect(QRectF(-5, -2.5, 10, 5));
        else if (forma == 1)
            p.drawEllipse(QPointF(0, 0), 3.2, 3.2);
        else
            p.drawPath(estrella({0, 0}, 5, 2.4));
        p.restore();
    }
}

} // namespace

QImage dibujoAcierto(int escala) {
    constexpr int ancho = 306, alto = 266;
    QImage img = lienzo(ancho * escala, alto * escala, Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(escala, escala);
    const QPointF sol(153, 112);

    QRadialGradient cielo(sol, 230);
    cielo.setColorAt(0.0, QColor(0xff, 0xfd, 0xe7));
    cielo.setColorAt(0.45, QColor(0xff, 0xec, 0xa8));
    cielo.setColorAt(1.0, QColor(0xff, 0xb8, 0x8c));
    p.fillRect(QRect(0, 0, ancho, alto), cielo);
    // Sunburst rays.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 90));
    for (int i = 0; i < 18; ++i) {
        const double a0 = (i * 20.0) * kPi / 180.0, a1 = (i * 20.0 + 10.0) * kPi / 180.0;
        QPainterPath rayo(sol);
        rayo.lineTo(sol + QPointF(400 * std::cos(a0), 400 * std::sin(a0)));
        rayo.lineTo(sol + QPointF(400 * std::cos(a1), 400 * std::sin(a1)));
        rayo.closeSubpath();
        p.drawPath(rayo);
    }
    // Rolling green hills.
    p.setPen(trazo(QColor(0x55, 0x8b, 0x2f), 2.5));
    p.setBrush(QColor(0x9c, 0xcc, 0x65));
    p.drawEllipse(QRectF(-60, 212, 250, 130));
    p.setBrush(QColor(0x8b, 0xc3, 0x4a));
    p.drawEllipse(QRectF(120, 222, 260, 120));

    // Streamers from the top corners.
    for (int k = 0; k < 4; ++k) {
        const bool izquierda = k < 2;
        const double x0 = izquierda ? 6 + 22 * k : ancho - 6 - 22 * (k - 2);
        const double s = izquierda ? 1 : -1;
        QPainterPath cinta(QPointF(x0, -4));
        for (int j = 0; j < 4; ++j)
            cinta.cubicTo(x0 + s * (14 + 4 * j), 12 + 26 * j, x0 - s * (4 - 3 * j), 24 + 26 * j,
                          x0 + s * 8 * (j + 1), 26 + 26 * j);
        linea(p, cinta, 4, kConfeti[(k * 3 + 1) % kNumConfeti]);
    }

    Azar azar(20240611);
    confeti(p, azar, QRectF(4, 4, ancho - 8, 200), QRectF(88, 14, 130, 214), 46);

    // The trophy: handles first, so the cup covers their ends.
    const QColor bronce(0xb2, 0x6a, 0x00);
    QPainterPath asas;
    asas.moveTo(108, 72);
    asas.cubicTo(72, 64, 70, 122, 122, 128);
    asas.moveTo(198, 72);
    asas.cubicTo(234, 64, 236, 122, 184, 128);
    linea(p, asas, 12, bronce);
    linea(p, asas, 7, QColor(0xff, 0xd5, 0x4f));

    QLinearGradient oro(104, 0, 202, 0);
    oro.setColorAt(0.0, QColor(0xf9, 0xa8, 0x25));
    oro.setColorAt(0.3, QColor(0xff, 0xf5, 0x9d));
    oro.setColorAt(0.6, QColor(0xff, 0xd5, 0x4f));
    oro.setColorAt(1.0, QColor(0xef, 0x8f, 0x00));
    // Stem, knob and foot.
    QPainterPath pie;
    pie.moveTo(143, 150);
    pie.lineTo(163, 150);
    pie.lineTo(158, 172);
    pie.lineTo(172, 188);
    pie.lineTo(134, 188);
    pie.lineTo(148, 172);
    pie.closeSubpath();
    p.setPen(trazo(bronce, 3));
    p.setBrush(oro);
    p.drawPath(pie);
    p.drawEllipse(QPointF(153, 168), 14, 5);
    QPainterPath copa;
    copa.moveTo(104, 60);
    copa.lineTo(202, 60);
    copa.cubicTo(202, 122, 182, 152, 153, 154);
    copa.cubicTo(124, 152, 104, 122, 104, 60);
    p.drawPath(copa);
    p.setBrush(QColor(0xff, 0xe8, 0x82));
    p.drawEllipse(QRectF(102, 52, 102, 16));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xd8, 0x8c, 0x00));
    p.drawEllipse(QRectF(110, 55, 86, 9));
    reflejo(p, {119, 94}, 5, 22, 8);

    // Wooden base with a golden plate.
    QLinearGradient madera(0, 186, 0, 222);
    madera.setColorAt(0.0, QColor(0x9c, 0x64, 0x40));
    madera.setColorAt(1.0, QColor(0x5d, 0x37, 0x1c));
    p.setPen(trazo(QColor(0x3e, 0x23, 0x10), 3));
    p.setBrush(madera);
    p.drawRoundedRect(QRectF(112, 186, 82, 36), 6, 6);
    p.setPen(trazo(bronce, 2));
    p.setBrush(oro);
    p.drawRoundedRect(QRectF(128, 195, 50, 18), 4, 4);
    dibujarEstrellaDorada(p, {153, 204}, 7, 0);

    // The trophy is happy too.
    QPainterPath ojos;
    ojos.moveTo(129, 96);
    ojos.quadTo(136, 86, 143, 96);
    ojos.moveTo(163, 96);
    ojos.quadTo(170, 86, 177, 96);
    linea(p, ojos, 4, QColor(0x5d, 0x37, 0x1c));
    QPainterPath boca;
    boca.moveTo(137, 108);
    boca.quadTo(153, 112, 169, 108);
    boca.cubicTo(166, 130, 140, 130, 137, 108);
    bocaAbierta(p, boca, 0, true);
    mejillas(p, {125, 110}, {181, 110}, 9, 5.5);

    dibujarEstrellaDorada(p, {153, 28}, 22, -6);
    const QColor brillo(0xff, 0xa0, 0x00);
    dibujarDestello(p, {96, 40}, 11, Qt::white, brillo);
    dibujarDestello(p, {214, 34}, 13, Qt::white, brillo);
    dibujarDestello(p, {230, 150}, 9, Qt::white, brillo);
    dibujarDestello(p, {76, 160}, 10, Qt::white, brillo);
    dibujarDestello(p, {198, 196}, 7, Qt::white, brillo);
    return img;
}

} // namespace datos
