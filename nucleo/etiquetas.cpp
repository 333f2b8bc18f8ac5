#include "nucleo/etiquetas.h"

#include <QEvent>
#include <QFont>
#include <QFontMetrics>
#include <QLabel>

QLabel* EtiquetaCifra(const QString& nombre, QWidget* padre, const QRect& r, int letra,
                      const QColor& color, bool subrayada) {
    auto* l = new QLabel(padre);
    l->setObjectName(nombre);
    l->setGeometry(r);
    l->setAlignment(Qt::AlignCenter);
    QFont f = l->font();
    f.setPixelSize(letra);
    f.setBold(true);
    f.setUnderline(subrayada);
    l->setFont(f);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, color);
    l->setPalette(p);
    return l;
}

QFont LetraQueCabe(QFont letra, const QString& texto, int ancho, int minimo) {
    while (letra.pixelSize() > minimo && QFontMetrics(letra).horizontalAdvance(texto) > ancho)
        letra.setPixelSize(letra.pixelSize() - 1);
    return letra;
}

namespace {
class LetraPendiente : public QObject {
public:
    LetraPendiente(QWidget* w, const QFont& letra) : QObject(w), letra_(letra) {
        w->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Show) {
            o->removeEventFilter(this);
            static_cast<QWidget*>(o)->setFont(letra_);
            deleteLater();
        }
        return false;
    }

private:
    QFont letra_;
};
} // namespace

void LetraAlMostrar(QWidget* w, const QFont& letra) {
    new LetraPendiente(w, letra);
}
