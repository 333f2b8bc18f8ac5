#include "datos_caras.h"

#include "datos_dibujo.h"
#include "datos_rasgos.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QTransform>

#include <algorithm>

namespace datos {

namespace {

// Head filled with a gradient lit from the top left, and a dark rim.
void pintarPiel(QPainter& p, const QPainterPath& forma, const QColor& color) {
    const QRectF r = forma.boundingRect();
    QRadialGradient g(r.center() + QPointF(-r.width() * 0.2, -r.height() * 0.25),
                      std::max(r.width(), r.height()) * 0.8);
    g.setColorAt(0.0, color.lighter(128));
    g.setColorAt(0.55, color);
    g.setColorAt(1.0, color.darker(122));
    p.setPen(trazo(color.darker(240), 3.0));
    p.setBrush(g);
    p.drawPath(forma);
}

constexpr int kCaraAncho = 112;
constexpr int kCaraAlto = 96;

} // namespace

QImage caraRisa(int escala) {
    QImage img = lienzo(kCaraAncho * escala, kCaraAlto * escala, QColor(0xe1, 0xf5, 0xfe));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(escala, escala);
    pintarPiel(p, elipse({56, 49}, 41, 41), QColor(0xff, 0xd5, 0x4f));
    reflejo(p, {38, 24}, 12, 6, -35);
    QPainterPath cejas;
    cejas.moveTo(34, 26);
    cejas.quadTo(41, 20, 48, 25);
    cejas.moveTo(64, 25);
    cejas.quadTo(71, 20, 78, 26);
    linea(p, cejas, 3);
    ojoOvalado(p, {42, 37}, 5.5, 8.5);
    ojoOvalado(p, {70, 37}, 5.5, 8.5);
    QPainterPath boca;
    boca.moveTo(30, 54);
    boca.quadTo(56, 60, 82, 54);
    boca.cubicTo(80, 90, 32, 90, 30, 54);
    bocaAbierta(p, boca, 7, true);
    mejillas(p, {27, 58}, {85, 58}, 9, 6);
    return img;
}

QImage caraLengua(int escala) {
    QImage img = lienzo(kCaraAncho * escala, kCaraAlto * escala, QColor(0xf3, 0xe5, 0xf5));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(escala, escala);
    pintarPiel(p, elipse({56, 49}, 41, 41), QColor(0xff, 0xb7, 0x4d));
    reflejo(p, {38, 24}, 12, 6, -35);
    // Eyes squeezed shut with glee: > <
    QPainterPath ojos;
    ojos.moveTo(33, 29);
    ojos.lineTo(47, 37);
    ojos.lineTo(33, 45);
    ojos.moveTo(79, 29);
    ojos.lineTo(65, 37);
    ojos.lineTo(79, 45);
    linea(p, ojos, 4);
    QPainterPath boca;
    boca.moveTo(30, 56);
    boca.quadTo(56, 62, 82, 56);
    boca.cubicTo(76, 78, 36, 78, 30, 56);
    bocaAbierta(p, boca, 0, false);
    // The tongue hangs out over the lower lip, a little to one side.
    QPainterPath lengua;
    lengua.moveTo(48, 66);
    lengua.lineTo(48, 79);
    lengua.cubicTo(48, 93, 70, 93, 70, 79);
    lengua.lineTo(70, 66);
    lengua.closeSubpath();
    QTransform giro;
    giro.translate(59, 66);
    giro.rotate(-12);
    giro.translate(-59, -66);
    lengua = giro.map(lengua);
    QLinearGradient rosa(0, 66, 0, 92);
    rosa.setColorAt(0.0, QColor(0xff, 0x5c, 0x8a));
    rosa.setColorAt(1.0, QColor(0xff, 0x9e, 0xb5));
    p.setPen(trazo(QColor(0xad, 0x14, 0x57), 2.5));
    p.setBrush(rosa);
    p.drawPath(lengua);
    QPainterPath raya;
    raya.moveTo(giro.map(QPointF(59, 70)));
    raya.lineTo(giro.map(QPointF(59, 81)));
    linea(p, raya, 2, QColor(0xad, 0x14, 0x57));
    mejillas(p, {26, 56}, {86, 56}, 9, 6);
    return img;
}

QImage caraGuino(int escala) {
    QImage img = lienzo(kCaraAncho * escala, kCaraAlto * escala, QColor(0xe8, 0xf5, 0xe9));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(escala, escala);
    pintarPiel(p, elipse({56, 49}, 41, 41), QColor(0xff, 0xcc, 0x80));
    reflejo(p, {38, 24}, 12, 6, -35);
    QPainterPath rasgos;
    rasgos.moveTo(31, 22); // raised brow over the open eye
    rasgos.quadTo(40, 14, 50, 21);
    rasgos.moveTo(63, 30); // lowered brow over the wink
    rasgos.quadTo(71, 27, 80, 30);
    rasgos.moveTo(62, 41); // the closed eye, a happy arch
    rasgos.quadTo(71, 33, 80, 41);
    rasgos.moveTo(79, 40); // lashes
    rasgos.lineTo(84, 37);
    rasgos.moveTo(77, 37);
    rasgos.lineTo(80, 33);
    linea(p, rasgos, 3);
    ojo(p, {41, 39}, 8, 10, {1.5, 1}, 5);
    QPainterPath boca;
    boca.moveTo(33, 58);
    boca.quadTo(58, 66, 82, 52);
    boca.cubicTo(78, 84, 40, 84, 33, 58);
    bocaAbierta(p, boca, 6, false);
    QPainterPath hoyuelo;
    hoyuelo.moveTo(84, 49);
    hoyuelo.quadTo(88, 53, 85, 58);
    linea(p, hoyuelo, 2);
    mejillas(p, {26, 58}, {88, 60}, 8, 5);
    dibujarDestello(p, {96, 22}, 9, Qt::white, QColor(0xff, 0xa0, 0x00));
    dibujarDestello(p, {103, 37}, 5, Qt::white, QColor(0xff, 0xa0, 0x00));
    return img;
}

QImage caraSorpresa(int escala) {
    QImage img = lienzo(kCaraAncho * escala, kCaraAlto * escala, QColor(0xff, 0xf8, 0xe1));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(escala, escala);
    pintarPiel(p, elipse({56, 51}, 40, 42), QColor(0x9c, 0xd8, 0x8f));
    reflejo(p, {38, 26}, 12, 6, -35);
    QPainterPath cejas;
    cejas.moveTo(28, 20);
    cejas.quadTo(39, 8, 50, 17);
    cejas.moveTo(62, 17);
    cejas.quadTo(73, 8, 84, 20);
    linea(p, cejas, 3);
    ojo(p, {40, 37}, 11, 12, {0, 0}, 4.5);
    ojo(p, {72, 37}, 11, 12, {0, 0}, 4.5);
    QPainterPath boca = elipse({56, 72}, 8, 11);
    bocaAbierta(p, boca, 0, true);
    mejillas(p, {26, 60}, {86, 60}, 8, 5);
    // A worried drop of sweat at the temple.
    QPainterPath gota;
    gota.moveTo(92, 24);
    gota.cubicTo(98, 34, 100, 40, 92, 42);
    gota.cubicTo(84, 40, 86, 34, 92, 24);
    QLinearGradient agua(86, 24, 98, 42);
    agua.setColorAt(0, QColor(0xe1, 0xf5, 0xfe));
    agua.setColorAt(1, QColor(0x4f, 0xc3, 0xf7));
    p.setPen(trazo(QColor(0x02, 0x77, 0xbd), 2));
    p.setBrush(agua);
    p.drawPath(gota);
    return img;
}

QImage caraGafas(int escala) {
    QImage img = lienzo(kCaraAncho * escala, kCaraAlto * escala, QColor(0xfc, 0xe4, 0xec));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(escala, escala);
    pintarPiel(p, elipse({56, 49}, 41, 41), QColor(0xff, 0xca, 0x28));
    reflejo(p, {38, 20}, 11, 5, -30);
    QPainterPath gafas;
    for (double x0 : {20.0, 60.0}) {
        gafas.moveTo(x0, 32);
        gafas.lineTo(x0 + 32, 32);
        gafas.cubicTo(x0 + 32, 48, x0 + 26, 54, x0 + 16, 54);
        gafas.cubicTo(x0 + 5, 54, x0, 46, x0, 32);
        gafas.closeSubpath();
    }
    QLinearGradient cristal(0, 32, 0, 54);
    cristal.setColorAt(0.0, QColor(0x45, 0x5a, 0x64));
    cristal.setColorAt(1.0, QColor(0x10, 0x16, 0x1a));
    p.setPen(trazo(QColor(0x10, 0x10, 0x10), 3));
    p.setBrush(cristal);
    p.drawPath(gafas);
    QPainterPath montura;
    montura.moveTo(14, 31);
    montura.lineTo(98, 31);
    linea(p, montura, 4, QColor(0x10, 0x10, 0x10));
    p.save();
    p.setClipPath(gafas);
    p.setPen(trazo(QColor(255, 255, 255, 170), 4));
    for (double x0 : {20.0, 60.0}) {
        p.drawLine(QPointF(x0 + 8, 50), QPointF(x0 + 22, 34));
        p.drawLine(QPointF(x0 + 16, 52), QPointF(x0 + 28, 38));
    }
    p.restore();
    // A lopsided, too-cool smirk.
    QPainterPath sonrisa;
    sonrisa.moveTo(38, 66);
    sonrisa.cubicTo(50, 76, 66, 74, 78, 60);
    sonrisa.moveTo(76, 56);
    sonrisa.lineTo(80, 63);
    linea(p, sonrisa, 3.5);
    mejillas(p, {27, 62}, {86, 60}, 8, 5);
    dibujarDestello(p, {92, 36}, 9, Qt::white, QColor(0xff, 0xb3, 0x00));
    return img;
}

QImage caraGato(int escala) {
    QImage img = lienzo(kCaraAncho * escala, kCaraAlto * escala, QColor(0xe3, 0xf2, 0xfd));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(escala, escala);
    const QColor pelo(0xff, 0xa7, 0x26);
    QPainterPath orejas;
    orejas.moveTo(20, 48);
    orejas.lineTo(24, 6);
    orejas.lineTo(52, 28);
    orejas.closeSubpath();
    orejas.moveTo(92, 48);
    orejas.lineTo(88, 6);
    orejas.lineTo(60, 28);
    orejas.closeSubpath();
    QPainterPath cabeza = elipse({56, 56}, 40, 35).united(orejas);
    pintarPiel(p, cabeza, pelo);
    QPainterPath dentro;
    dentro.moveTo(26, 34);
    dentro.lineTo(28, 15);
    dentro.lineTo(42, 27);
    dentro.closeSubpath();
    dentro.moveTo(86, 34);
    dentro.lineTo(84, 15);
    dentro.lineTo(70, 27);
    dentro.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0x9e, 0xb5));
    p.drawPath(dentro);
    QPainterPath rayas;
    rayas.moveTo(56, 24);
    rayas.lineTo(56, 33);
    rayas.moveTo(47, 25);
    rayas.lineTo(49, 32);
    rayas.moveTo(65, 25);
    rayas.lineTo(63, 32);
    linea(p, rayas, 3, pelo.darker(150));
    // Muzzle, then big shiny eyes.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0xf3, 0xe0));
    p.drawEllipse(QPointF(48, 68), 10, 8);
    p.drawEllipse(QPointF(64, 68), 10, 8);
    ojo(p, {42, 50}, 8, 9, {1, 1}, 5.5);
    ojo(p, {70, 50}, 8, 9, {-1, 1}, 5.5);
    QPainterPath nariz;
    nariz.moveTo(51, 61);
    nariz.lineTo(61, 61);
    nariz.lineTo(56, 66);
    nariz.closeSubpath();
    p.setPen(trazo(QColor(0xc2, 0x18, 0x5b), 1.5));
    p.setBrush(QColor(0xff, 0x6f, 0x91));
    p.drawPath(nariz);
    QPainterPath boca;
    boca.moveTo(56, 66);
    boca.cubicTo(56, 73, 48, 75, 46, 70);
    boca.moveTo(56, 66);
    boca.cubicTo(56, 73, 64, 75, 66, 70);
    linea(p, boca, 2.2);
    QPainterPath bigotes;
    for (int i = -1; i <= 1; ++i) {
        bigotes.moveTo(36, 66 + 3 * i);
        bigotes.lineTo(10, 62 + 8 * i);
        bigotes.moveTo(76, 66 + 3 * i);
        bigotes.lineTo(102, 62 + 8 * i);
    }
    linea(p, bigotes, 1.6);
    mejillas(p, {30, 64}, {82, 64}, 7, 4.5);
    return img;
}

QImage caraRana(int escala) {
    QImage img = lienzo(kCaraAncho * escala, kCaraAlto * escala, QColor(0xff, 0xfd, 0xe7));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(escala, escala);
    QPainterPath cabeza =
        elipse({56, 62}, 47, 28).united(elipse({34, 30}, 17, 16)).united(elipse({78, 30}, 17, 16));
    pintarPiel(p, cabeza, QColor(0x8b, 0xc3, 0x4a));
    reflejo(p, {30, 50}, 10, 4, -15);
    // Cross-eyed, for the giggle.
    ojo(p, {34, 29}, 11, 11, {4, 1}, 6);
    ojo(p, {78, 29}, 11, 11, {-4, 1}, 6);
    p.setPen(Qt::NoPen);
    p.setBrush(kTinta);
    p.drawEllipse(QPointF(50, 54), 2, 1.6);
    p.drawEllipse(QPointF(62, 54), 2, 1.6);
    QPainterPath boca;
    boca.moveTo(20, 63);
    boca.quadTo(56, 70, 92, 63);
    boca.cubicTo(82, 86, 30, 86, 20, 63);
    bocaAbierta(p, boca, 0, true);
    mejillas(p, {20, 74}, {92, 74}, 8, 5);
    return img;
}

QImage caraMonstruo(int escala) {
    QImage img = lienzo(kCaraAncho * escala, kCaraAlto * escala, QColor(0xe0, 0xf7, 0xfa));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(escala, escala);
    // Two stubby horns behind the head.
    QPainterPath cuernos;
    cuernos.moveTo(28, 28);
    cuernos.quadTo(22, 10, 32, 4);
    cuernos.quadTo(36, 18, 44, 18);
    cuernos.closeSubpath();
    cuernos.moveTo(84, 28);
    cuernos.quadTo(90, 10, 80, 4);
    cuernos.quadTo(76, 18, 68, 18);
    cuernos.closeSubpath();
    QLinearGradient marfil(0, 4, 0, 28);
    marfil.setColorAt(0, QColor(0xff, 0xfd, 0xf5));
    marfil.setColorAt(1, QColor(0xff, 0xcc, 0x80));
    p.setPen(trazo(QColor(0x6d, 0x4c, 0x41), 2.5));
    p.setBrush(marfil);
    p.drawPath(cuernos);
    pintarPiel(p, elipse({56, 53}, 42, 39), QColor(0xb3, 0x9d, 0xdb));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x95, 0x75, 0xcd, 150));
    for (const QPointF& c :
         {QPointF(26, 44), QPointF(31, 34), QPointF(86, 42), QPointF(82, 76), QPointF(24, 70)})
        p.drawEllipse(c, 3.5, 3.5);
    reflejo(p, {36, 28}, 10, 5, -35);
    ojo(p, {56, 38}, 17, 16, {2, 2}, 8);
    QPainterPath parpado;
    parpado.moveTo(38, 20);
    parpado.quadTo(56, 12, 74, 20);
    linea(p, parpado, 3);
    QPainterPath boca;
    boca.moveTo(30, 62);
    boca.quadTo(56, 68, 82, 62);
    boca.cubicTo(76, 86, 36, 86, 30, 62);
    bocaAbierta(p, boca, 0, true);
    // One goofy tooth on each jaw.
    p.setPen(trazo(kTinta, 1.5));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(42, 63, 9, 9), 2, 2);
    p.drawRoundedRect(QRectF(62, 70, 8, 8), 2, 2);
    mejillas(p, {26, 62}, {86, 62}, 7, 4.5);
    return img;
}

} // namespace datos
