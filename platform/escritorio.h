#pragma once
// Desktop services: opening a document with its viewer, the taskbar flash
// and the screen size. Each has a seam so tests need no desktop.
#include <QSize>
#include <QString>
#include <functional>

class QWidget;

namespace plataforma {

// Hands a file to the desktop's viewer; false when nothing could open it.
bool AbrirDocumento(const QString& ruta);
void ParpadearBarraTareas(QWidget* ventana);
QSize TamanoPantalla();

void FijarAbridorDocumentos(std::function<bool(const QString&)> f);
void FijarObservadorParpadeo(std::function<void(QWidget*)> f);
// An empty size goes back to the real screen.
void FijarTamanoPantalla(QSize tamano);

} // namespace plataforma
