// The main window driven offscreen as a child, a teacher or a parent would.
#include "app/arranque.h"
#include "app/form_menu.h"
#include "nucleo/anuncios.h"
#include "nucleo/fondo.h"
#include "nucleo/imagen_animada.h"
#include "nucleo/juego.h"
#include "nucleo/panel_juego.h"
#include "nucleo/servicios.h"
#include "nucleo/ventanas.h"
#include "platform/escritorio.h"
#include "players/form_jugadores.h"
#include "pruebas.h"

#include <QAction>
#include <QEnterEvent>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>
#include <memory>
#include <vector>

namespace {
const QString kAvisoPantalla = QStringLiteral(
    "\nEste programa ha diso diseñado para una resolución mínima de pantalla de 640x480 pixels. "
    "\n\nSi se usa una resolución menor, algunas zonas de la pantalla de juego, no serán "
    "visibles.\n\nSe recomienda cambiar la resolución de la pantalla, como mínimo a 640x480.\n");
const QString kPreguntaTerminar =
    QStringLiteral("\n¿Estás seguro de que deseas terminar \n\ndefinitivamente este juego?\n");
const QString kAutores = QStringLiteral("Autores: los colaboradores del proyecto Zifra");
const QString kPreguntaSinGuardar = QStringLiteral(
    "\nLos resultados actuales no se han guardado.\n¿ Deseas volver para poder guardarlos "
    "(Opción 'Control de resultados) ?\n");

// Types a name key by key, as a child would, accents included.
void Escribir(QLineEdit* caja, const QString& texto) {
    for (QChar c : texto)
        QTest::sendKeyEvent(QTest::Click, caja, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// Answers the players dialog: names into the given boxes, then "&Jugar".
std::function<int(QDialog*)> Jugar(const QMap<int, QString>& nombres) {
    return [nombres](QDialog* d) {
        auto* dialogo = static_cast<TForm_jugadores*>(d);
        dialogo->FormShow();
        for (auto it = nombres.begin(); it != nombres.end(); ++it)
            Escribir(dialogo->Edit_jugador[it.key() - 1], it.value());
        QTest::mouseClick(dialogo->xpButton2, Qt::LeftButton);
        return dialogo->result();
    };
}

QAction* A(const char* nombre) {
    return Form_menu->Accion(nombre);
}
} // namespace

class TestVentanaMenu : public QObject {
    Q_OBJECT
    Buzon buzon_;
    std::unique_ptr<QTemporaryDir> dir_;
    std::vector<std::unique_ptr<VentanaFalsa>> ventanas_;
    QStringList abiertos_;
    int parpadeos_ = 0;

    // Shows the main window and lets its first tick open the players dialog.
    void Arrancar() {
        Form_menu->show();
        // Generous: tiling a tiny picture is slow under the sanitizers.
        QTRY_COMPARE_WITH_TIMEOUT(buzon_.dialogos_vistos.size(), 1, 30000);
    }

private slots:
    void initTestCase() {
        PrepararAplicacion(*qApp);
        for (const VentanaEjercicio& v : kVentanasEjercicio)
            ventanas_.push_back(std::make_unique<VentanaFalsa>(v.codigo));
    }

    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(QDir::setCurrent(dir_->path()));
        buzon_ = Buzon{};
        buzon_.Instalar();
        abiertos_.clear();
        parpadeos_ = 0;
        plataforma::FijarTamanoPantalla(QSize(1024, 768));
        plataforma::FijarAbridorDocumentos([this](const QString& r) {
            abiertos_ << r;
            return true;
        });
        plataforma::FijarObservadorParpadeo([this](QWidget*) { ++parpadeos_; });
        CrearVentanas();
        for (size_t i = 0; i < ventanas_.size(); ++i)
            RegistrarVentana(kVentanasEjercicio[i].codigo, ventanas_[i].get());
    }

    void cleanup() {
        CerrarVentanaActual();
        delete Form_menu;
        QVERIFY(!Form_menu);
        QVERIFY(!Form_jugadores);
        buzon_.Quitar();
        plataforma::FijarTamanoPantalla(QSize());
        plataforma::FijarAbridorDocumentos(nullptr);
        plataforma::FijarObservadorParpadeo(nullptr);
        QVERIFY2(VentanasVisibles().isEmpty(), qPrintable(VentanasVisibles().join(u',')));
    }

    void menu_data() {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("pista");
        QTest::addColumn<bool>("visible");
        QTest::addColumn<bool>("marcado");
        QTest::addColumn<QKeySequence>("atajo");
        auto fila = [](const char* nombre, const char* menu, const char* texto, const char* pista,
                       bool visible = true, bool marcado = false, const char* atajo = "") {
            QTest::newRow(nombre) << QString::fromUtf8(menu) << QString::fromUtf8(texto)
                                  << QString::fromUtf8(pista) << visible << marcado
                                  << QKeySequence(QString::fromLatin1(atajo));
        };
        // clang-format off
        fila("Iniciarnuevojuego1", "Opciones1", "Iniciar &nueva jugada...", "Iniciar nuevo juego, con nuevos jugadores y nuevos resultados");
        fila("Los10mejoresjugadores1", "Opciones1", "&Los 10 mejores jugadores...", "Lista de los 10 mejores jugadores");
        fila("Directoriodepuntuaciones1", "Opciones1", "Directorio de puntuaciones...", "", false);
        fila("Terminar1", "Opciones1", "&Terminar", "Acabar el juego", true, false, "Ctrl+Q");
        fila("m_sumasyrestasSin", "Juegos1", "&Sumas y Restas  SIN  llevarse", "Jugar con sumas  y restas, ambas  SIN  llevarse");
        fila("m_sumasCon_restasSin", "Juegos1", "S&umas  CON  llevadas, Restas  SIN  llevadas", "Jugar con sumas  de  llevadas (2 filas) y  con  restas  SIN  llevadas");
        fila("SumasCONllevadasRestasSINllevadasmsdifcil1", "Juegos1", "Sumas  CON  lle&vadas, Restas  SIN  llevadas, más difícil", "Jugar con sumas  de  llevadas (3 filas)  y  con  restas  SIN  llevadas");
        fila("m_sumasyrestasCon", "Juegos1", "Sumas y Restas   &CON  llevadas", "Jugar con sumas  y  restas, ambas  CON  llevadas");
        fila("SumasyRestasCONllevadasmsdifcil2", "Juegos1", "Sumas y Restas   CON  llevadas, más &difícil", "Jugar con sumas  y  restas, ambas  CON  llevadas y más difícil");
        fila("Clculomental1", "Juegos1", "Cálculo  &mental", "Operaciones horizontales, para calcular mentalmente. Elementos con valores configurables.");
        fila("Cambiodeturnojugadoresautomtico1", "Opciones2", "Cambio de jugador &automático", "Pasa el turno automáticamente según configuración", true, true);
        fila("Cambioautocadacuenta1", "Opciones2", "Cambio auto cada cuenta", "Pasa el turno automáticamente al terminar una cuenta", false, false);
        fila("Cambioautocadacolumna1", "Opciones2", "Cambio auto cada columna", "Pasa el turno automáticamente al terminar una columna de cualquier cuenta", false, true);
        fila("Cambiodeturnojugadoresmanual1", "Opciones2", "Cambio de jugador &manual", "Para cambiar el turno de jugador, usar los botones de 'Jugador actual'");
        fila("Sumasconllevadas1", "Opciones2", "&Sumas con llevadas", "Opción para las sumas con llevadas");
        fila("Editarvisualizarlasquemellevo", "Sumasconllevadas1", "&Editar y visualizar las que me llevo", "Permitir o no, que se editen y se vean los números que me llevo", true, true);
        fila("Restasconllevadas1", "Opciones2", "&Restas con llevadas", "Opciones para las restas con llevadas");
        fila("Modo1sumaralsustraendosiguiente1", "Restasconllevadas1", "Modo &1, sumar al sustraendo siguiente", "Suma la que me llevo al sustraendo de la columna siguiente", true, true);
        fila("Modo2restaralminuendosiguiente1", "Restasconllevadas1", "Modo &2, restar al minuendo siguiente", "Resta la que me llevo, al minuendo de la columna siguiente");
        fila("Hayquemarcarmanualmentecuandomellevo1", "Restasconllevadas1", "Hay que marcar &manualmente cuando me llevo", "El jugador debe detectar e indicar cuando me llevo y debo pedir ayuda a la columna siguiente", true, true);
        fila("Marcarautomticamentecuandomellevo1", "Restasconllevadas1", "Marcar &automáticamente cuando me llevo", "Detectar y marcar automáticamente cuando me llevo y debo pedir ayuda a la columna siguiente");
        fila("Nomarcarnuncacuandomellevo1", "Restasconllevadas1", "&No marcar nunca cuando me llevo", "Hay que llevar mentalmente las llevadas, ya que el juego no las indica");
        fila("Impresin1", "", "&Impresión", "Impresión de sumas en papel");
        fila("Sumasyrestassinllevarse1", "Impresin1", "Sumas y Restas  &SIN  llevadas", "Impresión de sumas y restas, SIN  llevadas");
        fila("SumasCONllevadasrestasSINllevadas1", "Impresin1", "Su&mas  CON  llevadas, Restas  SIN  llevadas", "Impresión de sumas  CON  llevadas (2 filas), y restas  SIN  llevadas");
        fila("SumasCONRestasSINdificil", "Impresin1", "S&umas  CON  llevadas, Restas SIN llevadas, más difícil", "Impresión de sumas  CON  llevadas (3 filas), y restas  SIN  llevadas");
        fila("SumasyrestasCONllevadas1", "Impresin1", "Sumas y Restas  &CON  llevadas", "Impresión de sumas y restas  CON  llevadas");
        fila("SumasyRestasCONllevadasmsdifcil1", "Impresin1", "Sumas y Restas  C&ON  llevadas, más difícil", "Impresión de sumas y restas  CON  llevadas, con más dificultad");
        fila("Clculomentalsimple1", "Impresin1", "Cálculo &mental simple", "Impresión de cuentas horizontales para cálculo mental,  sumas y restas");
        fila("Clculomentalcombinado1", "Impresin1", "Cálculo mental com&binado", "Impresión de cuentas horizontales para cálculo mental, combinando sumas y restas");
        fila("Leerjugadoresdearchivo1", "Resultados1", "&Leer jugadores y resultados de archivo...", "Leer jugadores y resultados de un archivo, para jugar con ellos");
        fila("Agnadirnuevosjugadores1", "Resultados1", "&Añadir nuevos jugadores...", "Añade más jugadores para jugar");
        fila("Controlderesultados1", "Resultados1", "&Control de resultados...", "Ventana para ver, guardar, etc. los resultados");
        fila("Diagnosticodeerrores1", "Resultados1", "&Diagnóstico de errores...", "Los errores que cada jugador repite, según el diario de aprendizaje, y qué conviene practicar");
        fila("Informedelaclase1", "Resultados1", "&Informe de la clase...", "Toda la clase de un vistazo: el mapa de errores, el progreso de cada día y los totales; se imprime y se exporta a la hoja de cálculo");
        fila("Borrardiario1", "Resultados1", "&Borrar el diario de este ordenador...", "Borra lo que el diario de aprendizaje guarda de cada respuesta en este ordenador; los resultados no se tocan");
        fila("Ayuda2", "Ayuda1", "A&yuda", "", true, false, "F1");
        fila("Autor1", "Ayuda1", "&Autor...", "");
        fila("Versin1", "Ayuda1", "&Versión y contacto...", "");
        fila("Opciones1", "", "&Opciones", "");
        fila("Juegos1", "", "&Juegos", "");
        fila("Opciones2", "", "&Configuración", "");
        fila("Resultados1", "", "&Resultados", "");
        fila("Ayuda1", "", "&Ayuda", "");
        // clang-format on
    }
    void menu() {
        QFETCH(QString, menu);
        QFETCH(QString, texto);
        QFETCH(QString, pista);
        QFETCH(bool, visible);
        QFETCH(bool, marcado);
        QFETCH(QKeySequence, atajo);
        QAction* a = Form_menu->findChild<QAction*>(QString::fromLatin1(QTest::currentDataTag()));
        QVERIFY(a);
        QCOMPARE(a->shortcut(), atajo);
        QCOMPARE(a->text(), texto);
        QCOMPARE(a->statusTip(), pista);
        QCOMPARE(a->isVisible(), visible);
        QCOMPARE(a->isChecked(), marcado);
        // Which menu holds it; the menus of the bar sit in no menu.
        QString padre;
        for (QObject* o : a->associatedObjects())
            if (auto* m = qobject_cast<QMenu*>(o))
                padre = m->objectName().remove(QStringLiteral("_menu"));
        QCOMPARE(padre, menu);
    }

    void separadores() {
        auto visibles = [](const char* menu) {
            int n = 0;
            const auto* m = Form_menu->findChild<QMenu*>(QString::fromLatin1(menu));
            for (QAction* a : m->actions())
                n += a->isSeparator() && a->isVisible();
            return n;
        };
        QCOMPARE(visibles("Opciones1_menu"), 1);
        QCOMPARE(visibles("Juegos1_menu"), 3);
        // The turns, reading aloud and the display choices, each apart.
        QCOMPARE(visibles("Opciones2_menu"), 3);
        QCOMPARE(visibles("Restasconllevadas1_menu"), 1);
        QCOMPARE(visibles("Impresin1_menu"), 3);
        // The journal's command stands apart from the results'.
        QCOMPARE(visibles("Resultados1_menu"), 2);
        QStringList resultados;
        for (QAction* a :
             Form_menu->findChild<QMenu*>(QStringLiteral("Resultados1_menu"))->actions())
            resultados << (a->isSeparator() ? QStringLiteral("-") : a->objectName());
        QCOMPARE(resultados, (QStringList{"Leerjugadoresdearchivo1", "Agnadirnuevosjugadores1", "-",
                                          "Controlderesultados1", "Diagnosticodeerrores1",
                                          "Informedelaclase1", "-", "Borrardiario1"}));
        QCOMPARE(visibles("Ayuda1_menu"), 1);
    }

    void controles() {
        QCOMPARE(Form_menu->windowTitle(), QStringLiteral("Zifra Sumas y Restas."));
        QCOMPARE(Form_menu->Label_nombrejugador->text(), QStringLiteral("Sin nombre"));
        QCOMPARE(Form_menu->Label_tiempo->text(), QStringLiteral("000:00"));
        QCOMPARE(Form_menu->Label_ayudas_hint1->text(), QStringLiteral("Información :"));
        QCOMPARE(Form_menu->Label_ayudas_hint2->text(), QStringLiteral("Información :"));
        QCOMPARE(Form_menu->GroupBox_jugador->title(), QStringLiteral("Jugador actual "));
        QCOMPARE(Form_menu->GroupBox_controlpalabras->title(), QStringLiteral("Total  "));
        QCOMPARE(Form_menu->GroupBox1->title(), QStringLiteral("Tiempo  "));
        QCOMPARE(Form_menu->Panel1->geometry(), QRect(151, 100, 450, 50));
        QCOMPARE(Form_menu->Panel3->geometry(), QRect(151, 160, 450, 50));
        QCOMPARE(Form_menu->Panel5->geometry(), QRect(151, 340, 450, 50));
        QCOMPARE(Form_menu->Label5->text(), QStringLiteral("Cálculo  mental"));
        QCOMPARE(Form_menu->Panel5->cursor().shape(), Qt::BitmapCursor);
        QVERIFY(!Form_menu->Color95Button_jugadorsiguiente->isEnabled());
        QVERIFY(!Form_menu->Timer_icono->isActive());
    }

    void aviso_de_pantalla_data() {
        QTest::addColumn<QSize>("pantalla");
        QTest::addColumn<bool>("aviso");
        QTest::newRow("638x480") << QSize(638, 480) << true;
        QTest::newRow("639x478") << QSize(639, 478) << true;
        QTest::newRow("639x479") << QSize(639, 479) << false;
        QTest::newRow("1024x768") << QSize(1024, 768) << false;
    }
    void aviso_de_pantalla() {
        QFETCH(QSize, pantalla);
        QFETCH(bool, aviso);
        plataforma::FijarTamanoPantalla(pantalla);
        Arrancar();
        QCOMPARE(buzon_.Textos().contains(kAvisoPantalla), aviso);
    }

    void cerrar_no_termina() {
        Arrancar();
        QVERIFY(!Form_menu->close());
        QVERIFY(Form_menu->isVisible());
        QCloseEvent cierre;
        QApplication::sendEvent(Form_menu, &cierre);
        QVERIFY(!cierre.isAccepted());
        QVERIFY(Form_menu->isVisible());
    }

    void primer_dialogo_cancelado() {
        Arrancar();
        QCOMPARE(buzon_.dialogos_vistos.first(), QStringLiteral("Form_jugadores"));
        QCOMPARE(juego.num_jugadores, 1);
        QCOMPARE(juego.jugador_actual, 1);
        QCOMPARE(NombreJugador(1), QStringLiteral("Sin nombre"));
        QCOMPARE(Form_menu->Label_nombrejugador->text(), QStringLiteral("Sin nombre"));
        QVERIFY(!Form_menu->Color95Button_jugadoranterior->isEnabled());
        // The timer goes on, now once a second.
        QVERIFY(Form_menu->Timer_icono->isActive());
        QCOMPARE(Form_menu->Timer_icono->interval(), 1000);
    }

    void primer_dialogo_con_nombres() {
        buzon_.dialogos.enqueue(Jugar({{2, QStringLiteral("  Lucía ")},
                                       {5, QStringLiteral("Ana María")},
                                       {9, QStringLiteral("Íñigo")}}));
        Arrancar();
        QCOMPARE(juego.num_jugadores, 3);
        QCOMPARE(NombreJugador(1), QStringLiteral("Lucía"));
        QCOMPARE(NombreJugador(2), QStringLiteral("Ana María"));
        QCOMPARE(NombreJugador(3), QStringLiteral("Íñigo"));
        QCOMPARE(QByteArray(juego.puntos[0].nombre), QByteArray("Grupo sin nombre"));
        QCOMPARE(Form_menu->Label_nombrejugador->text(), QStringLiteral("Lucía"));
        QVERIFY(Form_menu->Color95Button_jugadorsiguiente->isEnabled());
        QTest::mouseClick(Form_menu->Color95Button_jugadoranterior, Qt::LeftButton);
        QCOMPARE(Form_menu->Label_nombrejugador->text(), QStringLiteral("Íñigo"));
        QTest::mouseClick(Form_menu->Color95Button_jugadorsiguiente, Qt::LeftButton);
        QCOMPARE(juego.jugador_actual, 1);
    }

    // The main window hears the game while it lives; once it is gone, what
    // the game announces reaches nobody.
    void oyentes_se_van_con_la_ventana() {
        const QMetaMethod senales[] = {
            QMetaMethod::fromSignal(&Anuncios::JugadoresCambiados),
            QMetaMethod::fromSignal(&Anuncios::PuntosCambiados),
            QMetaMethod::fromSignal(&Anuncios::TiempoCambiado),
            QMetaMethod::fromSignal(&Anuncios::Celebracion),
            QMetaMethod::fromSignal(&Anuncios::Musica),
        };
        for (const QMetaMethod& s : senales)
            QVERIFY2(AnunciosJuego().Escuchado(s), s.methodSignature().constData());
        juego.segundos = 61;
        MostrarTiempo();
        QCOMPARE(Form_menu->Label_tiempo->text(), QStringLiteral("  1 : 01"));
        delete Form_menu;
        for (const QMetaMethod& s : senales)
            QVERIFY2(!AnunciosJuego().Escuchado(s), s.methodSignature().constData());
        MostrarTiempo();
        MostrarPuntos();
        MostrarJugadorActual();
        Musica(1);
        emit AnunciosJuego().Celebracion();
    }

    void nombre_largo_cabe_data() {
        QTest::addColumn<QString>("nombre");
        QTest::addColumn<bool>("encoge");
        QTest::newRow("short") << "Lucía" << false;
        QTest::newRow("19 W") << "WWWWWWWWWWWWWWWWWWW" << true;
        QTest::newRow("19 M") << "MMMMMMMMMMMMMMMMMMM" << true;
        QTest::newRow("19 Ñ") << "ÑÑÑÑÑÑÑÑÑÑÑÑÑÑÑÑÑÑÑ" << true;
    }
    // Any name the players dialog takes (19 letters) shows whole.
    void nombre_largo_cabe() {
        QFETCH(QString, nombre);
        QFETCH(bool, encoge);
        Arrancar();
        juego.num_jugadores = 0;
        GuardarJugadores({QStringLiteral("Ana"), nombre});
        JugadorSiguiente();
        QLabel* l = Form_menu->Label_nombrejugador;
        QCOMPARE(l->text(), nombre);
        QVERIFY2(l->fontMetrics().horizontalAdvance(nombre) <= l->contentsRect().width(),
                 qPrintable(QString::number(l->fontMetrics().horizontalAdvance(nombre))));
        QCOMPARE(l->font().pixelSize() < 18, encoge);
        JugadorAnterior();
        QCOMPARE(l->font().pixelSize(), 18);
    }

    void reloj_cada_segundo() {
        Arrancar();
        juego.contando_tiempo = 1;
        juego.segundos = 59;
        Form_menu->Timer_iconoTimer();
        QCOMPARE(juego.segundos, 60);
        QCOMPARE(Form_menu->Label_tiempo->text(), QStringLiteral("  1 : 00"));
        juego.contando_tiempo = 0;
        Form_menu->Timer_iconoTimer();
        QCOMPARE(juego.segundos, 60);
        QCOMPARE(parpadeos_, 0);
    }

    void minimizado_no_cuenta_y_parpadea() {
        Arrancar();
        juego.contando_tiempo = 1;
        juego.segundos = 10;
        Form_menu->showMinimized();
        QTRY_VERIFY(Form_menu->isMinimized());
        Form_menu->Timer_iconoTimer();
        Form_menu->Timer_iconoTimer();
        QCOMPARE(juego.segundos, 10);
        QCOMPARE(parpadeos_, 2);
        Form_menu->showNormal();
        Form_menu->Timer_iconoTimer();
        QCOMPARE(juego.segundos, 11);
    }

    void pistas_en_las_dos_etiquetas() {
        Form_menu->show();
        QEnterEvent entrar(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QApplication::sendEvent(Form_menu->Panel5, &entrar);
        const QString pista = QStringLiteral(
            "Operaciones horizontales, para calcular mentalmente. Elementos con valores "
            "configurables.");
        QCOMPARE(Form_menu->Label_ayudas_hint1->text(), pista);
        QCOMPARE(Form_menu->Label_ayudas_hint2->text(), pista);
        QCOMPARE(Form_menu->Panel5->toolTip(), pista);
        QCOMPARE(Form_menu->Panel5->accessibleDescription(), pista);
        QEvent salir(QEvent::Leave);
        QApplication::sendEvent(Form_menu->Panel5, &salir);
        QCOMPARE(Form_menu->Label_ayudas_hint1->text(), QString());
        // Hovering a menu item shows its hint too.
        QStatusTipEvent menu(A("Terminar1")->statusTip());
        QApplication::sendEvent(Form_menu->menuBar(), &menu);
        QCOMPARE(Form_menu->Label_ayudas_hint2->text(), QStringLiteral("Acabar el juego"));
        QTRY_COMPARE(buzon_.dialogos_vistos.size(), 1);
    }

    // Every window's hints end in the main window's two labels, as its own
    // do: shown on entering the control (or hovering the menu item), gone
    // on leaving it.
    void pistas_de_otras_ventanas_data() {
        QTest::addColumn<QString>("ventana");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("pista");
        QTest::newRow("sumas") << "Form_sumas3b"
                               << "Image1"
                               << "Comprobación  automática";
        QTest::newRow("restas") << "Form_restas5"
                                << "Color95Button_ayuda"
                                << "Pulsar cuando el de arriba es más pequeño y necesita ayuda";
        QTest::newRow("totales") << "Form_restas3"
                                 << "Label_fallos"
                                 << "Total fallos en este tipo de cuenta, por todos los jugadores";
        QTest::newRow("cálculo mental") << "Form_cmental2"
                                        << "Color95Button1"
                                        << "Pulsa para comprobar si la operación está bien";
        QTest::newRow("la ventana misma")
            << "Form_cmental1"
            << "Form_cmental1"
            << "Escribir el valor correcto y pulsar el botón 'Comprobación'";
        QTest::newRow("jugadores") << "Form_jugadores"
                                   << "Edit_jugador7"
                                   << "Escribe el nombre de un jugador o jugadora";
        QTest::newRow("cara") << "Form_muchos_aciertos"
                              << "Image_central"
                              << "Pulsa para borrar y volver";
        QTest::newRow("resultados") << "Form_Resultados"
                                    << "Color95Button_imprimir"
                                    << "Opciones de impresión";
        QTest::newRow("menú de resultados") << "Form_Resultados"
                                            << "Imprimirresultadosactuales1"
                                            << "Imprime los resultados de los jugadores actuales";
        QTest::newRow("páginas") << "Form_paginas"
                                 << "Edit1"
                                 << "Número de páginas a crear e imprimir";
    }
    void pistas_de_otras_ventanas() {
        QFETCH(QString, ventana);
        QFETCH(QString, control);
        QFETCH(QString, pista);
        auto* v = Form_menu->findChild<QWidget*>(ventana);
        QVERIFY(v && v->isWindow());
        QObject* c = ventana == control ? v : v->findChild<QObject*>(control);
        QVERIFY(c);
        auto etiquetas = [] {
            return QStringList{Form_menu->Label_ayudas_hint1->text(),
                               Form_menu->Label_ayudas_hint2->text()};
        };
        if (auto* a = qobject_cast<QAction*>(c)) {
            auto* menu = qobject_cast<QMenu*>(a->parent());
            QVERIFY(menu);
            menu->popup(QPoint());
            menu->setActiveAction(a);
            QCOMPARE(etiquetas(), QStringList(2, pista));
            menu->setActiveAction(nullptr);
            menu->hide();
        } else {
            auto* w = static_cast<QWidget*>(c);
            QEnterEvent entrar(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
            QApplication::sendEvent(w, &entrar);
            QCOMPARE(etiquetas(), QStringList(2, pista));
            QEvent salir(QEvent::Leave);
            QApplication::sendEvent(w, &salir);
        }
        QCOMPARE(etiquetas(), QStringList(2, QString()));
    }

    void paneles_data() {
        QTest::addColumn<QString>("panel");
        QTest::addColumn<QString>("accion");
        QTest::addColumn<int>("tipo");
        QTest::addColumn<int>("ventana");
        QTest::newRow("Panel1") << "Panel1"
                                << "m_sumasyrestasSin" << 1 << 33;
        QTest::newRow("Panel3") << "Panel3"
                                << "m_sumasCon_restasSin" << 2 << 44;
        QTest::newRow("Panel2") << "Panel2"
                                << "m_sumasyrestasCon" << 4 << 5;
        QTest::newRow("Panel4") << "Panel4"
                                << "SumasyRestasCONllevadasmsdifcil2" << 5 << 55;
        QTest::newRow("Panel5") << "Panel5"
                                << "Clculomental1" << 6 << 6;
    }
    void paneles() {
        QFETCH(QString, panel);
        QFETCH(QString, accion);
        QFETCH(int, tipo);
        QFETCH(int, ventana);
        Arrancar();
        // Another exercise is on screen: choosing a mode closes it first.
        juego.tipo_juego = TipoJuego(1);
        MostrarVentana(VentanaRestas3);
        auto* p = Form_menu->findChild<PanelJuego*>(panel);
        QVERIFY(p);
        QTest::mousePress(p, Qt::LeftButton, {}, QPoint(20, 20));
        QCOMPARE(p->bisel(), PanelJuego::Bisel::Hundido);
        QTest::mouseRelease(p, Qt::LeftButton, {}, QPoint(20, 20));
        QCOMPARE(p->bisel(), PanelJuego::Bisel::Levantado);
        QCOMPARE(int(juego.tipo_juego), tipo);
        QCOMPARE(juego.ventana_actual, ventana);
        QVERIFY(!VentanaDeCodigo(VentanaRestas3)->isVisible() || ventana == VentanaRestas3);
        for (QAction* a : Form_menu->findChild<QMenu*>(QStringLiteral("Juegos1_menu"))->actions())
            if (!a->isSeparator()) QCOMPARE(a->isChecked(), a->objectName() == accion);
    }

    void mode_3_por_menu() {
        A("SumasCONllevadasRestasSINllevadasmsdifcil1")->trigger();
        QCOMPARE(int(juego.tipo_juego), 3);
        QCOMPARE(juego.ventana_actual, int32_t(VentanaSumas5));
        QVERIFY(A("SumasCONllevadasRestasSINllevadasmsdifcil1")->isChecked());
    }

    void configuracion_data() {
        QTest::addColumn<QString>("accion");
        QTest::addColumn<QStringList>("marcadas");
        QTest::addColumn<QStringList>("desmarcadas");
        QTest::addColumn<QList<int>>("valores"); // automatic, edit carries, marking, method
        const QString automatico = "Cambiodeturnojugadoresautomtico1",
                      manual = "Cambiodeturnojugadoresmanual1";
        const QString m1 = "Modo1sumaralsustraendosiguiente1",
                      m2 = "Modo2restaralminuendosiguiente1";
        const QString a_mano = "Hayquemarcarmanualmentecuandomellevo1",
                      auto_m = "Marcarautomticamentecuandomellevo1",
                      nunca = "Nomarcarnuncacuandomellevo1";
        QTest::newRow("manual turn")
            << manual << QStringList{manual} << QStringList{automatico} << QList<int>{0, 1, 2, 1};
        QTest::newRow("automatic turn") << automatico << QStringList{automatico}
                                        << QStringList{manual} << QList<int>{1, 1, 2, 1};
        QTest::newRow("carries hidden")
            << "Editarvisualizarlasquemellevo" << QStringList{}
            << QStringList{"Editarvisualizarlasquemellevo"} << QList<int>{1, 0, 2, 1};
        QTest::newRow("method 2") << m2 << QStringList{m2} << QStringList{m1}
                                  << QList<int>{1, 1, 2, 2};
        QTest::newRow("method 1 again")
            << m1 << QStringList{m1} << QStringList{m2} << QList<int>{1, 1, 2, 1};
        QTest::newRow("mark automatically") << auto_m << QStringList{auto_m}
                                            << QStringList{a_mano, nunca} << QList<int>{1, 1, 1, 1};
        QTest::newRow("never mark")
            << nunca << QStringList{nunca} << QStringList{a_mano, auto_m} << QList<int>{1, 1, 0, 1};
        QTest::newRow("mark by hand") << a_mano << QStringList{a_mano} << QStringList{auto_m, nunca}
                                      << QList<int>{1, 1, 2, 1};
    }
    void configuracion() {
        QFETCH(QString, accion);
        QFETCH(QStringList, marcadas);
        QFETCH(QStringList, desmarcadas);
        QFETCH(QList<int>, valores);
        Form_menu->findChild<QAction*>(accion)->trigger();
        for (const QString& m : marcadas)
            QVERIFY2(Form_menu->findChild<QAction*>(m)->isChecked(), qPrintable(m));
        for (const QString& m : desmarcadas)
            QVERIFY2(!Form_menu->findChild<QAction*>(m)->isChecked(), qPrintable(m));
        QCOMPARE((QList<int>{juego.cambio_automatico, juego.editar_llevadas,
                             int(juego.marcar_llevadas), int(juego.modo_restas)}),
                 valores);
    }

    void editar_llevadas_alterna() {
        A("Editarvisualizarlasquemellevo")->trigger();
        A("Editarvisualizarlasquemellevo")->trigger();
        QCOMPARE(int(juego.editar_llevadas), 1);
        QVERIFY(A("Editarvisualizarlasquemellevo")->isChecked());
    }

    void restas_se_renuevan_con_el_modo() {
        auto* restas = ventanas_[6].get();
        QCOMPARE(kVentanasEjercicio[6].codigo, int32_t(VentanaRestas4b));
        // No window on screen: only the setting changes.
        A("Modo2restaralminuendosiguiente1")->trigger();
        QCOMPARE(restas->mostrada, 0);
        QCOMPARE(juego.ventana_actual, int32_t(SinVentana));
        A("m_sumasyrestasCon")->trigger(); // addition first
        A("m_sumasyrestasCon")->trigger(); // then the subtraction window
        QCOMPARE(juego.ventana_actual, int32_t(VentanaRestas4b));
        const int antes = restas->mostrada;
        juego.segundos = 25;
        A("Marcarautomticamentecuandomellevo1")->trigger();
        QCOMPARE(restas->mostrada, antes + 1);
        QCOMPARE(juego.ventana_actual, int32_t(VentanaRestas4b));
        QCOMPARE(juego.segundos, 0); // a new operation
        // The carries setting of the additions does not redraw anything.
        A("Editarvisualizarlasquemellevo")->trigger();
        QCOMPARE(restas->mostrada, antes + 1);
    }

    void terminar_data() {
        QTest::addColumn<int>("guardados");
        QTest::addColumn<QList<int>>("respuestas");
        QTest::addColumn<QStringList>("preguntas");
        QTest::addColumn<bool>("termina");
        const int si = plataforma::RespuestaSi, no = plataforma::RespuestaNo;
        QTest::newRow("not sure") << 1 << QList<int>{no} << QStringList{kPreguntaTerminar} << false;
        QTest::newRow("sure, saved")
            << 1 << QList<int>{si} << QStringList{kPreguntaTerminar} << true;
        QTest::newRow("unsaved, go back")
            << 0 << QList<int>{si, si} << QStringList{kPreguntaTerminar, kPreguntaSinGuardar}
            << false;
        QTest::newRow("unsaved, quit anyway")
            << 0 << QList<int>{si, no} << QStringList{kPreguntaTerminar, kPreguntaSinGuardar}
            << true;
    }
    void terminar() {
        QFETCH(int, guardados);
        QFETCH(QList<int>, respuestas);
        QFETCH(QStringList, preguntas);
        QFETCH(bool, termina);
        Arrancar();
        juego.resultados_guardados = guardados;
        for (int r : respuestas)
            buzon_.respuestas.enqueue(r);
        A("Terminar1")->trigger();
        QCOMPARE(buzon_.Textos(), preguntas);
        QCOMPARE(bool(juego.terminando), termina);
        QCOMPARE(Form_menu->isVisible(), !termina);
    }

    void nueva_jugada_data() {
        QTest::addColumn<int>("guardados");
        QTest::addColumn<int>("respuesta");
        QTest::addColumn<bool>("dialogo");
        QTest::newRow("saved") << 1 << 0 << true;
        QTest::newRow("unsaved, go back") << 0 << int(plataforma::RespuestaSi) << false;
        QTest::newRow("unsaved, go on") << 0 << int(plataforma::RespuestaNo) << true;
    }
    void nueva_jugada() {
        QFETCH(int, guardados);
        QFETCH(int, respuesta);
        QFETCH(bool, dialogo);
        Arrancar();
        buzon_.dialogos_vistos.clear();
        juego.num_jugadores = 4;
        juego.resultados_guardados = guardados;
        if (respuesta) buzon_.respuestas.enqueue(respuesta);
        int visto = -1;
        buzon_.dialogos.enqueue([&](QDialog*) {
            visto = juego.num_jugadores;
            return int(QDialog::Rejected);
        });
        A("Iniciarnuevojuego1")->trigger();
        QCOMPARE(buzon_.dialogos_vistos.size(), dialogo ? 1 : 0);
        if (dialogo) QCOMPARE(visto, 0);  // the dialog starts a new game
        QCOMPARE(juego.num_jugadores, 4); // cancelled: nothing changed
    }

    void anadir_jugadores() {
        Arrancar();
        buzon_.dialogos.enqueue(Jugar({{1, QStringLiteral("Ana")}, {2, QStringLiteral("Luis")}}));
        A("Iniciarnuevojuego1")->trigger();
        juego.jugadores[1].aciertos[0] = 5;
        juego.resultados_guardados = 0;
        buzon_.dialogos.enqueue(Jugar({{1, QStringLiteral("Eva")}}));
        A("Agnadirnuevosjugadores1")->trigger();
        QCOMPARE(juego.num_jugadores, 3);
        QCOMPARE(NombreJugador(3), QStringLiteral("Eva"));
        QCOMPARE(juego.jugadores[1].aciertos[0], 5);
        QCOMPARE(juego.jugador_actual, 1);
    }

    void cincuenta_como_maximo_data() {
        QTest::addColumn<int>("habia");
        QTest::addColumn<int>("escritos");
        QTest::addColumn<int>("quedan");
        QTest::addColumn<QString>("mensaje");
        QTest::newRow("40 + 10 fit") << 40 << 10 << 50 << QString();
        QTest::newRow("45 + 10") << 45 << 10 << 50
                                 << QStringLiteral("Sólo quedaba sitio para 5 más");
        QTest::newRow("50 + 3") << 50 << 3 << 50 << QStringLiteral("ya están todos");
    }
    void cincuenta_como_maximo() {
        QFETCH(int, habia);
        QFETCH(int, escritos);
        QFETCH(int, quedan);
        QFETCH(QString, mensaje);
        Arrancar();
        juego.num_jugadores = habia;
        for (int k = 1; k <= habia; ++k)
            PonerNombreJugador(k, QStringLiteral("P%1").arg(k));
        QMap<int, QString> nuevos;
        for (int i = 1; i <= escritos; ++i)
            nuevos[i] = QStringLiteral("N%1").arg(i);
        buzon_.dialogos.enqueue(Jugar(nuevos));
        A("Agnadirnuevosjugadores1")->trigger();
        QCOMPARE(juego.num_jugadores, quedan);
        QCOMPARE(NombreJugador(50),
                 quedan > habia ? QStringLiteral("N%1").arg(50 - habia) : QStringLiteral("P50"));
        if (mensaje.isEmpty()) {
            QVERIFY(buzon_.mensajes.isEmpty());
        } else {
            QCOMPARE(buzon_.mensajes.size(), 1);
            QVERIFY2(buzon_.mensajes.first().texto.contains(mensaje),
                     qPrintable(buzon_.mensajes.first().texto));
        }
    }

    void fondo_en_mosaico() {
        // Left column red, the rest green: the second row of tiles starts at x = 1.
        QImage dibujo(3, 2, QImage::Format_RGB32);
        dibujo.fill(Qt::green);
        dibujo.setPixel(0, 0, qRgb(255, 0, 0));
        dibujo.setPixel(0, 1, qRgb(255, 0, 0));
        QVERIFY(dibujo.save(QStringLiteral("fondo.bmp"), "BMP"));
        Arrancar();
        QCOMPARE(int(juego.fondo_cargado), 1);
        // What the wallpaper paints, not a copy of it: it is drawn from the picture.
        const QImage pantalla = Form_menu->Image_fondopantalla->grab().toImage();
        QVERIFY(pantalla.width() >= Form_menu->centralWidget()->width());
        QCOMPARE(QColor(pantalla.pixel(0, 0)), QColor(Qt::red));
        QCOMPARE(QColor(pantalla.pixel(3, 1)), QColor(Qt::red));
        QCOMPARE(QColor(pantalla.pixel(1, 2)), QColor(Qt::red));
        QCOMPARE(QColor(pantalla.pixel(2, 2)), QColor(Qt::green));
        QCOMPARE(QColor(pantalla.pixel(0, 2)), Form_menu->palette().color(QPalette::Window));
        QVERIFY(buzon_.mensajes.isEmpty());
    }

    // Every pixel the wallpaper paints, against one copy of the picture drawn
    // at each of PosicionesMosaico over the window colour.
    void mosaico_pintado_data() {
        QTest::addColumn<QSize>("dibujo");
        QTest::addColumn<bool>("transparente");
        QTest::addColumn<QSize>("ventana");
        QTest::addColumn<QPoint>("primera");
        QTest::newRow("3x2 tile") << QSize(3, 2) << false << QSize(41, 29) << QPoint();
        QTest::newRow("tile as tall as Qt splits")
            << QSize(96, 96) << false << QSize(300, 250) << QPoint();
        QTest::newRow("transparent tile") << QSize(7, 5) << true << QSize(30, 17) << QPoint();
        QTest::newRow("tile wider than the window")
            << QSize(50, 6) << false << QSize(20, 20) << QPoint();
        QTest::newRow("tile taller than the window")
            << QSize(4, 40) << false << QSize(20, 20) << QPoint();
        QTest::newRow("face wallpaper from (1, 1)")
            << QSize(20, 15) << false << QSize(220, 165) << QPoint(1, 1);
        QTest::newRow("transparent from (1, 1)")
            << QSize(6, 4) << true << QSize(31, 19) << QPoint(1, 1);
    }
    void mosaico_pintado() {
        QFETCH(QSize, dibujo);
        QFETCH(bool, transparente);
        QFETCH(QSize, ventana);
        QFETCH(QPoint, primera);
        QImage imagen(dibujo, QImage::Format_ARGB32);
        for (int y = 0; y < dibujo.height(); ++y)
            for (int x = 0; x < dibujo.width(); ++x)
                imagen.setPixel(x, y,
                                qRgba(40 + 50 * (x % 4), 30 * (y % 8), x == 0 ? 255 : 90,
                                      transparente && (x + y) % 2 ? 0 : 255));
        if (!transparente) imagen = imagen.convertToFormat(QImage::Format_RGB32);
        const QPixmap copia = QPixmap::fromImage(imagen);
        const QColor color(12, 200, 34);

        MosaicoFondo fondo(nullptr);
        fondo.resize(ventana);
        fondo.Poner(copia, color, primera);
        const QImage pintado = fondo.grab().toImage().convertToFormat(QImage::Format_RGB32);

        QImage esperado(ventana, QImage::Format_RGB32);
        esperado.fill(color);
        {
            QPainter p(&esperado);
            for (const QPoint& punto :
                 PosicionesMosaico(ventana.width(), ventana.height(), dibujo.width(),
                                   dibujo.height(), primera.x(), primera.y()))
                p.drawPixmap(punto, copia);
        }
        QCOMPARE(pintado.size(), esperado.size());
        for (int y = 0; y < ventana.height(); ++y)
            for (int x = 0; x < ventana.width(); ++x)
                if (pintado.pixel(x, y) != esperado.pixel(x, y))
                    QFAIL(qPrintable(QStringLiteral("pixel (%1, %2)").arg(x).arg(y)));
    }

    void archivos_rotos_avisan_data() {
        QTest::addColumn<QString>("archivo");
        QTest::addColumn<QString>("mensaje");
        QTest::newRow("picture") << "fondo.bmp"
                                 << "Error en archivo de dibujo para fondo.";
        QTest::newRow("music") << "acierto.mid"
                               << "Error al abrir archivo de sonido para MediaPlayer.";
    }
    void archivos_rotos_avisan() {
        QFETCH(QString, archivo);
        QFETCH(QString, mensaje);
        QFile f(archivo);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("basura");
        f.close();
        Arrancar();
        QCOMPARE(buzon_.Textos(), QStringList{mensaje});
        QCOMPARE(buzon_.mensajes.first().icono, plataforma::Icono::Error);
        QCOMPARE(int(juego.fondo_cargado), 0);
        QCOMPARE(int(juego.musica_disponible), 0);
        // Play goes on: the players dialog still opened.
        QCOMPARE(buzon_.dialogos_vistos.size(), 1);
    }

    void musica_de_celebracion() {
        TarjetaNula tarjeta;
        QVERIFY(EscribirMidi(QStringLiteral("acierto.mid")));
        Arrancar();
        QVERIFY2(buzon_.mensajes.isEmpty(), qPrintable(buzon_.Textos().join(u'|')));
        QCOMPARE(int(juego.musica_disponible), 1);
        Musica(1);
        QTRY_VERIFY(Form_menu->MediaPlayer1.Sonando());
        Musica(0);
        QVERIFY(!Form_menu->MediaPlayer1.Sonando());
        buzon_.respuestas.enqueue(plataforma::RespuestaSi);
        A("Terminar1")->trigger();
        QVERIFY(!Form_menu->MediaPlayer1.Abierto());
    }

    void archivos_que_faltan_se_saltan() {
        Arrancar();
        QVERIFY(buzon_.mensajes.isEmpty());
        QCOMPARE(int(juego.fondo_cargado), 0);
        QCOMPARE(int(juego.musica_disponible), 0);
    }

    void ayuda_y_version() {
        A("Ayuda2")->trigger();
        QCOMPARE(abiertos_, QStringList{QDir(dir_->path()).filePath(QStringLiteral("ayuda.htm"))});
        QVERIFY(buzon_.mensajes.isEmpty());

        A("Versin1")->trigger();
        QCOMPARE(buzon_.mensajes.size(), 1);
        QVERIFY(buzon_.mensajes.first().texto.endsWith(
            QStringLiteral("\nFalta el archivo 'htm' de información.")));
        QVERIFY(buzon_.mensajes.first().texto.contains(kAutores));

        QFile f(QStringLiteral("cuentas.htm"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        A("Versin1")->trigger();
        QCOMPARE(abiertos_.last(), QDir(dir_->path()).filePath(QStringLiteral("cuentas.htm")));
        QCOMPARE(buzon_.mensajes.size(), 1);

        A("Autor1")->trigger();
        QCOMPARE(buzon_.mensajes.last().texto,
                 QStringLiteral("\nZifra Sumas y Restas\n\n") + kAutores + QLatin1Char('\n'));
    }

    // The keys a desktop user tries first; Ctrl+Q asks as the menu does.
    void atajos_de_teclado() {
        Arrancar();
        Form_menu->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(Form_menu));
        QTest::keyClick(Form_menu, Qt::Key_F1);
        QCOMPARE(abiertos_, QStringList{QDir(dir_->path()).filePath(QStringLiteral("ayuda.htm"))});
        QTest::keyClick(Form_menu, Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(buzon_.Textos(), QStringList{kPreguntaTerminar});
        QVERIFY(!juego.terminando); // answered No
        QVERIFY(Form_menu->isVisible());
    }

    // With no viewer on the desktop, the page opens in a window of the game.
    void paginas_sin_visor_data() {
        QTest::addColumn<QString>("accion");
        QTest::addColumn<QString>("pagina");
        QTest::addColumn<bool>("existe");
        QTest::addColumn<QString>("titulo");
        QTest::addColumn<QString>("texto");
        QTest::newRow("help") << "Ayuda2"
                              << "ayuda.htm" << true << "Página de prueba"
                              << "Texto de la página";
        QTest::newRow("version") << "Versin1"
                                 << "cuentas.htm" << true << "Página de prueba"
                                 << "Texto de la página";
        QTest::newRow("help missing") << "Ayuda2"
                                      << "ayuda.htm" << false << "Zifra Sumas y Restas"
                                      << "ayuda.htm";
    }
    void paginas_sin_visor() {
        QFETCH(QString, accion);
        QFETCH(QString, pagina);
        QFETCH(bool, existe);
        QFETCH(QString, titulo);
        QFETCH(QString, texto);
        plataforma::FijarAbridorDocumentos([this](const QString& r) {
            abiertos_ << r;
            return false;
        });
        if (existe) {
            QFile f(pagina);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("<html><head><meta charset=\"utf-8\"><title>Página de prueba</title></head>"
                    "<body><p>Texto de la página</p></body></html>");
        }
        Arrancar();
        Form_menu->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(Form_menu));
        A(accion.toLatin1().constData())->trigger();
        QCOMPARE(abiertos_, QStringList{QDir(dir_->path()).filePath(pagina)}); // asked first
        auto* visor = Form_menu->findChild<QWidget*>(QStringLiteral("VisorPagina"));
        QVERIFY(visor);
        QVERIFY(visor->isWindow());
        QVERIFY(visor->isVisible());
        QTRY_COMPARE(QApplication::activeWindow(), visor); // over the game, not beside it
        QVERIFY(!visor->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(visor->windowTitle(), titulo);
        auto* pag = visor->findChild<QTextBrowser*>(QStringLiteral("TextBrowser_pagina"));
        QVERIFY(pag);
        QVERIFY2(pag->toPlainText().contains(texto), qPrintable(pag->toPlainText()));
        QTRY_VERIFY(pag->hasFocus());
        auto* cerrar = visor->findChild<QPushButton*>(QStringLiteral("Button_cerrar"));
        QVERIFY(cerrar);
        QCOMPARE(cerrar->text(), QStringLiteral("&Cerrar"));
        for (QWidget* w : {static_cast<QWidget*>(pag), static_cast<QWidget*>(cerrar)}) {
            QVERIFY(!w->accessibleName().isEmpty());
            QVERIFY(!w->accessibleDescription().isEmpty());
        }
        // Asked again, the same window comes back.
        QTest::mouseClick(cerrar, Qt::LeftButton);
        QVERIFY(!visor->isVisible());
        A(accion.toLatin1().constData())->trigger();
        QCOMPARE(Form_menu->findChildren<QWidget*>(QStringLiteral("VisorPagina")).size(), 1);
        QVERIFY(visor->isVisible());
        QTest::mouseClick(cerrar, Qt::LeftButton);
        QVERIFY(!visor->isVisible());
        QCOMPARE(buzon_.mensajes.size(), 0);
    }

    void animaciones_una_vez() {
        ImagenAnimada* gif = Form_menu->GIFImage1;
        QVERIFY(!gif->isVisible());
        gif->Empezar(); // nothing loaded: nothing happens
        QVERIFY(!gif->Animando());
        gif->Cargar(QStringLiteral(ZIFRA_DATOS_PRUEBA "/tres_cuadros.gif"));
        Form_menu->show();
        QSignalSpy vueltas(gif, &ImagenAnimada::vueltaCompleta);
        gif->Empezar();
        QVERIFY(gif->Animando());
        QVERIFY(gif->isVisible());
        QVERIFY(vueltas.wait(2000));
        QVERIFY(!gif->Animando());
        QTRY_VERIFY(!gif->isVisible());
        QTest::qWait(100);
        QCOMPARE(vueltas.size(), 1); // once per start, no looping
        gif->Empezar();
        QVERIFY(vueltas.wait(2000));
        QCOMPARE(vueltas.size(), 2);
        QTRY_COMPARE(buzon_.dialogos_vistos.size(), 1);
    }

    void ocultos_no_hacen_nada() {
        const GameState antes = juego;
        A("Cambioautocadacuenta1")->trigger();
        A("Cambioautocadacolumna1")->trigger();
        A("Directoriodepuntuaciones1")->trigger();
        QCOMPARE(int(juego.cambio_automatico), antes.cambio_automatico);
        QVERIFY(buzon_.mensajes.isEmpty());
        QVERIFY(buzon_.dialogos_vistos.isEmpty());
    }
};

QTEST_MAIN(TestVentanaMenu)
#include "test_ventana_menu.moc"
