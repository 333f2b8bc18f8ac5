#include "platform/impresoras.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>

namespace plataforma {

bool HayImpresoras() {
    return !QPrinterInfo::availablePrinterNames().isEmpty();
}

void PrepararImpresora(std::unique_ptr<QPrinter>& impresora) {
    if (!impresora || impresora->printerState() == QPrinter::Active)
        impresora = std::make_unique<QPrinter>(QPrinter::HighResolution);
}

bool ProponerArchivoPdf(QPrinter& impresora, const QString& ruta, const QString& anterior) {
    if (HayImpresoras()) return false;
    const QString actual = impresora.outputFileName();
    if (!actual.isEmpty() && actual != anterior) return false;
    // If the folder cannot be made, the dialog still shows the name and
    // the failed start of the job says so.
    QDir().mkpath(QFileInfo(ruta).absolutePath());
    impresora.setOutputFormat(QPrinter::PdfFormat);
    impresora.setOutputFileName(ruta);
    return true;
}

PapelGuardado::PapelGuardado(QPrinter& impresora)
    : impresora_(impresora), diseno_(impresora.pageLayout()), pagina_entera_(impresora.fullPage()) {
}

PapelGuardado::~PapelGuardado() {
    impresora_.setFullPage(pagina_entera_);
    impresora_.setPageLayout(diseno_);
}

} // namespace plataforma
