#pragma once
// Worksheets, results pages and the diagnosis of errors written from the
// command line, as PDF (the diagnosis also as CSV), without any window and
// with no display.

// True when the arguments ask for the command line instead of the game.
bool EsLineaDeOrdenes(int argc, char** argv);
// 0: done; 1: a file could not be read or written; 2: a bad option
// (app/salida_ordenes.h).
int EjecutarLineaDeOrdenes(int argc, char** argv);
