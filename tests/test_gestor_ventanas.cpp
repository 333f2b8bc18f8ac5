// What only a real window manager shows: who has the keyboard after a notice
// closes, and which window is on top. Runs on a display of its own with
// openbox (fixture "pantalla_x11"); keys and clicks go through the X server.
#include "app/form_menu.h"
#include "mental/ventanas_mentales.h"
#include "nucleo/juego.h"
#include "nucleo/ventanas.h"
#include "operaciones.h"
#include "players/form_aviso_error.h"
#include "pruebas.h"
#include "results/form_puntos.h"
#include "results/form_resultados.h"
#include "worksheets/form_paginas.h"
#include "written/ventana_resta.h"
#include "written/ventanas_escritas.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPrintDialog>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>

namespace {

void Xdotool(const QStringList& argumentos) {
    QProcess::execute(QStringLiteral("xdotool"), argumentos);
}

// Keys as the keyboard sends them, to whichever window has the focus.
void Teclas(const QString& teclas) {
    Xdotool(QStringList{QStringLiteral("key")} + teclas.split(u' '));
}

void Clic(QWidget* w) {
    const QPoint p = w->mapToGlobal(w->rect().center());
    Xdotool({QStringLiteral("mousemove"), QString::number(p.x()), QString::number(p.y()),
             QStringLiteral("click"), QStringLiteral("1")});
}

QString Cifras(int n) {
    QStringList t;
    for (QChar c : QString::number(n))
        t << c;
    return t.join(u' ');
}

// The windows the window manager has, bottom to top.
QList<WId> Apilado() {
    QProcess p;
    p.start(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("-notype"),
                                      QStringLiteral("_NET_CLIENT_LIST_STACKING")});
    p.waitForFinished();
    QList<WId> ids;
    const QString salida = QString::fromLatin1(p.readAllStandardOutput());
    const qsizetype igual = salida.indexOf(u'#');
    for (const QString& id : salida.mid(igual + 1).split(u',', Qt::SkipEmptyParts))
        ids << WId(id.trimmed().toULongLong(nullptr, 16));
    return ids;
}

bool Encima(WId arriba, WId abajo) {
    const QList<WId> pila = Apilado();
    const qsizetype a = pila.indexOf(arriba);
    const qsizetype b = pila.indexOf(abajo);
    return a >= 0 && b >= 0 && a > b;
}

// The X server sends the keys to `ventana` and Qt hands them to `caja`. Not
// QWindow::isActive(): that is also true of a window whose transient parent
// has the keyboard.
bool Teclado(QWidget* ventana, QWidget* caja, int ms = 5000) {
    return QTest::qWaitFor(
        [=] {
            return QGuiApplication::focusWindow() == ventana->windowHandle() &&
                   QApplication::focusWidget() == caja;
        },
        ms);
}

// A child's mistake in one window, then the right answer. `cometer` makes the
// mistake and says which box the keyboard must come back to; `acertar`
// types the right keys; `llego` says they reached the box.
struct Fallo {
    int32_t codigo;
    std::function<QLineEdit*(QWidget* ventana)> cometer;
    std::function<void(QWidget* ventana)> acertar;
    std::function<bool(QWidget* ventana)> llego;
};

// The accelerator clicks a moment later, as a click is animated.
bool MeLlevo(VentanaResta* v) {
    Teclas(QStringLiteral("alt+m"));
    return QTest::qWaitFor([v] { return !v->Color95Button_ayuda->isVisible(); }, 5000);
}

} // namespace

class TestGestorVentanas : public QObject {
    Q_OBJECT
    PartidaDePrueba partida_;
    QTemporaryDir dir_;
    QStringList vistos_;
    // Dialogs that open for real; the rest are answered at once.
    QList<QDialog*> de_verdad_;

    // The main window has the keyboard and the first tick has asked for
    // the players; then `codigo` opens and its box has the keyboard.
    QWidget* Abrir(int32_t codigo) {
        if (!QTest::qWaitForWindowExposed(Form_menu)) return nullptr;
        Xdotool({QStringLiteral("windowactivate"), QStringLiteral("--sync"),
                 QString::number(Form_menu->winId())});
        if (!QTest::qWaitFor([this] { return vistos_.contains(QStringLiteral("Form_jugadores")); },
                             5000))
            return nullptr;
        MostrarVentana(codigo);
        QWidget* v = VentanaDeCodigo(codigo);
        if (!Teclado(v, v->findChild<QLineEdit*>(QStringLiteral("Memo_res")))) return nullptr;
        return v;
    }

private slots:
    void initTestCase() {
        QVERIFY2(QGuiApplication::platformName() == QLatin1String("xcb"),
                 "needs the display of the pantalla_x11 fixture");
        QDir::setCurrent(dir_.path());
    }
    void init() {
        partida_.Empezar();
        vistos_.clear();
        de_verdad_ = {Form_aviso_error};
        plataforma::FijarContestadorModal([this](QDialog* d) {
            vistos_ << d->objectName();
            return de_verdad_.contains(d) ? d->exec() : int(QDialog::Rejected);
        });
        Form_menu->show();
    }
    void cleanup() {
        partida_.Terminar();
        QVERIFY2(VentanasVisibles().isEmpty(), qPrintable(VentanasVisibles().join(u',')));
    }

    void teclado_tras_el_aviso_data() {
        QTest::addColumn<int>("fallo");
        QTest::addColumn<bool>("con_raton");
        const char* nombres[] = {"cifra", "llevada", "lo siento", "no puedes restar",
                                 "cálculo mental"};
        for (int f = 0; f < 5; ++f) {
            QTest::addRow("%s, con el teclado", nombres[f]) << f << false;
            QTest::addRow("%s, con el ratón", nombres[f]) << f << true;
        }
    }

    // After a notice or message box, the child's next key lands in the
    // exercise's box.
    void teclado_tras_el_aviso() {
        QFETCH(int, fallo);
        QFETCH(bool, con_raton);
        int aciertos = 0;
        auto uno_mas = [&](QWidget* w) {
            return static_cast<VentanaDeEjercicio*>(w)->aciertos == aciertos + 1;
        };
        const Fallo fallos[] = {
            {VentanaSumas3b,
             [](QWidget* w) {
                 auto* v = static_cast<VentanaColumnas*>(w);
                 v->MostrarCuenta(DosFilas(123, 456, 3));
                 Teclas(QStringLiteral("8"));
                 return v->Memo_res;
             },
             [](QWidget*) { Teclas(QStringLiteral("9")); }, uno_mas},
            {VentanaSumas4b,
             [](QWidget* w) {
                 auto* v = static_cast<VentanaColumnas*>(w);
                 v->MostrarCuenta(DosFilas(127, 335, 3));
                 Teclas(QStringLiteral("2"));
                 if (!Teclado(v, v->Memo_mellevo)) return static_cast<QLineEdit*>(nullptr);
                 Teclas(QStringLiteral("3"));
                 return v->Memo_mellevo;
             },
             [](QWidget*) { Teclas(QStringLiteral("1")); }, uno_mas},
            {VentanaRestas4b,
             [](QWidget* w) {
                 auto* v = static_cast<VentanaResta*>(w);
                 juego.marcar_llevadas = MarcarLlevadas::Manual;
                 v->MostrarResta(DosFilas(375, 128, 3)); // the tens do not borrow
                 if (!MeLlevo(v)) return static_cast<QLineEdit*>(nullptr);
                 Teclas(QStringLiteral("7"));
                 if (!QTest::qWaitFor([v] { return v->Label_res[0]->text() == u'7'; }, 5000))
                     return static_cast<QLineEdit*>(nullptr);
                 Teclas(QStringLiteral("alt+m"));
                 return v->Memo_res;
             },
             [](QWidget*) { Teclas(QStringLiteral("4")); }, uno_mas},
            {VentanaRestas4b,
             [](QWidget* w) {
                 auto* v = static_cast<VentanaResta*>(w);
                 juego.marcar_llevadas = MarcarLlevadas::Manual;
                 v->MostrarResta(DosFilas(375, 128, 3));
                 Teclas(QStringLiteral("7")); // before "Me llevo...": a message box
                 return v->Memo_res;
             },
             [](QWidget* w) {
                 if (MeLlevo(static_cast<VentanaResta*>(w))) Teclas(QStringLiteral("7"));
             },
             uno_mas},
            {VentanaCmental1,
             [](QWidget* w) {
                 auto* v = static_cast<VentanaMental*>(w);
                 Teclas(Cifras(v->valor_correcto + 1) + QStringLiteral(" alt+c"));
                 return v->Memo_res;
             },
             [](QWidget* w) { Teclas(Cifras(static_cast<VentanaMental*>(w)->valor_correcto)); },
             [](QWidget* w) {
                 auto* v = static_cast<VentanaMental*>(w);
                 return v->Memo_res->text() == QString::number(v->valor_correcto);
             }},
        };
        const Fallo& f = fallos[fallo];
        QWidget* v = Abrir(f.codigo);
        QVERIFY(v);

        // The notice goes with "Seguir", a message box with its own button.
        plataforma::FijarContestador(nullptr);
        // A message box lives on the stack of the code that shows it.
        QPointer<QWidget> visto;
        bool respondido = false;
        QTimer vigia;
        connect(&vigia, &QTimer::timeout, this, [&] {
            QWidget* d = QApplication::activeModalWidget();
            if (respondido || !d || QGuiApplication::focusWindow() != d->windowHandle()) return;
            respondido = true;
            visto = d;
            auto* caja = qobject_cast<QMessageBox*>(d);
            if (con_raton)
                Clic(caja ? static_cast<QWidget*>(caja->buttons().value(0))
                          : Form_aviso_error->Color95Button1);
            else
                Teclas(caja ? QStringLiteral("Return") : QStringLiteral("alt+s"));
        });
        vigia.start(20);
        QLineEdit* caja = f.cometer(v);
        QVERIFY2(caja, "the mistake could not be made");
        QTRY_VERIFY_WITH_TIMEOUT(respondido && (!visto || !visto->isVisible()), 5000);
        QVERIFY(!QApplication::activeModalWidget());

        QVERIFY2(Teclado(v, caja, 3000), "the keyboard did not come back to the exercise");
        aciertos = static_cast<VentanaDeEjercicio*>(v)->aciertos;
        f.acertar(v);
        QTRY_VERIFY2_WITH_TIMEOUT(f.llego(v), "the right key did not reach the box", 3000);
    }

    void dialogos_por_encima_data() {
        QTest::addColumn<QString>("accion");
        QTest::addColumn<QStringList>("dialogos");
        QTest::newRow("los 10 mejores")
            << "Los10mejoresjugadores1" << QStringList{QStringLiteral("Form_puntos")};
        QTest::newRow("páginas, impresora y vista previa")
            << "Sumasyrestassinllevarse1"
            << QStringList{QStringLiteral("Form_paginas"), QStringLiteral("PrintDialog1"),
                           QStringLiteral("Vista_previa")};
    }

    // A dialog opened from the menus while a sum is on screen comes up on top
    // of it, with the keyboard.
    void dialogos_por_encima() {
        QFETCH(QString, accion);
        QFETCH(QStringList, dialogos);
        QWidget* v = Abrir(VentanaSumas3b);
        QVERIFY(v);
        QStringList vistos;
        QStringList mal;
        QTimer vigia;
        connect(&vigia, &QTimer::timeout, this, [&] {
            auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!d || vistos.contains(d->objectName())) return;
            vistos << d->objectName();
            if (!QTest::qWaitFor(
                    [d] { return QGuiApplication::focusWindow() == d->windowHandle(); }, 3000))
                mal << d->objectName() + QStringLiteral(" sin el teclado");
            if (!Encima(d->winId(), v->winId()))
                mal << d->objectName() + QStringLiteral(" debajo de la cuenta");
            if (d == Form_paginas) {
                Form_paginas->Edit1->setText(QStringLiteral("1"));
                Form_paginas->xpButton1->click();
            } else if (qobject_cast<QPrintDialog*>(d)) {
                d->accept();
            } else {
                d->reject();
            }
        });
        vigia.start(20);
        plataforma::FijarContestadorModal([](QDialog* d) { return d->exec(); });
        Form_menu->Accion(accion.toLatin1().constData())->trigger();
        vigia.stop();
        QCOMPARE(vistos, dialogos);
        QVERIFY2(mal.isEmpty(), qPrintable(mal.join(u',')));
        QVERIFY(v->isVisible());
    }

    // Above the main window, but another program can come over it.
    void la_cuenta_no_tapa_otros_programas() {
        QWidget* v = Abrir(VentanaSumas3b);
        QVERIFY(v);
        Clic(Form_menu->Label_tiempo);
        QTRY_VERIFY_WITH_TIMEOUT(QGuiApplication::focusWindow() == Form_menu->windowHandle(), 3000);
        QVERIFY(Encima(v->winId(), Form_menu->winId()));

        QProcess otro;
        otro.start(QStringLiteral("xmessage"),
                   {QStringLiteral("-title"), QStringLiteral("Otro programa"),
                    QStringLiteral("otro programa")});
        QProcess busca;
        busca.start(QStringLiteral("xdotool"),
                    {QStringLiteral("search"), QStringLiteral("--sync"), QStringLiteral("--name"),
                     QStringLiteral("^Otro programa$")});
        QVERIFY(busca.waitForFinished(10000));
        const WId id = WId(busca.readAllStandardOutput().trimmed().toULongLong());
        QVERIFY(id);
        Xdotool({QStringLiteral("windowactivate"), QStringLiteral("--sync"), QString::number(id)});
        const bool encima = QTest::qWaitFor([&] { return Encima(id, v->winId()); }, 3000);
        otro.kill();
        otro.waitForFinished();
        QVERIFY2(encima, "the sum stays over another program");
    }
};

QTEST_MAIN(TestGestorVentanas)
#include "test_gestor_ventanas.moc"
