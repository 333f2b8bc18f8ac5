#pragma once
// Subtraction that borrows, without any window: the draw, the borrow state
// under both methods, and which marks teach each borrow, in order.
#include "written/cuenta_columnas.h"

#include <vector>

enum class TipoMarca {
    Ayuda,  // "1 " left of a minuend digit: the ten it gets
    Ayuda2, // "1  " small, over a lowered digit that gets ten too
    Mas1,   // "+1" on the subtrahend (method 1)
    Koru,   // "X" over a crossed-out minuend digit (method 2)
    Menos1, // the lowered minuend digit (method 2)
};

struct PasoMarca {
    enum Tipo { Mostrar, MostrarYPintar, Esperar } tipo;
    TipoMarca marca = TipoMarca::Ayuda;
    int columna = 0; // 0 = units
};

class RestaConPrestamo {
public:
    // columnas: 3 (hundreds never borrow) or 4 (units and hundreds always do).
    void Sortear(int columnas);
    void Empezar(const Operacion& op);

    const Operacion& Op() const { return op_; }
    int Resultado(int columna) const { return resultados_[columna]; } // 0 = units
    // Does this column borrow under this method (1 or 2)?
    bool Lleva(int columna, int metodo) const;
    // Method 2's minuend digit of a column after lending, as shown above it.
    int Rebajado(int columna) const { return rebajado_[columna]; }
    // Method 2: the minuend digit of that column was lowered by the loan.
    bool Prestamo(int columna) const { return prestamo_[columna]; }

    // Marks drawn with the operation in automatic mode.
    std::vector<PasoMarca> MarcasIniciales(int metodo) const;
    // Marks for a borrow in a column (0 units, 1 tens, 2 hundreds).
    std::vector<PasoMarca> MarcasDe(int columna, int metodo, bool koru_c_visible) const;

private:
    void Cadena(int desde, std::vector<PasoMarca>& pasos) const;

    Operacion op_;
    int resultados_[kMaxColumnas] = {};
    bool llevada1_[kMaxColumnas] = {}; // method 1: the column borrows
    bool llevada2_[kMaxColumnas] = {}; // method 2
    bool prestamo_[kMaxColumnas] = {};
    int rebajado_[kMaxColumnas] = {};
};
