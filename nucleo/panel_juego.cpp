#include "nucleo/panel_juego.h"

#include "nucleo/servicios.h"
#include "platform/cursores.h"

#include <QLabel>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>

PanelJuego::PanelJuego(const QString& nombre, const QColor& fondo, QLabel* etiqueta,
                       QWidget* parent)
    : QFrame(parent), fondo_(fondo) {
    setObjectName(nombre);
    setCursor(plataforma::CursorMano());
    etiqueta->setParent(this);
    etiqueta->setAlignment(Qt::AlignCenter);
    // The panel takes the clicks on its label too.
    etiqueta->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void PanelJuego::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = rect();
    QLinearGradient degradado(r.topLeft(), r.bottomLeft());
    degradado.setColorAt(0, fondo_.lighter(125));
    degradado.setColorAt(1, fondo_.darker(125));
    p.fillRect(r, degradado);
    p.setPen(Qt::black);
    p.drawRect(r.adjusted(0, 0, -1, -1));
    if (bisel_ == Bisel::Ninguno) return;
    const QRect dentro = r.adjusted(1, 1, -2, -2);
    const QColor luz = bisel_ == Bisel::Levantado ? QColor(Qt::white) : QColor(Qt::darkGray);
    const QColor sombra = bisel_ == Bisel::Levantado ? QColor(Qt::darkGray) : QColor(Qt::white);
    p.setPen(luz);
    p.drawLine(dentro.topLeft(), dentro.topRight());
    p.drawLine(dentro.topLeft(), dentro.bottomLeft());
    p.setPen(sombra);
    p.drawLine(dentro.bottomLeft(), dentro.bottomRight());
    p.drawLine(dentro.topRight(), dentro.bottomRight());
}

void PanelJuego::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    bisel_ = Bisel::Hundido;
    repaint();
    Esperar(100);
}

void PanelJuego::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    bisel_ = Bisel::Levantado;
    repaint();
    if (rect().contains(e->position().toPoint())) emit clic();
}
