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

std::vector<PasoEjemplo> EjemploMental(const CuentaMental& c, TipoMental tipo,
                                       Incognita incognita) {
    std::vector<QString> frases;
    const int32_t a = c.primero, b = c.segundo, r = c.resultado;
    auto f = [](const char* texto) { return QString::fromUtf8(texto); };
    if (tipo == TipoMental::Sumas) {
        if (incognita == Incognita::Resultado) {
            const int32_t falta = 10 - a % 10;
            if (a % 10 + b % 10 >= 10) {
                frases.push_back(
                    f("Completo la decena: %1 y %2 son %3.").arg(a).arg(falta).arg(a + falta));
                if (b > falta)
                    frases.push_back(f("De %1 me quedan %2: %3 y %2 son %4.")
                                         .arg(b)
                                         .arg(b - falta)
                                         .arg(a + falta)
                                         .arg(r));
            } else {
                frases.push_back(f("%1 y %2 son %3.").arg(a).arg(b).arg(r));
            }
            frases.push_back(f("Escribo el %1.").arg(r));
        } else {
            const int32_t visto = incognita == Incognita::Primero ? b : a;
            const int32_t oculto = r - visto;
            frases.push_back(f("¿Cuánto le falta a %1 para llegar a %2?").arg(visto).arg(r));
            frases.push_back(f("%1 menos %2 son %3.").arg(r).arg(visto).arg(oculto));
            frases.push_back(f("Lo compruebo: %1 y %2 son %3. Escribo el %4.")
                                 .arg(incognita == Incognita::Primero ? oculto : a)
                                 .arg(incognita == Incognita::Primero ? b : oculto)
                                 .arg(r)
                                 .arg(oculto));
        }
    } else if (incognita == Incognita::Resultado) {
        const int32_t unidades = a % 10;
        if (unidades < b % 10 && unidades > 0) {
            frases.push_back(f("Quito primero %1 para llegar a la decena: %2 menos %1 son %3.")
                                 .arg(unidades)
                                 .arg(a)
                                 .arg(a - unidades));
            frases.push_back(f("Me quedan por quitar %1: %2 menos %1 son %3.")
                                 .arg(b - unidades)
                                 .arg(a - unidades)
                                 .arg(r));
        } else {
            frases.push_back(f("%1 menos %2 son %3.").arg(a).arg(b).arg(r));
        }
        frases.push_back(f("Escribo el %1.").arg(r));
    } else if (incognita == Incognita::Primero) {
        frases.push_back(f("¿De qué número quito %1 y me quedan %2?").arg(b).arg(r));
        frases.push_back(f("Lo junto: %1 y %2 son %3.").arg(r).arg(b).arg(a));
        frases.push_back(
            f("Lo compruebo: %1 menos %2 son %3. Escribo el %1.").arg(a).arg(b).arg(r));
    } else {
        frases.push_back(f("¿Cuánto le quito a %1 para que me queden %2?").arg(a).arg(r));
        frases.push_back(f("%1 menos %2 son %3.").arg(a).arg(r).arg(b));
        frases.push_back(
            f("Lo compruebo: %1 menos %2 son %3. Escribo el %2.").arg(a).arg(b).arg(r));
    }
    std::vector<PasoEjemplo> pasos;
    for (const QString& frase : frases) {
        PasoEjemplo p;
        p.frase = frase;
        pasos.push_back(p);
    }
    return pasos;
}
