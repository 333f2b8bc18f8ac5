#include "aprendizaje/ventana_informe_clase.h"

#include "aprendizaje/csv_informe_clase.h"
#include "aprendizaje/graficos.h"
#include "aprendizaje/imprimir_con_vista.h"
#include "aprendizaje/informe_clase_impreso.h"
#include "aprendizaje/informe_diagnostico.h"
#include "aprendizaje/patrones.h"
#include "aprendizaje/textos_diagnostico.h"
#include "aprendizaje/ventana_diagnostico.h"
#include "nucleo/servicios.h"
#include "platform/accesibilidad.h"
#include "platform/impresoras.h"
#include "platform/mensajes.h"
#include "results/archivo_resultados.h"
#include "results/dialogos_archivo.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QSaveFile>
#include <QScreen>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

const QString kTextoErrorImpresoraClase = QStringLiteral(
    "\nNo se ha podido imprimir el informe de la clase.\n\nComprueba que hay alguna "
    "impresora instalada, o que se puede escribir el archivo elegido en el cuadro de "
    "impresión.\n");
const QString kTextoErrorExportarClase =
    QStringLiteral("\nNo se ha podido escribir la tabla del informe de la clase.\n\nComprueba "
                   "que se puede escribir en esa carpeta y que el archivo no está abierto en "
                   "otro programa.\n");

namespace {

template <class T>
T* Control(QWidget* padre, const char* nombre, const QString& accesible, const QString& pista) {
    auto* c = new T(padre);
    c->setObjectName(QString::fromLatin1(nombre));
    c->setAccessibleName(accesible);
    plataforma::PonerPista(c, pista);
    return c;
}

QPushButton* BotonSinIntro(QWidget* padre, const char* nombre, const QString& texto,
                           const QString& pista) {
    auto* b = plataforma::BotonConPista(padre, nombre, texto, pista);
    // Enter belongs to the map (it opens a child's diagnosis), not to a button.
    b->setAutoDefault(false);
    return b;
}

// A pattern's name over two or three short lines: the map's columns stay narrow.
QString Cabecera(const QString& nombre) {
    QStringList lineas;
    for (const QString& palabra : nombre.split(u' ')) {
        if (!lineas.isEmpty() && lineas.last().size() + palabra.size() < 14)
            lineas.last() += u' ' + palabra;
        else
            lineas << palabra;
    }
    return lineas.join(u'\n');
}

// The patterns that showed for some child: the map's columns after the name.
std::vector<const Patron*> ColumnasMapa(const InformeClase& informe) {
    std::vector<const Patron*> columnas;
    for (const Patron& p : Patrones())
        for (const NinoInforme& n : informe.ninos)
            if (CeldaDe(n, p).hay) {
                columnas.push_back(&p);
                break;
            }
    return columnas;
}

QTableWidgetItem* Celda(const QString& texto) {
    auto* c = new QTableWidgetItem(texto);
    c->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return c;
}

} // namespace

VentanaInformeClase::VentanaInformeClase(LecturaDiarios lectura, const QDate& hoy, QWidget* padre)
    : QDialog(padre, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint),
      pasos_(std::move(lectura.pasos)) {
    setObjectName(QStringLiteral("Form_informe_clase"));
    setWindowTitle(kTituloInformeClase);
    QSize tamano(1100, 820);
    if (const QScreen* pantalla = QGuiApplication::primaryScreen())
        tamano = tamano.boundedTo(pantalla->availableGeometry().size() * 0.9);
    resize(tamano);

    const Periodo semana = SemanaDe(hoy);
    auto fecha = [&](const char* nombre, const QString& accesible, const QDate& d) {
        auto* f =
            Control<QDateEdit>(this, nombre, accesible,
                               QStringLiteral("Las cuentas de qué días entran en el informe"));
        f->setCalendarPopup(true);
        f->setDisplayFormat(QStringLiteral("d/M/yyyy"));
        f->setDate(d);
        return f;
    };
    Fecha_desde = fecha("Fecha_desde", QStringLiteral("Desde el día"), semana.desde);
    Fecha_hasta = fecha("Fecha_hasta", QStringLiteral("Hasta el día"), semana.hasta);
    Label_periodo = new QLabel(this);
    Label_periodo->setObjectName(QStringLiteral("Label_periodo"));
    Label_periodo->setAccessibleName(QStringLiteral("Niños y cuentas"));
    plataforma::PonerPista(Label_periodo,
                           QStringLiteral("Cuántos niños y cuentas hay en esas fechas"));

    Combo_orden = Control<QComboBox>(this, "Combo_orden", QStringLiteral("Ordenar"),
                                     QStringLiteral("Ordena el mapa por nombre o por cuántos "
                                                    "errores confirmados tiene cada uno"));
    Combo_orden->addItems(
        {QStringLiteral("Por nombre"), QStringLiteral("Por errores confirmados")});

    Tabla_mapa = Control<QTableWidget>(
        this, "Tabla_mapa", QStringLiteral("Mapa de errores"),
        QStringLiteral("Cada niño en una fila y cada error en una columna, con su estado y en "
                       "cuántas cuentas salió; pulsa una casilla para ver su diagnóstico"));
    Tabla_mapa->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Tabla_mapa->setSelectionMode(QAbstractItemView::SingleSelection);
    Tabla_mapa->verticalHeader()->setVisible(false);
    Tabla_mapa->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);

    Combo_grafico = Control<QComboBox>(this, "Combo_grafico", QStringLiteral("Progreso de"),
                                       QStringLiteral("Toda la clase o un niño o niña"));
    Grafico = CrearVistaGrafico(this);
    if (!Grafico) {
        auto* sin = new QLabel(QStringLiteral("El gráfico no se puede mostrar: falta "
                                              "libzifra_graficos.so junto al programa."),
                               this);
        sin->setAlignment(Qt::AlignCenter);
        sin->setWordWrap(true);
        Grafico = sin;
    }
    Grafico->setObjectName(QStringLiteral("Grafico"));
    Grafico->setAccessibleName(QStringLiteral("Progreso"));
    plataforma::PonerPista(Grafico, QStringLiteral("Las cuentas de cada día y, por tipo de "
                                                   "cuenta, qué parte salió bien a la primera"));
    Grafico->setMinimumHeight(260);
    Tabla_totales = Control<QTableWidget>(
        this, "Tabla_totales", QStringLiteral("Totales"),
        QStringLiteral("Por tipo de cuenta: cuentas, primeros intentos bien y minutos"));
    Tabla_totales->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Tabla_totales->verticalHeader()->setVisible(false);
    Tabla_totales->setColumnCount(5);
    Tabla_totales->setHorizontalHeaderLabels(
        {QStringLiteral("Tipo"), QStringLiteral("Cuentas"), QStringLiteral("Primeros intentos"),
         QStringLiteral("Bien a la primera"), QStringLiteral("Minutos")});
    Tabla_totales->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);

    Label_avisos = new QLabel(this);
    Label_avisos->setObjectName(QStringLiteral("Label_avisos"));
    Label_avisos->setAccessibleName(QStringLiteral("Diarios que no se leen"));
    Label_avisos->setWordWrap(true);
    Label_avisos->setStyleSheet(QStringLiteral("color: #666;"));
    if (!lectura.avisos.isEmpty()) {
        Label_avisos->setText(TextoAvisosVisibles(lectura.avisos));
        plataforma::PonerPista(Label_avisos, QStringLiteral("Archivos de diario que no se leen: ") +
                                                 lectura.avisos.join(u' '));
    }
    Label_avisos->setVisible(!lectura.avisos.isEmpty());

    Boton_imprimir =
        BotonSinIntro(this, "Boton_imprimir", QStringLiteral("&Imprimir..."),
                      QStringLiteral("Imprime una página de la clase y una de cada niño o "
                                     "niña, o lo guarda en PDF si no hay impresora"));
    Boton_exportar =
        BotonSinIntro(this, "Boton_exportar", QStringLiteral("&Exportar..."),
                      QStringLiteral("Guarda una tabla CSV para la hoja de cálculo: una "
                                     "fila por niño y tipo de cuenta"));
    Boton_cerrar = BotonSinIntro(this, "Boton_cerrar", QStringLiteral("&Cerrar"),
                                 QStringLiteral("Cierra la ventana"));

    auto* fechas = new QHBoxLayout;
    auto* desde = new QLabel(QStringLiteral("&Desde:"), this);
    desde->setObjectName(QStringLiteral("Label_desde"));
    desde->setBuddy(Fecha_desde);
    auto* hasta = new QLabel(QStringLiteral("&Hasta:"), this);
    hasta->setObjectName(QStringLiteral("Label_hasta"));
    hasta->setBuddy(Fecha_hasta);
    auto* orden = new QLabel(QStringLiteral("&Ordenar:"), this);
    orden->setObjectName(QStringLiteral("Label_orden"));
    orden->setBuddy(Combo_orden);
    fechas->addWidget(desde);
    fechas->addWidget(Fecha_desde);
    fechas->addWidget(hasta);
    fechas->addWidget(Fecha_hasta);
    fechas->addSpacing(12);
    fechas->addWidget(Label_periodo, 1);
    fechas->addWidget(orden);
    fechas->addWidget(Combo_orden);

    auto* progreso = new QHBoxLayout;
    auto* de = new QLabel(QStringLiteral("&Progreso de:"), this);
    de->setObjectName(QStringLiteral("Label_progreso"));
    de->setBuddy(Combo_grafico);
    progreso->addWidget(de);
    progreso->addWidget(Combo_grafico);
    progreso->addStretch();
    auto* abajo = new QHBoxLayout;
    abajo->addWidget(Grafico, 1);
    abajo->addWidget(Tabla_totales);

    auto* botones = new QHBoxLayout;
    botones->addWidget(Label_avisos, 1);
    botones->addStretch();
    botones->addWidget(Boton_imprimir);
    botones->addWidget(Boton_exportar);
    botones->addWidget(Boton_cerrar);

    auto* capa = new QVBoxLayout(this);
    capa->addLayout(fechas);
    capa->addWidget(Tabla_mapa, 1);
    capa->addLayout(progreso);
    capa->addLayout(abajo, 1);
    capa->addLayout(botones);

    connect(Fecha_desde, &QDateEdit::dateChanged, this, &VentanaInformeClase::Recalcular);
    connect(Fecha_hasta, &QDateEdit::dateChanged, this, &VentanaInformeClase::Recalcular);
    connect(Combo_orden, &QComboBox::currentIndexChanged, this, &VentanaInformeClase::LlenarMapa);
    connect(Combo_grafico, &QComboBox::currentIndexChanged, this,
            &VentanaInformeClase::LlenarGrafico);
    // A click opens the diagnosis, and Enter too; where the style activates
    // on a single click, that click would open it twice.
    connect(Tabla_mapa, &QTableWidget::cellClicked, this,
            [this](int fila, int) { AbrirDiagnostico(fila); });
    connect(Tabla_mapa, &QTableWidget::cellActivated, this, [this](int fila, int) {
        if (!Tabla_mapa->style()->styleHint(QStyle::SH_ItemView_ActivateItemOnSingleClick, nullptr,
                                            Tabla_mapa) ||
            !Tabla_mapa->underMouse())
            AbrirDiagnostico(fila);
    });
    connect(Boton_imprimir, &QPushButton::clicked, this, &VentanaInformeClase::Imprimir);
    connect(Boton_exportar, &QPushButton::clicked, this, &VentanaInformeClase::Exportar);
    connect(Boton_cerrar, &QPushButton::clicked, this, &QDialog::accept);
    Recalcular();
    plataforma::PublicarAccesibilidad(this);
}

VentanaInformeClase::~VentanaInformeClase() = default;

void VentanaInformeClase::Recalcular() {
    QDate desde = Fecha_desde->date(), hasta = Fecha_hasta->date();
    if (desde > hasta) std::swap(desde, hasta);
    {
        CursorDeEspera espera;
        informe_ = HacerInformeClase(pasos_, desde, hasta);
    }
    int cuentas = 0;
    for (const NinoInforme& n : informe_.ninos)
        cuentas += Total(n.tipos).totales.operaciones;
    const int ninos = int(informe_.ninos.size());
    Label_periodo->setText(
        ninos == 0
            ? QStringLiteral("Ninguna cuenta en esas fechas.")
            : QStringLiteral("%1 %2, %3 %4.")
                  .arg(ninos)
                  .arg(ninos == 1 ? QStringLiteral("niño o niña") : QStringLiteral("niños y niñas"))
                  .arg(cuentas)
                  .arg(cuentas == 1 ? QStringLiteral("cuenta") : QStringLiteral("cuentas")));
    Boton_imprimir->setEnabled(true);
    Boton_exportar->setEnabled(ninos > 0);

    const QString elegido =
        Combo_grafico->currentIndex() > 0 ? Combo_grafico->currentText() : QString();
    {
        const QSignalBlocker bloqueo(Combo_grafico);
        Combo_grafico->clear();
        Combo_grafico->addItem(QStringLiteral("Toda la clase"));
        for (const NinoInforme& n : informe_.ninos)
            Combo_grafico->addItem(n.nombre);
        Combo_grafico->setCurrentIndex(std::max(0, Combo_grafico->findText(elegido)));
    }
    LlenarMapa();
    LlenarGrafico();
}

const NinoInforme* VentanaInformeClase::NinoDeFila(int fila) const {
    if (fila < 0 || fila >= int(orden_.size())) return nullptr;
    return &informe_.ninos[size_t(orden_[size_t(fila)])];
}

void VentanaInformeClase::LlenarMapa() {
    orden_ = OrdenarNinos(informe_, Combo_orden->currentIndex() == 1 ? OrdenNinos::Confirmados
                                                                     : OrdenNinos::Nombre);
    const std::vector<const Patron*> columnas = ColumnasMapa(informe_);
    Tabla_mapa->clear();
    Tabla_mapa->setRowCount(int(orden_.size()));
    Tabla_mapa->setColumnCount(2 + int(columnas.size()));
    Tabla_mapa->setHorizontalHeaderItem(0, new QTableWidgetItem(QStringLiteral("Nombre")));
    Tabla_mapa->setHorizontalHeaderItem(1, new QTableWidgetItem(QStringLiteral("Confirmados")));
    for (size_t c = 0; c < columnas.size(); ++c) {
        const QString nombre = NombrePatron(*columnas[c], MetodoResta::SumarAlSustraendo);
        auto* cabecera = new QTableWidgetItem(Cabecera(nombre));
        cabecera->setToolTip(columnas[c]->descripcion);
        cabecera->setData(Qt::UserRole, QString::fromLatin1(columnas[c]->codigo));
        Tabla_mapa->setHorizontalHeaderItem(2 + int(c), cabecera);
    }
    for (int fila = 0; fila < int(orden_.size()); ++fila) {
        const NinoInforme& n = *NinoDeFila(fila);
        auto* nombre = Celda(n.nombre);
        nombre->setToolTip(QStringLiteral("Pulsa para ver el diagnóstico de %1").arg(n.nombre));
        Tabla_mapa->setItem(fila, 0, nombre);
        auto* confirmados = Celda(QString::number(n.Confirmados()));
        confirmados->setTextAlignment(Qt::AlignCenter);
        Tabla_mapa->setItem(fila, 1, confirmados);
        for (size_t c = 0; c < columnas.size(); ++c) {
            const CeldaMapa celda = CeldaDe(n, *columnas[c]);
            auto* item = Celda(celda.hay ? QString::number(celda.veces) : QString());
            item->setTextAlignment(Qt::AlignCenter);
            if (celda.hay) {
                const ColoresEstado colores = ColoresDe(celda.estado);
                item->setBackground(colores.fondo);
                item->setForeground(colores.texto);
                QFont negrita = item->font();
                negrita.setBold(true);
                item->setFont(negrita);
                const QString texto =
                    QStringLiteral("%1: %2, %3, en %4 %5")
                        .arg(n.nombre, NombrePatron(*columnas[c], MetodoResta::SumarAlSustraendo),
                             TextoEstado(celda.estado))
                        .arg(celda.veces)
                        .arg(celda.veces == 1 ? QStringLiteral("cuenta")
                                              : QStringLiteral("cuentas"));
                item->setToolTip(texto);
                item->setData(Qt::AccessibleTextRole, texto);
            }
            Tabla_mapa->setItem(fila, 2 + int(c), item);
        }
    }
    Tabla_mapa->resizeColumnsToContents();
    Tabla_mapa->resizeRowsToContents();
}

void VentanaInformeClase::LlenarGrafico() {
    const int i = Combo_grafico->currentIndex() - 1;
    const NinoInforme* nino =
        i >= 0 && i < int(informe_.ninos.size()) ? &informe_.ninos[size_t(i)] : nullptr;
    const std::vector<DiaInforme>& dias = nino ? nino->dias : informe_.clase;
    PonerGrafico(Grafico,
                 DatosProgreso(dias, nino ? QStringLiteral("Progreso de %1").arg(nino->nombre)
                                          : QStringLiteral("Progreso de toda la clase")));

    const TotalesTipos& tipos = nino ? nino->tipos : informe_.tipos;
    Tabla_totales->setRowCount(kTiposInforme + 1);
    for (int k = 0; k <= kTiposInforme; ++k) {
        const bool total = k == kTiposInforme;
        const TotalClase suma = Total(tipos);
        const Totales& t = total ? suma.totales : tipos[size_t(k)];
        const QStringList textos = {total ? QStringLiteral("Total") : NombreTipo(k),
                                    QString::number(t.operaciones),
                                    QString::number(t.primeros_intentos), TextoAcierto(t),
                                    QString::number(total ? suma.minutos : t.Minutos())};
        for (int c = 0; c < textos.size(); ++c) {
            auto* item = Celda(textos[c]);
            if (c > 0) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (total) {
                QFont negrita = item->font();
                negrita.setBold(true);
                item->setFont(negrita);
            }
            Tabla_totales->setItem(k, c, item);
        }
    }
    Tabla_totales->resizeRowsToContents();
    // Every column in sight: the minutes are the last one.
    Tabla_totales->setMinimumWidth(Tabla_totales->horizontalHeader()->length() +
                                   2 * Tabla_totales->frameWidth() + 4);
}

void VentanaInformeClase::AbrirDiagnostico(int fila) {
    const NinoInforme* n = NinoDeFila(fila);
    if (!n) return;
    // That child's steps on the same days: the diagnosis the map shows.
    LecturaDiarios suyos;
    suyos.leidos = 1;
    const QString clave = ClaveJugador(n->nombre);
    const int64_t primero = informe_.desde.startOfDay().toMSecsSinceEpoch();
    const int64_t ultimo = informe_.hasta.addDays(1).startOfDay().toMSecsSinceEpoch();
    for (const PasoDiario& p : pasos_)
        if (p.hora >= primero && p.hora < ultimo && ClaveJugador(p.jugador) == clave)
            suyos.pasos.push_back(p);
    VentanaDiagnostico ventana(suyos, {n->nombre}, this);
    plataforma::EjecutarModal(&ventana, this);
}

namespace {
QPrinter& ImpresoraClase() {
    static std::unique_ptr<QPrinter> impresora;
    plataforma::PrepararImpresora(impresora);
    return *impresora;
}
} // namespace

void VentanaInformeClase::Imprimir() {
    ImprimirConVistaPrevia(this, ImpresoraClase(), QStringLiteral("informe de la clase.pdf"),
                           kTituloInformeClase, kTextoErrorImpresoraClase,
                           [&](QPrinter& p) { return ImprimirInformeClase(informe_, p); });
}

void VentanaInformeClase::Exportar() {
    resultados::PeticionArchivo peticion;
    peticion.guardar = true;
    peticion.titulo = QStringLiteral("Exportar el informe de la clase");
    peticion.inicial =
        QDir(resultados::CarpetaResultados()).filePath(QStringLiteral("informe de la clase.csv"));
    const QString ruta = resultados::PedirArchivo(this, peticion);
    if (ruta.isEmpty()) return;
    // Written whole or not at all: an older table stays if this one fails.
    const QByteArray csv = CsvInformeClase(informe_);
    QSaveFile f(ruta);
    if (!f.open(QIODevice::WriteOnly) || f.write(csv) != csv.size() || !f.commit())
        plataforma::AvisarError(kTextoErrorExportarClase);
}

void AbrirInformeClase(QWidget* sobre) {
    LecturaDiarios lectura;
    {
        CursorDeEspera espera;
        lectura = LeerDiarios({resultados::CarpetaResultados()});
    }
    VentanaInformeClase ventana(std::move(lectura), QDate::currentDate(), sobre);
    plataforma::EjecutarModal(&ventana, sobre);
}
