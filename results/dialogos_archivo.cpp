#include "results/dialogos_archivo.h"

#include "platform/mensajes.h"

#include <QFileDialog>
#include <QFileInfo>

namespace resultados {
namespace {
ContestadorArchivo g_contestador;
}

QString PedirArchivo(QWidget* dueno, const PeticionArchivo& p) {
    if (g_contestador) return g_contestador(p);
    QFileDialog d(dueno, p.titulo);
    d.setObjectName(p.guardar ? QStringLiteral("SaveDialog_resultados")
                              : QStringLiteral("OpenDialog_resultados"));
    const QFileInfo inicial(p.inicial);
    // A table for spreadsheets is offered as one; anything else is results.
    const bool csv = inicial.suffix() == QLatin1String("csv");
    d.setNameFilters(
        {csv ? QStringLiteral("Tabla CSV (*.csv)") : QStringLiteral("Resultados cuentas (*.rsr)"),
         QStringLiteral("Todos los archivos (*)")});
    d.setDirectory(inicial.absolutePath());
    if (!inicial.fileName().contains(QLatin1Char('*'))) d.selectFile(inicial.fileName());
    if (p.guardar) {
        d.setAcceptMode(QFileDialog::AcceptSave);
        d.setFileMode(QFileDialog::AnyFile);
        d.setDefaultSuffix(csv ? QStringLiteral("csv") : QStringLiteral("rsr"));
        // No question before replacing a file, as the game always did.
        d.setOption(QFileDialog::DontConfirmOverwrite);
    } else {
        d.setAcceptMode(QFileDialog::AcceptOpen);
        d.setFileMode(QFileDialog::ExistingFile);
    }
    if (plataforma::EjecutarModal(&d) != QDialog::Accepted || d.selectedFiles().isEmpty())
        return {};
    return d.selectedFiles().constFirst();
}

void FijarContestadorArchivo(ContestadorArchivo c) {
    g_contestador = std::move(c);
}

} // namespace resultados
