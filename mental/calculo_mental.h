#pragma once
// The rules of mental arithmetic, without any window: the operand settings,
// how an exercise is drawn, the subtraction window's limits and the check.
#include <QString>
#include <cstdint>

enum class TipoMental { Sumas, Restas };
enum class Incognita { Primero, Segundo, Resultado };

// A range setting is its largest value plus 1; a second operand of
// kMaxFijo or less is a fixed value instead.
struct AjustesMental {
    int32_t limite1 = 11;
    int32_t limite2 = 11;
    Incognita incognita = Incognita::Resultado;
    // Worksheets only, with a fixed limite2: every row takes that value as
    // its second operand, where a fixed value otherwise draws from 0..N.
    bool tabla = false;
};

constexpr int32_t kMaxFijo = 10;
inline bool EsFijo(int32_t limite2) {
    return limite2 <= kMaxFijo;
}

// The settings last chosen in each window. They last the whole run and
// need no window, so the worksheets read them here.
AjustesMental& AjustesCalculoMental(TipoMental tipo);

// One item of the range menus: the same caption in both operand menus.
struct RangoMental {
    const char* nombre1; // first-operand item
    const char* nombre2; // second-operand item
    const char* texto;
    int32_t limite1;
    int32_t limite2;
};
constexpr int kRangos = 7;
extern const RangoMental kRangosMental[kRangos];

// a + b = c, or m - s = r, with the terms in that order.
struct CuentaMental {
    int32_t primero = 0;
    int32_t segundo = 0;
    int32_t resultado = 0;
};

// Draws with Aleatorio, the first operand before the second; a subtraction
// draws both again until the result is not negative.
CuentaMental SortearCuentaMental(TipoMental tipo, const AjustesMental& ajustes);
int32_t ValorIncognita(const CuentaMental& cuenta, Incognita incognita);

// A subtrahend range may never pass the minuend range.
bool SustraendoCabe(int32_t limite1, int32_t limite2);
// M1: a new minuend range lowers the subtrahend range to fit.
extern const QString kMensajeM1;
// M2: a subtrahend range above the minuend range is refused.
extern const QString kMensajeM2;

enum class Respuesta { Vacia, Acertada, Fallada };
// The answer box's text as a number; -1 when it does not read as one.
int32_t LeerRespuesta(const QString& texto);
Respuesta JuzgarRespuesta(const QString& texto, int32_t valor_correcto);
