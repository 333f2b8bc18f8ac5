#include "aprendizaje/csv_informe_clase.h"

#include "aprendizaje/csv_diagnostico.h"

const char kCabeceraCsvClase[] = "jugador;tipo;operaciones;pasos;primeros_intentos;"
                                 "acertados_a_la_primera;minutos;patrones_confirmados";

namespace {

QByteArray Fila(const QString& jugador, const QString& tipo, const Totales& t, int minutos,
                const QString& patrones) {
    const QStringList campos = {jugador,
                                tipo,
                                QString::number(t.operaciones),
                                QString::number(t.pasos),
                                QString::number(t.primeros_intentos),
                                QString::number(t.acertados),
                                QString::number(minutos),
                                CampoCsv(patrones)};
    return campos.join(u';').toUtf8() + '\n';
}

// A name from another computer's journal that a spreadsheet would run as
// a formula ("=HYPERLINK(...)") is kept as text: an apostrophe before it.
QString Nombre(const QString& nombre) {
    static const QString formula = QStringLiteral("=+-@\t\r");
    if (!nombre.isEmpty() && formula.contains(nombre.front())) return u'\'' + nombre;
    return nombre;
}

} // namespace

QByteArray CsvInformeClase(const InformeClase& informe) {
    QByteArray csv(kCabeceraCsvClase);
    csv += '\n';
    for (const NinoInforme& n : informe.ninos) {
        const QString jugador = CampoCsv(Nombre(n.nombre));
        for (int k = 0; k < kTiposInforme; ++k) {
            const Totales& t = n.tipos[size_t(k)];
            csv += Fila(jugador, QString::fromLatin1(CodigoTipo(k)), t, t.Minutos(),
                        n.CodigosConfirmados(k).join(u','));
        }
        const TotalClase total = Total(n.tipos);
        csv += Fila(jugador, QStringLiteral("total"), total.totales, total.minutos,
                    n.CodigosConfirmados().join(u','));
    }
    return csv;
}
