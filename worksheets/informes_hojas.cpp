#include "worksheets/informes_hojas.h"

#include "worksheets/hojas.h"

namespace hojas {

namespace {
constexpr int kCentro = Qt::AlignCenter;
constexpr int kDerecha = Qt::AlignRight | Qt::AlignVCenter;

EtiquetaDiseno Valor(const QString& nombre, int x, int y, int w, int h, int alineacion, int px) {
    return EtiquetaDiseno{nombre, QRect(x, y, w, h), QString(), alineacion, px};
}
EtiquetaDiseno Signo(const QString& nombre, const QString& texto, int x, int y, int w, int h,
                     int px) {
    return EtiquetaDiseno{nombre, QRect(x, y, w, h), texto, kCentro, px};
}
} // namespace

// ---- TForm_informe_1 ----

namespace {
const char kColumnas[3] = {'c', 'd', 'u'};
QString NombreCifra(int ejercicio, int columna, int fila) {
    return QStringLiteral("QRLabel_c%1_%2_f%3")
        .arg(ejercicio + 1)
        .arg(QLatin1Char(kColumnas[columna]))
        .arg(fila);
}
} // namespace

DisenoInforme TForm_informe_1::Diseno() {
    DisenoInforme d;
    d.filas_fijas = 5;
    d.alto_cabecera = 41;
    d.alto_detalle = 192;
    d.margen_mm = 15;
    struct Ejercicio {
        const char* signo;
        const char* texto;
        int x, y, columna0;
    };
    const Ejercicio ejercicios[4] = {{"QRLabel9", "+", 9, 82, 49},
                                     {"QRLabel8", "-", 180, 74, 220},
                                     {"QRLabel16", "+", 346, 82, 386},
                                     {"QRLabel2", "-", 514, 74, 554}};
    const int tops[3] = {10, 47, 82};
    for (int e = 0; e < 4; ++e) {
        const Ejercicio& ej = ejercicios[e];
        // The box reaches the bottom row's foot, so the sign centres beside it.
        d.etiquetas << Signo(QString::fromLatin1(ej.signo), QString::fromLatin1(ej.texto), ej.x,
                             ej.y, 31, 113 - ej.y, 26);
        for (int f = (e % 2 == 0 ? 0 : 1); f < 3; ++f)
            for (int c = 0; c < 3; ++c) {
                d.etiquetas << Valor(NombreCifra(e, c, f), ej.columna0 + 25 * c, tops[f], 31, 31,
                                     kCentro, 22);
                d.etiquetas.last().posicion = 3 - c; // hundreds, tens, units
            }
        d.lineas << QRect(ej.x, 115, 120, 2);
    }
    d.memo = QRect(10, 152, 631, 39);
    return d;
}

TForm_informe_1::TForm_informe_1(int tipo, QWidget* parent)
    : InformeHoja("Form_informe_1", Diseno(), parent), tipo_(tipo) {}

QString TForm_informe_1::GenerarFila(QHash<QString, QString>& valores) {
    const FilaInforme1 fila = SortearFilaInforme1(tipo_);
    for (int e = 0; e < 4; ++e)
        for (int f = 0; f < 3; ++f)
            for (int c = 0; c < 3; ++c)
                if (fila.cifra[e][f][c] != kVacia)
                    valores.insert(NombreCifra(e, c, f), QString::number(fila.cifra[e][f][c]));
    return SolucionesInforme1(fila);
}

// ---- TForm_informe_2 ----

DisenoInforme TForm_informe_2::Diseno() {
    DisenoInforme d;
    d.filas_fijas = 4;
    d.alto_cabecera = 41;
    d.alto_detalle = 248;
    d.margen_mm = 15;
    d.etiquetas << Signo(QStringLiteral("QRLabel9"), QStringLiteral("+"), 1, 129, 31, 31, 24)
                << Signo(QStringLiteral("QRLabel16"), QStringLiteral("-"), 146, 129, 31, 31, 24)
                << Signo(QStringLiteral("QRLabel8"), QStringLiteral("+"), 332, 129, 31, 31, 24)
                << Signo(QStringLiteral("QRLabel3"), QStringLiteral("-"), 490, 129, 31, 31, 24);
    // Numbers end just inside the right end of their line.
    const int izquierda[4] = {32, 178, 368, 522};
    const int ancho[4] = {85, 115, 85, 115};
    const int tops[5] = {132, 102, 72, 42, 12};
    for (int e = 0; e < 4; ++e) {
        const int filas = e % 2 == 0 ? 5 : 2;
        for (int f = 0; f < filas; ++f)
            d.etiquetas << Valor(QStringLiteral("QRLabel_c%1_f%2").arg(e + 1).arg(f + 1),
                                 izquierda[e], tops[f], ancho[e], 30, kDerecha, 20);
    }
    d.lineas << QRect(7, 167, 114, 2) << QRect(152, 167, 145, 2) << QRect(343, 167, 114, 2)
             << QRect(496, 167, 145, 2);
    d.memo = QRect(10, 202, 631, 39);
    return d;
}

TForm_informe_2::TForm_informe_2(int tipo, QWidget* parent)
    : InformeHoja("Form_informe_2", Diseno(), parent), tipo_(tipo) {}

QString TForm_informe_2::GenerarFila(QHash<QString, QString>& valores) {
    const FilaInforme2 fila = SortearFilaInforme2(tipo_);
    for (int i = 0; i < 2; ++i) {
        const int suma = 2 * i + 1;
        for (int f = 0; f < 4; ++f)
            if (fila.sumando[i][f] != kVacia)
                valores.insert(QStringLiteral("QRLabel_c%1_f%2").arg(suma).arg(f + 1),
                               Espaciado(QString::number(fila.sumando[i][f])));
        const int resta = 2 * i + 2;
        valores.insert(QStringLiteral("QRLabel_c%1_f2").arg(resta),
                       Espaciado(fila.resta[i].minuendo));
        valores.insert(QStringLiteral("QRLabel_c%1_f1").arg(resta),
                       Espaciado(fila.resta[i].sustraendo));
    }
    return SolucionesInforme2(fila);
}

// ---- TForm_informe_3 ----

namespace {
const QString kPuntos7 = QStringLiteral(".......");
const QString kPuntos5 = QStringLiteral(".....");

QString Termino(const CuentaHoja& c, int i, const QString& puntos) {
    return i == c.oculto ? puntos : QString::number(c.termino[i]);
}
} // namespace

DisenoInforme TForm_informe_3::Diseno() {
    DisenoInforme d;
    d.filas_fijas = 6;
    d.alto_cabecera = 60;
    d.alto_detalle = 159;
    d.margen_mm = 10;
    struct Ejercicio {
        int top, p1;
        const char* signo;
        const char* texto;
        int x_signo, top_signo, p2;
        const char* igual;
        int x_igual, s;
    };
    const Ejercicio ejercicios[4] = {
        {10, 3, "QRLabel9", "+", 67, 10, 102, "QRLabel5", 166, 200},
        {10, 375, "QRLabel8", "_", 439, 0, 475, "QRLabel6", 539, 574},
        {77, 2, "QRLabel16", "_", 66, 67, 101, "QRLabel7", 165, 199},
        {77, 374, "QRLabel13", "+", 438, 77, 474, "QRLabel11", 538, 573}};
    for (int e = 0; e < 4; ++e) {
        const Ejercicio& ej = ejercicios[e];
        const QString n = QString::number(e + 1);
        d.etiquetas
            << Valor(QStringLiteral("QRLabel_c%1_p1").arg(n), ej.p1, ej.top, 60, 30, kCentro, 22)
            << Signo(QString::fromLatin1(ej.signo), QString::fromLatin1(ej.texto), ej.x_signo,
                     ej.top_signo, 30, 30, 22)
            << Valor(QStringLiteral("QRLabel_c%1_p2").arg(n), ej.p2, ej.top, 60, 30, kCentro, 22)
            << Signo(QString::fromLatin1(ej.igual), QStringLiteral("="), ej.x_igual, ej.top, 30, 30,
                     22)
            << Valor(QStringLiteral("QRLabel_c%1_s").arg(n), ej.s, ej.top, 60, 30, kCentro, 22);
    }
    d.memo = QRect(8, 116, 631, 39);
    return d;
}

TForm_informe_3::TForm_informe_3(QWidget* parent)
    : InformeHoja("Form_informe_3", Diseno(), parent) {}

QString TForm_informe_3::GenerarFila(QHash<QString, QString>& valores) {
    const FilaInforme3 fila = SortearFilaInforme3(AjustesCalculoMental(TipoMental::Sumas),
                                                  AjustesCalculoMental(TipoMental::Restas));
    const char* nombres[3] = {"p1", "p2", "s"};
    for (int e = 0; e < 4; ++e)
        for (int i = 0; i < 3; ++i)
            valores.insert(
                QStringLiteral("QRLabel_c%1_%2").arg(e + 1).arg(QLatin1String(nombres[i])),
                Termino(fila.cuenta[e], i, kPuntos7));
    return SolucionesMental(fila.cuenta, 4);
}

// ---- TForm_informe_4 ----

namespace {
const char* const kNombresA[4] = {"p1", "p2", "s", "r"};
const char* const kNombresB[4] = {"s1", "s2", "p", "r"};
} // namespace

DisenoInforme TForm_informe_4::Diseno() {
    DisenoInforme d;
    d.filas_fijas = 4;
    d.alto_cabecera = 60;
    d.alto_detalle = 236;
    d.margen_mm = 10;
    const int lineas[3] = {13, 83, 153};
    //                  (   t1  op  t2  )    op2  t3   =    r
    const int izq[9] = {7, 27, 61, 81, 115, 135, 157, 196, 219};
    const int der[9] = {359, 379, 413, 432, 466, 486, 507, 547, 569};
    const QString menos = QStringLiteral("_");
    const QString mas = QStringLiteral("+");
    for (int e = 0; e < 6; ++e) {
        const int* x = e % 2 == 0 ? izq : der;
        const int y = lineas[e / 2];
        const QString n = QString::number(e + 1);
        const char* const* nombres = kFormaB[e] ? kNombresB : kNombresA;
        const QString& op1 = kFormaB[e] ? menos : mas;
        const QString& op2 = kFormaB[e] ? mas : menos;
        auto NombreSigno = [&](const char* s) {
            return QStringLiteral("QRLabel_c%1_%2").arg(n, QLatin1String(s));
        };
        auto Termino = [&](int i) {
            return QStringLiteral("QRLabel_c%1_%2").arg(n, QLatin1String(nombres[i]));
        };
        auto TopSigno = [&](const QString& s) { return s == menos ? y - 9 : y; };
        d.etiquetas << Signo(NombreSigno("abre"), QStringLiteral("("), x[0], y - 6, 20, 42, 20)
                    << Valor(Termino(0), x[1], y, 35, 30, kCentro, 17)
                    << Signo(NombreSigno("op1"), op1, x[2], TopSigno(op1), 20, 30, 20)
                    << Valor(Termino(1), x[3], y, 35, 30, kCentro, 17)
                    << Signo(NombreSigno("cierra"), QStringLiteral(")"), x[4], y - 6, 20, 42, 20)
                    << Signo(NombreSigno("op2"), op2, x[5], TopSigno(op2), 20, 30, 20)
                    << Valor(Termino(2), x[6], y, 35, 30, kCentro, 17)
                    << Signo(NombreSigno("igual"), QStringLiteral("="), x[7], y, 20, 30, 20)
                    << Valor(Termino(3), x[8], y, 65, 30, kCentro, 17);
    }
    d.memo = QRect(4, 193, 631, 39);
    return d;
}

TForm_informe_4::TForm_informe_4(QWidget* parent)
    : InformeHoja("Form_informe_4", Diseno(), parent) {}

QString TForm_informe_4::GenerarFila(QHash<QString, QString>& valores) {
    const FilaInforme4 fila = SortearFilaInforme4(AjustesCalculoMental(TipoMental::Sumas),
                                                  AjustesCalculoMental(TipoMental::Restas));
    for (int e = 0; e < 6; ++e) {
        const char* const* nombres = kFormaB[e] ? kNombresB : kNombresA;
        const QString& puntos = e == 0 ? kPuntos5 : kPuntos7;
        for (int i = 0; i < 4; ++i)
            valores.insert(
                QStringLiteral("QRLabel_c%1_%2").arg(e + 1).arg(QLatin1String(nombres[i])),
                Termino(fila.cuenta[e], i, puntos));
    }
    return SolucionesMental(fila.cuenta, 6);
}

} // namespace hojas
