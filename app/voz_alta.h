#pragma once
// "Leer en voz alta" and F5 in the main window's menu, kept between runs.
class QAction;
class QObject;

// leer: the checkable item; repetir: says the last sentence again.
void PrepararVozAlta(QAction* leer, QAction* repetir, QObject* dueno);
