#include "nucleo/panel_juego.h"

#include "nucleo/servicios.h"
#include "platform/cursores.h"
#include "platform/lector_pantalla.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>

namespace {

// A button named by its label's text, without children: the label is what
// the name says.
class PanelAccesible : public QAccessibleWidget {
public:
    explicit PanelAccesible(PanelJuego* p) : QAccessibleWidget(p, QAccessible::Button) {
        addControllingSignal(QStringLiteral("clic()"));
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return Panel()->Etiqueta()->text().simplified();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.pressed = Panel()->bisel() == PanelJuego::Bisel::Hundido;
        return s;
    }
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& accion) override {
        if (accion == pressAction()) emit Panel()->clic();
    }

private:
    PanelJuego* Panel() const { return static_cast<PanelJuego*>(widget()); }
};

QAccessibleInterface* FabricaPanel(const QString& clase, QObject* o) {
    if (clase == QLatin1String("PanelJuego"))
        if (auto* p = qobject_cast<PanelJuego*>(o)) return new PanelAccesible(p);
    return nullptr;
}

} // namespace

PanelJuego::PanelJuego(const QString& nombre, const QColor& fondo, QLabel* etiqueta,
                       QWidget* parent)
    : QFrame(parent), fondo_(fondo), etiqueta_(etiqueta) {
    setObjectName(nombre);
    setCursor(plataforma::CursorMano());
    setFocusPolicy(Qt::StrongFocus);
    etiqueta->setParent(this);
    etiqueta->setAlignment(Qt::AlignCenter);
    // The panel takes the clicks on its label too.
    etiqueta->setAttribute(Qt::WA_TransparentForMouseEvents);
    QAccessible::installFactory(FabricaPanel);
    plataforma::RehacerAccesible(this);
}

void PanelJuego::PonerFondo(const QColor& fondo, bool liso) {
    fondo_ = fondo;
    liso_ = liso;
    update();
}

void PanelJuego::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = rect();
    if (liso_) {
        // The gradient's light top cuts the caption's contrast.
        p.fillRect(r, fondo_);
        p.setPen(QPen(Qt::black, 3));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(r).adjusted(1.5, 1.5, -1.5, -1.5));
    } else {
        QLinearGradient degradado(r.topLeft(), r.bottomLeft());
        degradado.setColorAt(0, fondo_.lighter(125));
        degradado.setColorAt(1, fondo_.darker(125));
        p.fillRect(r, degradado);
        p.setPen(Qt::black);
        p.drawRect(r.adjusted(0, 0, -1, -1));
    }
    if (hasFocus()) {
        // Seen from afar: where Space and Enter go.
        p.setPen(QPen(Qt::white, 2, Qt::DashLine));
        p.drawRect(r.adjusted(4, 4, -5, -5));
    }
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

void PanelJuego::keyPressEvent(QKeyEvent* e) {
    switch (e->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (e->isAutoRepeat()) return;
        emit clic();
        return;
    default:
        QFrame::keyPressEvent(e);
    }
}

void PanelJuego::focusInEvent(QFocusEvent* e) {
    QFrame::focusInEvent(e);
    update();
}

void PanelJuego::focusOutEvent(QFocusEvent* e) {
    QFrame::focusOutEvent(e);
    update();
}
