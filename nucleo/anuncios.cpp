#include "nucleo/anuncios.h"

int32_t ValorTecleado(const QString& texto) {
    bool ok = false;
    const int32_t n = texto.toInt(&ok, 10);
    return ok ? n : -1;
}

Anuncios& AnunciosJuego() {
    static Anuncios anuncios;
    return anuncios;
}

void DecirEnVozAlta(const QString& frase) {
    emit AnunciosJuego().Frase(frase);
}
