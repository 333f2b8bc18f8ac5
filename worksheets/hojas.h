#pragma once
// The rules of the worksheets, without any window or printer: how each row
// of exercises is drawn, its answers, and how many rows a page holds.
#include "mental/calculo_mental.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>

namespace hojas {

// Kinds of column worksheet, the values of tipo_hoja.
constexpr int kSinLlevadas = 2;
constexpr int kConLlevadas = 3;
constexpr int kConLlevadasTresFilas = 4;
constexpr int kConPrestamo = 13;
constexpr int kConPrestamoDificil = 14;

// A label that a kind leaves empty.
constexpr int kVacia = -1;

// Kept for the whole run, as the pages dialog left them.
extern int32_t ancho_zona; // tenths of a millimetre
extern int32_t largo_zona; // tenths of a millimetre
extern int32_t tipo_hoja;  // 2, 3, 4, 13 or 14

// Rows of a page that receive exercises; never below 1.
int FilasPorPagina(int32_t largo_zona, int alto_cabecera, int alto_detalle);

// TForm_informe_1: [exercise 0..3][row f0..f2][column hundreds, tens, units].
struct FilaInforme1 {
    int cifra[4][3][3];
};
FilaInforme1 SortearFilaInforme1(int tipo);
// Column values with the carries moved left; the hundreds keep theirs.
QString RespuestaSumaColumnas(const int cifra[3][3]);
// Upper minus lower in each filled column.
QString RespuestaRestaColumnas(const int cifra[3][3]);
QString SolucionesInforme1(const FilaInforme1& fila);

// A subtraction that must borrow, as printed: the subtrahend keeps the
// leading zeros that line it up under the minuend.
struct RestaDeHoja {
    QString minuendo;
    QString sustraendo;
    int32_t resta = 0;
};
// Lays out m over s and forces the borrow; false when the digits moved
// leave the minuend not greater than the subtrahend.
bool ForzarPrestamo(int32_t m, int32_t s, RestaDeHoja& r);
RestaDeHoja SortearRestaDeHoja(int32_t limite);

// TForm_informe_2: the addends of exercises 1 and 3 in rows f1..f4.
struct FilaInforme2 {
    int32_t sumando[2][4];
    RestaDeHoja resta[2];
    int32_t respuesta[4];
};
FilaInforme2 SortearFilaInforme2(int tipo);
QString SolucionesInforme2(const FilaInforme2& fila);
// 436 is printed as "4 3 6".
QString Espaciado(const QString& numero);

// One horizontal exercise: its terms in print order, the result last, and
// which of them is printed as dots.
struct CuentaHoja {
    int32_t termino[4] = {};
    int terminos = 3;
    int oculto = 0;
    int32_t Respuesta() const { return termino[oculto]; }
};
struct FilaInforme3 {
    CuentaHoja cuenta[4];
};
struct FilaInforme4 {
    CuentaHoja cuenta[6]; // forms A: 0, 1, 3; forms B: 2, 4, 5
};
constexpr bool kFormaB[6] = {false, false, true, false, true, true};

// Both ends of each range are included. A table's second operand never
// changes, so its subtractions draw the minuend again until it is that large.
void SortearParSuma(const AjustesMental& sumas, int32_t& a, int32_t& b);
void SortearParResta(const AjustesMental& restas, int32_t& m, int32_t& s);
// (p1 + p2) - s = r, never negative.
CuentaHoja SortearFormaA(const AjustesMental& sumas, const AjustesMental& restas, int oculto);
// (s1 - s2) + p = r, with a minuend of 1 or more.
CuentaHoja SortearFormaB(const AjustesMental& sumas, const AjustesMental& restas, int oculto);

FilaInforme3 SortearFilaInforme3(const AjustesMental& sumas, const AjustesMental& restas);
FilaInforme4 SortearFilaInforme4(const AjustesMental& sumas, const AjustesMental& restas);
QString SolucionesMental(const CuentaHoja* cuentas, int n);

// A page's solutions in lines no wider than ancho, as ancho_de measures
// them. A line ends only after an answer's "]", so no number is split; a
// single answer wider than the line keeps a line of its own.
QStringList LineasSoluciones(const QString& texto, double ancho,
                             const std::function<double(const QString&)>& ancho_de);

} // namespace hojas
