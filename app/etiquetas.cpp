#include "app/etiquetas.h"

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
