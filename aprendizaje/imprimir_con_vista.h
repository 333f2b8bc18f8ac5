#pragma once
// The teacher's pages: the print dialog (a PDF in the results folder offered
// when there is no printer), then the preview, which prints; a failure is
// told once with `texto_error`.
#include <QString>
#include <functional>

class QPrinter;
class QWidget;

void ImprimirConVistaPrevia(QWidget* sobre, QPrinter& impresora, const QString& archivo_pdf,
                            const QString& titulo, const QString& texto_error,
                            const std::function<bool(QPrinter&)>& pintar);
