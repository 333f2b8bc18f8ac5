// Draws the optional files the game reads from its start folder: the two
// wallpapers, the success picture, the bonus faces, three GIF animations and
// the success tune. No clock and no unseeded randomness: every run writes the
// same bytes. QImage and QPainter work without a QGuiApplication, and nothing
// here draws text, so it runs headless.

#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QString>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <map>
#include <unordered_map>
#include <utility>
#include <vector>

namespace {

constexpr double kPi = 3.14159265358979323846;

// Sky colour of the wallpaper. The animations play over it, so their soft
// edges are blended with it before they are cut to one-bit transparency.
const QColor kCielo(0xd2, 0xe9, 0xfb);

// Bright confetti colours, shared by the success picture and the fireworks.
const QColor kConfeti[] = {
    QColor(0xe5, 0x39, 0x35), QColor(0xfb, 0x8c, 0x00), QColor(0xfd, 0xd8, 0x35),
    QColor(0x43, 0xa0, 0x47), QColor(0x1e, 0x88, 0xe5), QColor(0x8e, 0x24, 0xaa),
    QColor(0xec, 0x40, 0x7a), QColor(0x00, 0xac, 0xc1),
};
constexpr int kNumConfeti = sizeof(kConfeti) / sizeof(kConfeti[0]);

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

QPen trazo(const QColor& color, double grueso) {
    return QPen(color, grueso, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QImage lienzo(int ancho, int alto, const QColor& color) {
    QImage img(ancho, alto, QImage::Format_RGB32);
    img.fill(color);
    return img;
}

QPainterPath estrella(QPointF c, double exterior, double interior, double giro = 0.0,
                      int puntas = 5) {
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

void dibujarDestello(QPainter& p, QPointF c, double r, const QColor& relleno, const QColor& borde) {
    if (r < 1.0) return;
    p.setPen(trazo(borde, std::max(1.0, r * 0.14)));
    p.setBrush(relleno);
    p.drawPath(destello(c, r));
}

// A shiny golden star: lighter towards the top left, rounded tips.
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

// ---------------------------------------------------------------- faces

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

void mejillas(QPainter& p, QPointF izquierda, QPointF derecha, double rx = 8, double ry = 5) {
    mejilla(p, izquierda, rx, ry);
    mejilla(p, derecha, rx, ry);
}

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

void reflejo(QPainter& p, QPointF c, double rx, double ry, double giro) {
    p.save();
    p.translate(c);
    p.rotate(giro);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 95));
    p.drawEllipse(QPointF(0, 0), rx, ry);
    p.restore();
}

QPainterPath elipse(QPointF c, double rx, double ry) {
    QPainterPath p;
    p.addEllipse(c, rx, ry);
    return p;
}

const QColor kTinta(0x3b, 0x24, 0x16);

// White of the eye, a pupil looking towards `mira`, and two glints.
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

// The classic cartoon eye: a dark oval with a glint.
void ojoOvalado(QPainter& p, QPointF c, double rx, double ry) {
    p.setPen(Qt::NoPen);
    p.setBrush(kTinta);
    p.drawEllipse(c, rx, ry);
    p.setBrush(Qt::white);
    p.drawEllipse(c + QPointF(-rx * 0.3, -ry * 0.4), rx * 0.42, rx * 0.42);
}

void linea(QPainter& p, const QPainterPath& camino, double grueso, const QColor& color = kTinta) {
    p.setPen(trazo(color, grueso));
    p.setBrush(Qt::NoBrush);
    p.drawPath(camino);
}

// An open laughing mouth: dark inside, a row of teeth on top, tongue below.
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

constexpr int kCaraAncho = 112;
constexpr int kCaraAlto = 96;

QImage caraRisa() {
    QImage img = lienzo(kCaraAncho, kCaraAlto, QColor(0xe1, 0xf5, 0xfe));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
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

QImage caraLengua() {
    QImage img = lienzo(kCaraAncho, kCaraAlto, QColor(0xf3, 0xe5, 0xf5));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
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

QImage caraGuino() {
    QImage img = lienzo(kCaraAncho, kCaraAlto, QColor(0xe8, 0xf5, 0xe9));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
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

QImage caraSorpresa() {
    QImage img = lienzo(kCaraAncho, kCaraAlto, QColor(0xff, 0xf8, 0xe1));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
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

QImage caraGafas() {
    QImage img = lienzo(kCaraAncho, kCaraAlto, QColor(0xfc, 0xe4, 0xec));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
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

QImage caraGato() {
    QImage img = lienzo(kCaraAncho, kCaraAlto, QColor(0xe3, 0xf2, 0xfd));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
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

QImage caraRana() {
    QImage img = lienzo(kCaraAncho, kCaraAlto, QColor(0xff, 0xfd, 0xe7));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
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

QImage caraMonstruo() {
    QImage img = lienzo(kCaraAncho, kCaraAlto, QColor(0xe0, 0xf7, 0xfa));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
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

// ---------------------------------------------------------- backgrounds

// Wallpaper tile: pale sky with faint stars and dots. Every motif is drawn
// once per neighbouring tile too, so whatever crosses an edge comes back on
// the opposite side and the tile repeats without seams.
QImage fondo() {
    constexpr int n = 96;
    QImage img = lienzo(n, n, kCielo);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
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
QImage fondoCuaderno() {
    constexpr int ancho = 320, alto = 255, paso = 16;
    QImage img = lienzo(ancho, alto, QColor(0xfd, 0xfe, 0xff));
    QPainter p(&img);
    p.setPen(QColor(0xd6, 0xe6, 0xf6));
    for (int x = 8; x < ancho; x += paso)
        p.drawLine(x, 0, x, alto - 1);
    for (int y = 7; y < alto; y += paso)
        p.drawLine(0, y, ancho - 1, y);
    return img;
}

// --------------------------------------------------- success picture

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

QImage dibujoAcierto() {
    constexpr int ancho = 306, alto = 266;
    QImage img = lienzo(ancho, alto, Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF sol(153, 112);

    QRadialGradient cielo(sol, 230);
    cielo.setColorAt(0.0, QColor(0xff, 0xfd, 0xe7));
    cielo.setColorAt(0.45, QColor(0xff, 0xec, 0xa8));
    cielo.setColorAt(1.0, QColor(0xff, 0xb8, 0x8c));
    p.fillRect(img.rect(), cielo);
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

// ----------------------------------------------------------- animations

struct Animacion {
    int ancho = 0, alto = 0;
    std::vector<QImage> cuadros; // premultiplied ARGB
    std::vector<int> centesimas; // each frame's delay
};

using Dibujo = std::function<void(QPainter&, int)>;

Animacion animar(int ancho, int alto, const std::vector<int>& centesimas, const Dibujo& dibujar) {
    Animacion a;
    a.ancho = ancho;
    a.alto = alto;
    a.centesimas = centesimas;
    for (std::size_t i = 0; i < centesimas.size(); ++i) {
        QImage img(ancho, alto, QImage::Format_ARGB32_Premultiplied);
        img.fill(Qt::transparent);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        dibujar(p, static_cast<int>(i));
        p.end();
        a.cuadros.push_back(img);
    }
    return a;
}

double suave(double x) {
    x = std::clamp(x, 0.0, 1.0);
    return x * x * (3 - 2 * x);
}

// A smiling golden star pops in, flips round like a coin while it bounces,
// and twinkles all around.
Animacion estrellaQueSalta() {
    constexpr int n = 14;
    return animar(116, 116, std::vector<int>(n, 9), [](QPainter& p, int i) {
        const double t = i / double(n - 1);
        const double aparece[] = {0.3, 0.75, 1.12, 0.96};
        const double escala = i < 4 ? aparece[i] : 1.0 + 0.04 * std::sin(i * 1.3);
        const double vuelta = suave((i - 3) / 7.0) * 2.0 * kPi;
        const double ancho = std::cos(vuelta);
        const double salto = -12.0 * std::fabs(std::sin(t * 2.0 * kPi));
        // Twinkles come and go at their own pace.
        const struct {
            double x, y, r, fase;
        } destellos[] = {{18, 22, 9, 0.0}, {98, 18, 8, 1.8}, {104, 82, 9, 3.4},
                         {14, 86, 7, 4.6}, {58, 8, 6, 2.6},  {62, 110, 6, 5.2}};
        for (const auto& d : destellos) {
            const double s = std::sin(i * 0.9 + d.fase);
            if (i >= 2 && s > 0)
                dibujarDestello(p, {d.x, d.y}, d.r * s, Qt::white, QColor(0xff, 0x8f, 0x00));
        }
        p.save();
        p.translate(58, 62 + salto);
        p.scale(escala * std::max(0.08, std::fabs(ancho)), escala);
        dibujarEstrellaDorada(p, {0, 0}, 42, 0);
        if (ancho > 0) {
            ojoOvalado(p, {-10, -4}, 4, 6);
            ojoOvalado(p, {10, -4}, 4, 6);
            QPainterPath boca;
            boca.moveTo(-11, 7);
            boca.quadTo(0, 10, 11, 7);
            boca.cubicTo(9, 21, -9, 21, -11, 7);
            bocaAbierta(p, boca, 0, true);
            mejillas(p, {-19, 7}, {19, 7}, 6, 4);
        } else {
            // The back of the star: an embossed smaller star.
            p.setPen(trazo(QColor(0xe0, 0x8a, 0x00), 2));
            p.setBrush(QColor(0xff, 0xc8, 0x28));
            p.drawPath(estrella({0, 2}, 20, 10));
        }
        p.restore();
    });
}

// Three firework bursts of confetti, each after a rocket climbs: an outer
// ring of stars, an inner ring of dots and a white flash that twinkles.
Animacion fuegosArtificiales() {
    constexpr int n = 16, vida = 7;
    const struct {
        double x, y;
        int inicio, color1, color2;
    } explosiones[] = {{70, 64, 1, 0, 2}, {170, 56, 5, 4, 6}, {118, 106, 9, 3, 5}};
    return animar(236, 180, std::vector<int>(n, 9), [&explosiones](QPainter& p, int i) {
        for (const auto& e : explosiones) {
            const int edad = i - e.inicio;
            if (edad < -2 || edad >= vida) continue;
            if (edad < 0) {
                // The rocket: a spark rising from the bottom with a short tail.
                const QPointF cohete(e.x + 6.0 * (edad + 1), e.y + (180 - e.y) * -edad / 3.0);
                QPainterPath cola(cohete);
                cola.lineTo(cohete + QPointF(-4, 26));
                linea(p, cola, 5, QColor(0xe6, 0x51, 0x00));
                linea(p, cola, 2.5, QColor(0xff, 0xd5, 0x4f));
                dibujarDestello(p, cohete, 9, QColor(0xff, 0xf5, 0x9d), QColor(0xe6, 0x51, 0x00));
                continue;
            }
            const double u = (edad + 1.0) / vida;
            const double radio = 60 * (1 - (1 - u) * (1 - u));
            const double caida = 12 * u * u;
            const double tam = edad < 4 ? 7.0 : 7.0 - 1.8 * (edad - 3);
            if (edad < 3)
                dibujarDestello(p, {e.x, e.y + caida}, 18 - 5 * edad, Qt::white,
                                kConfeti[e.color1]);
            for (int k = 0; k < 22; ++k) {
                const bool fuera = k < 12;
                const double a =
                    ((fuera ? k * 30.0 : (k - 12) * 36.0 + 18) + 9 * e.inicio) * kPi / 180.0;
                const double r = radio * (fuera ? 1.0 : 0.6);
                const QPointF dir(std::cos(a), std::sin(a));
                const QPointF c = QPointF(e.x, e.y + caida) + r * dir;
                const QColor color = kConfeti[fuera ? e.color1 : e.color2];
                if (fuera && edad >= 1 && edad < 4) {
                    QPainterPath estela(c - 0.45 * r * dir);
                    estela.lineTo(c - 0.15 * r * dir);
                    linea(p, estela, 2.5, color.lighter(120));
                }
                p.setPen(trazo(color.darker(150), 1.2));
                p.setBrush(color);
                if (fuera)
                    p.drawPath(estrella(c, tam, tam * 0.5, k * 25.0 + edad * 30.0));
                else
                    p.drawEllipse(c, tam * 0.55, tam * 0.55);
            }
        }
    });
}

// A light bulb ponders, eyes up, while thought dots appear; it flickers,
// then lights up with a big smile and rays.
Animacion bombilla() {
    const std::vector<int> centesimas = {14, 14, 14, 14, 14, 8, 6, 12, 12, 30};
    return animar(120, 120, centesimas, [](QPainter& p, int i) {
        const bool encendida = i == 5 || i >= 7;
        const QPointF c(56, 52);
        if (i >= 7) {
            // Rays fan out over the top of the bulb, longer each frame.
            const double largo = 8 + 4 * (i - 7);
            for (int k = 0; k < 7; ++k) {
                const double a = (-90 + (k - 3) * 30.0) * kPi / 180.0;
                const QPointF dir(std::cos(a), std::sin(a));
                QPainterPath rayo(c + 40 * dir);
                rayo.lineTo(c + (40 + largo) * dir);
                linea(p, rayo, 6, QColor(0xe6, 0x51, 0x00));
                linea(p, rayo, 3, QColor(0xff, 0xd5, 0x4f));
            }
        }
        // Screw base.
        QLinearGradient metal(42, 0, 70, 0);
        metal.setColorAt(0.0, QColor(0x78, 0x90, 0x9c));
        metal.setColorAt(0.4, QColor(0xec, 0xef, 0xf1));
        metal.setColorAt(1.0, QColor(0x60, 0x7d, 0x8b));
        p.setPen(trazo(QColor(0x37, 0x47, 0x4f), 2));
        p.setBrush(metal);
        for (int k = 0; k < 3; ++k)
            p.drawRoundedRect(QRectF(42, 86 + 7 * k, 28, 8), 3, 3);
        p.drawEllipse(QRectF(50, 106, 12, 7));
        // Glass.
        QPainterPath vidrio = elipse(c, 32, 32);
        QPainterPath cuello;
        cuello.moveTo(36, 74);
        cuello.cubicTo(42, 80, 42, 84, 42, 88);
        cuello.lineTo(70, 88);
        cuello.cubicTo(70, 84, 70, 80, 76, 74);
        cuello.closeSubpath();
        vidrio = vidrio.united(cuello);
        QRadialGradient luz(c + QPointF(-8, -10), 46);
        if (encendida) {
            luz.setColorAt(0.0, QColor(0xff, 0xff, 0xf0));
            luz.setColorAt(0.4, QColor(0xff, 0xf1, 0x76));
            luz.setColorAt(1.0, QColor(0xff, 0xc1, 0x07));
        } else {
            luz.setColorAt(0.0, QColor(0xff, 0xff, 0xff));
            luz.setColorAt(1.0, QColor(0xcf, 0xdc, 0xe6));
        }
        p.setPen(trazo(encendida ? QColor(0xe6, 0x51, 0x00) : QColor(0x54, 0x6e, 0x7a), 3));
        p.setBrush(luz);
        p.drawPath(vidrio);
        reflejo(p, {40, 36}, 6, 11, 30);
        if (!encendida) {
            // Pondering: eyes up and to the side, a wavy mouth, thought dots.
            const QPointF mira(i < 4 ? 2.5 : -2.5, -3);
            ojo(p, {46, 50}, 7, 8, mira, 3.5);
            ojo(p, {66, 50}, 7, 8, mira, 3.5);
            QPainterPath boca;
            boca.moveTo(48, 68);
            boca.cubicTo(52, 64, 56, 72, 64, 66);
            linea(p, boca, 2.5);
            const int puntos = std::min(i, 3);
            for (int k = 0; k < puntos; ++k) {
                p.setPen(trazo(QColor(0x54, 0x6e, 0x7a), 1.5));
                p.setBrush(Qt::white);
                p.drawEllipse(QPointF(94 + 7 * k, 30 - 10 * k), 3 + 1.5 * k, 3 + 1.5 * k);
            }
        } else {
            ojo(p, {46, 48}, 8, 9.5, {0, 0.5}, 4.5);
            ojo(p, {66, 48}, 8, 9.5, {0, 0.5}, 4.5);
            QPainterPath boca;
            boca.moveTo(44, 60);
            boca.quadTo(56, 64, 68, 60);
            boca.cubicTo(66, 78, 46, 78, 44, 60);
            bocaAbierta(p, boca, 4, true);
            mejillas(p, {37, 62}, {75, 62}, 6, 4);
            if (i >= 8) {
                dibujarDestello(p, {100, 96}, 8, Qt::white, QColor(0xff, 0x8f, 0x00));
                dibujarDestello(p, {16, 90}, 6, Qt::white, QColor(0xff, 0x8f, 0x00));
            }
        }
    });
}

// ------------------------------------------------------------ GIF writer

// Index 0 is the transparent colour; pixels less than half covered use it,
// the rest are blended over the sky first.
constexpr std::uint32_t kHueco = 0xffffffffu;

std::vector<std::uint32_t> aplanar(const QImage& cuadro) {
    std::vector<std::uint32_t> v;
    v.reserve(static_cast<std::size_t>(cuadro.width()) * cuadro.height());
    for (int y = 0; y < cuadro.height(); ++y) {
        const QRgb* fila = reinterpret_cast<const QRgb*>(cuadro.constScanLine(y));
        for (int x = 0; x < cuadro.width(); ++x) {
            const int a = qAlpha(fila[x]);
            if (a < 128) {
                v.push_back(kHueco);
                continue;
            }
            const auto mezcla = [a](int premultiplicado, int fondo) {
                return std::min(255, premultiplicado + (fondo * (255 - a) + 127) / 255);
            };
            v.push_back(static_cast<std::uint32_t>(qRgb(mezcla(qRed(fila[x]), kCielo.red()),
                                                        mezcla(qGreen(fila[x]), kCielo.green()),
                                                        mezcla(qBlue(fila[x]), kCielo.blue()))) &
                        0xffffffu);
        }
    }
    return v;
}

int canal(std::uint32_t rgb, int c) {
    return (rgb >> (16 - 8 * c)) & 0xff;
}

// Median cut over the colours of every frame, so the whole animation shares
// one palette. Ties are broken by colour value, which keeps it repeatable.
std::vector<std::uint32_t> paletaMedia(const std::map<std::uint32_t, std::uint64_t>& histograma,
                                       std::size_t maximo) {
    using Color = std::pair<std::uint32_t, std::uint64_t>;
    std::vector<std::uint32_t> paleta;
    if (histograma.size() <= maximo) {
        for (const auto& h : histograma)
            paleta.push_back(h.first);
        return paleta;
    }
    std::vector<std::vector<Color>> cajas(1,
                                          std::vector<Color>(histograma.begin(), histograma.end()));
    const auto medir = [](const std::vector<Color>& caja, int& eje) {
        int mayor = -1;
        for (int c = 0; c < 3; ++c) {
            int lo = 255, hi = 0;
            for (const Color& k : caja) {
                lo = std::min(lo, canal(k.first, c));
                hi = std::max(hi, canal(k.first, c));
            }
            if (hi - lo > mayor) {
                mayor = hi - lo;
                eje = c;
            }
        }
        return mayor;
    };
    while (cajas.size() < maximo) {
        std::size_t mejor = cajas.size();
        std::uint64_t puntos = 0;
        int eje_mejor = 0;
        for (std::size_t b = 0; b < cajas.size(); ++b) {
            if (cajas[b].size() < 2) continue;
            int eje = 0;
            const std::uint64_t rango = static_cast<std::uint64_t>(medir(cajas[b], eje));
            std::uint64_t poblacion = 0;
            for (const Color& k : cajas[b])
                poblacion += k.second;
            const std::uint64_t valor =
                rango * rango * static_cast<std::uint64_t>(std::sqrt(double(poblacion)) + 1);
            if (valor > puntos) {
                puntos = valor;
                mejor = b;
                eje_mejor = eje;
            }
        }
        if (mejor == cajas.size()) break;
        std::vector<Color>& caja = cajas[mejor];
        std::sort(caja.begin(), caja.end(), [eje_mejor](const Color& a, const Color& b) {
            const int ca = canal(a.first, eje_mejor), cb = canal(b.first, eje_mejor);
            return ca != cb ? ca < cb : a.first < b.first;
        });
        std::uint64_t total = 0, acumulado = 0;
        for (const Color& k : caja)
            total += k.second;
        std::size_t corte = 1;
        for (; corte < caja.size() - 1; ++corte) {
            acumulado += caja[corte - 1].second;
            if (acumulado * 2 >= total) break;
        }
        std::vector<Color> otra(caja.begin() + static_cast<std::ptrdiff_t>(corte), caja.end());
        caja.resize(corte);
        cajas.push_back(std::move(otra));
    }
    for (const auto& caja : cajas) {
        double suma[3] = {0, 0, 0}, peso = 0;
        for (const Color& k : caja) {
            for (int c = 0; c < 3; ++c)
                suma[c] += double(canal(k.first, c)) * double(k.second);
            peso += double(k.second);
        }
        std::uint32_t rgb = 0;
        for (int c = 0; c < 3; ++c)
            rgb = (rgb << 8) | static_cast<std::uint32_t>(std::lround(suma[c] / peso));
        paleta.push_back(rgb);
    }
    return paleta;
}

class Bits {
public:
    void poner(unsigned codigo, int ancho) {
        acumulador_ |= static_cast<std::uint32_t>(codigo) << cuantos_;
        cuantos_ += ancho;
        while (cuantos_ >= 8) {
            bytes.push_back(static_cast<std::uint8_t>(acumulador_ & 0xff));
            acumulador_ >>= 8;
            cuantos_ -= 8;
        }
    }
    void terminar() {
        if (cuantos_ > 0) bytes.push_back(static_cast<std::uint8_t>(acumulador_ & 0xff));
        acumulador_ = 0;
        cuantos_ = 0;
    }
    std::vector<std::uint8_t> bytes;

private:
    std::uint32_t acumulador_ = 0;
    int cuantos_ = 0;
};

// GIF's variable-width LZW, 8-bit symbols, codes up to 12 bits; the table
// is cleared and rebuilt whenever it fills.
std::vector<std::uint8_t> lzw(const std::vector<std::uint8_t>& indices) {
    constexpr unsigned kLimpiar = 256, kFin = 257;
    std::unordered_map<std::uint32_t, unsigned> tabla;
    unsigned siguiente = kFin + 1;
    int ancho = 9;
    Bits salida;
    salida.poner(kLimpiar, ancho);
    unsigned prefijo = indices.front();
    for (std::size_t i = 1; i < indices.size(); ++i) {
        const std::uint32_t clave = (prefijo << 8) | indices[i];
        const auto hallado = tabla.find(clave);
        if (hallado != tabla.end()) {
            prefijo = hallado->second;
            continue;
        }
        salida.poner(prefijo, ancho);
        if (siguiente < 4096) {
            tabla.emplace(clave, siguiente++);
            // The decoder learns each code one step later, hence ">".
            if (siguiente > (1u << ancho) && ancho < 12) ++ancho;
        } else {
            salida.poner(kLimpiar, ancho);
            tabla.clear();
            siguiente = kFin + 1;
            ancho = 9;
        }
        prefijo = indices[i];
    }
    salida.poner(prefijo, ancho);
    salida.poner(kFin, ancho);
    salida.terminar();
    return salida.bytes;
}

void anadir16(QByteArray& b, unsigned v) {
    b.append(static_cast<char>(v & 0xff));
    b.append(static_cast<char>((v >> 8) & 0xff));
}

QByteArray gif(const Animacion& a) {
    std::vector<std::vector<std::uint32_t>> planos;
    std::map<std::uint32_t, std::uint64_t> histograma;
    for (const QImage& c : a.cuadros) {
        planos.push_back(aplanar(c));
        for (std::uint32_t rgb : planos.back())
            if (rgb != kHueco) ++histograma[rgb];
    }
    std::vector<std::uint32_t> paleta = paletaMedia(histograma, 255);
    paleta.insert(paleta.begin(), static_cast<std::uint32_t>(kCielo.rgb()) & 0xffffffu);

    QByteArray b("GIF89a");
    anadir16(b, a.ancho);
    anadir16(b, a.alto);
    b.append(char(0xf7)); // global table of 256 colours, 8 bits each
    b.append(char(0));    // background: the transparent entry
    b.append(char(0));
    for (std::size_t i = 0; i < 256; ++i) {
        const std::uint32_t rgb = i < paleta.size() ? paleta[i] : 0;
        for (int c = 0; c < 3; ++c)
            b.append(static_cast<char>(canal(rgb, c)));
    }
    b.append("\x21\xff\x0bNETSCAPE2.0\x03\x01", 16);
    anadir16(b, 0); // loop for ever; the game decides when to stop
    b.append(char(0));

    std::unordered_map<std::uint32_t, std::uint8_t> cercanos;
    const auto indice = [&](std::uint32_t rgb) -> std::uint8_t {
        if (rgb == kHueco) return 0;
        const auto hallado = cercanos.find(rgb);
        if (hallado != cercanos.end()) return hallado->second;
        int mejor = 1;
        long menor = -1;
        for (std::size_t i = 1; i < paleta.size(); ++i) {
            long d = 0;
            for (int c = 0; c < 3; ++c) {
                const long dc = canal(rgb, c) - canal(paleta[i], c);
                d += dc * dc;
            }
            if (menor < 0 || d < menor) {
                menor = d;
                mejor = static_cast<int>(i);
            }
        }
        cercanos.emplace(rgb, static_cast<std::uint8_t>(mejor));
        return static_cast<std::uint8_t>(mejor);
    };

    for (std::size_t f = 0; f < planos.size(); ++f) {
        // Graphic control: clear to transparent after each frame, index 0.
        b.append("\x21\xf9\x04\x09", 4);
        anadir16(b, static_cast<unsigned>(a.centesimas[f]));
        b.append(char(0));
        b.append(char(0));
        b.append(char(0x2c));
        anadir16(b, 0);
        anadir16(b, 0);
        anadir16(b, a.ancho);
        anadir16(b, a.alto);
        b.append(char(0));
        std::vector<std::uint8_t> indices;
        indices.reserve(planos[f].size());
        for (std::uint32_t rgb : planos[f])
            indices.push_back(indice(rgb));
        const std::vector<std::uint8_t> datos = lzw(indices);
        b.append(char(8));
        for (std::size_t i = 0; i < datos.size(); i += 255) {
            const std::size_t n = std::min<std::size_t>(255, datos.size() - i);
            b.append(static_cast<char>(n));
            b.append(reinterpret_cast<const char*>(datos.data() + i), static_cast<qsizetype>(n));
        }
        b.append(char(0));
    }
    b.append(char(0x3b));
    return b;
}

// ------------------------------------------------------------ MIDI tune

constexpr int kTicks = 480; // per quarter note
constexpr int kOctavo = kTicks / 2;

struct EventoMidi {
    int tick;
    int orden; // at equal ticks: set-up, then note-offs, then note-ons
    std::vector<std::uint8_t> bytes;
};

class Partitura {
public:
    void meta(int tick, std::uint8_t tipo, std::vector<std::uint8_t> datos) {
        std::vector<std::uint8_t> b = {0xff, tipo, static_cast<std::uint8_t>(datos.size())};
        b.insert(b.end(), datos.begin(), datos.end());
        eventos_.push_back({tick, 0, b});
    }
    void control(int canal, std::uint8_t numero, std::uint8_t valor) {
        eventos_.push_back({0, 1, {static_cast<std::uint8_t>(0xb0 | canal), numero, valor}});
    }
    void programa(int canal, std::uint8_t instrumento) {
        eventos_.push_back({0, 2, {static_cast<std::uint8_t>(0xc0 | canal), instrumento}});
    }
    // Start and length in eighths; notes are released a touch early so
    // repeated pitches are heard as separate notes. Note-off is sent as a
    // zero-velocity note-on, which lets running status cover it.
    void nota(int canal, double inicio, double largo, int tono, int fuerza) {
        const int desde = static_cast<int>(std::lround(inicio * kOctavo));
        const int hasta = desde + static_cast<int>(std::lround(largo * kOctavo * 0.92));
        const auto on = static_cast<std::uint8_t>(0x90 | canal);
        eventos_.push_back(
            {desde, 4, {on, static_cast<std::uint8_t>(tono), static_cast<std::uint8_t>(fuerza)}});
        eventos_.push_back({hasta, 3, {on, static_cast<std::uint8_t>(tono), 0}});
    }
    void acorde(int canal, double inicio, double largo, std::initializer_list<int> tonos,
                int fuerza) {
        for (int t : tonos)
            nota(canal, inicio, largo, t, fuerza);
    }

    // One format-0 track; meta events break running status, as the
    // standard requires.
    QByteArray archivo(int fin) const {
        std::vector<EventoMidi> ev = eventos_;
        std::stable_sort(ev.begin(), ev.end(), [](const EventoMidi& a, const EventoMidi& b) {
            return a.tick != b.tick ? a.tick < b.tick : a.orden < b.orden;
        });
        QByteArray pista;
        int antes = 0;
        std::uint8_t estado = 0;
        const auto escribir = [&](int tick, const std::vector<std::uint8_t>& bytes) {
            cantidadVariable(pista, static_cast<std::uint32_t>(tick - antes));
            antes = tick;
            std::size_t desde = 0;
            if (bytes[0] < 0xf0 && bytes[0] == estado) desde = 1;
            estado = bytes[0] < 0xf0 ? bytes[0] : 0;
            for (std::size_t i = desde; i < bytes.size(); ++i)
                pista.append(static_cast<char>(bytes[i]));
        };
        for (const EventoMidi& e : ev)
            escribir(e.tick, e.bytes);
        escribir(fin, {0xff, 0x2f, 0x00});

        QByteArray b("MThd");
        anadir32(b, 6);
        b.append("\x00\x00\x00\x01", 4); // format 0, one track
        b.append(char(kTicks >> 8));
        b.append(char(kTicks & 0xff));
        b.append("MTrk");
        anadir32(b, static_cast<std::uint32_t>(pista.size()));
        b.append(pista);
        return b;
    }

private:
    static void cantidadVariable(QByteArray& b, std::uint32_t v) {
        std::uint8_t grupos[5];
        int n = 0;
        do {
            grupos[n++] = v & 0x7f;
            v >>= 7;
        } while (v);
        while (n-- > 0)
            b.append(static_cast<char>(grupos[n] | (n ? 0x80 : 0)));
    }
    static void anadir32(QByteArray& b, std::uint32_t v) {
        for (int i = 3; i >= 0; --i)
            b.append(static_cast<char>((v >> (8 * i)) & 0xff));
    }
    std::vector<EventoMidi> eventos_;
};

// A bugle-call fanfare in C major: trumpet doubled by xylophone, piano
// off-beat chords, a bass line and light drums; four bars at 132 bpm.
QByteArray musicaAcierto() {
    enum { Trompeta = 0, Piano = 1, Bajo = 2, Xilofono = 3, Bateria = 9 };
    Partitura m;
    constexpr std::uint32_t microsegundos = 60000000 / 132;
    m.meta(0, 0x51,
           {static_cast<std::uint8_t>(microsegundos >> 16),
            static_cast<std::uint8_t>((microsegundos >> 8) & 0xff),
            static_cast<std::uint8_t>(microsegundos & 0xff)});
    m.meta(0, 0x58, {4, 2, 24, 8}); // 4/4
    m.meta(0, 0x59, {0, 0});        // C major
    m.programa(Trompeta, 56);
    m.programa(Piano, 0);
    m.programa(Bajo, 32);
    m.programa(Xilofono, 13);
    const std::pair<int, std::uint8_t> volumenes[] = {
        {Trompeta, 96}, {Piano, 84}, {Bajo, 110}, {Xilofono, 72}, {Bateria, 80}};
    for (const auto& [c, v] : volumenes) {
        m.control(c, 7, v);
        m.control(c, 91, 40); // a little reverb
    }

    // Melody: start and length in eighths, then the pitch.
    const struct {
        double inicio, largo;
        int tono;
    } melodia[] = {
        {0, 1, 67},  {1, 1, 72},  {2, 1, 76},  {3, 2, 79},  {5, 1, 76},  {6, 2, 79},  {8, 1, 81},
        {9, 1, 79},  {10, 1, 77}, {11, 1, 76}, {12, 1, 74}, {13, 1, 76}, {14, 1, 77}, {15, 1, 74},
        {16, 1, 76}, {17, 1, 79}, {18, 2, 84}, {20, 1, 83}, {21, 1, 81}, {22, 1, 83}, {23, 1, 86},
        {24, 1, 84}, {25, 1, 79}, {26, 1, 76}, {27, 1, 79}, {28, 6, 84},
    };
    for (const auto& n : melodia) {
        const int acento = std::fmod(n.inicio, 2.0) == 0.0 ? 112 : 98;
        m.nota(Trompeta, n.inicio, n.largo, n.tono, acento);
        m.nota(Xilofono, n.inicio, std::min(n.largo, 1.0), n.tono, acento - 20);
    }

    const std::initializer_list<int> do_ = {60, 64, 67}, fa = {60, 65, 69}, sol = {59, 62, 67};
    const std::pair<double, std::initializer_list<int>> acordes[] = {
        {2, do_}, {6, do_}, {10, fa}, {14, sol}, {18, do_}, {22, sol}, {26, do_}};
    for (const auto& [inicio, tonos] : acordes)
        m.acorde(Piano, inicio, 1, tonos, 78);
    m.acorde(Piano, 28, 6, {60, 64, 67, 72}, 92);

    const std::pair<double, int> bajo[] = {{0, 48},  {4, 43},  {8, 41},  {12, 43},
                                           {16, 48}, {20, 43}, {24, 48}, {26, 43}};
    for (const auto& [inicio, tono] : bajo)
        m.nota(Bajo, inicio, 2, tono, 100);
    m.nota(Bajo, 28, 6, 36, 110);

    for (int pulso = 0; pulso < 7; ++pulso) {
        m.nota(Bateria, pulso * 4, 1, 36, 90);                    // kick on 1 and 3
        if (pulso < 6) m.nota(Bateria, pulso * 4 + 2, 1, 39, 58); // claps on 2 and 4
    }
    for (int k = 0; k < 4; ++k) // a little snare roll into the last chord
        m.nota(Bateria, 26 + 0.5 * k, 0.5, 38, 50 + 12 * k);
    m.nota(Bateria, 28, 6, 55, 100); // splash: brighter and shorter than a crash
    m.nota(Bateria, 28, 1, 36, 100);
    m.nota(Bateria, 28, 6, 81, 70); // open triangle

    return m.archivo(36 * kOctavo);
}

// --------------------------------------------------------------- output

bool escribir(const QString& ruta, const QByteArray& datos) {
    QFile f(ruta);
    if (!f.open(QIODevice::WriteOnly) || f.write(datos) != datos.size()) {
        std::fprintf(stderr, "no se pudo escribir %s\n", qPrintable(ruta));
        return false;
    }
    return true;
}

bool guardarBmp(const QString& ruta, const QImage& img) {
    // RGB32 has no alpha, so Qt writes a plain 24-bit BMP.
    if (!img.convertToFormat(QImage::Format_RGB32).save(ruta, "BMP")) {
        std::fprintf(stderr, "no se pudo escribir %s\n", qPrintable(ruta));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "uso: %s CARPETA_SALIDA\n", argv[0]);
        return 2;
    }
    const QDir base(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(base.filePath(QStringLiteral("caras")))) {
        std::fprintf(stderr, "no se pudo crear %s\n", qPrintable(base.path()));
        return 1;
    }
    const auto ruta = [&base](const char* nombre) { return base.filePath(QLatin1String(nombre)); };

    bool ok = guardarBmp(ruta("fondo.bmp"), fondo()) &&
              guardarBmp(ruta("fondo2.bmp"), fondoCuaderno()) &&
              guardarBmp(ruta("acierto.bmp"), dibujoAcierto());
    const std::function<QImage()> caras[] = {caraRisa,  caraLengua, caraGuino, caraSorpresa,
                                             caraGafas, caraGato,   caraRana,  caraMonstruo};
    int numero = 0;
    for (const auto& cara : caras)
        ok = ok &&
             guardarBmp(base.filePath(QStringLiteral("caras/cara%1.bmp").arg(++numero)), cara());
    ok = ok && escribir(ruta("animacion1.gif"), gif(estrellaQueSalta())) &&
         escribir(ruta("animacion2.gif"), gif(fuegosArtificiales())) &&
         escribir(ruta("cmental.gif"), gif(bombilla())) &&
         escribir(ruta("acierto.mid"), musicaAcierto());
    return ok ? 0 : 1;
}
