#pragma once
// Worksheets, results pages and the diagnosis of errors written from the
// command line, as PDF (the diagnosis also as CSV), without any window and
// with no display.

#include <QString>
#include <QStringList>

// What is wrong with these arguments (one line of Spanish), or an empty text
// when they ask for something this program does. Reads, writes and runs
// nothing: the options as untrusted input, for the fuzzer.
QString ErrorDeOpciones(const QStringList& args);
// True when the arguments ask for the command line instead of the game.
bool EsLineaDeOrdenes(int argc, char** argv);
// 0: done; 1: a file could not be read or written; 2: a bad option
// (app/salida_ordenes.h).
int EjecutarLineaDeOrdenes(int argc, char** argv);
