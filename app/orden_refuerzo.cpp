#include "app/orden_refuerzo.h"

#include "app/diarios_orden.h"
#include "app/salida_ordenes.h"
#include "aprendizaje/diario.h"
#include "aprendizaje/hoja_refuerzo.h"
#include "aprendizaje/plan_repaso.h"
#include "nucleo/juego.h"
#include "results/archivo_resultados.h"
#include "results/operaciones_resultados.h"

#include <QRandomGenerator>

int EjecutarRefuerzo(const OrdenRefuerzo& o) {
    const std::optional<LecturaDiarios> leida = LeerDiariosDeLaOrden(o.diarios);
    if (!leida) return kMalArchivo;
    const LecturaDiarios& lectura = *leida;

    HojaRefuerzo hoja;
    // Without a seed each run draws new pages; the footer names the seed.
    hoja.semilla = o.semilla ? *o.semilla : QRandomGenerator::system()->generate();
    hoja.paginas_por_nino = o.paginas;
    hoja.con_soluciones = o.con_soluciones;
    hoja.fecha = QDate::currentDate();
    bool encontrado = false;
    // Diagnosticar gives the children in name order.
    for (const DiagnosticoJugador& d : Diagnosticar(lectura.pasos)) {
        if (!o.todos && ClaveJugador(d.jugador) != ClaveJugador(o.jugador)) continue;
        encontrado = true;
        for (PaginaRefuerzo& p :
             PaginasDeRefuerzo(d.jugador.trimmed(), Confirmados(d), o.paginas, hoja.semilla))
            hoja.paginas.push_back(std::move(p));
    }
    if (!o.todos && !encontrado) {
        ErrorOrden(QStringLiteral("--jugador %1: no hay ninguna cuenta suya en los diarios")
                       .arg(o.jugador));
        return kMalArchivo;
    }
    if (hoja.paginas.empty()) {
        ErrorOrden(o.todos
                       ? QStringLiteral("ningún niño tiene errores confirmados que repasar")
                       : QStringLiteral("--jugador %1: no tiene errores confirmados que repasar")
                             .arg(o.jugador));
        return kMalArchivo;
    }
    if (EscribirPdf(o.pdf, [&](QPrinter& p) { return ImprimirRefuerzo(hoja, p); })) return 0;
    ErrorOrden(QStringLiteral("%1: %2").arg(o.pdf, resultados::kTextoErrorCrear.simplified()));
    return kMalArchivo;
}
