#include "arneses_diario.h"

#include "aprendizaje/diario.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace arneses {
namespace {

// Qt loads its SQLite driver only with an application object.
void Aplicacion() {
    static int argc = 1;
    static char nombre[] = "fuzz_diario";
    static char* argv[] = {nombre, nullptr};
    if (!QCoreApplication::instance()) new QCoreApplication(argc, argv);
}

bool Entre(int64_t v, int64_t desde, int64_t hasta) {
    return v >= desde && v <= hasta;
}

std::string Comprobar(const PasoDiario& d) {
    const PasoJuzgado& p = d.paso;
    const VentanaEjercicio* v = BuscarVentanaEjercicio(p.ventana);
    if (!v) return "una ventana que no existe";
    const bool mental = p.que == PasoJuzgado::Que::RespuestaMental;
    if (mental != (v->tipo == CalculoMental)) return "un paso de otra clase de ventana";
    if (!Entre(p.columnas, 0, 4) || !Entre(p.columna, 0, 5)) return "columnas fuera de rango";
    if (!Entre(p.n_operandos, mental ? 3 : 2, 4)) return "operandos que faltan o sobran";
    for (int i = 0; i < p.n_operandos; ++i)
        if (!Entre(p.operandos[size_t(i)], mental ? -1000000 : 0, mental ? 1000000 : 9999))
            return "un operando fuera de rango";
    if (mental && !Entre(p.incognita, 0, 2)) return "una incógnita que no existe";
    if (int(p.metodo) < 1 || int(p.metodo) > 2 || int(p.marcar) < 0 || int(p.marcar) > 2)
        return "un método o un marcado que no existen";
    if (p.tecleado < -1 || d.ms < 0) return "un valor tecleado o un tiempo imposibles";
    if (d.jugador.size() > 200 || d.ordenador.size() > 200) return "un nombre sin límite";
    return {};
}

} // namespace

std::string LecturaDiario(const uint8_t* datos, size_t n) {
    Aplicacion();
    static QTemporaryDir dir;
    const QString ruta = dir.filePath(QStringLiteral("diario-fuzz.sqlite"));
    for (const char* cola : {"", "-wal", "-shm"})
        QFile::remove(ruta + QLatin1String(cola));
    {
        QFile f(ruta);
        if (!f.open(QIODevice::WriteOnly)) return "no se puede escribir el archivo de prueba";
        f.write(reinterpret_cast<const char*>(datos), qint64(n));
    }
    const LecturaDiarios l = LeerDiarios({ruta});
    // A file is read, or named and skipped: nothing of a skipped file is used.
    for (const QString& aviso : l.avisos) {
        if (!aviso.contains(QStringLiteral("diario-fuzz.sqlite")))
            return "un aviso que no nombra el archivo";
        if (!aviso.contains(QStringLiteral("valores imposibles")) && !l.pasos.empty())
            return "pasos leídos de un archivo saltado";
    }
    if (l.avisos.size() > 1) return "más de un aviso para un archivo";
    for (const PasoDiario& d : l.pasos) {
        const std::string fallo = Comprobar(d);
        if (!fallo.empty()) return fallo;
    }
    // Reading leaves the file as it was: other computers' files are theirs.
    QFile f(ruta);
    if (!f.open(QIODevice::ReadOnly)) return "el archivo ha desaparecido";
    const QByteArray despues = f.readAll();
    if (despues != QByteArray(reinterpret_cast<const char*>(datos), qsizetype(n)))
        return "la lectura ha cambiado el archivo";
    return {};
}

} // namespace arneses
