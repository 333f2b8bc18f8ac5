// Hints reach screen readers; with ZIFRA_A11Y_IDS=1 outside tools find
// every control by its name instead.
#include "app/arranque.h"
#include "app/form_menu.h"
#include "nucleo/panel_juego.h"
#include "players/form_jugadores.h"
#include "pruebas.h"

#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

class TestAccesible : public QObject {
    Q_OBJECT

private slots:
    void cleanup() {
        delete Form_menu;
        qunsetenv("ZIFRA_A11Y_IDS");
        QVERIFY(VentanasVisibles().isEmpty());
    }

    void descripciones_data() {
        QTest::addColumn<bool>("ids");
        QTest::addColumn<QString>("panel5");
        QTest::addColumn<QString>("caja");
        QTest::newRow("hints") << false
                               << QStringLiteral(
                                      "Operaciones horizontales, para calcular "
                                      "mentalmente. Elementos con valores configurables.")
                               << QStringLiteral("Escribe el nombre de un jugador o jugadora");
        QTest::newRow("object names")
            << true << QStringLiteral("Panel5") << QStringLiteral("Edit_jugador3");
    }
    void descripciones() {
        QFETCH(bool, ids);
        QFETCH(QString, panel5);
        QFETCH(QString, caja);
        if (ids) qputenv("ZIFRA_A11Y_IDS", "1");
        CrearVentanas();
        QCOMPARE(Form_menu->Panel5->accessibleDescription(), panel5);
        QCOMPARE(Form_jugadores->Edit_jugador[2]->accessibleDescription(), caja);
        // Hints still show as tooltips either way.
        QCOMPARE(Form_jugadores->Edit_jugador[2]->toolTip(),
                 QStringLiteral("Escribe el nombre de un jugador o jugadora"));
        if (ids) {
            // Every named control can be found, plain labels and buttons included.
            QCOMPARE(Form_menu->Label_tiempo->accessibleDescription(),
                     QStringLiteral("Label_tiempo"));
            QCOMPARE(Form_menu->Color95Button_jugadorsiguiente->accessibleDescription(),
                     QStringLiteral("Color95Button_jugadorsiguiente"));
            QCOMPARE(Form_jugadores->xpButton2->accessibleDescription(),
                     QStringLiteral("xpButton2"));
        }
    }

    void nombres_siguen_al_texto() {
        CrearVentanas();
        // The accessible name is the visible text, and follows it when it changes.
        Form_menu->Label_nombrejugador->setText(QStringLiteral("Lucía"));
        QAccessibleInterface* i =
            QAccessible::queryAccessibleInterface(Form_menu->Label_nombrejugador);
        QVERIFY(i);
        QCOMPARE(i->text(QAccessible::Name), QStringLiteral("Lucía"));
        QAccessibleInterface* b =
            QAccessible::queryAccessibleInterface(Form_menu->Color95Button_jugadorsiguiente);
        QCOMPARE(b->text(QAccessible::Name), QStringLiteral("Siguiente >>"));
    }
};

QTEST_MAIN(TestAccesible)
#include "test_accesible.moc"
