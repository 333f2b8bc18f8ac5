#include "datos_animaciones.h"

#include "datos_dibujo.h"
#include "datos_rasgos.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <functional>

namespace datos {

namespace {

using Dibujo = std::function<void(QPainter&, int)>;

Animacion animar(int ancho, int alto, int escala, const std::vector<int>& centesimas,
                 const Dibujo& dibujar) {
    Animacion a;
    a.ancho = ancho * escala;
    a.alto = alto * escala;
    a.centesimas = centesimas;
    for (std::size_t i = 0; i < centesimas.size(); ++i) {
        QImage img(a.ancho, a.alto, QImage::Format_ARGB32_Premultiplied);
        img.fill(Qt::transparent);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(escala, escala);
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

} // namespace

// A smiling golden star pops in, flips round like a coin while it bounces,
// and twinkles all around.
Animacion estrellaQueSalta(int escala) {
    constexpr int n = 14;
    return animar(116, 116, escala, std::vector<int>(n, 9), [](QPainter& p, int i) {
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
Animacion fuegosArtificiales(int escala) {
    constexpr int n = 16, vida = 7;
    const struct {
        double x, y;
        int inicio, color1, color2;
    } explosiones[] = {{70, 64, 1, 0, 2}, {170, 56, 5, 4, 6}, {118, 106, 9, 3, 5}};
    return animar(236, 180, escala, std::vector<int>(n, 9), [&explosiones](QPainter& p, int i) {
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
Animacion bombilla(int escala) {
    const std::vector<int> centesimas = {14, 14, 14, 14, 14, 8, 6, 12, 12, 30};
    return animar(120, 120, escala, centesimas, [](QPainter& p, int i) {
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

} // namespace datos
