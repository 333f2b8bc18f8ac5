// The class report without any window: journals of several computers
// merged by child, the range cut at local midnights, the series per day,
// the error map's cells and the CSV a spreadsheet reads. Runs in
// Europe/Madrid time (see CMakeLists.txt), where local and UTC days differ.
#include "aprendizaje/csv_informe_clase.h"
#include "aprendizaje/datos_grafico.h"
#include "aprendizaje/diario.h"
#include "aprendizaje/informe_clase.h"
#include "aprendizaje/patrones.h"
#include "diarios_prueba.h"
#include "pasos_prueba.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

int64_t Hora(const QDate& d, const QTime& t) {
    return QDateTime(d, t).toMSecsSinceEpoch();
}

// Every step of `d` takes `ms` since the one before.
std::vector<PasoDiario> ConTiempo(std::vector<PasoDiario> pasos, int32_t ms) {
    for (PasoDiario& p : pasos)
        p.ms = ms;
    return pasos;
}

// Three computers, two children on two of them each: Ana on aula-1 and
// aula-2, Luis on aula-1 (typed "LUIS ") and aula-3. The operation numbers
// repeat from one computer to the next, as each run counts its own.
struct Clase {
    std::vector<PasoDiario> aula[3];

    Clase() {
        Diario a; // aula-1
        a.hora = Hora(QDate(2026, 3, 2), QTime(10, 0));
        a.Escribir(QStringLiteral("X.X.."));
        a.jugador = QStringLiteral("LUIS ");
        a.Escribir(QStringLiteral("--"));
        a.Nueva();
        a.Poner(Mental(QStringLiteral("5+[7]=12"), 17), true);
        a.Poner(Mental(QStringLiteral("5+[7]=12"), 7), false);
        aula[0] = ConTiempo(a.pasos, 4000);

        Diario b;
        b.ordenador = QStringLiteral("aula-2");
        b.hora = Hora(QDate(2026, 3, 3), QTime(11, 0));
        b.Escribir(QStringLiteral("X-"));
        b.hora = Hora(QDate(2026, 3, 4), QTime(9, 0));
        b.Escribir(QStringLiteral("o."));
        aula[1] = ConTiempo(b.pasos, 6000);

        Diario c;
        c.ordenador = QStringLiteral("aula-3");
        c.jugador = QStringLiteral("Luis");
        c.hora = Hora(QDate(2026, 3, 4), QTime(12, 0));
        c.Columnas(VentanaSumas4b, QStringLiteral("456+378"), M1, {{4}, {2, 3}, {8}});
        c.Columnas(VentanaSumas4b, QStringLiteral("456+378"), M1, {{4}, {3}, {8}});
        aula[2] = ConTiempo(c.pasos, 3000);
    }
};

QStringList Nombres(const InformeClase& i) {
    QStringList n;
    for (const NinoInforme& c : i.ninos)
        n << c.nombre;
    return n;
}

const NinoInforme* Buscar(const InformeClase& i, const QString& nombre) {
    for (const NinoInforme& n : i.ninos)
        if (ClaveJugador(n.nombre) == ClaveJugador(nombre)) return &n;
    return nullptr;
}

bool Iguales(const Totales& a, const Totales& b) {
    return a.operaciones == b.operaciones && a.pasos == b.pasos &&
           a.primeros_intentos == b.primeros_intentos && a.acertados == b.acertados && a.ms == b.ms;
}

QString Texto(const Totales& t) {
    return QStringLiteral("%1 op, %2 pasos, %3 primeros, %4 bien, %5 ms")
        .arg(t.operaciones)
        .arg(t.pasos)
        .arg(t.primeros_intentos)
        .arg(t.acertados)
        .arg(t.ms);
}

// One CSV line split at ';' outside quotes, quotes undone.
QStringList Campos(const QString& linea) {
    QStringList campos;
    QString campo;
    bool citado = false;
    for (int i = 0; i < linea.size(); ++i) {
        const QChar c = linea[i];
        if (citado) {
            if (c == u'"' && i + 1 < linea.size() && linea[i + 1] == u'"') {
                campo += u'"';
                ++i;
            } else if (c == u'"') {
                citado = false;
            } else {
                campo += c;
            }
        } else if (c == u'"') {
            citado = true;
        } else if (c == u';') {
            campos << campo;
            campo.clear();
        } else {
            campo += c;
        }
    }
    campos << campo;
    return campos;
}

} // namespace

class TestInformeClase : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // The day boundaries below are Madrid's: a UTC day would cut elsewhere.
        QCOMPARE(QDateTime(QDate(2026, 3, 3), QTime(0, 30)).offsetFromUtc(), 3600);
    }

    // Three journal files read back together: each child's totals are the
    // sum of what each computer holds of them, operation numbers repeated
    // across computers and all.
    void tres_diarios() {
        const Clase clase;
        QTemporaryDir dir;
        const char* aulas[3] = {"aula-1", "aula-2", "aula-3"};
        for (int i = 0; i < 3; ++i)
            QVERIFY(DiarioDe(dir.path(), QString::fromLatin1(aulas[i]), clase.aula[i]));
        const LecturaDiarios lectura = LeerDiarios({dir.path()});
        QCOMPARE(lectura.leidos, 3);
        const InformeClase todo = HacerInformeClase(lectura.pasos, {}, {});
        QCOMPARE(Nombres(todo), (QStringList{"Ana", "Luis"}));

        for (const QString& nombre : {QStringLiteral("Ana"), QStringLiteral("Luis")}) {
            const NinoInforme* n = Buscar(todo, nombre);
            QVERIFY(n);
            TotalesTipos partes{};
            for (const auto& aula : clase.aula) {
                const InformeClase del_aula = HacerInformeClase(aula, {}, {});
                const NinoInforme* parte = Buscar(del_aula, nombre);
                if (!parte) continue;
                for (int k = 0; k < kTiposInforme; ++k)
                    partes[size_t(k)].Sumar(parte->tipos[size_t(k)]);
            }
            for (int k = 0; k < kTiposInforme; ++k)
                QVERIFY2(Iguales(n->tipos[size_t(k)], partes[size_t(k)]),
                         qPrintable(nombre + u' ' + Texto(n->tipos[size_t(k)]) +
                                    QStringLiteral(" vs ") + Texto(partes[size_t(k)])));
        }
        // The figures themselves, counted by hand from the fixture.
        const NinoInforme& ana = *Buscar(todo, QStringLiteral("Ana"));
        const Totales& restas = ana.tipos[RestasConLlevadas];
        QCOMPARE(restas.operaciones, 5 + 1 + 2);
        QCOMPARE(restas.pasos, 17 + 11);
        QCOMPARE(restas.primeros_intentos, 3 * 8);
        QCOMPARE(restas.acertados, 3 * 8 - 4);
        QCOMPARE(restas.ms, qint64(4000 * 17 + 6000 * 11));
        QCOMPARE(ana.tipos[SumasSinLlevar].operaciones, 1);
        const TotalClase total = Total(ana.tipos);
        QCOMPARE(total.totales.operaciones, 9);
        const NinoInforme& luis = *Buscar(todo, QStringLiteral("Luis"));
        QCOMPARE(luis.tipos[SumasSinLlevar].operaciones, 2);
        QCOMPARE(luis.tipos[SumasConLlevadas].operaciones, 2);
        QCOMPARE(luis.tipos[CalculoMental].operaciones, 1);
        QCOMPARE(luis.tipos[CalculoMental].acertados, 0);
        QCOMPARE(luis.nombre, QStringLiteral("Luis"));
        for (int k = 0; k < kTiposInforme; ++k) {
            Totales suma = ana.tipos[size_t(k)];
            suma.Sumar(luis.tipos[size_t(k)]);
            QVERIFY(Iguales(todo.tipos[size_t(k)], suma));
        }
        // Nothing read is changed by the reading.
        QCOMPARE(LeerDiarios({dir.path()}).pasos.size(), lectura.pasos.size());
    }

    // Two computers with one host name, their files copied to two folders:
    // two sources, each run told apart by its session's own key, though
    // both count their operations from 1.
    void mismo_nombre_de_ordenador() {
        QTemporaryDir dir;
        const char* copias[2] = {"usb1", "usb2"};
        Diario d;
        d.Escribir(QStringLiteral("X..")); // operations 1 to 3
        for (int i = 0; i < 2; ++i) {
            const QString carpeta = dir.filePath(QString::fromLatin1(copias[i]));
            QVERIFY(QDir().mkpath(carpeta));
            DiarioEscritura w;
            QCOMPARE(w.Abrir(carpeta, QStringLiteral("aula"), QStringLiteral("clave-%1").arg(i), 0),
                     DiarioEscritura::Apertura::Abierto);
            QVERIFY(w.RegistrarVarios(d.pasos));
        }
        const LecturaDiarios l = LeerDiarios(
            {dir.filePath(QStringLiteral("usb1")), dir.filePath(QStringLiteral("usb2"))});
        QCOMPARE(l.leidos, 2);
        const InformeClase i = HacerInformeClase(l.pasos, {}, {});
        QCOMPARE(int(i.ninos.size()), 1);
        QCOMPARE(i.ninos[0].tipos[RestasConLlevadas].operaciones, 6);
        QCOMPARE(i.ninos[0].diagnostico.operaciones, 6);
    }

    // With the turn passed at every column, one operation has two children:
    // each did part of it and counts it, as the diagnosis does.
    void turno_en_cada_columna() {
        Diario d;
        d.Escribir(QStringLiteral("-"));
        d.pasos[1].jugador = QStringLiteral("Luis");
        const InformeClase i = HacerInformeClase(d.pasos, {}, {});
        QCOMPARE(Nombres(i), (QStringList{"Ana", "Luis"}));
        for (const NinoInforme& n : i.ninos) {
            QCOMPARE(n.tipos[SumasSinLlevar].operaciones, 1);
            QCOMPARE(n.tipos[SumasSinLlevar].operaciones, n.diagnostico.operaciones);
        }
        QCOMPARE(i.ninos[0].tipos[SumasSinLlevar].pasos, 2);
        QCOMPARE(i.ninos[1].tipos[SumasSinLlevar].pasos, 1);
    }

    void limites_del_dia_data() {
        QTest::addColumn<QDate>("desde");
        QTest::addColumn<QDate>("hasta");
        QTest::addColumn<QList<int>>("dentro"); // indices of the steps kept
        // 0: 2/3 23:59:59.999 local (22:59 UTC); 1: 3/3 00:00 local (2/3 23:00
        // UTC); 2: 3/3 00:30 local; 3: 29/3 23:30 local, after the clocks went
        // forward (21:30 UTC); 4: 30/3 00:10 local (29/3 22:10 UTC).
        QTest::newRow("the 3rd only") << QDate(2026, 3, 3) << QDate(2026, 3, 3) << QList<int>{1, 2};
        QTest::newRow("up to the 2nd") << QDate() << QDate(2026, 3, 2) << QList<int>{0};
        QTest::newRow("from the 3rd") << QDate(2026, 3, 3) << QDate() << QList<int>{1, 2, 3, 4};
        QTest::newRow("the day the clocks change")
            << QDate(2026, 3, 29) << QDate(2026, 3, 29) << QList<int>{3};
        QTest::newRow("the day after") << QDate(2026, 3, 30) << QDate(2026, 3, 30) << QList<int>{4};
        QTest::newRow("open") << QDate() << QDate() << QList<int>{0, 1, 2, 3, 4};
        QTest::newRow("no day with steps")
            << QDate(2026, 3, 4) << QDate(2026, 3, 28) << QList<int>{};
    }
    // The range keeps whole local days: a step just before midnight is the
    // day before, even where UTC says otherwise and on the short day.
    void limites_del_dia() {
        QFETCH(QDate, desde);
        QFETCH(QDate, hasta);
        QFETCH(QList<int>, dentro);
        const int64_t horas[] = {
            Hora(QDate(2026, 3, 2), QTime(23, 59, 59, 999)), Hora(QDate(2026, 3, 3), QTime(0, 0)),
            Hora(QDate(2026, 3, 3), QTime(0, 30)), Hora(QDate(2026, 3, 29), QTime(23, 30)),
            Hora(QDate(2026, 3, 30), QTime(0, 10))};
        std::vector<PasoDiario> pasos;
        for (int i = 0; i < 5; ++i) {
            Diario d;
            d.operacion = i;
            d.Escribir(QStringLiteral("-"));
            for (PasoDiario& p : d.pasos)
                p.hora = horas[i]; // all at once: none across the midnight
            pasos.insert(pasos.end(), d.pasos.begin(), d.pasos.end());
        }
        QCOMPARE(QDateTime::fromMSecsSinceEpoch(horas[1], Qt::UTC).date(), QDate(2026, 3, 2));
        const InformeClase i = HacerInformeClase(pasos, desde, hasta);
        QCOMPARE(i.desde, desde);
        QCOMPARE(i.hasta, hasta);
        if (dentro.isEmpty()) {
            QVERIFY(i.ninos.empty());
            QVERIFY(i.clase.empty());
            return;
        }
        QCOMPARE(int(i.ninos.size()), 1);
        QCOMPARE(i.ninos[0].tipos[SumasSinLlevar].operaciones, int(dentro.size()));
        QList<QDate> dias, esperados;
        for (const DiaInforme& d : i.clase)
            dias << d.dia;
        for (int k : dentro) {
            const QDate d = QDateTime::fromMSecsSinceEpoch(horas[k]).date();
            if (!esperados.contains(d)) esperados << d;
        }
        QCOMPARE(dias, esperados);
        QCOMPARE(i.ninos[0].periodo.desde, esperados.first());
        QCOMPARE(i.ninos[0].periodo.hasta, esperados.last());
    }

    // Each day's work per kind: operations on the day they begin, the share
    // right at the first try, the class's series the sum of the children's.
    void serie_por_dia() {
        const Clase clase;
        std::vector<PasoDiario> pasos;
        for (const auto& a : clase.aula)
            pasos.insert(pasos.end(), a.begin(), a.end());
        const InformeClase i = HacerInformeClase(pasos, {}, {});
        const NinoInforme& ana = *Buscar(i, QStringLiteral("Ana"));
        QCOMPARE(int(ana.dias.size()), 3);
        QCOMPARE(ana.dias[0].dia, QDate(2026, 3, 2));
        QCOMPARE(ana.dias[0].tipos[RestasConLlevadas].operaciones, 5);
        QCOMPARE(ana.dias[0].tipos[RestasConLlevadas].Acierto(), 13.0 / 15);
        QCOMPARE(ana.dias[1].tipos[SumasSinLlevar].Acierto(), 1.0);
        QCOMPARE(ana.dias[2].dia, QDate(2026, 3, 4));
        QCOMPARE(ana.dias[2].tipos[RestasConLlevadas].operaciones, 2);
        QCOMPARE(ana.dias[2].tipos[SumasConLlevadas].pasos, 0);
        QCOMPARE(int(i.clase.size()), 3);
        const TotalesTipos& dia4 = i.clase[2].tipos;
        QCOMPARE(dia4[RestasConLlevadas].operaciones, 2);
        QCOMPARE(dia4[SumasConLlevadas].operaciones, 2);
        QCOMPARE(dia4[SumasConLlevadas].Acierto(), 5.0 / 6);
        QCOMPARE(Totales{}.Acierto(), 0.0);
    }

    void celdas_data() {
        QTest::addColumn<QString>("nino");
        QTest::addColumn<QString>("patron");
        QTest::addColumn<bool>("hay");
        QTest::addColumn<QString>("estado");
        QTest::addColumn<int>("veces");
        // Ana forgets the loan (X twice in her first six, once more later);
        // Luis forgets the carry once, and answers 17 for 5 + ? = 12 once.
        QTest::newRow("Ana, the loan") << "Ana"
                                       << "prestamo_olvidado" << true << "confirmado" << 3;
        QTest::newRow("Ana, no carry pattern") << "Ana"
                                               << "llevada_olvidada" << false << "" << 0;
        QTest::newRow("Luis, the carry once") << "Luis"
                                              << "llevada_olvidada" << true << "posible" << 1;
        QTest::newRow("Luis, mental") << "Luis"
                                      << "mental_contraria" << true << "posible" << 1;
        QTest::newRow("Luis, no loan") << "Luis"
                                       << "prestamo_olvidado" << false << "" << 0;
    }
    // The error map's cells are the diagnosis of the child's steps.
    void celdas() {
        QFETCH(QString, nino);
        QFETCH(QString, patron);
        const Clase clase;
        std::vector<PasoDiario> pasos;
        for (const auto& a : clase.aula)
            pasos.insert(pasos.end(), a.begin(), a.end());
        const InformeClase i = HacerInformeClase(pasos, {}, {});
        const NinoInforme* n = Buscar(i, nino);
        QVERIFY(n);
        const Patron* p = BuscarPatron(patron);
        QVERIFY(p);
        const CeldaMapa c = CeldaDe(*n, *p);
        QTEST(c.hay, "hay");
        QTEST(c.veces, "veces");
        if (c.hay) QTEST(TextoEstado(c.estado), "estado");
    }

    // The same child cut to one day: the map shows that day's diagnosis.
    void celdas_del_periodo() {
        const Clase clase;
        const InformeClase i =
            HacerInformeClase(clase.aula[0], QDate(2026, 3, 2), QDate(2026, 3, 2));
        const CeldaMapa c = CeldaDe(*Buscar(i, QStringLiteral("Ana")),
                                    *BuscarPatron(QStringLiteral("prestamo_olvidado")));
        QVERIFY(c.hay);
        QCOMPARE(c.estado, EstadoPatron::Confirmado);
        QCOMPARE(c.veces, 2);
        const InformeClase fuera =
            HacerInformeClase(clase.aula[1], QDate(2026, 3, 4), QDate(2026, 3, 4));
        QVERIFY(
            !CeldaDe(fuera.ninos.at(0), *BuscarPatron(QStringLiteral("prestamo_olvidado"))).hay);
    }

    void orden_data() {
        QTest::addColumn<int>("orden");
        QTest::addColumn<QStringList>("nombres");
        QTest::newRow("by name") << int(OrdenNinos::Nombre)
                                 << QStringList{"Ana", "Bea", "Luis", "Zoe"};
        QTest::newRow("most confirmed first")
            << int(OrdenNinos::Confirmados) << QStringList{"Luis", "Zoe", "Ana", "Bea"};
    }
    // Ties keep the name order.
    void orden() {
        QFETCH(int, orden);
        InformeClase i;
        const struct {
            const char* nombre;
            int confirmados;
        } ninos[] = {{"Ana", 0}, {"Bea", 0}, {"Luis", 2}, {"Zoe", 1}};
        for (const auto& n : ninos) {
            NinoInforme c;
            c.nombre = QString::fromUtf8(n.nombre);
            for (int k = 0; k < n.confirmados; ++k) {
                DiagnosticoPatron p;
                p.patron = &Patrones()[size_t(k)];
                p.estado = EstadoPatron::Confirmado;
                c.diagnostico.patrones.push_back(p);
            }
            DiagnosticoPatron posible;
            posible.patron = &Patrones()[5];
            c.diagnostico.patrones.push_back(posible);
            i.ninos.push_back(c);
        }
        QStringList nombres;
        for (int k : OrdenarNinos(i, OrdenNinos(orden)))
            nombres << i.ninos[size_t(k)].nombre;
        QTEST(nombres, "nombres");
    }

    void grafico_data() {
        QTest::addColumn<int>("dias"); // consecutive days from Monday 2 March, one operation each
        QTest::addColumn<QStringList>("columnas"); // the first three
        QTest::addColumn<int>("n_columnas");
        QTest::addColumn<int>("cuentas"); // in the first column
        QTest::newRow("a week, day by day") << 7 << QStringList{"2/3", "3/3", "4/3"} << 7 << 2;
        QTest::newRow("31 days still fit") << 31 << QStringList{"2/3", "3/3", "4/3"} << 31 << 2;
        QTest::newRow("32 days go week by week")
            << 32 << QStringList{"sem. 2/3", "sem. 9/3", "sem. 16/3"} << 5 << 8;
    }
    // Columns per day, or per week over a long range; each kind's line has
    // a point only where that kind had work: a gap is no zero.
    void grafico() {
        QFETCH(int, dias);
        Diario d;
        for (int i = 0; i < dias; ++i) {
            d.hora = Hora(QDate(2026, 3, 2).addDays(i), QTime(10, 0));
            // Sums every day; a subtraction, wrong at first, on Mondays.
            d.Escribir(i % 7 == 0 ? QStringLiteral("-o") : QStringLiteral("-"));
        }
        const DatosGrafico g =
            DatosProgreso(HacerInformeClase(d.pasos, {}, {}).clase, QStringLiteral("Progreso"));
        QCOMPARE(g.titulo, QStringLiteral("Progreso"));
        QTEST(g.columnas.mid(0, 3), "columnas");
        QTEST(int(g.columnas.size()), "n_columnas");
        QCOMPARE(g.cuentas.size(), size_t(g.columnas.size()));
        QTEST(g.cuentas[0], "cuentas");
        QCOMPARE(int(g.lineas.size()), 2);
        QCOMPARE(g.lineas[0].tipo, int(SumasSinLlevar));
        QCOMPARE(int(g.lineas[0].puntos.size()), int(g.columnas.size()));
        QCOMPARE(g.lineas[0].puntos[0].second, 100.0);
        const LineaGrafico& restas = g.lineas[1];
        QCOMPARE(restas.tipo, int(RestasConLlevadas));
        QCOMPARE(restas.nombre, QStringLiteral("Restas con llevadas"));
        QCOMPARE(restas.puntos[0].first, 0);
        QVERIFY(qFuzzyCompare(restas.puntos[0].second, 200.0 / 3));
        if (g.columnas.size() > 7) QCOMPARE(restas.puntos[1].first, 7);
    }

    void semana_data() {
        QTest::addColumn<QDate>("dia");
        QTest::addColumn<QDate>("lunes");
        QTest::newRow("Monday") << QDate(2026, 3, 2) << QDate(2026, 3, 2);
        QTest::newRow("Sunday") << QDate(2026, 3, 8) << QDate(2026, 3, 2);
        QTest::newRow("across the year") << QDate(2027, 1, 1) << QDate(2026, 12, 28);
    }
    void semana() {
        QFETCH(QDate, dia);
        QFETCH(QDate, lunes);
        const Periodo p = SemanaDe(dia);
        QCOMPARE(p.desde, lunes);
        QCOMPARE(p.hasta, lunes.addDays(6));
    }

    // Read back as a spreadsheet would: the exact header, six rows per
    // child, every count a plain whole number, the kinds adding up to the
    // total row, and the confirmed patterns of each kind.
    void csv() {
        Clase clase;
        for (PasoDiario& p : clase.aula[2])
            p.jugador = QStringLiteral("Luis; \"el pequeño\"");
        std::vector<PasoDiario> pasos;
        for (const auto& a : clase.aula)
            pasos.insert(pasos.end(), a.begin(), a.end());
        // Minutes that round differently one kind at a time and all together.
        for (PasoDiario& p : pasos)
            p.ms = 29000 + 997 * int(p.paso.columna);
        const QByteArray csv = CsvInformeClase(HacerInformeClase(pasos, {}, {}));
        QVERIFY(!csv.startsWith("\xEF\xBB\xBF"));
        QVERIFY(csv.endsWith('\n'));
        QStringList lineas = QString::fromUtf8(csv).split(u'\n');
        lineas.removeLast();
        QCOMPARE(lineas.takeFirst(), QStringLiteral("jugador;tipo;operaciones;pasos;primeros_"
                                                    "intentos;acertados_a_la_primera;minutos;"
                                                    "patrones_confirmados"));
        const QStringList tipos = {"sumas_sin_llevar",  "sumas_con_llevar", "restas_sin_llevar",
                                   "restas_con_llevar", "calculo_mental",   "total"};
        QCOMPARE(lineas.size(), 3 * 6);
        static const QRegularExpression numero(QStringLiteral("^(0|[1-9][0-9]*)$"));
        QStringList jugadores;
        for (int n = 0; n < 3; ++n) {
            qint64 suma[5] = {};
            for (int t = 0; t < 6; ++t) {
                const QStringList c = Campos(lineas[n * 6 + t]);
                QCOMPARE(c.size(), 8);
                QCOMPARE(c[1], tipos[t]);
                if (t == 0) jugadores << c[0];
                QCOMPARE(c[0], jugadores.last());
                for (int k = 2; k <= 6; ++k) {
                    QVERIFY2(numero.match(c[k]).hasMatch(), qPrintable(lineas[n * 6 + t]));
                    if (t < 5)
                        suma[k - 2] += c[k].toLongLong();
                    else
                        QCOMPARE(c[k].toLongLong(), suma[k - 2]);
                }
                if (c[0] == QLatin1String("Ana") && t == 3)
                    QCOMPARE(c[7], QStringLiteral("prestamo_olvidado"));
                if (c[0] == QLatin1String("Ana") && (t == 0 || t == 4)) QCOMPARE(c[7], QString());
                if (c[0] == QLatin1String("Ana") && t == 5)
                    QCOMPARE(c[7], QStringLiteral("prestamo_olvidado"));
            }
        }
        QCOMPARE(jugadores, (QStringList{"Ana", "LUIS", "Luis; \"el pequeño\""}));
    }

    void csv_formulas_data() {
        QTest::addColumn<QString>("nombre");
        QTest::addColumn<QString>("campo");
        QTest::newRow("a formula") << "=HIPERVINCULO(\"http://x\")"
                                   << "\"'=HIPERVINCULO(\"\"http://x\"\")\"";
        QTest::newRow("plus") << "+34 600"
                              << "'+34 600";
        QTest::newRow("minus") << "-Ana"
                               << "'-Ana";
        QTest::newRow("at") << "@ana"
                            << "'@ana";
        QTest::newRow("a name") << "Ana"
                                << "Ana";
        QTest::newRow("inside") << "Ana=Eva"
                                << "Ana=Eva";
    }
    // A spreadsheet runs a field that starts with = + - or @ as a formula;
    // names come from other computers' journals, so they stay text.
    void csv_formulas() {
        QFETCH(QString, nombre);
        Diario d;
        d.jugador = nombre;
        d.Escribir(QStringLiteral("-"));
        const QStringList lineas =
            QString::fromUtf8(CsvInformeClase(HacerInformeClase(d.pasos, {}, {}))).split(u'\n');
        QCOMPARE(lineas.size(), 1 + 6 + 1);
        QFETCH(QString, campo);
        const QStringList tipos = {"sumas_sin_llevar",  "sumas_con_llevar", "restas_sin_llevar",
                                   "restas_con_llevar", "calculo_mental",   "total"};
        for (int i = 1; i <= 6; ++i)
            QVERIFY2(lineas[i].startsWith(campo + u';' + tipos[i - 1] + u';'),
                     qPrintable(lineas[i]));
    }

    void csv_sin_ninos() {
        QCOMPARE(CsvInformeClase(InformeClase{}), QByteArray(kCabeceraCsvClase) + '\n');
    }
};

QTEST_MAIN(TestInformeClase)
#include "test_informe_clase.moc"
