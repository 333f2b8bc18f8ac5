#include "app/menu_principal.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

// clang-format off
const ElementoMenu kMenuPrincipal[] = {
    {0, "Opciones1", "&Opciones", "", false, false, true},
    {1, "Iniciarnuevojuego1", "Iniciar &nueva jugada...", "Iniciar nuevo juego, con nuevos jugadores y nuevos resultados", false, false, true},
    {1, "Los10mejoresjugadores1", "&Los 10 mejores jugadores...", "Lista de los 10 mejores jugadores", false, false, true},
    {1, "Directoriodepuntuaciones1", "Directorio de puntuaciones...", "", false, false, false},
    {1, nullptr, "", "", false, false, true},
    {1, "Terminar1", "&Terminar", "Acabar el juego", false, false, true},

    {0, "Juegos1", "&Juegos", "", false, false, true},
    {1, "m_sumasyrestasSin", "&Sumas y Restas  SIN  llevarse", "Jugar con sumas  y restas, ambas  SIN  llevarse", true, false, true},
    {1, nullptr, "", "", false, false, true},
    {1, "m_sumasCon_restasSin", "S&umas  CON  llevadas, Restas  SIN  llevadas", "Jugar con sumas  de  llevadas (2 filas) y  con  restas  SIN  llevadas", true, false, true},
    {1, "SumasCONllevadasRestasSINllevadasmsdifcil1", "Sumas  CON  lle&vadas, Restas  SIN  llevadas, más difícil", "Jugar con sumas  de  llevadas (3 filas)  y  con  restas  SIN  llevadas", true, false, true},
    {1, nullptr, "", "", false, false, true},
    {1, "m_sumasyrestasCon", "Sumas y Restas   &CON  llevadas", "Jugar con sumas  y  restas, ambas  CON  llevadas", true, false, true},
    {1, "SumasyRestasCONllevadasmsdifcil2", "Sumas y Restas   CON  llevadas, más &difícil", "Jugar con sumas  y  restas, ambas  CON  llevadas y más difícil", true, false, true},
    {1, nullptr, "", "", false, false, true},
    {1, "Clculomental1", "Cálculo  &mental", "Operaciones horizontales, para calcular mentalmente. Elementos con valores configurables.", true, false, true},
    {1, "Repasodemiserrores1", "&Repaso de mis errores", "Practicar, con un ejemplo resuelto primero, los errores que el diagnóstico ha confirmado", true, false, true},

    {0, "Opciones2", "&Configuración", "", false, false, true},
    {1, "Cambiodeturnojugadoresautomtico1", "Cambio de jugador &automático", "Pasa el turno automáticamente según configuración", true, true, true},
    {1, "Cambioautocadacuenta1", "Cambio auto cada cuenta", "Pasa el turno automáticamente al terminar una cuenta", true, false, false},
    {1, "Cambioautocadacolumna1", "Cambio auto cada columna", "Pasa el turno automáticamente al terminar una columna de cualquier cuenta", true, true, false},
    {1, nullptr, "", "", false, false, false},
    {1, "Cambiodeturnojugadoresmanual1", "Cambio de jugador &manual", "Para cambiar el turno de jugador, usar los botones de 'Jugador actual'", true, false, true},
    {1, nullptr, "", "", false, false, true},
    {1, "Sumasconllevadas1", "&Sumas con llevadas", "Opción para las sumas con llevadas", false, false, true},
    {2, "Editarvisualizarlasquemellevo", "&Editar y visualizar las que me llevo", "Permitir o no, que se editen y se vean los números que me llevo", true, true, true},
    {1, "Restasconllevadas1", "&Restas con llevadas", "Opciones para las restas con llevadas", false, false, true},
    {2, "Modo1sumaralsustraendosiguiente1", "Modo &1, sumar al sustraendo siguiente", "Suma la que me llevo al sustraendo de la columna siguiente", true, true, true},
    {2, "Modo2restaralminuendosiguiente1", "Modo &2, restar al minuendo siguiente", "Resta la que me llevo, al minuendo de la columna siguiente", true, false, true},
    {2, nullptr, "", "", false, false, true},
    {2, "Hayquemarcarmanualmentecuandomellevo1", "Hay que marcar &manualmente cuando me llevo", "El jugador debe detectar e indicar cuando me llevo y debo pedir ayuda a la columna siguiente", true, true, true},
    {2, "Marcarautomticamentecuandomellevo1", "Marcar &automáticamente cuando me llevo", "Detectar y marcar automáticamente cuando me llevo y debo pedir ayuda a la columna siguiente", true, false, true},
    {2, "Nomarcarnuncacuandomellevo1", "&No marcar nunca cuando me llevo", "Hay que llevar mentalmente las llevadas, ya que el juego no las indica", true, false, true},
    {1, nullptr, "", "", false, false, true},
    {1, "Leerenvozalta1", "Leer en &voz alta", "Lee en voz alta cada cuenta, cada paso y cada aviso", true, false, true},
    {1, "Repetirenvozalta1", "Re&petir lo último leído", "Vuelve a leer en voz alta la última frase (F5)", false, false, true},
    {1, nullptr, "", "", false, false, true},
    {1, "Tamano1", "&Tamaño", "Todo más grande, para ver mejor", false, false, true},
    {2, "Tamano100", "100 %", "Tamaño normal", true, true, true},
    {2, "Tamano125", "125 %", "Todo un poco más grande", true, false, true},
    {2, "Tamano150", "150 %", "Todo más grande", true, false, true},
    {2, "Tamano200", "200 %", "Todo el doble de grande", true, false, true},
    {1, "Colorespordposicion1", "Colores por &posición", "Las unidades en verde, las decenas en azul y las centenas en rojo, en pantalla y en las hojas impresas", true, false, true},
    {1, "Contrastealto1", "Contraste &alto", "Cifras oscuras sobre fondo blanco liso, con rayas y bordes más gruesos", true, false, true},

    {0, "Impresin1", "&Impresión", "Impresión de sumas en papel", false, false, true},
    {1, "Sumasyrestassinllevarse1", "Sumas y Restas  &SIN  llevadas", "Impresión de sumas y restas, SIN  llevadas", false, false, true},
    {1, nullptr, "", "", false, false, true},
    {1, "SumasCONllevadasrestasSINllevadas1", "Su&mas  CON  llevadas, Restas  SIN  llevadas", "Impresión de sumas  CON  llevadas (2 filas), y restas  SIN  llevadas", false, false, true},
    {1, "SumasCONRestasSINdificil", "S&umas  CON  llevadas, Restas SIN llevadas, más difícil", "Impresión de sumas  CON  llevadas (3 filas), y restas  SIN  llevadas", false, false, true},
    {1, nullptr, "", "", false, false, true},
    {1, "SumasyrestasCONllevadas1", "Sumas y Restas  &CON  llevadas", "Impresión de sumas y restas  CON  llevadas", false, false, true},
    {1, "SumasyRestasCONllevadasmsdifcil1", "Sumas y Restas  C&ON  llevadas, más difícil", "Impresión de sumas y restas  CON  llevadas, con más dificultad", false, false, true},
    {1, nullptr, "", "", false, false, true},
    {1, "Clculomentalsimple1", "Cálculo &mental simple", "Impresión de cuentas horizontales para cálculo mental,  sumas y restas", false, false, true},
    {1, "Clculomentalcombinado1", "Cálculo mental com&binado", "Impresión de cuentas horizontales para cálculo mental, combinando sumas y restas", false, false, true},

    {0, "Resultados1", "&Resultados", "", false, false, true},
    {1, "Leerjugadoresdearchivo1", "&Leer jugadores y resultados de archivo...", "Leer jugadores y resultados de un archivo, para jugar con ellos", false, false, true},
    {1, "Agnadirnuevosjugadores1", "&Añadir nuevos jugadores...", "Añade más jugadores para jugar", false, false, true},
    {1, nullptr, "", "", false, false, true},
    {1, "Controlderesultados1", "&Control de resultados...", "Ventana para ver, guardar, etc. los resultados", false, false, true},
    {1, "Diagnosticodeerrores1", "&Diagnóstico de errores...", "Los errores que cada jugador repite, según el diario de aprendizaje, y qué conviene practicar", false, false, true},
    {1, "Informedelaclase1", "&Informe de la clase...", "Toda la clase de un vistazo: el mapa de errores, el progreso de cada día y los totales; se imprime y se exporta a la hoja de cálculo", false, false, true},
    {1, nullptr, "", "", false, false, true},
    {1, "Borrardiario1", "&Borrar el diario de este ordenador...", "Borra lo que el diario de aprendizaje guarda de cada respuesta en este ordenador; los resultados no se tocan", false, false, true},

    {0, "Ayuda1", "&Ayuda", "", false, false, true},
    {1, "Ayuda2", "A&yuda", "", false, false, true},
    {1, nullptr, "", "", false, false, true},
    {1, "Autor1", "&Autor...", "", false, false, true},
    {1, "Versin1", "&Versión y contacto...", "", false, false, true},
};
// clang-format on
const int kElementosMenuPrincipal = sizeof kMenuPrincipal / sizeof kMenuPrincipal[0];

namespace {
// The keys desktop users try first. They work from any window of the game;
// Ctrl+Q still asks before quitting.
const struct {
    const char* nombre;
    const char* teclas;
} kAtajos[] = {{"Ayuda2", "F1"}, {"Terminar1", "Ctrl+Q"}, {"Repetirenvozalta1", "F5"}};

void Preparar(QAction* a, const ElementoMenu& e) {
    a->setObjectName(QString::fromUtf8(e.nombre));
    a->setStatusTip(QString::fromUtf8(e.pista));
    a->setToolTip(QString::fromUtf8(e.pista));
    a->setCheckable(e.marcable);
    a->setChecked(e.marcado);
    a->setVisible(e.visible);
    for (const auto& atajo : kAtajos)
        if (qstrcmp(atajo.nombre, e.nombre) == 0) {
            a->setShortcut(QKeySequence(QString::fromLatin1(atajo.teclas)));
            a->setShortcutContext(Qt::ApplicationShortcut);
        }
}
} // namespace

void ConstruirMenuPrincipal(QMenuBar* barra) {
    QMenu* menus[3] = {nullptr, nullptr, nullptr};
    for (int i = 0; i < kElementosMenuPrincipal; ++i) {
        const ElementoMenu& e = kMenuPrincipal[i];
        if (e.nivel == 0) {
            menus[0] = barra->addMenu(QString::fromUtf8(e.texto));
            menus[0]->setObjectName(QString::fromUtf8(e.nombre) + QStringLiteral("_menu"));
            Preparar(menus[0]->menuAction(), e);
            continue;
        }
        QMenu* padre = menus[e.nivel - 1];
        if (!e.nombre) {
            padre->addSeparator()->setVisible(e.visible);
            continue;
        }
        const bool es_submenu =
            i + 1 < kElementosMenuPrincipal && kMenuPrincipal[i + 1].nivel > e.nivel;
        if (es_submenu) {
            menus[e.nivel] = padre->addMenu(QString::fromUtf8(e.texto));
            menus[e.nivel]->setObjectName(QString::fromUtf8(e.nombre) + QStringLiteral("_menu"));
            Preparar(menus[e.nivel]->menuAction(), e);
        } else {
            Preparar(padre->addAction(QString::fromUtf8(e.texto)), e);
        }
    }
}
