#include "app/diarios_orden.h"

#include "app/salida_ordenes.h"
#include "nucleo/juego.h"
#include "results/archivo_resultados.h"

#include <QDir>
#include <QFileInfo>

std::optional<LecturaDiarios> LeerDiariosDeLaOrden(const QStringList& diarios) {
    QStringList rutas = diarios;
    if (rutas.isEmpty()) {
        // The results folder hangs from the folder the game starts in.
        IniciarJuego();
        rutas << resultados::CarpetaResultados();
    }
    for (const QString& r : diarios)
        if (!QFileInfo::exists(r)) {
            ErrorOrden(QStringLiteral("--diarios %1: no se encuentra").arg(r));
            return std::nullopt;
        }
    LecturaDiarios lectura = LeerDiarios(rutas);
    for (const QString& aviso : lectura.avisos)
        ErrorOrden(aviso);
    if (lectura.leidos == 0) {
        QStringList nativas;
        for (const QString& r : rutas)
            nativas << QDir::toNativeSeparators(r);
        ErrorOrden(QStringLiteral("no hay ningún diario de aprendizaje que se pueda leer en %1")
                       .arg(nativas.join(QStringLiteral(", "))));
        return std::nullopt;
    }
    return lectura;
}
