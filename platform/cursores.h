#pragma once
#include <QCursor>

namespace plataforma {

// The pointing hand of the play panels, from the program's own resources.
QCursor CursorMano();
// Hourglass on / back to the cursor it replaced.
void PonerCursorEspera();
void QuitarCursorEspera();

} // namespace plataforma
