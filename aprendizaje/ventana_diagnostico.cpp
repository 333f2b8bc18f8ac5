#include "aprendizaje/ventana_diagnostico.h"

#include "aprendizaje/hoja_refuerzo.h"
#include "aprendizaje/imprimir_con_vista.h"
#include "aprendizaje/patrones.h"
#include "aprendizaje/plan_repaso.h"
#include "aprendizaje/textos_diagnostico.h"
#include "aprendizaje/vista_ejemplo.h"
#include "nucleo/juego.h"
#include "nucleo/servicios.h"
#include "platform/accesibilidad.h"
#include "platform/impresoras.h"
#include "platform/mensajes.h"
#include "results/archivo_resultados.h"

#include <QDir>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPrinter>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

const QString kTextoErrorImpresoraDiagnostico = QStringLiteral(
    "\nNo se ha podido imprimir el diagnóstico de errores.\n\nComprueba que hay alguna "
    "impresora instalada, o que se puede escribir el archivo elegido en el cuadro de "
    "impresión.\n");

namespace {

// Skipped files are listed, a few at a time: the rest in the hint.

QLabel* Etiqueta(QWidget* padre, const char* nombre, const QString& pista = {}) {
    auto* l = new QLabel(padre);
    l->setObjectName(QString::fromLatin1(nombre));
    l->setWordWrap(true);
    l->setTextFormat(Qt::PlainText);
    if (!pista.isEmpty()) plataforma::PonerPista(l, pista);
    return l;
}

QFont Negrita(QFont f, qreal aumento) {
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * aumento);
    return f;
}

// One pattern of the chosen child, as a card.
QFrame* Tarjeta(const DiagnosticoPatron& p, QWidget* padre) {
    const QString codigo = QString::fromLatin1(p.patron->codigo);
    auto* t = new QFrame(padre);
    t->setObjectName(QStringLiteral("Patron_") + codigo);
    t->setFrameShape(QFrame::StyledPanel);
    t->setAccessibleName(NombreDe(p));
    t->setAccessibleDescription(p.patron->descripcion);
    auto* capa = new QVBoxLayout(t);

    auto* cabeza = new QHBoxLayout;
    auto* nombre = Etiqueta(t, "", {});
    nombre->setObjectName(QStringLiteral("Nombre_") + codigo);
    nombre->setText(NombreDe(p));
    nombre->setFont(Negrita(nombre->font(), 1.15));
    nombre->setWordWrap(false);
    cabeza->addWidget(nombre);
    auto* estado = Etiqueta(t, "", {});
    estado->setObjectName(QStringLiteral("Estado_") + codigo);
    estado->setText(TextoEstado(p.estado));
    estado->setWordWrap(false);
    const ColoresEstado colores = ColoresDe(p.estado);
    estado->setStyleSheet(QStringLiteral("QLabel { background: %1; color: %2; font-weight: bold; "
                                         "border-radius: 4px; padding: 2px 8px; }")
                              .arg(colores.fondo.name(), colores.texto.name()));
    estado->setAccessibleName(QStringLiteral("Estado: %1").arg(TextoEstado(p.estado)));
    estado->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    cabeza->addSpacing(8);
    cabeza->addWidget(estado, 0, Qt::AlignVCenter);
    cabeza->addStretch();
    capa->addLayout(cabeza);

    auto* detalle = Etiqueta(t, "");
    detalle->setObjectName(QStringLiteral("Veces_") + codigo);
    detalle->setText(TextoVeces(p) + u' ' + TextoCuando(p));
    capa->addWidget(detalle);
    auto* frase = Etiqueta(t, "");
    frase->setObjectName(QStringLiteral("Frase_") + codigo);
    frase->setText(p.patron->descripcion);
    capa->addWidget(frase);

    auto* pie = new QHBoxLayout;
    auto* vista = new VistaEjemplo(EsquemaDe(p.ejemplo.paso), t);
    vista->setObjectName(QStringLiteral("Ejemplo_") + codigo);
    vista->setAccessibleName(QStringLiteral("Último ejemplo"));
    vista->setAccessibleDescription(TextoEjemplo(p.ejemplo));
    pie->addWidget(vista);
    auto* texto = Etiqueta(t, "");
    texto->setObjectName(QStringLiteral("Texto_ejemplo_") + codigo);
    texto->setText(QStringLiteral("Último ejemplo: %1").arg(TextoEjemplo(p.ejemplo)));
    pie->addWidget(texto, 1);
    capa->addLayout(pie);
    return t;
}

} // namespace

VentanaDiagnostico::VentanaDiagnostico(const LecturaDiarios& lectura, const QStringList& actuales,
                                       QWidget* padre)
    : QDialog(padre, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint),
      diagnosticos_(Diagnosticar(lectura.pasos)), periodos_(PeriodosDeNinos(lectura.pasos)),
      ninos_(ListaNinos(actuales, diagnosticos_)), hay_diarios_(lectura.leidos > 0) {
    setObjectName(QStringLiteral("Form_diagnostico"));
    setWindowTitle(kTituloDiagnostico);
    // Room for two patterns at a time, on the small screens the game allows too.
    QSize tamano(900, 720);
    if (const QScreen* pantalla = QGuiApplication::primaryScreen())
        tamano = tamano.boundedTo(pantalla->availableGeometry().size() * 0.9);
    resize(tamano);

    Lista_ninos = new QListWidget(this);
    Lista_ninos->setObjectName(QStringLiteral("Lista_ninos"));
    Lista_ninos->setAccessibleName(QStringLiteral("Niños y niñas"));
    plataforma::PonerPista(Lista_ninos,
                           QStringLiteral("Los jugadores actuales y los que hay en los diarios de "
                                          "aprendizaje; elige uno para ver sus errores"));
    Lista_ninos->setFixedWidth(200);
    for (const NinoDiagnostico& n : ninos_)
        Lista_ninos->addItem(n.nombre);

    Label_nombre = Etiqueta(this, "Label_nombre");
    Label_nombre->setFont(Negrita(font(), 1.5));
    Label_periodo = Etiqueta(this, "Label_periodo",
                             QStringLiteral("Cuántas cuentas hay en el diario y de qué días"));
    Label_leyenda = Etiqueta(this, "Label_leyenda");
    Label_leyenda->setText(kLeyendaEjemplo);
    Label_leyenda->setStyleSheet(QStringLiteral("color: #555;"));

    Area_patrones = new QScrollArea(this);
    Area_patrones->setObjectName(QStringLiteral("Area_patrones"));
    Area_patrones->setAccessibleName(QStringLiteral("Errores repetidos"));
    plataforma::PonerPista(Area_patrones,
                           QStringLiteral("Cada error que se repite, con su estado, cuándo salió, "
                                          "qué conviene practicar y el último ejemplo"));
    Area_patrones->setWidgetResizable(true);
    Area_patrones->setFrameShape(QFrame::NoFrame);

    Label_vacio = Etiqueta(this, "Label_vacio");
    Label_vacio->setAlignment(Qt::AlignCenter);
    Label_vacio->setFont(Negrita(font(), 1.1));

    Label_avisos = Etiqueta(this, "Label_avisos");
    Label_avisos->setStyleSheet(QStringLiteral("color: #666;"));
    QFont pequena = Label_avisos->font();
    pequena.setPointSizeF(pequena.pointSizeF() * 0.85);
    Label_avisos->setFont(pequena);
    if (!lectura.avisos.isEmpty()) {
        Label_avisos->setText(TextoAvisosVisibles(lectura.avisos));
        plataforma::PonerPista(Label_avisos, QStringLiteral("Archivos de diario que no se leen: ") +
                                                 lectura.avisos.join(u' '));
    }
    Label_avisos->setVisible(!lectura.avisos.isEmpty());

    Boton_imprimir =
        plataforma::BotonConPista(this, "Boton_imprimir", QStringLiteral("&Imprimir..."),
                                  QStringLiteral("Imprime el diagnóstico de este niño o niña, o lo "
                                                 "guarda en PDF si no hay impresora"));
    Boton_refuerzo = plataforma::BotonConPista(
        this, "Boton_refuerzo", QStringLiteral("Hoja de &refuerzo..."),
        QStringLiteral("Imprime una hoja para practicar cada error confirmado: "
                       "un ejemplo resuelto y ejercicios hechos para ese error"));
    Boton_cerrar = plataforma::BotonConPista(this, "Boton_cerrar", QStringLiteral("&Cerrar"),
                                             QStringLiteral("Cierra la ventana"));

    auto* derecha = new QVBoxLayout;
    derecha->addWidget(Label_nombre);
    derecha->addWidget(Label_periodo);
    derecha->addWidget(Label_leyenda);
    derecha->addWidget(Area_patrones, 1);
    derecha->addWidget(Label_vacio, 1);
    auto* centro = new QHBoxLayout;
    centro->addWidget(Lista_ninos);
    centro->addLayout(derecha, 1);
    auto* botones = new QHBoxLayout;
    botones->addWidget(Label_avisos, 1);
    botones->addStretch();
    botones->addWidget(Boton_imprimir);
    botones->addWidget(Boton_refuerzo);
    botones->addWidget(Boton_cerrar);
    auto* capa = new QVBoxLayout(this);
    capa->addLayout(centro, 1);
    capa->addLayout(botones);

    connect(Lista_ninos, &QListWidget::currentRowChanged, this, &VentanaDiagnostico::Elegir);
    connect(Boton_imprimir, &QPushButton::clicked, this, &VentanaDiagnostico::Imprimir);
    connect(Boton_refuerzo, &QPushButton::clicked, this, &VentanaDiagnostico::ImprimirRefuerzo);
    connect(Boton_cerrar, &QPushButton::clicked, this, &QDialog::accept);
    if (ninos_.empty())
        Elegir(-1);
    else
        Lista_ninos->setCurrentRow(0);
    plataforma::PublicarAccesibilidad(this);
}

VentanaDiagnostico::~VentanaDiagnostico() = default;

InformeNino VentanaDiagnostico::Informe() const {
    const int fila = Lista_ninos->currentRow();
    if (fila < 0 || fila >= int(ninos_.size())) return {};
    const NinoDiagnostico& n = ninos_[size_t(fila)];
    InformeNino i;
    i.nombre = n.nombre;
    if (n.diagnostico >= 0) i.diagnostico = &diagnosticos_[size_t(n.diagnostico)];
    i.periodo = periodos_.value(ClaveJugador(n.nombre));
    return i;
}

void VentanaDiagnostico::Elegir(int) {
    const InformeNino n = Informe();
    delete panel_;
    panel_ = nullptr;
    const bool patrones = n.diagnostico && !n.diagnostico->patrones.empty();
    Label_nombre->setText(n.nombre);
    Label_nombre->setVisible(!n.nombre.isEmpty());
    Label_periodo->setText(TextoPeriodo(n.periodo, n.diagnostico ? n.diagnostico->operaciones : 0));
    Label_periodo->setVisible(hay_diarios_ && !n.nombre.isEmpty());
    Label_leyenda->setVisible(patrones);
    Area_patrones->setVisible(patrones);
    Label_vacio->setVisible(!patrones);
    Boton_imprimir->setEnabled(!n.nombre.isEmpty());
    Boton_refuerzo->setEnabled(n.diagnostico && !Confirmados(*n.diagnostico).empty());
    if (!hay_diarios_) {
        Label_vacio->setText(
            QStringLiteral("Todavía no hay ningún diario de aprendizaje en la carpeta de "
                           "resultados (%1).")
                .arg(QDir::toNativeSeparators(resultados::CarpetaResultados())));
    } else if (!patrones) {
        Label_vacio->setText(
            TextoSinPatrones(n.nombre, n.diagnostico ? n.diagnostico->operaciones : 0));
    }
    if (!patrones) return;
    panel_ = new QWidget;
    panel_->setObjectName(QStringLiteral("Panel_patrones"));
    auto* capa = new QVBoxLayout(panel_);
    for (const DiagnosticoPatron& p : n.diagnostico->patrones)
        capa->addWidget(Tarjeta(p, panel_));
    capa->addStretch();
    Area_patrones->setWidget(panel_);
    plataforma::PublicarAccesibilidad(panel_);
}

QPrinter& ImpresoraDiagnostico() {
    static std::unique_ptr<QPrinter> impresora;
    plataforma::PrepararImpresora(impresora);
    return *impresora;
}

void VentanaDiagnostico::Imprimir() {
    const InformeNino informe = Informe();
    if (informe.nombre.isEmpty()) return;
    ImprimirCon(QStringLiteral("diagnóstico de errores.pdf"), kTituloDiagnostico,
                [&](QPrinter& p) { return ImprimirDiagnostico({informe}, p); });
}

void VentanaDiagnostico::ImprimirRefuerzo() {
    const InformeNino informe = Informe();
    if (!informe.diagnostico) return;
    HojaRefuerzo hoja;
    hoja.semilla = QRandomGenerator::global()->generate();
    hoja.fecha = QDate::currentDate();
    hoja.paginas =
        PaginasDeRefuerzo(informe.nombre, Confirmados(*informe.diagnostico), 1, hoja.semilla);
    if (hoja.paginas.empty()) return;
    ImprimirCon(QStringLiteral("hoja de refuerzo.pdf"), QStringLiteral("Hoja de refuerzo"),
                [&](QPrinter& p) { return ::ImprimirRefuerzo(hoja, p); });
}

void VentanaDiagnostico::ImprimirCon(const QString& archivo, const QString& titulo,
                                     const std::function<bool(QPrinter&)>& pintar) {
    ImprimirConVistaPrevia(this, ImpresoraDiagnostico(), archivo, titulo,
                           kTextoErrorImpresoraDiagnostico, pintar);
}

void AbrirDiagnosticoDeErrores(QWidget* sobre) {
    LecturaDiarios lectura;
    {
        CursorDeEspera espera;
        lectura = LeerDiarios({resultados::CarpetaResultados()});
    }
    QStringList actuales;
    const int n = std::clamp<int32_t>(juego.num_jugadores, 0, kMaxJugadores);
    for (int k = 1; k <= n; ++k)
        actuales << NombreJugador(k);
    VentanaDiagnostico ventana(lectura, actuales, sobre);
    plataforma::EjecutarModal(&ventana, sobre);
}
