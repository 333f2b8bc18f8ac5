#pragma once
// A dialog that opens like a blind pulled down and closes like one rolled up.
class QWidget;

constexpr int kPasoPersiana = 5;

// Width at once, then the height in 5-pixel steps until it reaches the full
// height (it may pass it by up to 4 pixels).
void AbrirPersiana(QWidget* ventana, int ancho, int alto, bool repintar);
// The height in 5-pixel steps until it is no more than the collapsed height.
void CerrarPersiana(QWidget* ventana, int alto_plegado, bool repintar);
