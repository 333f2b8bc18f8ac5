#include "platform/ticks.h"

#include <QElapsedTimer>
#include <QThread>

namespace plataforma {
namespace {
bool g_instantaneas = false;
ObservadorEsperas g_observador_esperas;

QElapsedTimer& Reloj() {
    static QElapsedTimer reloj = [] {
        QElapsedTimer r;
        r.start();
        return r;
    }();
    return reloj;
}
} // namespace

uint32_t Ticks() {
    return static_cast<uint32_t>(Reloj().elapsed());
}

void Dormir(uint32_t ms) {
    if (!g_instantaneas) QThread::msleep(ms);
}

void FijarEsperasInstantaneas(bool instantaneas) {
    g_instantaneas = instantaneas;
}
bool EsperasInstantaneas() {
    return g_instantaneas;
}

void FijarObservadorEsperas(ObservadorEsperas o) {
    g_observador_esperas = std::move(o);
}
void AvisarEspera(uint32_t ms) {
    if (g_observador_esperas) g_observador_esperas(ms);
}

} // namespace plataforma
