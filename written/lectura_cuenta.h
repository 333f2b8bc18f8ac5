#pragma once
// What a screen reader hears of a column operation: the window's name says
// the operation and the step, so the digit labels need not be read one by
// one (right to left, as they sit in the window).
#include "written/cuenta_columnas.h"

#include <QString>

enum class PasoLectura {
    Cifra,     // a digit of the result, column by column
    Llevada,   // the carry of the column just written
    Terminada, // the whole result is on screen
};

// "51 más 120": each row as a number, without its leading zeros.
QString TextoOperacion(const Operacion& op, bool es_suma);
// 1 = "unidades", 2 = "decenas", 3 = "centenas", 4 = "unidades de millar".
QString NombreColumna(int columna);
// "51 más 120, decenas"; with its carry, "56 más 78, me llevo a las decenas".
QString NombreVentanaCuenta(const Operacion& op, bool es_suma, int columna, PasoLectura paso);
// "Decenas del resultado".
QString NombreCajaResultado(int columna);
// The carry of `columna` goes to the next one: "Lo que me llevo a las decenas".
QString NombreCajaLlevada(int columna);
