#include "aprendizaje/diario.h"

#include <QDir>
#include <QFile>
#include <QSysInfo>

QString NombreOrdenador() {
    const QString nombre = QSysInfo::machineHostName();
    return nombre.isEmpty() ? QStringLiteral("ordenador") : nombre;
}

QString NombreDiario(const QString& ordenador) {
    // Letters, digits, '-' and '_' only: the name works on any share.
    QString seguro;
    for (QChar c : ordenador.trimmed())
        seguro += (c.isLetterOrNumber() && c.unicode() < 128) || c == u'-' || c == u'_' ? c : u'_';
    if (seguro.isEmpty()) seguro = QStringLiteral("ordenador");
    return QStringLiteral("diario-%1.sqlite").arg(seguro.left(64));
}

bool BorrarDiario(const QString& carpeta) {
    const QString ruta = QDir(carpeta).filePath(NombreDiario(NombreOrdenador()));
    bool bien = true;
    // The log and its index go with the file, or a new file would replay them.
    for (const char* cola : {"-wal", "-shm", ""})
        if (QFile::exists(ruta + QLatin1String(cola)))
            bien = QFile::remove(ruta + QLatin1String(cola)) && bien;
    return bien;
}
