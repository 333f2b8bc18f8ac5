#include "players/form_acierto.h"

#include "nucleo/anuncios.h"
#include "nucleo/dibujo_estirado.h"
#include "nucleo/dibujos.h"
#include "nucleo/juego.h"
#include "nucleo/servicios.h"
#include "platform/accesibilidad.h"
#include "platform/mensajes.h"
#include "players/form_muchos_aciertos.h"
#include "players/puntuacion.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>

TForm_Acierto* Form_Acierto = nullptr;

TForm_Acierto::TForm_Acierto(QWidget* parent)
    : AvisoModal("Form_Acierto", QStringLiteral("  Aviso de acierto."), QSize(634, 262),
                 QColor(0x00, 0x80, 0xFF), parent) {
    Form_Acierto = this;
    Label1 = new QLabel(QStringLiteral("¡¡ HURRA !!"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(10, 10, 308, 184);
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setMargin(8);
    Label1->setAutoFillBackground(true);
    QFont f = Label1->font();
    f.setPixelSize(18);
    f.setBold(true);
    Label1->setFont(f);
    QPalette p = Label1->palette();
    p.setColor(QPalette::Window, QColor(0x00, 0x00, 0x80));
    p.setColor(QPalette::WindowText, Qt::yellow);
    Label1->setPalette(p);

    Image1 = new DibujoEstirado(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(326, 0, 306, 266);
    Image1->setAlignment(Qt::AlignCenter);

    Color95Button1->setGeometry(104, 208, 120, 36);

    if (ExisteArchivo(QStringLiteral("acierto.bmp"))) {
        const QPixmap dibujo = DibujoParaPantalla(QStringLiteral("acierto.bmp"));
        if (dibujo.isNull())
            plataforma::AvisarError(
                QStringLiteral("\nError.\n\nProblema con archivo de imagen 'acierto.bmp'.\n"));
        else
            Image1->setPixmap(dibujo);
    }
    plataforma::PublicarAccesibilidad(this);
}

TForm_Acierto::~TForm_Acierto() {
    if (Form_Acierto == this) Form_Acierto = nullptr;
}

void TForm_Acierto::FormShow() {
    Label1->setText(QStringLiteral(
        "¡¡ Muy bien !!\n\nEstás jugando tan bien que has ganado 20 puntos más.\n\nPulsa el botón "
        "'Seguir' para ver la cara graciosa que tienes"));
    emit AnunciosJuego().Avisado(Label1->text());
    PremiarATodos();
    juego.contando_tiempo = false;
}

void TForm_Acierto::Color95Button1Click() {
    if (Form_muchos_aciertos) plataforma::EjecutarModal(Form_muchos_aciertos);
    Cerrar();
}
