#include "aprendizaje/plan_repaso.h"

namespace {

constexpr int32_t kVentanaDeTipo[kTiposEjercicio] = {
    VentanaSumas3b, VentanaSumas4b, VentanaRestas3b, VentanaRestas4b, VentanaCmental1};

} // namespace

PlanRepaso::PlanRepaso(std::vector<const Patron*> confirmados, unsigned tipos_jugados,
                       uint64_t semilla)
    : patrones_(std::move(confirmados)), azar_(semilla), visto_(patrones_.size(), false) {
    if (!(tipos_jugados & ((1u << kTiposEjercicio) - 1))) tipos_jugados = ~0u;
    for (int t = 0; t < kTiposEjercicio; ++t) {
        if (!(tipos_jugados & (1u << t))) continue;
        ventanas_.push_back(kVentanaDeTipo[t]);
        if (t == CalculoMental) ventanas_.push_back(VentanaCmental2);
    }
    corriente_ = 1 + azar_.Entre(kPorRonda - 1);
}

EjercicioRepaso PlanRepaso::Siguiente() {
    EjercicioRepaso e;
    if (patrones_.empty()) {
        e.ventana = ventanas_[size_t(azar_.Entre(int32_t(ventanas_.size())))];
        return e;
    }
    const int ronda = n_ / kPorRonda;
    const int en_ronda = n_ % kPorRonda;
    ++n_;
    const size_t i = size_t(ronda) % patrones_.size();
    e.patron = patrones_[i];
    const std::vector<DescripcionCuenta> ds =
        DescripcionesDePatron(QLatin1String(e.patron->codigo));
    // The pattern's descriptions take turns from round to round.
    const DescripcionCuenta& d = ds[size_t(ronda / int(patrones_.size())) % ds.size()];
    e.ventana = d.ventana;
    const bool corriente = en_ronda == corriente_;
    if (en_ronda == kPorRonda - 1) corriente_ = 1 + azar_.Entre(kPorRonda - 1);
    if (corriente) return e;
    // A description always has a draw: the tests draw each one thousands of times.
    e.corriente = !SortearDescrita(d, azar_, e.cuenta);
    if (!visto_[i] && !e.corriente) {
        visto_[i] = true;
        e.con_ejemplo = SortearDescrita(d, azar_, e.ejemplo);
    }
    return e;
}

std::vector<const Patron*> Confirmados(const DiagnosticoJugador& d) {
    std::vector<const Patron*> v;
    for (const DiagnosticoPatron& p : d.patrones)
        if (p.estado == EstadoPatron::Confirmado) v.push_back(p.patron);
    return v;
}
