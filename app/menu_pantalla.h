#pragma once
// The display choices of "&Configuración": size, place colours and high
// contrast, ticked as stored and kept when changed.
class QWidget;

// `ventana` holds the menu's actions under their table names.
void ConectarMenuPantalla(QWidget* ventana);
// Said when a new size is chosen: Qt sets the scale once, at start-up.
extern const char* const kAvisoTamano;
