#pragma once
// Exercises drawn to an exact description, so that a child practises the
// mistake the diagnosis found: which columns carry or borrow, where the top
// row has a 0, how many digits the result has, or which mental term is
// hidden. Seeded with a generator of its own, so a sheet can be drawn again
// (same seed) or in a parallel version (seed + 1) on any computer.
#include "mental/calculo_mental.h"
#include "nucleo/anuncios.h"
#include "nucleo/juego.h"
#include "written/cuenta_columnas.h"

#include <cstdint>
#include <vector>

// splitmix64: the same numbers on every platform, unlike std::rand or the
// standard distributions.
class AzarSembrado {
public:
    explicit AzarSembrado(uint64_t semilla) : estado_(semilla) {}
    // 0..n-1; 0 when n is 0 or less.
    int32_t Entre(int32_t n);

private:
    uint64_t estado_;
};

struct DescripcionCuenta {
    int32_t ventana = VentanaSumas4b; // the exercise window that shows it

    // Written: exact for every column, units first. A borrow is the
    // column's own (m < s plus the one it owes), so 100 - 1 borrows twice.
    bool es_suma = true;
    int filas = 2;
    int columnas = 3;
    bool lleva[kMaxColumnas] = {};
    bool cero[kMaxColumnas] = {}; // the top row's digit is 0, and only there
    int cifras_resultado = 3;
    // Every draw offers this pattern at one step at least (nullptr: none
    // asked), with the steps judged as under this borrowing method.
    const char* patron = nullptr;
    MetodoResta metodo = MetodoResta::SumarAlSustraendo;

    // Mental: the hidden term, whether the units cross a ten, and the ranges
    // (largest value plus 1) of the two operands. No term is 0, so every
    // wrong reading differs from the right one.
    TipoMental mental = TipoMental::Sumas;
    Incognita incognita = Incognita::Resultado;
    bool cruza_decena = false;
    int32_t limite1 = 21;
    int32_t limite2 = 21;

    bool EsMental() const { return ventana == VentanaCmental1 || ventana == VentanaCmental2; }
};

struct CuentaDescrita {
    DescripcionCuenta descripcion;
    Operacion op;        // written
    CuentaMental mental; // mental

    int32_t Fila(int f) const; // a written row as a number
    int32_t Resultado() const; // written: the sum or the difference
};

// false when no operation can meet the description (then nothing is drawn).
bool SortearDescrita(const DescripcionCuenta& d, AzarSembrado& azar, CuentaDescrita& c);
bool CumpleDescripcion(const DescripcionCuenta& d, const CuentaDescrita& c);
// The operation is one the window could have drawn itself.
bool VentanaAdmite(const CuentaDescrita& c);

// The steps a child types for it, each with its right value, as the
// window judges them.
std::vector<PasoJuzgado> PasosDe(const CuentaDescrita& c);

// What gives a pattern of the diagnosis its chance, one description or a few
// to take turns; empty for an unknown code.
std::vector<DescripcionCuenta> DescripcionesDePatron(const QString& codigo);
