#pragma once
// Lets long work notice that the user pressed a key or a mouse button
// since it began, without letting that input act on the windows.
namespace plataforma {

void EmpezarVigilanciaEntrada();
bool HayEntradaPendiente();
void TerminarVigilanciaEntrada();

} // namespace plataforma
