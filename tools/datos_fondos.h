#pragma once
// The two wallpapers: fondo.bmp, a sky tile, and fondo2.bmp, squared paper.
// `escala` 2 draws the same picture with twice the pixels, for screens
// scaled to 200 % (fondo@2x.bmp, fondo2@2x.bmp).

#include <QImage>

namespace datos {

QImage fondo(int escala = 1);
QImage fondoCuaderno(int escala = 1);

} // namespace datos
