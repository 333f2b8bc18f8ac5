#pragma once
// What the drawing of an example step shows, without any painting: the
// operation as the child saw it at that moment, and where the wrong answer
// goes, with the right one beside it.
#include "nucleo/anuncios.h"

#include <QString>
#include <vector>

struct EsquemaEjemplo {
    enum class Forma { Columnas, Linea } forma = Forma::Columnas;

    // Columnas: a grid, leftmost column first. Row 0 holds the carries
    // above the first row, then the rows of the operation, then the result;
    // an empty cell is blank.
    std::vector<std::vector<QString>> celdas;
    bool suma = true;
    int fila_mal = -1; // the cell with the typed answer; -1: none (a damaged row)
    int columna_mal = -1;
    QString bien; // what was due there

    // Linea: "5 + 17 = 12", one piece each; the typed answer then the right one.
    QStringList piezas;
    int pieza_mal = -1; // the typed answer; the right one follows it

    int Filas() const { return int(celdas.size()); }
    int Columnas() const { return celdas.empty() ? 0 : int(celdas.front().size()); }
    int FilaResultado() const { return Filas() - 1; }
};

EsquemaEjemplo EsquemaDe(const PasoJuzgado& paso);
