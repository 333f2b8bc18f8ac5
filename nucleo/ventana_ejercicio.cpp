#include "nucleo/ventana_ejercicio.h"

#include "nucleo/apariencia.h"
#include "nucleo/etiquetas.h"
#include "nucleo/juego.h"
#include "nucleo/puntos.h"
#include "nucleo/servicios.h"
#include "nucleo/ventanas.h"
#include "platform/accesibilidad.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QShowEvent>

#include <utility>

void VaciarCaja(QLineEdit* caja) {
    caja->setText(QString());
}

VentanaDeEjercicio::VentanaDeEjercicio(const char* nombre, const char* titulo, int32_t codigo,
                                       QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      codigo_(codigo) {
    setObjectName(QString::fromLatin1(nombre));
    setWindowTitle(QString::fromUtf8(titulo));
    setModal(false);
    RegistrarVentana(codigo, this);
    AlBorrarContadoresVentanas(this, [this] {
        aciertos = 0;
        fallos = 0;
        MostrarTotales();
    });
}

void VentanaDeEjercicio::CrearTotales(QWidget* padre, int top_aciertos, int top_fallos) {
    auto total = [&](const char* marco, const char* titulo, int top, const char* etiqueta,
                     const QColor& color, const char* pista) {
        auto* g = new QGroupBox(QString::fromUtf8(titulo), padre);
        g->setObjectName(QString::fromLatin1(marco));
        g->setGeometry(25, top, 116, 71);
        g->setAutoFillBackground(true);
        QLabel* l =
            EtiquetaCifra(QString::fromLatin1(etiqueta), g, QRect(4, 22, 108, 40), 27, color);
        l->setText(QStringLiteral("0"));
        plataforma::PonerPista(g, QString::fromUtf8(pista));
        plataforma::PonerPista(l, QString::fromUtf8(pista));
        return l;
    };
    Label_aciertos =
        total("GroupBox_aciertos", " Aciertos :  ", top_aciertos, "Label_aciertos", Qt::blue,
              "Total aciertos en este tipo de cuenta, por todos los jugadores");
    Label_fallos = total("GroupBox_fallos", " Fallos :  ", top_fallos, "Label_fallos", Qt::red,
                         "Total fallos en este tipo de cuenta, por todos los jugadores");
}

void VentanaDeEjercicio::ColorearTotales() {
    if (!Label_aciertos) return;
    for (auto [l, color] :
         {std::pair{Label_aciertos, QColor(Qt::blue)}, std::pair{Label_fallos, QColor(Qt::red)}}) {
        QPalette p = l->palette();
        p.setColor(QPalette::WindowText, apariencia::ColorMarca(color));
        l->setPalette(p);
    }
}

void VentanaDeEjercicio::MostrarTotales() {
    if (!Label_aciertos) return;
    Label_aciertos->setText(QString::number(aciertos));
    Label_fallos->setText(QString::number(fallos));
}

namespace {
int64_t g_operaciones = 0; // operations drawn in this run, by every window
}

void VentanaDeEjercicio::EmpezarReloj() {
    juego.contando_tiempo = true;
    juego.segundos = 0;
    MostrarTiempo();
    operacion_ = ++g_operaciones;
    emit AnunciosJuego().OperacionEmpezada(operacion_);
}

PasoJuzgado VentanaDeEjercicio::Paso(PasoJuzgado::Que que, int columna, bool acierto,
                                     int32_t correcto, int32_t tecleado) const {
    PasoJuzgado p;
    p.ventana = codigo_;
    p.operacion = operacion_;
    p.que = que;
    p.columna = columna;
    p.acierto = acierto;
    p.correcto = correcto;
    p.tecleado = tecleado;
    DescribirOperacion(p);
    return p;
}

void VentanaDeEjercicio::AnunciarPaso(const PasoJuzgado& paso) {
    emit AnunciosJuego().Juzgado(paso);
}

void VentanaDeEjercicio::AnunciarPedido(PasoJuzgado::Que que, int columna, bool nueva,
                                        bool marcado) {
    Anuncios& a = AnunciosJuego();
    if (!a.Escuchado(QMetaMethod::fromSignal(&Anuncios::Pedido))) return;
    PasoPedido p;
    p.que = que;
    p.columna = columna;
    p.nueva = nueva;
    p.marcado = marcado;
    p.op = Paso(que, columna, false);
    emit a.Pedido(p);
}

void VentanaDeEjercicio::ContarAcierto(const PasoJuzgado& paso) {
    ++aciertos;
    Label_aciertos->setText(QString::number(aciertos));
    RegistrarAcierto();
    emit AnunciosJuego().Juzgado(paso);
}

void VentanaDeEjercicio::ContarFallo(const PasoJuzgado& paso) {
    ++fallos;
    Label_fallos->setText(QString::number(fallos));
    RegistrarFallo();
    emit AnunciosJuego().Juzgado(paso);
}

void VentanaDeEjercicio::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (!e->spontaneous()) FormShow();
}

void VentanaDeEjercicio::closeEvent(QCloseEvent* e) {
    FormClose();
    e->accept();
}

// Escape must close through FormClose too, so the clock stops.
void VentanaDeEjercicio::reject() {
    close();
}

void VentanaDeEjercicio::FormClose() {
    juego.contando_tiempo = false;
    juego.ventana_actual = SinVentana;
}

bool VentanaDeEjercicio::eventFilter(QObject* o, QEvent* e) {
    if (o != this && e->type() == QEvent::KeyPress) {
        const auto* k = static_cast<QKeyEvent*>(e);
        const QString t = k->text();
        if (t.isEmpty()) return false;
        const bool cifra = t.size() == 1 && t[0] >= QLatin1Char('0') && t[0] <= QLatin1Char('9');
        return !(cifra || k->key() == Qt::Key_Backspace);
    }
    return QDialog::eventFilter(o, e);
}
