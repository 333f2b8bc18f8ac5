// The players dialog as a teacher uses it, and the blind effect.
#include "app/arranque.h"
#include "app/form_menu.h"
#include "nucleo/juego.h"
#include "nucleo/persiana.h"
#include "platform/codepages.h"
#include "platform/escritorio.h"
#include "players/form_jugadores.h"
#include "players/turnos.h"
#include "pruebas.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <cstring>

namespace {
void Escribir(QLineEdit* caja, const QString& texto) {
    // keyClicks aborts on non-ASCII text, so one character at a time.
    for (QChar c : texto)
        QTest::sendKeyEvent(QTest::Click, caja, Qt::Key_unknown, QString(c), Qt::NoModifier);
}
} // namespace

class TestJugadores : public QObject {
    Q_OBJECT
    Buzon buzon_;
    QTemporaryDir dir_;

    // Opens the dialog for real, types the names, and presses a button.
    int Dialogo(const QMap<int, QString>& nombres, QPushButton* TForm_jugadores::*boton) {
        TForm_jugadores* d = Form_jugadores;
        d->show();
        // The blind comes down: 1 + 52 steps of 5.
        if (!QTest::qWaitFor([d] { return d->height() == 261; })) return -1;
        for (auto it = nombres.begin(); it != nombres.end(); ++it)
            Escribir(d->Edit_jugador[it.key() - 1], it.value());
        QTest::mouseClick(d->*boton, Qt::LeftButton);
        return d->result();
    }

private slots:
    void initTestCase() { QDir::setCurrent(dir_.path()); }
    void init() {
        buzon_ = Buzon{};
        buzon_.Instalar();
        plataforma::FijarTamanoPantalla(QSize(800, 600));
        CrearVentanas();
    }
    void cleanup() {
        delete Form_menu;
        buzon_.Quitar();
        plataforma::FijarTamanoPantalla(QSize());
        QVERIFY2(VentanasVisibles().isEmpty(), qPrintable(VentanasVisibles().join(u',')));
    }

    void controles() {
        TForm_jugadores* d = Form_jugadores;
        QCOMPARE(d->windowTitle(), QStringLiteral("¿ Quién va a jugar ?"));
        QCOMPARE(d->Label1->text(), QStringLiteral("Escribe los nombres de los jugadores/as"));
        QCOMPARE(d->xpButton1->text(), QStringLiteral("&Cancelar"));
        QCOMPARE(d->xpButton2->text(), QStringLiteral("&Jugar"));
        // Over the main window (its owner), not over every other program.
        QVERIFY(!(d->windowFlags() & Qt::WindowStaysOnTopHint));
        QCOMPARE(d->parentWidget(), Form_menu);
        for (int i = 0; i < 10; ++i) {
            QLineEdit* caja = d->Edit_jugador[i];
            QCOMPARE(caja->objectName(), QStringLiteral("Edit_jugador%1").arg(i + 1));
            QCOMPARE(caja->maxLength(), 19);
            QCOMPARE(caja->toolTip(), QStringLiteral("Escribe el nombre de un jugador o jugadora"));
            auto* numero = d->findChild<QLabel*>(QStringLiteral("Label_numero%1").arg(i + 1));
            QCOMPARE(numero->text(), QStringLiteral("%1-").arg(i + 1));
            // Two columns of five.
            QCOMPARE(caja->x() > 200, i >= 5);
        }
        // Centred on its full size: (800 - 430) / 2, (600 - 260) / 2.
        QCOMPARE(d->pos(), QPoint(185, 170));
        QCOMPARE(d->TamanoPlegado(), QSize(1, 1));
    }

    void jugar_data() {
        QTest::addColumn<int>("habia");
        QTest::addColumn<QStringList>("cajas"); // ten boxes, as typed
        QTest::addColumn<QStringList>("jugadores");
        QTest::addColumn<bool>("botones");
        QStringList vacias(10);
        auto con = [&](std::initializer_list<std::pair<int, QString>> l) {
            QStringList c = vacias;
            for (const auto& [i, t] : l)
                c[i - 1] = t;
            return c;
        };
        QTest::newRow("boxes 2, 5 and 9") << 0 << con({{2, "Ana"}, {5, "Luis"}, {9, "Eva"}})
                                          << QStringList{"Ana", "Luis", "Eva"} << true;
        QTest::newRow("blanks around a name")
            << 0 << con({{1, "   Ana  María  "}}) << QStringList{"Ana  María"} << false;
        QTest::newRow("only blanks")
            << 0 << con({{3, "     "}}) << QStringList{"Sin nombre"} << false;
        QTest::newRow("every box empty") << 0 << vacias << QStringList{"Sin nombre"} << false;
        QTest::newRow("accents and eñe") << 0 << con({{1, "Ñoño"}, {2, "Íñigo Güell"}})
                                         << QStringList{"Ñoño", "Íñigo Güell"} << true;
        QTest::newRow("19 letters at most") << 0 << con({{1, "Maximiliano Fernández"}})
                                            << QStringList{"Maximiliano Fernánd"} << false;
        QTest::newRow("two added to three")
            << 3 << con({{4, "Dani"}, {7, "Sara"}}) << QStringList{"P1", "P2", "P3", "Dani", "Sara"}
            << true;
    }
    void jugar() {
        QFETCH(int, habia);
        QFETCH(QStringList, cajas);
        QFETCH(QStringList, jugadores);
        QFETCH(bool, botones);
        juego.num_jugadores = habia;
        for (int k = 1; k <= habia; ++k) {
            PonerNombreJugador(k, QStringLiteral("P%1").arg(k));
            juego.jugadores[k - 1].aciertos[1] = 10 * k;
            juego.puntos[k].puntos = k;
        }
        juego.jugador_actual = habia;
        QMap<int, QString> nombres;
        for (int i = 0; i < 10; ++i)
            if (!cajas[i].isEmpty()) nombres[i + 1] = cajas[i];
        QCOMPARE(Dialogo(nombres, &TForm_jugadores::xpButton2), int(QDialog::Accepted));
        QCOMPARE(juego.num_jugadores, jugadores.size());
        for (int k = 1; k <= jugadores.size(); ++k) {
            QCOMPARE(NombreJugador(k), jugadores[k - 1]);
            QCOMPARE(plataforma::DesdeCp1252(juego.puntos[k].nombre, kLargoNombrePuntos),
                     jugadores[k - 1]);
            // Those already there keep their results; the new ones start from zero.
            QCOMPARE(juego.jugadores[k - 1].aciertos[1], k <= habia ? 10 * k : 0);
            QCOMPARE(juego.puntos[k].puntos, k <= habia ? k : 0);
        }
        QCOMPARE(juego.jugador_actual, 1);
        QCOMPARE(Form_menu->Label_nombrejugador->text(), jugadores.first());
        QCOMPARE(Form_menu->Color95Button_jugadoranterior->isEnabled(), botones);
        QCOMPARE(Form_menu->Color95Button_jugadorsiguiente->isEnabled(), botones);
        // The blind rolled up as it closed.
        QVERIFY(!Form_jugadores->isVisible());
        QCOMPARE(Form_jugadores->height(), 1);
    }

    void limpiar_nombre_data() {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("nombre");
        QTest::newRow("blanks and tabs") << QStringLiteral(" \t Ana \t") << QStringLiteral("Ana");
        QTest::newRow("control characters") << QStringLiteral("\x01\x1b"
                                                              "Ana\x07")
                                            << QStringLiteral("Ana");
        QTest::newRow("inner spaces stay")
            << QStringLiteral("Ana  María") << QStringLiteral("Ana  María");
        QTest::newRow("only controls") << QStringLiteral("\x01\x02 ") << QString();
    }
    void limpiar_nombre() {
        QFETCH(QString, texto);
        QFETCH(QString, nombre);
        QCOMPARE(LimpiarNombre(texto), nombre);
    }

    void cancelar_no_cambia_nada() {
        juego.num_jugadores = 2;
        PonerNombreJugador(1, QStringLiteral("Ana"));
        PonerNombreJugador(2, QStringLiteral("Luis"));
        juego.jugadores[1].fallos[3] = 4;
        juego.jugador_actual = 2;
        const GameState antes = juego;
        QCOMPARE(Dialogo({{1, QStringLiteral("Eva")}}, &TForm_jugadores::xpButton1),
                 int(QDialog::Rejected));
        QVERIFY(std::memcmp(antes.jugadores, juego.jugadores, sizeof juego.jugadores) == 0);
        QVERIFY(std::memcmp(antes.puntos, juego.puntos, sizeof juego.puntos) == 0);
        QCOMPARE(juego.num_jugadores, 2);
        QCOMPARE(juego.jugador_actual, 2);
    }

    void abrir_otra_vez_empieza_vacio() {
        Dialogo({{1, QStringLiteral("Ana")}}, &TForm_jugadores::xpButton1);
        Form_jugadores->show();
        for (QLineEdit* caja : Form_jugadores->Edit_jugador)
            QVERIFY(caja->text().isEmpty());
        QCOMPARE(Form_jugadores->focusWidget(), Form_jugadores->Edit_jugador[0]);
        QTest::mouseClick(Form_jugadores->xpButton1, Qt::LeftButton);
    }

    void persiana_data() {
        QTest::addColumn<int>("plegado");
        QTest::addColumn<int>("completo");
        QTest::addColumn<int>("abierto");
        QTest::newRow("20 to 302") << 20 << 302 << 305;
        QTest::newRow("exact steps") << 20 << 300 << 300;
        QTest::newRow("already open") << 400 << 302 << 400;
    }
    void persiana() {
        QFETCH(int, plegado);
        QFETCH(int, completo);
        QFETCH(int, abierto);
        QWidget v;
        v.resize(50, plegado);
        AbrirPersiana(&v, 320, completo, false);
        QCOMPARE(v.size(), QSize(320, abierto));
        CerrarPersiana(&v, plegado, true);
        QCOMPARE(v.height(), abierto > plegado ? plegado : abierto);
        // A second opening starts from where the closing left it.
        AbrirPersiana(&v, 320, completo, true);
        QCOMPARE(v.height(), abierto);
    }

    void persiana_con_minimo() {
        // The desktop may not shrink a window below its minimum; the roll stops there.
        QWidget v;
        v.setMinimumHeight(30);
        v.resize(50, 200);
        CerrarPersiana(&v, 20, false);
        QCOMPARE(v.height(), 30);
    }
};

QTEST_MAIN(TestJugadores)
#include "test_jugadores.moc"
