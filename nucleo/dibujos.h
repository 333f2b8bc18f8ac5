#pragma once
// A shipped picture as the screen wants it: on a screen scaled past 100 %
// its "@2x" copy, drawn at twice the pixels, where there is one.
#include <QPixmap>
#include <QString>

// `nombre` in the start folder, "fondo.bmp"; null when it does not load.
QPixmap DibujoParaPantalla(const QString& nombre);
// The path to read for `ruta` (relative: in the start folder): its "@2x"
// copy when the screen is scaled past 100 % and that copy exists, else
// `ruta` itself. Only one of the two is ever decoded.
QString RutaParaPantalla(const QString& ruta);
// "caras/cara1.bmp" -> "caras/cara1@2x.bmp".
QString NombreDoble(const QString& ruta);
