#include "aprendizaje/informe_clase.h"

#include <QDateTime>
#include <QHash>
#include <algorithm>
#include <cmath>
#include <future>
#include <map>

void Totales::Sumar(const Totales& o) {
    operaciones += o.operaciones;
    pasos += o.pasos;
    primeros_intentos += o.primeros_intentos;
    acertados += o.acertados;
    ms += o.ms;
}

int Totales::Minutos() const {
    return int((ms + 30000) / 60000);
}

double Totales::Acierto() const {
    return primeros_intentos > 0 ? double(acertados) / primeros_intentos : 0.0;
}

QString TextoAcierto(const Totales& t) {
    return t.primeros_intentos ? QStringLiteral("%1 %").arg(qRound(100 * t.Acierto()))
                               : QStringLiteral("-");
}

TotalClase Total(const TotalesTipos& tipos) {
    TotalClase t;
    for (const Totales& k : tipos) {
        t.totales.Sumar(k);
        t.minutos += k.Minutos();
    }
    return t;
}

int NinoInforme::Confirmados() const {
    return int(CodigosConfirmados().size());
}

QStringList NinoInforme::CodigosConfirmados(int tipo) const {
    QStringList c;
    for (const DiagnosticoPatron& p : diagnostico.patrones)
        if (p.estado == EstadoPatron::Confirmado && (tipo < 0 || (p.patron->tipos >> tipo) & 1))
            c << QString::fromLatin1(p.patron->codigo);
    return c;
}

namespace {

int64_t Inicio(const QDate& d) {
    return d.startOfDay().toMSecsSinceEpoch();
}

// The local day of a time, its bounds kept: a journal's steps come in time
// order, and a local date costs far more than two comparisons.
class Dias {
public:
    const QDate& De(int64_t hora) {
        if (hora < inicio_ || hora >= fin_) {
            dia_ = FechaLocal(hora);
            inicio_ = Inicio(dia_);
            fin_ = Inicio(dia_.addDays(1));
        }
        return dia_;
    }

private:
    int64_t inicio_ = 1, fin_ = 0;
    QDate dia_;
};

struct Acumulado {
    TotalesTipos tipos;
    std::map<QDate, TotalesTipos> dias;
    std::map<QDate, TotalesTipos>::iterator ultimo_dia;
    bool con_dia = false;

    TotalesTipos& Dia(const QDate& d) {
        if (!con_dia || ultimo_dia->first != d) {
            ultimo_dia = dias.try_emplace(d).first;
            con_dia = true;
        }
        return ultimo_dia->second;
    }
};

std::vector<DiaInforme> Serie(const std::map<QDate, TotalesTipos>& dias) {
    std::vector<DiaInforme> serie;
    serie.reserve(dias.size());
    for (const auto& [dia, tipos] : dias)
        serie.push_back({dia, tipos});
    return serie;
}

} // namespace

InformeClase HacerInformeClase(const std::vector<PasoDiario>& todos, const QDate& desde,
                               const QDate& hasta) {
    InformeClase informe;
    informe.desde = desde;
    informe.hasta = hasta;
    // Cut at the local midnights, not by each step's date.
    const int64_t primero = desde.isNull() ? INT64_MIN : Inicio(desde);
    const int64_t ultimo = hasta.isNull() ? INT64_MAX : Inicio(hasta.addDays(1));
    // Copied only when the dates leave some steps out.
    std::vector<PasoDiario> dentro;
    const bool todos_dentro = std::all_of(todos.begin(), todos.end(), [&](const PasoDiario& p) {
        return p.hora >= primero && p.hora < ultimo;
    });
    if (!todos_dentro) {
        dentro.reserve(todos.size());
        for (const PasoDiario& p : todos)
            if (p.hora >= primero && p.hora < ultimo) dentro.push_back(p);
    }
    const std::vector<PasoDiario>& pasos = todos_dentro ? todos : dentro;

    // The diagnosis takes as long as the totals: on another core meanwhile.
    std::future<std::vector<DiagnosticoJugador>> diagnosis =
        std::async(std::launch::async, [&pasos] { return Diagnosticar(pasos); });
    const QHash<QString, Periodo> periodos = PeriodosDeNinos(pasos);

    // Each child in the order first met; matched to the diagnosis at the end.
    std::vector<Acumulado> acumulados;
    QHash<QString, int> indice;     // by ClaveJugador
    QHash<QString, int> por_nombre; // each spelling's child, found once
    QHash<std::pair<QString, QString>, int> origenes;
    // An operation of each child: with the turn passed at every column, two
    // children share one, and each did part of it, as the diagnosis counts.
    QHash<std::pair<int64_t, int64_t>, bool> operaciones;
    const PasoDiario* anterior = nullptr;
    int nino = -1, origen = -1;
    std::pair<int64_t, int64_t> operacion{-1, 0};
    Dias dias;
    for (const PasoDiario& p : pasos) {
        if (!anterior || anterior->jugador != p.jugador) {
            auto it = por_nombre.find(p.jugador);
            if (it == por_nombre.end()) {
                const QString clave = ClaveJugador(p.jugador);
                auto en = indice.find(clave);
                if (en == indice.end()) {
                    en = indice.insert(clave, int(acumulados.size()));
                    acumulados.emplace_back();
                }
                it = por_nombre.insert(p.jugador, *en);
            }
            nino = *it;
        }
        if (!anterior || anterior->sesion != p.sesion || anterior->ordenador != p.ordenador) {
            auto it = origenes.find({p.ordenador, p.sesion});
            if (it == origenes.end())
                it = origenes.insert({p.ordenador, p.sesion}, int(origenes.size()));
            origen = *it;
        }
        anterior = &p;
        const int tipo = std::clamp<int>(TipoDePaso(p.paso), 0, kTiposInforme - 1);
        const QDate& dia = dias.De(p.hora);
        Acumulado& a = acumulados[size_t(nino)];
        Totales& total = a.tipos[size_t(tipo)];
        Totales& del_dia = a.Dia(dia)[size_t(tipo)];
        // An operation counts once, on the day of its first step.
        const std::pair<int64_t, int64_t> esta{(int64_t(origen) << 32) | nino, p.paso.operacion};
        if (esta != operacion) {
            operacion = esta;
            if (!operaciones.contains(esta)) {
                operaciones.insert(esta, true);
                ++total.operaciones;
                ++del_dia.operaciones;
            }
        }
        for (Totales* t : {&total, &del_dia}) {
            ++t->pasos;
            t->ms += p.ms;
            if (p.primer_intento) {
                ++t->primeros_intentos;
                if (p.paso.acierto) ++t->acertados;
            }
        }
    }

    std::vector<DiagnosticoJugador> diagnosticos = diagnosis.get();
    std::map<QDate, TotalesTipos> clase;
    informe.ninos.resize(diagnosticos.size());
    for (size_t i = 0; i < diagnosticos.size(); ++i) {
        NinoInforme& n = informe.ninos[i];
        static const Acumulado kNada;
        const int en = indice.value(ClaveJugador(diagnosticos[i].jugador), -1);
        const Acumulado& a = en >= 0 ? acumulados[size_t(en)] : kNada;
        n.nombre = diagnosticos[i].jugador.trimmed();
        n.periodo = periodos.value(ClaveJugador(diagnosticos[i].jugador));
        n.diagnostico = std::move(diagnosticos[i]);
        n.tipos = a.tipos;
        n.dias = Serie(a.dias);
        for (int k = 0; k < kTiposInforme; ++k)
            informe.tipos[size_t(k)].Sumar(a.tipos[size_t(k)]);
        for (const auto& [dia, tipos] : a.dias) {
            TotalesTipos& c = clase[dia];
            for (int k = 0; k < kTiposInforme; ++k)
                c[size_t(k)].Sumar(tipos[size_t(k)]);
        }
    }
    informe.clase = Serie(clase);
    return informe;
}

Periodo SemanaDe(const QDate& dia) {
    const QDate lunes = dia.addDays(1 - dia.dayOfWeek());
    return {lunes, lunes.addDays(6)};
}

CeldaMapa CeldaDe(const NinoInforme& nino, const Patron& patron) {
    for (const DiagnosticoPatron& p : nino.diagnostico.patrones)
        if (p.patron == &patron) return {true, p.estado, p.veces};
    return {};
}

std::vector<int> OrdenarNinos(const InformeClase& informe, OrdenNinos orden) {
    std::vector<int> indices(informe.ninos.size());
    for (size_t i = 0; i < indices.size(); ++i)
        indices[i] = int(i);
    // The children come in name order: a stable sort keeps it among equals.
    if (orden == OrdenNinos::Confirmados) {
        std::vector<int> confirmados;
        for (const NinoInforme& n : informe.ninos)
            confirmados.push_back(n.Confirmados());
        std::stable_sort(indices.begin(), indices.end(), [&](int a, int b) {
            return confirmados[size_t(a)] > confirmados[size_t(b)];
        });
    }
    return indices;
}

const char* CodigoTipo(int tipo) {
    static const char* const codigos[kTiposInforme] = {"sumas_sin_llevar", "sumas_con_llevar",
                                                       "restas_sin_llevar", "restas_con_llevar",
                                                       "calculo_mental"};
    return tipo >= 0 && tipo < kTiposInforme ? codigos[tipo] : "";
}

QString NombreTipo(int tipo) {
    static const char* const nombres[kTiposInforme] = {"Sumas sin llevar", "Sumas con llevadas",
                                                       "Restas sin llevar", "Restas con llevadas",
                                                       "Cálculo mental"};
    return tipo >= 0 && tipo < kTiposInforme ? QString::fromUtf8(nombres[tipo]) : QString();
}
