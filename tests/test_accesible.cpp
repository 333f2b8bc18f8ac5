// Hints reach screen readers; with ZIFRA_A11Y_IDS=1 outside tools find
// every control by its name instead. What a reader walks through the
// accessibility interfaces: the exercise and its step in the window's name,
// named boxes, notices as alerts, the play panels as buttons, and the
// results window's pop-up menus.
#include "app/arranque.h"
#include "app/form_menu.h"
#include "mental/lectura_mental.h"
#include "mental/ventanas_mentales.h"
#include "nucleo/panel_juego.h"
#include "players/form_acierto.h"
#include "players/form_aviso_error.h"
#include "players/form_jugadores.h"
#include "pruebas.h"
#include "results/form_resultados.h"
#include "written/lectura_cuenta.h"
#include "written/ventana_resta.h"
#include "written/ventanas_escritas.h"

#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QtTest>
#include <memory>

namespace {

QAccessibleInterface* Interfaz(QObject* o) {
    return QAccessible::queryAccessibleInterface(o);
}

// Every object a reader reaches walking down from `raiz`.
QSet<QObject*> Alcanzables(QAccessibleInterface* raiz) {
    QSet<QObject*> vistos;
    QList<QAccessibleInterface*> pendientes{raiz};
    while (!pendientes.isEmpty()) {
        QAccessibleInterface* i = pendientes.takeLast();
        if (!i) continue;
        vistos.insert(i->object());
        for (int n = 0; n < i->childCount(); ++n)
            pendientes << i->child(n);
    }
    return vistos;
}

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

} // namespace

Q_DECLARE_METATYPE(Operacion)

class TestAccesible : public QObject {
    Q_OBJECT
    Buzon buzon_;

private slots:
    void init() {
        buzon_ = Buzon{};
        buzon_.Instalar();
    }
    void cleanup() {
        CerrarVentanaActual();
        delete Form_menu;
        buzon_.Quitar();
        plataforma::FijarObservadorEsperas(nullptr);
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

    void nombre_de_cuenta_data() {
        QTest::addColumn<Operacion>("op");
        QTest::addColumn<bool>("suma");
        QTest::addColumn<int>("columna");
        QTest::addColumn<int>("paso");
        QTest::addColumn<QString>("nombre");
        const int cifra = int(PasoLectura::Cifra), llevada = int(PasoLectura::Llevada);
        // Leading zeros are not read: "051" is fifty-one.
        QTest::newRow("units") << Op({51, 120}) << true << 1 << cifra
                               << QStringLiteral("51 más 120, unidades");
        QTest::newRow("tens") << Op({51, 120}) << true << 2 << cifra
                              << QStringLiteral("51 más 120, decenas");
        QTest::newRow("carry to the hundreds")
            << Op({56, 78}) << true << 2 << llevada
            << QStringLiteral("56 más 78, me llevo a las centenas");
        QTest::newRow("thousands of a carrying sum")
            << Op({956, 78}) << true << 4 << cifra
            << QStringLiteral("956 más 78, unidades de millar");
        QTest::newRow("four rows") << Op({12, 304, 5, 999}) << true << 3 << cifra
                                   << QStringLiteral("12 más 304 más 5 más 999, centenas");
        QTest::newRow("subtraction, all zeros")
            << Op({0, 0}, 2) << false << 1 << cifra << QStringLiteral("0 menos 0, unidades");
        QTest::newRow("done") << Op({5043, 349}, 4) << false << 4 << int(PasoLectura::Terminada)
                              << QStringLiteral("5043 menos 349, terminada");
    }
    void nombre_de_cuenta() {
        QFETCH(Operacion, op);
        QFETCH(bool, suma);
        QFETCH(int, columna);
        QFETCH(int, paso);
        QFETCH(QString, nombre);
        QCOMPARE(NombreVentanaCuenta(op, suma, columna, PasoLectura(paso)), nombre);
    }

    void nombre_de_caja_data() {
        QTest::addColumn<int>("columna");
        QTest::addColumn<QString>("resultado");
        QTest::addColumn<QString>("llevada");
        QTest::newRow("units") << 1 << QStringLiteral("Unidades del resultado")
                               << QStringLiteral("Lo que me llevo a las decenas");
        QTest::newRow("hundreds") << 3 << QStringLiteral("Centenas del resultado")
                                  << QStringLiteral("Lo que me llevo a las unidades de millar");
        QTest::newRow("thousands") << 4 << QStringLiteral("Unidades de millar del resultado")
                                   << QStringLiteral("Lo que me llevo a las decenas de millar");
    }
    void nombre_de_caja() {
        QFETCH(int, columna);
        QFETCH(QString, resultado);
        QFETCH(QString, llevada);
        QCOMPARE(NombreCajaResultado(columna), resultado);
        QCOMPARE(NombreCajaLlevada(columna), llevada);
    }

    void cuenta_mental_data() {
        QTest::addColumn<bool>("suma");
        QTest::addColumn<int>("incognita");
        QTest::addColumn<QString>("texto");
        QTest::newRow("second addend")
            << true << int(Incognita::Segundo) << QStringLiteral("5 más cuánto es igual a 12");
        QTest::newRow("first addend")
            << true << int(Incognita::Primero) << QStringLiteral("cuánto más 7 es igual a 12");
        QTest::newRow("difference")
            << false << int(Incognita::Resultado) << QStringLiteral("5 menos 7 es igual a cuánto");
    }
    void cuenta_mental() {
        QFETCH(bool, suma);
        QFETCH(int, incognita);
        QFETCH(QString, texto);
        QCOMPARE(TextoCuentaMental(suma ? TipoMental::Sumas : TipoMental::Restas, {5, 7, 12},
                                   Incognita(incognita)),
                 texto);
    }

    // The window's name follows each step as the child types, and the
    // boxes say which place they ask for.
    void cuenta_dice_cada_paso_data() {
        QTest::addColumn<int>("codigo");
        QTest::addColumn<Operacion>("op");
        QTest::addColumn<QString>("teclas");
        QTest::addColumn<QStringList>("oidos");
        QTest::addColumn<QStringList>("cajas");
        const QString u = QStringLiteral("Unidades del resultado");
        const QString d = QStringLiteral("Decenas del resultado");
        const QString c = QStringLiteral("Centenas del resultado");
        QTest::newRow("sum with its carries")
            << int(VentanaSumas4b) << Op({56, 78}) << QStringLiteral("41311")
            << QStringList{QStringLiteral("56 más 78, unidades"),
                           QStringLiteral("56 más 78, me llevo a las decenas"),
                           QStringLiteral("56 más 78, decenas"),
                           QStringLiteral("56 más 78, me llevo a las centenas"),
                           QStringLiteral("56 más 78, centenas"),
                           QStringLiteral("56 más 78, terminada")}
            << QStringList{u, QStringLiteral("Lo que me llevo a las decenas"), d,
                           QStringLiteral("Lo que me llevo a las centenas"), c};
        // A wrong digit keeps the step where it was.
        QTest::newRow("sum without carries, a wrong digit")
            << int(VentanaSumas3b) << Op({51, 120}) << QStringLiteral("1971")
            << QStringList{QStringLiteral("51 más 120, unidades"),
                           QStringLiteral("51 más 120, decenas"),
                           QStringLiteral("51 más 120, centenas"),
                           QStringLiteral("51 más 120, terminada")}
            << QStringList{u, d, c};
        QTest::newRow("borrowing subtraction")
            << int(VentanaRestas5) << Op({5043, 349}, 4) << QStringLiteral("496")
            << QStringList{QStringLiteral("5043 menos 349, unidades"),
                           QStringLiteral("5043 menos 349, decenas"),
                           QStringLiteral("5043 menos 349, centenas"),
                           QStringLiteral("5043 menos 349, unidades de millar")}
            << QStringList{u, d, c};
    }
    void cuenta_dice_cada_paso() {
        QFETCH(int, codigo);
        QFETCH(Operacion, op);
        QFETCH(QString, teclas);
        QFETCH(QStringList, oidos);
        QFETCH(QStringList, cajas);
        CrearVentanas();
        JugadoresDePrueba(1);
        // The carry asked for, and the borrows marked with no button first.
        const bool editar = juego.editar_llevadas;
        const MarcarLlevadas marcar = juego.marcar_llevadas;
        juego.editar_llevadas = true;
        juego.marcar_llevadas = MarcarLlevadas::Nunca;
        auto restaurar = qScopeGuard([=] {
            juego.editar_llevadas = editar;
            juego.marcar_llevadas = marcar;
        });
        auto* v = qobject_cast<VentanaColumnas*>(VentanaDeCodigo(codigo));
        QVERIFY(v);
        MostrarVentana(codigo);
        // What a reader finds after each key, and during each wait (the
        // last digit's name lasts only until the next operation).
        QStringList oido;
        auto escuchar = [&] {
            const QString nombre = Interfaz(v)->text(QAccessible::Name);
            if (oido.isEmpty() || oido.last() != nombre) oido << nombre;
        };
        plataforma::FijarObservadorEsperas([&](uint32_t) { escuchar(); });
        if (auto* r = qobject_cast<VentanaResta*>(v))
            r->MostrarResta(op);
        else
            v->MostrarCuenta(op);
        escuchar();
        QCOMPARE(Interfaz(v->Memo_res)->text(QAccessible::Name),
                 QStringLiteral("Unidades del resultado"));

        // The name of each box as a key goes into it.
        QStringList nombres_cajas;
        for (QChar c : teclas) {
            QLineEdit* destino =
                v->Memo_mellevo && v->Memo_mellevo->isVisible() ? v->Memo_mellevo : v->Memo_res;
            const QString nombre = Interfaz(destino)->text(QAccessible::Name);
            if (nombres_cajas.isEmpty() || nombres_cajas.last() != nombre) nombres_cajas << nombre;
            QTest::keyClick(destino, c.toLatin1());
            escuchar();
        }
        plataforma::FijarObservadorEsperas(nullptr);
        QCOMPARE(oido.mid(0, oidos.size()), oidos);
        QCOMPARE(nombres_cajas, cajas);
    }

    // Digits and signs are said by the window's name: a reader walking the
    // window meets the answer box, not the digits one by one.
    void cifras_fuera_del_lector_data() {
        QTest::addColumn<int>("codigo");
        QTest::newRow("sums, four rows") << int(VentanaSumas5b);
        QTest::newRow("subtraction without carries") << int(VentanaRestas3);
        QTest::newRow("borrowing subtraction") << int(VentanaRestas5);
        QTest::newRow("mental sums") << int(VentanaCmental1);
        QTest::newRow("mental subtraction") << int(VentanaCmental2);
    }
    void cifras_fuera_del_lector() {
        QFETCH(int, codigo);
        CrearVentanas();
        JugadoresDePrueba(1);
        QWidget* v = VentanaDeCodigo(codigo);
        MostrarVentana(codigo);
        const QSet<QObject*> alcanzables = Alcanzables(Interfaz(v));
        QList<QLabel*> cifras;
        QLineEdit* respuesta = v->findChild<QLineEdit*>(QStringLiteral("Memo_res"));
        if (auto* c = qobject_cast<VentanaColumnas*>(v)) {
            for (int f = 0; f < c->Def().filas; ++f)
                for (int col = 0; col < c->Def().columnas; ++col)
                    cifras << c->Cifra(f, col);
            cifras << c->Label_signo_mas << c->Label_res[0];
        } else {
            auto* fondo = v->findChild<QWidget*>(QStringLiteral("Fondo"));
            for (const char* n : {"Label_sumando1", "Label_sumando2", "Label_minuendo",
                                  "Label_sustraendo", "Label_resultado", "Label3", "Label4"})
                if (auto* l =
                        fondo->findChild<QLabel*>(QLatin1String(n), Qt::FindDirectChildrenOnly))
                    cifras << l;
            QCOMPARE(cifras.size(), 5);
            // "cuánto" stands where the box is, and the shown terms are read.
            const QString nombre = Interfaz(v)->text(QAccessible::Name);
            QCOMPARE(nombre.count(QStringLiteral("cuánto")), 1);
            for (QLabel* l : cifras)
                if (l->isVisibleTo(v) && l->text().at(0).isDigit())
                    QVERIFY2(nombre.contains(l->text()), qPrintable(nombre));
        }
        for (QLabel* l : cifras) {
            QVERIFY2(!alcanzables.contains(l), qPrintable(l->objectName()));
            QVERIFY(Interfaz(l)->state().invisible);
        }
        QVERIFY(alcanzables.contains(respuesta));
        QVERIFY(!Interfaz(respuesta)->text(QAccessible::Name).isEmpty());
        // The window's parent still knows it, and each child its place.
        QAccessibleInterface* i = Interfaz(v);
        for (int n = 0; n < i->childCount(); ++n)
            QCOMPARE(i->indexOfChild(i->child(n)), n);
    }

    void mental_nombra_el_hueco() {
        CrearVentanas();
        JugadoresDePrueba(1);
        QWidget* v = VentanaDeCodigo(VentanaCmental1);
        MostrarVentana(VentanaCmental1);
        v->findChild<QAction*>(QStringLiteral("Enelsumando2"))->trigger();
        const QString a = v->findChild<QLabel*>(QStringLiteral("Label_sumando1"))->text();
        const QString c = v->findChild<QLabel*>(QStringLiteral("Label_resultado"))->text();
        const QString esperado = a + QStringLiteral(" más cuánto es igual a ") + c;
        QCOMPARE(Interfaz(v)->text(QAccessible::Name), esperado);
        QCOMPARE(
            Interfaz(v->findChild<QLineEdit*>(QStringLiteral("Memo_res")))->text(QAccessible::Name),
            QStringLiteral("El número que falta"));
    }

    // Both notices are alerts read with their text; the inert button that
    // holds the focus reads it too.
    void avisos_son_alertas_data() {
        QTest::addColumn<QString>("aviso");
        QTest::addColumn<QString>("empieza");
        QTest::newRow("wrong answer")
            << QStringLiteral("Form_aviso_error")
            << QStringLiteral("El número que has pulsado NO es correcto. Vuelve a calcularlo.");
        QTest::newRow("twenty points") << QStringLiteral("Form_Acierto")
                                       << QStringLiteral("¡¡ Muy bien !! Estás jugando tan bien");
    }
    void avisos_son_alertas() {
        QFETCH(QString, aviso);
        QFETCH(QString, empieza);
        CrearVentanas();
        JugadoresDePrueba(1);
        AvisoModal* a = aviso == QLatin1String("Form_aviso_error")
                            ? static_cast<AvisoModal*>(Form_aviso_error)
                            : static_cast<AvisoModal*>(Form_Acierto);
        a->show();
        QAccessibleInterface* i = Interfaz(a);
        QCOMPARE(i->role(), QAccessible::AlertMessage);
        const QString texto = i->text(QAccessible::Name);
        QVERIFY2(texto.startsWith(empieza), qPrintable(texto));
        QVERIFY(!texto.contains(QLatin1Char('\n')));
        QCOMPARE(a->focusWidget(), a->Button_nulo);
        QCOMPARE(Interfaz(a->Button_nulo)->text(QAccessible::Name), texto);
        a->hide();
    }

    void paneles_son_botones_data() {
        QTest::addColumn<QString>("panel");
        QTest::addColumn<QString>("nombre");
        QTest::addColumn<QString>("siguiente");
        QTest::newRow("first") << QStringLiteral("Panel1")
                               << QStringLiteral("Sumas y Restas SIN llevarse")
                               << QStringLiteral("Panel3");
        QTest::newRow("second") << QStringLiteral("Panel3")
                                << QStringLiteral("Sumas CON llevadas, Restas SIN llevadas")
                                << QStringLiteral("Panel2");
        QTest::newRow("third") << QStringLiteral("Panel2")
                               << QStringLiteral("Sumas y Restas CON llevadas")
                               << QStringLiteral("Panel4");
        QTest::newRow("fourth") << QStringLiteral("Panel4")
                                << QStringLiteral("CON llevadas, más difícil")
                                << QStringLiteral("Panel5");
        QTest::newRow("mental") << QStringLiteral("Panel5") << QStringLiteral("Cálculo mental")
                                << QString();
    }
    void paneles_son_botones() {
        QFETCH(QString, panel);
        QFETCH(QString, nombre);
        QFETCH(QString, siguiente);
        CrearVentanas();
        auto* p = Form_menu->findChild<PanelJuego*>(panel);
        QVERIFY(p);
        QAccessibleInterface* i = Interfaz(p);
        QCOMPARE(i->role(), QAccessible::Button);
        QCOMPARE(i->text(QAccessible::Name), nombre);
        QVERIFY(!i->text(QAccessible::Description).isEmpty());
        QVERIFY(i->state().focusable);
        QCOMPARE(i->childCount(), 0);
        QVERIFY(p->focusPolicy() & Qt::TabFocus);
        // Pressed from the keyboard and from the reader, without a mouse.
        // Nothing is connected in a test but the spy: no game starts.
        QObject::disconnect(p, &PanelJuego::clic, nullptr, nullptr);
        QSignalSpy clics(p, &PanelJuego::clic);
        QTest::keyClick(p, Qt::Key_Space);
        QTest::keyClick(p, Qt::Key_Return);
        QTest::keyClick(p, Qt::Key_Enter);
        QTest::keyClick(p, Qt::Key_A);
        QCOMPARE(clics.size(), 3);
        QVERIFY(i->actionInterface());
        QVERIFY(i->actionInterface()->actionNames().contains(
            QAccessibleActionInterface::pressAction()));
        i->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(clics.size(), 4);
        if (siguiente.isEmpty()) return;
        Form_menu->show();
        QVERIFY(QTest::qWaitForWindowActive(Form_menu));
        p->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), siguiente);
        Form_menu->hide();
    }

    // Every box a child or teacher types in or chooses from says what it is.
    void cajas_con_nombre() {
        CrearVentanas();
        QStringList sin_nombre;
        for (QWidget* ventana : QApplication::topLevelWidgets()) {
            QList<QWidget*> cajas;
            for (QLineEdit* c : ventana->findChildren<QLineEdit*>())
                if (!qobject_cast<QComboBox*>(c->parentWidget()) &&
                    !qobject_cast<QAbstractSpinBox*>(c->parentWidget()))
                    cajas << c;
            for (QComboBox* c : ventana->findChildren<QComboBox*>())
                cajas << c;
            for (QAbstractSpinBox* c : ventana->findChildren<QAbstractSpinBox*>())
                cajas << c;
            for (QWidget* c : cajas)
                if (Interfaz(c)->text(QAccessible::Name).trimmed().isEmpty())
                    sin_nombre << ventana->objectName() + QLatin1Char('/') + c->objectName();
        }
        QVERIFY2(sin_nombre.isEmpty(), qPrintable(sin_nombre.join(QLatin1String(", "))));
        QCOMPARE(Interfaz(Form_Resultados->Edit_dia)->text(QAccessible::Name),
                 QStringLiteral("Día de la fecha"));
    }

    // Qt leaves pop-ups out of the tree: under their buttons a reader
    // reaches each item and presses it.
    void menus_de_resultados_data() {
        QTest::addColumn<QString>("boton");
        QTest::addColumn<QStringList>("opciones");
        QTest::newRow("save") << QStringLiteral("Color95Button_guardar")
                              << QStringList{
                                     QStringLiteral("Guardar (en último archivo leído o guardado)"),
                                     QStringLiteral("Añadir a un archivo..."),
                                     QStringLiteral("Guardar como... (en archivo nuevo)")};
        QTest::newRow("print") << QStringLiteral("Color95Button_imprimir")
                               << QStringList{
                                      QStringLiteral("Imprimir resultados actuales"),
                                      QStringLiteral("Imprimir resultados de un archivo...")};
    }
    void menus_de_resultados() {
        QFETCH(QString, boton);
        QFETCH(QStringList, opciones);
        CrearVentanas();
        // A reader walks the windows on screen.
        Form_Resultados->show();
        const std::unique_ptr<QWidget, void (*)(QWidget*)> al_salir(Form_Resultados,
                                                                    [](QWidget* w) { w->hide(); });
        auto* b = Form_Resultados->findChild<QPushButton*>(boton);
        QAccessibleInterface* i = Interfaz(b);
        QCOMPARE(i->role(), QAccessible::ButtonMenu);
        QCOMPARE(i->childCount(), 1);
        QAccessibleInterface* menu = i->child(0);
        QCOMPARE(menu->role(), QAccessible::PopupMenu);
        QCOMPARE(i->indexOfChild(menu), 0);
        QStringList vistas;
        QList<QAccessibleInterface*> items;
        for (int n = 0; n < menu->childCount(); ++n)
            if (menu->child(n)->role() != QAccessible::Separator) {
                vistas << menu->child(n)->text(QAccessible::Name);
                items << menu->child(n);
            }
        QCOMPARE(vistas, opciones);
        // The window is part of the tree, the buttons and their menus in it.
        QVERIFY(Alcanzables(Interfaz(Form_Resultados)).contains(menu->object()));
        QSignalSpy pulsada(static_cast<QAction*>(items.first()->object()), &QAction::triggered);
        const QString pulsar = QAccessibleActionInterface::pressAction();
        QVERIFY(items.first()->actionInterface()->actionNames().contains(pulsar));
        items.first()->actionInterface()->doAction(pulsar);
        QCOMPARE(pulsada.size(), 1);
    }
};

QTEST_MAIN(TestAccesible)
#include "test_accesible.moc"
