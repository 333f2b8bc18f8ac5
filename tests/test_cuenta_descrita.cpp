// Exercises drawn to a description for a pattern, with no window: every
// draw meets its description, is one its window could show and judge to
// the end, and offers the pattern; the same seed draws the same again.
#include "aprendizaje/cuenta_descrita.h"
#include "aprendizaje/diagnostico.h"
#include "written/resta_prestamo.h"

#include <QtTest>

Q_DECLARE_METATYPE(DescripcionCuenta)

namespace {

constexpr int kSorteos = 3000;

// "305-127" in a window: rows by digits, units first.
CuentaDescrita Hecha(const DescripcionCuenta& d, const QString& cuenta) {
    CuentaDescrita c;
    c.descripcion = d;
    const QStringList filas = cuenta.split(QRegularExpression(QStringLiteral("[+-]")));
    c.op.filas = int(filas.size());
    c.op.columnas = d.columnas;
    for (int f = 0; f < c.op.filas; ++f) {
        int32_t x = filas[f].toInt();
        for (int k = 0; k < d.columnas; ++k, x /= 10)
            c.op.cifras[f][k] = x % 10;
    }
    return c;
}

DescripcionCuenta Resta(std::initializer_list<int> lleva, std::initializer_list<int> cero,
                        int cifras, int32_t ventana = VentanaRestas4b) {
    DescripcionCuenta d;
    d.ventana = ventana;
    d.es_suma = false;
    d.columnas = int(lleva.size());
    int k = 0;
    for (int x : lleva)
        d.lleva[k++] = x;
    k = 0;
    for (int x : cero)
        d.cero[k++] = x;
    d.cifras_resultado = cifras;
    return d;
}

// The window's own rules take the right answers to the end.
bool SeJuzgaHastaElFin(const CuentaDescrita& c) {
    const DescripcionCuenta& d = c.descripcion;
    const std::vector<PasoJuzgado> pasos = PasosDe(c);
    if (d.EsMental())
        return pasos.size() == 1 && pasos[0].correcto == ValorIncognita(c.mental, d.incognita);
    if (d.ventana == VentanaRestas4b || d.ventana == VentanaRestas5) {
        RestaConPrestamo r;
        r.Empezar(c.op, d.metodo, MarcarLlevadas::Nunca);
        RestaConPrestamo::Juicio j = RestaConPrestamo::Juicio::Nada;
        for (const PasoJuzgado& p : pasos)
            j = r.Cifra(QString::number(p.correcto));
        return j == RestaConPrestamo::Juicio::Fin;
    }
    CuentaEnColumnas cuenta;
    const bool llevadas = d.es_suma && d.ventana != VentanaSumas3b;
    cuenta.Empezar(c.op, d.es_suma, llevadas);
    CuentaEnColumnas::Juicio j = CuentaEnColumnas::Juicio::Nada;
    for (const PasoJuzgado& p : pasos) {
        const QString t = QString::number(p.correcto);
        j = p.que == PasoJuzgado::Que::Llevada ? cuenta.Llevada(t) : cuenta.Cifra(t, true);
        if (j == CuentaEnColumnas::Juicio::Fallo || j == CuentaEnColumnas::Juicio::LlevadaFallada)
            return false;
    }
    return j == CuentaEnColumnas::Juicio::Fin;
}

} // namespace

class TestCuentaDescrita : public QObject {
    Q_OBJECT

private slots:
    void cumple_data() {
        QTest::addColumn<DescripcionCuenta>("descripcion");
        QTest::addColumn<QString>("cuenta");
        QTest::addColumn<bool>("cumple");
        QTest::newRow("100-1 borrows twice") << Resta({1, 1, 0}, {1, 1, 0}, 2) << "100-1" << true;
        QTest::newRow("100-1 is no single borrow")
            << Resta({1, 0, 0}, {1, 1, 0}, 2) << "100-1" << false;
        QTest::newRow("305-127 through one zero")
            << Resta({1, 1, 0}, {0, 1, 0}, 3) << "305-127" << true;
        QTest::newRow("a zero where none was asked")
            << Resta({1, 1, 0}, {0, 0, 0}, 3) << "305-127" << false;
        QTest::newRow("3004-1236 through two zeros")
            << Resta({1, 1, 1, 0}, {0, 1, 1, 0}, 4, VentanaRestas5) << "3004-1236" << true;
        QTest::newRow("result with one digit less")
            << Resta({1, 1, 0}, {0, 0, 0}, 3) << "243-157" << false;
        QTest::newRow("the tens pay the loan without a borrow of their own")
            << Resta({1, 0, 0}, {0, 0, 0}, 3) << "253-128" << true;
        DescripcionCuenta suma;
        suma.lleva[0] = suma.lleva[1] = true;
        QTest::newRow("456+378 carries twice") << suma << "456+378" << true;
        QTest::newRow("the carry makes the tens carry") << suma << "456+344" << true;
        QTest::newRow("a carry out of the hundreds: four digits") << suma << "856+378" << false;
        DescripcionCuenta cero = suma;
        cero.cero[1] = true;
        QTest::newRow("0 on top of the tens, as asked") << cero << "406+398" << true;
    }
    void cumple() {
        QFETCH(DescripcionCuenta, descripcion);
        QFETCH(QString, cuenta);
        QTEST(CumpleDescripcion(descripcion, Hecha(descripcion, cuenta)), "cumple");
    }

    // What the windows draw themselves they must admit; what they never
    // draw they must not.
    void admiteLoQueSortea() {
        srand(7);
        for (int i = 0; i < kSorteos; ++i) {
            DescripcionCuenta d = Resta({1, 0, 0}, {}, 3);
            CuentaDescrita c;
            c.descripcion = d;
            c.op = RestaConPrestamo::Sortear(3);
            QVERIFY(VentanaAdmite(c));
            d.ventana = VentanaRestas5;
            d.columnas = 4;
            c.descripcion = d;
            c.op = RestaConPrestamo::Sortear(4);
            QVERIFY(VentanaAdmite(c));
            DescripcionCuenta s;
            s.ventana = VentanaSumas4b;
            c.descripcion = s;
            c.op = Sortear(Sorteo::SumaLlevaSiempre, 2, 3);
            QVERIFY(VentanaAdmite(c));
        }
        QVERIFY(!VentanaAdmite(Hecha(Resta({0, 0, 0}, {}, 3), "357-124")));
        QVERIFY(!VentanaAdmite(Hecha(Resta({1, 0, 0}, {}, 3), "153-224")));
        DescripcionCuenta s;
        s.ventana = VentanaSumas4b;
        QVERIFY(!VentanaAdmite(Hecha(s, "412+375")));
        s.ventana = VentanaSumas3b;
        QVERIFY(!VentanaAdmite(Hecha(s, "456+378")));
    }

    void porPatron_data() {
        QTest::addColumn<DescripcionCuenta>("descripcion");
        for (const Patron& p : Patrones()) {
            const std::vector<DescripcionCuenta> v = DescripcionesDePatron(QLatin1String(p.codigo));
            QVERIFY2(!v.empty(), p.codigo);
            for (size_t i = 0; i < v.size(); ++i)
                QTest::addRow("%s %zu", p.codigo, i) << v[i];
        }
    }
    void porPatron() {
        QFETCH(DescripcionCuenta, descripcion);
        const Patron* patron = BuscarPatron(QLatin1String(descripcion.patron));
        QVERIFY(patron);
        AzarSembrado azar(20261210);
        QSet<QString> distintas;
        for (int i = 0; i < kSorteos; ++i) {
            CuentaDescrita c;
            QVERIFY(SortearDescrita(descripcion, azar, c));
            QVERIFY(CumpleDescripcion(descripcion, c));
            QVERIFY(VentanaAdmite(c));
            QVERIFY(SeJuzgaHastaElFin(c));
            bool ofrece = false;
            for (const PasoJuzgado& p : PasosDe(c))
                ofrece = ofrece || EsOportunidad(*patron, p);
            QVERIFY(ofrece);
            distintas << (descripcion.EsMental()
                              ? QStringLiteral("%1 %2").arg(c.mental.primero).arg(c.mental.segundo)
                              : QStringLiteral("%1 %2").arg(c.Fila(0)).arg(c.Fila(1)));
        }
        // Practice, not one exercise over and over.
        QVERIFY2(distintas.size() > 20, qPrintable(QString::number(distintas.size())));
    }

    void semilla() {
        const DescripcionCuenta d =
            DescripcionesDePatron(QStringLiteral("prestamo_cadena_cero"))[1];
        auto hoja = [&](uint64_t s) {
            AzarSembrado azar(s);
            QStringList filas;
            for (int i = 0; i < 12; ++i) {
                CuentaDescrita c;
                if (!SortearDescrita(d, azar, c)) return QStringList();
                filas << QStringLiteral("%1-%2").arg(c.Fila(0)).arg(c.Fila(1));
            }
            return filas;
        };
        QCOMPARE(hoja(41).size(), 12);
        QCOMPARE(hoja(41), hoja(41));
        QVERIFY(hoja(41) != hoja(42));
    }

    // A description nothing can meet draws nothing rather than a wrong one.
    void imposible() {
        DescripcionCuenta d = Resta({1, 0, 0}, {0, 0, 0}, 3);
        d.lleva[2] = true; // the hundreds can never borrow in this window
        AzarSembrado azar(1);
        CuentaDescrita c;
        QVERIFY(!SortearDescrita(d, azar, c));
    }
};

QTEST_GUILESS_MAIN(TestCuentaDescrita)
#include "test_cuenta_descrita.moc"
