// The mental-arithmetic windows played offscreen as a child plays them: read
// the two numbers shown, type the missing one, press "Comprobación".
#include "app/arranque.h"
#include "app/form_menu.h"
#include "mental/calculo_mental.h"
#include "mental/ventanas_mentales.h"
#include "nino.h"
#include "nucleo/imagen_animada.h"
#include "nucleo/juego.h"
#include "nucleo/ventanas.h"
#include "platform/escritorio.h"
#include "platform/sonidos.h"
#include "players/form_jugadores.h"
#include "pruebas.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest>
#include <cstdlib>

namespace {
const QString kM1 = QStringLiteral(
    "\n\n El minuendo no puede ser 'menor' que el sustraendo.\n\n El programa disminuirá el valor "
    "máximo del sustraendo\n para que sea igual al valor del minuendo.\n");
const QString kM2 =
    QStringLiteral("\n\nNo puedes elegir un valor\n\n'mayor' que el del minuendo.\n");

using nino::Calcular;
using nino::Responder;
using nino::Termino;
using nino::Visibles;

VentanaMental* Ventana(int32_t codigo) {
    return qobject_cast<VentanaMental*>(VentanaDeCodigo(codigo));
}

void Elegir(VentanaMental* v, const QString& item) {
    QAction* a = v->findChild<QAction*>(item);
    QVERIFY2(a, qPrintable(item));
    a->trigger();
}

// Names of the checked items under a menu, submenus included.
QStringList Marcadas(const QWidget* menu) {
    QStringList m;
    for (QAction* a : menu->actions()) {
        if (a->isChecked()) m << a->objectName();
        if (a->menu()) m << Marcadas(a->menu());
    }
    return m;
}

QList<QStringList> Menu(const QMenu* menu) {
    QStringList nombres, textos;
    for (QAction* a : menu->actions()) {
        nombres << a->objectName();
        textos << a->text();
    }
    return {nombres, textos};
}
} // namespace

class TestMental : public QObject {
    Q_OBJECT
    PartidaDePrueba partida_;
    Buzon& buzon_ = partida_.buzon;
    QTemporaryDir dir_;
    QList<plataforma::Sonido>& sonidos_ = partida_.sonidos;

    int Sonidos(plataforma::Sonido s) const { return int(sonidos_.count(s)); }

    // Opens a window so that the next one, with one player, is the other.
    VentanaMental* Abrir(int32_t codigo) {
        juego.tipo_juego = TipoJuego(6);
        juego.usar_sumas[3] = codigo == VentanaCmental1;
        MostrarVentana(codigo);
        return Ventana(codigo);
    }

private slots:
    void initTestCase() {
        QDir::setCurrent(dir_.path());
        // A short animation stands in for the light bulb.
        QVERIFY(QFile::copy(QStringLiteral(ZIFRA_DATOS_PRUEBA "/tres_cuadros.gif"),
                            dir_.filePath(QStringLiteral("cmental.gif"))));
        plataforma::FijarTamanoPantalla(QSize(1024, 768));
    }
    void cleanupTestCase() { plataforma::FijarTamanoPantalla(QSize()); }
    void init() { partida_.Empezar(); }
    void cleanup() {
        partida_.Terminar();
        QVERIFY2(VentanasVisibles().isEmpty(), qPrintable(VentanasVisibles().join(u',')));
    }

    // The rules alone.

    void sorteo_data() {
        QTest::addColumn<bool>("suma");
        QTest::addColumn<int>("limite1");
        QTest::addColumn<int>("limite2");
        QTest::addColumn<QPoint>("primero"); // smallest and largest seen
        QTest::addColumn<QPoint>("segundo");
        QTest::newRow("Hasta 10 includes 10") << true << 11 << 11 << QPoint(0, 10) << QPoint(0, 10);
        QTest::newRow("Sin límite: 250 and 200")
            << true << 251 << 201 << QPoint(0, 250) << QPoint(0, 200);
        QTest::newRow("fixed 7") << true << 21 << 7 << QPoint(0, 20) << QPoint(7, 7);
        QTest::newRow("fixed 10 is not a range")
            << true << 11 << 10 << QPoint(0, 10) << QPoint(10, 10);
        QTest::newRow("minus, Hasta 20") << false << 21 << 21 << QPoint(0, 20) << QPoint(0, 20);
        QTest::newRow("minus, Sin límite")
            << false << 251 << 201 << QPoint(0, 250) << QPoint(0, 200);
        QTest::newRow("minus, fixed 1") << false << 31 << 1 << QPoint(1, 30) << QPoint(1, 1);
        QTest::newRow("10 - 10 = 0 only") << false << 11 << 10 << QPoint(10, 10) << QPoint(10, 10);
    }
    void sorteo() {
        QFETCH(bool, suma);
        QFETCH(int, limite1);
        QFETCH(int, limite2);
        QFETCH(QPoint, primero);
        QFETCH(QPoint, segundo);
        const TipoMental tipo = suma ? TipoMental::Sumas : TipoMental::Restas;
        const AjustesMental a{limite1, limite2, Incognita::Resultado};
        std::srand(1);
        QPoint visto1(1000, -1), visto2(1000, -1);
        // Enough draws that 0 - 0 comes up even with both ranges unlimited.
        for (int i = 0; i < 300000; ++i) {
            const CuentaMental c = SortearCuentaMental(tipo, a);
            visto1 = {std::min(visto1.x(), c.primero), std::max(visto1.y(), c.primero)};
            visto2 = {std::min(visto2.x(), c.segundo), std::max(visto2.y(), c.segundo)};
            QCOMPARE(c.resultado, suma ? c.primero + c.segundo : c.primero - c.segundo);
            QVERIFY(c.resultado >= 0);
        }
        QCOMPARE(visto1, primero);
        QCOMPARE(visto2, segundo);
    }

    void el_primero_se_sortea_antes() {
        std::srand(7);
        const int a = std::rand() % 21;
        const int b = std::rand() % 31;
        std::srand(7);
        const CuentaMental c = SortearCuentaMental(TipoMental::Sumas, {21, 31, Incognita::Primero});
        QCOMPARE(c.primero, a);
        QCOMPARE(c.segundo, b);
        QCOMPARE(ValorIncognita(c, Incognita::Primero), a);
        QCOMPARE(ValorIncognita(c, Incognita::Segundo), b);
        QCOMPARE(ValorIncognita(c, Incognita::Resultado), a + b);
    }

    void juzgar_data() {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<int>("correcto");
        QTest::addColumn<int>("leido");
        QTest::addColumn<int>("respuesta");
        QTest::newRow("empty") << "" << 0 << -1 << int(Respuesta::Vacia);
        QTest::newRow("right") << "7" << 7 << 7 << int(Respuesta::Acertada);
        QTest::newRow("leading zeros") << "007" << 7 << 7 << int(Respuesta::Acertada);
        QTest::newRow("largest") << "450" << 450 << 450 << int(Respuesta::Acertada);
        QTest::newRow("wrong") << "8" << 7 << 8 << int(Respuesta::Fallada);
        QTest::newRow("zero is an answer") << "0" << 1 << 0 << int(Respuesta::Fallada);
        QTest::newRow("not a number is -1") << "x" << 0 << -1 << int(Respuesta::Fallada);
    }
    void juzgar() {
        QFETCH(QString, texto);
        QFETCH(int, correcto);
        QFETCH(int, leido);
        QFETCH(int, respuesta);
        if (!texto.isEmpty()) QCOMPARE(LeerRespuesta(texto), leido);
        QCOMPARE(int(JuzgarRespuesta(texto, correcto)), respuesta);
    }

    // The windows.

    void ventanas_data() {
        QTest::addColumn<int>("codigo");
        QTest::addColumn<QString>("titulo");
        QTest::addColumn<QString>("signo");
        QTest::newRow("additions") << 6 << "Cálculo mental  con sumas"
                                   << "+";
        QTest::newRow("subtractions") << 60 << "Cálculo mental con restas"
                                      << "-";
    }
    void ventanas() {
        QFETCH(int, codigo);
        QFETCH(QString, titulo);
        QFETCH(QString, signo);
        VentanaMental* v = Abrir(codigo);
        QCOMPARE(v->windowTitle(), titulo);
        // Over the main window (its owner), not over every other program.
        QVERIFY(!(v->windowFlags() & Qt::WindowStaysOnTopHint));
        QCOMPARE(v->parentWidget(), Form_menu);
        QVERIFY(!(v->windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(v->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(!v->isModal());
        QCOMPARE(v->minimumSize(), v->maximumSize());
        QCOMPARE(v->pos(), QPoint(512 - v->width() / 2, 384 - v->height() / 2));
        QCOMPARE(juego.ventana_actual, codigo);
        QCOMPARE(int(juego.contando_tiempo), 1);
        QCOMPARE(v->Label4->text(), signo);
        QCOMPARE(v->Label3->text(), QStringLiteral("="));
        QCOMPARE(Marcadas(v->MainMenu1),
                 QStringList({"Hasta101", "Elegidoalazarhasta1", "Hasta102", "Enelresultado"}));
        QCOMPARE(v->Memo_res->maxLength(), 3);
        QCOMPARE(v->Memo_res->x(), 405);
        QCOMPARE(v->focusWidget(), v->Memo_res);
        QCOMPARE(v->Color95Button1->text(), QStringLiteral("&Comprobación"));
        QCOMPARE(v->toolTip(),
                 QStringLiteral("Escribir el valor correcto y pulsar el botón 'Comprobación'"));
        QCOMPARE(v->Memo_res->toolTip(), QStringLiteral("Haz clic, si no está el cursor. Aqui "
                                                        "escribe el número correcto que falta."));
        QCOMPARE(v->Color95Button1->toolTip(),
                 QStringLiteral("Pulsa para comprobar si la operación está bien"));
        QCOMPARE(v->Label_aciertos->toolTip(),
                 QStringLiteral("Total aciertos en este tipo de cuenta, por todos los jugadores"));
        QCOMPARE(v->Label_fallos->toolTip(),
                 QStringLiteral("Total fallos en este tipo de cuenta, por todos los jugadores"));
        // The largest numbers, 250 + 200 = 450, fit their labels and the box.
        const QFontMetrics numeros(Termino(v, 0)->font());
        QVERIFY(numeros.horizontalAdvance(QStringLiteral("450")) <= Termino(v, 0)->width());
        QLineEdit* caja = v->Memo_res;
        QVERIFY(QFontMetrics(caja->font()).horizontalAdvance(QStringLiteral("450")) <=
                caja->contentsRect().width() - 4);
        QVERIFY(v->GIFImage1->Animando());
        CerrarVentanaActual();
        QCOMPARE(juego.ventana_actual, 0);
        QCOMPARE(int(juego.contando_tiempo), 0);
        QVERIFY(!v->GIFImage1->Animando());
        // Closing by its close box does the same.
        MostrarVentana(codigo);
        QCOMPARE(juego.ventana_actual, codigo);
        v->close();
        QCOMPARE(juego.ventana_actual, 0);
        QCOMPARE(int(juego.contando_tiempo), 0);
    }

    void menus_data() {
        QTest::addColumn<int>("codigo");
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("titulo");
        QTest::addColumn<QStringList>("nombres");
        QTest::addColumn<QStringList>("textos");
        const QStringList rangos = {"Hasta 10", "Hasta 20",   "Hasta 30",  "Hasta 40",
                                    "Hasta 50", "Hasta  100", "Sin límite"};
        QStringList fijos;
        for (int v = 1; v <= 10; ++v)
            fijos << QStringLiteral("Fijo%1").arg(v) + QLatin1Char('1');
        QStringList mas = {"Valor fijo a  +1 (tabla de sumar del 1)",
                           "Valor fijo a  +2 (tabla de sumar del 2)"};
        QStringList menos = {"Valor fijo a  -1 (tabla de restar del 1)",
                             "Valor fijo a  -2 (tabla de restar del 2)"};
        for (int v = 3; v <= 10; ++v) {
            mas << QStringLiteral("Valor fijo a  +%1").arg(v);
            menos << QStringLiteral("Valor fijo a  -%1").arg(v);
        }
        const QStringList primeros = {"Hasta101", "Hasta201", "Hasta301",  "Hasta401",
                                      "Hasta501", "Hasta701", "sinlimite1"};
        const QStringList segundos = {"Hasta102", "Hasta202",  "Hasta302",  "Hasta402",
                                      "Hasta502", "Hasta1001", "sinlimite2"};
        for (int codigo : {6, 60}) {
            const bool s = codigo == 6;
            const char* fila = s ? "additions, " : "subtractions, ";
            QTest::addRow("%sfirst operand", fila)
                << codigo << (s ? "M_Sumando1" : "M_Minuendo") << (s ? "Sumando &1" : "&Minuendo")
                << primeros << rangos;
            QTest::addRow("%ssecond operand", fila)
                << codigo << (s ? "M_Sumando2" : "M_Sustraendo")
                << (s ? "Sumando &2" : "&Sustraendo") << QStringList{"Elegidoalazarhasta1"} + fijos
                << QStringList{"Elegido al azar, hasta..."} + (s ? mas : menos);
            QTest::addRow("%srandom second operand", fila)
                << codigo << "Elegidoalazarhasta1"
                << "Elegido al azar, hasta..." << segundos << rangos;
            QTest::addRow("%sunknown", fila)
                << codigo << "M_Incognita"
                << "Incógnita"
                << QStringList{s ? "Enelsumando1" : "Enelminuendo",
                               s ? "Enelsumando2" : "Enelsustraendo", "Enelresultado"}
                << QStringList{s ? "En el sumando &1" : "En el &minuendo",
                               s ? "En el sumando &2" : "En el &sustraendo", "En el &resultado"};
        }
    }
    void menus() {
        QFETCH(int, codigo);
        QFETCH(QString, menu);
        QFETCH(QString, titulo);
        QFETCH(QStringList, nombres);
        QFETCH(QStringList, textos);
        QMenu* m = Ventana(codigo)->findChild<QMenu*>(menu);
        QVERIFY(m);
        QCOMPARE(m->title(), titulo);
        const QList<QStringList> hay = Menu(m);
        QCOMPARE(hay[0], nombres);
        QCOMPARE(hay[1], textos);
    }

    // Every item of the addition window, as the worksheets will read it.
    void ajustes_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<int>("limite1");
        QTest::addColumn<int>("limite2");
        QTest::addColumn<QStringList>("marcadas");
        const char* primeros[] = {"Hasta101", "Hasta201", "Hasta301",  "Hasta401",
                                  "Hasta501", "Hasta701", "sinlimite1"};
        const char* segundos[] = {"Hasta102", "Hasta202",  "Hasta302",  "Hasta402",
                                  "Hasta502", "Hasta1001", "sinlimite2"};
        const int valores1[] = {11, 21, 31, 41, 51, 101, 251};
        const int valores2[] = {11, 21, 31, 41, 51, 101, 201};
        for (int i = 0; i < 7; ++i) {
            QTest::newRow(primeros[i])
                << primeros[i] << valores1[i] << 11
                << QStringList{primeros[i], "Elegidoalazarhasta1", "Hasta102", "Enelresultado"};
            QTest::newRow(segundos[i])
                << segundos[i] << 11 << valores2[i]
                << QStringList{"Hasta101", "Elegidoalazarhasta1", segundos[i], "Enelresultado"};
        }
        for (int v = 1; v <= 10; ++v) {
            const QString fijo = QStringLiteral("Fijo%1").arg(v) + QLatin1Char('1');
            QTest::newRow(qPrintable(fijo))
                << fijo << 11 << v << QStringList{"Hasta101", fijo, "Enelresultado"};
        }
    }
    void ajustes() {
        QFETCH(QString, item);
        QFETCH(int, limite1);
        QFETCH(int, limite2);
        QFETCH(QStringList, marcadas);
        VentanaMental* v = Abrir(6);
        // Choosing twice leaves the item checked: it is not a toggle.
        Elegir(v, item);
        Elegir(v, item);
        const AjustesMental a = AjustesCalculoMental(TipoMental::Sumas);
        QCOMPARE(a.limite1, limite1);
        QCOMPARE(a.limite2, limite2);
        QCOMPARE(Marcadas(v->MainMenu1), marcadas);
        QCOMPARE(AjustesCalculoMental(TipoMental::Restas).limite2, 11);
    }

    void rangos_en_pantalla_data() {
        QTest::addColumn<int>("codigo");
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<QPoint>("primero");
        QTest::addColumn<QPoint>("segundo");
        QTest::newRow("Hasta 10 includes 10")
            << 6 << QStringList{"Hasta101", "Hasta102"} << QPoint(0, 10) << QPoint(0, 10);
        QTest::newRow("Sin límite")
            << 6 << QStringList{"sinlimite1", "sinlimite2"} << QPoint(0, 250) << QPoint(0, 200);
        QTest::newRow("fixed 10 with Hasta 10: 10 - 10 = 0")
            << 60 << QStringList{"Hasta101", "Fijo101"} << QPoint(10, 10) << QPoint(10, 10);
        QTest::newRow("Hasta 20, subtracting")
            << 60 << QStringList{"Hasta201", "Hasta202"} << QPoint(0, 20) << QPoint(0, 20);
    }
    void rangos_en_pantalla() {
        QFETCH(int, codigo);
        QFETCH(QStringList, items);
        QFETCH(QPoint, primero);
        QFETCH(QPoint, segundo);
        VentanaMental* v = Abrir(codigo);
        for (const QString& item : items)
            Elegir(v, item);
        std::srand(3);
        QPoint visto1(1000, -1), visto2(1000, -1);
        for (int i = 0; i < 20000; ++i) {
            v->NuevaCuenta();
            const int a = Termino(v, 0)->text().toInt(), b = Termino(v, 1)->text().toInt();
            visto1 = {std::min(visto1.x(), a), std::max(visto1.y(), a)};
            visto2 = {std::min(visto2.x(), b), std::max(visto2.y(), b)};
            QCOMPARE(Termino(v, 2)->text().toInt(), codigo == 6 ? a + b : a - b);
        }
        QCOMPARE(visto1, primero);
        QCOMPARE(visto2, segundo);
        QVERIFY(buzon_.mensajes.isEmpty());
    }

    void incognita_data() {
        QTest::addColumn<int>("codigo");
        QTest::addColumn<QString>("item");
        QTest::addColumn<int>("lugar");
        QTest::addColumn<int>("izquierda");
        QTest::newRow("first addend") << 6 << "Enelsumando1" << 0 << 175;
        QTest::newRow("second addend") << 6 << "Enelsumando2" << 1 << 290;
        QTest::newRow("sum") << 6 << "Enelresultado" << 2 << 405;
        QTest::newRow("minuend") << 60 << "Enelminuendo" << 0 << 175;
        QTest::newRow("subtrahend") << 60 << "Enelsustraendo" << 1 << 290;
        QTest::newRow("difference") << 60 << "Enelresultado" << 2 << 405;
    }
    void incognita() {
        QFETCH(int, codigo);
        QFETCH(QString, item);
        QFETCH(int, lugar);
        QFETCH(int, izquierda);
        VentanaMental* v = Abrir(codigo);
        Elegir(v, QStringLiteral("Hasta501"));
        Elegir(v, QStringLiteral("Hasta302"));
        Elegir(v, item);
        QCOMPARE(Marcadas(v->M_Incognita), QStringList{item});
        QCOMPARE(v->Memo_res->x(), izquierda);
        QCOMPARE(v->focusWidget(), v->Memo_res);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(Termino(v, i)->isVisible(), i != lugar);
        // The box covers the place of the number it hides.
        QVERIFY(v->Memo_res->geometry().contains(Termino(v, lugar)->geometry()));
        const int respuesta = Calcular(v);
        QCOMPARE(respuesta, Termino(v, lugar)->text().toInt());
        QCOMPARE(v->valor_correcto, respuesta);
        Responder(v, respuesta);
        QCOMPARE(v->aciertos, 1);
        QCOMPARE(juego.jugadores[0].aciertos[CalculoMental], 1);
        QCOMPARE(juego.puntos[1].puntos, 2);
        QVERIFY(buzon_.dialogos_vistos.isEmpty());
        const int otra = codigo == 6 ? 60 : 6;
        QCOMPARE(juego.ventana_actual, otra);
        QVERIFY(!v->isVisible());
        QVERIFY(Ventana(otra)->isVisible());
        // Reopened, the window keeps its totals and its unknown.
        Abrir(codigo);
        QCOMPARE(v->Label_aciertos->text(), QStringLiteral("1"));
        QCOMPARE(v->Memo_res->x(), izquierda);
    }

    void caja_de_respuesta() {
        VentanaMental* v = Abrir(6);
        const QList<int> antes = Visibles(v);
        for (char c : {'a', '+', ' ', '-', '.'})
            QTest::keyClick(v->Memo_res, c);
        for (Qt::Key k : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
            QTest::keyClick(v->Memo_res, k);
        QCOMPARE(v->Memo_res->text(), QString());
        QCOMPARE(Sonidos(plataforma::Sonido::Tecla), 0);
        QTest::keyClicks(v->Memo_res, QStringLiteral("1234"));
        QCOMPARE(v->Memo_res->text(), QStringLiteral("123"));
        QTest::keyClick(v->Memo_res, Qt::Key_Backspace);
        QCOMPARE(v->Memo_res->text(), QStringLiteral("12"));
        QCOMPARE(Sonidos(plataforma::Sonido::Tecla), 4); // the fourth digit did not go in
        // Enter neither checks nor closes.
        QTest::keyClick(v->Memo_res, Qt::Key_Return);
        QVERIFY(v->isVisible());
        QCOMPARE(v->aciertos + v->fallos, 0);
        QCOMPARE(Visibles(v), antes);
    }

    void caja_vacia_data() {
        QTest::addColumn<int>("codigo");
        QTest::newRow("additions") << 6;
        QTest::newRow("subtractions") << 60;
    }
    void caja_vacia() {
        QFETCH(int, codigo);
        VentanaMental* v = Abrir(codigo);
        const QList<int> antes = Visibles(v);
        QTest::mouseClick(v->Color95Button1, Qt::LeftButton);
        QVERIFY(sonidos_.isEmpty());
        QVERIFY(buzon_.dialogos_vistos.isEmpty());
        QCOMPARE(v->aciertos + v->fallos, 0);
        QCOMPARE(v->Label_fallos->text(), QStringLiteral("0"));
        QCOMPARE(juego.puntos[1].puntos, 0);
        QCOMPARE(int(juego.resultados_guardados), 1);
        QCOMPARE(Visibles(v), antes);
        QCOMPARE(juego.ventana_actual, codigo);
        QCOMPARE(v->focusWidget(), v->Memo_res);
    }

    void respuesta_fallada_data() {
        QTest::addColumn<int>("codigo");
        QTest::addColumn<bool>("teclado"); // Alt+C instead of the mouse
        QTest::newRow("additions, click") << 6 << false;
        QTest::newRow("subtractions, Alt+C") << 60 << true;
    }
    void respuesta_fallada() {
        QFETCH(int, codigo);
        QFETCH(bool, teclado);
        VentanaMental* v = Abrir(codigo);
        QVERIFY(QTest::qWaitForWindowActive(v));
        juego.segundos = 12;
        const QList<int> antes = Visibles(v);
        const int respuesta = Calcular(v);
        QTest::keyClicks(v->Memo_res, QString::number(respuesta + 1));
        if (teclado) {
            QTest::keyClick(v, Qt::Key_C, Qt::AltModifier);
            // The accelerator presses the button the way a click would, a moment later.
            QTRY_COMPARE(buzon_.dialogos_vistos.size(), 1);
        } else
            QTest::mouseClick(v->Color95Button1, Qt::LeftButton);
        QCOMPARE(buzon_.dialogos_vistos, QStringList{"Form_aviso_error"});
        QCOMPARE(Sonidos(plataforma::Sonido::Fallo), 1);
        QCOMPARE(v->fallos, 1);
        QCOMPARE(v->Label_fallos->text(), QStringLiteral("1"));
        QCOMPARE(v->aciertos, 0);
        QCOMPARE(juego.jugadores[0].fallos[CalculoMental], 1);
        QCOMPARE(juego.jugadores[0].aciertos[CalculoMental], 0);
        QCOMPARE(juego.puntos[1].puntos, -1);
        // Same numbers, an empty box and the clock still running.
        QCOMPARE(Visibles(v), antes);
        QCOMPARE(v->Memo_res->text(), QString());
        QCOMPARE(v->focusWidget(), v->Memo_res);
        QCOMPARE(juego.ventana_actual, codigo);
        QCOMPARE(int(juego.contando_tiempo), 1);
        QCOMPARE(juego.segundos, 12);
        Responder(v, respuesta);
        QCOMPARE(v->aciertos, 1);
        QCOMPARE(juego.puntos[1].puntos, 1);
        QCOMPARE(juego.ventana_actual, codigo == 6 ? 60 : 6);
    }

    void m1_data() {
        QTest::addColumn<int>("codigo");
        QTest::addColumn<QString>("minuendo");
        QTest::addColumn<QString>("sustraendo");
        QTest::addColumn<QString>("elegido");
        QTest::addColumn<bool>("aviso");
        QTest::addColumn<QStringList>("marcadas"); // second operand menu afterwards
        QTest::addColumn<int>("limite2");
        QTest::newRow("Hasta 20 after both Hasta 50")
            << 60 << "Hasta501"
            << "Hasta502"
            << "Hasta201" << true << QStringList{"Elegidoalazarhasta1", "Hasta202"} << 21;
        QTest::newRow("Hasta  100 after both Sin límite")
            << 60 << "sinlimite1"
            << "sinlimite2"
            << "Hasta701" << true << QStringList{"Elegidoalazarhasta1", "Hasta1001"} << 101;
        QTest::newRow("Hasta 10 after Sin límite and Hasta 30")
            << 60 << "sinlimite1"
            << "Hasta302"
            << "Hasta101" << true << QStringList{"Elegidoalazarhasta1", "Hasta102"} << 11;
        QTest::newRow("equal ranges")
            << 60 << "Hasta501"
            << "Hasta202"
            << "Hasta201" << false << QStringList{"Elegidoalazarhasta1", "Hasta202"} << 21;
        QTest::newRow("fixed subtrahend") << 60 << "Hasta501"
                                          << "Fijo101"
                                          << "Hasta101" << false << QStringList{"Fijo101"} << 10;
        QTest::newRow("additions have no M1")
            << 6 << "Hasta501"
            << "Hasta502"
            << "Hasta101" << false << QStringList{"Elegidoalazarhasta1", "Hasta502"} << 51;
    }
    void m1() {
        QFETCH(int, codigo);
        QFETCH(QString, minuendo);
        QFETCH(QString, sustraendo);
        QFETCH(QString, elegido);
        QFETCH(bool, aviso);
        QFETCH(QStringList, marcadas);
        QFETCH(int, limite2);
        VentanaMental* v = Abrir(codigo);
        Elegir(v, minuendo);
        Elegir(v, sustraendo);
        QVERIFY(buzon_.mensajes.isEmpty());
        juego.segundos = 5;
        Elegir(v, elegido);
        QCOMPARE(buzon_.Textos(), aviso ? QStringList{kM1} : QStringList{});
        if (aviso) {
            QCOMPARE(buzon_.mensajes[0].titulo, QStringLiteral("Zifra Sumas y Restas"));
            QCOMPARE(int(buzon_.mensajes[0].icono), int(plataforma::Icono::Ninguno));
        }
        QCOMPARE(Marcadas(v->findChild<QMenu*>(QString::fromLatin1(v->Def().menu2))), marcadas);
        QVERIFY(v->findChild<QAction*>(elegido)->isChecked());
        const AjustesMental a = v->Ajustes();
        QCOMPARE(a.limite2, limite2);
        QCOMPARE(juego.segundos, 0); // a new exercise, inside the new ranges
        QVERIFY(Termino(v, 0)->text().toInt() < a.limite1);
        QVERIFY(Termino(v, 1)->text().toInt() <= (EsFijo(a.limite2) ? a.limite2 : a.limite2 - 1));
    }

    void m2_data() {
        QTest::addColumn<int>("codigo");
        QTest::addColumn<QString>("minuendo");
        QTest::addColumn<QString>("antes");
        QTest::addColumn<QString>("elegido");
        QTest::addColumn<int>("limite2"); // 0: refused
        QTest::newRow("Hasta 30 over Hasta 20") << 60 << "Hasta201"
                                                << "Hasta102"
                                                << "Hasta302" << 0;
        QTest::newRow("Sin límite over Hasta  100") << 60 << "Hasta701"
                                                    << "Hasta1001"
                                                    << "sinlimite2" << 0;
        QTest::newRow("refused, a fixed value stays") << 60 << "Hasta201"
                                                      << "Fijo31"
                                                      << "Hasta502" << 0;
        QTest::newRow("Sin límite over Sin límite") << 60 << "sinlimite1"
                                                    << "Hasta102"
                                                    << "sinlimite2" << 201;
        QTest::newRow("the same range") << 60 << "Hasta201"
                                        << "Hasta102"
                                        << "Hasta202" << 21;
        QTest::newRow("Hasta 10 always") << 60 << "Hasta101"
                                         << "Fijo51"
                                         << "Hasta102" << 11;
        QTest::newRow("a fixed value always") << 60 << "Hasta101"
                                              << "Hasta102"
                                              << "Fijo101" << 10;
        QTest::newRow("additions take any") << 6 << "Hasta101"
                                            << "Hasta102"
                                            << "sinlimite2" << 201;
    }
    void m2() {
        QFETCH(int, codigo);
        QFETCH(QString, minuendo);
        QFETCH(QString, antes);
        QFETCH(QString, elegido);
        QFETCH(int, limite2);
        VentanaMental* v = Abrir(codigo);
        Elegir(v, minuendo);
        Elegir(v, antes);
        QVERIFY(buzon_.mensajes.isEmpty());
        const QStringList marcas = Marcadas(v->MainMenu1);
        const int32_t limite_antes = v->Ajustes().limite2;
        const QList<int> numeros = Visibles(v);
        juego.segundos = 5;
        Elegir(v, elegido);
        if (limite2 == 0) {
            QCOMPARE(buzon_.Textos(), QStringList{kM2});
            QCOMPARE(Marcadas(v->MainMenu1), marcas);
            QCOMPARE(v->Ajustes().limite2, limite_antes);
            QCOMPARE(Visibles(v), numeros);
            QCOMPARE(juego.segundos, 5);
        } else {
            QVERIFY(buzon_.mensajes.isEmpty());
            QCOMPARE(v->Ajustes().limite2, limite2);
            QVERIFY(Marcadas(v->MainMenu1).contains(elegido));
            QCOMPARE(Marcadas(v->MainMenu1).contains(QStringLiteral("Elegidoalazarhasta1")),
                     limite2 > 10);
            QCOMPARE(juego.segundos, 0);
        }
    }

    void encadenar_data() {
        QTest::addColumn<int>("jugadores");
        QTest::addColumn<bool>("automatico");
        QTest::addColumn<int>("actual");
        QTest::addColumn<QList<int>>("ventanas");
        QTest::addColumn<QList<int>>("turnos");
        QTest::addColumn<QList<int>>("celebraciones"); // so far, after each answer
        QTest::newRow("1 player: additions and subtractions alternate")
            << 1 << true << 1 << QList<int>{6, 60, 6, 60, 6, 60, 6}
            << QList<int>{1, 1, 1, 1, 1, 1, 1} << QList<int>{0, 0, 1, 2, 2, 2, 3};
        QTest::newRow("3 players, automatic")
            << 3 << true << 1 << QList<int>{6, 6, 6, 60, 60, 60, 6}
            << QList<int>{1, 2, 3, 1, 2, 3, 1} << QList<int>{0, 1, 1, 1, 2, 2, 3};
        QTest::newRow("2 players, manual, player 2") << 2 << false << 2 << QList<int>{60, 60, 60}
                                                     << QList<int>{2, 2, 2} << QList<int>{0, 1, 1};
    }
    void encadenar() {
        QFETCH(int, jugadores);
        QFETCH(bool, automatico);
        QFETCH(int, actual);
        QFETCH(QList<int>, ventanas);
        QFETCH(QList<int>, turnos);
        QFETCH(QList<int>, celebraciones);
        JugadoresDePrueba(jugadores);
        if (!automatico) Form_menu->Accion("Cambiodeturnojugadoresmanual1")->trigger();
        juego.jugador_actual = actual;
        Form_menu->Accion("Clculomental1")->trigger();
        QCOMPARE(int(juego.tipo_juego), 6);
        QList<int> vistas, quien, celebradas;
        while (vistas.size() < ventanas.size()) {
            vistas << juego.ventana_actual;
            quien << juego.jugador_actual;
            VentanaMental* v = Ventana(juego.ventana_actual);
            QVERIFY(v && v->isVisible());
            Responder(v, Calcular(v));
            celebradas << Sonidos(plataforma::Sonido::Acierto);
        }
        QCOMPARE(vistas, ventanas);
        QCOMPARE(quien, turnos);
        QCOMPARE(celebradas, celebraciones);
        int total = 0;
        for (int k = 1; k <= jugadores; ++k)
            total += juego.puntos[k].puntos;
        QCOMPARE(total, 2 * int(ventanas.size()));
        QVERIFY(buzon_.dialogos_vistos.isEmpty());
    }

    void ajustes_y_totales_duran() {
        VentanaMental* restas = Abrir(60);
        Elegir(restas, QStringLiteral("Hasta401"));
        Elegir(restas, QStringLiteral("Fijo71"));
        Elegir(restas, QStringLiteral("Enelsustraendo"));
        Responder(restas, Calcular(restas) + 1);
        CerrarVentanaActual();
        // Read without the window, as the worksheets do.
        const AjustesMental a = AjustesCalculoMental(TipoMental::Restas);
        QCOMPARE(a.limite1, 41);
        QCOMPARE(a.limite2, 7);
        QCOMPARE(int(a.incognita), int(Incognita::Segundo));
        QCOMPARE(AjustesCalculoMental(TipoMental::Sumas).limite1, 11);
        Abrir(60);
        QCOMPARE(Marcadas(restas->MainMenu1),
                 QStringList({"Hasta401", "Fijo71", "Enelsustraendo"}));
        QCOMPARE(restas->Label_fallos->text(), QStringLiteral("1"));
        QCOMPARE(Termino(restas, 1)->text(), QStringLiteral("7"));
        QVERIFY(!Termino(restas, 1)->isVisible());
        CerrarVentanaActual();
        // A new game clears the totals of both windows, not their settings.
        buzon_.dialogos.enqueue([](QDialog* d) {
            static_cast<TForm_jugadores*>(d)->xpButton2Click();
            return d->result();
        });
        Form_menu->Accion("Iniciarnuevojuego1")->trigger();
        QCOMPARE(restas->fallos, 0);
        QCOMPARE(restas->Label_fallos->text(), QStringLiteral("0"));
        QCOMPARE(AjustesCalculoMental(TipoMental::Restas).limite2, 7);
    }
};

QTEST_MAIN(TestMental)
#include "test_mental.moc"
