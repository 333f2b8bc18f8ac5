#pragma once
// What every command-line order shares: its exit codes, its error line on
// stderr, and output written whole or not at all.
#include <QString>
#include <functional>

class QPrinter;

constexpr int kMalArchivo = 1; // a file could not be read or written
constexpr int kMalaOpcion = 2; // a bad option: nothing is written

// "zifra: texto" on stderr.
// Control characters (a typed Escape, a carriage return) as "?": what is
// echoed from the arguments or from file names cannot drive the terminal.
QString UnaLinea(const QString& texto);
void ErrorOrden(const QString& texto);

// `escribir` fills a temporary file beside `destino`, which is then renamed
// onto it: a failure leaves no partial file and keeps any older one.
bool EscribirPorTemporal(const QString& destino,
                         const std::function<bool(const QString& temporal)>& escribir);
// The same for a PDF drawn on a high-resolution printer.
bool EscribirPdf(const QString& destino, const std::function<bool(QPrinter&)>& dibujar);
