#pragma once
// The eight funny faces of the bonus window, caras/cara1.bmp to cara8.bmp.

#include <QImage>

namespace datos {

QImage caraRisa();
QImage caraLengua();
QImage caraGuino();
QImage caraSorpresa();
QImage caraGafas();
QImage caraGato();
QImage caraRana();
QImage caraMonstruo();

} // namespace datos
