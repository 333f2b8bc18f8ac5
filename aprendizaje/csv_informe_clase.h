#pragma once
// The class report as a table for spreadsheets: UTF-8 without a byte order
// mark, ';' between fields, whole numbers only (no separators, no '%'), so
// a spreadsheet in any locale reads them as numbers and can add them up.
#include "aprendizaje/informe_clase.h"

#include <QByteArray>

// "jugador;tipo;operaciones;pasos;primeros_intentos;acertados_a_la_primera;minutos;patrones_confirmados"
extern const char kCabeceraCsvClase[];

// The header, then for each child in name order one row per kind of
// exercise and one with tipo "total"; lines end in "\n". A kind's row
// lists the confirmed patterns of that kind, the total row all of them. A
// name that starts like a formula (=, +, -, @) goes after an apostrophe.
QByteArray CsvInformeClase(const InformeClase& informe);
