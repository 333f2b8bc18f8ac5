#pragma once
// The systematic errors a child makes, found in the journal without any
// window: a table of patterns, each with its signature on one step, and the
// state of each pattern for each child.
#include "aprendizaje/firmas.h"
#include "aprendizaje/paso.h"

#include <QDate>
#include <QString>
#include <vector>

struct Patron {
    const char* codigo;  // fixed: reports and other tools read it
    QString nombre;      // Spanish, short
    QString descripcion; // one sentence for the teacher: what the child does, what to practise
    unsigned tipos = 0;  // the kinds it applies to, 1 << ExerciseKind each
    // The values a child with it types at a step; nullptr fits any wrong answer.
    Firma firma = nullptr;
    // A catch-all: every step of its kinds is an opportunity.
    bool comodin = false;
    // Where the name depends on the borrowing method (method 1, method 2);
    // empty: nombre.
    QString nombre_metodo[2];
};

// In the order that decides when two fit one typed value.
const std::vector<Patron>& Patrones();
const Patron* BuscarPatron(const QString& codigo);
// The name as the teacher who uses that borrowing method would say it.
QString NombrePatron(const Patron& patron, MetodoResta metodo);

// The pattern of a wrong answer on this step (nullptr when it was right).
const Patron* PatronDe(const PasoJuzgado& paso);
// Does the pattern's signature give, on this step, a value other than the
// right one? An operation with such a step is an opportunity for it.
bool EsOportunidad(const Patron& patron, const PasoJuzgado& paso);
// What a child with the pattern would type at this step (none for a
// catch-all without values, or where it does not apply).
ValoresFirma FirmaDe(const Patron& patron, const PasoJuzgado& paso);

enum class EstadoPatron { Posible, Confirmado, Superado };
QString TextoEstado(EstadoPatron e); // "posible", "confirmado", "superado"

struct DiagnosticoPatron {
    const Patron* patron = nullptr;
    EstadoPatron estado = EstadoPatron::Posible;
    int veces = 0;         // operations where it showed
    int oportunidades = 0; // operations where it could
    QDate primera_vez;     // of a showing, local date
    QDate ultima_vez;
    PasoDiario ejemplo; // its latest showing: the wrong first try
};

struct DiagnosticoJugador {
    QString jugador;                         // as last shown
    int operaciones = 0;                     // all the child's operations
    std::vector<DiagnosticoPatron> patrones; // those that showed, in table order
};

// Every child in the steps (names compared trimmed and case-folded), in
// name order; the steps in any order.
std::vector<DiagnosticoJugador> Diagnosticar(const std::vector<PasoDiario>& pasos);
// The same name key the diagnosis uses.
QString ClaveJugador(const QString& nombre);
// "143 - 28: decenas 2 (bien 1)"
QString TextoEjemplo(const PasoDiario& paso);
