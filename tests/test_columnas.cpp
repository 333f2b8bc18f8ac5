// The column exercise windows played offscreen as a child plays them: read
// the digits, type into the boxes, read what the window shows.
#include "app/arranque.h"
#include "app/form_menu.h"
#include "nino.h"
#include "nucleo/juego.h"
#include "nucleo/ventanas.h"
#include "platform/escritorio.h"
#include "platform/sonidos.h"
#include "players/form_jugadores.h"
#include "players/turnos.h"
#include "pruebas.h"
#include "written/ventanas_escritas.h"

#include <QAction>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <vector>

namespace {
using nino::Digito;
using nino::Teclear;

VentanaColumnas* Ventana(int32_t codigo) {
    return qobject_cast<VentanaColumnas*>(VentanaDeCodigo(codigo));
}

// Builds an operation from its rows written as numbers, "797" over "433".
Operacion Op(std::initializer_list<int> filas, int columnas = 3) {
    Operacion op;
    op.filas = int(filas.size());
    op.columnas = columnas;
    int f = 0;
    for (int n : filas) {
        for (int c = 0; c < columnas; ++c, n /= 10)
            op.cifras[f][c] = n % 10;
        ++f;
    }
    return op;
}

// Remembers the text each label had when it was last painted.
class PintadoDe : public QObject {
public:
    explicit PintadoDe(QHash<QObject*, QString>& pintado) : pintado_(pintado) {}

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Paint) pintado_[o] = static_cast<QLabel*>(o)->text();
        return false;
    }

private:
    QHash<QObject*, QString>& pintado_;
};

} // namespace

class TestColumnas : public QObject {
    Q_OBJECT
    PartidaDePrueba partida_;
    Buzon& buzon_ = partida_.buzon;
    QTemporaryDir dir_;
    QList<plataforma::Sonido>& sonidos_ = partida_.sonidos;

    int Celebraciones() const { return int(sonidos_.count(plataforma::Sonido::Acierto)); }

    VentanaColumnas* Abrir(int32_t codigo, const Operacion* op = nullptr) {
        VentanaColumnas* v = Ventana(codigo);
        MostrarVentana(codigo);
        if (op) v->MostrarCuenta(*op);
        return v;
    }

private slots:
    void initTestCase() { QDir::setCurrent(dir_.path()); }
    void init() { partida_.Empezar(); }
    void cleanup() {
        partida_.Terminar();
        QVERIFY2(VentanasVisibles().isEmpty(), qPrintable(VentanasVisibles().join(u',')));
    }

    void ventanas_data() {
        QTest::addColumn<int>("codigo");
        QTest::addColumn<QString>("titulo");
        QTest::addColumn<int>("filas");
        QTest::addColumn<int>("columnas");
        QTest::addColumn<QString>("signo");
        QTest::addColumn<QPoint>("desplazamiento");
        QTest::newRow("sumas3b") << 33 << "Sumas, SIN llevadas" << 2 << 3 << "+"
                                 << QPoint(122, 138);
        QTest::newRow("restas3") << 30 << "Restas, SIN llevarse" << 2 << 2 << "-"
                                 << QPoint(150, 138);
        QTest::newRow("restas3b") << 330 << "Restas, SIN llevadas" << 2 << 3 << "-"
                                  << QPoint(122, 138);
        QTest::newRow("sumas4b") << 44 << "Sumas, CON llevadas" << 2 << 3 << "+"
                                 << QPoint(122, 123);
        QTest::newRow("sumas5") << 5 << "Sumas  CON  llevadas" << 3 << 3 << "+" << QPoint(122, 100);
        QTest::newRow("sumas5b") << 55 << "Sumas  CON  llevadas, más difícil" << 4 << 3 << "+"
                                 << QPoint(122, 65);
    }
    void ventanas() {
        QFETCH(int, codigo);
        QFETCH(QString, titulo);
        QFETCH(int, filas);
        QFETCH(int, columnas);
        QFETCH(QString, signo);
        QFETCH(QPoint, desplazamiento);
        Form_menu->move(40, 30);
        VentanaColumnas* v = Abrir(codigo);
        QCOMPARE(v->windowTitle(), titulo);
        // Over the main window (its owner), not over every other program.
        QVERIFY(!(v->windowFlags() & Qt::WindowStaysOnTopHint));
        QCOMPARE(v->parentWidget(), Form_menu);
        QVERIFY(!v->isModal());
        QCOMPARE(v->pos(), QPoint(40, 30) + desplazamiento);
        QCOMPARE(juego.ventana_actual, codigo);
        QCOMPARE(int(juego.contando_tiempo), 1);
        QCOMPARE(v->Label_signo_mas->text(), signo);
        const char* col[] = {"u", "d", "c"};
        for (int f = 0; f < filas; ++f)
            for (int c = 0; c < columnas; ++c) {
                QLabel* l = v->findChild<QLabel*>(
                    QStringLiteral("Label_%1_f%2").arg(QLatin1String(col[c])).arg(f + 1));
                QVERIFY(l);
                QVERIFY2(l->text().size() == 1 && l->text()[0].isDigit(), qPrintable(l->text()));
            }
        QVERIFY(!v->findChild<QLabel*>(QStringLiteral("Label_u_f%1").arg(filas + 1)));
        QCOMPARE(v->Memo_res->maxLength(), 1);
        QCOMPARE(v->Memo_res->x(), v->Def().izquierdas[0]);
        QCOMPARE(v->Memo_res->toolTip(), QStringLiteral("Haz clic, si no está el cursor"));
        QCOMPARE(v->focusWidget(), v->Memo_res);
        for (QLabel* l : v->Label_res)
            QVERIFY(!l || !l->isVisible());
        // Moved by the child, it opens where it was left next time.
        v->move(200, 220);
        CerrarVentanaActual();
        QCOMPARE(juego.ventana_actual, 0);
        QCOMPARE(int(juego.contando_tiempo), 0);
        MostrarVentana(codigo);
        QCOMPARE(v->pos(), QPoint(200, 220));
    }

    void sorteos_data() {
        QTest::addColumn<int>("codigo");
        QTest::newRow("sumas3b") << 33;
        QTest::newRow("sumas4b") << 44;
        QTest::newRow("sumas5") << 5;
        QTest::newRow("sumas5b") << 55;
        QTest::newRow("restas3") << 30;
        QTest::newRow("restas3b") << 330;
    }
    void sorteos() {
        QFETCH(int, codigo);
        VentanaColumnas* v = Abrir(codigo);
        const auto& d = v->Def();
        bool sin_llevar = false, llevando = false;
        for (unsigned semilla = 1; semilla <= 300; ++semilla) {
            std::srand(semilla);
            v->NuevaCuenta();
            for (int c = 0; c < d.columnas; ++c) {
                int suma = 0;
                for (int f = 0; f < d.filas; ++f)
                    suma += Digito(v->Cifra(f, c));
                const int m = Digito(v->Cifra(0, c)), s = Digito(v->Cifra(1, c));
                switch (codigo) {
                case 33:
                    QVERIFY2(suma <= 9, qPrintable(QString::number(semilla)));
                    break;
                case 44:
                    if (c < 2) QVERIFY2(suma >= 10, qPrintable(QString::number(semilla)));
                    break;
                case 30:
                case 330:
                    QVERIFY2(m >= s, qPrintable(QString::number(semilla)));
                    break;
                default:
                    (suma < 10 ? sin_llevar : llevando) = true;
                }
            }
        }
        if (codigo == 5 || codigo == 55) QVERIFY(sin_llevar && llevando);
    }

    void cuenta_entera_data() {
        QTest::addColumn<int>("codigo");
        QTest::addColumn<int>("tipo");
        QTest::addColumn<int>("aciertos");
        QTest::addColumn<int>("siguiente"); // with one player the kind alternates
        QTest::newRow("sumas3b, mode 1") << 33 << 1 << 3 << 30;
        QTest::newRow("restas3, mode 1") << 30 << 1 << 2 << 33;
        QTest::newRow("restas3b, mode 2") << 330 << 2 << 3 << 44;
        QTest::newRow("restas3b, mode 3") << 330 << 3 << 3 << 5;
        QTest::newRow("sumas4b, mode 2") << 44 << 2 << 3 << 330;
        QTest::newRow("sumas5, mode 3") << 5 << 3 << 3 << 330;
        QTest::newRow("sumas5, mode 4") << 5 << 4 << 3 << 440;
        QTest::newRow("sumas5b, mode 5") << 55 << 5 << 3 << 50;
    }
    void cuenta_entera() {
        QFETCH(int, codigo);
        QFETCH(int, tipo);
        QFETCH(int, aciertos);
        QFETCH(int, siguiente);
        for (bool editar : {true, false}) {
            juego.editar_llevadas = editar;
            juego.tipo_juego = TipoJuego(tipo);
            const ModoJuego* modo = BuscarModoJuego(TipoJuego(tipo));
            juego.usar_sumas[modo->grupo] = codigo == modo->ventana_suma;
            VentanaColumnas* v = Abrir(codigo);
            const int antes = v->aciertos;
            const int puntos = juego.puntos[1].puntos;
            const int celebraciones = Celebraciones();
            nino::ResolverColumnas(v);
            QCOMPARE(v->aciertos, antes + aciertos);
            QCOMPARE(juego.puntos[1].puntos, puntos + 2 * aciertos);
            QCOMPARE(Celebraciones(), celebraciones + 1);
            QCOMPARE(juego.jugadores[0].aciertos[BuscarVentanaEjercicio(codigo)->tipo] > 0, true);
            QVERIFY(buzon_.dialogos_vistos.isEmpty()); // no failure notice
            QCOMPARE(juego.ventana_actual, siguiente);
            QVERIFY(VentanaDeCodigo(siguiente)->isVisible());
            QCOMPARE(int(juego.contando_tiempo), 1);
            QCOMPARE(juego.segundos, 0);
            if (siguiente != codigo) QVERIFY(!v->isVisible());
            CerrarVentanaActual();
        }
    }

    void cifra_a_la_vista_data() {
        QTest::addColumn<int>("codigo");
        for (int codigo : {33, 30, 330, 44, 5, 55, 440, 50})
            QTest::addRow("%s", BuscarVentanaEjercicio(codigo)->clase) << codigo;
    }
    // During the wait after each right digit the child sees it in its place,
    // already painted, not still in the box; at the end, the whole result.
    void cifra_a_la_vista() {
        QFETCH(int, codigo);
        juego.marcar_llevadas = MarcarLlevadas::Automatico; // the borrowing marks wait too
        VentanaColumnas* v = Abrir(codigo);
        QVERIFY(QTest::qWaitForWindowExposed(v));
        QHash<QObject*, QString> pintado;
        PintadoDe espia(pintado);
        for (QLabel* l : v->Label_res)
            if (l) l->installEventFilter(&espia);
        QStringList mal;
        QString ultimo;
        bool fin = false; // the next operation's waits are not this one's
        plataforma::FijarObservadorEsperas([&](uint32_t ms) {
            // The carry box's own wait: the digit waits in the box for its carry.
            if (fin || ms != 300 || v->Cuenta().EsperaLlevada()) return;
            if (v->Memo_res->isVisible() && !v->Memo_res->text().isEmpty())
                mal << QStringLiteral("still in the box: ") + v->Memo_res->text();
            ultimo.clear();
            for (int c = kMaxColumnas - 1; c >= 0; --c) {
                QLabel* l = v->Label_res[c];
                if (!l || !l->isVisible() || l->text().isEmpty()) continue;
                if (pintado.value(l) != l->text())
                    mal << QStringLiteral("%1 not painted").arg(l->objectName());
                ultimo += l->text();
            }
            fin = !v->Memo_res->isVisible();
        });
        auto* resta = qobject_cast<VentanaResta*>(v);
        const Operacion op = resta ? resta->Resta().Op() : v->Cuenta().Op();
        if (resta)
            nino::ResolverResta(resta, int(juego.modo_restas), int(juego.marcar_llevadas));
        else
            nino::ResolverColumnas(v);
        plataforma::FijarObservadorEsperas(nullptr);
        QVERIFY2(mal.isEmpty(), qPrintable(mal.join(u',')));
        int resultado = 0;
        for (int f = 0; f < op.filas; ++f) {
            int n = 0;
            for (int c = op.columnas - 1; c >= 0; --c)
                n = n * 10 + op.cifras[f][c];
            resultado += (f == 0 || v->Def().es_suma) ? n : -n;
        }
        // Every column typed, leading zeros too.
        QCOMPARE(ultimo, QStringLiteral("%1").arg(resultado, op.columnas, 10, QLatin1Char('0')));
    }

    void cifra_fallada() {
        const Operacion op = Op({123, 456});
        VentanaColumnas* v = Abrir(33, &op);
        Teclear(v->Memo_res, '9'); // units: 3 + 6
        QCOMPARE(v->Label_res[0]->text(), QStringLiteral("9"));
        QVERIFY(v->Label_res[0]->isVisible());
        QCOMPARE(v->Memo_res->x(), 370);
        Teclear(v->Memo_res, '4'); // tens need 7
        QCOMPARE(buzon_.dialogos_vistos, QStringList{"Form_aviso_error"});
        QCOMPARE(sonidos_.count(plataforma::Sonido::Fallo), 1);
        QCOMPARE(v->Memo_res->text(), QString());
        QCOMPARE(v->Memo_res->x(), 370);
        QCOMPARE(v->fallos, 1);
        QCOMPARE(v->Label_fallos->text(), QStringLiteral("1"));
        QCOMPARE(juego.puntos[1].puntos, 2 - 1);
        QCOMPARE(juego.jugadores[0].fallos[SumasSinLlevar], 1);
        QVERIFY(v->Label_res[0]->isVisible());
        Teclear(v->Memo_res, '7');
        QCOMPARE(v->Memo_res->x(), 310);
        QCOMPARE(v->Label_res[1]->text(), QStringLiteral("7"));
    }

    void solo_cifras_y_retroceso() {
        const Operacion op = Op({741, 258});
        VentanaColumnas* v = Abrir(44, &op);
        for (char c : {'a', '+', ' ', '-', '.'})
            QTest::keyClick(v->Memo_res, c);
        QTest::keyClick(v->Memo_res, Qt::Key_Return);
        QTest::keyClick(v->Memo_res, Qt::Key_Enter);
        QCOMPARE(v->Memo_res->text(), QString());
        QVERIFY(buzon_.dialogos_vistos.isEmpty());
        Teclear(v->Memo_res, '9'); // 1 + 8: right, no carry
        QCOMPARE(v->Memo_res->x(), 370);
        QTest::keyClick(v->Memo_mellevo, 'x'); // hidden box, but keys still filtered
        QCOMPARE(v->Memo_mellevo->text(), QString());
        Teclear(v->Memo_res, '9'); // 4 + 5 = 9: right
        QCOMPARE(v->Memo_res->x(), 320);
        // Backspace on an empty box judges nothing.
        QTest::keyClick(v->Memo_res, Qt::Key_Backspace);
        QVERIFY(buzon_.dialogos_vistos.isEmpty());
        // A text that is not a number, however it got there, is a wrong digit.
        v->Memo_res->setText(QStringLiteral("x"));
        QCOMPARE(buzon_.dialogos_vistos.size(), 1);
        QCOMPARE(v->Memo_res->text(), QString());
    }

    void llevadas_data() {
        QTest::addColumn<int>("codigo");
        QTest::addColumn<QList<int>>("filas");
        QTest::addColumn<QString>("teclas");        // 'r' answer box, 'l' carry box
        QTest::addColumn<QStringList>("resultado"); // units first; "" hidden
        QTest::addColumn<QStringList>("llevadas");  // over tens, over hundreds
        QTest::addColumn<int>("aciertos");
        QTest::addColumn<int>("fallos");
        QTest::addColumn<bool>("termina");
        QTest::newRow("7 + 5 carries 1")
            << 44 << QList<int>{127, 335} << "r2l1" << QStringList{"2", "", "", ""}
            << QStringList{"1", ""} << 1 << 0 << false;
        QTest::newRow("wrong carry")
            << 44 << QList<int>{127, 335} << "r2l2l1" << QStringList{"2", "", "", ""}
            << QStringList{"1", ""} << 1 << 1 << false;
        QTest::newRow("9+9+9+9 gives 6 and 3")
            << 55 << QList<int>{109, 109, 109, 109} << "r6l3" << QStringList{"6", "", "", ""}
            << QStringList{"3", ""} << 1 << 0 << false;
        QTest::newRow("hundreds 6 + 4 with a carry: thousands")
            << 44 << QList<int>{655, 455} << "r0l1r1l1r1" << QStringList{"0", "1", "1", ""}
            << QStringList{"1", "1"} << 2 << 0 << false;
        QTest::newRow("... and the thousands digit ends it")
            << 44 << QList<int>{655, 455} << "r0l1r1l1r1r1" << QStringList{"0", "1", "1", ""}
            << QStringList{"1", "1"} << 3 << 0 << true;
        QTest::newRow("hundreds 3 + 4 with a carry: 8 ends it")
            << 44 << QList<int>{355, 455} << "r0l1r1l1r8" << QStringList{"0", "1", "", ""}
            << QStringList{"1", "1"} << 3 << 0 << true;
        QTest::newRow("no carry asked below 10")
            << 5 << QList<int>{111, 222, 333} << "r6r6" << QStringList{"6", "6", "", ""}
            << QStringList{"", ""} << 2 << 0 << false;
    }
    void llevadas() {
        QFETCH(int, codigo);
        QFETCH(QList<int>, filas);
        QFETCH(QString, teclas);
        QFETCH(QStringList, resultado);
        QFETCH(QStringList, llevadas);
        QFETCH(int, aciertos);
        QFETCH(int, fallos);
        QFETCH(bool, termina);
        juego.editar_llevadas = 1;
        juego.tipo_juego = TipoJuego(codigo == 5 ? 3 : codigo == 44 ? 2 : 5);
        Operacion op;
        op.filas = int(filas.size());
        for (int f = 0; f < op.filas; ++f)
            for (int c = 0, n = filas[f]; c < 3; ++c, n /= 10)
                op.cifras[f][c] = n % 10;
        VentanaColumnas* v = Abrir(codigo, &op);
        for (int i = 0; i < teclas.size(); i += 2)
            Teclear(teclas[i] == 'r' ? v->Memo_res : v->Memo_mellevo, teclas[i + 1]);
        QCOMPARE(v->aciertos, aciertos);
        QCOMPARE(v->fallos, fallos);
        QCOMPARE(juego.puntos[1].puntos, 2 * aciertos - fallos);
        if (termina) {
            QVERIFY(juego.ventana_actual != codigo || Celebraciones() == 1);
            QCOMPARE(Celebraciones(), 1);
            return;
        }
        for (int c = 0; c < 4; ++c) {
            QLabel* l = v->Label_res[c];
            QCOMPARE(l->isVisible() ? l->text() : QString(), resultado[c]);
        }
        for (int c = 1; c <= 2; ++c) {
            QLabel* l = v->Label_mellevo[c];
            QCOMPARE(l->isVisible() ? l->text() : QString(), llevadas[c - 1]);
            if (l->isVisible()) QCOMPARE(l->palette().color(QPalette::WindowText), QColor(Qt::red));
        }
    }

    void llevada_fallada_deja_la_cifra() {
        const Operacion op = Op({127, 335});
        VentanaColumnas* v = Abrir(44, &op);
        Teclear(v->Memo_res, '2');
        QVERIFY(v->Memo_mellevo->isVisible());
        QCOMPARE(v->Memo_mellevo->pos(), QPoint(375, v->Memo_mellevo->y()));
        QCOMPARE(v->focusWidget(), v->Memo_mellevo);
        QCOMPARE(v->aciertos, 0); // the digit and its carry count as one
        Teclear(v->Memo_mellevo, '2');
        QCOMPARE(v->Memo_res->text(), QStringLiteral("2"));
        QCOMPARE(v->Memo_res->x(), 420);
        QVERIFY(v->Memo_mellevo->isVisible());
        QCOMPARE(v->Memo_mellevo->text(), QString());
        QCOMPARE(juego.puntos[1].puntos, -1);
        // The digit cannot be judged twice while its carry is asked for.
        v->Memo_res->setText(QString());
        v->Memo_res->setText(QStringLiteral("2"));
        Teclear(v->Memo_mellevo, '1');
        QCOMPARE(v->Memo_res->x(), 370);
        Teclear(v->Memo_res, '6'); // 2 + 3 + 1, the carry added once
        QCOMPARE(v->Memo_res->x(), 320);
    }

    void llevadas_apagadas() {
        juego.editar_llevadas = 0;
        const Operacion op = Op({127, 335});
        VentanaColumnas* v = Abrir(44, &op);
        Teclear(v->Memo_res, '2');
        QVERIFY(!v->Memo_mellevo->isVisible());
        QVERIFY(!v->Label_mellevo[1]->isVisible());
        QCOMPARE(v->Memo_res->x(), 370);
        QCOMPARE(v->aciertos, 1);
        Teclear(v->Memo_res, '6');
        QCOMPARE(v->Memo_res->x(), 320);
    }

    void cambiar_el_ajuste_con_la_caja_abierta() {
        const Operacion op = Op({127, 335});
        VentanaColumnas* v = Abrir(44, &op);
        Teclear(v->Memo_res, '2');
        QVERIFY(v->Memo_mellevo->isVisible());
        Form_menu->Accion("Editarvisualizarlasquemellevo")->trigger();
        QCOMPARE(int(juego.editar_llevadas), 0);
        QVERIFY(v->Memo_mellevo->isVisible());
        Teclear(v->Memo_mellevo, '1');
        QCOMPARE(v->Label_mellevo[1]->text(), QStringLiteral("1"));
        // From the next column on, the new setting holds.
        Teclear(v->Memo_res, '6');
        QVERIFY(!v->Memo_mellevo->isVisible());
    }

    void cero_sobre_cero_data() {
        QTest::addColumn<int>("codigo");
        QTest::addColumn<QList<int>>("filas");
        QTest::addColumn<QString>("teclas");
        QTest::newRow("sumas3b 045 + 003") << 33 << QList<int>{45, 3} << "840";
        QTest::newRow("restas3b 055 - 005") << 330 << QList<int>{55, 5} << "050";
    }
    void cero_sobre_cero() {
        QFETCH(int, codigo);
        QFETCH(QList<int>, filas);
        QFETCH(QString, teclas);
        const Operacion op = Op({filas[0], filas[1]});
        VentanaColumnas* v = Abrir(codigo, &op);
        QCOMPARE(v->Cifra(0, 2)->text(), QStringLiteral("0"));
        QCOMPARE(v->Cifra(1, 2)->text(), QStringLiteral("0"));
        for (QChar c : teclas)
            Teclear(v->Memo_res, c);
        QCOMPARE(v->aciertos, 3);
        QCOMPARE(v->fallos, 0);
        QCOMPARE(Celebraciones(), 1);
    }

    void encadenar_data() {
        QTest::addColumn<int>("jugadores");
        QTest::addColumn<bool>("automatico");
        QTest::addColumn<int>("actual");
        QTest::addColumn<QList<int>>("ventanas");
        QTest::addColumn<QList<int>>("turnos");
        QTest::newRow("1 player") << 1 << true << 1 << QList<int>{33, 30, 33, 30}
                                  << QList<int>{1, 1, 1, 1};
        QTest::newRow("3 players, automatic")
            << 3 << true << 1 << QList<int>{33, 33, 33, 30, 30, 30, 33}
            << QList<int>{1, 2, 3, 1, 2, 3, 1};
        QTest::newRow("2 players, manual, player 2")
            << 2 << false << 2 << QList<int>{30, 30, 30} << QList<int>{2, 2, 2};
    }
    void encadenar() {
        QFETCH(int, jugadores);
        QFETCH(bool, automatico);
        QFETCH(int, actual);
        QFETCH(QList<int>, ventanas);
        QFETCH(QList<int>, turnos);
        JugadoresDePrueba(jugadores);
        if (!automatico) Form_menu->Accion("Cambiodeturnojugadoresmanual1")->trigger();
        juego.jugador_actual = actual;
        Form_menu->Accion("m_sumasyrestasSin")->trigger();
        QList<int> vistas, quien;
        while (vistas.size() < ventanas.size()) {
            vistas << juego.ventana_actual;
            quien << juego.jugador_actual;
            nino::ResolverColumnas(Ventana(juego.ventana_actual));
        }
        QCOMPARE(vistas, ventanas);
        QCOMPARE(quien, turnos);
        // Each player scored only their own operations: 2 points a digit.
        int total = 0;
        for (int k = 1; k <= jugadores; ++k)
            total += juego.puntos[k].puntos;
        QCOMPARE(total, (ventanas.count(33) * 3 + ventanas.count(30) * 2) * 2);
    }

    void nueva_jugada_borra_los_totales() {
        const Operacion op = Op({123, 456});
        VentanaColumnas* v = Abrir(33, &op);
        Teclear(v->Memo_res, '1');
        Teclear(v->Memo_res, '9');
        QCOMPARE(v->aciertos, 1);
        QCOMPARE(v->fallos, 1);
        CerrarVentanaActual();
        buzon_.dialogos.enqueue([](QDialog* d) {
            static_cast<TForm_jugadores*>(d)->xpButton2Click();
            return d->result();
        });
        Form_menu->Accion("Iniciarnuevojuego1")->trigger();
        for (int32_t codigo : {33, 30, 330, 44, 5, 55}) {
            QCOMPARE(Ventana(codigo)->aciertos, 0);
            QCOMPARE(Ventana(codigo)->Label_fallos->text(), QStringLiteral("0"));
        }
    }

    void cada_tecla_es_instantanea() {
        // The work of judging a digit, the 300 ms wait aside (waits are instant here).
        VentanaColumnas* v = Abrir(33);
        QElapsedTimer t;
        int teclas = 0;
        qint64 ns = 0;
        for (int i = 0; i < 300; ++i) {
            v->NuevaCuenta();
            const int u = Digito(v->Cifra(0, 0)) + Digito(v->Cifra(1, 0));
            t.start();
            Teclear(v->Memo_res, QChar('0' + u));
            ns += t.nsecsElapsed();
            ++teclas;
        }
        const double ms = ns / 1e6 / teclas;
        qInfo("judging one digit: %.3f ms", ms);
        // Under valgrind or a sanitizer the figure means nothing.
        if (qEnvironmentVariableIsSet("ZIFRA_SIN_TIEMPOS"))
            QSKIP("timing not checked with ZIFRA_SIN_TIEMPOS");
        QVERIFY2(ms < 1.0, qPrintable(QString::number(ms)));
    }
};

QTEST_MAIN(TestColumnas)
#include "test_columnas.moc"
