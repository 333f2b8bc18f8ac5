#include "results/form_puntos.h"

#include "nucleo/persiana.h"
#include "nucleo/servicios.h"
#include "platform/accesibilidad.h"
#include "platform/codepages.h"
#include "platform/escritorio.h"
#include "platform/mensajes.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>

TForm_puntos* Form_puntos = nullptr;

namespace {
QLabel* EtiquetaPuntos(QWidget* padre, const QString& nombre, const QString& texto,
                       const QRect& r) {
    auto* l = new QLabel(texto, padre);
    l->setObjectName(nombre);
    l->setGeometry(r);
    return l;
}

void Colorear(QLabel* l, const QColor& c) {
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, c);
    l->setPalette(p);
}
} // namespace

TForm_puntos::TForm_puntos(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    Form_puntos = this;
    setObjectName(QStringLiteral("Form_puntos"));
    setWindowTitle(QStringLiteral("Control de puntuaciones"));
    completo_ = QSize(420, 430);

    auto* titulo = EtiquetaPuntos(this, QStringLiteral("Label_titulo"),
                                  QStringLiteral("Los  10  mejores"), QRect(0, 8, 420, 32));
    titulo->setAlignment(Qt::AlignCenter);
    QFont grande = titulo->font();
    grande.setPixelSize(20);
    grande.setBold(true);
    titulo->setFont(grande);

    auto* izquierda = new QFrame(this);
    izquierda->setObjectName(QStringLiteral("Panel_nombres"));
    izquierda->setFrameShape(QFrame::StyledPanel);
    izquierda->setGeometry(12, 48, 260, 320);
    auto* derecha = new QFrame(this);
    derecha->setObjectName(QStringLiteral("Panel_puntos"));
    derecha->setFrameShape(QFrame::StyledPanel);
    derecha->setGeometry(280, 48, 128, 320);
    EtiquetaPuntos(izquierda, QStringLiteral("Label_nombres"),
                   QStringLiteral("Nombres de jugadores/as: "), QRect(8, 4, 240, 22));
    EtiquetaPuntos(derecha, QStringLiteral("Label_puntos"), QStringLiteral("Puntos: "),
                   QRect(8, 4, 110, 22));
    for (int i = 0; i < resultados::kFilasMejores; ++i) {
        const int y = 30 + i * 28;
        Label_j[i] = EtiquetaPuntos(izquierda, QStringLiteral("Label_j%1").arg(i + 1), {},
                                    QRect(8, y, 244, 24));
        Label_p[i] = EtiquetaPuntos(derecha, QStringLiteral("Label_p%1").arg(i + 1), {},
                                    QRect(8, y, 110, 24));
        Label_p[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }

    Color95Button_guardar = new QPushButton(QStringLiteral("&Guardar lista"), this);
    Color95Button_guardar->setObjectName(QStringLiteral("Color95Button_guardar"));
    Color95Button_guardar->setGeometry(80, 380, 120, 34);
    Color95Button_cerrar = new QPushButton(QStringLiteral("&Cerrar"), this);
    Color95Button_cerrar->setObjectName(QStringLiteral("Color95Button_cerrar"));
    Color95Button_cerrar->setGeometry(220, 380, 120, 34);
    connect(Color95Button_guardar, &QPushButton::clicked, this,
            &TForm_puntos::Color95Button_guardarClick);
    connect(Color95Button_cerrar, &QPushButton::clicked, this,
            &TForm_puntos::Color95Button_cerrarClick);

    // FormCreate: collapsed to 1 x 1, centred by hand on its full size.
    Timer_persiana = new QTimer(this);
    Timer_persiana->setObjectName(QStringLiteral("Timer_persiana"));
    Timer_persiana->setInterval(1000);
    Timer_persiana->setSingleShot(true);
    connect(Timer_persiana, &QTimer::timeout, this, &TForm_puntos::Timer_persianaTimer);
    resize(1, 1);
    plegado_ = size();
    const QSize pantalla = plataforma::TamanoPantalla();
    move(pantalla.width() / 2 - completo_.width() / 2,
         pantalla.height() / 2 - completo_.height() / 2);
    plataforma::PublicarAccesibilidad(this);
}

TForm_puntos::~TForm_puntos() {
    if (Form_puntos == this) Form_puntos = nullptr;
}

void TForm_puntos::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (!e->spontaneous()) FormShow();
}

void TForm_puntos::FormShow() {
    resultados::LeerMejores(resultados::RutaPuntuaciones(), mejores_);
    Color95Button_guardar->setEnabled(resultados::OfrecerJugadores(mejores_) > 0);
    MostrarLista();
    setWindowState(windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
    Timer_persiana->start();
}

void TForm_puntos::MostrarLista() {
    for (int i = 0; i < resultados::kFilasMejores; ++i) {
        const auto& f = mejores_.filas[i];
        Label_j[i]->setText(plataforma::DesdeCp1252(f.entrada.nombre, kLargoNombrePuntos));
        Label_p[i]->setText(QString::number(f.entrada.puntos));
        QFont letra = Label_j[i]->font();
        letra.setBold(f.nueva);
        letra.setUnderline(f.nueva);
        Label_j[i]->setFont(letra);
        Colorear(Label_j[i], f.nueva ? Qt::red : Qt::black);
        Colorear(Label_p[i], f.nueva ? Qt::red : Qt::blue);
    }
}

void TForm_puntos::Timer_persianaTimer() {
    Timer_persiana->stop();
    AbrirPersiana(this, completo_.width(), completo_.height(), false);
    setFixedSize(size());
}

void TForm_puntos::done(int r) {
    Timer_persiana->stop();
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    CerrarPersiana(this, plegado_.height(), true);
    QDialog::done(r);
}

void TForm_puntos::Color95Button_guardarClick() {
    if (resultados::GuardarMejores(resultados::RutaPuntuaciones(), mejores_) ==
        resultados::GuardadoMejores::Bien) {
        Color95Button_guardar->setEnabled(false);
        return;
    }
    // Also when the file cannot be created: a silent failure looks saved.
    plataforma::Avisar(
        QStringLiteral("Error.\n\nNo se ha podido grabar el archivo de puntuaciones."));
}

void TForm_puntos::Color95Button_cerrarClick() {
    accept();
}

void AbrirLosDiezMejores() {
    VolverAlDirectorioInicial();
    if (Form_puntos) plataforma::EjecutarModal(Form_puntos);
}
