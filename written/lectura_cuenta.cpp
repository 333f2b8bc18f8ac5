#include "written/lectura_cuenta.h"

#include <iterator>

namespace {
const char* const kNombres[] = {"unidades", "decenas", "centenas", "unidades de millar",
                                "decenas de millar"};

QString Mayuscula(QString s) {
    if (!s.isEmpty()) s[0] = s[0].toUpper();
    return s;
}
} // namespace

QString TextoOperacion(const Operacion& op, bool es_suma) {
    QString texto;
    for (int f = 0; f < op.filas; ++f) {
        int n = 0;
        for (int c = op.columnas - 1; c >= 0; --c)
            n = n * 10 + op.cifras[f][c];
        if (f > 0) texto += es_suma ? QStringLiteral(" más ") : QStringLiteral(" menos ");
        texto += QString::number(n);
    }
    return texto;
}

QString NombreColumna(int columna) {
    if (columna < 1 || columna > int(std::size(kNombres))) return {};
    return QString::fromLatin1(kNombres[columna - 1]);
}

QString NombreVentanaCuenta(const Operacion& op, bool es_suma, int columna, PasoLectura paso) {
    const QString cuenta = TextoOperacion(op, es_suma);
    switch (paso) {
    case PasoLectura::Cifra:
        return cuenta + QStringLiteral(", ") + NombreColumna(columna);
    case PasoLectura::Llevada:
        return cuenta + QStringLiteral(", me llevo a las ") + NombreColumna(columna + 1);
    case PasoLectura::Terminada:
        break;
    }
    return cuenta + QStringLiteral(", terminada");
}

QString NombreCajaResultado(int columna) {
    return Mayuscula(NombreColumna(columna)) + QStringLiteral(" del resultado");
}

QString NombreCajaLlevada(int columna) {
    return QStringLiteral("Lo que me llevo a las ") + NombreColumna(columna + 1);
}
