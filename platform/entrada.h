#pragma once
// Lets long work notice that the user pressed a key or a mouse button
// since it began, without letting that input act on the windows. A modal
// window the work opens meanwhile (its own question) gets its input as usual.
namespace plataforma {

void EmpezarVigilanciaEntrada();
bool HayEntradaPendiente();
// Once the work's question is answered: forgets the input that came with the
// answer, and the second click of a double click on it.
void DescartarEntradaPendiente();
void TerminarVigilanciaEntrada();

} // namespace plataforma
