#include "nucleo/dibujos.h"

#include "nucleo/rutas.h"

#include <QGuiApplication>

QPixmap DibujoParaPantalla(const QString& nombre) {
    if (qApp->devicePixelRatio() > 1.0) {
        const int punto = nombre.lastIndexOf(QLatin1Char('.'));
        const QString doble = punto < 0
                                  ? nombre + QStringLiteral("@2x")
                                  : nombre.left(punto) + QStringLiteral("@2x") + nombre.mid(punto);
        if (ExisteArchivo(doble)) {
            QPixmap grande(RutaDeInicio(doble));
            if (!grande.isNull()) {
                grande.setDevicePixelRatio(2.0);
                return grande;
            }
        }
    }
    return QPixmap(RutaDeInicio(nombre));
}
