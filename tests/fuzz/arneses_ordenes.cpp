#include "arneses_ordenes.h"

#include "app/linea_ordenes.h"

namespace arneses {

std::string OpcionesDeOrdenes(const uint8_t* datos, size_t n) {
    const QString texto = QString::fromUtf8(reinterpret_cast<const char*>(datos), qsizetype(n));
    const QStringList args = texto.split(u'\n');
    const QString error = ErrorDeOpciones(args);
    if (error.isEmpty()) {
        // Accepted: then it asks for help or for exactly one thing to write.
        int ordenes = 0;
        for (const char* o :
             {"--help", "--hoja", "--resultados", "--diagnostico", "--informe-clase", "--refuerzo"})
            ordenes += args.contains(QLatin1String(o)) ? 1 : 0;
        if (ordenes == 0) return "aceptadas sin ninguna orden";
        return {};
    }
    // Refused: one line the user can read after "zifra: ".
    if (error.contains(u'\n') || error.contains(u'\r')) return "el error tiene varias líneas";
    if (error.trimmed().isEmpty()) return "el error está en blanco";
    return {};
}

} // namespace arneses
