#include "voz/textos_voz.h"

#include "written/resta_prestamo.h"

#include <QRegularExpression>
#include <QStringList>

namespace {

const char* const kNombreColumna[] = {"Unidades", "Decenas", "Centenas", "Unidades de millar"};

QString Numero(int32_t n) {
    return QString::number(n);
}

// The digit of a row in a column, 0 = units.
int Cifra(int32_t numero, int columna) {
    for (int i = 0; i < columna; ++i)
        numero /= 10;
    return numero % 10;
}

QString Signo(bool suma) {
    return suma ? QStringLiteral(" más ") : QStringLiteral(" menos ");
}

QString Columna(int columna) {
    return QString::fromUtf8(kNombreColumna[std::clamp(columna, 1, 4) - 1]) + QStringLiteral(": ");
}

QString MeLlevo(int llevada) {
    return QStringLiteral(", y %1 que me llevo").arg(llevada);
}

QString PasoSuma(const PasoJuzgado& op, int columna) {
    const int k = columna - 1;
    int llevada = 0;
    for (int c = 0; c < k; ++c) {
        int suma = llevada;
        for (int f = 0; f < op.n_operandos; ++f)
            suma += Cifra(op.operandos[size_t(f)], c);
        llevada = suma / 10;
    }
    // Past the last column only the carry is left to write.
    if (k >= op.columnas) return Columna(columna) + QStringLiteral("escribe lo que te llevas.");
    QStringList cifras;
    for (int f = 0; f < op.n_operandos; ++f)
        cifras << Numero(Cifra(op.operandos[size_t(f)], k));
    return Columna(columna) + cifras.join(Signo(true)) + (llevada ? MeLlevo(llevada) : QString()) +
           QLatin1Char('.');
}

// What the marks on screen make of the column, as the child reads it: the
// ten a borrowing digit gets, the "+1" under method 1, the lowered digit
// under method 2. With no marks, the digits as drawn.
QString PasoResta(const PasoJuzgado& op, int columna, bool marcado) {
    const int k = columna - 1;
    Operacion o;
    o.filas = 2;
    o.columnas = op.columnas;
    for (int f = 0; f < 2; ++f)
        for (int c = 0; c < op.columnas; ++c)
            o.cifras[size_t(f)][size_t(c)] = Cifra(op.operandos[size_t(f)], c);
    RestaConPrestamo r;
    r.Empezar(o, op.metodo, op.marcar);
    int arriba = o.cifras[0][size_t(k)];
    const int abajo = o.cifras[1][size_t(k)];
    const bool marcas = op.marcar != MarcarLlevadas::Nunca;
    const bool diez = r.Lleva(k, op.metodo) && (op.marcar == MarcarLlevadas::Automatico ||
                                                (op.marcar == MarcarLlevadas::Manual && marcado));
    bool mas1 = false;
    if (marcas && op.metodo == MetodoResta::SumarAlSustraendo)
        mas1 = r.Lleva(k - 1, op.metodo);
    else if (marcas && r.Prestamo(k))
        arriba = r.Rebajado(k);
    if (diez) arriba += 10;
    return Columna(columna) + Numero(arriba) + Signo(false) + Numero(abajo) +
           (mas1 ? MeLlevo(1) : QString()) + QLatin1Char('.');
}

} // namespace

QString FraseOperacion(const PasoJuzgado& op) {
    if (op.que == PasoJuzgado::Que::RespuestaMental || op.incognita >= 0) {
        QString t[3];
        for (int i = 0; i < 3; ++i)
            t[i] = i == op.incognita ? QStringLiteral("cuánto") : Numero(op.operandos[size_t(i)]);
        return t[0] + Signo(op.suma) + t[1] + QStringLiteral(" es igual a ") + t[2];
    }
    QStringList filas;
    for (int f = 0; f < op.n_operandos; ++f)
        filas << Numero(op.operandos[size_t(f)]);
    return filas.join(Signo(op.suma));
}

QString FrasePedido(const PasoPedido& paso) {
    using Q = PasoJuzgado::Que;
    if (paso.que == Q::RespuestaMental) return FraseOperacion(paso.op) + QLatin1Char('.');
    QString pregunta;
    if (paso.que == Q::Llevada)
        pregunta = QStringLiteral("Ahora escribe lo que te llevas.");
    else if (paso.op.suma)
        pregunta = PasoSuma(paso.op, paso.columna);
    else
        pregunta = PasoResta(paso.op, paso.columna, paso.marcado);
    return paso.nueva ? FraseOperacion(paso.op) + QStringLiteral(". ") + pregunta : pregunta;
}

QString FraseAviso(const QString& texto) {
    QString t = texto.simplified();
    // Spaced as the notices show them, "¡ Creo que  NO  puedes restar !".
    static const QRegularExpression abre(QStringLiteral("([¡¿])\\s+"));
    static const QRegularExpression cierra(QStringLiteral("\\s+([!?.,:;])"));
    t.replace(abre, QStringLiteral("\\1"));
    t.replace(cierra, QStringLiteral("\\1"));
    // Words in capitals are spelt out letter by letter.
    static const QRegularExpression mayusculas(QStringLiteral("\\b\\p{Lu}{2,}\\b"));
    QRegularExpressionMatchIterator it = mayusculas.globalMatch(t);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        t.replace(m.capturedStart(), m.capturedLength(), m.captured().toLower());
    }
    return t;
}

QString FraseTurno(const QString& nombre, int jugadores) {
    if (jugadores < 2 || nombre.trimmed().isEmpty()) return QString();
    return QStringLiteral("Le toca a %1.").arg(nombre.trimmed());
}
