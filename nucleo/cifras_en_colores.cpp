#include "nucleo/cifras_en_colores.h"

#include "nucleo/apariencia.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QLabel>
#include <QPainter>
#include <QStyle>

namespace {
class PintorCifras : public QObject {
public:
    explicit PintorCifras(QLabel* l) : QObject(l) { l->installEventFilter(this); }

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() != QEvent::Paint || !apariencia::ColoresPorPosicion()) return false;
        auto* l = static_cast<QLabel*>(o);
        const QString texto = l->text();
        QPainter p(l);
        p.setFont(l->font());
        const QFontMetricsF medidas(l->font(), l);
        const QRectF caja = QRectF(l->contentsRect());
        const QRectF usado = p.boundingRect(caja, int(l->alignment()), texto);
        int lugar = 0;
        for (const QChar c : texto)
            lugar += c.isDigit();
        qreal x = usado.left();
        for (const QChar c : texto) {
            const int posicion = c.isDigit() ? lugar-- : 0;
            p.setPen(posicion ? apariencia::Color(ColorDePosicion(posicion))
                              : l->palette().color(QPalette::WindowText));
            p.drawText(QPointF(x, usado.top() + medidas.ascent()), QString(c));
            x += medidas.horizontalAdvance(c);
        }
        return true;
    }
};
} // namespace

void CifrasEnColores(QLabel* etiqueta) {
    new PintorCifras(etiqueta);
}
