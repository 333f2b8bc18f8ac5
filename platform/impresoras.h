#pragma once
// The desktop's print queues. With none, Qt prints into a PDF file with no
// name, which cannot be opened; the commands offer a file of their own.
#include <QPageLayout>
#include <QString>
#include <memory>

class QPrinter;

namespace plataforma {

bool HayImpresoras();

// A new high-resolution printer when there is none, or when the last job
// could not start: Qt then leaves the printer "active" for good, and it
// refuses every change the print dialog makes.
void PrepararImpresora(std::unique_ptr<QPrinter>& impresora);

// With no print queue, makes the printer write the PDF file `ruta` (its
// folder is created) before the print dialog shows it; true when it did. A
// name the user chose is kept; `anterior`, the name offered last time, is
// not his.
bool ProponerArchivoPdf(QPrinter& impresora, const QString& ruta,
                        const QString& anterior = QString());

// A report sets its own paper; the printer goes back to the user's choice
// when the command ends, whatever way it ends.
class PapelGuardado {
public:
    explicit PapelGuardado(QPrinter& impresora);
    ~PapelGuardado();
    PapelGuardado(const PapelGuardado&) = delete;
    PapelGuardado& operator=(const PapelGuardado&) = delete;

private:
    QPrinter& impresora_;
    QPageLayout diseno_;
    bool pagina_entera_;
};

} // namespace plataforma
