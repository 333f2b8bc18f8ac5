#pragma once
// The main window: current player panel, play panels, menus, and the timer
// that drives the operation clock.
#include "nucleo/fondo.h"
#include "nucleo/juego.h"
#include "platform/musica.h"

#include <QMainWindow>

class ImagenAnimada;
class RegistroDiario;
class PanelJuego;
class QAction;
class QGroupBox;
class QLabel;
class QPushButton;
class QTimer;

class TForm_menu : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm_menu(QWidget* parent = nullptr);
    ~TForm_menu() override;

    QAction* Accion(const char* nombre) const;
    // Shrunk to fit: nineteen capitals fill the panel.
    void MostrarNombreJugador(const QString& nombre);
    // Tiles a picture file over the background.
    void CargarFondo(const QString& ruta);
    // Closes the game, once its results are safe or the user says so.
    void TerminarJuego();
    // The learning journal this run writes, once start-up has opened it.
    void PonerDiario(RegistroDiario* diario) { diario_ = diario; }
    // Both turn buttons work only with two players or more.
    void ActualizarBotonesTurno();
    // The usual colours and wallpaper, or high contrast's plain ones.
    void AplicarApariencia();

    // Controls, under the names the rest of the game uses.
    QWidget* Fondo = nullptr;
    MosaicoFondo* Image_fondopantalla = nullptr;
    QLabel* Image_fondopantalla_tmp = nullptr;
    PanelJuego* Panel1 = nullptr;
    PanelJuego* Panel2 = nullptr;
    PanelJuego* Panel3 = nullptr;
    PanelJuego* Panel4 = nullptr;
    PanelJuego* Panel5 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QGroupBox* GroupBox_jugador = nullptr;
    QLabel* Label_nombrejugador = nullptr;
    QPushButton* Color95Button_jugadoranterior = nullptr;
    QPushButton* Color95Button_jugadorsiguiente = nullptr;
    QGroupBox* GroupBox_puntos = nullptr;
    QLabel* Label_puntos = nullptr;
    QGroupBox* GroupBox_controlpalabras = nullptr;
    QGroupBox* GroupBox_pacertadas = nullptr;
    QLabel* Label_pacertadas = nullptr;
    QGroupBox* GroupBox_pfalladas = nullptr;
    QLabel* Label_pfalladas = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QLabel* Label_tiempo = nullptr;
    QLabel* Label_ayudas_hint1 = nullptr;
    QLabel* Label_ayudas_hint2 = nullptr;
    ImagenAnimada* GIFImage1 = nullptr;
    ImagenAnimada* GIFImage2 = nullptr;
    plataforma::ReproductorMidi MediaPlayer1;
    QTimer* Timer_icono = nullptr;

    // Event handlers.
    void FormCreate();
    void FormShow();
    void Timer_iconoTimer();
    void Color95Button_jugadoranteriorClick();
    void Color95Button_jugadorsiguienteClick();

    // Menu commands.
    void Iniciarnuevojuego1Click();
    void Terminar1Click();
    void m_sumasyrestasSinClick();
    void m_sumasCon_restasSinClick();
    void SumasCONllevadasRestasSINllevadasmsdifcil1Click();
    void m_sumasyrestasConClick();
    void SumasyRestasCONllevadasmsdifcil2Click();
    void Clculomental1Click();
    void Repasodemiserrores1Click();
    void Cambiodeturnojugadoresautomtico1Click();
    void Cambiodeturnojugadoresmanual1Click();
    void EditarvisualizarlasquemellevoClick();
    void Modo1sumaralsustraendosiguiente1Click();
    void Modo2restaralminuendosiguiente1Click();
    void Hayquemarcarmanualmentecuandomellevo1Click();
    void Marcarautomticamentecuandomellevo1Click();
    void Nomarcarnuncacuandomellevo1Click();
    void Agnadirnuevosjugadores1Click();
    void Leerjugadoresdearchivo1Click();
    void Controlderesultados1Click();
    void Diagnosticodeerrores1Click();
    void Informedelaclase1Click();
    void Borrardiario1Click();
    void Los10mejoresjugadores1Click();
    void Ayuda2Click();
    void Autor1Click();
    void Versin1Click();

protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    // fondo.bmp is read once, when first shown: a broken one warns once.
    bool fondo_leido_ = false;
    void CrearControles();
    // What the game announces, shown here (nucleo/anuncios.h).
    void EscucharAlJuego();
    void PonerJugador();
    void PonerPuntos();
    void PonerTiempo();
    void ConectarComandos();
    void ElegirJuego(const char* propia, TipoJuego tipo, void (*siguiente)());
    void MarcarSolo(const char* propia, std::initializer_list<const char*> grupo);
    void RenovarVentanaDeRestas();
    int EjecutarJugadores();

    RegistroDiario* diario_ = nullptr;
    bool primer_tick_ = true;
    bool mostrado_ = false;
};

extern TForm_menu* Form_menu;
