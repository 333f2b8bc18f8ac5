#pragma once
class QApplication;

// Spanish for Qt's own dialogs and buttons, the hints and the icon.
void PrepararAplicacion(QApplication& app);
// Creates every window in start-up order; the main window first.
void CrearVentanas();
// The whole program: prepares, creates the windows, shows the main one
// maximised and runs the message loop.
int EjecutarZifra(int argc, char** argv);
