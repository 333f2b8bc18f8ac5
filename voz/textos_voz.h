#pragma once
// What the game says aloud, as short Spanish sentences, without any window
// or sound: the operation, the step asked for (its question, never its
// answer), notices and turns. Numbers stay as digits; eSpeak reads them.
#include "nucleo/anuncios.h"

#include <QString>

// "456 más 378"; a mental exercise with its hidden term,
// "5 más cuánto es igual a 12".
QString FraseOperacion(const PasoJuzgado& op);
// "Decenas: 5 más 7, y 1 que me llevo."; the operation first when the step
// is the first of a new one.
QString FrasePedido(const PasoPedido& paso);
// A notice's lines as one sentence, spaced and cased for speaking.
QString FraseAviso(const QString& texto);
// "Le toca a Ana."; nothing for one player, whose turn never changes.
QString FraseTurno(const QString& nombre, int jugadores);
