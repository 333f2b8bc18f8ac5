#include "nucleo/juego.h"

#include "platform/codepages.h"

#include <QDate>
#include <QDir>
#include <QPointer>
#include <algorithm>
#include <cstring>
#include <vector>

GameState juego;

const VentanaEjercicio kVentanasEjercicio[10] = {
    {VentanaSumas3b, "TForm_sumas3b", SumasSinLlevar},
    {VentanaSumas4b, "TForm_sumas4b", SumasConLlevadas},
    {VentanaSumas5, "TForm_sumas5", SumasConLlevadas},
    {VentanaSumas5b, "TForm_sumas5b", SumasConLlevadas},
    {VentanaRestas3, "TForm_restas3", RestasSinLlevar},
    {VentanaRestas3b, "TForm_restas3b", RestasSinLlevar},
    {VentanaRestas4b, "TForm_restas4b", RestasConLlevadas},
    {VentanaRestas5, "TForm_restas5", RestasConLlevadas},
    {VentanaCmental1, "TForm_cmental1", CalculoMental},
    {VentanaCmental2, "TForm_cmental2", CalculoMental},
};

const ModoJuego kModosJuego[6] = {
    {TipoJuego::SinLlevadas, VentanaSumas3b, VentanaRestas3, 0},
    {TipoJuego::SumasConLlevadas, VentanaSumas4b, VentanaRestas3b, 1},
    {TipoJuego::SumasConLlevadasDificil, VentanaSumas5, VentanaRestas3b, 1},
    {TipoJuego::ConLlevadas, VentanaSumas5, VentanaRestas4b, 2},
    {TipoJuego::ConLlevadasDificil, VentanaSumas5b, VentanaRestas5, 2},
    {TipoJuego::CalculoMental, VentanaCmental1, VentanaCmental2, 3},
};

const VentanaEjercicio* BuscarVentanaEjercicio(int32_t codigo) {
    for (const auto& v : kVentanasEjercicio)
        if (v.codigo == codigo) return &v;
    return nullptr;
}

const ModoJuego* BuscarModoJuego(TipoJuego tipo_juego) {
    for (const auto& m : kModosJuego)
        if (m.tipo_juego == tipo_juego) return &m;
    return nullptr;
}

namespace {
struct Oyente {
    QPointer<QObject> dueno;
    std::function<void()> f;
};
std::vector<Oyente>& OyentesResultados() {
    static std::vector<Oyente> v;
    return v;
}
std::vector<Oyente>& OyentesContadores() {
    static std::vector<Oyente> v;
    return v;
}
void Avisar(std::vector<Oyente>& oyentes) {
    oyentes.erase(std::remove_if(oyentes.begin(), oyentes.end(),
                                 [](const Oyente& o) { return o.dueno.isNull(); }),
                  oyentes.end());
    for (auto& o : oyentes)
        o.f();
}

// Copies CP1252 bytes, always leaving room for the terminating NUL.
void CopiarNombre(char* destino, size_t ancho, const std::string& bytes) {
    std::memset(destino, 0, ancho);
    std::memcpy(destino, bytes.data(), std::min(bytes.size(), ancho - 1));
}
} // namespace

void IniciarJuego() {
    juego = GameState{};
    juego.unidad_inicial = 0;
    juego.directorio_inicial = QDir::currentPath();
    juego.num_jugadores = 1;
    juego.jugador_actual = 1;
    PonerNombreJugador(1, QStringLiteral("Sin nombre"));
}

void PonerNombreJugador(int k, const QString& nombre) {
    if (k < 1 || k > kMaxJugadores) return;
    const std::string bytes = plataforma::ACp1252(nombre);
    CopiarNombre(juego.jugadores[k - 1].nombre, kLargoNombreResultados, bytes);
    CopiarNombre(juego.puntos[k].nombre, kLargoNombrePuntos, bytes);
}

QString NombreJugador(int k) {
    if (k < 1 || k > kMaxJugadores) return {};
    return plataforma::DesdeCp1252(juego.jugadores[k - 1].nombre, kLargoNombreResultados);
}

void BorrarResultados() {
    const QDate hoy = QDate::currentDate();
    for (auto& r : juego.jugadores) {
        r = ResultsRecord{};
        r.anio = hoy.year();
        r.dia = static_cast<uint8_t>(hoy.day());
        r.mes = static_cast<uint8_t>(hoy.month());
    }
    juego.num_jugadores = 0;
    juego.jugador_actual = 0;
    juego.resultados_guardados = true;
    juego.archivo_valido = false;
    Avisar(OyentesResultados());
}

void BorrarNombres() {
    for (auto& p : juego.puntos)
        p = ScoreEntry{};
    CopiarNombre(juego.puntos[0].nombre, kLargoNombrePuntos, "Grupo sin nombre");
}

void BorrarContadoresVentanas() {
    Avisar(OyentesContadores());
}

void NuevoJuegoSinJugadores() {
    BorrarResultados();
    BorrarNombres();
    BorrarContadoresVentanas();
}

void AlBorrarResultados(QObject* dueno, std::function<void()> f) {
    OyentesResultados().push_back({dueno, std::move(f)});
}
void AlBorrarContadoresVentanas(QObject* dueno, std::function<void()> f) {
    OyentesContadores().push_back({dueno, std::move(f)});
}
