#pragma once
// What a screen reader hears of a mental exercise: the window's name is the
// exercise with its missing term said as "cuánto".
#include "mental/calculo_mental.h"

#include <QString>

// "5 más cuánto es igual a 12".
QString TextoCuentaMental(TipoMental tipo, const CuentaMental& cuenta, Incognita incognita);
// The answer box: "El número que falta".
extern const QString kNombreRespuestaMental;
