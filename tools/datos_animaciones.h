#pragma once
// The three animations: animacion1.gif, animacion2.gif and cmental.gif;
// `escala` 2 draws them with twice the pixels (animacion1@2x.gif).

#include "datos_gif.h"

namespace datos {

Animacion estrellaQueSalta(int escala = 1);
Animacion fuegosArtificiales(int escala = 1);
Animacion bombilla(int escala = 1);

} // namespace datos
