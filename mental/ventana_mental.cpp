#include "mental/ventana_mental.h"

#include "mental/lectura_mental.h"

#include "nucleo/apariencia.h"
#include "nucleo/centrar.h"
#include "nucleo/cifras_en_colores.h"
#include "nucleo/etiquetas.h"
#include "nucleo/imagen_animada.h"
#include "nucleo/juego.h"
#include "nucleo/servicios.h"
#include "nucleo/ventanas.h"
#include "platform/accesibilidad.h"
#include "platform/lector_pantalla.h"
#include "platform/mensajes.h"
#include "players/form_aviso_error.h"
#include "players/puntuacion.h"
#include "players/turnos.h"

#include <QAction>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QShowEvent>

namespace {

const QSize kCliente(620, 250);
// Three-digit numbers must fit between the lefts the layout keeps.
constexpr int kLetra = 36;
constexpr int kTopCuenta = 45;
constexpr int kAltoCuenta = 60;
constexpr int kAnchoTermino = 78;
constexpr int kAnchoRespuesta = 88;
// Label lefts of the three terms, and the answer box's left over each.
constexpr int kIzquierdaTermino[3] = {185, 295, 410};
constexpr int kIzquierdaRespuesta[3] = {175, 290, 405};

const QColor kFondo(0xFF, 0xF6, 0xC8);
const QColor kAzulBoton(0x00, 0x80, 0xFF);
const QString kEstiloBotonAlto =
    QStringLiteral("QPushButton { background: #0033CC; color: #FFFFFF; border: 3px solid #000000; "
                   "padding: 4px; } QPushButton:focus { border: 4px dashed #000000; }");
const QColor kAzulNumeros(0x00, 0x00, 0x80);
const QColor kRojoSignos(0xB0, 0x00, 0x00);
const QString kEstiloCaja = QStringLiteral("QLineEdit { background: #00FFFF; color: #0000FF;"
                                           " border: 3px solid #FF5000; border-radius: 6px; }");
const QString kEstiloCajaAlto =
    QStringLiteral("QLineEdit { background: #FFFFFF; color: #000000; border: 5px solid #000000; }");

// Fijo11 for the value 1 ... Fijo101 for 10.
QString NombreFijo(int valor) {
    return QStringLiteral("Fijo") + QString::number(valor) + QLatin1Char('1');
}

int Indice(Incognita i) {
    return i == Incognita::Primero ? 0 : i == Incognita::Segundo ? 1 : 2;
}

} // namespace

VentanaMental::VentanaMental(const DefinicionMental& def, QWidget* parent)
    : VentanaDeEjercicio(def.nombre, def.titulo, def.codigo, parent), def_(def) {
    CrearMenus();
    CrearControles();
    ConectarMenus();
    FormCreate();
    CentrarEnPantalla(this);
    connect(apariencia::Cambios(), &apariencia::Avisador::cambiada, this, [this] {
        if (isVisible()) AplicarApariencia();
    });
}

void VentanaMental::AplicarApariencia() {
    const bool alto = apariencia::ContrasteAlto();
    // Place colours are painted by the labels themselves; this repaints them.
    update();
    QPalette fondo = Fondo->palette();
    fondo.setColor(QPalette::Window, alto ? QColor(Qt::white) : kFondo);
    Fondo->setPalette(fondo);
    for (QLabel* l : {terminos_[0], terminos_[1], Label_resultado}) {
        QPalette p = l->palette();
        p.setColor(QPalette::WindowText, alto ? QColor(Qt::black) : kAzulNumeros);
        l->setPalette(p);
    }
    const QString& estilo = alto ? kEstiloCajaAlto : kEstiloCaja;
    if (Memo_res->styleSheet() != estilo) Memo_res->setStyleSheet(estilo);
    // White on the usual light blue is 3.8:1 as the style shades it; a flat
    // darker blue passes.
    const QString boton = alto ? kEstiloBotonAlto : QString();
    if (Color95Button1->styleSheet() != boton) Color95Button1->setStyleSheet(boton);
    ColorearTotales();
}

QAction* VentanaMental::Accion(const char* nombre) const {
    return findChild<QAction*>(QString::fromLatin1(nombre));
}

void VentanaMental::CrearMenus() {
    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    MainMenu1->setNativeMenuBar(false);
    auto accion = [](QMenu* menu, const QString& nombre, const QString& texto) {
        QAction* a = menu->addAction(texto);
        a->setObjectName(nombre);
        a->setCheckable(true);
        return a;
    };

    menus_[0] = MainMenu1->addMenu(QString::fromUtf8(def_.texto_menu1));
    menus_[0]->setObjectName(QString::fromLatin1(def_.menu1));
    for (const RangoMental& r : kRangosMental)
        accion(menus_[0], QString::fromLatin1(r.nombre1), QString::fromUtf8(r.texto));

    menus_[1] = MainMenu1->addMenu(QString::fromUtf8(def_.texto_menu2));
    menus_[1]->setObjectName(QString::fromLatin1(def_.menu2));
    QMenu* azar = menus_[1]->addMenu(QStringLiteral("Elegido al azar, hasta..."));
    azar->setObjectName(QStringLiteral("Elegidoalazarhasta1"));
    Elegidoalazarhasta1 = azar->menuAction();
    Elegidoalazarhasta1->setObjectName(QStringLiteral("Elegidoalazarhasta1"));
    Elegidoalazarhasta1->setCheckable(true);
    for (const RangoMental& r : kRangosMental)
        accion(azar, QString::fromLatin1(r.nombre2), QString::fromUtf8(r.texto));
    for (int v = 1; v <= kMaxFijo; ++v) {
        QString texto = QStringLiteral("Valor fijo a  %1%2").arg(QLatin1String(def_.signo)).arg(v);
        if (v <= 2)
            texto +=
                QStringLiteral(" (tabla de %1 del %2)").arg(QLatin1String(def_.verbo_fijo)).arg(v);
        accion(menus_[1], NombreFijo(v), texto);
    }

    M_Incognita = MainMenu1->addMenu(QStringLiteral("Incógnita"));
    M_Incognita->setObjectName(QStringLiteral("M_Incognita"));
    incognitas_[0] = accion(M_Incognita, QString::fromLatin1(def_.incognita1),
                            QString::fromUtf8(def_.texto_incognita1));
    incognitas_[1] = accion(M_Incognita, QString::fromLatin1(def_.incognita2),
                            QString::fromUtf8(def_.texto_incognita2));
    Enelresultado =
        accion(M_Incognita, QStringLiteral("Enelresultado"), QStringLiteral("En el &resultado"));
}

void VentanaMental::ConectarMenus() {
    using Manejador = void (VentanaMental::*)();
    const Manejador rangos1[kRangos] = {
        &VentanaMental::Hasta101Click,  &VentanaMental::Hasta201Click,
        &VentanaMental::Hasta301Click,  &VentanaMental::Hasta401Click,
        &VentanaMental::Hasta501Click,  &VentanaMental::Hasta701Click,
        &VentanaMental::sinlimite1Click};
    const Manejador rangos2[kRangos] = {
        &VentanaMental::Hasta102Click,  &VentanaMental::Hasta202Click,
        &VentanaMental::Hasta302Click,  &VentanaMental::Hasta402Click,
        &VentanaMental::Hasta502Click,  &VentanaMental::Hasta1001Click,
        &VentanaMental::sinlimite2Click};
    const Manejador fijos[kMaxFijo] = {&VentanaMental::Fijo11Click, &VentanaMental::Fijo21Click,
                                       &VentanaMental::Fijo31Click, &VentanaMental::Fijo41Click,
                                       &VentanaMental::Fijo51Click, &VentanaMental::Fijo61Click,
                                       &VentanaMental::Fijo71Click, &VentanaMental::Fijo81Click,
                                       &VentanaMental::Fijo91Click, &VentanaMental::Fijo101Click};
    auto conectar = [this](const QString& nombre, Manejador m) {
        connect(findChild<QAction*>(nombre), &QAction::triggered, this,
                [this, m] { (this->*m)(); });
    };
    for (int i = 0; i < kRangos; ++i) {
        conectar(QString::fromLatin1(kRangosMental[i].nombre1), rangos1[i]);
        conectar(QString::fromLatin1(kRangosMental[i].nombre2), rangos2[i]);
    }
    for (int v = 1; v <= kMaxFijo; ++v)
        conectar(NombreFijo(v), fijos[v - 1]);
    conectar(QStringLiteral("Enelresultado"), &VentanaMental::EnelresultadoClick);
    connect(Color95Button1, &QPushButton::clicked, this, &VentanaMental::Color95Button1Click);
}

void VentanaMental::CrearControles() {
    const int alto_menu = MainMenu1->sizeHint().height();
    MainMenu1->setGeometry(0, 0, kCliente.width(), alto_menu);
    setFixedSize(kCliente.width(), kCliente.height() + alto_menu);
    plataforma::PonerPista(
        this, QStringLiteral("Escribir el valor correcto y pulsar el botón 'Comprobación'"));

    Fondo = new QWidget(this);
    Fondo->setObjectName(QStringLiteral("Fondo"));
    Fondo->setGeometry(QRect(QPoint(0, alto_menu), kCliente));
    Fondo->setAutoFillBackground(true);
    QPalette fondo = Fondo->palette();
    fondo.setColor(QPalette::Window, kFondo);
    Fondo->setPalette(fondo);

    auto termino = [&](const char* nombre, int i) {
        return EtiquetaCifra(QString::fromLatin1(nombre), Fondo,
                             QRect(kIzquierdaTermino[i], kTopCuenta, kAnchoTermino, kAltoCuenta),
                             kLetra, kAzulNumeros);
    };
    terminos_[0] = termino(def_.etiqueta1, 0);
    terminos_[1] = termino(def_.etiqueta2, 1);
    Label_resultado = termino("Label_resultado", 2);
    // The signs sit in the gaps between the terms' boxes.
    const int fin1 = kIzquierdaRespuesta[0] + kAnchoRespuesta;
    const int fin2 = kIzquierdaRespuesta[1] + kAnchoRespuesta;
    // A hyphen is a thin minus: a larger size makes it as plain as the plus.
    const int letra_signo = def_.tipo == TipoMental::Restas ? kLetra * 3 / 2 : kLetra;
    Label4 = EtiquetaCifra(QStringLiteral("Label4"), Fondo,
                           QRect(fin1, kTopCuenta, kIzquierdaRespuesta[1] - fin1, kAltoCuenta),
                           letra_signo, kRojoSignos);
    Label4->setText(QString::fromLatin1(def_.signo));
    Label3 = EtiquetaCifra(QStringLiteral("Label3"), Fondo,
                           QRect(fin2, kTopCuenta, kIzquierdaRespuesta[2] - fin2, kAltoCuenta),
                           kLetra, kRojoSignos);
    Label3->setText(QStringLiteral("="));
    // The window's name reads the exercise, "cuánto" where the box is.
    for (QLabel* l : {terminos_[0], terminos_[1], Label_resultado, Label4, Label3})
        plataforma::OcultarAlLector(l);
    for (QLabel* l : {terminos_[0], terminos_[1], Label_resultado})
        CifrasEnColores(l);

    Memo_res = new QLineEdit(Fondo);
    Memo_res->setObjectName(QStringLiteral("Memo_res"));
    Memo_res->setAccessibleName(kNombreRespuestaMental);
    Memo_res->setMaxLength(3);
    Memo_res->setAlignment(Qt::AlignCenter);
    Memo_res->setContextMenuPolicy(Qt::NoContextMenu);
    Memo_res->setDragEnabled(false);
    Memo_res->setAcceptDrops(false);
    QFont letra = Memo_res->font();
    letra.setPixelSize(kLetra);
    letra.setBold(true);
    LetraAlMostrar(Memo_res, letra);
    // Bright and framed, so the child sees at once which number is missing.
    Memo_res->setStyleSheet(kEstiloCaja);
    Memo_res->setGeometry(kIzquierdaRespuesta[2], kTopCuenta, kAnchoRespuesta, kAltoCuenta);
    Memo_res->installEventFilter(this);
    // Only keys that changed the box sound: not a digit past the third.
    connect(Memo_res, &QLineEdit::textEdited, this, [] { SonidoTecla(); });
    plataforma::PonerPista(
        Memo_res,
        QStringLiteral(
            "Haz clic, si no está el cursor. Aqui escribe el número correcto que falta."));

    Color95Button1 = new QPushButton(QStringLiteral("&Comprobación"), Fondo);
    Color95Button1->setObjectName(QStringLiteral("Color95Button1"));
    Color95Button1->setGeometry(240, 140, 200, 52);
    Color95Button1->setAutoDefault(false);
    QFont boton = Color95Button1->font();
    boton.setPixelSize(22);
    boton.setBold(true);
    Color95Button1->setFont(boton);
    QPalette p = Color95Button1->palette();
    p.setColor(QPalette::Button, kAzulBoton);
    p.setColor(QPalette::ButtonText, Qt::white);
    Color95Button1->setPalette(p);
    plataforma::PonerPista(Color95Button1,
                           QStringLiteral("Pulsa para comprobar si la operación está bien"));

    CrearTotales(Fondo, 25, 140);

    GIFImage1 = new ImagenAnimada(QStringLiteral("GIFImage1"), Fondo);
    GIFImage1->setGeometry(490, 122, 120, 120);
}

void VentanaMental::FormCreate() {
    Ajustes() = AjustesMental{};
    MostrarMarcas();
    if (ExisteArchivo(QStringLiteral("cmental.gif")))
        GIFImage1->Cargar(RutaDeInicio(QStringLiteral("cmental.gif")));
}

// Check marks always follow the settings, so each group shows exactly one.
void VentanaMental::MostrarMarcas() {
    const AjustesMental& a = Ajustes();
    for (const RangoMental& r : kRangosMental) {
        Accion(r.nombre1)->setChecked(a.limite1 == r.limite1);
        Accion(r.nombre2)->setChecked(a.limite2 == r.limite2);
    }
    for (int v = 1; v <= kMaxFijo; ++v)
        findChild<QAction*>(NombreFijo(v))->setChecked(a.limite2 == v);
    Elegidoalazarhasta1->setChecked(!EsFijo(a.limite2));
    for (int i = 0; i < 2; ++i)
        incognitas_[i]->setChecked(Indice(a.incognita) == i);
    Enelresultado->setChecked(a.incognita == Incognita::Resultado);
}

void VentanaMental::FormShow() {
    AplicarApariencia();
    if (def_.tipo == TipoMental::Sumas) {
        NuevaCuenta();
        GIFImage1->Empezar();
    } else {
        GIFImage1->Empezar();
        NuevaCuenta();
    }
}

void VentanaMental::FormClose() {
    VentanaDeEjercicio::FormClose();
    GIFImage1->Parar();
}

namespace {
struct CuentaMentalDada {
    int32_t codigo = SinVentana;
    CuentaMental cuenta;
    Incognita incognita = Incognita::Resultado;
} g_mental_dada;
} // namespace

void DarSiguienteCuentaMental(int32_t codigo, const CuentaMental& cuenta, Incognita incognita) {
    g_mental_dada = {codigo, cuenta, incognita};
}

void VentanaMental::NuevaCuenta() {
    juego.ventana_actual = def_.codigo;
    MostrarTotales();
    const AjustesMental& a = Ajustes();
    Incognita incognita = a.incognita;
    if (g_mental_dada.codigo == def_.codigo) {
        // The settings stay as the child chose them for the next ones.
        cuenta_ = g_mental_dada.cuenta;
        incognita = g_mental_dada.incognita;
        g_mental_dada.codigo = SinVentana;
    } else {
        cuenta_ = SortearCuentaMental(def_.tipo, a);
    }
    valor_correcto = ValorIncognita(cuenta_, incognita);
    const int oculto = Indice(incognita);
    incognita_ = oculto;
    Memo_res->move(kIzquierdaRespuesta[oculto], kTopCuenta);
    QLabel* etiquetas[3] = {terminos_[0], terminos_[1], Label_resultado};
    const int32_t valores[3] = {cuenta_.primero, cuenta_.segundo, cuenta_.resultado};
    for (int i = 0; i < 3; ++i) {
        etiquetas[i]->setText(QString::number(valores[i]));
        // Under the box it must not show, nor be read out by a screen reader.
        etiquetas[i]->setVisible(i != oculto);
    }
    setAccessibleName(TextoCuentaMental(def_.tipo, cuenta_, a.incognita));
    Memo_res->raise();
    VaciarCaja(Memo_res);
    EmpezarReloj();
    AnunciarPedido(PasoJuzgado::Que::RespuestaMental, 0, true);
    Memo_res->setFocus();
}

void VentanaMental::ElegirLimite1(int rango) {
    Ajustes().limite1 = kRangosMental[rango].limite1;
    MostrarMarcas();
    if (def_.tipo == TipoMental::Restas && !SustraendoCabe(Ajustes().limite1, Ajustes().limite2)) {
        plataforma::Avisar(kMensajeM1);
        ElegirLimite2(rango);
    }
    NuevaCuenta();
}

void VentanaMental::ElegirLimite2(int rango) {
    const int32_t limite2 = kRangosMental[rango].limite2;
    if (def_.tipo == TipoMental::Restas && !SustraendoCabe(Ajustes().limite1, limite2)) {
        plataforma::Avisar(kMensajeM2);
        MostrarMarcas(); // the menu already toggled the item
        return;
    }
    Ajustes().limite2 = limite2;
    MostrarMarcas();
    NuevaCuenta();
}

void VentanaMental::ElegirFijo(int valor) {
    Ajustes().limite2 = valor;
    MostrarMarcas();
    NuevaCuenta();
}

void VentanaMental::ElegirIncognita(Incognita incognita) {
    Ajustes().incognita = incognita;
    MostrarMarcas();
    NuevaCuenta();
}

void VentanaMental::Color95Button1Click() {
    const QString texto = Memo_res->text();
    switch (JuzgarRespuesta(texto, valor_correcto)) {
    case Respuesta::Vacia:
        Memo_res->setFocus();
        return;
    case Respuesta::Acertada:
        CuentaAcertada(LeerRespuesta(texto));
        return;
    case Respuesta::Fallada:
        CuentaFallada(LeerRespuesta(texto));
        return;
    }
}

void VentanaMental::DescribirOperacion(PasoJuzgado& paso) const {
    paso.suma = def_.tipo == TipoMental::Sumas;
    paso.n_operandos = 3;
    paso.operandos = {cuenta_.primero, cuenta_.segundo, cuenta_.resultado, 0};
    paso.incognita = incognita_;
}

void VentanaMental::CuentaAcertada(int32_t tecleado) {
    if (celebrar_) CelebrarCuenta();
    celebrar_ = !celebrar_;
    ContarAcierto(Paso(PasoJuzgado::Que::RespuestaMental, 0, true, valor_correcto, tecleado));
    // The answer stays in sight during the wait, which blocks the paint.
    Memo_res->repaint();
    Esperar(300);
    FinDeOperacion(SiguienteCalculoMental);
}

void VentanaMental::CuentaFallada(int32_t tecleado) {
    SonidoFallo();
    if (Form_aviso_error) Form_aviso_error->Mostrar(this);
    ContarFallo(Paso(PasoJuzgado::Que::RespuestaMental, 0, false, valor_correcto, tecleado));
    VaciarCaja(Memo_res);
    Memo_res->setFocus();
}
