#pragma once
// The eight ways the bonus window enters and leaves the screen, as the
// sequence of rectangles it takes. W x H is the screen, w x h the face.
#include <QRect>
#include <vector>

constexpr int kEfectosCara = 8;

// First the rectangle it appears at, then one per step.
std::vector<QRect> PasosEntrada(int efecto, int W, int H, int w, int h);
// One per step, starting from where the entry left it.
std::vector<QRect> PasosSalida(int efecto, QRect desde, int W, int H, int w, int h);
