#include "aprendizaje/vista_ejemplo.h"

#include "aprendizaje/dibujo_ejemplo.h"

#include <QPainter>

namespace {
constexpr int kBorde = 6;

QFont LetraCifras() {
    QFont f;
    f.setPixelSize(26);
    return f;
}
} // namespace

VistaEjemplo::VistaEjemplo(const EsquemaEjemplo& esquema, QWidget* padre)
    : QWidget(padre), esquema_(esquema),
      dibujo_(std::make_unique<DibujoEjemplo>(esquema_, LetraCifras(), this)) {
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

VistaEjemplo::~VistaEjemplo() = default;

QPointF VistaEjemplo::Origen() const {
    return {kBorde, kBorde};
}

QSize VistaEjemplo::sizeHint() const {
    return dibujo_->Tamano().toSize() + QSize(2 * kBorde + 1, 2 * kBorde + 1);
}

void VistaEjemplo::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), Qt::white);
    dibujo_->Dibujar(p, Origen());
}
