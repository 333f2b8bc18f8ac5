#include "app/orden_diagnostico.h"

#include "app/diarios_orden.h"
#include "app/salida_ordenes.h"
#include "aprendizaje/csv_diagnostico.h"
#include "aprendizaje/diagnostico.h"
#include "aprendizaje/diario.h"
#include "aprendizaje/informe_diagnostico.h"
#include "aprendizaje/periodo.h"
#include "nucleo/juego.h"
#include "results/archivo_resultados.h"
#include "results/operaciones_resultados.h"

#include <QFile>

namespace {

bool EscribirCsv(const QString& destino, const QByteArray& csv) {
    return EscribirPorTemporal(destino, [&](const QString& temporal) {
        QFile f(temporal);
        if (!f.open(QIODevice::WriteOnly) || f.write(csv) != csv.size()) return false;
        f.close();
        return f.error() == QFileDevice::NoError;
    });
}

} // namespace

int EjecutarDiagnostico(const OrdenDiagnostico& o) {
    const std::optional<LecturaDiarios> leida = LeerDiariosDeLaOrden(o.diarios);
    if (!leida) return kMalArchivo;
    const LecturaDiarios& lectura = *leida;

    const std::vector<PasoDiario> pasos = PasosEntre(lectura.pasos, o.desde, o.hasta);
    std::vector<DiagnosticoJugador> ninos = Diagnosticar(pasos);
    if (!o.jugador.isEmpty()) {
        const QString clave = ClaveJugador(o.jugador);
        std::vector<DiagnosticoJugador> uno;
        for (DiagnosticoJugador& n : ninos)
            if (ClaveJugador(n.jugador) == clave) uno.push_back(std::move(n));
        if (uno.empty()) {
            const bool fechas = !o.desde.isNull() || !o.hasta.isNull();
            ErrorOrden(QStringLiteral("--jugador %1: no hay ninguna cuenta suya en los diarios%2")
                           .arg(o.jugador, fechas ? QStringLiteral(" en esas fechas") : QString()));
            return kMalArchivo;
        }
        ninos = std::move(uno);
    }

    bool bien = false;
    if (!o.csv.isEmpty()) {
        bien = EscribirCsv(o.csv, CsvDiagnostico(ninos));
    } else {
        const QHash<QString, Periodo> periodos = PeriodosDeNinos(pasos);
        std::vector<InformeNino> informe;
        for (const DiagnosticoJugador& n : ninos)
            informe.push_back({n.jugador.trimmed(), &n, periodos.value(ClaveJugador(n.jugador))});
        bien = EscribirPdf(o.pdf, [&](QPrinter& p) { return ImprimirDiagnostico(informe, p); });
    }
    if (bien) return 0;
    ErrorOrden(QStringLiteral("%1: %2").arg(o.csv.isEmpty() ? o.pdf : o.csv,
                                            resultados::kTextoErrorCrear.simplified()));
    return kMalArchivo;
}
