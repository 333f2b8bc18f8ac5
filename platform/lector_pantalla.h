#pragma once
// What screen readers walk through, where Qt's own reading falls short: the
// digit labels whose window's name already says them, and the pop-up menus
// that Qt leaves out of the accessibility tree.
class QMenu;
class QPushButton;
class QWidget;

namespace plataforma {

// Out of the reader's way: its parent no longer lists it among its children,
// and it reads as invisible.
void OcultarAlLector(QWidget* w);
// The button reads as a menu button, with the menu and its items under it,
// so a reader can reach them and press each item.
void MenuBajoBoton(QPushButton* boton, QMenu* menu);
// Forgets any interface already made for `w`: the next one is asked of the
// factories, which now know what `w` is.
void RehacerAccesible(QWidget* w);

} // namespace plataforma
