#include "written/ventana_columnas.h"

#include "nucleo/apariencia.h"
#include "nucleo/dibujo_estirado.h"
#include "nucleo/dibujos.h"
#include "nucleo/etiquetas.h"
#include "nucleo/juego.h"
#include "nucleo/servicios.h"
#include "nucleo/ventanas.h"
#include "platform/accesibilidad.h"
#include "platform/lector_pantalla.h"
#include "platform/mensajes.h"
#include "players/form_aviso_error.h"
#include "players/puntuacion.h"
#include "players/turnos.h"
#include "written/lectura_cuenta.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QShowEvent>

namespace {

// Two layouts: the wide one of the windows without carries, and the one with
// a carries row on top and room for up to four rows.
struct Medidas {
    QSize cifra;
    int letra;
    int top_llevadas; // -1: none
    int top_fila0;
    int paso_fila;
    int margen_barra;
    QSize cliente;
};

Medidas MedidasDe(const DefinicionVentana& d) {
    // Borrowing: a marks row on top, room between the rows for "+1", and
    // below the totals for the "Me llevo..." button.
    if (d.con_prestamo)
        return {QSize(51, 56), 48, 6, 36, 66, 6, QSize(d.izquierdas[0] + 51 + 28, 290)};
    if (!d.con_llevadas) return {QSize(51, 56), 48, -1, 15, 55, 6, QSize(503, 255)};
    const int ultima_fila = 38 + 50 * (d.filas - 1);
    return {QSize(46, 50), 42, 4, 38, 50, 8, QSize(503, ultima_fila + 50 + 8 + 5 + 12 + 56 + 44)};
}

// The window's name says the operation: read one by one, the digits would
// come right to left.
QLabel* Digito(const QString& nombre, QWidget* padre, const QRect& r, int letra,
               const QColor& color) {
    QLabel* l = EtiquetaCifra(nombre, padre, r, letra, color);
    plataforma::OcultarAlLector(l);
    return l;
}

QLineEdit* Caja(const char* nombre, QWidget* padre, int letra) {
    auto* c = new QLineEdit(padre);
    c->setObjectName(QString::fromLatin1(nombre));
    c->setMaxLength(1);
    c->setAlignment(Qt::AlignCenter);
    c->setContextMenuPolicy(Qt::NoContextMenu);
    c->setDragEnabled(false);
    c->setAcceptDrops(false);
    QFont f = c->font();
    f.setPixelSize(letra);
    f.setBold(true);
    LetraAlMostrar(c, f);
    QPalette p = c->palette();
    p.setColor(QPalette::Base, QColor(0x00, 0xFF, 0xFF));
    p.setColor(QPalette::Text, Qt::blue);
    c->setPalette(p);
    plataforma::PonerPista(c, QStringLiteral("Haz clic, si no está el cursor"));
    return c;
}

} // namespace

VentanaColumnas::VentanaColumnas(const DefinicionVentana& def, QWidget* parent)
    : VentanaDeEjercicio(def.nombre, def.titulo, def.codigo, parent), def_(def) {
    CrearControles();
    plataforma::PublicarAccesibilidad(this);
    connect(apariencia::Cambios(), &apariencia::Avisador::cambiada, this, [this] {
        if (isVisible()) AplicarApariencia();
    });
}

void VentanaColumnas::CrearControles() {
    const Medidas m = MedidasDe(def_);
    setFixedSize(m.cliente);
    setAutoFillBackground(true);
    QPalette fondo = palette();
    fondo.setColor(QPalette::Window, QColor(0, 193, 130));
    setPalette(fondo);

    Image1 = new DibujoEstirado(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(185, 0, m.cliente.width() - 185, m.cliente.height());
    plataforma::PonerPista(Image1, QStringLiteral("Comprobación  automática"));

    const int izquierda_max = def_.izquierdas[def_.columnas - 1];
    for (int f = 0; f < def_.filas; ++f)
        for (int c = 0; c < def_.columnas; ++c)
            cifras_[f][c] = Digito(
                QStringLiteral("Label_%1_f%2").arg(QLatin1String(kColumna[c])).arg(f + 1), this,
                QRect(QPoint(def_.izquierdas[c], m.top_fila0 + f * m.paso_fila), m.cifra), m.letra,
                Qt::black);
    const int top_ultima = m.top_fila0 + (def_.filas - 1) * m.paso_fila;
    Label_signo_mas =
        Digito(QStringLiteral("Label_signo_mas"), this,
               QRect(izquierda_max - 60, top_ultima, 50, m.cifra.height()), m.letra, Qt::black);
    Label_signo_mas->setText(def_.es_suma ? QStringLiteral("+") : QStringLiteral("-"));

    const int top_barra = top_ultima + m.cifra.height() + m.margen_barra;
    const int izquierda_barra = izquierda_max - 65;
    Shape1 = new QFrame(this);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setGeometry(izquierda_barra, top_barra,
                        def_.izquierdas[0] + m.cifra.width() + 5 - izquierda_barra, 5);
    Shape1->setAutoFillBackground(true);
    QPalette azul = Shape1->palette();
    azul.setColor(QPalette::Window, QColor(0, 0, 128));
    Shape1->setPalette(azul);

    const int top_resultado = top_barra + 14;
    const int columnas_resultado = def_.con_llevadas ? def_.columnas + 1 : def_.columnas;
    for (int c = 0; c < columnas_resultado; ++c) {
        Label_res[c] =
            Digito(QStringLiteral("Label_res_%1").arg(QLatin1String(kColumna[c])), this,
                   QRect(QPoint(def_.izquierdas[c], top_resultado), m.cifra), m.letra, Qt::black);
        Label_res[c]->hide();
    }

    Memo_res = Caja("Memo_res", this, m.letra);
    Memo_res->resize(m.cifra);
    Memo_res->setAccessibleName(NombreCajaResultado(1));
    Memo_res->installEventFilter(this);
    connect(Memo_res, &QLineEdit::textChanged, this, [this] { Memo_resChange(); });

    if (def_.con_llevadas) {
        Memo_mellevo = Caja("Memo_mellevo", this, m.letra / 2 + 2);
        Memo_mellevo->resize(36, 32);
        Memo_mellevo->setAccessibleName(NombreCajaLlevada(1));
        Memo_mellevo->hide();
        Memo_mellevo->installEventFilter(this);
        connect(Memo_mellevo, &QLineEdit::textChanged, this, &VentanaColumnas::Memo_mellevoChange);
        // Carries sit 5 pixels right of the column they go to.
        for (int c = 1; c <= 2; ++c) {
            Label_mellevo[c] = Digito(
                QStringLiteral("Label_mellevo_%1").arg(QLatin1String(kColumna[c])), this,
                QRect(def_.izquierdas[c] + 5, m.top_llevadas, 36, 32), m.letra / 2 + 2, Qt::red);
            Label_mellevo[c]->hide();
        }
        Label1 = new QLabel(QStringLiteral("Escribe los números en orden, empezando por las "
                                           "unidades, de derecha a izquierda."),
                            this);
        Label1->setObjectName(QStringLiteral("Label1"));
        // Right of the totals, under the result row.
        Label1->setGeometry(150, top_resultado + m.cifra.height() + 6, m.cliente.width() - 158, 36);
        Label1->setWordWrap(true);
        Label1->setAlignment(Qt::AlignCenter);
        Label1->setAutoFillBackground(true);
        QPalette p = Label1->palette();
        p.setColor(QPalette::Window, QColor(0xFF, 0xFF, 0xE0));
        p.setColor(QPalette::WindowText, Qt::blue);
        Label1->setPalette(p);
        QFont f = Label1->font();
        f.setBold(true);
        Label1->setFont(f);
    }
    Memo_res->move(def_.izquierdas[0], top_resultado);

    CrearTotales(this, 30, 165);
}

void VentanaColumnas::FormShow() {
    if (primera_vez_) {
        primera_vez_ = false;
        // First placed against the window it belongs to, the main one.
        if (QWidget* dueno = parentWidget()) move(dueno->pos() + def_.desplazamiento);
        // Read when first shown, not with the main window: nobody sees it
        // before, and a picture that does not load is skipped silently.
        if (ExisteArchivo(QStringLiteral("fondo2.bmp"))) {
            const QPixmap dibujo = DibujoParaPantalla(QStringLiteral("fondo2.bmp"));
            if (!dibujo.isNull()) Image1->setPixmap(dibujo);
        }
    }
    AplicarApariencia();
    NuevaCuenta();
}

namespace {
void ColorDeTexto(QWidget* w, QPalette::ColorRole rol, const QColor& color) {
    QPalette p = w->palette();
    p.setColor(rol, color);
    w->setPalette(p);
}
} // namespace

void VentanaColumnas::AplicarApariencia() {
    const bool alto = apariencia::ContrasteAlto();
    // High contrast: plain white, no squared paper under the digits.
    ColorDeTexto(this, QPalette::Window, alto ? QColor(Qt::white) : QColor(0, 193, 130));
    Image1->setVisible(!alto);
    for (int f = 0; f < def_.filas; ++f)
        for (int c = 0; c < def_.columnas; ++c)
            ColorDeTexto(cifras_[f][c], QPalette::WindowText,
                         apariencia::ColorCifra(c + 1, Qt::black));
    for (int c = 0; c < kMaxColumnas; ++c)
        if (Label_res[c])
            ColorDeTexto(Label_res[c], QPalette::WindowText,
                         apariencia::ColorCifra(c + 1, Qt::black));
    for (QLabel* l : Label_mellevo)
        if (l) ColorDeTexto(l, QPalette::WindowText, apariencia::ColorMarca(Qt::red));
    ColorearTotales();
    // A thicker result line, and boxes with a dark frame.
    Shape1->setGeometry(Shape1->x(), Shape1->y(), Shape1->width(), alto ? 8 : 5);
    ColorDeTexto(Shape1, QPalette::Window, alto ? QColor(Qt::black) : QColor(0, 0, 128));
    const QString marco = alto ? QStringLiteral("QLineEdit { background: white; border: 3px solid "
                                                "black; }")
                               : QString();
    for (QLineEdit* caja : {Memo_res, Memo_mellevo})
        if (caja) {
            caja->setStyleSheet(marco);
            ColorDeTexto(caja, QPalette::Base, QColor(0x00, 0xFF, 0xFF));
        }
    ColorearCaja(Memo_res, columna_caja_);
    if (Memo_mellevo) ColorearCaja(Memo_mellevo, columna_caja_ + 1);
    if (Label1) {
        ColorDeTexto(Label1, QPalette::Window, alto ? QColor(Qt::white) : QColor(0xFF, 0xFF, 0xE0));
        ColorDeTexto(Label1, QPalette::WindowText, alto ? QColor(Qt::black) : QColor(Qt::blue));
    }
}

// The box takes the colour of the place it asks for.
void VentanaColumnas::ColorearCaja(QLineEdit* caja, int posicion) {
    const QColor color = apariencia::ColorCifra(posicion, Qt::blue);
    if (caja->palette().color(QPalette::Text) != color) ColorDeTexto(caja, QPalette::Text, color);
}

void VentanaColumnas::MoverRespuesta(int columna) {
    Memo_res->move(def_.izquierdas[columna - 1], Memo_res->y());
    columna_caja_ = columna;
    ColorearCaja(Memo_res, columna);
    NombrarPaso(columna, PasoLectura::Cifra);
}

void VentanaColumnas::NombrarPaso(int columna, PasoLectura paso) {
    setAccessibleName(NombreVentanaCuenta(OpEnPantalla(), def_.es_suma, columna, paso));
    if (paso == PasoLectura::Cifra) Memo_res->setAccessibleName(NombreCajaResultado(columna));
    if (paso == PasoLectura::Llevada) Memo_mellevo->setAccessibleName(NombreCajaLlevada(columna));
}

namespace {
struct CuentaDada {
    int32_t codigo = SinVentana;
    Operacion op;
} g_dada;
} // namespace

void DarSiguienteCuenta(int32_t codigo, const Operacion& op) {
    g_dada = {codigo, op};
}

bool TomarCuentaDada(int32_t codigo, Operacion& op) {
    if (g_dada.codigo == SinVentana || g_dada.codigo != codigo) return false;
    op = g_dada.op;
    g_dada.codigo = SinVentana;
    return true;
}

void VentanaColumnas::NuevaCuenta() {
    Operacion op;
    if (TomarCuentaDada(def_.codigo, op))
        MostrarCuenta(op);
    else
        MostrarCuenta(Sortear(def_.sorteo, def_.filas, def_.columnas));
}

void VentanaColumnas::MostrarCuenta(const Operacion& op) {
    juego.ventana_actual = def_.codigo;
    MostrarTotales();
    for (QLabel* l : Label_res)
        if (l) l->hide();
    if (Memo_mellevo) {
        Memo_mellevo->hide();
        Label_mellevo[1]->hide();
        Label_mellevo[2]->hide();
    }
    for (int f = 0; f < def_.filas; ++f)
        for (int c = 0; c < def_.columnas; ++c)
            cifras_[f][c]->setText(QString::number(op.cifras[f][c]));
    cuenta_.Empezar(op, def_.es_suma, def_.con_llevadas);
    Memo_res->setReadOnly(false);
    VaciarCaja(Memo_res);
    MoverRespuesta(1);
    Memo_res->show();
    EmpezarReloj();
    AnunciarPedido(PasoJuzgado::Que::Cifra, 1, true);
    Memo_res->setFocus();
}

void VentanaColumnas::Memo_resChange() {
    const QString texto = Memo_res->text();
    if (texto.isEmpty()) {
        Memo_res->setFocus();
        return;
    }
    SonidoTecla();
    const int columna = cuenta_.Columna();
    const int correcto = cuenta_.CifraEsperada();
    const int tecleado = ValorTecleado(texto);
    using Q = PasoJuzgado::Que;
    using J = CuentaEnColumnas::Juicio;
    switch (cuenta_.Cifra(texto, juego.editar_llevadas)) {
    case J::Nada:
    case J::LlevadaFallada:
    case J::LlevadaAcertada:
        return;
    case J::Fallo:
        CifraFallada(Paso(Q::Cifra, columna, false, correcto, tecleado));
        return;
    case J::Acierto:
        EscribirYAvanzar(columna, texto);
        CifraAcertada(Paso(Q::Cifra, columna, true, correcto, tecleado));
        return;
    case J::PideLlevada:
        // Right, but booked with its carry.
        AnunciarPaso(Paso(Q::Cifra, columna, true, correcto, tecleado));
        VaciarCaja(Memo_mellevo);
        Memo_mellevo->move(Label_mellevo[columna]->pos());
        AnunciarPedido(Q::Llevada, columna, false);
        ColorearCaja(Memo_mellevo, columna + 1);
        NombrarPaso(columna, PasoLectura::Llevada);
        Esperar(300);
        // The digit stays in the answer box until its carry is right.
        Memo_res->setReadOnly(true);
        Memo_mellevo->show();
        Memo_mellevo->setFocus();
        return;
    case J::PasoMillares:
        AnunciarPaso(Paso(Q::Cifra, columna, true, correcto, tecleado));
        EscribirYAvanzar(columna, texto);
        return;
    case J::Fin:
        EscribirUltima(columna, texto);
        CifraAcertada(Paso(Q::Cifra, columna, true, correcto, tecleado));
        FinDeCuenta();
        return;
    }
}

// The digit goes under its column and the answer box moves one to the left,
// both painted at once: the wait that follows blocks the paint.
void VentanaColumnas::EscribirYAvanzar(int columna, const QString& texto) {
    Label_res[columna - 1]->setText(texto);
    Label_res[columna - 1]->show();
    VaciarCaja(Memo_res);
    MoverRespuesta(columna + 1);
    AnunciarPedido(PasoJuzgado::Que::Cifra, columna + 1, false, MarcasPedidas());
    Memo_res->setFocus();
    // One paint for both places: the paper under them is scaled as it paints.
    repaint(QRegion(Label_res[columna - 1]->geometry()) + QRegion(Memo_res->geometry()));
}

// The last digit takes the box's place, so the child sees the whole result
// before the next operation.
void VentanaColumnas::EscribirUltima(int columna, const QString& texto) {
    Label_res[columna - 1]->setText(texto);
    Label_res[columna - 1]->show();
    VaciarCaja(Memo_res);
    Memo_res->hide();
    NombrarPaso(columna, PasoLectura::Terminada);
    Label_res[columna - 1]->repaint();
}

void VentanaColumnas::Memo_mellevoChange() {
    const QString texto = Memo_mellevo->text();
    if (texto.isEmpty()) return;
    SonidoTecla();
    const int columna = cuenta_.Columna();
    const int correcto = cuenta_.LlevadaEsperada();
    const int tecleado = ValorTecleado(texto);
    using Q = PasoJuzgado::Que;
    using J = CuentaEnColumnas::Juicio;
    switch (cuenta_.Llevada(texto)) {
    case J::LlevadaFallada:
        FalloSinBorrar(Paso(Q::Llevada, columna, false, correcto, tecleado));
        VaciarCaja(Memo_mellevo);
        Memo_mellevo->setFocus();
        return;
    case J::LlevadaAcertada:
        Memo_mellevo->hide();
        Label_mellevo[columna]->setText(cuenta_.TextoLlevada());
        Label_mellevo[columna]->show();
        Label_mellevo[columna]->repaint();
        Memo_res->setReadOnly(false);
        EscribirYAvanzar(columna, Memo_res->text());
        CifraAcertada(Paso(Q::Llevada, columna, true, correcto, tecleado));
        return;
    default:
        return;
    }
}

void VentanaColumnas::CifraAcertada(const PasoJuzgado& paso) {
    ContarAcierto(paso);
    Esperar(300);
}

void VentanaColumnas::FalloSinBorrar(const PasoJuzgado& paso, const QString& linea1,
                                     const QString& linea2) {
    SonidoFallo();
    if (Form_aviso_error) Form_aviso_error->Mostrar(this, linea1, linea2);
    ContarFallo(paso);
}

void VentanaColumnas::CifraFallada(const PasoJuzgado& paso) {
    FalloSinBorrar(paso);
    VaciarCaja(Memo_res);
    Memo_res->setFocus();
}

void VentanaColumnas::DescribirOperacion(PasoJuzgado& paso) const {
    const Operacion& op = cuenta_.Op();
    paso.suma = def_.es_suma;
    paso.columnas = op.columnas;
    paso.n_operandos = op.filas;
    for (int f = 0; f < op.filas; ++f) {
        int32_t n = 0;
        for (int c = op.columnas - 1; c >= 0; --c)
            n = n * 10 + op.cifras[f][c];
        paso.operandos[f] = n;
    }
}

void VentanaColumnas::FinDeCuenta() {
    CelebrarCuenta();
    FinDeOperacion(def_.siguiente);
}
