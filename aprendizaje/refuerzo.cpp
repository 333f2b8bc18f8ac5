#include "aprendizaje/refuerzo.h"

#include <QStringList>

std::vector<PaginaRefuerzo> PaginasDeRefuerzo(const QString& nino,
                                              const std::vector<const Patron*>& confirmados,
                                              int paginas, uint64_t semilla) {
    std::vector<PaginaRefuerzo> v;
    if (confirmados.empty()) return v;
    const int n = std::max(paginas, int(confirmados.size()));
    AzarSembrado azar(semilla);
    for (int k = 0; k < n; ++k) {
        PaginaRefuerzo p;
        p.nino = nino;
        p.patron = confirmados[size_t(k) % confirmados.size()];
        const std::vector<DescripcionCuenta> ds =
            DescripcionesDePatron(QLatin1String(p.patron->codigo));
        // A pattern's second page takes its next description.
        const DescripcionCuenta& d = ds[size_t(k / int(confirmados.size())) % ds.size()];
        p.metodo = d.metodo;
        if (!SortearDescrita(d, azar, p.ejemplo)) continue;
        p.pasos = d.EsMental() ? EjemploMental(p.ejemplo.mental, d.mental, d.incognita)
                               : EjemploResuelto(p.ejemplo.op, d.es_suma, d.metodo);
        const int cuantos = d.EsMental() ? kEjerciciosMental : kEjerciciosColumnas;
        for (int i = 0; i < cuantos; ++i) {
            CuentaDescrita c;
            if (SortearDescrita(d, azar, c)) p.ejercicios.push_back(c);
        }
        v.push_back(std::move(p));
    }
    return v;
}

QString TextoCuenta(const CuentaDescrita& c) {
    const DescripcionCuenta& d = c.descripcion;
    if (d.EsMental()) {
        const QString signo =
            d.mental == TipoMental::Sumas ? QStringLiteral(" + ") : QStringLiteral(" - ");
        QStringList t = {QString::number(c.mental.primero), QString::number(c.mental.segundo),
                         QString::number(c.mental.resultado)};
        t[int(d.incognita)] = QStringLiteral("...");
        return t[0] + signo + t[1] + QStringLiteral(" = ") + t[2];
    }
    QStringList filas;
    for (int f = 0; f < c.op.filas; ++f)
        filas << QString::number(c.Fila(f));
    return filas.join(d.es_suma ? QStringLiteral(" + ") : QStringLiteral(" - "));
}

int32_t Respuesta(const CuentaDescrita& c) {
    const DescripcionCuenta& d = c.descripcion;
    return d.EsMental() ? ValorIncognita(c.mental, d.incognita) : c.Resultado();
}

QString OrdenDeRefuerzo(const QString& nino, int paginas, uint64_t semilla, bool con_soluciones) {
    QString nombre = nino;
    nombre.replace(u'\'', QStringLiteral("'\\''"));
    QString orden = QStringLiteral("zifra --refuerzo --jugador '%1' --paginas %2 --semilla %3")
                        .arg(nombre)
                        .arg(paginas)
                        .arg(semilla);
    if (!con_soluciones) orden += QStringLiteral(" --sin-soluciones");
    return orden + QStringLiteral(" --pdf refuerzo.pdf");
}
