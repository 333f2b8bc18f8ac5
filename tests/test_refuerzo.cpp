// zifra --refuerzo through the built executable, read back with pdftotext:
// every exercise printed meets a description of its pattern and could be
// shown by its window, every answer at the foot is right, a seed gives
// the same page again, and the errors exit as the other commands do.
#include "aprendizaje/refuerzo.h"
#include "diarios_prueba.h"
#include "pasos_prueba.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Salida {
    int estado = -1;
    QByteArray err;
};

Salida Zifra(const QStringList& args) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(ZIFRA_EJECUTABLE), args);
    p.waitForFinished(60000);
    Salida s;
    s.estado = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    s.err = p.readAllStandardError();
    return s;
}

// One string per page, as printed.
QStringList Paginas(const QString& pdf) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    p.waitForFinished(30000);
    QStringList paginas = QString::fromUtf8(p.readAllStandardOutput()).split(u'\f');
    if (!paginas.isEmpty() && paginas.last().trimmed().isEmpty()) paginas.removeLast();
    return paginas;
}

// Ana subtracts the smaller digit from the larger; Bea forgets the carry;
// Carlos makes no mistake.
bool Clase(const QString& carpeta) {
    Diario d;
    d.jugador = QStringLiteral("Ana");
    for (int i = 0; i < 2; ++i)
        d.Columnas(VentanaRestas4b, QStringLiteral("142-28"), M1, {{6, 4}, {1}, {1}});
    d.jugador = QStringLiteral("Bea");
    for (int i = 0; i < 2; ++i)
        d.Columnas(VentanaSumas4b, QStringLiteral("456+378"), M1, {{4}, {2, 3}, {8}});
    d.jugador = QStringLiteral("Carlos");
    d.Columnas(VentanaRestas4b, QStringLiteral("142-28"), M1, {{4}, {1}, {1}});
    return DiarioDe(carpeta, QStringLiteral("aula-1"), d.pasos);
}

struct Leida {
    QString codigo;                    // the pattern, by its name in the footer
    std::vector<QList<int32_t>> filas; // of each exercise, top row first
    bool suma = true;
    QMap<QString, int32_t> soluciones;
};

// The exercises of a page of column exercises: after each row of labels
// "a) b) c) d)", one line per row of the operations, four per line.
Leida Leer(const QString& pagina) {
    Leida l;
    for (const Patron& p : Patrones())
        if (pagina.contains(QStringLiteral("Para practicar: ") + NombrePatron(p, M1)))
            l.codigo = QLatin1String(p.codigo);
    const QStringList lineas = pagina.split(u'\n');
    static const QRegularExpression rotulos(QStringLiteral("^\\s*[a-l]\\)\\s+[a-l]\\)"));
    static const QRegularExpression numero(QStringLiteral("([-+])?\\s*(\\d+)"));
    for (int i = 0; i < lineas.size(); ++i) {
        if (!rotulos.match(lineas[i]).hasMatch()) continue;
        const size_t primero = l.filas.size();
        for (int j = i + 1; j < lineas.size() && !lineas[j].trimmed().isEmpty(); ++j) {
            size_t k = primero;
            for (auto m = numero.globalMatch(lineas[j]); m.hasNext(); ++k) {
                const QRegularExpressionMatch x = m.next();
                if (k >= l.filas.size()) l.filas.resize(k + 1);
                l.filas[k] << x.captured(2).toInt();
                if (!x.captured(1).isEmpty()) l.suma = x.captured(1) == QLatin1String("+");
            }
        }
    }
    static const QRegularExpression solucion(QStringLiteral("([a-l])\\) (\\d+)"));
    const int desde = pagina.indexOf(QStringLiteral("Soluciones:"));
    if (desde >= 0)
        for (auto m = solucion.globalMatch(pagina.mid(desde)); m.hasNext();) {
            const QRegularExpressionMatch x = m.next();
            l.soluciones[x.captured(1)] = x.captured(2).toInt();
        }
    return l;
}

// Meets one of the pattern's descriptions, in its window's columns.
bool CumpleAlguna(const QString& codigo, const QList<int32_t>& filas, bool suma) {
    for (const DescripcionCuenta& d : DescripcionesDePatron(codigo)) {
        if (d.es_suma != suma || d.filas != filas.size()) continue;
        CuentaDescrita c;
        c.descripcion = d;
        c.op.filas = d.filas;
        c.op.columnas = d.columnas;
        for (int f = 0; f < d.filas; ++f) {
            int32_t x = filas[f];
            for (int k = 0; k < d.columnas; ++k, x /= 10)
                c.op.cifras[f][k] = x % 10;
        }
        if (CumpleDescripcion(d, c) && VentanaAdmite(c)) return true;
    }
    return false;
}

} // namespace

class TestRefuerzo : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;

    QString Diarios() const { return dir_.filePath(QStringLiteral("resultad")); }
    QString Pdf(const QString& nombre) const { return dir_.filePath(nombre); }
    Salida Refuerzo(const QStringList& args, const QString& pdf) {
        return Zifra(QStringList{QStringLiteral("--refuerzo"), QStringLiteral("--diarios"),
                                 Diarios(), QStringLiteral("--pdf"), pdf} +
                     args);
    }

private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        QVERIFY(QDir(dir_.path()).mkdir(QStringLiteral("resultad")));
        QVERIFY(Clase(Diarios()));
    }

    void paginas_data() {
        QTest::addColumn<QString>("nino");
        QTest::addColumn<QString>("codigo");
        QTest::newRow("Ana") << "Ana"
                             << "menor_del_mayor";
        QTest::newRow("Bea") << "Bea"
                             << "llevada_olvidada";
    }
    void paginas() {
        QFETCH(QString, nino);
        QFETCH(QString, codigo);
        const QString pdf = Pdf(nino + QStringLiteral(".pdf"));
        const Salida s =
            Refuerzo({QStringLiteral("--jugador"), nino, QStringLiteral("--semilla"),
                      QStringLiteral("41"), QStringLiteral("--paginas"), QStringLiteral("3")},
                     pdf);
        QCOMPARE(s.estado, 0);
        const QStringList paginas = Paginas(pdf);
        QCOMPARE(paginas.size(), 3);
        for (const QString& pagina : paginas) {
            QVERIFY(pagina.contains(nino));
            QVERIFY(pagina.contains(QStringLiteral("Ejemplo resuelto")));
            QVERIFY(pagina.contains(QStringLiteral("--semilla 41")));
            const Leida l = Leer(pagina);
            QCOMPARE(l.codigo, codigo);
            QCOMPARE(int(l.filas.size()), kEjerciciosColumnas);
            QCOMPARE(int(l.soluciones.size()), kEjerciciosColumnas);
            for (size_t i = 0; i < l.filas.size(); ++i) {
                const QList<int32_t>& f = l.filas[i];
                QVERIFY2(CumpleAlguna(codigo, f, l.suma), qPrintable(QString::number(f[0])));
                int32_t r = f[0];
                for (int k = 1; k < f.size(); ++k)
                    r += l.suma ? f[k] : -f[k];
                QCOMPARE(l.soluciones.value(QString(QChar(u'a' + int(i)))), r);
            }
        }
    }

    // The seed in the footer makes the same page again; the next one another.
    void semilla() {
        const QStringList ana = {QStringLiteral("--jugador"), QStringLiteral("Ana"),
                                 QStringLiteral("--semilla")};
        QCOMPARE(
            Refuerzo(ana + QStringList{QStringLiteral("7")}, Pdf(QStringLiteral("a.pdf"))).estado,
            0);
        QCOMPARE(
            Refuerzo(ana + QStringList{QStringLiteral("7")}, Pdf(QStringLiteral("b.pdf"))).estado,
            0);
        QCOMPARE(
            Refuerzo(ana + QStringList{QStringLiteral("8")}, Pdf(QStringLiteral("c.pdf"))).estado,
            0);
        const QStringList a = Paginas(Pdf(QStringLiteral("a.pdf")));
        QCOMPARE(a, Paginas(Pdf(QStringLiteral("b.pdf"))));
        QVERIFY(Leer(a[0]).filas != Leer(Paginas(Pdf(QStringLiteral("c.pdf")))[0]).filas);
    }

    void sinSoluciones() {
        const QString pdf = Pdf(QStringLiteral("sin.pdf"));
        QCOMPARE(Refuerzo({QStringLiteral("--jugador"), QStringLiteral("Bea"),
                           QStringLiteral("--sin-soluciones")},
                          pdf)
                     .estado,
                 0);
        const QStringList paginas = Paginas(pdf);
        QCOMPARE(paginas.size(), 1);
        QVERIFY(!paginas[0].contains(QStringLiteral("Soluciones")));
        QCOMPARE(int(Leer(paginas[0]).filas.size()), kEjerciciosColumnas);
        QVERIFY(paginas[0].contains(QStringLiteral("--sin-soluciones")));
    }

    // Each child with a confirmed pattern, in name order; Carlos has none.
    void todos() {
        const QString pdf = Pdf(QStringLiteral("todos.pdf"));
        QCOMPARE(Refuerzo({QStringLiteral("--todos")}, pdf).estado, 0);
        const QStringList paginas = Paginas(pdf);
        QCOMPARE(paginas.size(), 2);
        QVERIFY(paginas[0].contains(QStringLiteral("'Ana'")));
        QVERIFY(paginas[1].contains(QStringLiteral("'Bea'")));
    }

    void errores_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("estado");
        QTest::addColumn<QString>("mensaje");
        const QString j = QStringLiteral("--jugador");
        QTest::newRow("nothing confirmed")
            << QStringList{j, QStringLiteral("Carlos")} << 1
            << "--jugador Carlos: no tiene errores confirmados que repasar";
        QTest::newRow("not in the journals")
            << QStringList{j, QStringLiteral("Zoe")} << 1
            << "--jugador Zoe: no hay ninguna cuenta suya en los diarios";
        QTest::newRow("a journal path that is not there")
            << QStringList{j, QStringLiteral("Ana"), QStringLiteral("--diarios"),
                           QStringLiteral("/no/existe")}
            << 1 << "--diarios /no/existe: no se encuentra";
        QTest::newRow("both a child and all")
            << QStringList{j, QStringLiteral("Ana"), QStringLiteral("--todos")} << 2
            << "hace falta --jugador NOMBRE o --todos";
        QTest::newRow("neither") << QStringList{} << 2 << "hace falta --jugador NOMBRE o --todos";
        QTest::newRow("a diagnosis option")
            << QStringList{QStringLiteral("--todos"), QStringLiteral("--csv"),
                           QStringLiteral("x.csv")}
            << 2 << "--csv solo sirve con --diagnostico";
        QTest::newRow("pages out of range")
            << QStringList{QStringLiteral("--todos"), QStringLiteral("--paginas"),
                           QStringLiteral("0")}
            << 2 << "--paginas 0: debe ser un número entero de 1 a 99";
    }
    // Nothing is written when the command fails.
    void errores() {
        QFETCH(QStringList, args);
        QFETCH(QString, mensaje);
        const QString pdf = Pdf(QStringLiteral("mal.pdf"));
        const Salida s = Refuerzo(args, pdf);
        QTEST(s.estado, "estado");
        QVERIFY2(QString::fromUtf8(s.err).contains(mensaje), s.err.constData());
        QVERIFY(!QFile::exists(pdf));
    }

    void todosSinRefuerzo() {
        const Salida s =
            Zifra({QStringLiteral("--hoja"), QStringLiteral("2"), QStringLiteral("--paginas"),
                   QStringLiteral("1"), QStringLiteral("--todos"), QStringLiteral("--pdf"),
                   Pdf(QStringLiteral("h.pdf"))});
        QCOMPARE(s.estado, 2);
        QVERIFY(s.err.contains("--todos solo sirve con --refuerzo"));
    }
};

QTEST_GUILESS_MAIN(TestRefuerzo)
#include "test_refuerzo.moc"
