// The diagnosis of systematic errors from journal rows, with no window and
// no database: which pattern a wrong answer fits, and the state of each
// pattern for each child over their journal.
#include "aprendizaje/diagnostico.h"
#include "pasos_prueba.h"

#include <QtTest>
#include <algorithm>

Q_DECLARE_METATYPE(PasoJuzgado)

namespace {

QString Codigo(const Patron* p) {
    return p ? QString::fromLatin1(p->codigo) : QString();
}

const DiagnosticoPatron* Buscar(const DiagnosticoJugador& d, const char* codigo) {
    for (const DiagnosticoPatron& p : d.patrones)
        if (qstrcmp(p.patron->codigo, codigo) == 0) return &p;
    return nullptr;
}

} // namespace

class TestDiagnostico : public QObject {
    Q_OBJECT

private slots:
    // Reports and other tools read the codes; the order decides between two
    // that fit, with the catch-alls last.
    void codigos() {
        const QStringList fijos = {"llevada_olvidada",   "llevada_escrita", "menor_del_mayor",
                                   "prestamo_olvidado",  "cero_menos_n",    "prestamo_cadena_cero",
                                   "operacion_cambiada", "mental_decena",   "mental_contraria",
                                   "mental_copia",       "hecho_numerico",  "despiste"};
        QStringList tabla;
        for (const Patron& p : Patrones()) {
            QVERIFY(!p.nombre.isEmpty() && !p.descripcion.isEmpty());
            QCOMPARE(BuscarPatron(QString::fromLatin1(p.codigo)), &p);
            if (fijos.contains(QLatin1String(p.codigo))) tabla << QString::fromLatin1(p.codigo);
        }
        QCOMPARE(tabla, fijos);
        QCOMPARE(Codigo(&Patrones().back()), QStringLiteral("despiste"));
        QCOMPARE(Codigo(&Patrones()[Patrones().size() - 2]), QStringLiteral("hecho_numerico"));
        QCOMPARE(BuscarPatron(QStringLiteral("no_existe")), nullptr);
    }

    void patronDe_data() {
        QTest::addColumn<PasoJuzgado>("paso");
        QTest::addColumn<QString>("codigo");
        const int32_t suma = VentanaSumas4b, resta = VentanaRestas4b, resta4 = VentanaRestas5;
        QTest::newRow("456+378 tens 2: carry left out, before off by one")
            << Escrito(suma, "456+378", Que::Cifra, 2, 2, 3) << "llevada_olvidada";
        QTest::newRow("756+378 thousands 0: the carry left out")
            << Escrito(suma, "756+378", Que::Cifra, 4, 0, 1) << "llevada_olvidada";
        QTest::newRow("47+35 units 1: the tens written")
            << Escrito(suma, "47+35", Que::Cifra, 1, 1, 2) << "llevada_escrita";
        QTest::newRow("47+35 carry box 2: the units carried")
            << Escrito(suma, "47+35", Que::Llevada, 1, 2, 1) << "llevada_escrita";
        QTest::newRow("127+335+248 units 2: three rows, the tens of 20 written")
            << Escrito(VentanaSumas5, "127+335+248", Que::Cifra, 1, 2, 0) << "llevada_escrita";
        QTest::newRow("143-24 units 1, method 1")
            << Escrito(resta, "143-24", Que::Cifra, 1, 1, 9, M1) << "menor_del_mayor";
        QTest::newRow("143-24 units 1, method 2")
            << Escrito(resta, "143-24", Que::Cifra, 1, 1, 9, M2) << "menor_del_mayor";
        QTest::newRow("324-175 tens 5: smaller from larger before the forgotten loan")
            << Escrito(resta, "324-175", Que::Cifra, 2, 5, 4, M1) << "menor_del_mayor";
        QTest::newRow("143-28 tens 2, method 1")
            << Escrito(resta, "143-28", Que::Cifra, 2, 2, 1, M1) << "prestamo_olvidado";
        QTest::newRow("143-28 tens 2, method 2")
            << Escrito(resta, "143-28", Que::Cifra, 2, 2, 1, M2) << "prestamo_olvidado";
        QTest::newRow("140-21 units 1: 0 on top, not smaller from larger nor added")
            << Escrito(resta, "140-21", Que::Cifra, 1, 1, 9) << "cero_menos_n";
        QTest::newRow("1300-522 hundreds 8, method 2: the loan through the zero")
            << Escrito(resta4, "1300-522", Que::Cifra, 3, 8, 7, M2) << "prestamo_cadena_cero";
        QTest::newRow("1300-522 tens 8, method 2: the loan straight from the units")
            << Escrito(resta4, "1300-522", Que::Cifra, 2, 8, 7, M2) << "prestamo_olvidado";
        QTest::newRow("1300-522 hundreds 8, method 1: no chain, each loan direct")
            << Escrito(resta4, "1300-522", Que::Cifra, 3, 8, 7, M1) << "prestamo_olvidado";
        QTest::newRow("52-31 units 3: added, before off by two")
            << Escrito(VentanaRestas3, "52-31", Que::Cifra, 1, 3, 1) << "operacion_cambiada";
        QTest::newRow("52+31 units 1: subtracted in a sum")
            << Escrito(VentanaSumas3b, "52+31", Que::Cifra, 1, 1, 3) << "operacion_cambiada";
        QTest::newRow("405+23 tens 0: adding 0 gives 0")
            << Escrito(VentanaSumas3b, "405+23", Que::Cifra, 2, 0, 2) << "mas_cero_da_cero";
        QTest::newRow("27+15=? 32") << Mental("27+15=[42]", 32) << "mental_decena";
        QTest::newRow("42-15=? 37: the borrow lost") << Mental("42-15=[27]", 37) << "mental_decena";
        QTest::newRow("27+5=? 22: subtracted, before the lost ten")
            << Mental("27+5=[32]", 22) << "operacion_cambiada";
        QTest::newRow("5+?=12 17: added the two seen, though 10 off")
            << Mental("5+[7]=12", 17) << "mental_contraria";
        QTest::newRow("?-4=9 5: 9 take away 4") << Mental("[13]-4=9", 5) << "mental_contraria";
        QTest::newRow("5+?=12 12") << Mental("5+[7]=12", 12) << "mental_copia";
        QTest::newRow("7+8 units 4")
            << Escrito(suma, "7+8", Que::Cifra, 1, 4, 5) << "hecho_numerico";
        QTest::newRow("9+1 units 9: the sum taken for 9")
            << Escrito(suma, "9+1", Que::Cifra, 1, 9, 0) << "hecho_numerico";
        QTest::newRow("456+378 units 7")
            << Escrito(suma, "456+378", Que::Cifra, 1, 7, 4) << "despiste";
        QTest::newRow("not a number")
            << Escrito(suma, "456+378", Que::Cifra, 1, -1, 4) << "despiste";
        PasoJuzgado danado = Escrito(resta, "143-28", Que::Cifra, 2, 2, 1);
        danado.columnas = 9;
        QTest::newRow("damaged row: only the catch-alls") << danado << "hecho_numerico";
        QTest::newRow("right") << Escrito(suma, "456+378", Que::Cifra, 2, 3, 3) << "";
        PasoJuzgado boton = Escrito(resta, "143-28", Que::MeLlevo, 2, -1, 0);
        boton.acierto = false;
        QTest::newRow("\"Me llevo...\" is no typed answer") << boton << "";
    }
    void patronDe() {
        QFETCH(PasoJuzgado, paso);
        QTEST(Codigo(PatronDe(paso)), "codigo");
    }

    void oportunidad_data() {
        QTest::addColumn<QString>("codigo");
        QTest::addColumn<PasoJuzgado>("paso");
        QTest::addColumn<bool>("es");
        const int32_t suma = VentanaSumas4b, resta = VentanaRestas4b, resta4 = VentanaRestas5;
        QTest::newRow("no loan reaches the units")
            << "prestamo_olvidado" << Escrito(resta, "143-28", Que::Cifra, 1, 5, 5) << false;
        QTest::newRow("a loan reaches the tens")
            << "prestamo_olvidado" << Escrito(resta, "143-28", Que::Cifra, 2, 1, 1) << true;
        QTest::newRow("chain, method 1: none")
            << "prestamo_cadena_cero" << Escrito(resta4, "1300-522", Que::Cifra, 3, 7, 7, M1)
            << false;
        QTest::newRow("chain, method 2")
            << "prestamo_cadena_cero" << Escrito(resta4, "1300-522", Que::Cifra, 3, 7, 7, M2)
            << true;
        QTest::newRow("no carry into the units")
            << "llevada_olvidada" << Escrito(suma, "456+378", Que::Cifra, 1, 4, 4) << false;
        QTest::newRow("a carry into the tens")
            << "llevada_olvidada" << Escrito(suma, "456+378", Que::Cifra, 2, 3, 3) << true;
        QTest::newRow("56+55: units and tens of 11 alike")
            << "llevada_escrita" << Escrito(suma, "56+55", Que::Cifra, 1, 1, 1) << false;
        QTest::newRow("top not smaller")
            << "menor_del_mayor" << Escrito(resta, "143-28", Que::Cifra, 2, 1, 1) << false;
        QTest::newRow("hidden result: no other operation on two seen")
            << "mental_contraria" << Mental("27+15=[42]", 42) << false;
        QTest::newRow("sum without crossing a ten")
            << "mental_decena" << Mental("21+15=[36]", 36) << false;
        QTest::newRow("catch-all, any step")
            << "hecho_numerico" << Escrito(suma, "456+378", Que::Cifra, 1, 4, 4) << true;
        QTest::newRow("catch-all, mental") << "despiste" << Mental("5+[7]=12", 7) << true;
        QTest::newRow("written pattern, mental step")
            << "llevada_olvidada" << Mental("27+15=[42]", 42) << false;
        QTest::newRow("\"Me llevo...\"")
            << "despiste" << Escrito(resta, "143-28", Que::MeLlevo, 2, -1, 0) << false;
    }
    void oportunidad() {
        QFETCH(QString, codigo);
        QFETCH(PasoJuzgado, paso);
        const Patron* p = BuscarPatron(codigo);
        QVERIFY(p);
        QTEST(EsOportunidad(*p, paso), "es");
    }

    // The teacher hears the name of the method they teach.
    void nombrePorMetodo() {
        const Patron& olvidado = *BuscarPatron(QStringLiteral("prestamo_olvidado"));
        const QString n1 = NombrePatron(olvidado, M1), n2 = NombrePatron(olvidado, M2);
        QVERIFY(n1.contains(QStringLiteral("abajo")));
        QVERIFY(n2.contains(QStringLiteral("arriba")));
        const Patron& cero = *BuscarPatron(QStringLiteral("cero_menos_n"));
        QCOMPARE(NombrePatron(cero, M2), cero.nombre);
    }

    void estados_data() {
        QTest::addColumn<QString>("diario"); // see Diario::Escribir
        QTest::addColumn<QString>("estado"); // of prestamo_olvidado; "" none
        QTest::addColumn<int>("veces");
        QTest::addColumn<int>("oportunidades");
        const QString limpias19(19, u'.'), limpias18(18, u'.'), sumas(30, u'-');
        QTest::newRow("one showing") << "..X."
                                     << "posible" << 1 << 4;
        QTest::newRow("never") << "...o"
                               << "" << 0 << 0;
        QTest::newRow("two operations") << "X.X"
                                        << "confirmado" << 2 << 3;
        QTest::newRow("twice in one operation") << "D"
                                                << "posible" << 1 << 1;
        QTest::newRow("a later try is no evidence") << "Xl"
                                                    << "posible" << 1 << 2;
        QTest::newRow("first and 20th opportunity") << "X" + limpias18 + "X"
                                                    << "confirmado" << 2 << 20;
        QTest::newRow("first and 21st opportunity") << "X" + limpias19 + "X"
                                                    << "posible" << 2 << 21;
        QTest::newRow("non-opportunities do not count") << "X" + sumas + "X"
                                                        << "confirmado" << 2 << 2;
        QTest::newRow("five clean after confirmed") << "XX....."
                                                    << "superado" << 2 << 7;
        QTest::newRow("four clean") << "XX...."
                                    << "confirmado" << 2 << 6;
        QTest::newRow("clean before confirmed do not count") << "X....X...."
                                                             << "confirmado" << 2 << 10;
        QTest::newRow("wrong another way breaks the run") << "XX....o...."
                                                          << "confirmado" << 2 << 11;
        QTest::newRow("and a new run overcomes it") << "XX....o....."
                                                    << "superado" << 2 << 12;
        QTest::newRow("a showing restarts the run") << "XX..X....."
                                                    << "superado" << 3 << 10;
        QTest::newRow("Me llevo pressed does not break it") << "XX..m.."
                                                            << "superado" << 2 << 7;
        QTest::newRow("relapse soon after: confirmed again") << "XX.....X"
                                                             << "confirmado" << 3 << 8;
        QTest::newRow("relapse long after: possible, as at the start")
            << "XX....." + limpias19 + "X"
            << "posible" << 3 << 27;
    }
    void estados() {
        QFETCH(QString, diario);
        Diario d;
        d.Escribir(diario);
        const std::vector<DiagnosticoJugador> r = Diagnosticar(d.pasos);
        QCOMPARE(r.size(), size_t(1));
        QCOMPARE(r[0].operaciones, int(diario.size()));
        const DiagnosticoPatron* p = Buscar(r[0], "prestamo_olvidado");
        QFETCH(QString, estado);
        QCOMPARE(p ? TextoEstado(p->estado) : QString(), estado);
        QTEST(p ? p->veces : 0, "veces");
        QTEST(p ? p->oportunidades : 0, "oportunidades");
    }

    // The catch-alls: every operation is an opportunity, and a wrong step of
    // any kind breaks their run.
    void comodines() {
        Diario d;
        d.Escribir(QStringLiteral("o-o.-.-"));
        const std::vector<DiagnosticoJugador> r = Diagnosticar(d.pasos);
        const DiagnosticoPatron* p = Buscar(r[0], "despiste");
        QVERIFY(p);
        QCOMPARE(p->oportunidades, 7);
        QCOMPARE(TextoEstado(p->estado), QStringLiteral("confirmado"));
        d.Escribir(QStringLiteral("-"));
        QCOMPARE(TextoEstado(Buscar(Diagnosticar(d.pasos)[0], "despiste")->estado),
                 QStringLiteral("superado"));
    }

    // Names trimmed and case-folded are one child on every computer; the
    // same operation number on two computers is two operations.
    void unNinoEnVariosOrdenadores() {
        Diario d;
        d.Escribir(QStringLiteral("X"));
        d.ordenador = QStringLiteral("aula-2");
        d.jugador = QStringLiteral(" ANA ");
        d.operacion = 0;
        d.Escribir(QStringLiteral("X"));
        const std::vector<DiagnosticoJugador> r = Diagnosticar(d.pasos);
        QCOMPARE(r.size(), size_t(1));
        QCOMPARE(r[0].jugador, QStringLiteral(" ANA "));
        QCOMPARE(r[0].operaciones, 2);
        QCOMPARE(r[0].patrones.size(), size_t(1));
        QCOMPARE(r[0].patrones[0].estado, EstadoPatron::Confirmado);
        QCOMPARE(ClaveJugador(QStringLiteral("  Ana ")), ClaveJugador(QStringLiteral("aNA")));
    }

    // The rows may come in any order: time decides.
    void ordenDeLasFilas() {
        Diario d;
        d.Escribir(QStringLiteral("XX....."));
        std::reverse(d.pasos.begin(), d.pasos.end());
        const std::vector<DiagnosticoJugador> r = Diagnosticar(d.pasos);
        QCOMPARE(r[0].patrones[0].estado, EstadoPatron::Superado);
    }

    void fechasYEjemplo() {
        Diario d;
        d.Escribir(QStringLiteral("X."));
        d.hora = QDateTime(QDate(2026, 3, 5), QTime(23, 30)).toMSecsSinceEpoch();
        d.Columnas(VentanaRestas4b, QStringLiteral("152-37"), M1, {{5}, {2, 1}, {1}});
        const std::vector<DiagnosticoJugador> r = Diagnosticar(d.pasos);
        const DiagnosticoPatron& p = r[0].patrones[0];
        QCOMPARE(p.primera_vez, QDate(2026, 3, 2));
        QCOMPARE(p.ultima_vez, QDate(2026, 3, 5));
        QCOMPARE(TextoEjemplo(p.ejemplo), QStringLiteral("152 - 37: decenas 2 (bien 1)"));
        QVERIFY(p.ejemplo.primer_intento);
    }

    void ninosEnOrdenDeNombre() {
        Diario d;
        for (const char* n : {"beatriz", "Álvaro", "Carlos", "ana"}) {
            d.jugador = QString::fromUtf8(n);
            d.Escribir(QStringLiteral("-"));
        }
        QStringList nombres;
        for (const DiagnosticoJugador& j : Diagnosticar(d.pasos)) {
            QCOMPARE(j.operaciones, 1);
            QVERIFY(j.patrones.empty());
            nombres << j.jugador;
        }
        QCOMPARE(nombres, QString::fromUtf8("Álvaro ana beatriz Carlos").split(u' '));
        QVERIFY(Diagnosticar({}).empty());
    }

    void textoEjemplo_data() {
        QTest::addColumn<PasoJuzgado>("paso");
        QTest::addColumn<QString>("texto");
        QTest::newRow("digit") << Escrito(VentanaRestas4b, "143-28", Que::Cifra, 2, 2, 1)
                               << "143 - 28: decenas 2 (bien 1)";
        QTest::newRow("carry") << Escrito(VentanaSumas4b, "47+35", Que::Llevada, 1, 2, 1)
                               << "47 + 35: llevada de las unidades 2 (bien 1)";
        QTest::newRow("thousands") << Escrito(VentanaSumas4b, "756+378", Que::Cifra, 4, 0, 1)
                                   << "756 + 378: millares 0 (bien 1)";
        QTest::newRow("three rows") << Escrito(VentanaSumas5, "127+335+248", Que::Cifra, 3, 6, 7)
                                    << "127 + 335 + 248: centenas 6 (bien 7)";
        QTest::newRow("not a number") << Escrito(VentanaSumas4b, "47+35", Que::Cifra, 1, -1, 2)
                                      << "47 + 35: unidades ? (bien 2)";
        QTest::newRow("mental, operand hidden")
            << Mental("5+[7]=12", 17) << "5 + ? = 12: 17 (bien 7)";
        QTest::newRow("mental, result hidden")
            << Mental("42-15=[27]", 37) << "42 - 15 = ?: 37 (bien 27)";
    }
    void textoEjemplo() {
        QFETCH(PasoJuzgado, paso);
        PasoDiario d;
        d.paso = paso;
        QTEST(TextoEjemplo(d), "texto");
    }
};

QTEST_GUILESS_MAIN(TestDiagnostico)
#include "test_diagnostico.moc"
