#pragma once
// The eight funny faces of the bonus window, caras/cara1.bmp to cara8.bmp;
// `escala` 2 draws the same face with twice the pixels (cara1@2x.bmp).

#include <QImage>

namespace datos {

QImage caraRisa(int escala = 1);
QImage caraLengua(int escala = 1);
QImage caraGuino(int escala = 1);
QImage caraSorpresa(int escala = 1);
QImage caraGafas(int escala = 1);
QImage caraGato(int escala = 1);
QImage caraRana(int escala = 1);
QImage caraMonstruo(int escala = 1);

} // namespace datos
