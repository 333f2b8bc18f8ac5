// How play modes alternate the addition and subtraction windows between
// players, with stand-in exercise windows that behave like the real ones.
#include "nucleo/juego.h"
#include "nucleo/ventanas.h"
#include "players/turnos.h"
#include "pruebas.h"

#include <QtTest>
#include <memory>
#include <vector>

class TestSiguiente : public QObject {
    Q_OBJECT
    std::vector<std::unique_ptr<VentanaFalsa>> ventanas_;

private slots:
    void initTestCase() {
        for (const VentanaEjercicio& v : kVentanasEjercicio) {
            ventanas_.push_back(std::make_unique<VentanaFalsa>(v.codigo));
            RegistrarVentana(v.codigo, ventanas_.back().get());
        }
    }
    void init() { IniciarJuego(); }
    void cleanup() {
        CerrarVentanaActual();
        QVERIFY2(VentanasVisibles().isEmpty(), qPrintable(VentanasVisibles().join(u',')));
    }

    void alternancia_data() {
        QTest::addColumn<int>("jugadores");
        QTest::addColumn<bool>("automatico");
        QTest::addColumn<int>("actual");
        QTest::addColumn<QList<int>>("codigos");
        QTest::newRow("1 player, automatic") << 1 << true << 1 << QList<int>{33, 30, 33};
        QTest::newRow("1 player, manual") << 1 << false << 1 << QList<int>{33, 30, 33};
        QTest::newRow("3 players, automatic")
            << 3 << true << 1 << QList<int>{33, 33, 33, 30, 30, 30, 33};
        QTest::newRow("2 players, manual, player 2 current")
            << 2 << false << 2 << QList<int>{30, 30, 30};
    }
    void alternancia() {
        QFETCH(int, jugadores);
        QFETCH(bool, automatico);
        QFETCH(int, actual);
        QFETCH(QList<int>, codigos);
        JugadoresDePrueba(jugadores);
        juego.cambio_automatico = automatico;
        juego.jugador_actual = actual;
        juego.tipo_juego = TipoJuego(1);
        SiguienteSinLlevadas();
        QList<int> vistas{juego.ventana_actual};
        while (vistas.size() < codigos.size()) {
            FinDeOperacion(SiguienteSinLlevadas);
            vistas << juego.ventana_actual;
        }
        QCOMPARE(vistas, codigos);
    }

    void manual_cambia_al_terminar_jugador_1() {
        JugadoresDePrueba(2);
        juego.cambio_automatico = 0;
        juego.tipo_juego = TipoJuego(1);
        juego.jugador_actual = 2;
        SiguienteSinLlevadas();
        QCOMPARE(juego.ventana_actual, int32_t(VentanaRestas3));
        JugadorAnterior(); // player 1 now plays
        FinDeOperacion(SiguienteSinLlevadas);
        QCOMPARE(juego.ventana_actual, int32_t(VentanaSumas3b));
        FinDeOperacion(SiguienteSinLlevadas);
        QCOMPARE(juego.ventana_actual, int32_t(VentanaRestas3));
    }

    void ventanas_de_cada_modo_data() {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<int>("suma");
        QTest::addColumn<int>("resta");
        QTest::newRow("mode 1") << 1 << 33 << 30;
        QTest::newRow("mode 2") << 2 << 44 << 330;
        QTest::newRow("mode 3") << 3 << 5 << 330;
        QTest::newRow("mode 4") << 4 << 5 << 440;
        QTest::newRow("mode 5") << 5 << 55 << 50;
        QTest::newRow("mode 6") << 6 << 6 << 60;
    }
    void ventanas_de_cada_modo() {
        QFETCH(int, tipo);
        QFETCH(int, suma);
        QFETCH(int, resta);
        void (*rutinas[])() = {SiguienteSinLlevadas, SiguienteSumasConLlevadas,
                               SiguienteConLlevadas, SiguienteCalculoMental};
        const ModoJuego* modo = BuscarModoJuego(TipoJuego(tipo));
        QVERIFY(modo);
        juego.tipo_juego = TipoJuego(tipo);
        rutinas[modo->grupo]();
        QCOMPARE(juego.ventana_actual, suma);
        rutinas[modo->grupo]();
        QCOMPARE(juego.ventana_actual, resta);
        QVERIFY(!VentanaDeCodigo(suma)->isVisible());
        QVERIFY(VentanaDeCodigo(resta)->isVisible());
    }

    void modo_de_otro_grupo() {
        // A group asked for while another group's mode is chosen uses its last mode.
        juego.tipo_juego = TipoJuego(1);
        SiguienteSumasConLlevadas();
        QCOMPARE(juego.ventana_actual, int32_t(VentanaSumas5));
        SiguienteConLlevadas();
        QCOMPARE(juego.ventana_actual, int32_t(VentanaSumas5b));
        juego.tipo_juego = TipoJuego(4);
        SiguienteSinLlevadas();
        QCOMPARE(juego.ventana_actual, int32_t(VentanaSumas3b));
    }

    void cerrar_para_el_reloj() {
        juego.tipo_juego = TipoJuego(6);
        SiguienteCalculoMental();
        QVERIFY(VentanaDeCodigo(VentanaCmental1)->isVisible());
        QCOMPARE(int(juego.contando_tiempo), 1);
        CerrarVentanaActual();
        QVERIFY(!VentanaDeCodigo(VentanaCmental1)->isVisible());
        QCOMPARE(juego.ventana_actual, int32_t(SinVentana));
        QCOMPARE(int(juego.contando_tiempo), 0);
    }

    void codigos_desconocidos_no_hacen_nada() {
        juego.ventana_actual = 12345;
        juego.contando_tiempo = 1;
        CerrarVentanaActual();
        QCOMPARE(juego.ventana_actual, int32_t(SinVentana));
        QCOMPARE(int(juego.contando_tiempo), 0);
        MostrarVentana(12345);
        MostrarVentana(SinVentana);
        QVERIFY(VentanasVisibles().isEmpty());
    }

    void turnos_dan_la_vuelta() {
        JugadoresDePrueba(3);
        juego.jugador_actual = 3;
        JugadorSiguiente();
        QCOMPARE(juego.jugador_actual, 1);
        JugadorAnterior();
        QCOMPARE(juego.jugador_actual, 3);
    }
};

QTEST_MAIN(TestSiguiente)
#include "test_siguiente.moc"
