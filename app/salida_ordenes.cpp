#include "app/salida_ordenes.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <cstdio>

QString UnaLinea(const QString& texto) {
    QString limpio = texto;
    for (QChar& c : limpio)
        if (c.category() == QChar::Other_Control) c = u'?';
    return limpio;
}

void ErrorOrden(const QString& texto) {
    std::fputs(QStringLiteral("zifra: %1\n").arg(UnaLinea(texto)).toLocal8Bit().constData(),
               stderr);
}

bool EscribirPorTemporal(const QString& destino,
                         const std::function<bool(const QString& temporal)>& escribir) {
    const QString temporal =
        QStringLiteral("%1.%2.tmp").arg(destino).arg(QCoreApplication::applicationPid());
    const bool bien = escribir(temporal) && QFileInfo(temporal).size() > 0 &&
                      std::rename(QFile::encodeName(temporal).constData(),
                                  QFile::encodeName(destino).constData()) == 0;
    if (!bien) QFile::remove(temporal);
    return bien;
}

bool EscribirPdf(const QString& destino, const std::function<bool(QPrinter&)>& dibujar) {
    return EscribirPorTemporal(destino, [&](const QString& temporal) {
        // The PDF is complete once the printer is gone.
        QPrinter impresora(QPrinter::HighResolution);
        impresora.setOutputFormat(QPrinter::PdfFormat);
        impresora.setOutputFileName(temporal);
        return dibujar(impresora);
    });
}
