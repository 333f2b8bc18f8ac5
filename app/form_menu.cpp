#include "app/form_menu.h"

#include "app/colores_menu.h"
#include "app/menu_principal.h"
#include "nucleo/anuncios.h"
#include "nucleo/apariencia.h"
#include "nucleo/dibujos.h"
#include "nucleo/etiquetas.h"
#include "nucleo/fondo.h"
#include "nucleo/imagen_animada.h"
#include "nucleo/juego.h"
#include "nucleo/panel_juego.h"
#include "nucleo/servicios.h"
#include "nucleo/ventanas.h"
#include "platform/accesibilidad.h"
#include "platform/escritorio.h"
#include "platform/mensajes.h"
#include "platform/sonidos.h"

#include <QAction>
#include <QCloseEvent>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusTipEvent>
#include <QTimer>

TForm_menu* Form_menu = nullptr;

namespace {
// The player's name, in pixels; a long name shrinks down to the smallest.
constexpr int kLetraNombre = 18;
constexpr int kLetraNombreMinima = 9;

QLabel* Etiqueta(const char* nombre, const QString& texto, QWidget* padre) {
    auto* l = new QLabel(texto, padre);
    l->setObjectName(QString::fromLatin1(nombre));
    return l;
}

QGroupBox* Marco(const char* nombre, const QString& titulo, QWidget* padre, const QRect& r,
                 const QString& pista) {
    auto* g = new QGroupBox(titulo, padre);
    g->setObjectName(QString::fromLatin1(nombre));
    g->setAutoFillBackground(true);
    g->setGeometry(r);
    if (!pista.isEmpty()) plataforma::PonerPista(g, pista);
    return g;
}

void ColorTexto(QWidget* w, const QColor& c) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, c);
    w->setPalette(p);
}

// A big centred number inside one of the frames on the left.
QLabel* Cifra(const char* nombre, const QString& texto, QWidget* marco, const QRect& r,
              const QFont& letra, const QColor& color) {
    QLabel* l = Etiqueta(nombre, texto, marco);
    l->setGeometry(r);
    l->setAlignment(Qt::AlignCenter);
    l->setFont(letra);
    ColorTexto(l, color);
    return l;
}

QFont Letra(int pixeles, bool negrita, bool cursiva = false, const QString& familia = {}) {
    QFont f;
    if (!familia.isEmpty()) f.setFamily(familia);
    f.setPixelSize(pixeles);
    f.setBold(negrita);
    f.setItalic(cursiva);
    return f;
}

QLabel* EtiquetaDePanel(const char* nombre, const QString& texto, const QColor& color) {
    auto* l = Etiqueta(nombre, texto, nullptr);
    // A Times-like face fits the captions in the panels as they were designed.
    QFont f = Letra(24, true, true, QStringLiteral("Liberation Serif"));
    f.setStyleHint(QFont::Serif);
    // Where that face is missing, a wider serif shrinks until the caption fits.
    l->setFont(LetraQueCabe(f, texto, 440, 12));
    ColorTexto(l, color);
    return l;
}
} // namespace

TForm_menu::TForm_menu(QWidget* parent) : QMainWindow(parent) {
    Form_menu = this;
    setObjectName(QStringLiteral("Form_menu"));
    setWindowTitle(QStringLiteral("Zifra Sumas y Restas."));
    QPalette p = palette();
    p.setColor(QPalette::Window, kColorVentana);
    setPalette(p);
    resize(773, 543);
    CrearControles();
    ConstruirMenuPrincipal(menuBar());
    ConectarComandos();
    EscucharAlJuego();
    FormCreate();
    plataforma::PublicarAccesibilidad(this);
    // The hint labels show the hints of the other windows too.
    plataforma::ReunirPistasEn(this);
}

TForm_menu::~TForm_menu() {
    if (Form_menu == this) Form_menu = nullptr;
}

QAction* TForm_menu::Accion(const char* nombre) const {
    return findChild<QAction*>(QString::fromLatin1(nombre));
}

void TForm_menu::CrearControles() {
    Fondo = new QWidget(this);
    Fondo->setObjectName(QStringLiteral("Fondo"));
    setCentralWidget(Fondo);
    Image_fondopantalla = new MosaicoFondo(Fondo);
    Image_fondopantalla->setObjectName(QStringLiteral("Image_fondopantalla"));
    Image_fondopantalla_tmp = Etiqueta("Image_fondopantalla_tmp", {}, Fondo);
    Image_fondopantalla_tmp->hide();

    GroupBox_jugador = Marco("GroupBox_jugador", QStringLiteral("Jugador actual "), Fondo,
                             QRect(10, 5, 276, 86), {});
    Label_nombrejugador =
        Etiqueta("Label_nombrejugador", QStringLiteral("Sin nombre"), GroupBox_jugador);
    Label_nombrejugador->setGeometry(14, 19, 248, 25);
    Label_nombrejugador->setFont(Letra(kLetraNombre, true));
    plataforma::PonerPista(Label_nombrejugador,
                           QStringLiteral("Jugador/a que tiene el turno para jugar"));
    Color95Button_jugadoranterior =
        new QPushButton(QStringLiteral("<< Anterior"), GroupBox_jugador);
    Color95Button_jugadoranterior->setObjectName(QStringLiteral("Color95Button_jugadoranterior"));
    Color95Button_jugadoranterior->setGeometry(8, 53, 129, 27);
    Color95Button_jugadorsiguiente =
        new QPushButton(QStringLiteral("Siguiente >>"), GroupBox_jugador);
    Color95Button_jugadorsiguiente->setObjectName(QStringLiteral("Color95Button_jugadorsiguiente"));
    Color95Button_jugadorsiguiente->setGeometry(144, 52, 121, 27);
    ActualizarBotonesTurno();

    GroupBox_puntos = Marco("GroupBox_puntos", QStringLiteral("Puntos "), Fondo,
                            QRect(10, 95, 121, 61), QStringLiteral("Puntos del jugador actual"));
    Label_puntos = Cifra("Label_puntos", QStringLiteral("0"), GroupBox_puntos,
                         QRect(6, 20, 109, 34), Letra(26, true), Qt::blue);

    GroupBox_controlpalabras = Marco("GroupBox_controlpalabras", QStringLiteral("Total  "), Fondo,
                                     QRect(10, 165, 121, 156), {});
    GroupBox_pacertadas =
        Marco("GroupBox_pacertadas", QStringLiteral("Aciertos "), GroupBox_controlpalabras,
              QRect(8, 22, 106, 59), QStringLiteral("Aciertos totales del jugador actual"));
    Label_pacertadas = Cifra("Label_pacertadas", QStringLiteral("0"), GroupBox_pacertadas,
                             QRect(6, 20, 94, 32), Letra(22, true), Qt::blue);
    GroupBox_pfalladas =
        Marco("GroupBox_pfalladas", QStringLiteral("Fallos "), GroupBox_controlpalabras,
              QRect(8, 87, 106, 54), QStringLiteral("Fallos totales del jugador actual"));
    Label_pfalladas = Cifra("Label_pfalladas", QStringLiteral("0"), GroupBox_pfalladas,
                            QRect(6, 18, 94, 30), Letra(22, true), Qt::red);

    GroupBox1 = Marco("GroupBox1", QStringLiteral("Tiempo  "), Fondo, QRect(10, 330, 121, 61),
                      QStringLiteral("Tiempo tardado en la operación actual"));
    Label_tiempo = Cifra("Label_tiempo", QStringLiteral("000:00"), GroupBox1, QRect(6, 20, 109, 34),
                         Letra(20, true, false, QStringLiteral("monospace")), Qt::black);

    Label_ayudas_hint1 = Etiqueta("Label_ayudas_hint1", QStringLiteral("Información :"), Fondo);
    Label_ayudas_hint1->setGeometry(300, 15, 296, 51);
    Label_ayudas_hint1->setWordWrap(true);
    Label_ayudas_hint1->setFont(Letra(13, true));
    Label_ayudas_hint1->setAutoFillBackground(true);
    Label_ayudas_hint1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label_ayudas_hint2 = Etiqueta("Label_ayudas_hint2", QStringLiteral("Información :"), Fondo);
    Label_ayudas_hint2->setGeometry(10, 398, 591, 21);
    Label_ayudas_hint2->setAutoFillBackground(true);
    QPalette amarillo = Label_ayudas_hint2->palette();
    amarillo.setColor(QPalette::Window, kAmarilloPista);
    Label_ayudas_hint2->setPalette(amarillo);

    struct DefPanel {
        PanelJuego** panel;
        QLabel** etiqueta;
        const char* nombre;
        const char* nombre_etiqueta;
        const char* texto;
        const char* pista;
        QColor fondo;
        QColor letra;
    };
    const DefPanel paneles[] = {
        {&Panel1, &Label1, "Panel1", "Label1", "Sumas y Restas   SIN   llevarse",
         "Jugar con sumas  y restas, ambas  SIN  llevarse", kAzulPanel, Qt::white},
        {&Panel3, &Label2, "Panel3", "Label2", "Sumas CON llevadas, Restas SIN llevadas",
         "Jugar con sumas  de  llevadas  y  con  restas  SIN  llevadas", kAzulPanel, Qt::white},
        {&Panel2, &Label3, "Panel2", "Label3", "Sumas y Restas   CON   llevadas",
         "Jugar con sumas  y  restas, ambas  CON  llevadas", kAzulPanel, Qt::white},
        {&Panel4, &Label4, "Panel4", "Label4", "CON  llevadas, más difícil",
         "Jugar con sumas  y  restas, ambas  CON  llevadas y más difícil", kAzulPanel, Qt::yellow},
        {&Panel5, &Label5, "Panel5", "Label5", "Cálculo  mental",
         "Operaciones horizontales, para calcular mentalmente. Elementos con valores "
         "configurables.",
         kMagentaPanel, Qt::yellow},
    };
    int arriba = 100;
    for (const DefPanel& d : paneles) {
        QLabel* etiqueta = EtiquetaDePanel(d.nombre_etiqueta, QString::fromUtf8(d.texto), d.letra);
        auto* panel = new PanelJuego(QString::fromLatin1(d.nombre), d.fondo, etiqueta, Fondo);
        panel->setGeometry(151, arriba, 450, 50);
        etiqueta->setGeometry(0, 0, 450, 50);
        plataforma::PonerPista(panel, QString::fromUtf8(d.pista));
        plataforma::PonerPista(etiqueta, QString::fromUtf8(d.pista));
        *d.panel = panel;
        *d.etiqueta = etiqueta;
        arriba += 60;
    }

    GIFImage1 = new ImagenAnimada(QStringLiteral("GIFImage1"), Fondo);
    GIFImage1->setGeometry(620, 25, 116, 116);
    GIFImage2 = new ImagenAnimada(QStringLiteral("GIFImage2"), Fondo);
    GIFImage2->setGeometry(5, 390, 236, 180);

    Timer_icono = new QTimer(this);
    Timer_icono->setObjectName(QStringLiteral("Timer_icono"));
    Timer_icono->setInterval(10);
}

void TForm_menu::FormCreate() {
    IniciarJuego();
    plataforma::CargarSonidos();
    Image_fondopantalla->setGeometry(Fondo->rect());
    Image_fondopantalla_tmp->setGeometry(Fondo->rect());
    MostrarJugadorActual();
    GIFImage1->Cargar(RutaDeInicio(QStringLiteral("animacion1.gif")));
    GIFImage2->Cargar(RutaDeInicio(QStringLiteral("animacion2.gif")));
}

void TForm_menu::FormShow() {
    const QSize pantalla = plataforma::TamanoPantalla();
    if (pantalla.width() < 639 || pantalla.height() < 479)
        plataforma::Informar(QStringLiteral(
            "\nEste programa ha diso diseñado para una resolución mínima de pantalla de 640x480 "
            "pixels. \n\nSi se usa una resolución menor, algunas zonas de la pantalla de juego, no "
            "serán visibles.\n\nSe recomienda cambiar la resolución de la pantalla, como mínimo a "
            "640x480.\n"));
    // Reads the wallpaper, unless high contrast leaves it out.
    AplicarApariencia();
    connect(apariencia::Cambios(), &apariencia::Avisador::cambiada, this,
            &TForm_menu::AplicarApariencia, Qt::UniqueConnection);
    // The 10 ms count starts once the window has been painted: the first
    // tick opens the music and a modal dialog, and the child should see the
    // game behind them, not a blank window.
    // The wallpaper may cover Fondo whole, and then only it is painted.
    Fondo->installEventFilter(this);
    Image_fondopantalla->installEventFilter(this);
    Fondo->update();
}

void TForm_menu::Timer_iconoTimer() {
    if (primer_tick_) {
        primer_tick_ = false;
        Timer_icono->stop();
        Timer_icono->setInterval(1000);
        const int32_t recordado = juego.num_jugadores;
        juego.num_jugadores = 0;
        // Like the music, the audio device waits until the window is on screen.
        plataforma::PrepararAltavoz();
        if (ExisteArchivo(QStringLiteral("acierto.mid"))) {
            juego.musica_disponible =
                MediaPlayer1.Abrir(RutaDeInicio(QStringLiteral("acierto.mid")));
            if (!juego.musica_disponible)
                plataforma::AvisarError(
                    QStringLiteral("Error al abrir archivo de sonido para MediaPlayer."));
        }
        if (EjecutarJugadores() != QDialog::Accepted) juego.num_jugadores = recordado;
        Timer_icono->start();
    }
    if (isMinimized())
        plataforma::ParpadearBarraTareas(this);
    else if (juego.contando_tiempo) {
        ++juego.segundos;
        MostrarTiempo();
    }
}

bool TForm_menu::eventFilter(QObject* o, QEvent* e) {
    if ((o == Fondo || o == Image_fondopantalla) && e->type() == QEvent::Paint) {
        Fondo->removeEventFilter(this);
        Image_fondopantalla->removeEventFilter(this);
        if (primer_tick_) Timer_icono->start();
    }
    return QMainWindow::eventFilter(o, e);
}

void TForm_menu::MostrarNombreJugador(const QString& nombre) {
    // Every right digit announces the player; measure only a new name.
    if (nombre == Label_nombrejugador->text()) return;
    Label_nombrejugador->setText(nombre);
    Label_nombrejugador->setFont(LetraQueCabe(Letra(kLetraNombre, true), nombre,
                                              Label_nombrejugador->contentsRect().width(),
                                              kLetraNombreMinima));
}

void TForm_menu::EscucharAlJuego() {
    Anuncios& juego_anuncia = AnunciosJuego();
    connect(&juego_anuncia, &Anuncios::JugadoresCambiados, this, &TForm_menu::PonerJugador);
    connect(&juego_anuncia, &Anuncios::PuntosCambiados, this, &TForm_menu::PonerPuntos);
    connect(&juego_anuncia, &Anuncios::TiempoCambiado, this, &TForm_menu::PonerTiempo);
    connect(&juego_anuncia, &Anuncios::Celebracion, this, [this] {
        GIFImage1->Empezar();
        GIFImage2->Empezar();
    });
    connect(&juego_anuncia, &Anuncios::Musica, this, [this](bool sonar) {
        if (!juego.musica_disponible) return;
        if (sonar)
            MediaPlayer1.Tocar();
        else
            MediaPlayer1.Parar();
    });
}

namespace {
void PonerColor(QLabel* etiqueta, const QColor& color) {
    QPalette p = etiqueta->palette();
    p.setColor(QPalette::WindowText, color);
    etiqueta->setPalette(p);
}

int32_t Suma(const int32_t (&v)[kTiposEjercicio]) {
    int32_t total = 0;
    for (int32_t x : v)
        total += x;
    return total;
}

bool HayJugadorActual() {
    return juego.jugador_actual >= 1 && juego.jugador_actual <= kMaxJugadores;
}
} // namespace

void TForm_menu::PonerJugador() {
    ActualizarBotonesTurno();
    if (!HayJugadorActual()) return;
    const int k = juego.jugador_actual;
    MostrarNombreJugador(NombreJugador(k));
    Label_puntos->setText(QString::number(juego.puntos[k].puntos));
    Label_pacertadas->setText(QString::number(Suma(juego.jugadores[k - 1].aciertos)));
    Label_pfalladas->setText(QString::number(Suma(juego.jugadores[k - 1].fallos)));
}

void TForm_menu::PonerPuntos() {
    if (!HayJugadorActual()) return;
    const int32_t puntos = juego.puntos[juego.jugador_actual].puntos;
    Label_puntos->setText(QString::number(puntos));
    PonerColor(Label_puntos, apariencia::ColorMarca(ColorPuntos(puntos)));
}

void TForm_menu::PonerTiempo() {
    Label_tiempo->setText(TextoTiempo(juego.segundos));
}

void TForm_menu::CargarFondo(const QString& ruta) {
    const QPixmap dibujo = DibujoParaPantalla(ruta);
    if (dibujo.isNull()) {
        plataforma::AvisarError(QStringLiteral("Error en archivo de dibujo para fondo."));
        juego.fondo_cargado = false;
        return;
    }
    Image_fondopantalla_tmp->setPixmap(dibujo);
    Image_fondopantalla->Poner(dibujo, palette().color(QPalette::Window));
    VolverAlDirectorioInicial();
    juego.fondo_cargado = true;
}

void TForm_menu::ActualizarBotonesTurno() {
    const bool varios = juego.num_jugadores >= 2;
    Color95Button_jugadoranterior->setEnabled(varios);
    Color95Button_jugadorsiguiente->setEnabled(varios);
}

bool TForm_menu::event(QEvent* e) {
    if (e->type() == QEvent::StatusTip) {
        const QString pista = static_cast<QStatusTipEvent*>(e)->tip();
        Label_ayudas_hint1->setText(pista);
        Label_ayudas_hint2->setText(pista);
        return true;
    }
    return QMainWindow::event(e);
}

void TForm_menu::showEvent(QShowEvent* e) {
    QMainWindow::showEvent(e);
    if (!mostrado_) {
        mostrado_ = true;
        FormShow();
    }
}

void TForm_menu::closeEvent(QCloseEvent* e) {
    // Only "Terminar" ends the game; a stray click on the close box must not.
    if (juego.terminando)
        e->accept();
    else
        e->ignore();
}

void TForm_menu::resizeEvent(QResizeEvent* e) {
    QMainWindow::resizeEvent(e);
    Image_fondopantalla->setGeometry(Fondo->rect());
    Image_fondopantalla_tmp->setGeometry(Fondo->rect());
}
