#include "players/form_muchos_aciertos.h"

#include "nucleo/dibujos.h"
#include "nucleo/fondo.h"
#include "nucleo/servicios.h"
#include "platform/accesibilidad.h"
#include "platform/escritorio.h"
#include "players/efectos_cara.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QShowEvent>
#include <QTimer>

TForm_muchos_aciertos* Form_muchos_aciertos = nullptr;

namespace {
const QString kPistaCara = QStringLiteral("Pulsa para borrar y volver");
} // namespace

TForm_muchos_aciertos::TForm_muchos_aciertos(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    Form_muchos_aciertos = this;
    setObjectName(QStringLiteral("Form_muchos_aciertos"));
    setWindowTitle(QStringLiteral("¡¡ Muy bien !!"));

    Image_fondopantalla = new MosaicoFondo(this);
    Image_fondopantalla->setObjectName(QStringLiteral("Image_fondopantalla"));
    plataforma::PonerPista(Image_fondopantalla, kPistaCara);
    Image_fondopantalla_tmp = new QLabel(this);
    Image_fondopantalla_tmp->setObjectName(QStringLiteral("Image_fondopantalla_tmp"));
    Image_fondopantalla_tmp->hide();
    Panel_central = new QFrame(this);
    Panel_central->setObjectName(QStringLiteral("Panel_central"));
    Panel_central->setFrameStyle(QFrame::Box | QFrame::Plain);
    Panel_central->setLineWidth(1);
    Panel_central->setAutoFillBackground(true);
    Image_central = new QLabel(Panel_central);
    Image_central->setObjectName(QStringLiteral("Image_central"));
    Image_central->setScaledContents(true);
    plataforma::PonerPista(Image_central, kPistaCara);
    Image_fondopantalla->installEventFilter(this);
    Image_central->installEventFilter(this);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(500);
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, &TForm_muchos_aciertos::Timer1Timer);
    plataforma::PublicarAccesibilidad(this);
}

TForm_muchos_aciertos::~TForm_muchos_aciertos() {
    if (Form_muchos_aciertos == this) Form_muchos_aciertos = nullptr;
}

void TForm_muchos_aciertos::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (!e->spontaneous()) FormShow();
}

void TForm_muchos_aciertos::FormShow() {
    hay_cara_ = false;
    recorrido_.clear();
    Colocar(QRect(0, 0, 0, 0));
    Timer1->start();
}

void TForm_muchos_aciertos::Timer1Timer() {
    Timer1->stop();
    if (!cara_lista) return;
    QString ruta = QStringLiteral("caras/cara%1.bmp").arg(numero_cara);
    if (!ExisteArchivo(ruta)) {
        numero_cara = 1;
        ruta = QStringLiteral("caras/cara1.bmp");
    }
    if (!DibujarCara(ruta)) {
        // Nothing to show: leave at once, and the success notice after us.
        reject();
        return;
    }
    cara_lista = 0;
    ++numero_cara;
}

bool TForm_muchos_aciertos::DibujarCara(const QString& ruta) {
    const QSize pantalla = plataforma::TamanoPantalla();
    const int W = pantalla.width();
    const int H = pantalla.height();
    Colocar(QRect(0, 0, 0, 0));
    repaint();
    const QPixmap cara = DibujoParaPantalla(ruta);
    if (cara.isNull() || cara.width() <= 0 || cara.height() <= 0) return false;
    // The steps and the tiling go by the face's size on screen, so an "@2x"
    // face moves exactly as the ordinary one.
    const QSize tamano = cara.deviceIndependentSize().toSize();
    Image_fondopantalla_tmp->setPixmap(cara);
    Image_fondopantalla_tmp->resize(tamano);
    w_ = tamano.width();
    h_ = tamano.height();

    Image_central->setGeometry(8, 8, 2 * w_, 2 * h_);
    Image_central->setPixmap(cara);
    const int ancho_panel = 2 * w_ + 16;
    const int alto_panel = 2 * h_ + 16;
    Panel_central->setGeometry(W / 2 - ancho_panel / 2, H / 2 - alto_panel / 2, ancho_panel,
                               alto_panel);

    // The face tiled from (1, 1) on white, one face larger than the screen,
    // painted from the face: a screen-sized copy took 6 MB.
    Image_fondopantalla->setGeometry(0, 0, W + w_, H + h_);
    Image_fondopantalla->Poner(cara, Qt::white, QPoint(1, 1));
    hay_cara_ = true;

    for (const QRect& r : PasosEntrada(numero_efecto, W, H, w_, h_)) {
        Colocar(r);
        repaint();
        Esperar(100);
    }
    return true;
}

void TForm_muchos_aciertos::Colocar(const QRect& r) {
    recorrido_.push_back(r);
    // A window is at least one pixel; an empty rectangle shows as that.
    setGeometry(r.left(), r.top(), std::max(r.width(), 1), std::max(r.height(), 1));
}

void TForm_muchos_aciertos::Image_fondopantallaClick() {
    accept();
}

void TForm_muchos_aciertos::keyPressEvent(QKeyEvent* e) {
    e->accept();
    accept();
}

bool TForm_muchos_aciertos::eventFilter(QObject* o, QEvent* e) {
    if (e->type() == QEvent::MouseButtonRelease &&
        (o == Image_fondopantalla || o == Image_central)) {
        Image_fondopantallaClick();
        return true;
    }
    return QDialog::eventFilter(o, e);
}

void TForm_muchos_aciertos::done(int r) {
    Timer1->stop();
    if (hay_cara_) {
        const QSize pantalla = plataforma::TamanoPantalla();
        const QRect desde = recorrido_.empty() ? geometry() : recorrido_.back();
        for (const QRect& paso :
             PasosSalida(numero_efecto, desde, pantalla.width(), pantalla.height(), w_, h_)) {
            Colocar(paso);
            repaint();
            Esperar(100);
        }
    }
    hay_cara_ = false;
    numero_efecto = numero_efecto % kEfectosCara + 1;
    cara_lista = 1;
    QDialog::done(r);
}
