#pragma once
// acierto.bmp: a happy trophy under a sunburst, with confetti and streamers.

#include <QImage>

namespace datos {

QImage dibujoAcierto();

} // namespace datos
