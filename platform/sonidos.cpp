#include "platform/sonidos.h"

#include <QCoreApplication>
#include <QPointer>
#include <QSoundEffect>
#include <QUrl>
#include <array>

namespace plataforma {
namespace {

constexpr std::array<const char*, 3> kRecursos = {
    "qrc:/sonidos/acierto_cuenta.wav", "qrc:/sonidos/fallo_numero.wav", "qrc:/sonidos/tecla.wav"};

// Owned by the application object, so they go before the audio backend does.
std::array<QPointer<QSoundEffect>, 3>& Efectos() {
    static std::array<QPointer<QSoundEffect>, 3> efectos;
    return efectos;
}

std::function<void(Sonido)> g_observador;

} // namespace

void CargarSonidos() {
    auto& efectos = Efectos();
    for (size_t i = 0; i < efectos.size(); ++i) {
        if (efectos[i]) continue;
        efectos[i] = new QSoundEffect(QCoreApplication::instance());
        efectos[i]->setSource(QUrl(QString::fromLatin1(kRecursos[i])));
    }
}

void Tocar(Sonido s) {
    if (g_observador) g_observador(s);
    auto& efectos = Efectos();
    const auto elegido = static_cast<size_t>(s);
    // Only one sound at a time, as the old single-channel player did. Never
    // wait on isPlaying(): without an audio device it stays true.
    for (size_t i = 0; i < efectos.size(); ++i)
        if (efectos[i] && i != elegido) efectos[i]->stop();
    if (efectos[elegido]) {
        efectos[elegido]->stop();
        efectos[elegido]->play();
    }
}

void FijarObservadorSonidos(std::function<void(Sonido)> o) {
    g_observador = std::move(o);
}

} // namespace plataforma
