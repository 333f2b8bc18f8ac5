#include "aprendizaje/textos_diagnostico.h"

#include "aprendizaje/patrones.h"

const QString kTituloDiagnostico = QStringLiteral("Diagnóstico de errores");
const QString kLeyendaEjemplo =
    QStringLiteral("En cada ejemplo, en rojo lo que escribió y al lado, en verde, lo correcto.");

namespace {
QString Cuentas(int n) {
    return n == 1 ? QStringLiteral("1 cuenta") : QStringLiteral("%1 cuentas").arg(n);
}
} // namespace

QString TextoFecha(const QDate& d) {
    return d.isValid() ? d.toString(QStringLiteral("d/M/yyyy")) : QStringLiteral("?");
}

QString NombreDe(const DiagnosticoPatron& p) {
    return NombrePatron(*p.patron, p.ejemplo.paso.metodo);
}

QString TextoVeces(const DiagnosticoPatron& p) {
    if (p.oportunidades == 1) return QStringLiteral("En la única cuenta en que podía salir.");
    return QStringLiteral("En %1 de las %2 cuentas en que podía salir.")
        .arg(p.veces)
        .arg(p.oportunidades);
}

QString TextoCuando(const DiagnosticoPatron& p) {
    if (p.primera_vez == p.ultima_vez)
        return QStringLiteral("El %1.").arg(TextoFecha(p.ultima_vez));
    return QStringLiteral("La primera vez el %1 y la última el %2.")
        .arg(TextoFecha(p.primera_vez), TextoFecha(p.ultima_vez));
}

QString TextoPeriodo(const Periodo& periodo, int operaciones) {
    if (periodo.desde.isNull()) return QStringLiteral("Ninguna cuenta en el diario.");
    if (periodo.desde == periodo.hasta)
        return QStringLiteral("%1, el %2.").arg(Cuentas(operaciones), TextoFecha(periodo.desde));
    return QStringLiteral("%1, del %2 al %3.")
        .arg(Cuentas(operaciones), TextoFecha(periodo.desde), TextoFecha(periodo.hasta));
}

QString TextoSinPatrones(const QString& nombre, int operaciones) {
    if (operaciones == 0)
        return QStringLiteral("Todavía no hay ninguna cuenta de %1 en el diario.").arg(nombre);
    if (operaciones == 1)
        return QStringLiteral("No hay errores de %1 todavía: su cuenta del diario está bien a "
                              "la primera.")
            .arg(nombre);
    return QStringLiteral("No hay errores de %1 todavía: sus %2 cuentas del diario están bien a "
                          "la primera.")
        .arg(nombre)
        .arg(operaciones);
}

QString TextoAvisosVisibles(const QStringList& avisos) {
    constexpr int kVisibles = 3;
    QStringList vistos = avisos.mid(0, kVisibles);
    if (avisos.size() > kVisibles)
        vistos << QStringLiteral("…y %1 más.").arg(avisos.size() - kVisibles);
    return vistos.join(u'\n');
}
