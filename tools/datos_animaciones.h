#pragma once
// The three animations: animacion1.gif, animacion2.gif and cmental.gif.

#include "datos_gif.h"

namespace datos {

Animacion estrellaQueSalta();
Animacion fuegosArtificiales();
Animacion bombilla();

} // namespace datos
