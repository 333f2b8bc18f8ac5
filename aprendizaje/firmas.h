#pragma once
// What a child with each pattern would type at one judged step: the step
// read into its column's digits, the carry or loan that reaches it, or the
// mental terms, and one signature function per pattern.
#include "nucleo/anuncios.h"
#include "written/cuenta_columnas.h"

#include <cstdint>

// The values of a signature: a bug may explain more than one.
struct ValoresFirma {
    static constexpr int kMax = 4;
    int n = 0;
    int32_t v[kMax] = {};

    void Poner(int32_t x) {
        if (n < kMax) v[n++] = x;
    }
    bool Contiene(int32_t x) const;
    bool AlgunoDistintoDe(int32_t x) const;
};

struct LecturaPaso {
    const PasoJuzgado* paso = nullptr;
    ExerciseKind tipo = SumasSinLlevar;
    // Steps whose operation does not read as the game could have drawn it
    // (a damaged journal) are Ninguna: only the catch-alls judge them.
    enum class Forma { Ninguna, Escrita, Mental } forma = Forma::Ninguna;

    // Written: the column (0 = units) and its digits, top row first.
    int columna = 0;
    int filas = 0;
    int cifras[kMaxFilas] = {};
    int suma = 0;          // of the column's digits
    int llevada = 0;       // carrying sums: the carry that comes in from the right
    bool millares = false; // the thousands of a carrying sum: the hundreds' carry
    // Borrowing subtractions: a loan reached this column from the one on
    // its right, or (method 2) through one or more zeros.
    bool prestamo_directo = false;
    bool prestamo_cadena = false;

    // Mental: first, second, result, and which one is hidden.
    int32_t terminos[3] = {};
    int incognita = -1;
};

LecturaPaso LeerPaso(const PasoJuzgado& paso);

using Firma = void (*)(const LecturaPaso&, ValoresFirma&);

void FirmaLlevadaOlvidada(const LecturaPaso& l, ValoresFirma& v);
void FirmaLlevadaEscrita(const LecturaPaso& l, ValoresFirma& v);
void FirmaMenorDelMayor(const LecturaPaso& l, ValoresFirma& v);
void FirmaPrestamoOlvidado(const LecturaPaso& l, ValoresFirma& v);
void FirmaCeroMenosN(const LecturaPaso& l, ValoresFirma& v);
void FirmaPrestamoCadenaCero(const LecturaPaso& l, ValoresFirma& v);
void FirmaOperacionCambiada(const LecturaPaso& l, ValoresFirma& v);
void FirmaMentalDecena(const LecturaPaso& l, ValoresFirma& v);
void FirmaMentalContraria(const LecturaPaso& l, ValoresFirma& v);
void FirmaMentalCopia(const LecturaPaso& l, ValoresFirma& v);
void FirmaMasCeroDaCero(const LecturaPaso& l, ValoresFirma& v);
void FirmaHechoNumerico(const LecturaPaso& l, ValoresFirma& v);
