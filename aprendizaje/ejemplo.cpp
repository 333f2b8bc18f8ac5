#include "aprendizaje/diagnostico.h"

#include <QStringList>
#include <algorithm>

namespace {

const char* const kNombreColumna[] = {"unidades", "decenas", "centenas", "millares"};

bool ColumnaConocida(int columna) {
    return columna >= 1 && columna <= 4;
}

QString NombreColumna(int columna) {
    if (ColumnaConocida(columna)) return QString::fromLatin1(kNombreColumna[columna - 1]);
    return QStringLiteral("columna %1").arg(columna);
}

// "de las decenas", "en las decenas"; a damaged row's "de la columna 7".
QString ConArticulo(const char* preposicion, int columna) {
    return QString::fromLatin1(preposicion) +
           (ColumnaConocida(columna) ? QStringLiteral(" las ") : QStringLiteral(" la ")) +
           NombreColumna(columna);
}

// What does not read as a number shows as "?".
QString TextoValor(int32_t v) {
    return v < 0 ? QStringLiteral("?") : QString::number(v);
}

QString TextoCuenta(const PasoJuzgado& p) {
    const QString signo = p.suma ? QStringLiteral(" + ") : QStringLiteral(" - ");
    const int n = std::clamp(p.n_operandos, 0, int(p.operandos.size()));
    if (p.que == PasoJuzgado::Que::RespuestaMental && n == 3) {
        auto termino = [&](int i) {
            return i == p.incognita ? QStringLiteral("?") : QString::number(p.operandos[i]);
        };
        return termino(0) + signo + termino(1) + QStringLiteral(" = ") + termino(2);
    }
    QStringList filas;
    for (int i = 0; i < n; ++i)
        filas << QString::number(p.operandos[i]);
    return filas.join(signo);
}

} // namespace

QString TextoEjemplo(const PasoDiario& paso) {
    const PasoJuzgado& p = paso.paso;
    const QString bien = QStringLiteral(" (bien %1)").arg(TextoValor(p.correcto));
    QString donde;
    switch (p.que) {
    case PasoJuzgado::Que::Cifra:
        donde = NombreColumna(p.columna) + u' ' + TextoValor(p.tecleado) + bien;
        break;
    case PasoJuzgado::Que::Llevada:
        donde = QStringLiteral("llevada ") + ConArticulo("de", p.columna) + u' ' +
                TextoValor(p.tecleado) + bien;
        break;
    case PasoJuzgado::Que::RespuestaMental:
        donde = TextoValor(p.tecleado) + bien;
        break;
    case PasoJuzgado::Que::MeLlevo:
        donde = QStringLiteral("«Me llevo...» ") + ConArticulo("en", p.columna);
        break;
    }
    return TextoCuenta(p) + QStringLiteral(": ") + donde;
}
