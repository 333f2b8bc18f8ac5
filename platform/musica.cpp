#include "platform/musica.h"

#include <QFile>
#include <fluidsynth.h>

namespace plataforma {

namespace {
// FluidSynth prints every failed driver to stderr; the game reports its own.
void Silenciar() {
    static bool hecho = false;
    if (hecho) return;
    hecho = true;
    for (int nivel : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
        fluid_set_log_function(nivel, nullptr, nullptr);
}
} // namespace

ReproductorMidi::~ReproductorMidi() {
    Cerrar();
}

bool ReproductorMidi::Abrir(const QString& archivo) {
    Cerrar();
    Silenciar();
    const QByteArray ruta = QFile::encodeName(archivo);
    if (!fluid_is_midifile(ruta.constData()) || !QFile::exists(QStringLiteral(ZIFRA_SOUNDFONT)))
        return false;
    ajustes_ = new_fluid_settings();
    synth_ = new_fluid_synth(ajustes_);
    if (!synth_ || fluid_synth_sfload(synth_, ZIFRA_SOUNDFONT, 1) == FLUID_FAILED) {
        Cerrar();
        return false;
    }
    for (const char* nombre : {"pulseaudio", "alsa"}) {
        fluid_settings_setstr(ajustes_, "audio.driver", nombre);
        driver_ = new_fluid_audio_driver(ajustes_, synth_);
        if (driver_) break;
    }
    if (!driver_) {
        Cerrar();
        return false;
    }
    archivo_ = archivo;
    return true;
}

void ReproductorMidi::Tocar() {
    if (!synth_) return;
    Parar();
    // A fresh player each time so the tune always starts from its beginning.
    player_ = new_fluid_player(synth_);
    const QByteArray ruta = QFile::encodeName(archivo_);
    if (!player_ || fluid_player_add(player_, ruta.constData()) == FLUID_FAILED ||
        fluid_player_play(player_) == FLUID_FAILED) {
        Parar();
    }
}

void ReproductorMidi::Parar() {
    if (player_) {
        fluid_player_stop(player_);
        delete_fluid_player(player_);
        player_ = nullptr;
    }
    if (synth_) fluid_synth_all_notes_off(synth_, -1);
}

bool ReproductorMidi::Sonando() const {
    return player_ && fluid_player_get_status(player_) == FLUID_PLAYER_PLAYING;
}

void ReproductorMidi::Cerrar() {
    Parar();
    if (driver_) delete_fluid_audio_driver(driver_);
    if (synth_) delete_fluid_synth(synth_);
    if (ajustes_) delete_fluid_settings(ajustes_);
    driver_ = nullptr;
    synth_ = nullptr;
    ajustes_ = nullptr;
}

} // namespace plataforma
