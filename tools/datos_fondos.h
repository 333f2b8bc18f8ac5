#pragma once
// The two wallpapers: fondo.bmp, a sky tile, and fondo2.bmp, squared paper.

#include <QImage>

namespace datos {

QImage fondo();
QImage fondoCuaderno();

} // namespace datos
