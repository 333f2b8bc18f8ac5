#include "nucleo/persiana.h"

#include <QWidget>

namespace {
void Normal(QWidget* v) {
    v->setWindowState(v->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
}
} // namespace

void AbrirPersiana(QWidget* ventana, int ancho, int alto, bool repintar) {
    Normal(ventana);
    ventana->resize(ancho, ventana->height());
    ventana->repaint();
    while (ventana->height() < alto) {
        ventana->resize(ventana->width(), ventana->height() + kPasoPersiana);
        if (repintar) ventana->repaint();
    }
}

void CerrarPersiana(QWidget* ventana, int alto_plegado, bool repintar) {
    Normal(ventana);
    while (ventana->height() > alto_plegado) {
        const int antes = ventana->height();
        ventana->resize(ventana->width(), antes - kPasoPersiana);
        // A window that will not shrink further (its minimum size) ends the roll.
        if (ventana->height() >= antes) break;
        if (repintar) ventana->repaint();
    }
}
