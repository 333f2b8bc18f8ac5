#pragma once
// A shipped picture as the screen wants it: on a screen scaled past 100 %
// its "@2x" copy, drawn at twice the pixels, where there is one.
#include <QPixmap>
#include <QString>

// `nombre` in the start folder, "fondo.bmp"; null when it does not load.
QPixmap DibujoParaPantalla(const QString& nombre);
