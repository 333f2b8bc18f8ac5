#include "aprendizaje/firmas.h"

#include "written/resta_prestamo.h"

#include <cstdlib>

bool ValoresFirma::Contiene(int32_t x) const {
    for (int i = 0; i < n; ++i)
        if (v[i] == x) return true;
    return false;
}

bool ValoresFirma::AlgunoDistintoDe(int32_t x) const {
    for (int i = 0; i < n; ++i)
        if (v[i] != x) return true;
    return false;
}

namespace {

using Que = PasoJuzgado::Que;
using Forma = LecturaPaso::Forma;

constexpr int32_t kPotencia10[kMaxColumnas + 1] = {1, 10, 100, 1000, 10000};
// Mental terms fit a three-digit box; far above that is a damaged row, and
// keeping the sums of two terms inside an int32_t.
constexpr int32_t kMaxTermino = 100000;

void LeerMental(const PasoJuzgado& p, LecturaPaso& l) {
    if (p.que != Que::RespuestaMental || p.n_operandos != 3) return;
    if (p.incognita < 0 || p.incognita > 2) return;
    for (int i = 0; i < 3; ++i) {
        if (p.operandos[i] < 0 || p.operandos[i] >= kMaxTermino) return;
        l.terminos[i] = p.operandos[i];
    }
    l.incognita = p.incognita;
    l.forma = Forma::Mental;
}

void LeerEscrita(const PasoJuzgado& p, LecturaPaso& l) {
    const bool es_suma = l.tipo == SumasSinLlevar || l.tipo == SumasConLlevadas;
    const bool con_llevadas = l.tipo == SumasConLlevadas;
    const int n = p.columnas;
    const int filas = p.n_operandos;
    if (p.suma != es_suma || n < 1 || n > kMaxColumnas) return;
    if (filas < 2 || filas > kMaxFilas || (!es_suma && filas != 2)) return;
    const int c = p.columna - 1;
    if (p.que == Que::Cifra) {
        // A carrying sum's thousands are the column after the last.
        if (c < 0 || c > (con_llevadas ? n : n - 1)) return;
    } else if (p.que == Que::Llevada) {
        // The last column's carry is typed as the thousands, not in the carry box.
        if (!con_llevadas || c < 0 || c > n - 2) return;
    } else {
        return;
    }

    Operacion op;
    op.filas = filas;
    op.columnas = n;
    for (int f = 0; f < filas; ++f) {
        int32_t x = p.operandos[f];
        if (x < 0 || x >= kPotencia10[n]) return;
        for (int k = 0; k < n; ++k, x /= 10)
            op.cifras[f][k] = x % 10;
    }
    auto suma_columna = [&](int k) {
        int s = 0;
        for (int f = 0; f < filas; ++f)
            s += op.cifras[f][k];
        return s;
    };

    l.columna = c;
    l.filas = filas;
    l.millares = c == n;
    if (!l.millares) {
        for (int f = 0; f < filas; ++f)
            l.cifras[f] = op.cifras[f][c];
        l.suma = suma_columna(c);
    }
    if (con_llevadas)
        for (int k = 0; k < c; ++k)
            l.llevada = (suma_columna(k) + l.llevada) / 10;
    if (l.tipo == RestasConLlevadas) {
        if (p.metodo != MetodoResta::SumarAlSustraendo && p.metodo != MetodoResta::RestarAlMinuendo)
            return;
        // The loans exactly as the game works them out, under the method in use.
        RestaConPrestamo resta;
        resta.Empezar(op, p.metodo, MarcarLlevadas::Nunca);
        if (c > 0) {
            l.prestamo_directo = resta.Lleva(c - 1, p.metodo);
            // Method 1 has no chain: the next subtrahend digit always takes the 1.
            l.prestamo_cadena = p.metodo == MetodoResta::RestarAlMinuendo && !l.prestamo_directo &&
                                resta.Prestamo(c);
        }
    }
    l.forma = Forma::Escrita;
}

bool CifraEscrita(const LecturaPaso& l) {
    return l.forma == Forma::Escrita && l.paso->que == Que::Cifra && !l.millares;
}

// The column as written, without the loan it got: a borrow of its own stays.
int SinElPrestamo(const LecturaPaso& l) {
    return (l.cifras[0] - l.cifras[1] + 10) % 10;
}

} // namespace

LecturaPaso LeerPaso(const PasoJuzgado& paso) {
    LecturaPaso l;
    l.paso = &paso;
    const VentanaEjercicio* v = BuscarVentanaEjercicio(paso.ventana);
    if (!v) return l;
    l.tipo = v->tipo;
    if (l.tipo == CalculoMental)
        LeerMental(paso, l);
    else
        LeerEscrita(paso, l);
    return l;
}

void FirmaLlevadaOlvidada(const LecturaPaso& l, ValoresFirma& v) {
    if (l.forma != Forma::Escrita || l.llevada == 0) return;
    // The thousands' sum is the carry alone: without it, 0.
    v.Poner(l.paso->que == Que::Llevada ? l.suma / 10 : l.suma % 10);
}

void FirmaLlevadaEscrita(const LecturaPaso& l, ValoresFirma& v) {
    if (l.forma != Forma::Escrita || l.millares) return;
    const int total = l.suma + l.llevada;
    if (total < 10) return;
    v.Poner(l.paso->que == Que::Llevada ? total % 10 : total / 10);
}

void FirmaMenorDelMayor(const LecturaPaso& l, ValoresFirma& v) {
    // A 0 on top is cero_menos_n's: 0 < top.
    if (CifraEscrita(l) && 0 < l.cifras[0] && l.cifras[0] < l.cifras[1])
        v.Poner(l.cifras[1] - l.cifras[0]);
}

void FirmaPrestamoOlvidado(const LecturaPaso& l, ValoresFirma& v) {
    if (CifraEscrita(l) && l.prestamo_directo) v.Poner(SinElPrestamo(l));
}

void FirmaCeroMenosN(const LecturaPaso& l, ValoresFirma& v) {
    if (CifraEscrita(l) && l.cifras[0] == 0 && l.cifras[1] > 0) v.Poner(l.cifras[1]);
}

void FirmaPrestamoCadenaCero(const LecturaPaso& l, ValoresFirma& v) {
    // The zeros became 9 but the digit left of them kept its value.
    if (CifraEscrita(l) && l.prestamo_cadena) v.Poner(SinElPrestamo(l));
}

void FirmaOperacionCambiada(const LecturaPaso& l, ValoresFirma& v) {
    const bool suma = l.paso->suma;
    if (CifraEscrita(l) && l.filas == 2) {
        const int a = l.cifras[0], b = l.cifras[1];
        v.Poner(suma ? std::abs(a - b) : (a + b) % 10);
    } else if (l.forma == Forma::Mental && l.incognita == 2) {
        // With an operand hidden the other operation is the right one's
        // inverse: mental_contraria.
        const int32_t a = l.terminos[0], b = l.terminos[1];
        v.Poner(suma ? std::abs(a - b) : a + b);
    }
}

void FirmaMentalDecena(const LecturaPaso& l, ValoresFirma& v) {
    // Only the shown operation worked in the head: with an operand hidden the
    // child may count on or take away, and a ten more or less has no single cause.
    if (l.forma != Forma::Mental || l.incognita != 2) return;
    const int32_t a = l.terminos[0], b = l.terminos[1], r = l.terminos[2];
    if (l.paso->suma && a % 10 + b % 10 >= 10) v.Poner(r - 10);
    if (!l.paso->suma && a % 10 < b % 10) v.Poner(r + 10);
}

void FirmaMentalContraria(const LecturaPaso& l, ValoresFirma& v) {
    if (l.forma != Forma::Mental || l.incognita == 2) return;
    const int32_t r = l.terminos[2];
    const int32_t visto = l.terminos[l.incognita == 0 ? 1 : 0];
    // ? - b = r takes b from r, the rest add the two they see.
    if (!l.paso->suma && l.incognita == 0)
        v.Poner(std::abs(r - visto));
    else
        v.Poner(r + visto);
}

void FirmaMentalCopia(const LecturaPaso& l, ValoresFirma& v) {
    if (l.forma != Forma::Mental) return;
    for (int i = 0; i < 3; ++i)
        if (i != l.incognita) v.Poner(l.terminos[i]);
}

void FirmaMasCeroDaCero(const LecturaPaso& l, ValoresFirma& v) {
    if (CifraEscrita(l) && l.paso->suma && l.filas == 2 && (l.cifras[0] == 0 || l.cifras[1] == 0))
        v.Poner(0);
}

void FirmaHechoNumerico(const LecturaPaso& l, ValoresFirma& v) {
    const int32_t r = l.paso->correcto;
    if (r < 0 || r >= kMaxTermino) return;
    // A sum's digit is the units of its column's total: 7 + 8 taken for 16 reads 6,
    // and 9 + 1 taken for 9 reads 9 where 0 was due.
    const bool unidades = CifraEscrita(l) && l.paso->suma;
    for (int k : {-2, -1, 1, 2}) {
        const int32_t x = unidades ? (r + k + 10) % 10 : r + k;
        if (x >= 0) v.Poner(x);
    }
}
