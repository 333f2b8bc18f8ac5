#pragma once
#include <QPoint>
#include <QString>
#include <vector>

// Where copies of a w x h picture go to cover a W x H image: the first row
// starts at (primera_x, y0), every later row at x = 1, and a row ends only
// once x has gone past W (so the last row may start just below the image,
// unseen). Empty for an empty picture.
std::vector<QPoint> PosicionesMosaico(int ancho_imagen, int alto_imagen, int w, int h,
                                      int primera_x = 0, int y0 = 0);

// Tiles a picture file over the main window's background.
void CargarFondo(const QString& ruta);
