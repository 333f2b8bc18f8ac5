#pragma once
// acierto.bmp: a happy trophy under a sunburst, with confetti and streamers.

#include <QImage>

namespace datos {

// `escala` 2: the same picture with twice the pixels (acierto@2x.bmp).
QImage dibujoAcierto(int escala = 1);

} // namespace datos
