#pragma once
// The exercise windows, found by their code, and the choice of the next one.
#include <cstdint>

class QWidget;

// Each exercise window registers itself here once, when it is created.
void RegistrarVentana(int32_t codigo, QWidget* ventana);
QWidget* VentanaDeCodigo(int32_t codigo);

// Hides the exercise window on screen and stops the clock.
void CerrarVentanaActual();
// Shows, without waiting for it, the exercise window of that code.
void MostrarVentana(int32_t codigo);

// Which window play group `grupo` (0..3) opens next for the current play
// mode; flips usar_sumas[grupo] first when player 1 is current.
int32_t ElegirSiguienteVentana(int grupo);

// A play mode that chooses its own exercises (TipoJuego::Repaso) takes
// over every window's next exercise; nullptr gives it back.
void FijarSiguienteDelRepaso(void (*siguiente)());

void SiguienteSinLlevadas();
void SiguienteSumasConLlevadas();
void SiguienteConLlevadas();
void SiguienteCalculoMental();
