#pragma once
// The class at a glance, without any window: each child's work per kind of
// exercise and per day over a range of local days, merged by name from
// every computer's journal, with the diagnosis the error map shows.
#include "aprendizaje/diagnostico.h"
#include "aprendizaje/periodo.h"

#include <QStringList>
#include <array>
#include <vector>

constexpr int kTiposInforme = 5; // one per ExerciseKind

struct Totales {
    int operaciones = 0;
    int pasos = 0;
    int primeros_intentos = 0;
    int acertados = 0; // right at the first try
    int64_t ms = 0;

    void Sumar(const Totales& otros);
    int Minutos() const;    // rounded to the nearest minute
    double Acierto() const; // share of first tries right; 0 without any
};
// "80 %", or "-" when there was no first try.
QString TextoAcierto(const Totales& t);
using TotalesTipos = std::array<Totales, kTiposInforme>;

// The kinds added up; its minutes are the sum of the kinds' rounded
// minutes, so a spreadsheet adding the kinds' rows gets the same figure.
struct TotalClase {
    Totales totales;
    int minutos = 0;
};
TotalClase Total(const TotalesTipos& tipos);

struct DiaInforme {
    QDate dia;
    TotalesTipos tipos;
};

struct NinoInforme {
    QString nombre; // as last shown, trimmed
    TotalesTipos tipos;
    std::vector<DiaInforme> dias; // days with work, in date order
    DiagnosticoJugador diagnostico;
    Periodo periodo;

    int Confirmados() const;
    // In table order; with a kind, only the patterns of that kind.
    QStringList CodigosConfirmados(int tipo = -1) const;
};

struct InformeClase {
    QDate desde, hasta;             // as asked; null: open
    std::vector<NinoInforme> ninos; // in name order
    std::vector<DiaInforme> clase;  // the whole class, day by day
    TotalesTipos tipos;             // the whole class
};

// The steps of the local days from `desde` to `hasta`, both included (a
// null date leaves that end open), in any order and from any computer.
InformeClase HacerInformeClase(const std::vector<PasoDiario>& pasos, const QDate& desde,
                               const QDate& hasta);

// Monday to Sunday of the week of `dia`: what the window shows first.
Periodo SemanaDe(const QDate& dia);

// One cell of the error map: a child and a pattern.
struct CeldaMapa {
    bool hay = false; // the pattern showed at least once
    EstadoPatron estado = EstadoPatron::Posible;
    int veces = 0;
};
CeldaMapa CeldaDe(const NinoInforme& nino, const Patron& patron);

// Indices into ninos: by name, or most confirmed patterns first (then by name).
enum class OrdenNinos { Nombre, Confirmados };
std::vector<int> OrdenarNinos(const InformeClase& informe, OrdenNinos orden);

// "sumas_sin_llevar" ... "calculo_mental", fixed: spreadsheets read them.
const char* CodigoTipo(int tipo);
// "Sumas sin llevar" ... "Cálculo mental"
QString NombreTipo(int tipo);
