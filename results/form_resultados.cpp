#include "results/form_resultados.h"

#include "nucleo/servicios.h"
#include "nucleo/ventanas.h"
#include "platform/accesibilidad.h"
#include "platform/codepages.h"
#include "platform/impresoras.h"
#include "platform/lector_pantalla.h"
#include "platform/mensajes.h"
#include "players/turnos.h"
#include "results/impresion_resultados.h"
#include "results/operaciones_resultados.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QShowEvent>

TForm_Resultados* Form_Resultados = nullptr;

namespace {

const char* const kMeses[12] = {"Ene", "Feb", "Mar", "Abr", "May", "Jun",
                                "Jul", "Ago", "Sep", "Oct", "Nov", "Dic"};
const char* const kNombresAci[kTiposEjercicio] = {"Label_aci_sumas_sin", "Label_aci_sumas_con",
                                                  "Label_aci_restas_sin", "Label_aci_restas_con",
                                                  "Label_aci_cmental"};
const char* const kNombresFal[kTiposEjercicio] = {"Label_fal_sumas_sin", "Label_fal_sumas_con",
                                                  "Label_fal_restas_sin", "Label_fal_restas_con",
                                                  "Label_fal_cmental"};
const char* const kFilas[kTiposEjercicio] = {"Sumas SIN llevarse", "Sumas CON llevadas",
                                             "Restas SIN llevarse", "Restas CON llevadas",
                                             "Cálculo  mental"};

QLabel* Etiqueta(QWidget* padre, const char* nombre, const QString& texto, const QRect& r,
                 Qt::Alignment a = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* l = new QLabel(texto, padre);
    l->setObjectName(QString::fromLatin1(nombre));
    l->setGeometry(r);
    l->setAlignment(a);
    return l;
}

QPushButton* Boton(QWidget* padre, const char* nombre, const QString& texto, const QRect& r,
                   const QString& pista) {
    auto* b = new QPushButton(texto, padre);
    b->setObjectName(QString::fromLatin1(nombre));
    b->setGeometry(r);
    if (!pista.isEmpty()) plataforma::PonerPista(b, pista);
    return b;
}

QAction* Opcion(QMenu* menu, const char* nombre, const QString& texto, const QString& pista) {
    QAction* a = menu->addAction(texto);
    a->setObjectName(QString::fromLatin1(nombre));
    a->setToolTip(pista);
    a->setStatusTip(pista);
    return a;
}

// A whole number, or the default when the field holds anything else.
int Numero(const QString& texto, int por_defecto, int minimo) {
    bool ok = false;
    const int n = texto.trimmed().toInt(&ok);
    return ok && n >= minimo ? n : por_defecto;
}

// Every command that touches files starts and ends in the start-up folder.
struct EnCarpetaInicial {
    EnCarpetaInicial() {
        VolverAlDirectorioInicial();
        resultados::PonerPatronEnRutaDialogo();
    }
    ~EnCarpetaInicial() { VolverAlDirectorioInicial(); }
};

} // namespace

TForm_Resultados::TForm_Resultados(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    Form_Resultados = this;
    setObjectName(QStringLiteral("Form_Resultados"));
    setWindowTitle(QStringLiteral("Control  de  resultados"));
    setFixedSize(560, 400);

    Etiqueta(this, "Label_jugadores", QStringLiteral("Jugador/es:"), QRect(16, 14, 90, 24));
    ComboBox_nombres = new QComboBox(this);
    ComboBox_nombres->setObjectName(QStringLiteral("ComboBox_nombres"));
    ComboBox_nombres->setGeometry(106, 14, 200, 26);
    ComboBox_nombres->setAccessibleName(QStringLiteral("Jugador o jugadora"));
    plataforma::PonerPista(ComboBox_nombres, QStringLiteral("Lista de jugadores actuales"));

    Etiqueta(this, "Label_fecha", QStringLiteral("Fecha :"), QRect(330, 0, 80, 20));
    Edit_dia = new QLineEdit(this);
    Edit_dia->setObjectName(QStringLiteral("Edit_dia"));
    Edit_dia->setMaxLength(2);
    Edit_dia->setGeometry(330, 20, 34, 26);
    Edit_dia->setAccessibleName(QStringLiteral("Día de la fecha"));
    ComboBox_meses = new QComboBox(this);
    ComboBox_meses->setObjectName(QStringLiteral("ComboBox_meses"));
    for (const char* m : kMeses)
        ComboBox_meses->addItem(QString::fromLatin1(m));
    ComboBox_meses->setGeometry(368, 20, 70, 26);
    ComboBox_meses->setAccessibleName(QStringLiteral("Mes de la fecha"));
    Edit_agno = new QLineEdit(this);
    Edit_agno->setObjectName(QStringLiteral("Edit_agno"));
    Edit_agno->setMaxLength(4);
    Edit_agno->setGeometry(442, 20, 56, 26);
    Edit_agno->setAccessibleName(QStringLiteral("Año de la fecha"));

    Label_archivo =
        Etiqueta(this, "Label_archivo", QStringLiteral("Del archivo : "), QRect(16, 50, 420, 22));
    plataforma::PonerPista(
        Label_archivo,
        QStringLiteral("Nombre de archivo, si los resultados han sido leídos o guardados"));
    Label_archivo->hide();

    auto* marco = new QGroupBox(this);
    marco->setObjectName(QStringLiteral("GroupBox_resultados"));
    marco->setGeometry(16, 78, 400, 230);
    Etiqueta(marco, "Label_opciones", QStringLiteral("Opciones de juego"), QRect(10, 8, 170, 22));
    Etiqueta(marco, "Label_aciertos", QStringLiteral("Aciertos"), QRect(200, 8, 80, 22),
             Qt::AlignRight | Qt::AlignVCenter);
    Etiqueta(marco, "Label_fallos", QStringLiteral("Fallos"), QRect(300, 8, 80, 22),
             Qt::AlignRight | Qt::AlignVCenter);
    for (int i = 0; i < kTiposEjercicio; ++i) {
        const int y = 38 + i * 32;
        Etiqueta(marco, QStringLiteral("Label_fila%1").arg(i).toLatin1().constData(),
                 QString::fromUtf8(kFilas[i]), QRect(10, y, 180, 24));
        Label_aci[i] = Etiqueta(marco, kNombresAci[i], QStringLiteral("0"), QRect(200, y, 80, 24),
                                Qt::AlignRight | Qt::AlignVCenter);
        Label_fal[i] = Etiqueta(marco, kNombresFal[i], QStringLiteral("0"), QRect(300, y, 80, 24),
                                Qt::AlignRight | Qt::AlignVCenter);
    }
    Etiqueta(marco, "Label_totales", QStringLiteral("Totales : "), QRect(10, 198, 180, 24));
    Label_aci_total = Etiqueta(marco, "Label_aci_total", QStringLiteral("0"),
                               QRect(200, 198, 80, 24), Qt::AlignRight | Qt::AlignVCenter);
    Label_fal_total = Etiqueta(marco, "Label_fal_total", QStringLiteral("0"),
                               QRect(300, 198, 80, 24), Qt::AlignRight | Qt::AlignVCenter);

    Color95Button_abrir =
        Boton(this, "Color95Button_abrir", QStringLiteral("&Abrir..."), QRect(430, 80, 114, 32),
              QStringLiteral("Lee nombres de jugadores y resultados de un archivo"));
    Color95Button_abrir->setEnabled(false);
    Color95Button_guardar =
        Boton(this, "Color95Button_guardar", QStringLiteral("<< Guardar"), QRect(430, 120, 114, 32),
              QStringLiteral("Opciones para guardar resultados"));
    Color95Button_imprimir =
        Boton(this, "Color95Button_imprimir", QStringLiteral("<< &Imprimir"),
              QRect(430, 160, 114, 32), QStringLiteral("Opciones de impresión"));
    Color95Button_acero =
        Boton(this, "Color95Button_acero", QStringLiteral("A cer&o"), QRect(430, 200, 114, 32),
              QStringLiteral("Pone a cero los resultados del jugador seleccionado"));
    Color95Button_cerrar = Boton(this, "Color95Button_cerrar", QStringLiteral("&Cerrar"),
                                 QRect(430, 340, 114, 32), {});

    PopupMenu_guardar = new QMenu(this);
    PopupMenu_guardar->setObjectName(QStringLiteral("PopupMenu_guardar"));
    PopupMenu_guardar->setToolTipsVisible(true);
    Guardar1 = Opcion(PopupMenu_guardar, "Guardar1",
                      QStringLiteral("&Guardar (en último archivo leído o guardado)"),
                      QStringLiteral("Guarda automáticamente en el último archivo abierto. Ojo,  "
                                     "borra los que había antes"));
    PopupMenu_guardar->addSeparator();
    Aadiralarchivo1 =
        Opcion(PopupMenu_guardar, "Aadiralarchivo1", QStringLiteral("&Añadir a un archivo..."),
               QStringLiteral("Añade los resultados actuales al final de un archivo de disco"));
    Guardarcomo1 = Opcion(PopupMenu_guardar, "Guardarcomo1",
                          QStringLiteral("Guar&dar como... (en archivo nuevo)"),
                          QStringLiteral("Guarda resultados en un archivo nuevo"));
    PopupMenu_imprimir = new QMenu(this);
    PopupMenu_imprimir->setObjectName(QStringLiteral("PopupMenu_imprimir"));
    PopupMenu_imprimir->setToolTipsVisible(true);
    Imprimirresultadosactuales1 =
        Opcion(PopupMenu_imprimir, "Imprimirresultadosactuales1",
               QStringLiteral("Imprimir resultados actuales"),
               QStringLiteral("Imprime los resultados de los jugadores actuales"));
    PopupMenu_imprimir->addSeparator();
    Imprimirresultadosdeunarchivo1 =
        Opcion(PopupMenu_imprimir, "Imprimirresultadosdeunarchivo1",
               QStringLiteral("Imprimir resultados de un archivo..."),
               QStringLiteral("Imprime resultados guardados en un archivo de disco"));
    // Qt leaves pop-ups out of what readers walk: under their buttons they
    // are reached, and each item pressed, from the button.
    plataforma::MenuBajoBoton(Color95Button_guardar, PopupMenu_guardar);
    plataforma::MenuBajoBoton(Color95Button_imprimir, PopupMenu_imprimir);

    connect(ComboBox_nombres, &QComboBox::activated, this,
            &TForm_Resultados::ComboBox_nombresClick);
    connect(Color95Button_acero, &QPushButton::clicked, this,
            &TForm_Resultados::Color95Button_aceroClick);
    connect(Color95Button_guardar, &QPushButton::clicked, this,
            &TForm_Resultados::Color95Button_guardarClick);
    connect(Color95Button_imprimir, &QPushButton::clicked, this,
            &TForm_Resultados::Color95Button_imprimirClick);
    connect(Color95Button_abrir, &QPushButton::clicked, this,
            &TForm_Resultados::Color95Button_abrirClick);
    connect(Color95Button_cerrar, &QPushButton::clicked, this,
            &TForm_Resultados::Color95Button_cerrarClick);
    connect(Guardar1, &QAction::triggered, this, &TForm_Resultados::Guardar1Click);
    connect(Aadiralarchivo1, &QAction::triggered, this, &TForm_Resultados::Aadiralarchivo1Click);
    connect(Guardarcomo1, &QAction::triggered, this, &TForm_Resultados::Guardarcomo1Click);
    connect(Imprimirresultadosactuales1, &QAction::triggered, this,
            &TForm_Resultados::Imprimirresultadosactuales1Click);
    connect(Imprimirresultadosdeunarchivo1, &QAction::triggered, this,
            &TForm_Resultados::Imprimirresultadosdeunarchivo1Click);

    // FormCreate: the header of every results file, and today's date in slot 0.
    const QDate hoy = QDate::currentDate();
    resultados::cabecera_resultados = resultados::NuevaCabecera(hoy);
    juego.jugadores[0].anio = hoy.year();
    juego.jugadores[0].dia = uint8_t(hoy.day());
    juego.jugadores[0].mes = uint8_t(hoy.month());
    AlBorrarResultados(this, [this] { Label_archivo->clear(); });
    plataforma::PublicarAccesibilidad(this);
}

TForm_Resultados::~TForm_Resultados() {
    if (Form_Resultados == this) Form_Resultados = nullptr;
}

void TForm_Resultados::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (!e->spontaneous()) FormShow();
}

void TForm_Resultados::FormShow() {
    ComboBox_nombres->clear();
    const int n = std::clamp<int32_t>(juego.num_jugadores, 0, kMaxJugadores);
    for (int k = 1; k <= n; ++k)
        ComboBox_nombres->addItem(NombreJugador(k));
    ComboBox_nombres->setCurrentIndex(n > 0 ? 0 : -1);
    MostrarRegistro(juego.jugadores[0]);
}

void TForm_Resultados::MostrarRegistro(const ResultsRecord& r) {
    Edit_dia->setText(QString::asprintf("%02d", r.dia));
    ComboBox_meses->setCurrentIndex(r.mes >= 1 && r.mes <= 12 ? r.mes - 1 : -1);
    Edit_agno->setText(QString::number(r.anio));
    for (int i = 0; i < kTiposEjercicio; ++i) {
        Label_aci[i]->setText(QString::number(r.aciertos[i]));
        Label_fal[i]->setText(QString::number(r.fallos[i]));
    }
    Label_aci_total->setText(QString::number(resultados::SumaContadores(r.aciertos)));
    Label_fal_total->setText(QString::number(resultados::SumaContadores(r.fallos)));
}

void TForm_Resultados::ComboBox_nombresClick() {
    const int i = ComboBox_nombres->currentIndex();
    if (i >= 0 && i < kMaxJugadores) MostrarRegistro(juego.jugadores[i]);
}

void TForm_Resultados::Color95Button_aceroClick() {
    const int i = ComboBox_nombres->currentIndex();
    if (i < 0 || i >= kMaxJugadores) return;
    resultados::BorrarContadoresJugador(i);
    MostrarRegistro(juego.jugadores[i]);
}

QPoint TForm_Resultados::PosicionMenu(const QWidget* boton, const QMenu* menu) {
    const QPoint esquina = boton->mapToGlobal(QPoint(0, 0));
    return {esquina.x() - menu->sizeHint().width(), esquina.y()};
}

void TForm_Resultados::Color95Button_guardarClick() {
    PopupMenu_guardar->popup(PosicionMenu(Color95Button_guardar, PopupMenu_guardar));
}

void TForm_Resultados::Color95Button_imprimirClick() {
    PopupMenu_imprimir->popup(PosicionMenu(Color95Button_imprimir, PopupMenu_imprimir));
}

void TForm_Resultados::PonerArchivo(const QString& ruta) {
    QString nombre;
    NombreDeArchivo(ruta, nombre);
    Label_archivo->setText(QStringLiteral("Del archivo : '%1'").arg(nombre));
    Label_archivo->show();
}

void TForm_Resultados::Guardar1Click() {
    if (juego.archivo_valido && !juego.archivo_resultados.isEmpty()) {
        VolverAlDirectorioInicial();
        resultados::EscribirResultados(juego.archivo_resultados);
        VolverAlDirectorioInicial();
        return;
    }
    plataforma::AvisarError(QStringLiteral(
        "Opción no disponible.\n\nNo se ha leído ningún archivo\no\nla última operación de "
        "lectura o grabación de resultados\nno se completó o falló.\n\nUsa la opción 'Guardar "
        "como...'."));
}

void TForm_Resultados::Aadiralarchivo1Click() {
    const int anio = Numero(Edit_agno->text(), 1999, INT32_MIN);
    const int dia = Numero(Edit_dia->text(), 15, 0);
    const int mes = ComboBox_meses->currentIndex() + 1;
    const int n = std::clamp<int32_t>(juego.num_jugadores, 0, kMaxJugadores);
    for (int k = 0; k < n; ++k) {
        juego.jugadores[k].anio = anio;
        juego.jugadores[k].dia = uint8_t(dia);
        juego.jugadores[k].mes = uint8_t(mes);
    }
    EnCarpetaInicial carpeta;
    if (resultados::PedirYAnadir(this)) PonerArchivo(juego.ruta_dialogo);
}

void TForm_Resultados::Guardarcomo1Click() {
    EnCarpetaInicial carpeta;
    if (!resultados::PedirYEscribir(this)) return;
    PonerArchivo(juego.ruta_dialogo);
    juego.archivo_resultados = juego.ruta_dialogo;
}

bool TForm_Resultados::ElegirImpresora() {
    plataforma::PrepararImpresora(Impresora);
    // Always the same file, so it is offered again as long as it is ours.
    const QString pdf =
        QDir(resultados::CarpetaResultados()).filePath(QStringLiteral("resultados.pdf"));
    plataforma::ProponerArchivoPdf(*Impresora, pdf, pdf);
    QPrintDialog dialogo(Impresora.get(), this);
    dialogo.setObjectName(QStringLiteral("PrintDialog1"));
    return plataforma::EjecutarModal(&dialogo) == QDialog::Accepted;
}

void TForm_Resultados::Imprimirresultadosactuales1Click() {
    if (ElegirImpresora()) resultados::ImprimirResultadosActuales(*Impresora);
}

void TForm_Resultados::Imprimirresultadosdeunarchivo1Click() {
    EnCarpetaInicial carpeta;
    if (ElegirImpresora()) resultados::ImprimirResultadosDeArchivo(this, *Impresora);
}

void TForm_Resultados::Color95Button_abrirClick() {
    LeerJugadoresDeArchivo(this);
}

void TForm_Resultados::Color95Button_cerrarClick() {
    accept();
}

void LeerJugadoresDeArchivo(QWidget* dueno) {
    CerrarVentanaActual();
    if (!juego.resultados_guardados &&
        plataforma::Preguntar(QStringLiteral(
            "¡¡ Atención !!\n\nEsta opción borra los valores de resultados actuales, que no han "
            "sido guardados en disco.\n\n¿Desea volver para guardarlos antes de abrir otro?")))
        return;
    EnCarpetaInicial carpeta;
    if (!resultados::LeerResultadosEnTabla(dueno)) {
        juego.archivo_valido = false;
        juego.archivo_resultados.clear();
        return;
    }
    if (Form_Resultados) Form_Resultados->PonerArchivo(juego.ruta_dialogo);
    juego.resultados_guardados = true;
    juego.archivo_valido = true;
    juego.archivo_resultados = juego.ruta_dialogo;
    if (juego.num_jugadores == 0) {
        juego.num_jugadores = 1;
        PonerNombreJugador(1, QStringLiteral("Sin nombre"));
    }
    EmpiezaElPrimero();
}

void AbrirControlDeResultados() {
    CerrarVentanaActual();
    if (Form_Resultados) plataforma::EjecutarModal(Form_Resultados);
}
