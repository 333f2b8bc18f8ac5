#include "nucleo/contraste.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {
double Lineal(int canal) {
    const double c = canal / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

constexpr Rgb kVerde = 0x00703C;
constexpr Rgb kAzul = 0x0033CC;
constexpr Rgb kRojo = 0xB00020;

// What the digits sit on.
constexpr Rgb kPapel = 0xD6E6F6; // the squared paper's lines, its darkest part
constexpr Rgb kCajaRespuesta = 0x00FFFF;
constexpr Rgb kCremaMental = 0xFFF6C8;
} // namespace

double Luminancia(Rgb color) {
    return 0.2126 * Lineal((color >> 16) & 0xFF) + 0.7152 * Lineal((color >> 8) & 0xFF) +
           0.0722 * Lineal(color & 0xFF);
}

double RazonContraste(Rgb a, Rgb b) {
    const double la = Luminancia(a), lb = Luminancia(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Rgb ColorDePosicion(int posicion) {
    switch (posicion) {
    case 1:
    case 4:
        return kVerde;
    case 2:
        return kAzul;
    case 3:
        return kRojo;
    default:
        return kNegro;
    }
}

const ParejaColores kParejasContrasteAlto[] = {
    {"cifras", kNegro, kBlanco},
    {"caja de respuesta", kNegro, kBlanco},
    {"borde de la caja", kNegro, kBlanco},
    {"raya del resultado", kNegro, kBlanco},
    {"llevadas y marcas «1»", kRojoMarcaAlto, kBlanco},
    {"marcas «+1» y «-1»", kAzulMarcaAlto, kBlanco},
    {"tachón", kRojoMarcaAlto, kBlanco},
    {"signos", kRojoMarcaAlto, kBlanco},
    {"instrucción", kNegro, kBlanco},
    {"textos de la ventana principal", kNegro, kBlanco},
    {"puntos y aciertos", kAzulMarcaAlto, kBlanco},
    {"fallos y puntos negativos", kRojoMarcaAlto, kBlanco},
    {"paneles de juego", kBlanco, kAzulPanelAlto},
    {"paneles de juego en amarillo", kAmarillo, kAzulPanelAlto},
    {"panel de cálculo mental", kAmarillo, kMagentaPanelAlto},
    {"botón «Comprobación»", kBlanco, kAzulPanelAlto},
    {"pista amarilla", kNegro, kPistaAmarilla},
};
const int kNumParejasContrasteAlto = int(std::size(kParejasContrasteAlto));

const ParejaColores kParejasPosicion[] = {
    {"unidades en blanco", kVerde, kBlanco},
    {"decenas en blanco", kAzul, kBlanco},
    {"centenas en blanco", kRojo, kBlanco},
    {"unidades en papel", kVerde, kPapel},
    {"decenas en papel", kAzul, kPapel},
    {"centenas en papel", kRojo, kPapel},
    {"unidades en la caja", kVerde, kCajaRespuesta},
    {"decenas en la caja", kAzul, kCajaRespuesta},
    {"centenas en la caja", kRojo, kCajaRespuesta},
    {"unidades en crema", kVerde, kCremaMental},
    {"decenas en crema", kAzul, kCremaMental},
    {"centenas en crema", kRojo, kCremaMental},
};
const int kNumParejasPosicion = int(std::size(kParejasPosicion));

const ParejaColores kParejasNormales[] = {
    {"cifras en papel", kNegro, kPapel},
    {"caja de respuesta", 0x0000FF, kCajaRespuesta},
    {"llevadas y marcas «1»", 0xFF0000, kPapel},
    {"marcas «+1» y «-1»", 0x0000FF, kPapel},
    {"tachón", 0x707070, kPapel},
    {"cálculo mental", 0x000080, kCremaMental},
    {"signos del cálculo mental", 0xB00000, kCremaMental},
};
const int kNumParejasNormales = int(std::size(kParejasNormales));
