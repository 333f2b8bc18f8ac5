#include "app/orden_informe_clase.h"

#include "app/diarios_orden.h"
#include "app/salida_ordenes.h"
#include "aprendizaje/csv_informe_clase.h"
#include "aprendizaje/diario.h"
#include "aprendizaje/informe_clase_impreso.h"
#include "nucleo/juego.h"
#include "results/archivo_resultados.h"
#include "results/operaciones_resultados.h"

#include <QFile>

int EjecutarInformeClase(const OrdenInformeClase& o) {
    const std::optional<LecturaDiarios> leida = LeerDiariosDeLaOrden(o.diarios);
    if (!leida) return kMalArchivo;
    const LecturaDiarios& lectura = *leida;

    const InformeClase informe = HacerInformeClase(lectura.pasos, o.desde, o.hasta);
    bool bien = false;
    if (!o.csv.isEmpty()) {
        const QByteArray csv = CsvInformeClase(informe);
        bien = EscribirPorTemporal(o.csv, [&](const QString& temporal) {
            QFile f(temporal);
            if (!f.open(QIODevice::WriteOnly) || f.write(csv) != csv.size()) return false;
            f.close();
            return f.error() == QFileDevice::NoError;
        });
    } else {
        bien = EscribirPdf(o.pdf, [&](QPrinter& p) { return ImprimirInformeClase(informe, p); });
    }
    if (bien) return 0;
    ErrorOrden(QStringLiteral("%1: %2").arg(o.csv.isEmpty() ? o.pdf : o.csv,
                                            resultados::kTextoErrorCrear.simplified()));
    return kMalArchivo;
}
