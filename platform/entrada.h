#pragma once
// Lets long work notice that the user pressed a key or a mouse button
// since it began, without letting that input act on the windows. A modal
// window the work opens meanwhile (its own question) gets its input as usual.
namespace plataforma {

void EmpezarVigilanciaEntrada();
bool HayEntradaPendiente();
// Forgets the input given so far, such as what came with the answer to the
// work's question.
void DescartarEntradaPendiente();
void TerminarVigilanciaEntrada();

} // namespace plataforma
