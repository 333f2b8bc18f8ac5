// The sentences the game reads aloud, without windows or sound: each window's
// operation and every kind of step, asked as a question, never answered.
#include "voz/textos_voz.h"

#include <QtTest>

namespace {

// An operation from its rows written as numbers, as the windows announce it.
PasoJuzgado Op(const QList<int>& filas, int columnas, bool suma) {
    PasoJuzgado p;
    p.n_operandos = int(filas.size());
    for (int f = 0; f < filas.size(); ++f)
        p.operandos[size_t(f)] = filas[f];
    p.columnas = columnas;
    p.suma = suma;
    return p;
}

PasoPedido Pedido(const PasoJuzgado& op, int columna, bool nueva,
                  PasoJuzgado::Que que = PasoJuzgado::Que::Cifra, bool marcado = false) {
    PasoPedido p;
    p.op = op;
    p.op.que = que;
    p.que = que;
    p.columna = columna;
    p.nueva = nueva;
    p.marcado = marcado;
    return p;
}

} // namespace

class TestVoz : public QObject {
    Q_OBJECT
private slots:
    // Additions of two, three and four rows, and the subtractions that never
    // borrow: the digits of the column and the carry that comes to it.
    void columnas_data() {
        QTest::addColumn<QList<int>>("filas");
        QTest::addColumn<int>("columnas");
        QTest::addColumn<bool>("suma");
        QTest::addColumn<int>("columna");
        QTest::addColumn<bool>("nueva");
        QTest::addColumn<bool>("llevada");
        QTest::addColumn<QString>("frase");
        const QList<int> dos{456, 378};
        QTest::newRow("nueva") << dos << 3 << true << 1 << true << false
                               << "456 más 378. Unidades: 6 más 8.";
        QTest::newRow("llevada pedida")
            << dos << 3 << true << 1 << false << true << "Ahora escribe lo que te llevas.";
        QTest::newRow("decenas con llevada")
            << dos << 3 << true << 2 << false << false << "Decenas: 5 más 7, y 1 que me llevo.";
        QTest::newRow("centenas con llevada")
            << dos << 3 << true << 3 << false << false << "Centenas: 4 más 3, y 1 que me llevo.";
        QTest::newRow("millares: sólo la llevada")
            << dos << 3 << true << 4 << false << false
            << "Unidades de millar: escribe lo que te llevas.";
        QTest::newRow("sin llevada")
            << QList<int>{123, 456} << 3 << true << 2 << false << false << "Decenas: 2 más 5.";
        QTest::newRow("cero delante") << QList<int>{51, 120} << 3 << true << 3 << true << false
                                      << "51 más 120. Centenas: 0 más 1.";
        const QList<int> tres{123, 456, 789};
        QTest::newRow("tres filas, nueva") << tres << 3 << true << 1 << true << false
                                           << "123 más 456 más 789. Unidades: 3 más 6 más 9.";
        QTest::newRow("tres filas, la llevada de una columna que llevaba")
            << tres << 3 << true << 3 << false << false
            << "Centenas: 1 más 4 más 7, y 1 que me llevo.";
        QTest::newRow("tres filas, llevo 2")
            << QList<int>{99, 99, 99} << 3 << true << 2 << false << false
            << "Decenas: 9 más 9 más 9, y 2 que me llevo.";
        QTest::newRow("cuatro filas")
            << QList<int>{999, 999, 999, 999} << 3 << true << 3 << false << false
            << "Centenas: 9 más 9 más 9 más 9, y 3 que me llevo.";
        QTest::newRow("resta de dos columnas") << QList<int>{87, 35} << 2 << false << 1 << true
                                               << false << "87 menos 35. Unidades: 7 menos 5.";
        QTest::newRow("resta sin llevadas, centenas")
            << QList<int>{986, 452} << 3 << false << 3 << false << false << "Centenas: 9 menos 4.";
    }
    void columnas() {
        QFETCH(QList<int>, filas);
        QFETCH(int, columnas);
        QFETCH(bool, suma);
        QFETCH(int, columna);
        QFETCH(bool, nueva);
        QFETCH(bool, llevada);
        QFETCH(QString, frase);
        const auto que = llevada ? PasoJuzgado::Que::Llevada : PasoJuzgado::Que::Cifra;
        QCOMPARE(FrasePedido(Pedido(Op(filas, columnas, suma), columna, nueva, que)), frase);
    }

    // Borrowing subtractions say what the marks on screen show: the ten a
    // digit gets, the "+1" of method 1 or the lowered digit of method 2; in
    // manual marking the ten only once "Me llevo..." is pressed, and nothing
    // when marks are never drawn.
    void restas_data() {
        QTest::addColumn<QList<int>>("filas");
        QTest::addColumn<int>("columnas");
        QTest::addColumn<int>("metodo");
        QTest::addColumn<int>("marcar");
        QTest::addColumn<bool>("marcado");
        QTest::addColumn<int>("columna");
        QTest::addColumn<QString>("frase");
        const QList<int> tres{742, 385};
        const int m1 = int(MetodoResta::SumarAlSustraendo);
        const int m2 = int(MetodoResta::RestarAlMinuendo);
        const int aut = int(MarcarLlevadas::Automatico);
        const int man = int(MarcarLlevadas::Manual);
        const int nunca = int(MarcarLlevadas::Nunca);
        QTest::newRow("1, automático, unidades")
            << tres << 3 << m1 << aut << false << 1 << "Unidades: 12 menos 5.";
        QTest::newRow("1, automático, decenas")
            << tres << 3 << m1 << aut << false << 2 << "Decenas: 14 menos 8, y 1 que me llevo.";
        QTest::newRow("1, automático, centenas")
            << tres << 3 << m1 << aut << false << 3 << "Centenas: 7 menos 3, y 1 que me llevo.";
        QTest::newRow("1, manual, antes de «Me llevo»")
            << tres << 3 << m1 << man << false << 1 << "Unidades: 2 menos 5.";
        QTest::newRow("1, manual, tras «Me llevo»")
            << tres << 3 << m1 << man << true << 1 << "Unidades: 12 menos 5.";
        QTest::newRow("1, manual, decenas antes")
            << tres << 3 << m1 << man << false << 2 << "Decenas: 4 menos 8, y 1 que me llevo.";
        QTest::newRow("1, manual, decenas tras")
            << tres << 3 << m1 << man << true << 2 << "Decenas: 14 menos 8, y 1 que me llevo.";
        QTest::newRow("1, nunca") << tres << 3 << m1 << nunca << false << 2
                                  << "Decenas: 4 menos 8.";
        QTest::newRow("2, automático, unidades")
            << tres << 3 << m2 << aut << false << 1 << "Unidades: 12 menos 5.";
        QTest::newRow("2, automático, decenas rebajadas que llevan")
            << tres << 3 << m2 << aut << false << 2 << "Decenas: 13 menos 8.";
        QTest::newRow("2, automático, centenas rebajadas")
            << tres << 3 << m2 << aut << false << 3 << "Centenas: 6 menos 3.";
        QTest::newRow("2, manual, antes")
            << tres << 3 << m2 << man << false << 2 << "Decenas: 3 menos 8.";
        QTest::newRow("2, manual, tras")
            << tres << 3 << m2 << man << true << 2 << "Decenas: 13 menos 8.";
        QTest::newRow("2, nunca") << tres << 3 << m2 << nunca << false << 3
                                  << "Centenas: 7 menos 3.";
        // A 0 that lends becomes 9 and passes the loan to the thousands.
        const QList<int> cuatro{5043, 349};
        QTest::newRow("cuatro, 1, nueva")
            << cuatro << 4 << m1 << aut << false << 1 << "5043 menos 349. Unidades: 13 menos 9.";
        QTest::newRow("cuatro, 1, centenas")
            << cuatro << 4 << m1 << aut << false << 3 << "Centenas: 10 menos 3, y 1 que me llevo.";
        QTest::newRow("cuatro, 1, millares") << cuatro << 4 << m1 << aut << false << 4
                                             << "Unidades de millar: 5 menos 0, y 1 que me llevo.";
        QTest::newRow("cuatro, 2, el cero prestado")
            << cuatro << 4 << m2 << aut << false << 3 << "Centenas: 9 menos 3.";
        QTest::newRow("cuatro, 2, millares")
            << cuatro << 4 << m2 << aut << false << 4 << "Unidades de millar: 4 menos 0.";
    }
    void restas() {
        QFETCH(QList<int>, filas);
        QFETCH(int, columnas);
        QFETCH(int, metodo);
        QFETCH(int, marcar);
        QFETCH(bool, marcado);
        QFETCH(int, columna);
        QFETCH(QString, frase);
        PasoJuzgado op = Op(filas, columnas, false);
        op.metodo = MetodoResta(metodo);
        op.marcar = MarcarLlevadas(marcar);
        const bool nueva = frase.contains(QLatin1String(". "));
        QCOMPARE(FrasePedido(Pedido(op, columna, nueva, PasoJuzgado::Que::Cifra, marcado)), frase);
    }

    // The mental exercise: its terms with the hidden one asked for.
    void mental_data() {
        QTest::addColumn<QList<int>>("terminos");
        QTest::addColumn<bool>("suma");
        QTest::addColumn<int>("incognita");
        QTest::addColumn<QString>("frase");
        QTest::newRow("primero") << QList<int>{5, 7, 12} << true << 0
                                 << "cuánto más 7 es igual a 12.";
        QTest::newRow("segundo") << QList<int>{5, 7, 12} << true << 1
                                 << "5 más cuánto es igual a 12.";
        QTest::newRow("resultado")
            << QList<int>{5, 7, 12} << true << 2 << "5 más 7 es igual a cuánto.";
        QTest::newRow("resta, segundo")
            << QList<int>{12, 5, 7} << false << 1 << "12 menos cuánto es igual a 7.";
        QTest::newRow("resta, resultado")
            << QList<int>{12, 5, 7} << false << 2 << "12 menos 5 es igual a cuánto.";
    }
    void mental() {
        QFETCH(QList<int>, terminos);
        QFETCH(bool, suma);
        QFETCH(int, incognita);
        QFETCH(QString, frase);
        PasoJuzgado op = Op(terminos, 0, suma);
        op.incognita = incognita;
        QCOMPARE(FrasePedido(Pedido(op, 0, true, PasoJuzgado::Que::RespuestaMental)), frase);
    }

    // The notices as the windows show them: their blank lines, spaced signs
    // and words in capitals, which eSpeak would spell out.
    void avisos_data() {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("frase");
        QTest::newRow("fallo") << "El número que has pulsado NO es correcto.\nVuelve a calcularlo."
                               << "El número que has pulsado no es correcto. Vuelve a calcularlo.";
        QTest::newRow("no puedes restar") << "\n\n¡ Creo que  NO  puedes restar !\n\n"
                                          << "¡Creo que no puedes restar!";
        QTest::newRow("no te llevas")
            << "Lo siento, en esta columna no te llevas ninguna.\nMira bien los números, y sigue."
            << "Lo siento, en esta columna no te llevas ninguna. Mira bien los números, y sigue.";
        QTest::newRow("acierto")
            << "¡¡ Muy bien !!\n\nEstás jugando tan bien que has ganado 20 puntos más.\n\nPulsa "
               "el botón 'Seguir' para ver la cara graciosa que tienes"
            << "¡¡Muy bien!! Estás jugando tan bien que has ganado 20 puntos más. Pulsa el botón "
               "'Seguir' para ver la cara graciosa que tienes";
        QTest::newRow("hurra") << "¡¡ HURRA !!"
                               << "¡¡hurra!!";
        QTest::newRow("una letra mayúscula queda") << "A ver: SIN llevadas"
                                                   << "A ver: sin llevadas";
    }
    void avisos() {
        QFETCH(QString, texto);
        QFETCH(QString, frase);
        QCOMPARE(FraseAviso(texto), frase);
    }

    void turnos_data() {
        QTest::addColumn<QString>("nombre");
        QTest::addColumn<int>("jugadores");
        QTest::addColumn<QString>("frase");
        QTest::newRow("dos") << "Ana" << 2 << "Le toca a Ana.";
        QTest::newRow("espacios") << "  Ana María " << 5 << "Le toca a Ana María.";
        QTest::newRow("uno solo: su turno nunca cambia") << "Ana" << 1 << "";
        QTest::newRow("sin nombre") << " " << 3 << "";
    }
    void turnos() {
        QFETCH(QString, nombre);
        QFETCH(int, jugadores);
        QFETCH(QString, frase);
        QCOMPARE(FraseTurno(nombre, jugadores), frase);
    }
};

QTEST_APPLESS_MAIN(TestVoz)
#include "test_voz.moc"
