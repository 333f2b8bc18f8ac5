#include "worksheets/hojas.h"

#include "nucleo/azar.h"

namespace hojas {

int32_t ancho_zona = 2100;
int32_t largo_zona = 2970;
int32_t tipo_hoja = kSinLlevadas;

int FilasPorPagina(int32_t largo, int alto_cabecera, int alto_detalle) {
    const int filas = (largo - alto_cabecera) / alto_detalle * 38 / 100;
    return filas < 1 ? 1 : filas;
}

namespace {
constexpr int kC = 0, kU = 2;

void VaciarEjercicio(int cifra[3][3]) {
    for (int f = 0; f < 3; ++f)
        for (int c = 0; c < 3; ++c)
            cifra[f][c] = kVacia;
}

void SumaSinLlevar(int cifra[3][3]) {
    for (int c = kC; c <= kU; ++c) {
        do {
            cifra[1][c] = Aleatorio(10);
            cifra[2][c] = Aleatorio(10);
        } while (cifra[1][c] + cifra[2][c] > 9);
    }
}

void SumaConLlevadas(int cifra[3][3], bool tres_filas) {
    for (int c = kC; c <= kU; ++c) {
        do {
            cifra[1][c] = Aleatorio(10);
            cifra[2][c] = Aleatorio(10);
        } while (c != kC && cifra[1][c] + cifra[2][c] < 9);
        if (tres_filas) cifra[0][c] = Aleatorio(10);
    }
}

void RestaSinLlevar(int cifra[3][3], int desde) {
    for (int c = desde; c <= kU; ++c) {
        do {
            cifra[1][c] = Aleatorio(10);
            cifra[2][c] = Aleatorio(10);
        } while (cifra[2][c] > cifra[1][c]);
    }
}

int32_t Sumando() {
    int32_t n = Aleatorio(1000);
    return n < 10 ? n + 10 : n;
}
} // namespace

FilaInforme1 SortearFilaInforme1(int tipo) {
    FilaInforme1 fila;
    for (auto& e : fila.cifra)
        VaciarEjercicio(e);
    // Exercises 1 and 3 are drawn before 2 and 4.
    for (int e : {0, 2}) {
        if (tipo == kSinLlevadas)
            SumaSinLlevar(fila.cifra[e]);
        else
            SumaConLlevadas(fila.cifra[e], tipo == kConLlevadasTresFilas);
    }
    for (int e : {1, 3})
        RestaSinLlevar(fila.cifra[e], tipo == kSinLlevadas ? 1 : 0);
    return fila;
}

QString RespuestaSumaColumnas(const int cifra[3][3]) {
    int valor[3] = {};
    for (int c = 0; c < 3; ++c)
        for (int f = 0; f < 3; ++f)
            if (cifra[f][c] != kVacia) valor[c] += cifra[f][c];
    for (int c = kU; c > kC; --c) {
        const int llevada = valor[c] / 10;
        valor[c] -= 10 * llevada;
        valor[c - 1] += llevada;
    }
    return QString::number(valor[0]) + QString::number(valor[1]) + QString::number(valor[2]);
}

QString RespuestaRestaColumnas(const int cifra[3][3]) {
    QString r;
    for (int c = 0; c < 3; ++c)
        if (cifra[1][c] != kVacia) r += QString::number(cifra[1][c] - cifra[2][c]);
    return r;
}

QString SolucionesInforme1(const FilaInforme1& fila) {
    return QStringLiteral("~[%1][%2][%3][%4]")
        .arg(RespuestaSumaColumnas(fila.cifra[0]), RespuestaRestaColumnas(fila.cifra[1]),
             RespuestaSumaColumnas(fila.cifra[2]), RespuestaRestaColumnas(fila.cifra[3]));
}

bool ForzarPrestamo(int32_t m, int32_t s, RestaDeHoja& r) {
    QString tm = QString::number(m);
    const int n = int(tm.size());
    QString ts = QString::number(s).rightJustified(n == 3 ? 3 : n == 4 ? 4 : 2, QLatin1Char('0'));
    if (ts.size() > tm.size()) return false; // s must not be wider than m
    const int columnas = n == 4 ? 2 : 1;
    for (int k = 1; k <= columnas; ++k) {
        QChar& dm = tm[n - k];
        QChar& ds = ts[ts.size() - k];
        if (dm > ds) std::swap(dm, ds);
        if (dm == ds) {
            if (dm == QLatin1Char('0'))
                ds = QChar(ds.unicode() + 1);
            else
                dm = QChar(dm.unicode() - 1);
        }
    }
    const int32_t nm = tm.toInt();
    const int32_t ns = ts.toInt();
    if (nm <= ns) return false;
    r.minuendo = tm;
    r.sustraendo = ts;
    r.resta = nm - ns;
    return true;
}

RestaDeHoja SortearRestaDeHoja(int32_t limite) {
    RestaDeHoja r;
    for (;;) {
        int32_t s, m;
        do {
            s = Aleatorio(limite);
            m = Aleatorio(limite);
        } while (m <= s);
        if (m < 10) m += 10;
        if (ForzarPrestamo(m, s, r)) return r;
    }
}

FilaInforme2 SortearFilaInforme2(int tipo) {
    FilaInforme2 fila;
    const int sumandos = tipo == kConPrestamoDificil ? 4 : 3;
    const int32_t limite = tipo == kConPrestamoDificil ? 10000 : 1000;
    for (int e = 0; e < 2; ++e) {
        auto& s = fila.sumando[e];
        for (int f = 0; f < 4; ++f)
            s[f] = kVacia;
        int32_t suma = 0;
        // Drawn from the top row down to f1.
        for (int f = sumandos - 1; f >= 0; --f) {
            s[f] = Sumando();
            suma += s[f];
        }
        fila.respuesta[2 * e] = suma;
        fila.resta[e] = SortearRestaDeHoja(limite);
        fila.respuesta[2 * e + 1] = fila.resta[e].resta;
    }
    return fila;
}

QString SolucionesInforme2(const FilaInforme2& fila) {
    return QStringLiteral("~[%1][%2][%3][%4]")
        .arg(fila.respuesta[0])
        .arg(fila.respuesta[1])
        .arg(fila.respuesta[2])
        .arg(fila.respuesta[3]);
}

QString Espaciado(const QString& numero) {
    QString r;
    for (QChar c : numero) {
        if (!r.isEmpty()) r += QLatin1Char(' ');
        r += c;
    }
    return r;
}

namespace {
int32_t Segundo(const AjustesMental& a) {
    return a.tabla ? a.limite2 : Aleatorio(a.limite2 + 1);
}
} // namespace

void SortearParSuma(const AjustesMental& sumas, int32_t& a, int32_t& b) {
    a = Aleatorio(sumas.limite1 + 1);
    b = Segundo(sumas);
}

void SortearParResta(const AjustesMental& restas, int32_t& m, int32_t& s) {
    do {
        m = Aleatorio(restas.limite1 + 1);
        s = Segundo(restas);
    } while (s > m);
}

CuentaHoja SortearFormaA(const AjustesMental& sumas, const AjustesMental& restas, int oculto) {
    CuentaHoja c;
    c.terminos = 4;
    c.oculto = oculto;
    int32_t p1, p2, s;
    do {
        p1 = Aleatorio(sumas.limite1 + 1);
        p2 = Segundo(sumas);
        s = Segundo(restas);
    } while (p1 + p2 < s);
    c.termino[0] = p1;
    c.termino[1] = p2;
    c.termino[2] = s;
    c.termino[3] = p1 + p2 - s;
    return c;
}

CuentaHoja SortearFormaB(const AjustesMental& sumas, const AjustesMental& restas, int oculto) {
    CuentaHoja c;
    c.terminos = 4;
    c.oculto = oculto;
    int32_t s1, s2, p;
    do {
        s1 = Aleatorio(restas.limite1 + 1);
        if (s1 == 0) s1 = 1;
        s2 = Segundo(restas);
        p = Segundo(sumas);
    } while (s1 < s2);
    c.termino[0] = s1;
    c.termino[1] = s2;
    c.termino[2] = p;
    c.termino[3] = s1 - s2 + p;
    return c;
}

FilaInforme3 SortearFilaInforme3(const AjustesMental& sumas, const AjustesMental& restas) {
    FilaInforme3 fila;
    const int oculto[4] = {0, 1, 0, 1};
    for (int e = 0; e < 4; ++e) {
        CuentaHoja& c = fila.cuenta[e];
        c.oculto = oculto[e];
        const bool suma = e == 0 || e == 3;
        if (suma) {
            SortearParSuma(sumas, c.termino[0], c.termino[1]);
            c.termino[2] = c.termino[0] + c.termino[1];
        } else {
            SortearParResta(restas, c.termino[0], c.termino[1]);
            c.termino[2] = c.termino[0] - c.termino[1];
        }
    }
    return fila;
}

FilaInforme4 SortearFilaInforme4(const AjustesMental& sumas, const AjustesMental& restas) {
    FilaInforme4 fila;
    const int oculto[6] = {2, 1, 1, 3, 2, 0};
    for (int e = 0; e < 6; ++e)
        fila.cuenta[e] = kFormaB[e] ? SortearFormaB(sumas, restas, oculto[e])
                                    : SortearFormaA(sumas, restas, oculto[e]);
    return fila;
}

QString SolucionesMental(const CuentaHoja* cuentas, int n) {
    QString r;
    for (int e = 0; e < n; ++e) {
        r += e % 2 == 0 ? QStringLiteral("~[") : QStringLiteral("[");
        r += QString::number(cuentas[e].Respuesta()) + QLatin1Char(']');
    }
    return r + QLatin1Char(' ');
}

QStringList LineasSoluciones(const QString& texto, double ancho,
                             const std::function<double(const QString&)>& ancho_de) {
    QStringList lineas;
    QString linea;
    for (qsizetype desde = 0; desde < texto.size();) {
        qsizetype hasta = texto.indexOf(QLatin1Char(']'), desde);
        hasta = hasta < 0 ? texto.size() : hasta + 1;
        while (hasta < texto.size() && texto[hasta] == QLatin1Char(' '))
            ++hasta;
        const QString respuesta = texto.mid(desde, hasta - desde);
        desde = hasta;
        // The blanks after a row's last answer take no room at a line's end.
        if (!linea.isEmpty() && ancho_de((linea + respuesta).trimmed()) > ancho) {
            lineas << linea.trimmed();
            linea.clear();
        }
        linea += respuesta;
    }
    if (!linea.isEmpty()) lineas << linea;
    return lineas;
}

} // namespace hojas
