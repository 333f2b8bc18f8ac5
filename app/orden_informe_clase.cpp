#include "app/orden_informe_clase.h"

#include "app/salida_ordenes.h"
#include "aprendizaje/csv_informe_clase.h"
#include "aprendizaje/diario.h"
#include "aprendizaje/informe_clase_impreso.h"
#include "nucleo/juego.h"
#include "results/archivo_resultados.h"
#include "results/operaciones_resultados.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

int EjecutarInformeClase(const OrdenInformeClase& o) {
    QStringList rutas = o.diarios;
    if (rutas.isEmpty()) {
        // The results folder hangs from the folder the game starts in.
        IniciarJuego();
        rutas << resultados::CarpetaResultados();
    }
    for (const QString& r : o.diarios)
        if (!QFileInfo::exists(r)) {
            ErrorOrden(QStringLiteral("--diarios %1: no se encuentra").arg(r));
            return kMalArchivo;
        }

    const LecturaDiarios lectura = LeerDiarios(rutas);
    for (const QString& aviso : lectura.avisos)
        ErrorOrden(aviso);
    if (lectura.leidos == 0) {
        QStringList nativas;
        for (const QString& r : rutas)
            nativas << QDir::toNativeSeparators(r);
        ErrorOrden(QStringLiteral("no hay ningún diario de aprendizaje que se pueda leer en %1")
                       .arg(nativas.join(QStringLiteral(", "))));
        return kMalArchivo;
    }

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
