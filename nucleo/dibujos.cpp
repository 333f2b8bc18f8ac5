#include "nucleo/dibujos.h"

#include "nucleo/rutas.h"

#include <QGuiApplication>

QString NombreDoble(const QString& ruta) {
    const int barra = ruta.lastIndexOf(QLatin1Char('/'));
    const int punto = ruta.lastIndexOf(QLatin1Char('.'));
    if (punto <= barra) return ruta + QStringLiteral("@2x");
    return ruta.left(punto) + QStringLiteral("@2x") + ruta.mid(punto);
}

QString RutaParaPantalla(const QString& ruta) {
    if (qApp->devicePixelRatio() > 1.0) {
        const QString doble = NombreDoble(ruta);
        if (ExisteArchivo(doble)) return RutaDeInicio(doble);
    }
    return RutaDeInicio(ruta);
}

QPixmap DibujoParaPantalla(const QString& nombre) {
    const QString ruta = RutaParaPantalla(nombre);
    QPixmap dibujo(ruta);
    if (ruta != RutaDeInicio(nombre)) {
        if (!dibujo.isNull()) {
            dibujo.setDevicePixelRatio(2.0);
            return dibujo;
        }
        // A broken copy: the ordinary picture still shows.
        return QPixmap(RutaDeInicio(nombre));
    }
    return dibujo;
}
