#include "mental/calculo_mental.h"

#include "nucleo/anuncios.h"
#include "nucleo/azar.h"

// clang-format off
const RangoMental kRangosMental[kRangos] = {
    {"Hasta101",   "Hasta102",  "Hasta 10",   11,  11},
    {"Hasta201",   "Hasta202",  "Hasta 20",   21,  21},
    {"Hasta301",   "Hasta302",  "Hasta 30",   31,  31},
    {"Hasta401",   "Hasta402",  "Hasta 40",   41,  41},
    {"Hasta501",   "Hasta502",  "Hasta 50",   51,  51},
    {"Hasta701",   "Hasta1001", "Hasta  100", 101, 101},
    // Unlimited reaches 250 for the first operand but only 200 for the second.
    {"sinlimite1", "sinlimite2", "Sin límite", 251, 201},
};
// clang-format on

AjustesMental& AjustesCalculoMental(TipoMental tipo) {
    static AjustesMental sumas, restas;
    return tipo == TipoMental::Sumas ? sumas : restas;
}

namespace {
int32_t SortearSegundo(int32_t limite2) {
    return EsFijo(limite2) ? limite2 : Aleatorio(limite2);
}
} // namespace

CuentaMental SortearCuentaMental(TipoMental tipo, const AjustesMental& ajustes) {
    CuentaMental c;
    if (tipo == TipoMental::Sumas) {
        c.primero = Aleatorio(ajustes.limite1);
        c.segundo = SortearSegundo(ajustes.limite2);
        c.resultado = c.primero + c.segundo;
        return c;
    }
    do {
        c.primero = Aleatorio(ajustes.limite1);
        c.segundo = SortearSegundo(ajustes.limite2);
    } while (c.segundo > c.primero);
    c.resultado = c.primero - c.segundo;
    return c;
}

int32_t ValorIncognita(const CuentaMental& cuenta, Incognita incognita) {
    switch (incognita) {
    case Incognita::Primero:
        return cuenta.primero;
    case Incognita::Segundo:
        return cuenta.segundo;
    case Incognita::Resultado:
        break;
    }
    return cuenta.resultado;
}

const QString kMensajeM1 = QStringLiteral(
    "\n\n El minuendo no puede ser 'menor' que el sustraendo.\n\n El programa disminuirá el valor "
    "máximo del sustraendo\n para que sea igual al valor del minuendo.\n");
const QString kMensajeM2 =
    QStringLiteral("\n\nNo puedes elegir un valor\n\n'mayor' que el del minuendo.\n");

bool SustraendoCabe(int32_t limite1, int32_t limite2) {
    return EsFijo(limite2) || limite2 <= limite1;
}

int32_t LeerRespuesta(const QString& texto) {
    return ValorTecleado(texto);
}

Respuesta JuzgarRespuesta(const QString& texto, int32_t valor_correcto) {
    if (texto.isEmpty()) return Respuesta::Vacia;
    return LeerRespuesta(texto) == valor_correcto ? Respuesta::Acertada : Respuesta::Fallada;
}
