#include "aprendizaje/csv_diagnostico.h"

#include <QStringList>

const char kCabeceraCsvDiagnostico[] = "jugador;patron;descripcion;estado;veces;oportunidades;"
                                       "operaciones;primera_vez;ultima_vez;ejemplo";

namespace {

// Quoted as RFC 4180 says, where a field holds a separator, a quote or a
// line break: a child's name may.
QString Campo(const QString& texto) {
    static const QString especiales = QStringLiteral(";\"\r\n");
    bool citar = false;
    for (QChar c : texto)
        citar = citar || especiales.contains(c);
    if (!citar) return texto;
    QString doble = texto;
    doble.replace(u'"', QStringLiteral("\"\""));
    return u'"' + doble + u'"';
}

QString Fecha(const QDate& d) {
    return d.toString(QStringLiteral("yyyy-MM-dd"));
}

} // namespace

QString CampoCsv(const QString& texto) {
    return Campo(texto);
}

QByteArray CsvDiagnostico(const std::vector<DiagnosticoJugador>& ninos) {
    QByteArray csv(kCabeceraCsvDiagnostico);
    csv += '\n';
    for (const DiagnosticoJugador& n : ninos) {
        const QString jugador = Campo(n.jugador.trimmed());
        for (const DiagnosticoPatron& p : n.patrones) {
            const QStringList campos = {jugador,
                                        Campo(QString::fromLatin1(p.patron->codigo)),
                                        Campo(p.patron->descripcion),
                                        TextoEstado(p.estado),
                                        QString::number(p.veces),
                                        QString::number(p.oportunidades),
                                        QString::number(n.operaciones),
                                        Fecha(p.primera_vez),
                                        Fecha(p.ultima_vez),
                                        Campo(TextoEjemplo(p.ejemplo))};
            csv += campos.join(u';').toUtf8();
            csv += '\n';
        }
    }
    return csv;
}
