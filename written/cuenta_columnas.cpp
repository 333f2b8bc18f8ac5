#include "written/cuenta_columnas.h"

#include "nucleo/azar.h"

Operacion Sortear(Sorteo sorteo, int filas, int columnas) {
    Operacion op;
    op.filas = filas;
    op.columnas = columnas;
    for (int c = 0; c < columnas; ++c) {
        auto columna = [&] {
            for (int f = 0; f < filas; ++f)
                op.cifras[f][c] = Aleatorio(10);
        };
        columna();
        switch (sorteo) {
        case Sorteo::SumaSinLlevar:
            while (op.cifras[0][c] + op.cifras[1][c] > 9)
                columna();
            break;
        case Sorteo::SumaLlevaSiempre:
            while (c < 2 && op.cifras[0][c] + op.cifras[1][c] < 10)
                columna();
            break;
        case Sorteo::RestaSinLlevar:
            while (op.cifras[0][c] < op.cifras[1][c])
                columna();
            break;
        case Sorteo::SumaLibre:
            break;
        }
    }
    return op;
}

bool SorteoAdmite(Sorteo sorteo, const Operacion& op) {
    for (int c = 0; c < op.columnas; ++c) {
        const int a = op.cifras[0][c], b = op.cifras[1][c];
        if ((sorteo == Sorteo::SumaSinLlevar && a + b > 9) ||
            (sorteo == Sorteo::SumaLlevaSiempre && c < 2 && a + b < 10) ||
            (sorteo == Sorteo::RestaSinLlevar && a < b))
            return false;
    }
    return true;
}

void CuentaEnColumnas::Empezar(const Operacion& op, bool es_suma, bool con_llevadas) {
    op_ = op;
    con_llevadas_ = con_llevadas;
    resultados_.fill(0);
    for (int c = 0; c < op.columnas; ++c) {
        int r = es_suma ? 0 : op.cifras[0][c];
        for (int f = es_suma ? 0 : 1; f < op.filas; ++f)
            r += es_suma ? op.cifras[f][c] : -op.cifras[f][c];
        resultados_[c] = r;
    }
    columna_ = 1;
    esperando_llevada_ = false;
    terminada_ = false;
    texto_suma_.clear();
    cifra_resultado_.clear();
    llevada_.clear();
}

namespace {
int Valor(const QString& texto) {
    bool ok = false;
    const int v = texto.toInt(&ok);
    return ok ? v : -1;
}
} // namespace

CuentaEnColumnas::Juicio CuentaEnColumnas::Cifra(const QString& texto, bool editar_llevadas) {
    const int ultima = op_.columnas;
    if (terminada_ || esperando_llevada_ || columna_ > kMaxColumnas ||
        (!con_llevadas_ && columna_ > ultima))
        return Juicio::Nada;

    if (!con_llevadas_ || columna_ > ultima || resultados_[columna_ - 1] < 10) {
        // The thousands of a carrying sum expect the hundreds' carry.
        const bool millares = con_llevadas_ && columna_ > ultima;
        const bool bien = millares ? texto == llevada_ : Valor(texto) == Esperado();
        if (!bien) return Juicio::Fallo;
        if (millares || columna_ == ultima) {
            terminada_ = true;
            return Juicio::Fin;
        }
        ++columna_;
        return Juicio::Acierto;
    }

    const int s = resultados_[columna_ - 1];
    texto_suma_ = QString::number(s);
    cifra_resultado_ = texto_suma_.mid(1, 1);
    llevada_ = texto_suma_.left(1);
    if (texto != cifra_resultado_) return Juicio::Fallo;
    if (columna_ == ultima) {
        ++columna_;
        return Juicio::PasoMillares;
    }
    resultados_[columna_] += llevada_.toInt();
    if (editar_llevadas) {
        esperando_llevada_ = true;
        return Juicio::PideLlevada;
    }
    ++columna_;
    return Juicio::Acierto;
}

int CuentaEnColumnas::CifraEsperada() const {
    if (columna_ > op_.columnas) return llevada_.toInt();
    if (columna_ < 1 || columna_ > kMaxColumnas) return 0;
    const int s = resultados_[columna_ - 1];
    return con_llevadas_ ? s % 10 : s;
}

CuentaEnColumnas::Juicio CuentaEnColumnas::Llevada(const QString& texto) {
    if (!esperando_llevada_) return Juicio::Nada;
    if (texto != llevada_) return Juicio::LlevadaFallada;
    esperando_llevada_ = false;
    ++columna_;
    return Juicio::LlevadaAcertada;
}
