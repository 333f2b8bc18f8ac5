#include "arneses.h"

#include "results/archivo_resultados.h"
#include "results/mejores.h"

#include <QBuffer>
#include <QtEndian>
#include <climits>
#include <cstring>
#include <vector>

namespace arneses {
namespace {

using namespace resultados;

std::string Registro(size_t i, const char* que) {
    return "registro " + std::to_string(i) + ": " + que;
}

// A name the names table can hold: ends within its 20 bytes, zeros behind.
bool NombreSano(const char* campo, size_t ancho) {
    const void* nul = std::memchr(campo, 0, kLargoNombrePuntos);
    if (!nul) return false;
    for (size_t i = size_t(static_cast<const char*>(nul) - campo); i < ancho; ++i)
        if (campo[i] != 0) return false;
    return true;
}

} // namespace

std::string LecturaResultados(const uint8_t* datos, size_t n) {
    const QByteArray bytes(reinterpret_cast<const char*>(datos), qsizetype(n));
    for (int maximo : {kMaxRegistrosArchivo, INT_MAX}) {
        QByteArray copia = bytes;
        QBuffer b(&copia);
        b.open(QIODevice::ReadOnly);
        std::vector<ResultsRecord> r;
        const Lectura l = LeerResultados(b, r, maximo);
        if (n < size_t(kLargoRegistro)) {
            if (l != Lectura::ErrorLectura) return "un archivo corto se ha leído";
            continue;
        }
        if (!EsFirma(bytes.constData())) {
            if (l != Lectura::NoEsResultados) return "sin firma y aceptado";
            continue;
        }
        if (l != Lectura::Bien) return "con firma y rechazado";
        const size_t enteros = n / kLargoRegistro - 1;
        if (r.size() != std::min(enteros, size_t(maximo))) return "cuenta de registros";
        for (size_t i = 0; i < r.size(); ++i) {
            const ResultsRecord& x = r[i];
            const char* p = bytes.constData() + (i + 1) * kLargoRegistro;
            if (!NombreSano(x.nombre, kLargoNombreResultados)) return Registro(i, "nombre");
            if (x.anio != qFromLittleEndian<int32_t>(p + 26) || x.dia != uint8_t(p[30]) ||
                x.mes != uint8_t(p[31]))
                return Registro(i, "fecha");
            for (int k = 0; k < kTiposEjercicio; ++k)
                if (x.aciertos[k] < 0 || x.aciertos[k] > kTopeContador || x.fallos[k] < 0 ||
                    x.fallos[k] > kTopeContador)
                    return Registro(i, "contador fuera de 0..32700");
            // Writing what was read and reading it again changes nothing.
            const QByteArray escrito = RegistroParaArchivo(x);
            if (escrito.size() != kLargoRegistro) return Registro(i, "largo al escribir");
            const ResultsRecord y = RegistroDesdeArchivo(escrito.constData());
            if (std::memcmp(&x, &y, sizeof x) != 0) return Registro(i, "ida y vuelta");
        }
    }
    return {};
}

std::string ComprobacionAnadido(const uint8_t* datos, size_t n) {
    if (n == 0) return {};
    const int jugadores = datos[0];
    QByteArray archivo(reinterpret_cast<const char*>(datos + 1), qsizetype(n - 1));
    QBuffer b(&archivo);
    b.open(QIODevice::ReadOnly);
    QByteArray antes;
    const Anadido a = ComprobarAnadido(b, jugadores, antes);
    if (archivo.size() < kLargoRegistro || !EsFirma(archivo.constData())) {
        if (a != Anadido::NoEsResultados) return "sin firma y aceptado";
        return antes.isEmpty() ? std::string() : "sin firma y con datos";
    }
    const qint64 enteros = archivo.size() / kLargoRegistro - 1;
    if (enteros + jugadores > kMaxRegistrosArchivo) {
        if (a != Anadido::MuyLargo) return "más de 50 y aceptado";
        return antes.isEmpty() ? std::string() : "rechazado y con datos";
    }
    if (a != Anadido::Bien) return "cabe y rechazado";
    // What is kept is exactly the header and the whole records, untouched.
    if (antes != archivo.left(kLargoRegistro * (enteros + 1))) return "bytes conservados";
    return {};
}

std::string LecturaPuntuaciones(const uint8_t* datos, size_t n) {
    QByteArray archivo(reinterpret_cast<const char*>(datos), qsizetype(n));
    QBuffer b(&archivo);
    b.open(QIODevice::ReadOnly);
    TablaMejores t;
    LeerMejores(b, t);
    for (int i = 0; i < kFilasMejores; ++i) {
        const ScoreEntry& e = t.filas[i].entrada;
        if (!NombreSano(e.nombre, kLargoNombrePuntos))
            return "fila " + std::to_string(i) + ": nombre";
        const bool leida = size_t(i + 1) * sizeof(ScoreEntry) <= n;
        const int32_t esperados =
            leida ? qFromLittleEndian<int32_t>(archivo.constData() + i * 24 + 20) : 0;
        if (e.puntos != esperados) return "fila " + std::to_string(i) + ": puntos";
        if (!leida && e.nombre[0] != 0)
            return "fila " + std::to_string(i) + ": no leída y con nombre";
        if (t.filas[i].nueva != 0) return "fila " + std::to_string(i) + ": marcada nueva";
    }
    // Saving the list and reading it again gives the same list.
    QByteArray guardado = BytesMejores(t);
    if (guardado.size() != 240) return "largo al guardar";
    QBuffer b2(&guardado);
    b2.open(QIODevice::ReadOnly);
    TablaMejores t2;
    LeerMejores(b2, t2);
    for (int i = 0; i < kFilasMejores; ++i)
        if (std::memcmp(&t.filas[i].entrada, &t2.filas[i].entrada, sizeof(ScoreEntry)) != 0)
            return "fila " + std::to_string(i) + ": ida y vuelta";
    return {};
}

} // namespace arneses
