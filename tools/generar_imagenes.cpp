// Draws the hand cursor and the program icon as PNG files.
// QImage and QPainter work without a QGuiApplication, so this runs headless.

#include <QColor>
#include <QDir>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QString>
#include <QTransform>

#include <cstdio>

namespace {

QPainterPath rectanguloRedondo(double x, double y, double w, double h, double r) {
    QPainterPath p;
    p.addRoundedRect(QRectF(x, y, w, h), r, r);
    return p;
}

// Classic "link" hand, index finger up. The fingertip's outline runs along
// row 1 centred on column 9: that pixel is the cursor's hot spot. `escala` 2
// draws it with twice the pixels, for screens at 200 %.
QImage cursorMano(int escala) {
    QImage img(32 * escala, 32 * escala, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(escala, escala);

    // Edges sit on pixel centres so the 1 px outline stays crisp.
    QPainterPath mano = rectanguloRedondo(6.5, 1.5, 6.0, 18.0, 3.0);   // index
    mano = mano.united(rectanguloRedondo(12.5, 9.5, 4.0, 9.0, 2.0));   // middle
    mano = mano.united(rectanguloRedondo(16.5, 10.5, 4.0, 9.0, 2.0));  // ring
    mano = mano.united(rectanguloRedondo(20.5, 12.5, 4.0, 8.0, 2.0));  // little
    mano = mano.united(rectanguloRedondo(6.5, 15.5, 18.0, 13.0, 4.5)); // palm

    // Thumb: a rounded bar reaching up and out to the left.
    QTransform giro;
    giro.translate(10.5, 26.0);
    giro.rotate(40);
    const QPainterPath pulgar = giro.map(rectanguloRedondo(-11.0, -2.5, 12.0, 5.0, 2.5));
    mano = mano.united(pulgar).simplified();

    p.setPen(QPen(Qt::black, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPath(mano);

    // Creases between the folded fingers.
    p.drawLine(QPointF(12.5, 12.0), QPointF(12.5, 15.5));
    p.drawLine(QPointF(16.5, 12.5), QPointF(16.5, 15.5));
    p.drawLine(QPointF(20.5, 14.5), QPointF(20.5, 16.5));
    return img;
}

// A fat plus or minus sign made of rounded bars, with a soft drop shadow
// and a darker rim so it reads well even at small icon sizes.
void dibujarSigno(QPainter& p, QPointF centro, bool mas, QColor relleno, QColor borde) {
    const double largo = 112.0, grueso = 36.0, radio = 12.0;
    QPainterPath signo =
        rectanguloRedondo(centro.x() - largo / 2, centro.y() - grueso / 2, largo, grueso, radio);
    if (mas)
        signo = signo.united(rectanguloRedondo(centro.x() - grueso / 2, centro.y() - largo / 2,
                                               grueso, largo, radio));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 40, 90, 70));
    p.drawPath(signo.translated(4, 6));
    p.setPen(QPen(borde, 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(relleno);
    p.drawPath(signo);
}

QImage icono() {
    QImage img(256, 256, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);

    const QRectF fondo(10, 10, 236, 236);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 40, 90, 60));
    p.drawRoundedRect(fondo.translated(0, 5), 52, 52);

    QLinearGradient cielo(fondo.topLeft(), fondo.bottomLeft());
    cielo.setColorAt(0.0, QColor(0x8f, 0xdc, 0xff));
    cielo.setColorAt(1.0, QColor(0x29, 0x9b, 0xe6));
    p.setPen(QPen(QColor(0x15, 0x6f, 0xb8), 5));
    p.setBrush(cielo);
    p.drawRoundedRect(fondo, 52, 52);

    // Counting beads, for a playful touch around the signs.
    const struct {
        double x, y, r;
        QColor color;
    } cuentas[] = {
        {196, 60, 15, QColor(0xff, 0xd5, 0x4f)},
        {60, 202, 15, QColor(0x81, 0xe6, 0x6b)},
        {214, 108, 9, QColor(0xff, 0x8a, 0xb3)},
        {44, 150, 9, QColor(0xff, 0xff, 0xff)},
    };
    for (const auto& c : cuentas) {
        p.setPen(QPen(c.color.darker(150), 3));
        p.setBrush(c.color);
        p.drawEllipse(QPointF(c.x, c.y), c.r, c.r);
    }

    dibujarSigno(p, QPointF(96, 96), true, QColor(0xff, 0xd2, 0x3f), QColor(0xe6, 0x7e, 0x00));
    dibujarSigno(p, QPointF(162, 178), false, QColor(0xff, 0x6f, 0x61), QColor(0xc6, 0x28, 0x28));
    return img;
}

bool guardar(const QImage& img, const QString& carpeta, const QString& nombre) {
    if (!QDir().mkpath(carpeta)) {
        std::fprintf(stderr, "no se pudo crear %s\n", qPrintable(carpeta));
        return false;
    }
    const QString ruta = carpeta + QLatin1Char('/') + nombre;
    if (!img.save(ruta, "PNG")) {
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
    const QString base = QString::fromLocal8Bit(argv[1]);
    const bool ok = guardar(cursorMano(1), base + QStringLiteral("/cursores"),
                            QStringLiteral("cursor_mano.png")) &&
                    guardar(cursorMano(2), base + QStringLiteral("/cursores"),
                            QStringLiteral("cursor_mano@2x.png")) &&
                    guardar(icono(), base + QStringLiteral("/iconos"), QStringLiteral("zifra.png"));
    return ok ? 0 : 1;
}
