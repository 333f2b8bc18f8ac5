#pragma once
// The game's own pages (help, version) in the desktop's viewer or, when the
// desktop has none, in a window of the program.
class QString;
class QWidget;

namespace plataforma {

// The window belongs to dueno and is reused by the next page.
void MostrarPagina(const QString& ruta, QWidget* dueno);

} // namespace plataforma
