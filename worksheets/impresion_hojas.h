#pragma once
// The seven commands of the main window's "&Impresión" menu.
#include <QString>
#include <cstdint>

class QAction;
class QPrinter;
class QWidget;

namespace hojas {

// In menu order.
enum class HojaImpresion {
    SumasRestasSinLlevadas,   // Sumasyrestassinllevarse1, kind 2
    SumasConRestasSin,        // SumasCONllevadasrestasSINllevadas1, kind 3
    SumasConRestasSinDificil, // SumasCONRestasSINdificil, kind 4
    SumasRestasConLlevadas,   // SumasyrestasCONllevadas1, kind 13
    SumasRestasConDificil,    // SumasyRestasCONllevadasmsdifcil1, kind 14
    CalculoMentalSimple,      // Clculomentalsimple1
    CalculoMentalCombinado,   // Clculomentalcombinado1
};

extern const QString kMensajeImpresora;

// The sample shown in the pages dialog.
QString MuestraDe(HojaImpresion hoja);
// tipo_hoja of a column worksheet; 0 for the mental ones.
int TipoDe(HojaImpresion hoja);
// The PDF file offered when the desktop has no print queue: one per sheet,
// in the results folder.
QString ArchivoDe(HojaImpresion hoja);

// The whole command: pages dialog, print dialog, report, preview. On a
// failure it shows the printer message and disables the "&Impresión" menu.
// dueno: the window its dialogs belong to.
void ImprimirHoja(HojaImpresion hoja, QWidget* dueno = nullptr);

// The report of a sheet, without dialogs: `largo_zona` in tenths of a
// millimetre. False when the printer could not be opened.
// `colores`: each place's digits in their own colour.
bool ImprimirHojaEn(HojaImpresion hoja, int32_t paginas, int32_t largo_zona, bool con_soluciones,
                    QPrinter& impresora, bool colores = false);

// The menu item that a printer failure disables, set by the window that
// holds it.
void FijarMenuImpresion(QAction* menu);
void DesactivarMenuImpresion();

// The printer of every run; the print dialog's choices stay for the next,
// unless its last job could not start.
QPrinter& ImpresoraHojas();

} // namespace hojas
