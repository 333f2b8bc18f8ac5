#pragma once
// The game reads its pictures, music and pages from the folder it started
// in, whatever folder a file dialog left current since.
#include <QString>

// Relative paths are taken from the directory the program started in.
QString RutaDeInicio(const QString& ruta);
void VolverAlDirectorioInicial();
// 1 when the file opens for reading; relative paths as RutaDeInicio.
int ExisteArchivo(const QString& ruta);
// Name and extension of a path, without its directory.
void NombreDeArchivo(const QString& ruta, QString& salida);
