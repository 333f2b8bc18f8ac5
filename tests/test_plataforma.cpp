// Our stand-ins for the desktop's services: code pages, sounds, music,
// message boxes and pending input.
#include "platform/codepages.h"
#include "platform/cursores.h"
#include "platform/entrada.h"
#include "platform/mensajes.h"
#include "platform/musica.h"
#include "platform/sonidos.h"
#include "platform/ticks.h"
#include "pruebas.h"

#include <QAbstractButton>
#include <QElapsedTimer>
#include <QFile>
#include <QLibraryInfo>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtEndian>
#include <QtTest>

class TestPlataforma : public QObject {
    Q_OBJECT
    Buzon buzon_;

private slots:
    void init() {
        buzon_ = Buzon{};
        buzon_.Instalar();
    }
    void cleanup() { buzon_.Quitar(); }

    void paginas_de_codigos() {
        const QString texto = QStringLiteral("ñÑáéíóúü¿¡");
        const std::string cp1252 = plataforma::ACp1252(texto);
        QCOMPARE(QByteArray::fromStdString(cp1252),
                 QByteArray("\xF1\xD1\xE1\xE9\xED\xF3\xFA\xFC\xBF\xA1"));
        const std::string cp850 = plataforma::Cp1252ACp850(cp1252);
        QCOMPARE(QByteArray::fromStdString(cp850),
                 QByteArray("\xA4\xA5\xA0\x82\xA1\xA2\xA3\x81\xA8\xAD"));
        QCOMPARE(plataforma::Cp850ACp1252(cp850), cp1252);
        QCOMPARE(plataforma::DesdeCp1252(cp1252.c_str(), cp1252.size()), texto);
    }

    void caracteres_sin_equivalente_data() {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QByteArray>("cp1252");
        QTest::newRow("chinese") << QStringLiteral("a中b") << QByteArray("a?b");
        QTest::newRow("emoji") << QStringLiteral("x\U0001F600y") << QByteArray("x?y");
        QTest::newRow("euro fits") << QStringLiteral("5€") << QByteArray("5\x80");
    }
    void caracteres_sin_equivalente() {
        QFETCH(QString, texto);
        QFETCH(QByteArray, cp1252);
        QCOMPARE(QByteArray::fromStdString(plataforma::ACp1252(texto)), cp1252);
    }

    void lectura_sin_nul_no_se_pasa() {
        const char nombre[4] = {'A', 'n', 'a', 'X'};
        QCOMPARE(plataforma::DesdeCp1252(nombre, 3), QStringLiteral("Ana"));
        // A byte CP850 has but CP1252 lacks comes back as '?', not dropped.
        QCOMPARE(plataforma::Cp850ACp1252("\xB0x"), std::string("?x"));
    }

    void sonidos_incluidos_data() {
        QTest::addColumn<QString>("recurso");
        QTest::addColumn<int>("frecuencia");
        QTest::addColumn<int>("bytes");
        QTest::newRow("success") << QStringLiteral(":/sonidos/acierto_cuenta.wav") << 15000
                                 << 10206;
        QTest::newRow("failure") << QStringLiteral(":/sonidos/fallo_numero.wav") << 22050 << 10857;
        QTest::newRow("key") << QStringLiteral(":/sonidos/tecla.wav") << 22050 << 11554;
    }
    void sonidos_incluidos() {
        QFETCH(QString, recurso);
        QFETCH(int, frecuencia);
        QFETCH(int, bytes);
        QFile f(recurso);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray w = f.readAll();
        QVERIFY(w.size() >= 44 + bytes);
        auto u16 = [&](int at) { return qFromLittleEndian<quint16>(w.constData() + at); };
        auto u32 = [&](int at) { return int(qFromLittleEndian<quint32>(w.constData() + at)); };
        QCOMPARE(w.left(4), QByteArray("RIFF"));
        QCOMPARE(w.mid(8, 8), QByteArray("WAVEfmt "));
        QCOMPARE(int(u16(20)), 1); // PCM
        QCOMPARE(int(u16(22)), 1); // mono
        QCOMPARE(u32(24), frecuencia);
        QCOMPARE(int(u16(34)), 8); // 8-bit
        QCOMPARE(w.mid(36, 4), QByteArray("data"));
        QCOMPARE(u32(40), bytes);
        // A sound, not silence: the samples move away from the 128 midpoint.
        int lejos = 0;
        for (int i = 44; i < 44 + bytes; ++i)
            lejos = std::max(lejos, std::abs(int(static_cast<unsigned char>(w[i])) - 128));
        QVERIFY(lejos > 20);
    }

    void sonidos_no_bloquean() {
        QList<plataforma::Sonido> tocados;
        plataforma::FijarObservadorSonidos([&](plataforma::Sonido s) { tocados << s; });
        plataforma::CargarSonidos();
        QElapsedTimer t;
        t.start();
        for (int i = 0; i < 20; ++i) {
            plataforma::Tocar(plataforma::Sonido::Tecla);
            plataforma::Tocar(plataforma::Sonido::Fallo);
            plataforma::Tocar(plataforma::Sonido::Acierto);
        }
        QVERIFY(t.elapsed() < 2000);
        QCOMPARE(tocados.size(), 60);
        QCOMPARE(tocados.last(), plataforma::Sonido::Acierto);
        plataforma::FijarObservadorSonidos(nullptr);
    }

    void musica_que_no_abre() {
        QTemporaryDir dir;
        const QString falso = dir.filePath(QStringLiteral("acierto.mid"));
        QFile f(falso);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("esto no es un archivo MIDI");
        f.close();
        plataforma::ReproductorMidi m;
        QVERIFY(!m.Abrir(falso));
        QVERIFY(!m.Abierto());
        QVERIFY(!m.Abrir(dir.filePath(QStringLiteral("no_esta.mid"))));
        // Play and stop on a closed player are harmless.
        m.Tocar();
        m.Parar();
        QVERIFY(!m.Sonando());
    }

    void musica_suena_y_para() {
        TarjetaNula tarjeta;
        QTemporaryDir dir;
        const QString archivo = dir.filePath(QStringLiteral("acierto.mid"));
        QVERIFY(EscribirMidi(archivo));

        plataforma::ReproductorMidi m;
        QVERIFY(m.Abrir(archivo));
        QVERIFY(m.Abierto());
        m.Tocar();
        QTRY_VERIFY(m.Sonando());
        m.Parar();
        QVERIFY(!m.Sonando());
        m.Tocar(); // again from the start
        QTRY_VERIFY(m.Sonando());
        m.Cerrar();
        QVERIFY(!m.Abierto());
        QVERIFY(!m.Sonando());
    }

    // Every correct answer restarts the tune, often while it is still
    // playing. The null card renders as fast as it can, so the audio thread
    // is always busy when the player is swapped.
    void musica_reiniciada_sin_descanso() {
        TarjetaNula tarjeta;
        QTemporaryDir dir;
        const QString archivo = dir.filePath(QStringLiteral("acierto.mid"));
        QVERIFY(EscribirMidi(archivo));

        plataforma::ReproductorMidi m;
        QVERIFY(m.Abrir(archivo));
        for (int i = 0; i < 1500; ++i) {
            m.Tocar();
            if (i % 3 == 0) m.Parar();
        }
        m.Tocar();
        QTRY_VERIFY(m.Sonando());
        m.Cerrar();
        QVERIFY(!m.Abierto());
    }

    void mensajes_data() {
        QTest::addColumn<int>("cual");
        QTest::addColumn<int>("icono");
        QTest::addColumn<int>("pitidos");
        QTest::newRow("information") << 0 << int(plataforma::Icono::Informacion) << 0;
        QTest::newRow("file error") << 1 << int(plataforma::Icono::Error) << 1;
        QTest::newRow("question") << 2 << int(plataforma::Icono::Pregunta) << 0;
    }
    void mensajes() {
        QFETCH(int, cual);
        QFETCH(int, icono);
        QFETCH(int, pitidos);
        buzon_.respuestas.enqueue(plataforma::RespuestaSi);
        const QString texto = QStringLiteral("\nHola\n");
        if (cual == 0)
            plataforma::Informar(texto);
        else if (cual == 1)
            plataforma::AvisarError(texto);
        else
            QVERIFY(plataforma::Preguntar(texto));
        QCOMPARE(buzon_.mensajes.size(), 1);
        const plataforma::Mensaje& m = buzon_.mensajes.first();
        QCOMPARE(m.titulo, QStringLiteral("Zifra Sumas y Restas"));
        QCOMPARE(m.texto, texto);
        QCOMPARE(int(m.icono), icono);
        QCOMPARE(m.botones == plataforma::Botones::SiNo, cual == 2);
        QCOMPARE(buzon_.pitidos, pitidos);
    }

    void pregunta_sin_respuesta_es_no() { QVERIFY(!plataforma::Preguntar(QStringLiteral("?"))); }

    void caja_real_en_espanol() {
        // With no test answer the real box appears; its buttons speak Spanish.
        buzon_.Quitar();
        QString botones;
        QTimer::singleShot(0, [&] {
            QWidget* caja = QApplication::activeModalWidget();
            QVERIFY(caja);
            for (auto* b : caja->findChildren<QAbstractButton*>())
                botones += b->text() + QLatin1Char('|');
            QMetaObject::invokeMethod(caja, "reject");
        });
        QTranslator t;
        QVERIFY(t.load(QLocale(QLocale::Spanish), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
        QCoreApplication::installTranslator(&t);
        plataforma::Preguntar(QStringLiteral("¿Seguro?"));
        QCoreApplication::removeTranslator(&t);
        QVERIFY2(botones.contains(QStringLiteral("Sí")), qPrintable(botones));
        QVERIFY2(botones.contains(QStringLiteral("No")), qPrintable(botones));
    }

    void cursor_de_espera() {
        QVERIFY(!QApplication::overrideCursor());
        plataforma::PonerCursorEspera();
        plataforma::PonerCursorEspera(); // one remembered cursor, as before
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        plataforma::QuitarCursorEspera();
        QVERIFY(!QApplication::overrideCursor());
        plataforma::QuitarCursorEspera(); // nothing left to put back: harmless
        QVERIFY(!QApplication::overrideCursor());
        QCOMPARE(plataforma::CursorMano().shape(), Qt::BitmapCursor);
    }

    void entrada_pendiente() {
        QWidget w;
        w.show();
        plataforma::EmpezarVigilanciaEntrada();
        QVERIFY(!plataforma::HayEntradaPendiente());
        QCoreApplication::postEvent(&w, new QKeyEvent(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier));
        QVERIFY(plataforma::HayEntradaPendiente());
        QVERIFY(!plataforma::HayEntradaPendiente());
        plataforma::TerminarVigilanciaEntrada();
    }
};

QTEST_MAIN(TestPlataforma)
#include "test_plataforma.moc"
