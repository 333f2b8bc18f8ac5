#include "aprendizaje/diagnostico.h"

#include "aprendizaje/patrones.h"
#include "aprendizaje/periodo.h"

#include <QCollator>
#include <QHash>
#include <algorithm>
#include <array>
#include <numeric>
#include <utility>

namespace {

// Bugs come and go from day to day: one showing is weak evidence, two among
// the latest opportunities are not.
constexpr int kVentanaOportunidades = 20;
constexpr int kRachaSuperado = 5;

// One pattern for one child, followed operation by operation.
struct Seguimiento {
    EstadoPatron estado = EstadoPatron::Posible;
    int veces = 0; // none: it never showed
    int oportunidades = 0;
    int oportunidad_ultima = 0; // the opportunity number of its latest showing
    int racha = 0;              // clean opportunities since it was confirmed
    int64_t primera = 0;
    int64_t ultima = 0;
    int ejemplo = -1; // index of the step in the journal
};

struct Nino {
    QString clave;
    std::vector<int> pasos; // indices into the journal
};

// Where the rows of one run of the program come from: computer and session.
struct Origenes {
    QHash<std::pair<QString, QString>, int> indices;
    const PasoDiario* ultimo = nullptr;
    int ultimo_indice = -1;

    int De(const PasoDiario& p) {
        // Rows of one run come together: most steps skip the hash.
        if (ultimo && ultimo->sesion == p.sesion && ultimo->ordenador == p.ordenador)
            return ultimo_indice;
        auto it = indices.find({p.ordenador, p.sesion});
        if (it == indices.end()) it = indices.insert({p.ordenador, p.sesion}, int(indices.size()));
        ultimo = &p;
        ultimo_indice = *it;
        return ultimo_indice;
    }
};

// The pattern showed on this operation.
void Mostrado(Seguimiento& s, int64_t hora, int paso) {
    // This and the one before among the latest 20 opportunities.
    const bool segunda =
        s.veces > 0 && s.oportunidades - s.oportunidad_ultima < kVentanaOportunidades;
    // Confirmed stays so until overcome. An overcome bug that shows again is
    // judged as at the start: confirmed by the same rule, else only possible,
    // since one showing is weak evidence.
    const bool confirmado = s.veces > 0 && s.estado == EstadoPatron::Confirmado;
    s.estado = segunda || confirmado ? EstadoPatron::Confirmado : EstadoPatron::Posible;
    if (s.veces == 0) s.primera = hora;
    ++s.veces;
    s.oportunidad_ultima = s.oportunidades;
    s.racha = 0;
    s.ultima = hora;
    s.ejemplo = paso;
}

// One operation that was an opportunity for the pattern.
void Avanzar(Seguimiento& s, bool mostrado, bool fallado, int64_t hora, int paso) {
    ++s.oportunidades;
    if (mostrado) {
        Mostrado(s, hora, paso);
    } else if (s.veces > 0 && s.estado == EstadoPatron::Confirmado) {
        // Right at every first try where the bug would have shown.
        s.racha = fallado ? 0 : s.racha + 1;
        if (s.racha == kRachaSuperado) s.estado = EstadoPatron::Superado;
    }
}

DiagnosticoJugador DiagnosticarNino(const std::vector<PasoDiario>& pasos,
                                    const std::vector<int>& origen, std::vector<int>& orden) {
    const int n_patrones = int(Patrones().size());
    // Time order; rows of the same millisecond keep the order given.
    auto antes = [&](int a, int b) { return pasos[a].hora < pasos[b].hora; };
    if (!std::is_sorted(orden.begin(), orden.end(), antes))
        std::stable_sort(orden.begin(), orden.end(), antes);

    // Operations numbered as they first appear; their steps gathered in
    // that order, each operation's in time order.
    QHash<std::pair<int, int64_t>, int> operaciones;
    std::vector<int> operacion_de(orden.size());
    std::vector<int> tamano;
    std::pair<int, int64_t> anterior{-1, 0};
    int actual = -1;
    for (size_t i = 0; i < orden.size(); ++i) {
        const int k = orden[i];
        const std::pair<int, int64_t> clave{origen[k], pasos[k].paso.operacion};
        if (clave != anterior) {
            auto it = operaciones.find(clave);
            if (it == operaciones.end()) {
                it = operaciones.insert(clave, int(tamano.size()));
                tamano.push_back(0);
            }
            actual = *it;
            anterior = clave;
        }
        operacion_de[i] = actual;
        ++tamano[actual];
    }
    std::vector<int> inicio(tamano.size() + 1, 0);
    std::partial_sum(tamano.begin(), tamano.end(), inicio.begin() + 1);
    std::vector<int> agrupados(orden.size());
    {
        std::vector<int> lugar(inicio.begin(), inicio.end() - 1);
        for (size_t i = 0; i < orden.size(); ++i)
            agrupados[lugar[operacion_de[i]]++] = orden[i];
    }

    std::array<Seguimiento, kMaxPatrones> seguimiento{};
    for (size_t o = 0; o < tamano.size(); ++o) {
        uint32_t oportunidad = 0, fallado = 0, mostrado = 0;
        std::array<int, kMaxPatrones> ejemplo{};
        for (int i = inicio[o]; i < inicio[o + 1]; ++i) {
            const PasoDiario& p = pasos[agrupados[i]];
            // Later tries at a step are no evidence: the child was just told.
            if (!p.primer_intento) continue;
            const JuicioPatrones j = JuzgarConPatrones(p.paso);
            oportunidad |= j.oportunidades;
            if (p.paso.acierto) continue;
            fallado |= j.oportunidades;
            if (j.patron >= 0) {
                mostrado |= 1u << j.patron;
                ejemplo[j.patron] = agrupados[i];
            }
        }
        for (int k = 0; k < n_patrones; ++k) {
            const uint32_t bit = 1u << k;
            if (!(oportunidad & bit)) continue;
            const int e = mostrado & bit ? ejemplo[k] : -1;
            Avanzar(seguimiento[k], mostrado & bit, fallado & bit, e >= 0 ? pasos[e].hora : 0, e);
        }
    }

    DiagnosticoJugador d;
    d.jugador = pasos[orden.back()].jugador;
    d.operaciones = int(tamano.size());
    for (int k = 0; k < n_patrones; ++k) {
        const Seguimiento& s = seguimiento[k];
        if (s.veces == 0) continue;
        DiagnosticoPatron dp;
        dp.patron = &Patrones()[k];
        dp.estado = s.estado;
        dp.veces = s.veces;
        dp.oportunidades = s.oportunidades;
        dp.primera_vez = FechaLocal(s.primera);
        dp.ultima_vez = FechaLocal(s.ultima);
        dp.ejemplo = pasos[s.ejemplo];
        d.patrones.push_back(std::move(dp));
    }
    return d;
}

} // namespace

QString ClaveJugador(const QString& nombre) {
    return nombre.trimmed().toCaseFolded();
}

QString TextoEstado(EstadoPatron e) {
    switch (e) {
    case EstadoPatron::Posible:
        return QStringLiteral("posible");
    case EstadoPatron::Confirmado:
        return QStringLiteral("confirmado");
    case EstadoPatron::Superado:
        return QStringLiteral("superado");
    }
    return {};
}

std::vector<DiagnosticoJugador> Diagnosticar(const std::vector<PasoDiario>& pasos) {
    // Each child's rows, found by the name as typed first: the key is worked
    // out once per spelling, not once per row.
    std::vector<Nino> ninos;
    QHash<QString, int> por_clave;
    QHash<QString, int> por_nombre;
    std::vector<int> origen(pasos.size());
    Origenes origenes;
    const QString* nombre_anterior = nullptr;
    int nino = -1;
    for (size_t i = 0; i < pasos.size(); ++i) {
        const PasoDiario& p = pasos[i];
        if (!nombre_anterior || *nombre_anterior != p.jugador) {
            auto it = por_nombre.find(p.jugador);
            if (it == por_nombre.end()) {
                const QString clave = ClaveJugador(p.jugador);
                auto c = por_clave.find(clave);
                if (c == por_clave.end()) {
                    c = por_clave.insert(clave, int(ninos.size()));
                    ninos.push_back({clave, {}});
                }
                it = por_nombre.insert(p.jugador, *c);
            }
            nino = *it;
            nombre_anterior = &p.jugador;
        }
        ninos[nino].pasos.push_back(int(i));
        origen[i] = origenes.De(p);
    }

    QCollator orden_nombres(QLocale(QLocale::Spanish, QLocale::Spain));
    std::sort(ninos.begin(), ninos.end(), [&](const Nino& a, const Nino& b) {
        const int c = orden_nombres.compare(a.clave, b.clave);
        return c != 0 ? c < 0 : a.clave < b.clave;
    });
    std::vector<DiagnosticoJugador> resultado;
    resultado.reserve(ninos.size());
    for (Nino& n : ninos)
        resultado.push_back(DiagnosticarNino(pasos, origen, n.pasos));
    return resultado;
}
