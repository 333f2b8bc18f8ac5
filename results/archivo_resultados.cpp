#include "results/archivo_resultados.h"

#include "platform/codepages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QtEndian>
#include <algorithm>
#include <cstring>
#include <unistd.h>

namespace resultados {

const char kFirma[] = "KORU SUMARESTA RES";

ResultsRecord NuevaCabecera(const QDate& hoy) {
    ResultsRecord c{};
    std::memcpy(c.nombre, kFirma, sizeof kFirma);
    c.anio = hoy.year();
    c.dia = uint8_t(hoy.day());
    c.mes = uint8_t(hoy.month());
    return c;
}

ResultsRecord cabecera_resultados = NuevaCabecera(QDate::currentDate());

std::string TextoCampo(const char* campo, size_t ancho) {
    const void* nul = std::memchr(campo, 0, ancho);
    return std::string(campo, nul ? size_t(static_cast<const char*>(nul) - campo) : ancho);
}

namespace {

void PonerCampo(char* campo, size_t ancho, const std::string& texto, size_t maximo) {
    std::memset(campo, 0, ancho);
    std::memcpy(campo, texto.data(), std::min(texto.size(), maximo));
}

int32_t Acotar(int32_t v) {
    return std::clamp<int32_t>(v, 0, kTopeContador);
}

void PonerInt(char* p, int32_t v) {
    qToLittleEndian<int32_t>(v, p);
}

} // namespace

bool EsFirma(const char* campo) {
    return TextoCampo(campo, kLargoNombreResultados) == kFirma;
}

QByteArray RegistroParaArchivo(const ResultsRecord& r) {
    QByteArray b(kLargoRegistro, '\0');
    char* p = b.data();
    PonerCampo(p, kLargoNombreResultados,
               plataforma::Cp1252ACp850(TextoCampo(r.nombre, kLargoNombreResultados - 1)),
               kLargoNombreResultados - 1);
    PonerInt(p + 26, r.anio);
    p[30] = char(r.dia);
    p[31] = char(r.mes);
    for (int i = 0; i < kTiposEjercicio; ++i) {
        PonerInt(p + 32 + 4 * i, r.aciertos[i]);
        PonerInt(p + 52 + 4 * i, r.fallos[i]);
    }
    return b;
}

ResultsRecord RegistroDesdeArchivo(const char* p) {
    ResultsRecord r{};
    PonerCampo(r.nombre, kLargoNombreResultados,
               plataforma::Cp850ACp1252(TextoCampo(p, kLargoNombreResultados)),
               kLargoNombrePuntos - 1);
    r.anio = qFromLittleEndian<int32_t>(p + 26);
    r.dia = uint8_t(p[30]);
    r.mes = uint8_t(p[31]);
    for (int i = 0; i < kTiposEjercicio; ++i) {
        r.aciertos[i] = Acotar(qFromLittleEndian<int32_t>(p + 32 + 4 * i));
        r.fallos[i] = Acotar(qFromLittleEndian<int32_t>(p + 52 + 4 * i));
    }
    return r;
}

int64_t SumaContadores(const int32_t (&v)[kTiposEjercicio]) {
    int64_t s = 0;
    for (int32_t x : v)
        s += x;
    return s;
}

Lectura LeerArchivoResultados(const QString& ruta, std::vector<ResultsRecord>& registros,
                              int maximo) {
    registros.clear();
    QFile f(ruta);
    if (!QFileInfo(ruta).isFile() || !f.open(QIODevice::ReadOnly)) return Lectura::ErrorLectura;
    return LeerResultados(f, registros, maximo);
}

Lectura LeerResultados(QIODevice& d, std::vector<ResultsRecord>& registros, int maximo) {
    registros.clear();
    char buffer[kLargoRegistro];
    if (d.read(buffer, kLargoRegistro) != kLargoRegistro) return Lectura::ErrorLectura;
    if (!EsFirma(buffer)) return Lectura::NoEsResultados;
    // Records after the limit are skipped, so a huge file is never read whole.
    while (int(registros.size()) < maximo && d.read(buffer, kLargoRegistro) == kLargoRegistro)
        registros.push_back(RegistroDesdeArchivo(buffer));
    return Lectura::Bien;
}

int ContarRegistros(const QString& ruta) {
    QFile f(ruta);
    if (!f.open(QIODevice::ReadOnly)) return -1;
    char buffer[kLargoRegistro];
    if (f.read(buffer, kLargoRegistro) != kLargoRegistro || !EsFirma(buffer)) return -1;
    return int(std::min<qint64>((f.size() - kLargoRegistro) / kLargoRegistro, INT32_MAX));
}

namespace {
QByteArray Cabecera() {
    // The signature is plain ASCII, so the conversion leaves it as it is.
    return RegistroParaArchivo(cabecera_resultados);
}

} // namespace

// Unbuffered, so a short write shows at once: a buffered one fails only in
// commit()'s final flush, which QSaveFile does not check, and a full disk
// would leave a cut file in place of the old one.
bool AbrirGuardado(QSaveFile& f) {
    return f.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

// fsync reports what the disk refused after write() accepted it; Qt ignores it.
bool Confirmar(QSaveFile& f) {
    if (!f.flush() || f.error() != QFileDevice::NoError) return false;
    if (f.handle() >= 0 && ::fsync(f.handle()) != 0) return false;
    return f.commit();
}

namespace {

bool Grabar(QSaveFile& f, const QByteArray& antes, const ResultsRecord* registros, int n) {
    if (f.write(antes) != antes.size()) return false;
    for (int i = 0; i < n; ++i) {
        const QByteArray b = RegistroParaArchivo(registros[i]);
        if (f.write(b) != b.size()) return false;
    }
    return Confirmar(f);
}
} // namespace

// QSaveFile refuses a read-only file and leaves the old one in place until
// commit() renames the finished temporary file over it.
Escritura EscribirArchivoResultados(const QString& ruta, const ResultsRecord* registros, int n) {
    QSaveFile f(ruta);
    if (!AbrirGuardado(f)) return Escritura::NoSePuedeCrear;
    return Grabar(f, Cabecera(), registros, n) ? Escritura::Bien : Escritura::ErrorAlGrabar;
}

Anadido ComprobarAnadido(QIODevice& viejo, int n, QByteArray& antes) {
    antes.clear();
    const QByteArray cabecera = viejo.read(kLargoRegistro);
    if (cabecera.size() != kLargoRegistro || !EsFirma(cabecera.constData()))
        return Anadido::NoEsResultados;
    // Counted by reading, not by size(): a pipe or a file that shrinks
    // meanwhile must not be trusted.
    if (n > kMaxRegistrosArchivo) return Anadido::MuyLargo;
    antes = cabecera;
    const qint64 limite = qint64(kLargoRegistro) * (kMaxRegistrosArchivo - std::max(n, 0) + 1);
    char buffer[kLargoRegistro];
    qint64 leidos;
    while ((leidos = viejo.read(buffer, kLargoRegistro)) == kLargoRegistro) {
        if (antes.size() + kLargoRegistro > limite) {
            antes.clear();
            return Anadido::MuyLargo;
        }
        antes.append(buffer, kLargoRegistro);
    }
    // Only whole records are kept: new ones written behind a broken tail
    // would never read back.
    if (leidos < 0) {
        antes.clear();
        return Anadido::ErrorAlGrabar;
    }
    return Anadido::Bien;
}

Anadido AnadirArchivoResultados(const QString& ruta, const ResultsRecord* registros, int n) {
    const QFileInfo fi(ruta);
    if (fi.exists()) {
        QFile viejo(ruta);
        if (!fi.isFile() || !viejo.open(QIODevice::ReadOnly)) return Anadido::ErrorAlGrabar;
        QByteArray antes;
        const Anadido a = ComprobarAnadido(viejo, n, antes);
        if (a != Anadido::Bien) return a;
        viejo.close();
        QSaveFile f(ruta);
        if (!AbrirGuardado(f)) return Anadido::ErrorAlGrabar;
        return Grabar(f, antes, registros, n) ? Anadido::Bien : Anadido::ErrorAlGrabar;
    }
    QSaveFile f(ruta);
    if (!AbrirGuardado(f)) return Anadido::NoSePuedeCrear;
    return Grabar(f, Cabecera(), registros, n) ? Anadido::Bien : Anadido::ErrorAlGrabar;
}

QString CarpetaResultados() {
    QString dir = QDir::cleanPath(juego.directorio_inicial);
    const int barra = dir.lastIndexOf(QLatin1Char('/'));
    if (barra > 0)
        dir.truncate(barra);
    else if (barra == 0)
        dir = QStringLiteral("/");
    return QDir(dir).filePath(QStringLiteral("resultad"));
}

} // namespace resultados
