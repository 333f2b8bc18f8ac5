#include "aprendizaje/letra_impresa.h"

QFont LetraImpresa(qreal puntos, bool negrita) {
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPointSizeF(puntos);
    f.setBold(negrita);
    return f;
}
