#pragma once
// The printed results page: a heading on every page, then one line per
// record with the date, the name, the counters and their totals.
#include "nucleo/juego.h"

#include <QColor>
#include <QSize>
#include <QString>
#include <functional>

class QPrinter;
class QWidget;

namespace resultados {

// What the page is drawn on: the printer, or a recorder in tests.
class LienzoImpresion {
public:
    virtual ~LienzoImpresion() = default;
    virtual QSize Pagina() const = 0; // W and H in device units
    virtual void Fuente(int puntos, bool subrayada) = 0;
    virtual void Color(const QColor& c) = 0;
    virtual QSize Medir(const QString& texto) = 0;
    virtual void Texto(int x, int y, const QString& texto) = 0; // top-left corner
    virtual void Linea(int x1, int y1, int x2, int y2) = 0;
    virtual void NuevaPagina() = 0;
    virtual void Abortar() = 0;  // the printer receives nothing
    virtual void Terminar() = 0; // the document goes to the printer
};

// " 1 (3/May/2002) Ana                     "
QString LineaRegistro(const ResultsRecord& r, int numero);
// "   " for month 0, "Ene".."Dic", "???" for anything else.
QString AbreviaturaMes(int mes);

// Draws a whole job; `siguiente` gives the records in order and false at
// the end. False when the user stopped it.
bool ImprimirLista(LienzoImpresion& lienzo, const QString& segunda_linea,
                   const std::function<bool(ResultsRecord&)>& siguiente);

// When the printer cannot start the job (no queue and no file that can be
// written), the window's two commands show this error.
extern const QString kTextoErrorImpresora;

void ImprimirResultadosActuales(QPrinter& impresora);
// Asks for the file with the open dialog; prints every record, also
// beyond 50, without loading it.
void ImprimirResultadosDeArchivo(QWidget* dueno, QPrinter& impresora);
// Every record of an already checked results file, headed by its name;
// false when it could not be read or the job did not finish.
bool ImprimirArchivoResultados(const QString& ruta, QPrinter& impresora);

} // namespace resultados
