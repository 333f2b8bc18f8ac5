#include "aprendizaje/ejemplo_resuelto.h"

#include <QStringList>

namespace {

QString N(int x) {
    return QString::number(x);
}

void Suma(const Operacion& op, std::vector<PasoEjemplo>& pasos) {
    PasoEjemplo p;
    int entra = 0;
    for (int c = 0; c < op.columnas; ++c) {
        QStringList cifras;
        int t = 0;
        for (int f = 0; f < op.filas; ++f) {
            cifras << N(op.cifras[f][c]);
            t += op.cifras[f][c];
        }
        QString frase = cifras.join(QStringLiteral(" más ")) + QStringLiteral(" son ") + N(t);
        if (entra) frase += QStringLiteral(", y %1 que me llevaba, %2").arg(entra).arg(t + entra);
        t += entra;
        entra = t / 10;
        p.columna = c;
        p.resultado[c] = t % 10;
        frase += QStringLiteral(": escribo el %1").arg(t % 10);
        if (entra) {
            frase += QStringLiteral(" y me llevo %1").arg(entra);
            if (c + 1 < op.columnas) p.llevada[c + 1] = entra;
        }
        p.frase = frase + u'.';
        pasos.push_back(p);
    }
    if (entra) {
        p.columna = op.columnas;
        p.resultado[op.columnas] = entra;
        p.frase = QStringLiteral("El %1 que me llevo lo escribo delante.").arg(entra);
        pasos.push_back(p);
    }
}

// Method 2: where a column's loan comes from, read before anything is lowered.
QString Pide(const Operacion& op, int c) {
    int k = c + 1;
    while (k + 1 < op.columnas && op.cifras[0][k] == 0)
        ++k;
    const int ceros = k - c - 1;
    const int m = op.cifras[0][k];
    QString s = QStringLiteral("pido 1 al %1, que se queda en %2").arg(m).arg(m - 1);
    if (ceros == 1) s = QStringLiteral("el 0 no tiene; ") + s + QStringLiteral(", y el 0 en 9");
    if (ceros > 1) s = QStringLiteral("los 0 no tienen; ") + s + QStringLiteral(", y los 0 en 9");
    return s;
}

void Resta(const Operacion& op, MetodoResta metodo, std::vector<PasoEjemplo>& pasos) {
    RestaConPrestamo r;
    const bool marcas = RestaConPrestamo::Admite(op);
    r.Empezar(op, metodo, MarcarLlevadas::Automatico);
    PasoEjemplo p;
    auto guardar = [&] {
        if (!marcas) return;
        for (const PasoMarca& m : r.Marcas())
            if (m.tipo != PasoMarca::Esperar) p.marcas.push_back(m);
    };
    guardar();
    const bool metodo1 = metodo == MetodoResta::SumarAlSustraendo;
    bool viene = false;    // method 1: the column on the right borrowed
    bool prestado = false; // method 2: this column's digit lent one
    for (int c = 0; c < op.columnas; ++c) {
        int m = op.cifras[0][c];
        int s = op.cifras[1][c];
        QString frase;
        if (metodo1 && viene) {
            frase = QStringLiteral("%1 y 1 que me llevo son %2. ").arg(s).arg(s + 1);
            ++s;
        }
        if (!metodo1 && prestado) m = m == 0 ? 9 : m - 1;
        const bool lleva = m < s;
        const int res = lleva ? m + 10 - s : m - s;
        if (lleva) {
            frase += QStringLiteral("A %1 no le puedo quitar %2").arg(m).arg(s);
            frase +=
                metodo1 ? QStringLiteral(". ") : QStringLiteral(": ") + Pide(op, c) + u'.' + u' ';
        }
        frase += QStringLiteral("%1 menos %2 son %3: escribo el %3")
                     .arg(lleva ? m + 10 : m)
                     .arg(s)
                     .arg(res);
        if (lleva && metodo1) frase += QStringLiteral(" y me llevo 1");
        p.columna = c;
        p.frase = frase + u'.';
        pasos.push_back(p);
        p.resultado[c] = res;
        pasos.back().resultado[c] = res;
        viene = lleva;
        // A loan passes on through a 0 that had to lend itself.
        prestado = lleva || (prestado && op.cifras[0][c] == 0);
        r.Cifra(N(res));
        guardar();
    }
}

} // namespace

std::vector<PasoEjemplo> EjemploResuelto(const Operacion& op, bool es_suma, MetodoResta metodo) {
    std::vector<PasoEjemplo> pasos;
    if (es_suma)
        Suma(op, pasos);
    else
        Resta(op, metodo, pasos);
    return pasos;
}
