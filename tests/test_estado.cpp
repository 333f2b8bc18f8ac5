// The game record, its resets and the small shared routines.
#include "nucleo/fondo.h"
#include "nucleo/juego.h"
#include "nucleo/servicios.h"
#include "pruebas.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <cstring>

class TestEstado : public QObject {
    Q_OBJECT

private slots:
    void init() { IniciarJuego(); }

    void registro_en_bytes() {
        // The bytes of a record are what a results file holds: little-endian, no gaps.
        ResultsRecord r{};
        r.anio = 2026;
        r.dia = 9;
        r.mes = 12;
        r.aciertos[4] = 0x01020304;
        const auto* b = reinterpret_cast<const unsigned char*>(&r);
        QCOMPARE(int(b[26]), 2026 & 0xFF);
        QCOMPARE(int(b[27]), 2026 >> 8);
        QCOMPARE(int(b[30]), 9);
        QCOMPARE(int(b[31]), 12);
        QCOMPARE(int(b[48]), 0x04);
        QCOMPARE(int(b[51]), 0x01);
    }

    void valores_iniciales() {
        QCOMPARE(juego.num_jugadores, 1);
        QCOMPARE(juego.jugador_actual, 1);
        QCOMPARE(NombreJugador(1), QStringLiteral("Sin nombre"));
        QCOMPARE(QByteArray(juego.puntos[1].nombre), QByteArray("Sin nombre"));
        QCOMPARE(int(juego.cambio_automatico), 1);
        QCOMPARE(int(juego.editar_llevadas), 1);
        QCOMPARE(int(juego.marcar_llevadas), 2);
        QCOMPARE(int(juego.modo_restas), 1);
        QCOMPARE(int(juego.tipo_juego), 0);
        QCOMPARE(int(juego.resultados_guardados), 1);
        QCOMPARE(int(juego.archivo_valido), 0);
        QCOMPARE(int(juego.terminando), 0);
        QCOMPARE(juego.directorio_inicial, QDir::currentPath());
    }

    void nuevo_juego_borra_todo() {
        juego.num_jugadores = 3;
        PonerNombreJugador(2, QStringLiteral("Lucía"));
        juego.jugadores[1].aciertos[2] = 7;
        juego.jugadores[49].fallos[4] = 9;
        juego.puntos[2].puntos = -4;
        juego.resultados_guardados = 0;
        juego.archivo_valido = 1;
        int contadores_borrados = 0;
        int etiqueta_borrada = 0;
        QObject dueno;
        AlBorrarContadoresVentanas(&dueno, [&] { ++contadores_borrados; });
        AlBorrarResultados(&dueno, [&] { ++etiqueta_borrada; });

        NuevoJuegoSinJugadores();

        const QDate hoy = QDate::currentDate();
        for (const ResultsRecord& r : juego.jugadores) {
            QCOMPARE(r.nombre[0], '\0');
            QCOMPARE(r.anio, hoy.year());
            QCOMPARE(int(r.mes), hoy.month());
            QCOMPARE(int(r.dia), hoy.day());
            for (int k = 0; k < kTiposEjercicio; ++k) {
                QCOMPARE(r.aciertos[k], 0);
                QCOMPARE(r.fallos[k], 0);
            }
        }
        QCOMPARE(QByteArray(juego.puntos[0].nombre), QByteArray("Grupo sin nombre"));
        for (int k = 0; k <= kMaxJugadores; ++k)
            QCOMPARE(juego.puntos[k].puntos, 0);
        QCOMPARE(juego.puntos[2].nombre[0], '\0');
        QCOMPARE(juego.num_jugadores, 0);
        QCOMPARE(juego.jugador_actual, 0);
        QCOMPARE(int(juego.resultados_guardados), 1);
        QCOMPARE(int(juego.archivo_valido), 0);
        QCOMPARE(contadores_borrados, 1);
        QCOMPARE(etiqueta_borrada, 1);
    }

    void oyente_destruido_no_se_llama() {
        int llamadas = 0;
        {
            QObject dueno;
            AlBorrarContadoresVentanas(&dueno, [&] { ++llamadas; });
        }
        BorrarContadoresVentanas();
        QCOMPARE(llamadas, 0);
    }

    void nombres_largos_caben_data() {
        QTest::addColumn<QString>("nombre");
        QTest::addColumn<QByteArray>("en_resultados");
        QTest::addColumn<QByteArray>("en_puntos");
        QTest::newRow("19 letters")
            << QStringLiteral("abcdefghijklmnopqrs") << QByteArray("abcdefghijklmnopqrs")
            << QByteArray("abcdefghijklmnopqrs");
        QTest::newRow("too long for both")
            << QString(30, QLatin1Char('x')) << QByteArray(25, 'x') << QByteArray(19, 'x');
        QTest::newRow("accents as single bytes")
            << QStringLiteral("Íñigo") << QByteArray("\xCD\xF1igo") << QByteArray("\xCD\xF1igo");
    }
    void nombres_largos_caben() {
        QFETCH(QString, nombre);
        QFETCH(QByteArray, en_resultados);
        QFETCH(QByteArray, en_puntos);
        std::memset(&juego.jugadores[1], 0x55, sizeof(ResultsRecord));
        PonerNombreJugador(1, nombre);
        QCOMPARE(QByteArray(juego.jugadores[0].nombre), en_resultados);
        QCOMPARE(QByteArray(juego.puntos[1].nombre), en_puntos);
        // Nothing written into the next player's record.
        QCOMPARE(juego.jugadores[1].nombre[0], char(0x55));
    }

    void nombre_fuera_de_tabla_se_ignora() {
        const GameState antes = juego;
        PonerNombreJugador(0, QStringLiteral("Nadie"));
        PonerNombreJugador(kMaxJugadores + 1, QStringLiteral("Nadie"));
        QVERIFY(std::memcmp(antes.jugadores, juego.jugadores, sizeof juego.jugadores) == 0);
        QVERIFY(std::memcmp(antes.puntos, juego.puntos, sizeof juego.puntos) == 0);
    }

    void aleatorio_en_limites() {
        for (int i = 0; i < 200; ++i) {
            QCOMPARE(Aleatorio(0), 0);
            QCOMPARE(Aleatorio(1), 0);
            const int r = Aleatorio(7);
            QVERIFY(r >= 0 && r < 7);
        }
    }

    void reloj_data() {
        QTest::addColumn<int>("segundos");
        QTest::addColumn<QString>("texto");
        QTest::newRow("0") << 0 << QStringLiteral("  0 : 00");
        QTest::newRow("59") << 59 << QStringLiteral("  0 : 59");
        QTest::newRow("60") << 60 << QStringLiteral("  1 : 00");
        QTest::newRow("61 min 1 s") << 3661 << QStringLiteral(" 61 : 01");
        QTest::newRow("59999") << 59999 << QStringLiteral("999 : 59");
        QTest::newRow("60000") << 60000 << QStringLiteral("999 : 00");
        QTest::newRow("far beyond") << 9000000 << QStringLiteral("999 : 00");
    }
    void reloj() {
        QFETCH(int, segundos);
        QFETCH(QString, texto);
        QCOMPARE(TextoTiempo(segundos), texto);
    }

    void color_puntos_data() {
        QTest::addColumn<int>("puntos");
        QTest::addColumn<QColor>("color");
        QTest::newRow("negative") << -1 << QColor(Qt::red);
        QTest::newRow("zero") << 0 << QColor(Qt::blue);
        QTest::newRow("positive") << 40 << QColor(Qt::blue);
    }
    void color_puntos() {
        QFETCH(int, puntos);
        QFETCH(QColor, color);
        QCOMPARE(ColorPuntos(puntos), color);
    }

    void mosaico() {
        // A 5x4 image with 2x2 tiles: first row from x = 0, later rows from x = 1;
        // a row goes on while x has not passed the width, and the last row is
        // drawn just below the image.
        const std::vector<QPoint> esperado = {{0, 0}, {2, 0}, {4, 0}, {1, 2},
                                              {3, 2}, {5, 2}, {1, 4}};
        QCOMPARE(PosicionesMosaico(5, 4, 2, 2), esperado);
        QVERIFY(PosicionesMosaico(100, 100, 0, 10).empty());
        QVERIFY(PosicionesMosaico(100, 100, 10, 0).empty());
    }

    void archivos() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        juego.directorio_inicial = dir.path();
        QFile f(dir.filePath(QStringLiteral("fondo.bmp")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("caras")));
        QCOMPARE(ExisteArchivo(QStringLiteral("fondo.bmp")), 1);
        QCOMPARE(ExisteArchivo(QStringLiteral("no_esta.bmp")), 0);
        QCOMPARE(ExisteArchivo(QStringLiteral("caras")), 0);
        QCOMPARE(ExisteArchivo(QString()), 0);

        QString salida = QStringLiteral("antes");
        NombreDeArchivo(QStringLiteral("/home/ana/resultad/clase 3.rsr"), salida);
        QCOMPARE(salida, QStringLiteral("clase 3.rsr"));
        NombreDeArchivo(QStringLiteral("solo"), salida);
        QCOMPARE(salida, QStringLiteral("solo"));
    }

    void esperar_real_e_instantaneo() {
        plataforma::FijarEsperasInstantaneas(false);
        QVERIFY(Esperar(30) >= 30);
        plataforma::FijarEsperasInstantaneas(true);
        QVERIFY(Esperar(5000) < 100);
    }
};

QTEST_GUILESS_MAIN(TestEstado)
#include "test_estado.moc"
