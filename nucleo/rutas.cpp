#include "nucleo/rutas.h"

#include "nucleo/juego.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QString RutaDeInicio(const QString& ruta) {
    if (QDir::isAbsolutePath(ruta) || juego.directorio_inicial.isEmpty()) return ruta;
    return QDir(juego.directorio_inicial).filePath(ruta);
}

void VolverAlDirectorioInicial() {
    if (!juego.directorio_inicial.isEmpty()) QDir::setCurrent(juego.directorio_inicial);
}

int ExisteArchivo(const QString& ruta) {
    QFile f(RutaDeInicio(ruta));
    if (!QFileInfo(f).isFile() || !f.open(QIODevice::ReadOnly)) return 0;
    f.close();
    return 1;
}

void NombreDeArchivo(const QString& ruta, QString& salida) {
    salida = QFileInfo(ruta).fileName();
}
