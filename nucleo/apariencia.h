#pragma once
// The display choices as the windows use them: read from the preferences
// the first time a window asks, not at start-up, and announced when the
// player changes them so the windows on screen redraw at once.
#include "nucleo/contraste.h"

#include <QColor>
#include <QObject>

namespace apariencia {

bool ColoresPorPosicion();
bool ContrasteAlto();
// Stored for the next runs as well.
void FijarColoresPorPosicion(bool si);
void FijarContrasteAlto(bool si);

// The colour of a digit at `posicion` (1 = units): its place colour when
// chosen, black in high contrast, otherwise `normal`.
QColor ColorCifra(int posicion, const QColor& normal);
// A mark's colour: darker in high contrast.
QColor ColorMarca(const QColor& normal);
inline QColor Color(Rgb rgb) {
    return QColor::fromRgb(rgb);
}

class Avisador : public QObject {
    Q_OBJECT
signals:
    void cambiada();
};
// Connect to its `cambiada` to follow the choices.
Avisador* Cambios();

} // namespace apariencia
