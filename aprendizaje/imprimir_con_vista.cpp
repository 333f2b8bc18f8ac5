#include "aprendizaje/imprimir_con_vista.h"

#include "platform/impresoras.h"
#include "platform/mensajes.h"
#include "results/archivo_resultados.h"

#include <QDir>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

void ImprimirConVistaPrevia(QWidget* sobre, QPrinter& impresora, const QString& archivo_pdf,
                            const QString& titulo, const QString& texto_error,
                            const std::function<bool(QPrinter&)>& pintar) {
    const QString pdf = QDir(resultados::CarpetaResultados()).filePath(archivo_pdf);
    plataforma::ProponerArchivoPdf(impresora, pdf, pdf);
    {
        QPrintDialog dialogo(&impresora, sobre);
        dialogo.setObjectName(QStringLiteral("PrintDialog1"));
        if (plataforma::EjecutarModal(&dialogo, sobre) != QDialog::Accepted) return;
    }
    plataforma::PapelGuardado papel(impresora);
    bool fallo = !impresora.isValid();
    if (!fallo) {
        QPrintPreviewDialog vista(&impresora, sobre);
        vista.setObjectName(QStringLiteral("Vista_previa"));
        vista.setWindowTitle(titulo);
        vista.resize(800, 900);
        QObject::connect(&vista, &QPrintPreviewDialog::paintRequested, &vista, [&](QPrinter* p) {
            if (!pintar(*p)) fallo = true;
        });
        plataforma::EjecutarModal(&vista, sobre);
    }
    if (fallo) plataforma::AvisarError(texto_error);
}
