#include "mental/lectura_mental.h"

const QString kNombreRespuestaMental = QStringLiteral("El número que falta");

QString TextoCuentaMental(TipoMental tipo, const CuentaMental& cuenta, Incognita incognita) {
    auto termino = [&](Incognita cual, int32_t valor) {
        return cual == incognita ? QStringLiteral("cuánto") : QString::number(valor);
    };
    return termino(Incognita::Primero, cuenta.primero) +
           (tipo == TipoMental::Sumas ? QStringLiteral(" más ") : QStringLiteral(" menos ")) +
           termino(Incognita::Segundo, cuenta.segundo) + QStringLiteral(" es igual a ") +
           termino(Incognita::Resultado, cuenta.resultado);
}
