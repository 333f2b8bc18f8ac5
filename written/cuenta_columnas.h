#pragma once
// The rules of a column operation, without any window: how it is drawn and
// how each typed digit and carry is judged.
#include <QString>
#include <array>
#include <cstdint>

constexpr int kMaxFilas = 4;
constexpr int kMaxColumnas = 4;
// Column suffixes of the control names, units first.
inline const char* const kColumna[kMaxColumnas] = {"u", "d", "c", "um"};

enum class Sorteo {
    SumaSinLlevar,    // each column redrawn until its sum is at most 9
    SumaLlevaSiempre, // units and tens redrawn until they carry; hundreds free
    SumaLibre,        // every digit free
    RestaSinLlevar,   // each column redrawn until the minuend digit is not smaller
};

// Digits by row (0 = top) and column (0 = units).
struct Operacion {
    int filas = 2;
    int columnas = 3;
    std::array<std::array<int, kMaxColumnas>, kMaxFilas> cifras{};
};

// Column by column from the units, top row first, with the shared Aleatorio.
Operacion Sortear(Sorteo sorteo, int filas, int columnas);
// Could Sortear have drawn it? For operations made elsewhere and shown in
// a window of that draw.
bool SorteoAdmite(Sorteo sorteo, const Operacion& op);

class CuentaEnColumnas {
public:
    enum class Juicio {
        Nada,            // no column to judge
        Fallo,           // wrong digit: the box empties, the column stays
        Acierto,         // right digit: shown, the box moves to the next column
        PideLlevada,     // right digit of a carrying column: now its carry
        PasoMillares,    // hundreds digit of a four-digit sum: no success, on to the thousands
        Fin,             // right digit of the last column
        LlevadaFallada,  // wrong carry: the digit stays, the carry is asked again
        LlevadaAcertada, // right carry: shown in red, the column is done
    };

    // con_llevadas: the carry of each column goes into the next one's sum.
    void Empezar(const Operacion& op, bool es_suma, bool con_llevadas);
    // texto as typed into the answer box; editar_llevadas as set right now.
    Juicio Cifra(const QString& texto, bool editar_llevadas);
    Juicio Llevada(const QString& texto);

    int Columna() const { return columna_; }
    bool EsperaLlevada() const { return esperando_llevada_; }
    // What the current column expects, carry from the right included.
    int Esperado() const { return resultados_[columna_ - 1]; }
    const QString& TextoLlevada() const { return llevada_; }
    // What the box asking now expects: the column's digit (its carry left
    // to the carry box), the thousands' carry, or, while a carry is asked
    // for, that carry.
    int CifraEsperada() const;
    int LlevadaEsperada() const { return llevada_.toInt(); }
    const Operacion& Op() const { return op_; }

private:
    Operacion op_;
    bool con_llevadas_ = false;
    std::array<int, kMaxColumnas + 1> resultados_{};
    int columna_ = 1;
    // While a carry is asked for, the digit is already judged: judging it
    // again would add the carry to the next column twice.
    bool esperando_llevada_ = false;
    bool terminada_ = false; // the last digit was right: nothing more to judge
    QString texto_suma_;
    QString cifra_resultado_;
    QString llevada_;
};
