#pragma once
// Hints: each control's hint is its tooltip, its status tip (which the main
// window shows in its two hint labels) and its accessible description.
#include <QString>

class QApplication;
class QPushButton;
class QWidget;

namespace plataforma {

void PonerPista(QWidget* w, const QString& pista);
// A push button with its objectName and its hint.
QPushButton* BotonConPista(QWidget* padre, const char* nombre, const QString& texto,
                           const QString& pista);
// Screen readers already read a control's text as its name. With
// ZIFRA_A11Y_IDS=1 every named widget publishes its objectName as its
// description instead, for tools that drive the game from outside.
void PublicarAccesibilidad(QWidget* raiz);
// Yellow hints that show at once and hide after five seconds.
void InstalarPistas(QApplication& app);
// A status tip goes no further than its own window: this sends those of
// every other window on to `destino` as well, while it lives.
void ReunirPistasEn(QWidget* destino);

} // namespace plataforma
