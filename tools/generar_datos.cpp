// Draws the optional files the game reads from its start folder: the two
// wallpapers, the success picture, the bonus faces, three GIF animations and
// the success tune; the pictures also at twice the pixels ("@2x") for 200 %.
// No clock and no unseeded randomness: every run writes the same bytes.
// QImage and QPainter work without a QGuiApplication, and nothing here draws
// text, so it runs headless.

#include "datos_acierto.h"
#include "datos_animaciones.h"
#include "datos_caras.h"
#include "datos_fondos.h"
#include "datos_gif.h"
#include "datos_midi.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QString>

#include <cstdio>
#include <functional>

namespace {

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
    using namespace datos;

    bool ok = guardarBmp(ruta("fondo.bmp"), fondo()) &&
              guardarBmp(ruta("fondo2.bmp"), fondoCuaderno()) &&
              guardarBmp(ruta("fondo@2x.bmp"), fondo(2)) &&
              guardarBmp(ruta("fondo2@2x.bmp"), fondoCuaderno(2)) &&
              guardarBmp(ruta("acierto.bmp"), dibujoAcierto()) &&
              guardarBmp(ruta("acierto@2x.bmp"), dibujoAcierto(2));
    const std::function<QImage(int)> caras[] = {caraRisa,  caraLengua, caraGuino, caraSorpresa,
                                                caraGafas, caraGato,   caraRana,  caraMonstruo};
    int numero = 0;
    for (const auto& cara : caras) {
        ++numero;
        ok = ok &&
             guardarBmp(base.filePath(QStringLiteral("caras/cara%1.bmp").arg(numero)), cara(1)) &&
             guardarBmp(base.filePath(QStringLiteral("caras/cara%1@2x.bmp").arg(numero)), cara(2));
    }
    ok = ok && escribir(ruta("animacion1.gif"), gif(estrellaQueSalta())) &&
         escribir(ruta("animacion2.gif"), gif(fuegosArtificiales())) &&
         escribir(ruta("cmental.gif"), gif(bombilla())) &&
         escribir(ruta("animacion1@2x.gif"), gif(estrellaQueSalta(2))) &&
         escribir(ruta("animacion2@2x.gif"), gif(fuegosArtificiales(2))) &&
         escribir(ruta("cmental@2x.gif"), gif(bombilla(2))) &&
         escribir(ruta("acierto.mid"), musicaAcierto());
    return ok ? 0 : 1;
}
