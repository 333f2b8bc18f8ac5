#pragma once
// Who plays and whose turn it is.
#include <QString>
#include <QStringList>

// Drops blanks and control characters at both ends; inner spaces stay.
QString LimpiarNombre(const QString& texto);

struct AltaJugadores {
    int agregados = 0;
    int rechazados = 0; // names past the 50th player
    int cabian = 0;     // free places before the names were stored
};

// Stores the non-empty names after the players already there; with no
// players it starts a new game first. Ends with player 1 current.
AltaJugadores GuardarJugadores(const QStringList& textos);

void JugadorSiguiente();
void JugadorAnterior();
// After the list of players changed: the first one plays, and whoever shows
// the players hears of it.
void EmpiezaElPrimero();

// What an exercise window does once its operation is finished and
// celebrated: with automatic change the turn passes, as a click on
// "Siguiente >>" would, and then the next exercise of its play group opens.
void FinDeOperacion(void (*siguiente_ejercicio)());
