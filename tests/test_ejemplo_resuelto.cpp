// The worked example's steps, with no window: the sentence of each column
// under each borrowing method, the digits written by the end, and the
// game's own marks at a step.
#include "aprendizaje/ejemplo_resuelto.h"

#include <QRegularExpression>
#include <QtTest>

namespace {

constexpr MetodoResta M2 = MetodoResta::RestarAlMinuendo;

Operacion Op(const QString& cuenta, int columnas) {
    Operacion op;
    const QStringList filas = cuenta.split(QRegularExpression(QStringLiteral("[+-]")));
    op.filas = int(filas.size());
    op.columnas = columnas;
    for (int f = 0; f < op.filas; ++f) {
        int x = filas[f].toInt();
        for (int k = 0; k < columnas; ++k, x /= 10)
            op.cifras[f][k] = x % 10;
    }
    return op;
}

QString Marcas(const PasoEjemplo& p) {
    static const char* const nombres[] = {"Ayuda", "Ayuda2", "Mas1", "Koru", "Menos1"};
    QStringList l;
    for (const PasoMarca& m : p.marcas)
        l << QStringLiteral("%1@%2").arg(QLatin1String(nombres[int(m.marca)])).arg(m.columna);
    return l.join(u' ');
}

} // namespace

class TestEjemploResuelto : public QObject {
    Q_OBJECT

private slots:
    void frases_data() {
        QTest::addColumn<QString>("cuenta");
        QTest::addColumn<int>("columnas");
        QTest::addColumn<int>("metodo");
        QTest::addColumn<QStringList>("frases");
        QTest::newRow("sum carrying twice")
            << "456+378" << 3 << 1
            << QStringList{"6 más 8 son 14: escribo el 4 y me llevo 1.",
                           "5 más 7 son 12, y 1 que me llevaba, 13: escribo el 3 y me llevo 1.",
                           "4 más 3 son 7, y 1 que me llevaba, 8: escribo el 8."};
        QTest::newRow("the last column's carry written in front")
            << "856+378" << 3 << 1
            << QStringList{"6 más 8 son 14: escribo el 4 y me llevo 1.",
                           "5 más 7 son 12, y 1 que me llevaba, 13: escribo el 3 y me llevo 1.",
                           "8 más 3 son 11, y 1 que me llevaba, 12: escribo el 2 y me llevo 1.",
                           "El 1 que me llevo lo escribo delante."};
        QTest::newRow("three rows carry 2")
            << "999+999+999" << 3 << 1
            << QStringList{
                   "9 más 9 más 9 son 27: escribo el 7 y me llevo 2.",
                   "9 más 9 más 9 son 27, y 2 que me llevaba, 29: escribo el 9 y me llevo 2.",
                   "9 más 9 más 9 son 27, y 2 que me llevaba, 29: escribo el 9 y me llevo 2.",
                   "El 2 que me llevo lo escribo delante."};
        QTest::newRow("method 1 through a zero")
            << "305-127" << 3 << 1
            << QStringList{"A 5 no le puedo quitar 7. 15 menos 7 son 8: escribo el 8 y me llevo 1.",
                           "2 y 1 que me llevo son 3. A 0 no le puedo quitar 3. 10 menos 3 son 7: "
                           "escribo el 7 y me llevo 1.",
                           "1 y 1 que me llevo son 2. 3 menos 2 son 1: escribo el 1."};
        QTest::newRow("method 2 through a zero")
            << "305-127" << 3 << 2
            << QStringList{"A 5 no le puedo quitar 7: el 0 no tiene; pido 1 al 3, que se queda "
                           "en 2, y el 0 en 9. 15 menos 7 son 8: escribo el 8.",
                           "9 menos 2 son 7: escribo el 7.", "2 menos 1 son 1: escribo el 1."};
        QTest::newRow("method 2 through two zeros")
            << "3004-1236" << 4 << 2
            << QStringList{"A 4 no le puedo quitar 6: los 0 no tienen; pido 1 al 3, que se queda "
                           "en 2, y los 0 en 9. 14 menos 6 son 8: escribo el 8.",
                           "9 menos 3 son 6: escribo el 6.", "9 menos 2 son 7: escribo el 7.",
                           "2 menos 1 son 1: escribo el 1."};
        QTest::newRow("method 2, a lowered digit that borrows again")
            << "423-158" << 3 << 2
            << QStringList{"A 3 no le puedo quitar 8: pido 1 al 2, que se queda en 1. 13 menos 8 "
                           "son 5: escribo el 5.",
                           "A 1 no le puedo quitar 5: pido 1 al 4, que se queda en 3. 11 menos 5 "
                           "son 6: escribo el 6.",
                           "3 menos 1 son 2: escribo el 2."};
        QTest::newRow("no borrow at all")
            << "87-53" << 2 << 1
            << QStringList{"7 menos 3 son 4: escribo el 4.", "8 menos 5 son 3: escribo el 3."};
    }
    void frases() {
        QFETCH(QString, cuenta);
        QFETCH(int, columnas);
        QFETCH(int, metodo);
        QFETCH(QStringList, frases);
        const bool suma = cuenta.contains(u'+');
        const std::vector<PasoEjemplo> pasos =
            EjemploResuelto(Op(cuenta, columnas), suma, MetodoResta(metodo));
        QStringList hechas;
        for (const PasoEjemplo& p : pasos)
            hechas << p.frase;
        QCOMPARE(hechas, frases);

        // By the last step the paper shows the right answer.
        const QStringList filas = cuenta.split(QRegularExpression(QStringLiteral("[+-]")));
        int esperado = filas[0].toInt();
        for (int f = 1; f < filas.size(); ++f)
            esperado += suma ? filas[f].toInt() : -filas[f].toInt();
        int escrito = 0;
        for (int c = kMaxColumnas; c >= 0; --c)
            if (pasos.back().resultado[c] >= 0) escrito = escrito * 10 + pasos.back().resultado[c];
        QCOMPARE(escrito, esperado);
        // Each step writes its own column and nothing to its left.
        for (const PasoEjemplo& p : pasos)
            for (int c = p.columna + 1; c <= kMaxColumnas; ++c)
                QCOMPARE(p.resultado[c], -1);
    }

    void marcas_data() {
        QTest::addColumn<QString>("cuenta");
        QTest::addColumn<int>("metodo");
        QTest::addColumn<int>("paso");
        QTest::addColumn<QString>("marcas");
        QTest::newRow("method 1, units") << "305-127" << 1 << 0 << "Mas1@1 Ayuda@0";
        QTest::newRow("method 1, hundreds")
            << "305-127" << 1 << 2 << "Mas1@1 Ayuda@0 Ayuda@1 Mas1@2 Mas1@1";
        QTest::newRow("method 2, the chain shown at once")
            << "305-127" << 2 << 0 << "Menos1@1 Koru@1 Ayuda@0 Koru@2 Menos1@2";
        QTest::newRow("method 2, nothing more later")
            << "305-127" << 2 << 2 << "Menos1@1 Koru@1 Ayuda@0 Koru@2 Menos1@2";
        QTest::newRow("no marks without a borrow") << "87-53" << 1 << 1 << "";
    }
    void marcas() {
        QFETCH(QString, cuenta);
        QFETCH(int, metodo);
        QFETCH(int, paso);
        const int columnas = cuenta.indexOf(u'-');
        const std::vector<PasoEjemplo> pasos =
            EjemploResuelto(Op(cuenta, columnas), false, MetodoResta(metodo));
        QTEST(Marcas(pasos[size_t(paso)]), "marcas");
    }

    void mental_data() {
        QTest::addColumn<int>("primero");
        QTest::addColumn<int>("segundo");
        QTest::addColumn<bool>("suma");
        QTest::addColumn<int>("incognita");
        QTest::addColumn<QStringList>("frases");
        QTest::newRow("27 + 15: the ten first")
            << 27 << 15 << true << int(Incognita::Resultado)
            << QStringList{"Completo la decena: 27 y 3 son 30.",
                           "De 15 me quedan 12: 30 y 12 son 42.", "Escribo el 42."};
        QTest::newRow("12 + 8: the ten is the answer")
            << 12 << 8 << true << int(Incognita::Resultado)
            << QStringList{"Completo la decena: 12 y 8 son 20.", "Escribo el 20."};
        QTest::newRow("5 + ? = 12")
            << 5 << 7 << true << int(Incognita::Segundo)
            << QStringList{"¿Cuánto le falta a 5 para llegar a 12?", "12 menos 5 son 7.",
                           "Lo compruebo: 5 y 7 son 12. Escribo el 7."};
        QTest::newRow("43 - 18: down to the ten first")
            << 43 << 18 << false << int(Incognita::Resultado)
            << QStringList{"Quito primero 3 para llegar a la decena: 43 menos 3 son 40.",
                           "Me quedan por quitar 15: 40 menos 15 son 25.", "Escribo el 25."};
        QTest::newRow("? - 8 = 5")
            << 13 << 8 << false << int(Incognita::Primero)
            << QStringList{"¿De qué número quito 8 y me quedan 5?", "Lo junto: 5 y 8 son 13.",
                           "Lo compruebo: 13 menos 8 son 5. Escribo el 13."};
    }
    void mental() {
        QFETCH(int, primero);
        QFETCH(int, segundo);
        QFETCH(bool, suma);
        QFETCH(int, incognita);
        const CuentaMental c{primero, segundo, suma ? primero + segundo : primero - segundo};
        QStringList hechas;
        for (const PasoEjemplo& p :
             EjemploMental(c, suma ? TipoMental::Sumas : TipoMental::Restas, Incognita(incognita)))
            hechas << p.frase;
        QTEST(hechas, "frases");
    }

    // Sums carry nothing but their carries.
    void sumaSinMarcas() {
        const std::vector<PasoEjemplo> pasos =
            EjemploResuelto(Op(QStringLiteral("456+378"), 3), true, M2);
        QVERIFY(pasos.back().marcas.empty());
        QCOMPARE(pasos.back().llevada[1], 1);
        QCOMPARE(pasos.back().llevada[2], 1);
        QCOMPARE(pasos[0].llevada[1], 1);
        QCOMPARE(pasos[0].llevada[2], 0);
    }
};

QTEST_GUILESS_MAIN(TestEjemploResuelto)
#include "test_ejemplo_resuelto.moc"
