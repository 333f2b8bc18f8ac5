#include "results/mejores.h"

#include "nucleo/rutas.h"
#include "platform/codepages.h"
#include "results/archivo_resultados.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QtEndian>
#include <algorithm>
#include <cstring>

namespace resultados {

QString directorio_puntuaciones;

QString RutaPuntuaciones() {
    return RutaDeInicio(directorio_puntuaciones + QStringLiteral("puntos.zfr"));
}

namespace {
constexpr int kLargoFila = int(sizeof(ScoreEntry));

void PonerNombre(char* campo, const std::string& texto) {
    std::memset(campo, 0, kLargoNombrePuntos);
    std::memcpy(campo, texto.data(), std::min<size_t>(texto.size(), kLargoNombrePuntos - 1));
}
} // namespace

void LeerMejores(const QString& ruta, TablaMejores& t) {
    t = TablaMejores{};
    QFile f(ruta);
    if (!QFileInfo(ruta).isFile() || !f.open(QIODevice::ReadOnly)) return;
    LeerMejores(f, t);
}

void LeerMejores(QIODevice& d, TablaMejores& t) {
    t = TablaMejores{};
    char fila[kLargoFila];
    for (auto& m : t.filas) {
        if (d.read(fila, kLargoFila) != kLargoFila) break;
        PonerNombre(m.entrada.nombre,
                    plataforma::Cp850ACp1252(TextoCampo(fila, kLargoNombrePuntos)));
        m.entrada.puntos = qFromLittleEndian<int32_t>(fila + kLargoNombrePuntos);
    }
}

int OfrecerPuntos(TablaMejores& t, const char* nombre, int32_t puntos) {
    for (int i = 0; i < kFilasMejores; ++i) {
        if (t.filas[i].entrada.puntos < puntos) {
            std::move_backward(t.filas + i, t.filas + kFilasMejores - 1, t.filas + kFilasMejores);
            FilaMejores& f = t.filas[i];
            PonerNombre(f.entrada.nombre, TextoCampo(nombre, kLargoNombrePuntos));
            f.entrada.puntos = puntos;
            f.nueva = 1;
            return i;
        }
    }
    return -1;
}

int OfrecerJugadores(TablaMejores& t) {
    int entraron = 0;
    const int n = std::clamp<int32_t>(juego.num_jugadores, 0, kMaxJugadores);
    if (n >= 2 && OfrecerPuntos(t, juego.puntos[0].nombre, juego.puntos[0].puntos) >= 0) ++entraron;
    for (int k = 1; k <= n; ++k)
        if (OfrecerPuntos(t, juego.puntos[k].nombre, juego.puntos[k].puntos) >= 0) ++entraron;
    return entraron;
}

QByteArray BytesMejores(const TablaMejores& t) {
    QByteArray b(kLargoFila * kFilasMejores, '\0');
    for (int i = 0; i < kFilasMejores; ++i) {
        char* fila = b.data() + i * kLargoFila;
        PonerNombre(fila, plataforma::Cp1252ACp850(
                              TextoCampo(t.filas[i].entrada.nombre, kLargoNombrePuntos)));
        qToLittleEndian<int32_t>(t.filas[i].entrada.puntos, fila + kLargoNombrePuntos);
    }
    return b;
}

GuardadoMejores GuardarMejores(const QString& ruta, const TablaMejores& t) {
    const QByteArray b = BytesMejores(t);
    QSaveFile f(ruta);
    if (!AbrirGuardado(f)) return GuardadoMejores::NoSePuedeCrear;
    if (f.write(b) != b.size() || !Confirmar(f)) return GuardadoMejores::ErrorAlGrabar;
    return GuardadoMejores::Bien;
}

} // namespace resultados
