// What the teacher is shown of the diagnosis, without any window: the CSV
// table, the layout of an example step and the list of children.
#include "aprendizaje/csv_diagnostico.h"
#include "aprendizaje/esquema_ejemplo.h"
#include "aprendizaje/lista_ninos.h"
#include "aprendizaje/patrones.h"
#include "pasos_prueba.h"

#include <QtTest>

Q_DECLARE_METATYPE(PasoJuzgado)

namespace {

// The grid row by row, "." for a blank cell: "143|028|..5".
QString Rejilla(const EsquemaEjemplo& e) {
    QStringList filas;
    for (const auto& fila : e.celdas) {
        QString f;
        for (const QString& c : fila)
            f += c.isEmpty() ? QStringLiteral(".") : c;
        filas << f;
    }
    return filas.join(u'|');
}

DiagnosticoJugador Nino(const QString& nombre, const char* codigo) {
    DiagnosticoJugador n;
    n.jugador = nombre;
    n.operaciones = 12;
    DiagnosticoPatron p;
    p.patron = BuscarPatron(QString::fromLatin1(codigo));
    p.estado = EstadoPatron::Confirmado;
    p.veces = 3;
    p.oportunidades = 7;
    p.primera_vez = QDate(2026, 3, 2);
    p.ultima_vez = QDate(2026, 3, 15);
    p.ejemplo.paso = Escrito(VentanaRestas4b, QStringLiteral("143-28"), Que::Cifra, 2, 2, 1);
    n.patrones.push_back(p);
    return n;
}

} // namespace

class TestDiagnosticoMaestro : public QObject {
    Q_OBJECT

private slots:
    void csv_data() {
        QTest::addColumn<QString>("nombre");
        QTest::addColumn<QString>("campo");
        QTest::newRow("plain") << "Ana"
                               << "Ana";
        QTest::newRow("blanks trimmed") << "  Ana María "
                                        << "Ana María";
        QTest::newRow("separator") << "Ana; Luis"
                                   << "\"Ana; Luis\"";
        QTest::newRow("quotes doubled") << "Ana \"la rubia\""
                                        << "\"Ana \"\"la rubia\"\"\"";
        QTest::newRow("line break") << "Ana\nLuis"
                                    << "\"Ana\nLuis\"";
    }
    // One line per pattern: numbers plain, ISO dates, the code, and any
    // field with a separator, a quote or a line break quoted as RFC 4180.
    void csv() {
        QFETCH(QString, nombre);
        QFETCH(QString, campo);
        const QByteArray csv = CsvDiagnostico({Nino(nombre, "cero_menos_n")});
        const QString descripcion = BuscarPatron(QStringLiteral("cero_menos_n"))->descripcion;
        QVERIFY(descripcion.contains(u';'));
        const QString esperado =
            QStringLiteral("jugador;patron;descripcion;estado;veces;oportunidades;operaciones;"
                           "primera_vez;ultima_vez;ejemplo\n") +
            campo + QStringLiteral(";cero_menos_n;\"") + descripcion +
            QStringLiteral("\";confirmado;3;7;12;2026-03-02;2026-03-15;143 - 28: decenas 2 "
                           "(bien 1)\n");
        QCOMPARE(QString::fromUtf8(csv), esperado);
        QVERIFY(!csv.startsWith("\xEF\xBB\xBF"));
    }

    void csv_sin_ninos() {
        QCOMPARE(CsvDiagnostico({}), QByteArray(kCabeceraCsvDiagnostico) + '\n');
    }

    void esquema_data() {
        QTest::addColumn<PasoJuzgado>("paso");
        QTest::addColumn<QString>("rejilla");
        QTest::addColumn<int>("fila");
        QTest::addColumn<int>("columna");
        QTest::addColumn<QString>("bien");
        const int32_t suma = VentanaSumas4b;
        // Each row with its leading zeros, as the game shows it; the result
        // holds what was typed before the step.
        QTest::newRow("143-28 tens 2") << Escrito(VentanaRestas4b, "143-28", Que::Cifra, 2, 2, 1)
                                       << "...|143|028|.25" << 3 << 1 << "1";
        QTest::newRow("units, nothing before")
            << Escrito(VentanaRestas4b, "143-28", Que::Cifra, 1, 1, 5) << "...|143|028|..1" << 3
            << 2 << "5";
        QTest::newRow("carry box above the tens")
            << Escrito(suma, "47+35", Que::Llevada, 1, 2, 1) << "2.|47|35|.2" << 0 << 0 << "1";
        QTest::newRow("thousands of a carrying sum")
            << Escrito(suma, "756+378", Que::Cifra, 4, 0, 1) << "....|.756|.378|0134" << 3 << 0
            << "1";
        QTest::newRow("three rows") << Escrito(VentanaSumas5, "127+335+248", Que::Cifra, 1, 2, 0)
                                    << "...|127|335|248|..2" << 4 << 2 << "0";
        QTest::newRow("typed no number")
            << Escrito(suma, "456+378", Que::Cifra, 1, -1, 4) << "...|456|378|..?" << 3 << 2 << "4";
        PasoJuzgado boton = Escrito(VentanaRestas4b, "143-28", Que::MeLlevo, 2, -1, 0);
        QTest::newRow("Me llevo: nothing typed") << boton << "...|143|028|..5" << -1 << -1 << "";
    }
    void esquema() {
        QFETCH(PasoJuzgado, paso);
        const EsquemaEjemplo e = EsquemaDe(paso);
        QCOMPARE(e.forma, EsquemaEjemplo::Forma::Columnas);
        QTEST(Rejilla(e), "rejilla");
        QTEST(e.fila_mal, "fila");
        QTEST(e.columna_mal, "columna");
        QTEST(e.bien, "bien");
        QCOMPARE(e.suma, paso.suma);
    }

    void esquema_mental_data() {
        QTest::addColumn<PasoJuzgado>("paso");
        QTest::addColumn<QString>("linea");
        QTest::addColumn<int>("mal");
        QTest::newRow("5+?=12 17") << Mental("5+[7]=12", 17) << "5 + 17 7 = 12" << 2;
        QTest::newRow("?-4=9 5") << Mental("[13]-4=9", 5) << "5 13 − 4 = 9" << 0;
        QTest::newRow("27+15=? 32") << Mental("27+15=[42]", 32) << "27 + 15 = 32 42" << 4;
    }
    // The typed answer in the hidden term's place, the right one after it.
    void esquema_mental() {
        QFETCH(PasoJuzgado, paso);
        const EsquemaEjemplo e = EsquemaDe(paso);
        QCOMPARE(e.forma, EsquemaEjemplo::Forma::Linea);
        QTEST(e.piezas.join(u' '), "linea");
        QTEST(e.pieza_mal, "mal");
    }

    void lista_ninos_data() {
        QTest::addColumn<QStringList>("actuales");
        QTest::addColumn<QStringList>("lista");
        QTest::addColumn<QList<int>>("diagnosticos");
        // The journals hold Ana and Berta, in name order.
        QTest::newRow("nobody playing")
            << QStringList{} << QStringList{"Ana", "Berta"} << QList<int>{0, 1};
        QTest::newRow("players first, as the game names them")
            << QStringList{"Luis", "BERTA "} << QStringList{"Luis", "BERTA", "Ana"}
            << QList<int>{-1, 1, 0};
        QTest::newRow("each once, blanks skipped")
            << QStringList{"ana", " ", "Ana", "Luis", "luis "}
            << QStringList{"ana", "Luis", "Berta"} << QList<int>{0, -1, 1};
    }
    void lista_ninos() {
        QFETCH(QStringList, actuales);
        std::vector<DiagnosticoJugador> d(2);
        d[0].jugador = QStringLiteral(" Ana");
        d[1].jugador = QStringLiteral("Berta");
        QStringList nombres;
        QList<int> indices;
        for (const NinoDiagnostico& n : ListaNinos(actuales, d)) {
            nombres << n.nombre;
            indices << n.diagnostico;
        }
        QTEST(nombres, "lista");
        QTEST(indices, "diagnosticos");
    }
};

QTEST_APPLESS_MAIN(TestDiagnosticoMaestro)
#include "test_diagnostico_maestro.moc"
