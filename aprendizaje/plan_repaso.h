#pragma once
// The order of "Repaso de mis errores" for one child, without windows: each
// confirmed pattern in turn, a worked example before its first exercise,
// its exercises drawn to its descriptions with an ordinary one of the same
// window mixed in at a place the child cannot guess; with no pattern, a
// mixed review of the kinds the child has played.
#include "aprendizaje/cuenta_descrita.h"
#include "aprendizaje/diagnostico.h"

#include <vector>

struct EjercicioRepaso {
    int32_t ventana = SinVentana;
    const Patron* patron = nullptr; // nullptr: the mixed review
    bool corriente = true;          // the window draws it itself
    CuentaDescrita cuenta;          // the pattern's exercise, when not corriente
    bool con_ejemplo = false;       // the worked example plays first, on this one
    CuentaDescrita ejemplo;
};

class PlanRepaso {
public:
    // Exercises of each pattern before the next one; one of them ordinary.
    static constexpr int kPorRonda = 4;

    // tipos_jugados: 1 << ExerciseKind of each kind in the child's journal
    // (none: every kind).
    PlanRepaso(std::vector<const Patron*> confirmados, unsigned tipos_jugados, uint64_t semilla);

    bool SinPatrones() const { return patrones_.empty(); }
    EjercicioRepaso Siguiente();

private:
    std::vector<const Patron*> patrones_;
    std::vector<int32_t> ventanas_; // the mixed review's
    AzarSembrado azar_;
    int n_ = 0;               // exercises given
    int corriente_ = 1;       // the ordinary one's place in this round
    std::vector<bool> visto_; // the pattern's worked example played
};

// The confirmed patterns of one child, in table order.
std::vector<const Patron*> Confirmados(const DiagnosticoJugador& d);
