#pragma once
// A looping GIF89a with one shared palette and one-bit transparency. Qt
// reads GIF but cannot write it.

#include <QByteArray>
#include <QImage>

#include <vector>

namespace datos {

struct Animacion {
    int ancho = 0, alto = 0;
    std::vector<QImage> cuadros; // premultiplied ARGB
    std::vector<int> centesimas; // each frame's delay
};

QByteArray gif(const Animacion& a);

} // namespace datos
