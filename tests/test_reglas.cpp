// The rules of column sums and subtractions driven by key sequences, with no
// window at all: this program links the rules library and Qt Core only.
#include "written/cuenta_columnas.h"
#include "written/resta_prestamo.h"

#include <QtTest>

namespace {

// "123+456" or "4003-1805", or three rows "127+335+248".
Operacion Op(const QString& cuenta, bool& es_suma) {
    es_suma = cuenta.contains(u'+');
    const QStringList filas = cuenta.split(QRegularExpression(QStringLiteral("[+-]")));
    Operacion op;
    op.filas = int(filas.size());
    op.columnas = int(filas.first().size());
    for (int f = 0; f < op.filas; ++f) {
        int n = filas[f].toInt();
        for (int c = 0; c < op.columnas; ++c, n /= 10)
            op.cifras[f][c] = n % 10;
    }
    return op;
}

QString Nombre(CuentaEnColumnas::Juicio j) {
    using J = CuentaEnColumnas::Juicio;
    switch (j) {
    case J::Nada:
        return QStringLiteral("nada");
    case J::Fallo:
        return QStringLiteral("fallo");
    case J::Acierto:
        return QStringLiteral("acierto");
    case J::PideLlevada:
        return QStringLiteral("pide llevada");
    case J::PasoMillares:
        return QStringLiteral("millares");
    case J::Fin:
        return QStringLiteral("fin");
    case J::LlevadaFallada:
        return QStringLiteral("llevada fallada");
    case J::LlevadaAcertada:
        return QStringLiteral("llevada acertada");
    }
    return {};
}

QString Nombre(RestaConPrestamo::Juicio j) {
    using J = RestaConPrestamo::Juicio;
    switch (j) {
    case J::Nada:
        return QStringLiteral("nada");
    case J::NoPuedesRestar:
        return QStringLiteral("no puedes restar");
    case J::Fallo:
        return QStringLiteral("fallo");
    case J::Acierto:
        return QStringLiteral("acierto");
    case J::Fin:
        return QStringLiteral("fin");
    case J::Marcas:
        return QStringLiteral("marcas");
    case J::NoTeLlevas:
        return QStringLiteral("no te llevas");
    }
    return {};
}

// The marks on paper so far, as "koru_c" or "menos1_d", sorted.
QStringList Vistas(const std::vector<PasoMarca>& todas) {
    const char* tipos[] = {"ayuda", "ayuda2", "mas1", "koru", "menos1"};
    QStringList r;
    for (const PasoMarca& p : todas) {
        if (p.tipo == PasoMarca::Esperar) continue;
        const QString m = QStringLiteral("%1_%2").arg(QLatin1String(tipos[int(p.marca)]),
                                                      QLatin1String(kColumna[p.columna]));
        if (!r.contains(m)) r << m;
    }
    r.sort();
    return r;
}

} // namespace

class TestReglas : public QObject {
    Q_OBJECT

private slots:
    void columnas_data() {
        QTest::addColumn<QString>("cuenta");
        QTest::addColumn<bool>("con_llevadas");
        QTest::addColumn<bool>("editar_llevadas");
        QTest::addColumn<QString>("teclas"); // each typed into whichever box is asking
        QTest::addColumn<QString>("juicios");
        QTest::newRow("no carries") << "123+456" << false << true << "975"
                                    << "acierto acierto fin";
        QTest::newRow("wrong digit, same column") << "123+456" << false << true << "8975"
                                                  << "fallo acierto acierto fin";
        QTest::newRow("not a digit") << "123+456" << false << true << "x9"
                                     << "fallo acierto";
        QTest::newRow("subtraction") << "987-654" << false << true << "333"
                                     << "acierto acierto fin";
        QTest::newRow("two digits") << "74-31" << false << true << "34"
                                    << "acierto fin";
        QTest::newRow("nothing after the end") << "123+456" << false << true << "9751"
                                               << "acierto acierto fin nada";
        // 127 + 335: 12 in the units, 6 in the tens with its carry.
        QTest::newRow("carry typed") << "127+335" << true << true << "2164"
                                     << "pide llevada llevada acertada acierto fin";
        QTest::newRow("wrong carry keeps the digit")
            << "127+335" << true << true << "23164"
            << "pide llevada llevada fallada llevada acertada acierto fin";
        QTest::newRow("carries not typed") << "127+335" << true << false << "264"
                                           << "acierto acierto fin";
        // 985 + 47: both carry, then a thousands digit.
        QTest::newRow("into the thousands") << "985+047" << true << false << "2301"
                                            << "acierto acierto millares fin";
        QTest::newRow("thousands typed wrong") << "985+047" << true << false << "23021"
                                               << "acierto acierto millares fallo fin";
        QTest::newRow("three rows") << "127+335+248" << true << false << "017"
                                    << "acierto acierto fin";
    }
    void columnas() {
        QFETCH(QString, cuenta);
        QFETCH(bool, con_llevadas);
        QFETCH(bool, editar_llevadas);
        QFETCH(QString, teclas);
        bool es_suma = false;
        const Operacion op = Op(cuenta, es_suma);
        CuentaEnColumnas c;
        c.Empezar(op, es_suma, con_llevadas);
        QStringList juicios;
        for (QChar t : teclas)
            juicios << Nombre(c.EsperaLlevada() ? c.Llevada(t)
                                                : c.Cifra(QString(t), editar_llevadas));
        QTEST(juicios.join(u' '), "juicios");
    }

    void restas_data() {
        QTest::addColumn<QString>("cuenta");
        QTest::addColumn<int>("metodo");
        QTest::addColumn<int>("marcar");
        QTest::addColumn<QString>("teclas"); // digits, and M for "Me llevo..."
        QTest::addColumn<QString>("juicios");
        QTest::addColumn<QStringList>("marcas");
        // 375 - 128: the units borrow, the tens do not.
        QTest::newRow("manual, digit before the button")
            << "375-128" << 1 << 2 << "7M7"
            << "no puedes restar marcas acierto" << QStringList{"ayuda_u", "mas1_d"};
        QTest::newRow("manual, button where nothing is borrowed")
            << "375-128" << 1 << 2 << "M7M4"
            << "marcas acierto no te llevas acierto" << QStringList{"ayuda_u", "mas1_d"};
        QTest::newRow("manual, button gone after a wrong press")
            << "375-128" << 1 << 2 << "M7MM4"
            << "marcas acierto no te llevas nada acierto" << QStringList{"ayuda_u", "mas1_d"};
        QTest::newRow("manual, last column")
            << "375-128" << 1 << 2 << "M742"
            << "marcas acierto acierto fin" << QStringList{"ayuda_u", "mas1_d"};
        QTest::newRow("nothing after the end")
            << "375-128" << 1 << 2 << "M7421M"
            << "marcas acierto acierto fin nada nada" << QStringList{"ayuda_u", "mas1_d"};
        QTest::newRow("manual, wrong digit")
            << "375-128" << 1 << 2 << "M87"
            << "marcas fallo acierto" << QStringList{"ayuda_u", "mas1_d"};
        QTest::newRow("never marked") << "375-128" << 2 << 0 << "742"
                                      << "acierto acierto fin" << QStringList{};
        QTest::newRow("never marked, no button") << "375-128" << 2 << 0 << "M7"
                                                 << "nada acierto" << QStringList{};
        // 305 - 127: a 0 in the tens; the methods part there.
        QTest::newRow("automatic, method 1: the tens borrow")
            << "305-127" << 1 << 1 << "871"
            << "acierto acierto fin" << QStringList{"ayuda_d", "ayuda_u", "mas1_c", "mas1_d"};
        QTest::newRow("automatic, method 2: the 0 lent and does not borrow")
            << "305-127" << 2 << 1 << "871"
            << "acierto acierto fin"
            << QStringList{"ayuda_u", "koru_c", "koru_d", "menos1_c", "menos1_d"};
        // 5321 - 2845, method 2: the tens borrow once lowered, then the
        // hundreds, whose crossing-out the rule remembers itself.
        QTest::newRow("automatic, method 2, lowered digits borrow")
            << "5321-2845" << 2 << 1 << "6742"
            << "acierto acierto acierto fin"
            << QStringList{"ayuda2_c", "ayuda2_d", "ayuda_u",  "koru_c",   "koru_d",
                           "koru_um",  "menos1_c", "menos1_d", "menos1_um"};
        QTest::newRow("manual, method 2, the same by the button")
            << "5321-2845" << 2 << 2 << "M6M7M42"
            << "marcas acierto marcas acierto marcas acierto fin"
            << QStringList{"ayuda2_c", "ayuda2_d", "ayuda_u",  "koru_c",   "koru_d",
                           "koru_um",  "menos1_c", "menos1_d", "menos1_um"};
        // 4003 - 1805: two zeros lend in a row.
        QTest::newRow("chain through zeros")
            << "4003-1805" << 2 << 1 << "8912"
            << "acierto acierto acierto fin"
            << QStringList{"ayuda_u",  "koru_c",   "koru_d",   "koru_um",
                           "menos1_c", "menos1_d", "menos1_um"};
    }
    void restas() {
        QFETCH(QString, cuenta);
        QFETCH(int, metodo);
        QFETCH(int, marcar);
        QFETCH(QString, teclas);
        bool es_suma = false;
        RestaConPrestamo r;
        r.Empezar(Op(cuenta, es_suma), MetodoResta(metodo), MarcarLlevadas(marcar));
        std::vector<PasoMarca> todas = r.Marcas();
        QStringList juicios;
        for (QChar t : teclas) {
            juicios << Nombre(t == u'M' ? r.MeLlevo() : r.Cifra(QString(t)));
            todas.insert(todas.end(), r.Marcas().begin(), r.Marcas().end());
        }
        QTEST(juicios.join(u' '), "juicios");
        QTEST(Vistas(todas), "marcas");
    }
};

QTEST_GUILESS_MAIN(TestReglas)
#include "test_reglas.moc"
