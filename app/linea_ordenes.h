#pragma once
// Worksheets and results pages written as PDF from the command line,
// without any window and with no display.

// True when the arguments ask for the command line instead of the game.
bool EsLineaDeOrdenes(int argc, char** argv);
// 0: done; 1: a file could not be read or written; 2: a bad option.
int EjecutarLineaDeOrdenes(int argc, char** argv);
