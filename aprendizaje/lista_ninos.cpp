#include "aprendizaje/lista_ninos.h"

#include <QHash>
#include <QSet>

std::vector<NinoDiagnostico> ListaNinos(const QStringList& actuales,
                                        const std::vector<DiagnosticoJugador>& diagnosticos) {
    QHash<QString, int> por_clave;
    for (int i = 0; i < int(diagnosticos.size()); ++i)
        por_clave.insert(ClaveJugador(diagnosticos[size_t(i)].jugador), i);
    std::vector<NinoDiagnostico> lista;
    QSet<QString> puestos;
    for (const QString& nombre : actuales) {
        const QString clave = ClaveJugador(nombre);
        if (clave.isEmpty() || puestos.contains(clave)) continue;
        puestos.insert(clave);
        lista.push_back({nombre.trimmed(), por_clave.value(clave, -1)});
    }
    for (int i = 0; i < int(diagnosticos.size()); ++i) {
        const QString clave = ClaveJugador(diagnosticos[size_t(i)].jugador);
        if (puestos.contains(clave)) continue;
        puestos.insert(clave);
        lista.push_back({diagnosticos[size_t(i)].jugador.trimmed(), i});
    }
    return lista;
}
