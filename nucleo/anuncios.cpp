#include "nucleo/anuncios.h"

Anuncios& AnunciosJuego() {
    static Anuncios anuncios;
    return anuncios;
}
