// The command line through the built executable, with no display, read
// back with pdftotext.
#include "aprendizaje/diagnostico.h"
#include "diarios_prueba.h"
#include "pasos_prueba.h"
#include "pdf_pruebas.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Salida {
    int estado = -1;
    QByteArray out, err;
};

// `carpeta`: the working folder, as the launcher's ~/Zifra/juego.
Salida Zifra(const QStringList& args, const QString& carpeta = QString()) {
    QProcess p;
    if (!carpeta.isEmpty()) p.setWorkingDirectory(carpeta);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(ZIFRA_EJECUTABLE), args);
    p.waitForFinished(60000);
    Salida s;
    s.estado = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    s.out = p.readAllStandardOutput();
    s.err = p.readAllStandardError();
    return s;
}

// With como_se_ve, pdftotext keeps the printed layout: one line per line.
QString Texto(const QString& pdf, bool como_se_ve = false) {
    QProcess p;
    QStringList args{pdf, QStringLiteral("-")};
    if (como_se_ve) args.prepend(QStringLiteral("-layout"));
    p.start(QStringLiteral("pdftotext"), args);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

QByteArray Registro72(const QByteArray& nombre) {
    QByteArray r(72, '\0');
    r.replace(0, nombre.size(), nombre);
    const qint32 anio = 2024;
    memcpy(r.data() + 26, &anio, 4);
    r[30] = 3; // day
    r[31] = 5; // month
    return r;
}

// Two computers' journals: Ana on both, spelled "Ana" and " ana ", and a
// child whose name needs quoting in CSV.
//   aula-1, 2 March: Ana forgets the loan in 143 - 28 twice (confirmed)
//   aula-2, 3 March: " ana " forgets the carry in 456 + 378
//   aula-2, 5 March: " ana " forgets the loan again; Luis answers 17 to 5 + ? = 12
bool EscribirDiarios(const QString& carpeta) {
    auto dia = [](int d) { return QDateTime(QDate(2026, 3, d), QTime(9, 0)).toMSecsSinceEpoch(); };
    Diario aula1;
    aula1.hora = dia(2);
    aula1.Escribir(QStringLiteral("XX"));
    Diario aula2;
    aula2.jugador = QStringLiteral(" ana ");
    aula2.hora = dia(3);
    aula2.Columnas(VentanaSumas4b, QStringLiteral("456+378"), M1, {{4}, {2, 3}, {8}});
    aula2.hora = dia(5);
    aula2.Escribir(QStringLiteral("X"));
    aula2.jugador = QStringLiteral("Luis; el \"rápido\"");
    aula2.Nueva();
    aula2.Poner(Mental(QStringLiteral("5+[7]=12"), 17), true);
    aula2.Poner(Mental(QStringLiteral("5+[7]=12"), 7), false);
    return QDir().mkpath(carpeta) && DiarioDe(carpeta, QStringLiteral("aula-1"), aula1.pasos) &&
           DiarioDe(carpeta, QStringLiteral("aula-2"), aula2.pasos);
}

// A description field: each of those in the fixture holds a ';'.
QString Descripcion(const char* codigo) {
    const QString d = BuscarPatron(QString::fromLatin1(codigo))->descripcion;
    Q_ASSERT(d.contains(u';') && !d.contains(u'"'));
    return u'"' + d + u'"';
}

QString FilaCsv(const QString& jugador, const char* codigo, const QString& resto) {
    return jugador + u';' + QLatin1String(codigo) + u';' + Descripcion(codigo) + u';' + resto;
}

const char kCabeceraCsv[] = "jugador;patron;descripcion;estado;veces;oportunidades;operaciones;"
                            "primera_vez;ultima_vez;ejemplo";

bool Roto(const QString& ruta) {
    QFile f(ruta);
    return QDir().mkpath(QFileInfo(ruta).path()) && f.open(QIODevice::WriteOnly) &&
           f.write(QByteArray(4096, 'x')) == 4096;
}

} // namespace

class TestLineaOrdenes : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString Ruta(const QString& n) const { return dir_.filePath(n); }

    // Writes a sheet and returns its text; fails the test on a bad exit.
    QString Hoja(const QStringList& extra, const QString& nombre = QStringLiteral("h.pdf")) {
        const QString pdf = Ruta(nombre);
        QFile::remove(pdf);
        const Salida s = Zifra(QStringList{QStringLiteral("--pdf"), pdf} + extra);
        if (s.estado != 0) qWarning() << s.err;
        return s.estado == 0 ? Texto(pdf) : QString();
    }

    // The class's journals where the game keeps them: resultad beside juego.
    QString Diarios() const { return Ruta(QStringLiteral("resultad")); }
    QString Csv() const { return Ruta(QStringLiteral("d.csv")); }

private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        QVERIFY(EscribirDiarios(Diarios()));
        QVERIFY(QDir(dir_.path()).mkdir(QStringLiteral("juego")));
        QVERIFY(QDir(dir_.path()).mkpath(QStringLiteral("vacia/juego")));
        QVERIFY(Roto(Ruta(QStringLiteral("rotos/diario-roto.sqlite"))));
        QVERIFY(EscribirDiarios(Ruta(QStringLiteral("con_roto"))));
        QVERIFY(Roto(Ruta(QStringLiteral("con_roto/diario-roto.sqlite"))));
    }

    void paginas_data() {
        QTest::addColumn<QString>("tipo");
        QTest::addColumn<int>("paginas");
        for (const char* t : {"2", "3", "4", "13", "14", "mental-simple", "mental-combinado"}) {
            QTest::newRow(t) << QString::fromLatin1(t) << 1;
            QTest::newRow(QByteArray(t) + "x3") << QString::fromLatin1(t) << 3;
        }
    }
    // pdftotext ends every page with a form feed.
    void paginas() {
        QFETCH(QString, tipo);
        QFETCH(int, paginas);
        const QString texto =
            Hoja({QStringLiteral("--hoja"), tipo, QStringLiteral("--paginas"),
                  QString::number(paginas), QStringLiteral("--semilla"), QStringLiteral("7")});
        QCOMPARE(texto.count(QLatin1Char('\f')), paginas);
        QVERIFY(texto.contains(QStringLiteral("Nombre:")));
    }

    void semilla_data() {
        QTest::addColumn<QString>("tipo");
        QTest::newRow("columnas") << QStringLiteral("13");
        QTest::newRow("mental") << QStringLiteral("mental-combinado");
    }
    void semilla() {
        QFETCH(QString, tipo);
        auto con = [&](const char* s) {
            return Hoja({QStringLiteral("--hoja"), tipo, QStringLiteral("--paginas"),
                         QStringLiteral("2"), QStringLiteral("--semilla"), QString::fromLatin1(s)});
        };
        const QString a = con("42");
        QVERIFY(!a.isEmpty());
        QCOMPARE(con("42"), a);
        QVERIFY(con("43") != a);
        // Without a seed, two runs in a row give two different sheets.
        auto sin = [&] {
            return Hoja(
                {QStringLiteral("--hoja"), tipo, QStringLiteral("--paginas"), QStringLiteral("2")});
        };
        const QString b = sin();
        QVERIFY(!b.isEmpty());
        QVERIFY(sin() != b);
    }

    void sin_soluciones_data() {
        QTest::addColumn<QString>("tipo");
        QTest::newRow("2") << QStringLiteral("2");
        QTest::newRow("14") << QStringLiteral("14");
        QTest::newRow("mental-simple") << QStringLiteral("mental-simple");
    }
    // Answers are printed in brackets under the exercises.
    void sin_soluciones() {
        QFETCH(QString, tipo);
        const QStringList base = {QStringLiteral("--hoja"),    tipo,
                                  QStringLiteral("--paginas"), QStringLiteral("1"),
                                  QStringLiteral("--semilla"), QStringLiteral("3")};
        const QString con = Hoja(base);
        const QString sin = Hoja(base + QStringList{QStringLiteral("--sin-soluciones")});
        QVERIFY(con.contains(QLatin1Char('[')));
        QVERIFY(!sin.isEmpty());
        QVERIFY(!sin.contains(QLatin1Char('[')));
    }

    void colores_data() {
        QTest::addColumn<QString>("tipo");
        QTest::addColumn<QStringList>("ajustes");
        QTest::newRow("one label a digit") << QStringLiteral("2") << QStringList{};
        QTest::newRow("numbers") << QStringLiteral("14") << QStringList{};
        // Sums past 100, so that hundreds show.
        QTest::newRow("mental") << QStringLiteral("mental-simple")
                                << QStringList{QStringLiteral("--sumas"),
                                               QStringLiteral("100,100")};
    }
    // The same sheet, its digits in the colours of their places: green,
    // blue and red all show; without the option it stays black.
    void colores() {
        QFETCH(QString, tipo);
        QFETCH(QStringList, ajustes);
        const QStringList base = QStringList{QStringLiteral("--hoja"),    tipo,
                                             QStringLiteral("--paginas"), QStringLiteral("1"),
                                             QStringLiteral("--semilla"), QStringLiteral("5")} +
                                 ajustes;
        const QString negro = Hoja(base, QStringLiteral("negro.pdf"));
        const QString color =
            Hoja(base + QStringList{QStringLiteral("--colores")}, QStringLiteral("color.pdf"));
        QVERIFY(!color.isEmpty());
        QCOMPARE(color, negro);
        auto tonos = [](const QImage& pagina) {
            int verde = 0, azul = 0, rojo = 0;
            for (int y = 0; y < pagina.height(); ++y)
                for (int x = 0; x < pagina.width(); ++x) {
                    const QColor c = pagina.pixelColor(x, y);
                    verde += c.green() > c.red() + 40 && c.green() > c.blue() + 20;
                    azul += c.blue() > c.red() + 60 && c.blue() > c.green() + 30;
                    rojo += c.red() > c.green() + 60 && c.red() > c.blue() + 40;
                }
            return std::array<int, 3>{verde, azul, rojo};
        };
        const auto en_color = tonos(PrimeraPagina(Ruta(QStringLiteral("color.pdf"))));
        const auto en_negro = tonos(PrimeraPagina(Ruta(QStringLiteral("negro.pdf"))));
        for (int i = 0; i < 3; ++i) {
            QVERIFY2(en_color[i] > 20, qPrintable(QString::number(en_color[i])));
            QCOMPARE(en_negro[i], 0);
        }
    }

    void segundo_sumando_fijo() {
        const QString texto =
            Hoja({QStringLiteral("--hoja"), QStringLiteral("mental-simple"),
                  QStringLiteral("--paginas"), QStringLiteral("3"), QStringLiteral("--sumas"),
                  QStringLiteral("10,fijo5"), QStringLiteral("--sin-soluciones")});
        static const QRegularExpression suma(
            QStringLiteral(R"((\d+|\.+)\s*\+\s*(\d+|\.+)\s*=\s*(\d+|\.+))"));
        int vistos = 0;
        for (auto m = suma.globalMatch(texto); m.hasNext();) {
            const auto c = m.next();
            bool ok2 = false, ok1 = false, ok3 = false;
            int b = c.captured(2).toInt(&ok2);
            const int a = c.captured(1).toInt(&ok1);
            const int r = c.captured(3).toInt(&ok3);
            if (!ok2 && ok1 && ok3) b = r - a, ok2 = true;
            if (!ok2) continue;
            QVERIFY2(b >= 0 && b <= 5, qPrintable(c.captured(0)));
            ++vistos;
        }
        QVERIFY(vistos >= 10);
    }

    // A real table: the second operand is N in every exercise, and every
    // subtraction still has a minuend of N or more.
    void tabla() {
        const QString pdf = Ruta(QStringLiteral("tabla.pdf"));
        QFile::remove(pdf);
        const Salida s = Zifra({QStringLiteral("--hoja"), QStringLiteral("mental-simple"),
                                QStringLiteral("--paginas"), QStringLiteral("3"),
                                QStringLiteral("--sumas"), QStringLiteral("10,tabla7"),
                                QStringLiteral("--restas"), QStringLiteral("20,tabla4"),
                                QStringLiteral("--sin-soluciones"), QStringLiteral("--pdf"), pdf});
        QCOMPARE(s.estado, 0);
        // Laid out as printed: two exercises to a line, the minus printed as "_".
        static const QRegularExpression cuenta(
            QStringLiteral(R"((\d+|\.+)\s+([+_])\s+(\d+|\.+)\s+=\s+(\d+|\.+))"));
        int sumas = 0, restas = 0;
        for (auto m = cuenta.globalMatch(Texto(pdf, true)); m.hasNext();) {
            const auto c = m.next();
            bool ok1 = false, ok2 = false, ok3 = false;
            int a = c.captured(1).toInt(&ok1);
            int b = c.captured(3).toInt(&ok2);
            const int r = c.captured(4).toInt(&ok3);
            QVERIFY2(ok3 && ok1 != ok2, qPrintable(c.captured(0))); // one term is dots
            const bool suma = c.captured(2) == QLatin1String("+");
            if (!ok1) a = suma ? r - b : r + b;
            if (!ok2) b = suma ? r - a : a - r;
            QVERIFY2(b == (suma ? 7 : 4), qPrintable(c.captured(0)));
            QVERIFY2(r >= 0 && a <= (suma ? 11 : 21), qPrintable(c.captured(0)));
            ++(suma ? sumas : restas);
        }
        // Three pages of six rows, two of each in a row.
        QCOMPARE(sumas, 36);
        QCOMPARE(restas, 36);
    }

    void resultados_con_enie() {
        QByteArray archivo = Registro72("KORU SUMARESTA RES");
        archivo += Registro72(QByteArray("\xA5o\xA4o")); // "Ñoño" in CP850
        const QString rsr = Ruta(QStringLiteral("r.rsr"));
        QFile f(rsr);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(archivo);
        f.close();
        const QString pdf = Ruta(QStringLiteral("r.pdf"));
        const Salida s = Zifra({QStringLiteral("--resultados"), rsr, QStringLiteral("--pdf"), pdf});
        QCOMPARE(s.estado, 0);
        QVERIFY(s.out.isEmpty());
        const QString texto = Texto(pdf);
        QVERIFY2(texto.contains(QStringLiteral("Ñoño")), qPrintable(texto));
        QVERIFY(texto.contains(QStringLiteral("Archivo:")));
    }

    void errores_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("estado");
        QTest::addColumn<QString>("mensaje");
        const QString pdf = Ruta(QStringLiteral("error.pdf"));
        const QString p = QStringLiteral("--pdf");
        auto hoja = [&](const QStringList& mas) {
            return QStringList{p,
                               pdf,
                               QStringLiteral("--hoja"),
                               QStringLiteral("2"),
                               QStringLiteral("--paginas"),
                               QStringLiteral("1")} +
                   mas;
        };
        QTest::newRow("opcion desconocida") << hoja({QStringLiteral("--color")}) << 2 << "--color";
        QTest::newRow("control characters")
            << hoja({QStringLiteral("--co\x1b[31mlor\r")}) << 2 << "--co?[31mlor?";
        QTest::newRow("tipo") << QStringList{p,
                                             pdf,
                                             QStringLiteral("--hoja"),
                                             QStringLiteral("5"),
                                             QStringLiteral("--paginas"),
                                             QStringLiteral("1")}
                              << 2 << "--hoja 5";
        QTest::newRow("paginas 0") << QStringList{p,
                                                  pdf,
                                                  QStringLiteral("--hoja"),
                                                  QStringLiteral("2"),
                                                  QStringLiteral("--paginas"),
                                                  QStringLiteral("0")}
                                   << 2 << "--paginas 0";
        QTest::newRow("paginas 100") << QStringList{p,
                                                    pdf,
                                                    QStringLiteral("--hoja"),
                                                    QStringLiteral("2"),
                                                    QStringLiteral("--paginas"),
                                                    QStringLiteral("100")}
                                     << 2 << "--paginas 100";
        QTest::newRow("sin paginas")
            << QStringList{p, pdf, QStringLiteral("--hoja"), QStringLiteral("2")} << 2
            << "--paginas";
        QTest::newRow("sin pdf") << QStringList{QStringLiteral("--hoja"), QStringLiteral("2"),
                                                QStringLiteral("--paginas"), QStringLiteral("1")}
                                 << 2 << "--pdf";
        QTest::newRow("falta valor") << hoja({QStringLiteral("--semilla")}) << 2 << "--semilla";
        QTest::newRow("semilla") << hoja({QStringLiteral("--semilla"), QStringLiteral("x")}) << 2
                                 << "--semilla x";
        QTest::newRow("longitud") << hoja({QStringLiteral("--longitud"), QStringLiteral("400")})
                                  << 2 << "--longitud 400";
        QTest::newRow("sumas") << hoja({QStringLiteral("--sumas"), QStringLiteral("10,fijo11")})
                               << 2 << "--sumas 10,fijo11";
        for (const char* tabla : {"tabla0", "tabla11", "tablax", "tabla"})
            QTest::newRow(tabla) << hoja({QStringLiteral("--restas"),
                                          QStringLiteral("20,") + QLatin1String(tabla)})
                                 << 2 << QStringLiteral("--restas 20,") + QLatin1String(tabla);
        // The subtraction window's refusal, with its words.
        QTest::newRow("restas mayor") << hoja({QStringLiteral("--restas"), QStringLiteral("10,20")})
                                      << 2 << "'mayor' que el del minuendo";
        QTest::newRow("colores sin hoja")
            << QStringList{QStringLiteral("--resultados"), Ruta(QStringLiteral("no.rsr")), p, pdf,
                           QStringLiteral("--colores")}
            << 2 << "--colores solo sirve con --hoja";
        QTest::newRow("archivo inexistente")
            << QStringList{QStringLiteral("--resultados"), Ruta(QStringLiteral("no.rsr")), p, pdf}
            << 1 << "Problemas al abrir o leer archivo";
        QTest::newRow("no es de resultados")
            << QStringList{QStringLiteral("--resultados"), QStringLiteral(ZIFRA_EJECUTABLE), p, pdf}
            << 1 << "no es de Resultados";
        const QString mal = Ruta(QStringLiteral("no/existe/h.pdf"));
        QTest::newRow("salida imposible") << QStringList{p,
                                                         mal,
                                                         QStringLiteral("--hoja"),
                                                         QStringLiteral("2"),
                                                         QStringLiteral("--paginas"),
                                                         QStringLiteral("1")}
                                          << 1 << "Problemas para crear o grabar";
    }
    void errores() {
        QFETCH(QStringList, args);
        QFETCH(int, estado);
        QFETCH(QString, mensaje);
        const Salida s = Zifra(args);
        QCOMPARE(s.estado, estado);
        QVERIFY2(QString::fromLocal8Bit(s.err).contains(mensaje), s.err.constData());
        QVERIFY(s.out.isEmpty());
        // Nothing echoed reaches the terminal as a control character.
        for (const char c : s.err)
            QVERIFY2(c == '\n' || (uchar(c) >= 0x20 && c != 0x7f), s.err.toHex().constData());
        // Neither the target nor a temporary beside it is left.
        QVERIFY(!QFile::exists(Ruta(QStringLiteral("error.pdf"))));
        const QStringList restos =
            QDir(dir_.path()).entryList({QStringLiteral("*.tmp")}, QDir::Files);
        QVERIFY2(restos.isEmpty(), qPrintable(restos.join(QLatin1Char(' '))));
    }

    // A failed write keeps an older file untouched.
    void salida_fallida_conserva_archivo() {
        QTemporaryDir solo_lectura;
        const QString pdf = solo_lectura.filePath(QStringLiteral("h.pdf"));
        QFile f(pdf);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("antes");
        f.close();
        QFile::setPermissions(solo_lectura.path(), QFile::ReadOwner | QFile::ExeOwner);
        if (QFile(solo_lectura.filePath(QStringLiteral("x"))).open(QIODevice::WriteOnly))
            QSKIP("running as a user that ignores permissions");
        const Salida s =
            Zifra({QStringLiteral("--hoja"), QStringLiteral("3"), QStringLiteral("--paginas"),
                   QStringLiteral("1"), QStringLiteral("--pdf"), pdf});
        QFile::setPermissions(solo_lectura.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(s.estado, 1);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("antes"));
    }

    void diagnostico_csv_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QStringList>("filas");
        const QString diarios = QStringLiteral("--diarios");
        const QString ana_llevada = FilaCsv(QStringLiteral("ana"), "llevada_olvidada",
                                            QStringLiteral("posible;1;1;4;2026-03-03;2026-03-03;"
                                                           "456 + 378: decenas 2 (bien 3)"));
        const QString ana_prestamo =
            FilaCsv(QStringLiteral("ana"), "prestamo_olvidado",
                    QStringLiteral("confirmado;3;3;4;2026-03-02;"
                                   "2026-03-05;143 - 28: decenas 2 (bien 1)"));
        const QString luis =
            FilaCsv(QStringLiteral("\"Luis; el \"\"rápido\"\"\""), "mental_contraria",
                    QStringLiteral("posible;1;1;1;2026-03-05;2026-03-05;"
                                   "5 + ? = 12: 17 (bien 7)"));
        // Ana's rows of both computers are one child's, named as last seen.
        QTest::newRow("the folder")
            << QStringList{diarios, Diarios()} << QStringList{ana_llevada, ana_prestamo, luis};
        QTest::newRow("two files")
            << QStringList{diarios, Diarios() + QStringLiteral("/diario-aula-2.sqlite"), diarios,
                           Diarios() + QStringLiteral("/diario-aula-1.sqlite")}
            << QStringList{ana_llevada, ana_prestamo, luis};
        QTest::newRow("one file")
            << QStringList{diarios, Diarios() + QStringLiteral("/diario-aula-1.sqlite")}
            << QStringList{FilaCsv(QStringLiteral("Ana"), "prestamo_olvidado",
                                   QStringLiteral("confirmado;2;2;2;2026-03-02;2026-03-02;"
                                                  "143 - 28: decenas 2 (bien 1)"))};
        QTest::newRow("one child")
            << QStringList{diarios, Diarios(), QStringLiteral("--jugador"), QStringLiteral(" ANA")}
            << QStringList{ana_llevada, ana_prestamo};
        QTest::newRow("one day") << QStringList{diarios,
                                                Diarios(),
                                                QStringLiteral("--desde"),
                                                QStringLiteral("2026-03-03"),
                                                QStringLiteral("--hasta"),
                                                QStringLiteral("2026-03-03")}
                                 << QStringList{FilaCsv(
                                        QStringLiteral("ana"), "llevada_olvidada",
                                        QStringLiteral("posible;1;1;1;2026-03-03;2026-03-03;"
                                                       "456 + 378: decenas 2 (bien 3)"))};
        // Counted again from that day: once is only possible.
        QTest::newRow("from a day")
            << QStringList{diarios, Diarios(), QStringLiteral("--desde"),
                           QStringLiteral("2026-03-04")}
            << QStringList{FilaCsv(QStringLiteral("ana"), "prestamo_olvidado",
                                   QStringLiteral("posible;1;1;1;2026-03-05;2026-03-05;"
                                                  "143 - 28: decenas 2 (bien 1)")),
                           luis};
        QTest::newRow("up to a day")
            << QStringList{diarios, Diarios(), QStringLiteral("--hasta"),
                           QStringLiteral("2026-03-02")}
            << QStringList{FilaCsv(QStringLiteral("Ana"), "prestamo_olvidado",
                                   QStringLiteral("confirmado;2;2;2;2026-03-02;2026-03-02;"
                                                  "143 - 28: decenas 2 (bien 1)"))};
        QTest::newRow("nobody those days")
            << QStringList{diarios, Diarios(), QStringLiteral("--desde"),
                           QStringLiteral("2027-01-01")}
            << QStringList{};
        // Without --diarios: the results folder beside the working folder.
        QTest::newRow("results folder")
            << QStringList{} << QStringList{ana_llevada, ana_prestamo, luis};
    }
    // The table exactly: header, one row per child and pattern, in name
    // and table order; UTF-8 without a byte order mark.
    void diagnostico_csv() {
        QFETCH(QStringList, args);
        QFETCH(QStringList, filas);
        QFile::remove(Csv());
        const Salida s = Zifra(
            QStringList{QStringLiteral("--diagnostico"), QStringLiteral("--csv"), Csv()} + args,
            Ruta(QStringLiteral("juego")));
        QVERIFY2(s.estado == 0, s.err.constData());
        QVERIFY(s.out.isEmpty());
        QFile f(Csv());
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray csv = f.readAll();
        QCOMPARE(QString::fromUtf8(csv),
                 (QStringList{QString::fromLatin1(kCabeceraCsv)} + filas).join(u'\n') + u'\n');
    }

    // Files skipped are named on stderr; the rest is read.
    void diagnostico_avisos() {
        QFile::remove(Csv());
        const Salida s = Zifra({QStringLiteral("--diagnostico"), QStringLiteral("--diarios"),
                                Ruta(QStringLiteral("con_roto")), QStringLiteral("--csv"), Csv()});
        QCOMPARE(s.estado, 0);
        const QString err = QString::fromLocal8Bit(s.err);
        QVERIFY2(err.contains(QStringLiteral("diario-roto.sqlite no es un diario")), s.err);
        QFile f(Csv());
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll().count('\n'), 4);
    }

    void diagnostico_pdf_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("paginas");
        QTest::addColumn<QStringList>("dentro");
        QTest::addColumn<QStringList>("fuera");
        // Each child from a new page.
        QTest::newRow("every child") << QStringList{} << 2
                                     << QStringList{"ana",
                                                    "Se olvida de la llevada",
                                                    "No suma la que se lleva a la cifra de abajo",
                                                    "confirmado",
                                                    "posible",
                                                    "Luis; el \"rápido\"",
                                                    "Opera con los números que ve",
                                                    "4 cuentas, del 2/3/2026 al 5/3/2026.",
                                                    "1 cuenta, el 5/3/2026."}
                                     << QStringList{};
        QTest::newRow("one child")
            << QStringList{QStringLiteral("--jugador"), QStringLiteral("ana")} << 1
            << QStringList{"ana", "Se olvida de la llevada", "4 cuentas, del 2/3/2026 al 5/3/2026.",
                           "143 - 28: decenas 2 (bien 1)"}
            << QStringList{"Luis", "Opera con los números que ve"};
    }
    void diagnostico_pdf() {
        QFETCH(QStringList, args);
        QFETCH(int, paginas);
        QFETCH(QStringList, dentro);
        QFETCH(QStringList, fuera);
        const QString pdf = Ruta(QStringLiteral("diagnostico.pdf"));
        QFile::remove(pdf);
        const Salida s = Zifra(QStringList{QStringLiteral("--diagnostico"), QStringLiteral("--pdf"),
                                           pdf, QStringLiteral("--diarios"), Diarios()} +
                               args);
        QVERIFY2(s.estado == 0, s.err.constData());
        const InfoPdf info = LeerInfoPdf(pdf);
        QCOMPARE(info.paginas, paginas);
        QVERIFY2(info.EsA4() && !info.Apaisada(), qPrintable(info.Texto()));
        const QString texto = Texto(pdf).simplified();
        QVERIFY(texto.startsWith(QStringLiteral("Diagnóstico de errores")));
        for (const QString& t : dentro)
            QVERIFY2(texto.contains(t), qPrintable(t + QStringLiteral(" not in: ") + texto));
        for (const QString& t : fuera)
            QVERIFY2(!texto.contains(t), qPrintable(t));
    }

    void diagnostico_errores_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("estado");
        QTest::addColumn<QString>("mensaje");
        const QString d = QStringLiteral("--diagnostico");
        const QString csv = QStringLiteral("--csv"), pdf = QStringLiteral("--pdf");
        const QString salida = Ruta(QStringLiteral("error.csv"));
        const QStringList base = {d, csv, salida, QStringLiteral("--diarios"), Diarios()};
        auto con = [&](const char* op, const char* valor) {
            return base + QStringList{QString::fromLatin1(op), QString::fromUtf8(valor)};
        };
        QTest::newRow("no such day") << con("--desde", "2026-02-30") << 2 << "--desde 2026-02-30";
        QTest::newRow("not a date") << con("--hasta", "5/3/2026") << 2 << "AAAA-MM-DD";
        QTest::newRow("short month") << con("--hasta", "2026-3-05") << 2 << "--hasta 2026-3-05";
        QTest::newRow("from after to")
            << con("--desde", "2026-03-05") + QStringList{"--hasta", "2026-03-02"} << 2
            << "--desde 2026-03-05 es posterior a --hasta 2026-03-02";
        QTest::newRow("unknown option") << con("--alumno", "Ana") << 2 << "--alumno";
        QTest::newRow("csv and pdf")
            << base + QStringList{pdf, Ruta(QStringLiteral("error.pdf"))} << 2 << "--csv o --pdf";
        QTest::newRow("no output")
            << QStringList{d, QStringLiteral("--diarios"), Diarios()} << 2 << "--csv o --pdf";
        QTest::newRow("csv without diagnosis") << QStringList{QStringLiteral("--hoja"),
                                                              QStringLiteral("2"),
                                                              QStringLiteral("--paginas"),
                                                              QStringLiteral("1"),
                                                              csv,
                                                              salida}
                                               << 2 << "--csv solo sirve con --diagnostico";
        QTest::newRow("diagnosis and sheet") << base + QStringList{QStringLiteral("--hoja"), "2"}
                                             << 2 << "--hoja, --resultados, --diagnostico";
        QTest::newRow("no such path")
            << QStringList{d,
                           csv,
                           salida,
                           QStringLiteral("--diarios"),
                           Diarios(),
                           QStringLiteral("--diarios"),
                           Ruta(QStringLiteral("no"))}
            << 1 << QStringLiteral("--diarios %1: no se encuentra").arg(Ruta(QStringLiteral("no")));
        QTest::newRow("folder without journals")
            << QStringList{d, csv, salida, QStringLiteral("--diarios"),
                           Ruta(QStringLiteral("vacia"))}
            << 1 << "no hay ningún diario de aprendizaje que se pueda leer";
        QTest::newRow("only a damaged journal")
            << QStringList{d, pdf, Ruta(QStringLiteral("error.pdf")), QStringLiteral("--diarios"),
                           Ruta(QStringLiteral("rotos"))}
            << 1 << "diario-roto.sqlite no es un diario";
        QTest::newRow("no results folder")
            << QStringList{d, csv, salida} << 1 << "no hay ningún diario de aprendizaje";
        QTest::newRow("unknown child")
            << con("--jugador", "Pepe") << 1 << "--jugador Pepe: no hay ninguna cuenta suya";
        QTest::newRow("child not those days")
            << con("--jugador", "Luis; el \"rápido\"") + QStringList{"--hasta", "2026-03-04"} << 1
            << "en esas fechas";
        QTest::newRow("cannot write")
            << QStringList{d, csv, Ruta(QStringLiteral("no/existe/d.csv")),
                           QStringLiteral("--diarios"), Diarios()}
            << 1 << "Problemas para crear o grabar";
    }
    // Nothing is written on any failure: neither the output nor a temporary.
    void diagnostico_errores() {
        QFETCH(QStringList, args);
        QFETCH(int, estado);
        QFETCH(QString, mensaje);
        // No results folder beside this working folder.
        const Salida s = Zifra(args, Ruta(QStringLiteral("vacia/juego")));
        QCOMPARE(s.estado, estado);
        QVERIFY2(QString::fromLocal8Bit(s.err).contains(mensaje), s.err.constData());
        QVERIFY(s.out.isEmpty());
        QVERIFY(!QFile::exists(Ruta(QStringLiteral("error.csv"))));
        QVERIFY(!QFile::exists(Ruta(QStringLiteral("error.pdf"))));
        const QStringList restos =
            QDir(dir_.path()).entryList({QStringLiteral("*.tmp")}, QDir::Files);
        QVERIFY2(restos.isEmpty(), qPrintable(restos.join(QLatin1Char(' '))));
    }

    // The class report's table read back: the header, six rows per child,
    // every count a plain whole number, the kinds adding up to the total.
    void informe_clase_csv() {
        const QString csv = Ruta(QStringLiteral("clase.csv"));
        const Salida s = Zifra({QStringLiteral("--informe-clase"), QStringLiteral("--diarios"),
                                Diarios(), QStringLiteral("--csv"), csv});
        QVERIFY2(s.estado == 0, s.err.constData());
        QVERIFY(s.out.isEmpty());
        QFile f(csv);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QStringList lineas = QString::fromUtf8(f.readAll()).split(u'\n');
        QCOMPARE(lineas.takeLast(), QString());
        QCOMPARE(lineas.takeFirst(),
                 QStringLiteral("jugador;tipo;operaciones;pasos;primeros_intentos;"
                                "acertados_a_la_primera;minutos;patrones_confirmados"));
        QCOMPARE(lineas.size(), 2 * 6);
        QCOMPARE(lineas.mid(0, 6),
                 (QStringList{"ana;sumas_sin_llevar;0;0;0;0;0;", "ana;sumas_con_llevar;1;4;3;2;0;",
                              "ana;restas_sin_llevar;0;0;0;0;0;",
                              "ana;restas_con_llevar;3;12;9;6;0;prestamo_olvidado",
                              "ana;calculo_mental;0;0;0;0;0;",
                              "ana;total;4;16;12;8;0;prestamo_olvidado"}));
        static const QRegularExpression numero(QStringLiteral("^(0|[1-9][0-9]*)$"));
        for (int n = 0; n < 2; ++n) {
            qint64 suma[5] = {};
            for (int t = 0; t < 6; ++t) {
                // The quoted name of the second child holds a ';': split after it.
                QString linea = lineas[n * 6 + t];
                if (linea.startsWith(u'"')) linea = linea.mid(linea.lastIndexOf(u'"') + 1);
                const QStringList c = linea.split(u';').mid(1);
                QCOMPARE(c.size(), 7);
                for (int k = 1; k <= 5; ++k) {
                    QVERIFY2(numero.match(c[k]).hasMatch(), qPrintable(lineas[n * 6 + t]));
                    if (t < 5)
                        suma[k - 1] += c[k].toLongLong();
                    else
                        QCOMPARE(c[k].toLongLong(), suma[k - 1]);
                }
            }
        }
        QVERIFY(
            lineas[6].startsWith(QStringLiteral("\"Luis; el \"\"rápido\"\"\";sumas_sin_llevar;")));
        QVERIFY(lineas[10].contains(QStringLiteral(";calculo_mental;1;2;1;0;0;")));
    }

    void informe_clase_pdf_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("paginas");
        QTest::addColumn<QStringList>("dentro");
        QTest::addColumn<QStringList>("fuera");
        QTest::newRow("all the journal")
            << QStringList{} << 3
            << QStringList{"Todo el diario. 2 niños y niñas.",
                           "Mapa de errores",
                           "No suma la que se lleva a la cifra de abajo",
                           "Progreso de ana",
                           "Errores confirmados",
                           "Luis; el \"rápido\"",
                           "Ningún error confirmado en estas fechas."}
            << QStringList{};
        QTest::newRow("one day")
            << QStringList{QStringLiteral("--desde"), QStringLiteral("2026-03-05"),
                           QStringLiteral("--hasta"), QStringLiteral("2026-03-05")}
            << 3 << QStringList{"El 5/3/2026. 2 niños y niñas.", "1 cuenta, el 5/3/2026."}
            << QStringList{"Se olvida de la llevada"};
        QTest::newRow("nobody those days")
            << QStringList{QStringLiteral("--desde"), QStringLiteral("2027-01-01")} << 1
            << QStringList{"No hay ninguna cuenta en los diarios en estas fechas."}
            << QStringList{"ana"};
    }
    // A class page, then a page per child, read back with pdftotext.
    void informe_clase_pdf() {
        QFETCH(QStringList, args);
        QFETCH(int, paginas);
        QFETCH(QStringList, dentro);
        QFETCH(QStringList, fuera);
        const QString pdf = Ruta(QStringLiteral("clase.pdf"));
        QFile::remove(pdf);
        const Salida s =
            Zifra(QStringList{QStringLiteral("--informe-clase"), QStringLiteral("--pdf"), pdf,
                              QStringLiteral("--diarios"), Diarios()} +
                  args);
        QVERIFY2(s.estado == 0, s.err.constData());
        const InfoPdf info = LeerInfoPdf(pdf);
        QCOMPARE(info.paginas, paginas);
        QVERIFY2(info.EsA4() && !info.Apaisada(), qPrintable(info.Texto()));
        const QString texto = Texto(pdf);
        QCOMPARE(int(texto.count(QLatin1Char('\f'))), paginas);
        const QString una_linea = texto.simplified();
        QVERIFY(una_linea.startsWith(QStringLiteral("Informe de la clase")));
        for (const QString& t : dentro)
            QVERIFY2(una_linea.contains(t),
                     qPrintable(t + QStringLiteral(" not in: ") + una_linea));
        for (const QString& t : fuera)
            QVERIFY2(!una_linea.contains(t), qPrintable(t));
    }

    void informe_clase_errores_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("estado");
        QTest::addColumn<QString>("mensaje");
        const QString i = QStringLiteral("--informe-clase");
        const QString salida = Ruta(QStringLiteral("error.csv"));
        const QStringList base = {i, QStringLiteral("--csv"), salida, QStringLiteral("--diarios"),
                                  Diarios()};
        QTest::newRow("a child") << base + QStringList{"--jugador", "Ana"} << 2
                                 << "--jugador solo sirve con --diagnostico";
        QTest::newRow("with the diagnosis")
            << base + QStringList{"--diagnostico"} << 2 << "y solo uno de ellos";
        QTest::newRow("csv and pdf")
            << base + QStringList{"--pdf", Ruta(QStringLiteral("error.pdf"))} << 2
            << "--csv o --pdf";
        QTest::newRow("bad date") << base + QStringList{"--hasta", "2026-13-01"} << 2
                                  << "--hasta 2026-13-01";
        QTest::newRow("no such path") << base + QStringList{"--diarios", Ruta(QStringLiteral("no"))}
                                      << 1 << "no se encuentra";
        QTest::newRow("only a damaged journal")
            << QStringList{i, QStringLiteral("--pdf"), Ruta(QStringLiteral("error.pdf")),
                           QStringLiteral("--diarios"), Ruta(QStringLiteral("rotos"))}
            << 1 << "diario-roto.sqlite no es un diario";
        QTest::newRow("no results folder") << QStringList{i, QStringLiteral("--csv"), salida} << 1
                                           << "no hay ningún diario de aprendizaje";
        QTest::newRow("cannot write")
            << QStringList{i, QStringLiteral("--csv"), Ruta(QStringLiteral("no/existe/c.csv")),
                           QStringLiteral("--diarios"), Diarios()}
            << 1 << "Problemas para crear o grabar";
    }
    // As the diagnosis: nothing written on any failure, not even a temporary.
    void informe_clase_errores() { diagnostico_errores(); }

    void ayuda() {
        const Salida s = Zifra({QStringLiteral("--help")});
        QCOMPARE(s.estado, 0);
        const QString t = QString::fromUtf8(s.out);
        for (const char* parte :
             {"Uso:", "--hoja TIPO", "--resultados ARCHIVO.rsr", "--sin-soluciones",
              "mental-combinado", "fijo1 a fijo10", "tabla1 a tabla10", "--diagnostico",
              "--diarios RUTA", "--csv SALIDA.csv | --pdf SALIDA.pdf"})
            QVERIFY2(t.contains(QString::fromUtf8(parte)), parte);
    }

    // Whatever --help offers, the man page explains too.
    void pagina_de_manual() {
        QFile f(QStringLiteral(ZIFRA_MANUAL));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QString manual = QString::fromUtf8(f.readAll());
        const QString ayuda = QString::fromUtf8(Zifra({QStringLiteral("--help")}).out);
        static const QRegularExpression opcion(QStringLiteral("--[a-z-]+"));
        QStringList vistas;
        for (auto m = opcion.globalMatch(ayuda); m.hasNext();)
            vistas << m.next().captured(0);
        vistas.removeDuplicates();
        QVERIFY(vistas.size() >= 15);
        for (QString o : vistas)
            QVERIFY2(manual.contains(o.replace(QLatin1Char('-'), QLatin1String("\\-"))),
                     qPrintable(o));
        for (const char* valor : {"fijo1", "tabla1", "mental\\-combinado", "ESTADO DE SALIDA"})
            QVERIFY2(manual.contains(QString::fromUtf8(valor)), valor);
    }
};

QTEST_GUILESS_MAIN(TestLineaOrdenes)
#include "test_linea_ordenes.moc"
