// Points, counters, the two notices and the bonus window with its faces.
#include "app/arranque.h"
#include "app/form_menu.h"
#include "nucleo/imagen_animada.h"
#include "nucleo/juego.h"
#include "platform/escritorio.h"
#include "platform/sonidos.h"
#include "players/efectos_cara.h"
#include "players/form_acierto.h"
#include "players/form_aviso_error.h"
#include "players/form_muchos_aciertos.h"
#include "players/puntuacion.h"
#include "players/turnos.h"
#include "pruebas.h"

#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {
const QSize kPantalla(200, 150);

bool Cara(const QString& ruta, QColor color, QSize tamano = QSize(20, 15)) {
    QImage i(tamano, QImage::Format_RGB32);
    i.fill(color);
    return i.save(ruta, "BMP");
}

QColor ColorDe(const QLabel* l) {
    return QColor(l->pixmap().toImage().pixel(0, 0));
}
} // namespace

class TestAvisos : public QObject {
    Q_OBJECT
    Buzon buzon_;
    std::unique_ptr<QTemporaryDir> dir_;
    QList<plataforma::Sonido> sonidos_;

    // The success notice as a child meets it: shown, then "&Seguir". Any
    // other window that comes up is just closed.
    static int NoticiaConSeguir(QDialog* d) {
        d->show();
        if (auto* aviso = qobject_cast<AvisoModal*>(d))
            QTest::mouseClick(aviso->Color95Button1, Qt::LeftButton);
        else
            d->reject();
        return d->result();
    }

    // The bonus window for real: shown, its timer draws the face, then a key.
    static int CaraYTecla(QDialog* d) {
        d->show();
        Form_muchos_aciertos->Timer1Timer();
        if (d->isVisible()) QTest::keyClick(d, Qt::Key_Space);
        return d->result();
    }

private slots:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        QDir::setCurrent(dir_->path());
        buzon_ = Buzon{};
        buzon_.Instalar();
        sonidos_.clear();
        plataforma::FijarObservadorSonidos([this](plataforma::Sonido s) { sonidos_ << s; });
        plataforma::FijarTamanoPantalla(kPantalla);
    }
    void cleanup() {
        delete Form_menu;
        buzon_.Quitar();
        plataforma::FijarObservadorSonidos(nullptr);
        plataforma::FijarTamanoPantalla(QSize());
        QVERIFY2(VentanasVisibles().isEmpty(), qPrintable(VentanasVisibles().join(u',')));
    }

    void puntos_y_contadores_data() {
        QTest::addColumn<int>("ventana");
        QTest::addColumn<int>("puntos_antes");
        QTest::addColumn<int>("contador_antes");
        QTest::addColumn<bool>("acierto");
        QTest::addColumn<int>("puntos");
        QTest::addColumn<int>("contador");
        QTest::addColumn<QColor>("color");
        QTest::newRow("right digit") << 33 << 4 << 0 << true << 6 << 1 << QColor(Qt::blue);
        QTest::newRow("wrong at 0 goes red") << 30 << 0 << 0 << false << -1 << 1 << QColor(Qt::red);
        QTest::newRow("counter stops at 32700")
            << 440 << 8 << 32700 << true << 10 << 32700 << QColor(Qt::blue);
        QTest::newRow("failures stop too")
            << 6 << -5 << 32700 << false << -6 << 32700 << QColor(Qt::red);
        QTest::newRow("back to blue at 0") << 60 << -2 << 3 << true << 0 << 4 << QColor(Qt::blue);
    }
    void puntos_y_contadores() {
        QFETCH(int, ventana);
        QFETCH(int, puntos_antes);
        QFETCH(int, contador_antes);
        QFETCH(bool, acierto);
        QFETCH(int, puntos);
        QFETCH(int, contador);
        QFETCH(QColor, color);
        CrearVentanas();
        JugadoresDePrueba(2);
        JugadorSiguiente();
        const int kind = BuscarVentanaEjercicio(ventana)->tipo;
        juego.ventana_actual = ventana;
        juego.puntos[2].puntos = puntos_antes;
        auto& contadores = acierto ? juego.jugadores[1].aciertos : juego.jugadores[1].fallos;
        contadores[kind] = contador_antes;
        acierto ? RegistrarAcierto() : RegistrarFallo();
        QCOMPARE(juego.puntos[2].puntos, puntos);
        QCOMPARE(contadores[kind], contador);
        QCOMPARE(int(juego.resultados_guardados), 0);
        QCOMPARE(Form_menu->Label_puntos->text(), QString::number(puntos));
        QCOMPARE(Form_menu->Label_puntos->palette().color(QPalette::WindowText), color);
        QCOMPARE(Form_menu->Label_pacertadas->text(),
                 QString::number(juego.jugadores[1].aciertos[kind]));
        QCOMPARE(Form_menu->Label_pfalladas->text(),
                 QString::number(juego.jugadores[1].fallos[kind]));
        // Player 1 and the other kinds are untouched.
        QCOMPARE(juego.puntos[1].puntos, 0);
        for (int k = 0; k < kTiposEjercicio; ++k)
            if (k != kind) QCOMPARE(contadores[k], 0);
    }

    void codigo_desconocido_solo_puntua() {
        CrearVentanas();
        juego.ventana_actual = SinVentana;
        RegistrarAcierto();
        QCOMPARE(juego.puntos[1].puntos, 2);
        for (int k = 0; k < kTiposEjercicio; ++k)
            QCOMPARE(juego.jugadores[0].aciertos[k], 0);
    }

    void quinta_cuenta_premia() {
        CrearVentanas();
        JugadoresDePrueba(3);
        juego.puntos[1].puntos = 10;
        juego.puntos[2].puntos = -3;
        juego.puntos[3].puntos = 0;
        juego.contando_tiempo = 1;
        juego.resultados_guardados = 1;
        juego.jugadores[0].aciertos[0] = 7;
        for (int i = 0; i < 6; ++i)
            buzon_.dialogos.enqueue(NoticiaConSeguir); // whatever comes up
        for (int i = 1; i <= 4; ++i) {
            CelebrarCuenta();
            QCOMPARE(juego.cuentas_acertadas, i);
        }
        QVERIFY(buzon_.dialogos_vistos.isEmpty());
        CelebrarCuenta();
        QCOMPARE(buzon_.dialogos_vistos, (QStringList{"Form_Acierto", "Form_muchos_aciertos"}));
        QCOMPARE(juego.cuentas_acertadas, 0);
        QCOMPARE(juego.puntos[1].puntos, 30);
        QCOMPARE(juego.puntos[2].puntos, 17);
        QCOMPARE(juego.puntos[3].puntos, 20);
        QCOMPARE(int(juego.contando_tiempo), 0);
        // The bonus is points only.
        QCOMPARE(juego.jugadores[0].aciertos[0], 7);
        QCOMPARE(int(juego.resultados_guardados), 1);
        QCOMPARE(
            Form_Acierto->Label1->text(),
            QStringLiteral("¡¡ Muy bien !!\n\nEstás jugando tan bien que has ganado 20 puntos "
                           "más.\n\nPulsa el botón 'Seguir' para ver la cara graciosa que tienes"));
        QVERIFY(!Form_Acierto->isVisible());
        CelebrarCuenta(); // the sixth
        QCOMPARE(buzon_.dialogos_vistos.size(), 2);
        QCOMPARE(juego.cuentas_acertadas, 1);
        QCOMPARE(sonidos_.count(plataforma::Sonido::Acierto), 6);
    }

    void celebrar_anima() {
        CrearVentanas();
        CelebrarCuenta();
        QCOMPARE(sonidos_, QList<plataforma::Sonido>{plataforma::Sonido::Acierto});
        // With no pictures shipped the animations stay at rest.
        QVERIFY(!Form_menu->GIFImage1->isVisible());
        Form_menu->GIFImage1->Cargar(QStringLiteral(ZIFRA_DATOS_PRUEBA "/tres_cuadros.gif"));
        Form_menu->show();
        CelebrarCuenta();
        QVERIFY(Form_menu->GIFImage1->Animando());
        QTRY_VERIFY(!Form_menu->GIFImage1->Animando());
    }

    void aviso_de_fallo() {
        CrearVentanas();
        TForm_aviso_error* a = Form_aviso_error;
        QCOMPARE(a->windowTitle(), QStringLiteral("  Aviso de fallo"));
        QCOMPARE(a->size(), QSize(476, 225));
        QCOMPARE(a->Label1->text(), QStringLiteral("El número que has pulsado NO es correcto."));
        QCOMPARE(a->Label2->text(), QStringLiteral("Vuelve a calcularlo."));
        QCOMPARE(a->Button_nulo->y(), 1500);
        QVERIFY(!(a->windowFlags() & Qt::WindowCloseButtonHint));
        a->show();
        QCOMPARE(a->focusWidget(), a->Button_nulo);
        // Stray keys, Escape and Enter included, leave it on screen.
        for (int tecla :
             {int(Qt::Key_Escape), int(Qt::Key_Return), int(Qt::Key_Space), int(Qt::Key_7)}) {
            QTest::keyClick(a, Qt::Key(tecla));
            QTest::keyClick(a->Button_nulo, Qt::Key(tecla));
            QVERIFY(a->isVisible());
        }
        QVERIFY(!a->close());
        QVERIFY(a->isVisible());
        QTest::mouseClick(a->Color95Button1, Qt::LeftButton);
        QVERIFY(!a->isVisible());
        QCOMPARE(a->result(), int(QDialog::Accepted));

        QString vista;
        buzon_.dialogos.enqueue([&](QDialog*) {
            vista = a->Label2->text();
            return int(QDialog::Accepted);
        });
        a->Mostrar(nullptr, QStringLiteral("Lo siento, en esta columna no te llevas ninguna."),
                   QStringLiteral("Mira bien los números, y sigue."));
        QCOMPARE(vista, QStringLiteral("Mira bien los números, y sigue."));
        QCOMPARE(a->Label1->text(), QStringLiteral("El número que has pulsado NO es correcto."));
        QCOMPARE(a->Label2->text(), QStringLiteral("Vuelve a calcularlo."));
    }

    void aviso_de_acierto() {
        QVERIFY(Cara(QStringLiteral("acierto.bmp"), Qt::green));
        CrearVentanas();
        TForm_Acierto* a = Form_Acierto;
        QCOMPARE(a->windowTitle(), QStringLiteral("  Aviso de acierto."));
        QCOMPARE(a->size(), QSize(634, 262));
        QCOMPARE(a->Label1->text(), QStringLiteral("¡¡ HURRA !!"));
        QCOMPARE(ColorDe(a->Image1), QColor(Qt::green));
        // Over the main window (its owner), not over every other program.
        QVERIFY(!(a->windowFlags() & Qt::WindowStaysOnTopHint));
        QCOMPARE(a->parentWidget(), Form_menu);
        QCOMPARE(a->pos(), QPoint(100 - 317, 75 - 131)); // centred on the screen
        QVERIFY(buzon_.mensajes.isEmpty());
    }

    // The picture fills its place whatever its own size: a 2x1 picture,
    // left half red and right half blue, over the 306x266 space.
    void imagen_de_acierto_estirada() {
        QImage dos(2, 1, QImage::Format_RGB32);
        dos.setPixel(0, 0, qRgb(255, 0, 0));
        dos.setPixel(1, 0, qRgb(0, 0, 255));
        QVERIFY(dos.save(QStringLiteral("acierto.bmp"), "BMP"));
        CrearVentanas();
        QLabel* imagen = Form_Acierto->Image1;
        QCOMPARE(imagen->size(), QSize(306, 266));
        const QImage pintada = imagen->grab().toImage();
        for (int y : {2, 133, 263}) {
            QCOMPARE(QColor(pintada.pixel(10, y)), QColor(Qt::red));
            QCOMPARE(QColor(pintada.pixel(295, y)), QColor(Qt::blue));
        }
        QVERIFY(buzon_.mensajes.isEmpty());
    }

    void imagen_de_acierto_rota() {
        QFile f(QStringLiteral("acierto.bmp"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("no es un dibujo");
        f.close();
        CrearVentanas();
        QCOMPARE(buzon_.Textos(),
                 QStringList{"\nError.\n\nProblema con archivo de imagen 'acierto.bmp'.\n"});
        QVERIFY(Form_Acierto->Image1->pixmap().isNull());
    }

    void caras_en_ciclo() {
        QVERIFY(QDir().mkdir(QStringLiteral("caras")));
        QVERIFY(Cara(QStringLiteral("caras/cara1.bmp"), Qt::red));
        QVERIFY(Cara(QStringLiteral("caras/cara2.bmp"), Qt::blue));
        CrearVentanas();
        TForm_muchos_aciertos* b = Form_muchos_aciertos;
        QList<QColor> caras;
        QList<int> efectos;
        for (int uso = 0; uso < 9; ++uso) {
            efectos << b->numero_efecto;
            CaraYTecla(b);
            caras << ColorDe(b->Image_central);
            QVERIFY(!b->isVisible());
            QCOMPARE(b->cara_lista, 1);
        }
        QCOMPARE(caras.mid(0, 4), (QList<QColor>{Qt::red, Qt::blue, Qt::red, Qt::blue}));
        QCOMPARE(efectos, (QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 1}));
        QCOMPARE(b->numero_efecto, 2);
    }

    void cara_en_pantalla() {
        QVERIFY(QDir().mkdir(QStringLiteral("caras")));
        QImage cara(20, 15, QImage::Format_RGB32);
        cara.fill(Qt::yellow);
        cara.setPixel(0, 0, qRgb(255, 0, 0));
        QVERIFY(cara.save(QStringLiteral("caras/cara1.bmp"), "BMP"));
        CrearVentanas();
        TForm_muchos_aciertos* b = Form_muchos_aciertos;
        b->numero_efecto = 5;
        b->show();
        QCOMPARE(b->Recorrido().back(), QRect(0, 0, 0, 0)); // shown at size 0 first
        b->Timer1Timer();
        // Twice the face, framed 8 pixels each way, centred.
        QCOMPARE(b->Image_central->size(), QSize(40, 30));
        QCOMPARE(b->Panel_central->geometry(), QRect(100 - 28, 75 - 23, 56, 46));
        // The wallpaper is the face tiled from (1, 1), one face larger than the screen.
        QCOMPARE(b->Image_fondopantalla->size(), QSize(220, 165));
        const QImage fondo = b->Image_fondopantalla->grab().toImage();
        QCOMPARE(QColor(fondo.pixel(1, 1)), QColor(Qt::red));
        QCOMPARE(QColor(fondo.pixel(21, 1)), QColor(Qt::red));
        QCOMPARE(QColor(fondo.pixel(1, 16)), QColor(Qt::red));
        QCOMPARE(QColor(fondo.pixel(2, 2)), QColor(Qt::yellow));
        QCOMPARE(QColor(fondo.pixel(0, 5)), QColor(Qt::white));
        QCOMPARE(QColor(fondo.pixel(5, 0)), QColor(Qt::white));
        // The entry effect ran step by step, ending with the face covering the screen.
        const std::vector<QRect> entrada = PasosEntrada(5, 200, 150, 20, 15);
        QVERIFY(b->Recorrido().size() >= entrada.size());
        QCOMPARE(b->Recorrido().back(), entrada.back());
        QCOMPARE(b->geometry().topLeft(), QPoint(0, 0));
        // A click on the face closes it the opposite way.
        QTest::mouseClick(b->Image_central, Qt::LeftButton);
        QVERIFY(!b->isVisible());
        QCOMPARE(b->Recorrido().back(), PasosSalida(5, entrada.back(), 200, 150, 20, 15).back());
        QCOMPARE(b->numero_efecto, 6);
    }

    void sin_caras_se_cierra_todo() {
        CrearVentanas();
        JugadoresDePrueba(1);
        buzon_.dialogos.enqueue(NoticiaConSeguir);
        buzon_.dialogos.enqueue(CaraYTecla);
        juego.cuentas_acertadas = 4;
        CelebrarCuenta();
        QCOMPARE(buzon_.dialogos_vistos, (QStringList{"Form_Acierto", "Form_muchos_aciertos"}));
        QCOMPARE(Form_muchos_aciertos->result(), int(QDialog::Rejected));
        QVERIFY(!Form_muchos_aciertos->isVisible());
        QVERIFY(!Form_Acierto->isVisible());
        QVERIFY(buzon_.mensajes.isEmpty());
        QCOMPARE(juego.puntos[1].puntos, 20);
    }

    void efectos_data() {
        // Screen 40 x 30, face 10 x 10.
        QTest::addColumn<int>("efecto");
        QTest::addColumn<QList<QRect>>("entrada");
        QTest::addColumn<QList<QRect>>("salida");
        QTest::newRow("1 slides up")
            << 1 << QList<QRect>{{0, 30, 50, 40}, {0, 20, 50, 40}, {0, 10, 50, 40}, {0, 0, 50, 40}}
            << QList<QRect>{{0, 10, 50, 40}, {0, 20, 50, 40}, {0, 30, 50, 40}};
        QTest::newRow("2 in from the right, from the screen's height")
            << 2 << QList<QRect>{{30, 0, 50, 40}, {20, 0, 50, 40}, {10, 0, 50, 40}, {0, 0, 50, 40}}
            << QList<QRect>{{10, 0, 50, 40}, {20, 0, 50, 40}, {30, 0, 50, 40}, {40, 0, 50, 40}};
        QTest::newRow("4 unrolls down")
            << 4 << QList<QRect>{{0, 0, 50, 0}, {0, 0, 50, 10}, {0, 0, 50, 20}, {0, 0, 50, 30}}
            << QList<QRect>{{0, 0, 50, 20}, {0, 0, 50, 10}, {0, 0, 50, 0}};
        QTest::newRow("5 grows from the top right")
            << 5
            << QList<QRect>{{40, 0, 0, 0},
                            {30, 0, 10, 10},
                            {20, 0, 20, 20},
                            {10, 0, 30, 30},
                            {0, 0, 40, 40}}
            << QList<QRect>{{10, 0, 40, 30}, {20, 0, 40, 20}, {30, 0, 40, 10}, {40, 0, 40, 0}};
        QTest::newRow("6 grows from the bottom left")
            << 6
            << QList<QRect>{{0, 30, 0, 40},
                            {0, 20, 10, 40},
                            {0, 10, 20, 40},
                            {0, 0, 30, 40},
                            {0, 0, 40, 40}}
            << QList<QRect>{{0, 10, 30, 40}, {0, 20, 20, 40}, {0, 30, 10, 40}, {0, 40, 0, 40}};
        QTest::newRow("7 from the bottom right")
            << 7
            << QList<QRect>{{40, 30, 50, 40},
                            {30, 20, 50, 40},
                            {20, 10, 50, 40},
                            {10, 0, 50, 40},
                            {0, 0, 50, 40}}
            << QList<QRect>{{10, 10, 50, 40}, {20, 20, 50, 40}, {30, 30, 50, 40}, {40, 40, 50, 40}};
        QTest::newRow("8 grows from the top left")
            << 8
            << QList<QRect>{{0, 0, 0, 0},
                            {0, 0, 10, 10},
                            {0, 0, 20, 20},
                            {0, 0, 30, 30},
                            {0, 0, 40, 40}}
            << QList<QRect>{{0, 0, 30, 30}, {0, 0, 20, 20}, {0, 0, 10, 10}, {0, 0, 0, 0}};
    }
    void efectos() {
        QFETCH(int, efecto);
        QFETCH(QList<QRect>, entrada);
        QFETCH(QList<QRect>, salida);
        const std::vector<QRect> e = PasosEntrada(efecto, 40, 30, 10, 10);
        QCOMPARE(QList<QRect>(e.begin(), e.end()), entrada);
        const std::vector<QRect> s = PasosSalida(efecto, entrada.last(), 40, 30, 10, 10);
        QCOMPARE(QList<QRect>(s.begin(), s.end()), salida);
        QVERIFY(PasosEntrada(efecto, 40, 30, 0, 10).empty());
        QVERIFY(PasosSalida(efecto, entrada.last(), 40, 30, 10, 0).empty());
    }
};

QTEST_MAIN(TestAvisos)
#include "test_avisos.moc"
