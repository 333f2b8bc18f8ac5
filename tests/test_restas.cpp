// Subtractions that borrow, played through the real windows: the draws,
// both methods, the three marking modes and the marks a teacher expects.
#include "app/arranque.h"
#include "app/form_menu.h"
#include "nino.h"
#include "nucleo/juego.h"
#include "nucleo/ventanas.h"
#include "operaciones.h"
#include "platform/sonidos.h"
#include "players/form_aviso_error.h"
#include "pruebas.h"
#include "written/ventana_resta.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {
using nino::Digito;

VentanaResta* Ventana(int32_t codigo) {
    return qobject_cast<VentanaResta*>(VentanaDeCodigo(codigo));
}

// The marks on screen, as "ayuda_u", "koru_c", "menos1_d=9"...
QStringList Marcas(VentanaResta* v) {
    QStringList r;
    const char* nombres[] = {"ayuda", "ayuda2", "mas1", "koru", "menos1"};
    const char* col[] = {"u", "d", "c", "um"};
    for (int t = 0; t < 5; ++t)
        for (int c = 0; c < v->Def().columnas; ++c)
            if (QLabel* l = v->Marca(TipoMarca(t), c); l && l->isVisible())
                r << QStringLiteral("%1_%2").arg(QLatin1String(nombres[t]), QLatin1String(col[c])) +
                         (t == 4 ? QStringLiteral("=") + l->text() : QString());
    return r;
}

} // namespace

class TestRestas : public QObject {
    Q_OBJECT
    PartidaDePrueba partida_;
    Buzon& buzon_ = partida_.buzon;
    QTemporaryDir dir_;
    QList<plataforma::Sonido>& sonidos_ = partida_.sonidos;

    VentanaResta* Abrir(int32_t codigo, int metodo, int modo, const Operacion* op = nullptr) {
        juego.modo_restas = MetodoResta(metodo);
        juego.marcar_llevadas = MarcarLlevadas(modo);
        VentanaResta* v = Ventana(codigo);
        MostrarVentana(codigo);
        if (op) v->MostrarResta(*op);
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
        QTest::addColumn<int>("columnas");
        QTest::addColumn<int>("izquierda");
        QTest::newRow("restas4b") << 440 << "Restas, CON llevadas" << 3 << 370;
        QTest::newRow("restas5") << 50 << "Restas  CON llevadas, más difícil" << 4 << 455;
    }
    void ventanas() {
        QFETCH(int, codigo);
        QFETCH(QString, titulo);
        QFETCH(int, columnas);
        QFETCH(int, izquierda);
        VentanaResta* v = Abrir(codigo, 1, 2);
        QCOMPARE(v->windowTitle(), titulo);
        QCOMPARE(v->Def().columnas, columnas);
        QCOMPARE(v->Memo_res->x(), izquierda);
        QCOMPARE(v->Label_signo_mas->text(), QStringLiteral("-"));
        QCOMPARE(v->Color95Button_ayuda->text(), QStringLiteral("&Me  llevo..."));
        QVERIFY(v->Color95Button_ayuda->isVisible());
        QVERIFY(v->rect().contains(v->Color95Button_ayuda->geometry()));
        // Result labels stay on screen, empty.
        for (int c = 0; c < columnas; ++c) {
            QVERIFY(v->Label_res[c]->isVisible());
            QCOMPARE(v->Label_res[c]->text(), QString());
        }
        QVERIFY(Marcas(v).isEmpty());
    }

    void sorteos_data() {
        QTest::addColumn<int>("codigo");
        QTest::newRow("restas4b") << 440;
        QTest::newRow("restas5") << 50;
    }
    void sorteos() {
        QFETCH(int, codigo);
        VentanaResta* v = Abrir(codigo, 1, 0);
        const int n = v->Def().columnas;
        for (unsigned semilla = 1; semilla <= 300; ++semilla) {
            std::srand(semilla);
            v->NuevaCuenta();
            int m[4], s[4];
            for (int c = 0; c < n; ++c) {
                m[c] = Digito(v->Cifra(0, c));
                s[c] = Digito(v->Cifra(1, c));
            }
            const QByteArray caso = QByteArray::number(semilla);
            QVERIFY2(m[0] < s[0], caso);
            if (n == 4) {
                QVERIFY2(m[2] < s[2], caso);
                QVERIFY2(m[3] > s[3], caso);
            } else {
                QVERIFY2(m[2] > s[2], caso);
            }
            // The digits the window expects make the true, non-negative difference.
            int minuendo = 0, sustraendo = 0, resultado = 0;
            for (int c = n - 1; c >= 0; --c) {
                minuendo = minuendo * 10 + m[c];
                sustraendo = sustraendo * 10 + s[c];
                resultado = resultado * 10 + v->Resta().Resultado(c);
            }
            QVERIFY2(minuendo > sustraendo, caso);
            QCOMPARE(resultado, minuendo - sustraendo);
        }
    }

    void cuenta_entera_data() {
        QTest::addColumn<int>("codigo");
        QTest::addColumn<int>("metodo");
        QTest::addColumn<int>("modo");
        for (int codigo : {440, 50})
            for (int metodo : {1, 2})
                for (int modo : {0, 1, 2})
                    QTest::addRow("%s, method %d, marks %d", codigo == 440 ? "restas4b" : "restas5",
                                  metodo, modo)
                        << codigo << metodo << modo;
    }
    void cuenta_entera() {
        QFETCH(int, codigo);
        QFETCH(int, metodo);
        QFETCH(int, modo);
        for (unsigned semilla : {3u, 17u, 42u}) {
            std::srand(semilla);
            VentanaResta* v = Abrir(codigo, metodo, modo);
            const int n = v->Def().columnas;
            const int puntos = juego.puntos[1].puntos;
            const int antes = v->aciertos;
            const int celebraciones = int(sonidos_.count(plataforma::Sonido::Acierto));
            juego.tipo_juego = TipoJuego(codigo == 440 ? 4 : 5);
            juego.usar_sumas[2] = 0; // one player: the addition comes next
            nino::ResolverResta(v, metodo, modo);
            QVERIFY2(buzon_.mensajes.isEmpty(), qPrintable(buzon_.Textos().join(u'|')));
            QVERIFY(buzon_.dialogos_vistos.isEmpty());
            QCOMPARE(v->aciertos, antes + n);
            QCOMPARE(juego.puntos[1].puntos, puntos + 2 * n);
            QCOMPARE(int(sonidos_.count(plataforma::Sonido::Acierto)), celebraciones + 1);
            QCOMPARE(juego.ventana_actual, codigo == 440 ? 5 : 55);
            CerrarVentanaActual();
        }
    }

    void marcas_data() {
        QTest::addColumn<int>("codigo");
        QTest::addColumn<int>("minuendo");
        QTest::addColumn<int>("sustraendo");
        QTest::addColumn<int>("metodo");
        QTest::addColumn<QString>("teclas"); // digits typed, 'M' for the button
        QTest::addColumn<QStringList>("marcas");
        QTest::addColumn<bool>("me_llevo");
        // 305 - 127: the tens minuend is a 0.
        QTest::newRow("4b method 2, at the start")
            << 440 << 305 << 127 << 2 << ""
            << QStringList{"ayuda_u", "koru_d", "koru_c", "menos1_d=9", "menos1_c=2"} << true;
        QTest::newRow("4b method 2, tens do not borrow")
            << 440 << 305 << 127 << 2 << "8"
            << QStringList{"ayuda_u", "koru_d", "koru_c", "menos1_d=9", "menos1_c=2"} << false;
        QTest::newRow("4b method 1, at the start")
            << 440 << 305 << 127 << 1 << "" << QStringList{"ayuda_u", "mas1_d"} << true;
        QTest::newRow("4b method 1, tens borrow")
            << 440 << 305 << 127 << 1 << "8"
            << QStringList{"ayuda_u", "ayuda_d", "mas1_d", "mas1_c"} << true;
        // 4003 - 1805: two zeros lend in a row under method 2.
        QTest::newRow("5 method 2, chain through zeros")
            << 50 << 4003 << 1805 << 2 << ""
            << QStringList{"ayuda_u",    "koru_d",     "koru_c",     "koru_um",
                           "menos1_d=9", "menos1_c=9", "menos1_um=3"}
            << true;
        QTest::newRow("5 method 1, hundreds borrow")
            << 50 << 4003 << 1805 << 1 << "89"
            << QStringList{"ayuda_u", "ayuda_d", "ayuda_c", "mas1_d", "mas1_c", "mas1_um"} << true;
        // 5321 - 2845: the tens borrow only after being lowered; the lowered digit gets its ten.
        QTest::newRow("5 method 2, a lowered digit borrows")
            << 50 << 5321 << 2845 << 2 << "6"
            << QStringList{"ayuda_u", "ayuda2_d", "koru_d", "koru_c", "menos1_d=1", "menos1_c=2"}
            << true;
        QTest::newRow("5 method 2, then the hundreds")
            << 50 << 5321 << 2845 << 2 << "67"
            << QStringList{"ayuda_u", "ayuda2_d",   "ayuda2_c",   "koru_d",     "koru_c",
                           "koru_um", "menos1_d=1", "menos1_c=2", "menos1_um=4"}
            << true;
    }
    void marcas() {
        QFETCH(int, codigo);
        QFETCH(int, minuendo);
        QFETCH(int, sustraendo);
        QFETCH(int, metodo);
        QFETCH(QString, teclas);
        QFETCH(QStringList, marcas);
        QFETCH(bool, me_llevo);
        const Operacion op = DosFilas(minuendo, sustraendo, codigo == 440 ? 3 : 4);
        VentanaResta* v = Abrir(codigo, metodo, 1, &op);
        for (QChar t : teclas)
            QTest::keyClick(v->Memo_res, t.toLatin1());
        QStringList vistas = Marcas(v);
        vistas.sort();
        marcas.sort();
        QCOMPARE(vistas, marcas);
        QCOMPARE(v->Resta().LlevaAhora(), me_llevo);
        QCOMPARE(v->fallos, 0);
        QVERIFY(!v->Color95Button_ayuda->isVisible()); // automatic: no button
        // The marks stay until the next operation; then all go.
        v->MostrarResta(op);
        v->NuevaCuenta();
        juego.marcar_llevadas = MarcarLlevadas(0);
        v->NuevaCuenta();
        QVERIFY(Marcas(v).isEmpty());
    }

    void marcas_dejan_leer_data() {
        QTest::addColumn<int>("codigo");
        QTest::newRow("restas4b") << 440;
        QTest::newRow("restas5") << 50;
    }
    // A crossed-out digit can still be read, and the borrowed ten is a small
    // raised "1" that never reads as a digit of the number.
    void marcas_dejan_leer() {
        QFETCH(int, codigo);
        const int n = codigo == 440 ? 3 : 4;
        const Operacion op = DosFilas(8888, 1111, n); // eights: the most ink to cover
        VentanaResta* v = Abrir(codigo, 2, 0, &op);
        QVERIFY(QTest::qWaitForWindowExposed(v));
        for (int c = 1; c < n; ++c) {
            QLabel* cifra = v->Cifra(0, c);
            QLabel* tachon = v->Marca(TipoMarca::Koru, c);
            const QImage limpia = v->grab(cifra->geometry()).toImage();
            tachon->show();
            const QImage tachada = v->grab(cifra->geometry()).toImage();
            tachon->hide();
            int tinta = 0, tapada = 0;
            for (int y = 0; y < limpia.height(); ++y)
                for (int x = 0; x < limpia.width(); ++x)
                    if (qGray(limpia.pixel(x, y)) < 64) {
                        ++tinta;
                        if (qGray(tachada.pixel(x, y)) >= 64) ++tapada;
                    }
            QVERIFY(tinta > 100);
            // The bold X of old covered 62%; a pen stroke about a sixth.
            QVERIFY2(tapada * 4 < tinta,
                     qPrintable(QStringLiteral("column %1: %2 of %3 ink pixels covered")
                                    .arg(c)
                                    .arg(tapada)
                                    .arg(tinta)));
        }
        for (int c = 0; c < n - 1; ++c) {
            QLabel* cifra = v->Cifra(0, c);
            QLabel* uno = v->Marca(TipoMarca::Ayuda, c);
            QVERIFY(uno->font().pixelSize() * 2 <= cifra->font().pixelSize());
            QVERIFY2(uno->geometry().bottom() < cifra->geometry().center().y(),
                     "the borrowed ten sits level with the digit");
        }
    }

    void manual() {
        const Operacion op = DosFilas(305, 127, 3); // units borrow; tens do not under method 2
        VentanaResta* v = Abrir(440, 2, 2, &op);
        // A digit before the button: refused, nothing booked, no sound.
        QTest::keyClick(v->Memo_res, '8');
        QCOMPARE(buzon_.Textos(), QStringList{"\n\n¡ Creo que  NO  puedes restar !\n\n"});
        QCOMPARE(buzon_.mensajes.first().icono, plataforma::Icono::Ninguno);
        QCOMPARE(v->Memo_res->text(), QString());
        QCOMPARE(v->aciertos + v->fallos, 0);
        QCOMPARE(juego.puntos[1].puntos, 0);
        QVERIFY(sonidos_.isEmpty());
        // The button draws the marks, then the digit counts.
        QTest::mouseClick(v->Color95Button_ayuda, Qt::LeftButton);
        QVERIFY(!v->Color95Button_ayuda->isVisible());
        QVERIFY(Marcas(v).contains(QStringLiteral("ayuda_u")));
        QVERIFY(Marcas(v).contains(QStringLiteral("koru_c")));
        QTest::keyClick(v->Memo_res, '8');
        QCOMPARE(v->aciertos, 1);
        QCOMPARE(v->Label_res[0]->text(), QStringLiteral("8"));
        QVERIFY(v->Color95Button_ayuda->isVisible());
        // The button where nothing borrows: a failure with its own lines.
        QString lineas;
        buzon_.dialogos.enqueue([&lineas](QDialog*) {
            lineas = Form_aviso_error->Label1->text() + QLatin1Char('|') +
                     Form_aviso_error->Label2->text();
            return int(QDialog::Accepted);
        });
        QTest::mouseClick(v->Color95Button_ayuda, Qt::LeftButton);
        QCOMPARE(lineas,
                 QStringLiteral("Lo siento, en esta columna no te llevas ninguna.|Mira bien los "
                                "números, y sigue."));
        QCOMPARE(Form_aviso_error->Label1->text(),
                 QStringLiteral("El número que has pulsado NO es correcto."));
        QCOMPARE(Form_aviso_error->Label2->text(), QStringLiteral("Vuelve a calcularlo."));
        QCOMPARE(v->fallos, 1);
        QCOMPARE(juego.puntos[1].puntos, 2 - 1);
        QVERIFY(!v->Color95Button_ayuda->isVisible());
        QCOMPARE(v->Memo_res->x(), 310);   // same column
        QTest::keyClick(v->Memo_res, '7'); // 9 - 2
        QCOMPARE(v->aciertos, 2);
        // The last column shows the button, but never needs it.
        QVERIFY(v->Color95Button_ayuda->isVisible());
        QVERIFY(!v->Resta().LlevaAhora());
        QTest::keyClick(v->Memo_res, '1'); // 2 - 1
        QCOMPARE(v->aciertos, 3);
        QCOMPARE(buzon_.mensajes.size(), 1);
    }

    void cifra_fallada_no_borra_marcas() {
        const Operacion op = DosFilas(305, 127, 3);
        VentanaResta* v = Abrir(440, 1, 1, &op);
        const QStringList antes = Marcas(v);
        QTest::keyClick(v->Memo_res, '2');
        QCOMPARE(v->fallos, 1);
        QCOMPARE(Marcas(v), antes);
        QCOMPARE(v->Memo_res->x(), 370);
    }

    void solo_cifras() {
        VentanaResta* v = Abrir(50, 1, 0);
        for (char c : {'a', ' ', '-'})
            QTest::keyClick(v->Memo_res, c);
        QTest::keyClick(v->Memo_res, Qt::Key_Return);
        QCOMPARE(v->Memo_res->text(), QString());
        QVERIFY(buzon_.dialogos_vistos.isEmpty());
    }

    void millares_cero() {
        const Operacion op = DosFilas(2003, 1805, 4); // 0198
        VentanaResta* v = Abrir(50, 1, 0, &op);
        for (char c : {'8', '9', '1', '0'})
            QTest::keyClick(v->Memo_res, c);
        QCOMPARE(v->aciertos, 4);
        QCOMPARE(v->fallos, 0);
    }

    void cambiar_de_metodo_renueva() {
        juego.tipo_juego = TipoJuego(5);
        VentanaResta* v = Abrir(50, 1, 1);
        QTest::keyClick(v->Memo_res, char('0' + v->Resta().Resultado(0)));
        QCOMPARE(v->Memo_res->x(), 395);
        juego.segundos = 30;
        Form_menu->Accion("Modo2restaralminuendosiguiente1")->trigger();
        QCOMPARE(int(int(juego.modo_restas)), 2);
        QCOMPARE(juego.ventana_actual, 50);
        QVERIFY(v->isVisible());
        QCOMPARE(v->Memo_res->x(), 455); // a new operation, from the units
        QCOMPARE(v->Label_res[0]->text(), QString());
        QCOMPARE(juego.segundos, 0);
        QVERIFY(Marcas(v).contains(QStringLiteral("koru_d")));
    }
};

QTEST_MAIN(TestRestas)
#include "test_restas.moc"
