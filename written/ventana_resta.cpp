#include "written/ventana_resta.h"

#include "nucleo/apariencia.h"
#include "nucleo/etiquetas.h"
#include "nucleo/juego.h"
#include "nucleo/servicios.h"
#include "nucleo/ventanas.h"
#include "platform/accesibilidad.h"
#include "platform/mensajes.h"
#include "written/tachon.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

// clang-format off
//                                    objectName       caption                                 code             suma   llevadas prestamo filas cols draw                      answer box lefts      first placed  next exercise
const DefinicionVentana kRestas4b = {"Form_restas4b", "Restas, CON llevadas",                  VentanaRestas4b, false, false, true,   2,    3,   Sorteo::RestaSinLlevar, {370, 310, 250},      {150, 125},   SiguienteConLlevadas};
const DefinicionVentana kRestas5  = {"Form_restas5",  "Restas  CON llevadas, más difícil",     VentanaRestas5,  false, false, true,   2,    4,   Sorteo::RestaSinLlevar, {455, 395, 335, 275}, {100, 125},   SiguienteConLlevadas};
// clang-format on

TForm_restas4b::TForm_restas4b(QWidget* parent) : VentanaResta(kRestas4b, parent) {}
TForm_restas5::TForm_restas5(QWidget* parent) : VentanaResta(kRestas5, parent) {}

namespace {

QLabel* Marca(QWidget* padre, const QString& nombre, const QString& texto, const QRect& r,
              int letra, const QColor& color, bool subrayada) {
    QLabel* l = EtiquetaCifra(nombre, padre, r, letra, color, subrayada);
    l->setText(texto);
    l->hide();
    return l;
}
} // namespace

VentanaResta::VentanaResta(const DefinicionVentana& def, QWidget* parent)
    : VentanaColumnas(def, parent) {
    const int n = def.columnas;
    const int top1 = Cifra(0, 0)->y();
    const int top2 = Cifra(1, 0)->y();
    for (int c = 0; c < n; ++c) {
        const QString col = QLatin1String(kColumna[c]);
        const int x = def.izquierdas[c];
        // Small and raised against the digit's upper left, like a teacher's
        // pen: "9 7 4" with its tens never reads as "91714".
        if (c < n - 1)
            marcas_[int(TipoMarca::Ayuda)][c] =
                ::Marca(this, QStringLiteral("Label_ayuda_%1").arg(col), QStringLiteral("1 "),
                        QRect(x - 2, top1 + 2, 18, 24), 20, Qt::red, false);
        if (c >= 1 && c < n - 1)
            marcas_[int(TipoMarca::Ayuda2)][c] =
                ::Marca(this, QStringLiteral("Label_ayuda2_%1").arg(col), QStringLiteral("1  "),
                        QRect(x + 14, 0, 14, 18), 14, Qt::red, false);
        if (c >= 1) {
            marcas_[int(TipoMarca::Mas1)][c] =
                ::Marca(this, QStringLiteral("Label_mas1_%1").arg(col), QStringLiteral("+1"),
                        QRect(x + 8, top2 - 14, 34, 20), 18, Qt::blue, false);
            auto* tachon = new Tachon(QStringLiteral("Label_koru_%1").arg(col), this,
                                      QRect(x, top1, 51, 56), QColor(0x70, 0x70, 0x70));
            tachon->hide();
            marcas_[int(TipoMarca::Koru)][c] = tachon;
            marcas_[int(TipoMarca::Menos1)][c] =
                ::Marca(this, QStringLiteral("Label_menos1_%1").arg(col), QString(),
                        QRect(x + 20, 2, 30, 30), 24, Qt::blue, false);
        }
    }
    Color95Button_ayuda = new QPushButton(QStringLiteral("&Me  llevo..."), this);
    Color95Button_ayuda->setObjectName(QStringLiteral("Color95Button_ayuda"));
    Color95Button_ayuda->setGeometry(25, 245, 116, 32);
    Color95Button_ayuda->hide();
    Color95Button_ayuda->installEventFilter(this);
    plataforma::PonerPista(
        Color95Button_ayuda,
        QStringLiteral("Pulsar cuando el de arriba es más pequeño y necesita ayuda"));
    connect(Color95Button_ayuda, &QPushButton::clicked, this,
            &VentanaResta::Color95Button_ayudaClick);
    for (QLabel* l : Label_res)
        if (l) l->show();
    plataforma::PublicarAccesibilidad(this);
}

QLabel* VentanaResta::Marca(TipoMarca tipo, int columna) const {
    return marcas_[int(tipo)][columna];
}

void VentanaResta::AplicarApariencia() {
    VentanaColumnas::AplicarApariencia();
    const QColor rojo = apariencia::ColorMarca(Qt::red);
    const QColor azul = apariencia::ColorMarca(Qt::blue);
    for (int c = 0; c < kMaxColumnas; ++c) {
        const std::pair<TipoMarca, QColor> marcas[] = {{TipoMarca::Ayuda, rojo},
                                                       {TipoMarca::Ayuda2, rojo},
                                                       {TipoMarca::Mas1, azul},
                                                       {TipoMarca::Menos1, azul}};
        for (const auto& [tipo, color] : marcas)
            if (QLabel* l = Marca(tipo, c)) {
                QPalette p = l->palette();
                p.setColor(QPalette::WindowText, color);
                l->setPalette(p);
            }
        // Dark red over black digits: a black stroke would hide the digit.
        if (auto* t = static_cast<Tachon*>(Marca(TipoMarca::Koru, c)))
            t->FijarColor(apariencia::ContrasteAlto() ? apariencia::Color(kRojoMarcaAlto)
                                                      : QColor(0x70, 0x70, 0x70),
                          apariencia::ContrasteAlto());
    }
}

void VentanaResta::NuevaCuenta() {
    Operacion op;
    if (TomarCuentaDada(Def().codigo, op))
        MostrarResta(op);
    else
        MostrarResta(RestaConPrestamo::Sortear(Def().columnas));
}

void VentanaResta::MostrarResta(const Operacion& op) {
    const int n = Def().columnas;
    juego.ventana_actual = Def().codigo;
    MostrarTotales();
    for (QLabel* l : Label_res)
        if (l) l->clear();
    for (auto& tipo : marcas_)
        for (QLabel* l : tipo)
            if (l) l->hide();
    resta_.Empezar(op, juego.modo_restas, juego.marcar_llevadas);
    for (int f = 0; f < 2; ++f)
        for (int c = 0; c < n; ++c)
            Cifra(f, c)->setText(QString::number(op.cifras[f][c]));
    for (int c = 1; c < n; ++c)
        Marca(TipoMarca::Menos1, c)->setText(QString::number(resta_.Rebajado(c)));
    Aplicar(resta_.Marcas());
    Color95Button_ayuda->setVisible(resta_.Boton());
    VaciarCaja(Memo_res);
    MoverRespuesta(1);
    Memo_res->show();
    EmpezarReloj();
    AnunciarPedido(PasoJuzgado::Que::Cifra, 1, true);
    Memo_res->setFocus();
}

void VentanaResta::Aplicar(const std::vector<PasoMarca>& pasos) {
    for (const PasoMarca& p : pasos) {
        if (p.tipo == PasoMarca::Esperar) {
            Esperar(300);
            continue;
        }
        QLabel* l = Marca(p.marca, p.columna);
        if (!l) continue;
        l->show();
        l->raise();
        // Painted now, so the child sees it during the wait that follows.
        if (p.tipo == PasoMarca::MostrarYPintar) l->repaint();
    }
}

void VentanaResta::Memo_resChange() {
    const QString texto = Memo_res->text();
    if (texto.isEmpty()) {
        Memo_res->setFocus();
        return;
    }
    const int columna = resta_.Columna();
    const int correcto = resta_.Resultado(columna - 1);
    const int tecleado = ValorTecleado(texto);
    using Q = PasoJuzgado::Que;
    using J = RestaConPrestamo::Juicio;
    const J juicio = resta_.Cifra(texto);
    if (juicio == J::NoPuedesRestar) {
        const QString aviso = QStringLiteral("\n\n¡ Creo que  NO  puedes restar !\n\n");
        emit AnunciosJuego().Avisado(aviso);
        plataforma::Avisar(aviso);
        VaciarCaja(Memo_res);
        Memo_res->setFocus();
        return;
    }
    SonidoTecla();
    switch (juicio) {
    case J::Fallo:
        CifraFallada(Paso(Q::Cifra, columna, false, correcto, tecleado));
        return;
    case J::Fin:
        EscribirUltima(columna, texto);
        CifraAcertada(Paso(Q::Cifra, columna, true, correcto, tecleado));
        FinDeCuenta();
        return;
    case J::Acierto:
        EscribirYAvanzar(columna, texto);
        CifraAcertada(Paso(Q::Cifra, columna, true, correcto, tecleado));
        Aplicar(resta_.Marcas());
        Color95Button_ayuda->setVisible(resta_.Boton());
        return;
    default:
        return;
    }
}

void VentanaResta::DescribirOperacion(PasoJuzgado& paso) const {
    const Operacion& op = resta_.Op();
    paso.suma = false;
    paso.columnas = op.columnas;
    paso.n_operandos = 2;
    for (int f = 0; f < 2; ++f) {
        int32_t n = 0;
        for (int c = op.columnas - 1; c >= 0; --c)
            n = n * 10 + op.cifras[f][c];
        paso.operandos[f] = n;
    }
    paso.metodo = resta_.Metodo();
    paso.marcar = resta_.Marcar();
}

bool VentanaResta::MarcasPedidas() const {
    return resta_.Marcar() == MarcarLlevadas::Manual && !resta_.Boton();
}

void VentanaResta::Color95Button_ayudaClick() {
    const int columna = resta_.Columna();
    switch (resta_.MeLlevo()) {
    case RestaConPrestamo::Juicio::Marcas:
        Aplicar(resta_.Marcas());
        AnunciarPedido(PasoJuzgado::Que::Cifra, columna, false, true);
        break;
    case RestaConPrestamo::Juicio::NoTeLlevas:
        FalloSinBorrar(Paso(PasoJuzgado::Que::MeLlevo, columna, false),
                       QStringLiteral("Lo siento, en esta columna no te llevas ninguna."),
                       QStringLiteral("Mira bien los números, y sigue."));
        break;
    default:
        break;
    }
    Color95Button_ayuda->setVisible(resta_.Boton());
    Memo_res->setFocus();
}
