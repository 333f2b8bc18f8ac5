#include "players/form_aviso_error.h"

#include "nucleo/anuncios.h"
#include "platform/accesibilidad.h"
#include "platform/mensajes.h"

#include <QLabel>
#include <QPushButton>

TForm_aviso_error* Form_aviso_error = nullptr;

namespace {
const QString kLinea1 = QStringLiteral("El número que has pulsado NO es correcto.");
const QString kLinea2 = QStringLiteral("Vuelve a calcularlo.");

QLabel* Linea(const char* nombre, const QString& texto, const QRect& r, QWidget* padre) {
    auto* l = new QLabel(texto, padre);
    l->setObjectName(QString::fromLatin1(nombre));
    l->setGeometry(r);
    l->setAlignment(Qt::AlignCenter);
    l->setWordWrap(true);
    QFont f = l->font();
    f.setPixelSize(24);
    f.setBold(true);
    l->setFont(f);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, Qt::yellow);
    l->setPalette(p);
    return l;
}
} // namespace

TForm_aviso_error::TForm_aviso_error(QWidget* parent)
    : AvisoModal("Form_aviso_error", QStringLiteral("  Aviso de fallo"), QSize(476, 225), Qt::red,
                 parent) {
    Form_aviso_error = this;
    Label1 = Linea("Label1", kLinea1, QRect(12, 24, 452, 70), this);
    Label2 = Linea("Label2", kLinea2, QRect(12, 100, 452, 40), this);
    Color95Button1->setGeometry(178, 165, 120, 36);
    plataforma::PublicarAccesibilidad(this);
}

TForm_aviso_error::~TForm_aviso_error() {
    if (Form_aviso_error == this) Form_aviso_error = nullptr;
}

int TForm_aviso_error::Mostrar(QWidget* sobre, const QString& primera, const QString& segunda) {
    Label1->setText(primera.isEmpty() ? kLinea1 : primera);
    Label2->setText(segunda.isEmpty() ? kLinea2 : segunda);
    emit AnunciosJuego().Avisado(Label1->text() + QLatin1Char('\n') + Label2->text());
    const int r = plataforma::EjecutarModal(this, sobre);
    Label1->setText(kLinea1);
    Label2->setText(kLinea2);
    return r;
}
