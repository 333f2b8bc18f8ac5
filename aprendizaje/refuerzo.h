#pragma once
// The "hoja de refuerzo" without any painting: for one child, a page per
// confirmed pattern in turn, each with its worked example and exercises
// drawn to the pattern's descriptions from one seed, their answers, and
// the command that makes the same pages again.
#include "aprendizaje/cuenta_descrita.h"
#include "aprendizaje/diagnostico.h"
#include "aprendizaje/ejemplo_resuelto.h"

#include <QString>
#include <vector>

constexpr int kEjerciciosColumnas = 12; // three rows of four
constexpr int kEjerciciosMental = 20;   // five rows of four

struct PaginaRefuerzo {
    QString nino;
    const Patron* patron = nullptr;
    MetodoResta metodo = MetodoResta::SumarAlSustraendo;
    CuentaDescrita ejemplo;
    std::vector<PasoEjemplo> pasos;
    std::vector<CuentaDescrita> ejercicios;
};

// `paginas` pages (at least one per pattern), the patterns taking turns.
std::vector<PaginaRefuerzo> PaginasDeRefuerzo(const QString& nino,
                                              const std::vector<const Patron*>& confirmados,
                                              int paginas, uint64_t semilla);

// "456 + 378", "5 + ... = 12": one exercise on a line.
QString TextoCuenta(const CuentaDescrita& c);
// What the child writes: the result, or the hidden mental term.
int32_t Respuesta(const CuentaDescrita& c);

// The command line that prints the same pages: "zifra --refuerzo --jugador 'Ana' ...".
QString OrdenDeRefuerzo(const QString& nino, int paginas, uint64_t semilla, bool con_soluciones);
