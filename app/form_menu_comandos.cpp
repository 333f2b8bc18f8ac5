// What the main window's menus, panels and turn buttons do.
#include "app/form_menu.h"
#include "app/menu_pantalla.h"

#include "app/voz_alta.h"
#include "aprendizaje/diario.h"
#include "aprendizaje/registro.h"
#include "aprendizaje/repaso.h"
#include "aprendizaje/ventana_diagnostico.h"
#include "aprendizaje/ventana_informe_clase.h"
#include "nucleo/juego.h"
#include "nucleo/panel_juego.h"
#include "nucleo/servicios.h"
#include "nucleo/ventanas.h"
#include "platform/mensajes.h"
#include "platform/visor_pagina.h"
#include "players/form_jugadores.h"
#include "players/turnos.h"
#include "results/archivo_resultados.h"
#include "results/form_puntos.h"
#include "results/form_resultados.h"
#include "worksheets/impresion_hojas.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace {
const QString kAutor =
    QStringLiteral("\nZifra Sumas y Restas\n\nAutores: los colaboradores del proyecto Zifra\n");
} // namespace

void TForm_menu::ConectarComandos() {
    struct Comando {
        const char* nombre;
        void (TForm_menu::*manejador)();
    };
    const Comando comandos[] = {
        {"Iniciarnuevojuego1", &TForm_menu::Iniciarnuevojuego1Click},
        {"Terminar1", &TForm_menu::Terminar1Click},
        {"m_sumasyrestasSin", &TForm_menu::m_sumasyrestasSinClick},
        {"m_sumasCon_restasSin", &TForm_menu::m_sumasCon_restasSinClick},
        {"SumasCONllevadasRestasSINllevadasmsdifcil1",
         &TForm_menu::SumasCONllevadasRestasSINllevadasmsdifcil1Click},
        {"m_sumasyrestasCon", &TForm_menu::m_sumasyrestasConClick},
        {"SumasyRestasCONllevadasmsdifcil2", &TForm_menu::SumasyRestasCONllevadasmsdifcil2Click},
        {"Clculomental1", &TForm_menu::Clculomental1Click},
        {"Repasodemiserrores1", &TForm_menu::Repasodemiserrores1Click},
        {"Cambiodeturnojugadoresautomtico1", &TForm_menu::Cambiodeturnojugadoresautomtico1Click},
        {"Cambiodeturnojugadoresmanual1", &TForm_menu::Cambiodeturnojugadoresmanual1Click},
        {"Editarvisualizarlasquemellevo", &TForm_menu::EditarvisualizarlasquemellevoClick},
        {"Modo1sumaralsustraendosiguiente1", &TForm_menu::Modo1sumaralsustraendosiguiente1Click},
        {"Modo2restaralminuendosiguiente1", &TForm_menu::Modo2restaralminuendosiguiente1Click},
        {"Hayquemarcarmanualmentecuandomellevo1",
         &TForm_menu::Hayquemarcarmanualmentecuandomellevo1Click},
        {"Marcarautomticamentecuandomellevo1",
         &TForm_menu::Marcarautomticamentecuandomellevo1Click},
        {"Nomarcarnuncacuandomellevo1", &TForm_menu::Nomarcarnuncacuandomellevo1Click},
        {"Agnadirnuevosjugadores1", &TForm_menu::Agnadirnuevosjugadores1Click},
        {"Leerjugadoresdearchivo1", &TForm_menu::Leerjugadoresdearchivo1Click},
        {"Controlderesultados1", &TForm_menu::Controlderesultados1Click},
        {"Diagnosticodeerrores1", &TForm_menu::Diagnosticodeerrores1Click},
        {"Informedelaclase1", &TForm_menu::Informedelaclase1Click},
        {"Borrardiario1", &TForm_menu::Borrardiario1Click},
        {"Los10mejoresjugadores1", &TForm_menu::Los10mejoresjugadores1Click},
        {"Ayuda2", &TForm_menu::Ayuda2Click},
        {"Autor1", &TForm_menu::Autor1Click},
        {"Versin1", &TForm_menu::Versin1Click},
    };
    for (const Comando& c : comandos) {
        auto manejador = c.manejador;
        connect(Accion(c.nombre), &QAction::triggered, this,
                [this, manejador] { (this->*manejador)(); });
    }
    PrepararVozAlta(Accion("Leerenvozalta1"), Accion("Repetirenvozalta1"), this);

    // A click on a play panel is the same as choosing its menu item.
    const std::pair<PanelJuego*, const char*> paneles[] = {
        {Panel1, "m_sumasyrestasSin"}, {Panel3, "m_sumasCon_restasSin"},
        {Panel2, "m_sumasyrestasCon"}, {Panel4, "SumasyRestasCONllevadasmsdifcil2"},
        {Panel5, "Clculomental1"},
    };
    for (const auto& [panel, accion] : paneles) {
        QAction* a = Accion(accion);
        connect(panel, &PanelJuego::clic, a, &QAction::trigger);
    }
    ConectarMenuPantalla(this);

    connect(Color95Button_jugadoranterior, &QPushButton::clicked, this,
            &TForm_menu::Color95Button_jugadoranteriorClick);
    connect(Color95Button_jugadorsiguiente, &QPushButton::clicked, this,
            &TForm_menu::Color95Button_jugadorsiguienteClick);
    connect(Timer_icono, &QTimer::timeout, this, &TForm_menu::Timer_iconoTimer);

    using hojas::HojaImpresion;
    const std::pair<const char*, HojaImpresion> impresiones[] = {
        {"Sumasyrestassinllevarse1", HojaImpresion::SumasRestasSinLlevadas},
        {"SumasCONllevadasrestasSINllevadas1", HojaImpresion::SumasConRestasSin},
        {"SumasCONRestasSINdificil", HojaImpresion::SumasConRestasSinDificil},
        {"SumasyrestasCONllevadas1", HojaImpresion::SumasRestasConLlevadas},
        {"SumasyRestasCONllevadasmsdifcil1", HojaImpresion::SumasRestasConDificil},
        {"Clculomentalsimple1", HojaImpresion::CalculoMentalSimple},
        {"Clculomentalcombinado1", HojaImpresion::CalculoMentalCombinado},
    };
    for (const auto& [accion, hoja] : impresiones)
        connect(Accion(accion), &QAction::triggered, this,
                [this, hoja = hoja] { hojas::ImprimirHoja(hoja, this); });
    hojas::FijarMenuImpresion(Accion("Impresin1"));
}

int TForm_menu::EjecutarJugadores() {
    Form_jugadores->Edit_jugador1->clear();
    return plataforma::EjecutarModal(Form_jugadores);
}

void TForm_menu::MarcarSolo(const char* propia, std::initializer_list<const char*> grupo) {
    for (const char* nombre : grupo)
        Accion(nombre)->setChecked(false);
    Accion(propia)->setChecked(true);
}

// Play commands

void TForm_menu::ElegirJuego(const char* propia, TipoJuego tipo, void (*siguiente)()) {
    MarcarSolo(propia,
               {"m_sumasyrestasSin", "m_sumasCon_restasSin",
                "SumasCONllevadasRestasSINllevadasmsdifcil1", "m_sumasyrestasCon",
                "SumasyRestasCONllevadasmsdifcil2", "Clculomental1", "Repasodemiserrores1"});
    juego.tipo_juego = tipo;
    siguiente();
}

void TForm_menu::m_sumasyrestasSinClick() {
    ElegirJuego("m_sumasyrestasSin", TipoJuego::SinLlevadas, SiguienteSinLlevadas);
}
void TForm_menu::m_sumasCon_restasSinClick() {
    ElegirJuego("m_sumasCon_restasSin", TipoJuego::SumasConLlevadas, SiguienteSumasConLlevadas);
}
void TForm_menu::SumasCONllevadasRestasSINllevadasmsdifcil1Click() {
    ElegirJuego("SumasCONllevadasRestasSINllevadasmsdifcil1", TipoJuego::SumasConLlevadasDificil,
                SiguienteSumasConLlevadas);
}
void TForm_menu::m_sumasyrestasConClick() {
    ElegirJuego("m_sumasyrestasCon", TipoJuego::ConLlevadas, SiguienteConLlevadas);
}
void TForm_menu::SumasyRestasCONllevadasmsdifcil2Click() {
    ElegirJuego("SumasyRestasCONllevadasmsdifcil2", TipoJuego::ConLlevadasDificil,
                SiguienteConLlevadas);
}
void TForm_menu::Clculomental1Click() {
    ElegirJuego("Clculomental1", TipoJuego::CalculoMental, SiguienteCalculoMental);
}
void TForm_menu::Repasodemiserrores1Click() {
    ElegirJuego("Repasodemiserrores1", TipoJuego::Repaso, EmpezarRepaso);
}

// Configuration commands

void TForm_menu::Cambiodeturnojugadoresautomtico1Click() {
    MarcarSolo("Cambiodeturnojugadoresautomtico1", {"Cambiodeturnojugadoresmanual1"});
    juego.cambio_automatico = true;
}

void TForm_menu::Cambiodeturnojugadoresmanual1Click() {
    MarcarSolo("Cambiodeturnojugadoresmanual1", {"Cambiodeturnojugadoresautomtico1"});
    juego.cambio_automatico = false;
}

void TForm_menu::EditarvisualizarlasquemellevoClick() {
    juego.editar_llevadas = !juego.editar_llevadas;
    Accion("Editarvisualizarlasquemellevo")->setChecked(juego.editar_llevadas);
}

// A subtraction on screen is drawn again under the new borrowing setting.
void TForm_menu::RenovarVentanaDeRestas() {
    const int32_t codigo = juego.ventana_actual;
    if (codigo == SinVentana) return;
    CerrarVentanaActual();
    MostrarVentana(codigo);
}

void TForm_menu::Modo1sumaralsustraendosiguiente1Click() {
    juego.modo_restas = MetodoResta::SumarAlSustraendo;
    MarcarSolo("Modo1sumaralsustraendosiguiente1", {"Modo2restaralminuendosiguiente1"});
    RenovarVentanaDeRestas();
}

void TForm_menu::Modo2restaralminuendosiguiente1Click() {
    juego.modo_restas = MetodoResta::RestarAlMinuendo;
    MarcarSolo("Modo2restaralminuendosiguiente1", {"Modo1sumaralsustraendosiguiente1"});
    RenovarVentanaDeRestas();
}

namespace {
const std::initializer_list<const char*> kMarcarLlevadas = {"Hayquemarcarmanualmentecuandomellevo1",
                                                            "Marcarautomticamentecuandomellevo1",
                                                            "Nomarcarnuncacuandomellevo1"};
}

void TForm_menu::Hayquemarcarmanualmentecuandomellevo1Click() {
    juego.marcar_llevadas = MarcarLlevadas::Manual;
    MarcarSolo("Hayquemarcarmanualmentecuandomellevo1", kMarcarLlevadas);
    RenovarVentanaDeRestas();
}

void TForm_menu::Marcarautomticamentecuandomellevo1Click() {
    juego.marcar_llevadas = MarcarLlevadas::Automatico;
    MarcarSolo("Marcarautomticamentecuandomellevo1", kMarcarLlevadas);
    RenovarVentanaDeRestas();
}

void TForm_menu::Nomarcarnuncacuandomellevo1Click() {
    juego.marcar_llevadas = MarcarLlevadas::Nunca;
    MarcarSolo("Nomarcarnuncacuandomellevo1", kMarcarLlevadas);
    RenovarVentanaDeRestas();
}

// Players

void TForm_menu::Iniciarnuevojuego1Click() {
    CerrarVentanaActual();
    if (!juego.resultados_guardados &&
        plataforma::Preguntar(QStringLiteral(
            "¡¡ Atención !!\n\nEsta opción borra los valores de resultados actuales, que no han "
            "sido guardados en disco.\n\n¿Desea volver para guardarlos antes de iniciar nueva "
            "jugada?")))
        return;
    const int32_t recordado = juego.num_jugadores;
    juego.num_jugadores = 0;
    if (plataforma::EjecutarModal(Form_jugadores) != QDialog::Accepted)
        juego.num_jugadores = recordado;
}

void TForm_menu::Agnadirnuevosjugadores1Click() {
    CerrarVentanaActual();
    plataforma::EjecutarModal(Form_jugadores);
}

// Results and scores

void TForm_menu::Leerjugadoresdearchivo1Click() {
    LeerJugadoresDeArchivo(this);
}
void TForm_menu::Borrardiario1Click() {
    CerrarVentanaActual();
    if (!plataforma::Preguntar(
            QStringLiteral(
                "\n¿ Borrar el diario de aprendizaje de este ordenador ?\n\nSe pierde lo "
                "que guarda de cada respuesta de cada jugador. Los archivos de "
                "resultados no se tocan.\n"),
            plataforma::RespuestaNo))
        return;
    // Without a journal open in this run, the file of this computer all the same.
    const bool borrado =
        diario_ ? diario_->Borrar() : BorrarDiario(resultados::CarpetaResultados());
    if (borrado)
        plataforma::Informar(
            QStringLiteral("\nEl diario de aprendizaje de este ordenador se ha borrado.\n"));
    else
        plataforma::AvisarError(
            QStringLiteral("\nNo se ha podido borrar el diario de aprendizaje.\n"));
}

void TForm_menu::Controlderesultados1Click() {
    AbrirControlDeResultados();
}
void TForm_menu::Diagnosticodeerrores1Click() {
    CerrarVentanaActual();
    AbrirDiagnosticoDeErrores(this);
}
void TForm_menu::Informedelaclase1Click() {
    CerrarVentanaActual();
    AbrirInformeClase(this);
}
void TForm_menu::Los10mejoresjugadores1Click() {
    AbrirLosDiezMejores();
}

void TForm_menu::Color95Button_jugadoranteriorClick() {
    JugadorAnterior();
}
void TForm_menu::Color95Button_jugadorsiguienteClick() {
    JugadorSiguiente();
}

// Quit and help

void TForm_menu::Terminar1Click() {
    CerrarVentanaActual();
    if (plataforma::Preguntar(QStringLiteral(
            "\n¿Estás seguro de que deseas terminar \n\ndefinitivamente este juego?\n")))
        TerminarJuego();
}

void TForm_menu::TerminarJuego() {
    if (!juego.resultados_guardados &&
        plataforma::Preguntar(QStringLiteral(
            "\nLos resultados actuales no se han guardado.\n¿ Deseas volver para poder guardarlos "
            "(Opción 'Control de resultados) ?\n")))
        return;
    juego.terminando = true;
    // The help page opens in the desktop's own viewer, which the user closes.
    if (juego.musica_disponible) MediaPlayer1.Cerrar();
    close();
}

void TForm_menu::Ayuda2Click() {
    VolverAlDirectorioInicial();
    // Not checked first: whoever shows the page says when it is missing.
    plataforma::MostrarPagina(RutaDeInicio(QStringLiteral("ayuda.htm")), this);
}

void TForm_menu::Autor1Click() {
    plataforma::Informar(kAutor);
}

void TForm_menu::Versin1Click() {
    VolverAlDirectorioInicial();
    if (ExisteArchivo(QStringLiteral("cuentas.htm")))
        plataforma::MostrarPagina(RutaDeInicio(QStringLiteral("cuentas.htm")), this);
    else
        plataforma::Informar(kAutor + QStringLiteral("\nFalta el archivo 'htm' de información."));
}
