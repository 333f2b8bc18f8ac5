#include "aprendizaje/esquema_ejemplo.h"

#include <algorithm>

namespace {

using Que = PasoJuzgado::Que;

// A damaged journal may hold anything; the drawing stays this small.
constexpr int kMaxColumnasDibujo = 6;

QString Valor(int32_t v) {
    return v < 0 ? QStringLiteral("?") : QString::number(v);
}

int Cifras(int64_t v) {
    int n = 1;
    for (; v >= 10; v /= 10)
        ++n;
    return n;
}

// Digit k (0 = units) of v, or blank where v has none.
QString Cifra(int64_t v, int k, bool ceros) {
    for (int i = 0; i < k; ++i)
        v /= 10;
    return v > 0 || ceros || k == 0 ? QString::number(v % 10) : QString();
}

EsquemaEjemplo Linea(const PasoJuzgado& p) {
    EsquemaEjemplo e;
    e.forma = EsquemaEjemplo::Forma::Linea;
    auto termino = [&](int i) {
        if (i != p.incognita) {
            e.piezas << QString::number(p.operandos[size_t(i)]);
            return;
        }
        e.pieza_mal = int(e.piezas.size());
        e.piezas << Valor(p.tecleado) << Valor(p.correcto);
    };
    termino(0);
    e.piezas << (p.suma ? QStringLiteral("+") : QStringLiteral("−"));
    termino(1);
    e.piezas << QStringLiteral("=");
    termino(2);
    return e;
}

} // namespace

EsquemaEjemplo EsquemaDe(const PasoJuzgado& p) {
    if (p.que == Que::RespuestaMental) return Linea(p);
    EsquemaEjemplo e;
    e.suma = p.suma;
    const int filas = std::clamp(p.n_operandos, 0, int(p.operandos.size()));
    // The game shows every column of each row, leading zeros too; a
    // carrying sum's thousands are typed left of them.
    int columnas = std::max(p.columnas, p.columna + (p.que == Que::Llevada ? 1 : 0));
    for (int f = 0; f < filas; ++f)
        columnas = std::max(columnas, Cifras(std::max(p.operandos[size_t(f)], 0)));
    columnas = std::clamp(columnas, 1, kMaxColumnasDibujo);
    e.celdas.assign(size_t(filas + 2), std::vector<QString>(size_t(columnas)));
    auto celda = [&](int fila, int k) -> QString& {
        return e.celdas[size_t(fila)][size_t(columnas - 1 - k)];
    };

    int64_t resultado = 0;
    for (int f = 0; f < filas; ++f) {
        const int64_t v = std::max(p.operandos[size_t(f)], 0);
        resultado += p.suma || f == 0 ? v : -v;
        for (int k = 0; k < std::min(columnas, std::max(p.columnas, 1)); ++k)
            celda(f + 1, k) = Cifra(v, k, true);
    }

    // Answered before this step: the columns to its right, and the
    // carry box's own column.
    const int hechas = p.columna - (p.que == Que::Llevada ? 0 : 1);
    for (int k = 0; k < std::min(hechas, columnas) && resultado >= 0; ++k)
        celda(e.FilaResultado(), k) = Cifra(resultado, k, k < p.columnas);

    const int k = p.columna - 1;
    const bool mal = p.que == Que::Cifra || p.que == Que::Llevada;
    const int donde = p.que == Que::Llevada ? k + 1 : k;
    if (mal && donde >= 0 && donde < columnas) {
        e.fila_mal = p.que == Que::Llevada ? 0 : e.FilaResultado();
        e.columna_mal = columnas - 1 - donde;
        e.celdas[size_t(e.fila_mal)][size_t(e.columna_mal)] = Valor(p.tecleado);
        e.bien = Valor(p.correcto);
    }
    return e;
}
