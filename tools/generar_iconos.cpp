// Scales the 256 px program icon down to the hicolor theme sizes.
// QImage needs no QGuiApplication, so this runs headless at build time.

#include <QDir>
#include <QImage>
#include <QString>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc < 5) {
        std::fprintf(stderr, "uso: %s ICONO.png CARPETA_HICOLOR NOMBRE TAMANO...\n", argv[0]);
        return 2;
    }
    const QString origen = QString::fromLocal8Bit(argv[1]);
    const QString base = QString::fromLocal8Bit(argv[2]);
    const QString nombre = QString::fromLocal8Bit(argv[3]);

    const QImage icono(origen);
    if (icono.isNull()) {
        std::fprintf(stderr, "no se puede leer %s\n", argv[1]);
        return 1;
    }
    for (int i = 4; i < argc; ++i) {
        const int lado = std::atoi(argv[i]);
        if (lado <= 0) {
            std::fprintf(stderr, "tamaño no válido: %s\n", argv[i]);
            return 2;
        }
        const QString carpeta = QStringLiteral("%1/%2x%2/apps").arg(base).arg(lado);
        const QString ruta = QStringLiteral("%1/%2.png").arg(carpeta, nombre);
        // Scaling an image to its own size is a plain copy, so 256 stays exact.
        const QImage escalado =
            icono.convertToFormat(QImage::Format_ARGB32)
                .scaled(lado, lado, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        if (!QDir().mkpath(carpeta) || !escalado.save(ruta, "PNG")) {
            std::fprintf(stderr, "no se puede escribir %s\n", qPrintable(ruta));
            return 1;
        }
    }
    return 0;
}
