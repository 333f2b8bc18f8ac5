#pragma once
// Windows that open in the middle of the screen, whatever its size.
class QWidget;

// Centres a window of its current size on the screen.
void CentrarEnPantalla(QWidget* ventana);
