#pragma once
// Colours of the inclusive display, without any window: the place colours
// and the high-contrast set, and the WCAG 2.1 contrast ratio that checks
// them. Colours are 0xRRGGBB so the rules need no Qt Gui.
#include <cstdint>

using Rgb = uint32_t;

// WCAG 2.1 relative luminance (0 black .. 1 white) and contrast ratio (1 .. 21).
double Luminancia(Rgb color);
double RazonContraste(Rgb a, Rgb b);
// AA for normal text; the digits are large, but the marks are not.
constexpr double kContrasteAA = 4.5;

// The classroom's colours (units green, tens blue, hundreds red, thousands
// green again), darkened until each passes AA on white (printed sheets),
// on the squared paper's lines, on the cyan answer box and on the mental
// window's cream.
// `posicion`: 1 = units; anything else is black.
Rgb ColorDePosicion(int posicion);

// High contrast: dark on plain white, marks darker than the usual red.
constexpr Rgb kNegro = 0x000000;
constexpr Rgb kBlanco = 0xFFFFFF;
constexpr Rgb kRojoMarcaAlto = 0xB00000;
constexpr Rgb kAzulMarcaAlto = 0x0033CC;
// The main window's play panels in high contrast: plain, dark enough for
// their white and yellow captions.
constexpr Rgb kAzulPanelAlto = 0x0033CC;
constexpr Rgb kMagentaPanelAlto = 0x800080;
constexpr Rgb kAmarillo = 0xFFFF00;
constexpr Rgb kPistaAmarilla = 0xFFFF80;

// A text or mark and what lies under it, as the game shows them.
struct ParejaColores {
    const char* que;
    Rgb texto;
    Rgb fondo;
};
// Everything high contrast shows.
extern const ParejaColores kParejasContrasteAlto[];
extern const int kNumParejasContrasteAlto;
// Place colours on every background they meet, high contrast or not.
extern const ParejaColores kParejasPosicion[];
extern const int kNumParejasPosicion;
// The usual display, for the record: not all of it passes.
extern const ParejaColores kParejasNormales[];
extern const int kNumParejasNormales;
