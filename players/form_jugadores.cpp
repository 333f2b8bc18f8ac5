#include "players/form_jugadores.h"

#include "nucleo/juego.h"
#include "nucleo/persiana.h"
#include "platform/accesibilidad.h"
#include "platform/escritorio.h"
#include "platform/mensajes.h"
#include "players/turnos.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>

TForm_jugadores* Form_jugadores = nullptr;

TForm_jugadores::TForm_jugadores(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    Form_jugadores = this;
    setObjectName(QStringLiteral("Form_jugadores"));
    setWindowTitle(QStringLiteral("¿ Quién va a jugar ?"));
    completo_ = QSize(430, 260);
    Timer_persiana = new QTimer(this);
    Timer_persiana->setObjectName(QStringLiteral("Timer_persiana"));
    Timer_persiana->setInterval(1);
    Timer_persiana->setSingleShot(true);
    connect(Timer_persiana, &QTimer::timeout, this, &TForm_jugadores::Timer_persianaTimer);
    resize(1, 1);
    plegado_ = size();
    // Centred by hand on its full size, so it opens in the same place every time.
    const QSize pantalla = plataforma::TamanoPantalla();
    move(pantalla.width() / 2 - completo_.width() / 2,
         pantalla.height() / 2 - completo_.height() / 2);

    Label1 = new QLabel(QStringLiteral("Escribe los nombres de los jugadores/as"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(16, 10, 400, 24);
    QFont grande = Label1->font();
    grande.setPixelSize(15);
    grande.setBold(true);
    Label1->setFont(grande);

    for (int i = 0; i < 10; ++i) {
        const int columna = i / 5;
        const int fila = i % 5;
        const int x = 16 + columna * 205;
        const int y = 44 + fila * 32;
        auto* numero = new QLabel(QStringLiteral("%1-").arg(i + 1), this);
        numero->setObjectName(QStringLiteral("Label_numero%1").arg(i + 1));
        numero->setGeometry(x, y, 28, 24);
        numero->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        auto* caja = new QLineEdit(this);
        caja->setObjectName(QStringLiteral("Edit_jugador%1").arg(i + 1));
        caja->setGeometry(x + 32, y, 160, 24);
        caja->setMaxLength(19);
        numero->setBuddy(caja);
        plataforma::PonerPista(caja, QStringLiteral("Escribe el nombre de un jugador o jugadora"));
        caja->setAccessibleName(QStringLiteral("Jugador %1").arg(i + 1));
        Edit_jugador[i] = caja;
    }

    xpButton2 = new QPushButton(QStringLiteral("&Jugar"), this);
    xpButton2->setObjectName(QStringLiteral("xpButton2"));
    xpButton2->setGeometry(110, 212, 100, 32);
    xpButton2->setDefault(true);
    xpButton1 = new QPushButton(QStringLiteral("&Cancelar"), this);
    xpButton1->setObjectName(QStringLiteral("xpButton1"));
    xpButton1->setGeometry(226, 212, 100, 32);
    connect(xpButton1, &QPushButton::clicked, this, &TForm_jugadores::xpButton1Click);
    connect(xpButton2, &QPushButton::clicked, this, &TForm_jugadores::xpButton2Click);
    plataforma::PublicarAccesibilidad(this);
}

TForm_jugadores::~TForm_jugadores() {
    if (Form_jugadores == this) Form_jugadores = nullptr;
}

void TForm_jugadores::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (!e->spontaneous()) FormShow();
}

void TForm_jugadores::FormShow() {
    for (QLineEdit* caja : Edit_jugador)
        caja->clear();
    Edit_jugador1->setFocus();
    setWindowState(windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
    Timer_persiana->start();
}

void TForm_jugadores::Timer_persianaTimer() {
    Timer_persiana->stop();
    AbrirPersiana(this, completo_.width(), completo_.height(), false);
    // A fixed border once open: the blind is the only thing that resizes it.
    setFixedSize(size());
}

void TForm_jugadores::done(int r) {
    Timer_persiana->stop();
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    CerrarPersiana(this, plegado_.height(), true);
    QDialog::done(r);
}

void TForm_jugadores::xpButton1Click() {
    reject();
}

void TForm_jugadores::xpButton2Click() {
    QStringList textos;
    for (QLineEdit* caja : Edit_jugador)
        textos << caja->text();
    const AltaJugadores alta = GuardarJugadores(textos);
    if (alta.rechazados > 0)
        plataforma::Informar(
            alta.cabian > 0
                ? QStringLiteral(
                      "\nEn el juego caben %1 jugadores como máximo.\nSólo quedaba sitio "
                      "para %2 más: los demás nombres no se han añadido.\n")
                      .arg(kMaxJugadores)
                      .arg(alta.cabian)
                : QStringLiteral("\nEn el juego caben %1 jugadores como máximo, y ya están "
                                 "todos.\nNo se ha añadido ningún nombre.\n")
                      .arg(kMaxJugadores));
    accept();
}
