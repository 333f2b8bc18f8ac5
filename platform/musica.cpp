#include "platform/musica.h"

#include "platform/biblioteca.h"

#include <QFile>
#include <QLibrary>
#include <fluidsynth.h>

namespace plataforma {

namespace {
// FluidSynth and the forty libraries behind it are loaded the first time the
// music is opened, not with the program: the main window then shows sooner.
struct Fluid {
    decltype(&::fluid_set_log_function) set_log_function = nullptr;
    decltype(&::fluid_is_midifile) is_midifile = nullptr;
    decltype(&::new_fluid_settings) new_settings = nullptr;
    decltype(&::delete_fluid_settings) delete_settings = nullptr;
    decltype(&::fluid_settings_setstr) settings_setstr = nullptr;
    decltype(&::fluid_settings_setint) settings_setint = nullptr;
    decltype(&::new_fluid_synth) new_synth = nullptr;
    decltype(&::delete_fluid_synth) delete_synth = nullptr;
    decltype(&::fluid_synth_sfload) synth_sfload = nullptr;
    decltype(&::fluid_synth_all_notes_off) synth_all_notes_off = nullptr;
    decltype(&::new_fluid_audio_driver) new_audio_driver = nullptr;
    decltype(&::delete_fluid_audio_driver) delete_audio_driver = nullptr;
    decltype(&::new_fluid_player) new_player = nullptr;
    decltype(&::delete_fluid_player) delete_player = nullptr;
    decltype(&::fluid_player_add) player_add = nullptr;
    decltype(&::fluid_player_play) player_play = nullptr;
    decltype(&::fluid_player_stop) player_stop = nullptr;
    decltype(&::fluid_player_get_status) player_get_status = nullptr;
};

// nullptr when the library or one of its functions is missing; the game then
// plays without music, as with no audio device.
const Fluid* Cargar() {
    static const Fluid* cargada = []() -> const Fluid* {
        static QLibrary biblioteca(QStringLiteral("fluidsynth"), 3);
        static Fluid f;
        if (!biblioteca.load()) return nullptr;
        const bool todo =
            Resolver(biblioteca, "fluid_set_log_function", f.set_log_function) &&
            Resolver(biblioteca, "fluid_is_midifile", f.is_midifile) &&
            Resolver(biblioteca, "new_fluid_settings", f.new_settings) &&
            Resolver(biblioteca, "delete_fluid_settings", f.delete_settings) &&
            Resolver(biblioteca, "fluid_settings_setstr", f.settings_setstr) &&
            Resolver(biblioteca, "fluid_settings_setint", f.settings_setint) &&
            Resolver(biblioteca, "new_fluid_synth", f.new_synth) &&
            Resolver(biblioteca, "delete_fluid_synth", f.delete_synth) &&
            Resolver(biblioteca, "fluid_synth_sfload", f.synth_sfload) &&
            Resolver(biblioteca, "fluid_synth_all_notes_off", f.synth_all_notes_off) &&
            Resolver(biblioteca, "new_fluid_audio_driver", f.new_audio_driver) &&
            Resolver(biblioteca, "delete_fluid_audio_driver", f.delete_audio_driver) &&
            Resolver(biblioteca, "new_fluid_player", f.new_player) &&
            Resolver(biblioteca, "delete_fluid_player", f.delete_player) &&
            Resolver(biblioteca, "fluid_player_add", f.player_add) &&
            Resolver(biblioteca, "fluid_player_play", f.player_play) &&
            Resolver(biblioteca, "fluid_player_stop", f.player_stop) &&
            Resolver(biblioteca, "fluid_player_get_status", f.player_get_status);
        if (!todo) return nullptr;
        // FluidSynth prints every failed driver to stderr; the game reports its own.
        for (int nivel : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
            f.set_log_function(nivel, nullptr, nullptr);
        return &f;
    }();
    return cargada;
}
} // namespace

ReproductorMidi::~ReproductorMidi() {
    Cerrar();
}

bool ReproductorMidi::Abrir(const QString& archivo) {
    Cerrar();
    const Fluid* fl = Cargar();
    if (!fl) return false;
    const QByteArray ruta = QFile::encodeName(archivo);
    if (!fl->is_midifile(ruta.constData()) || !QFile::exists(QStringLiteral(ZIFRA_SOUNDFONT)))
        return false;
    ajustes_ = fl->new_settings();
    // The tunes are a few instruments at a time; 256 voices would keep 2 MB
    // of buffers for nothing.
    fl->settings_setint(ajustes_, "synth.polyphony", kVoces);
    synth_ = fl->new_synth(ajustes_);
    // The device is tried before the 13 MB soundfont is read, so a computer
    // with no sound does not keep it for music that cannot play.
    if (!synth_ || !ArrancarAudio()) {
        Cerrar();
        return false;
    }
    PararAudio();
    if (fl->synth_sfload(synth_, ZIFRA_SOUNDFONT, 1) == FLUID_FAILED || !ArrancarAudio()) {
        Cerrar();
        return false;
    }
    archivo_ = archivo;
    return true;
}

bool ReproductorMidi::ArrancarAudio() {
    const Fluid* fl = Cargar();
    for (const char* nombre : {"pulseaudio", "alsa"}) {
        fl->settings_setstr(ajustes_, "audio.driver", nombre);
        driver_ = fl->new_audio_driver(ajustes_, synth_);
        if (driver_) return true;
    }
    return false;
}

void ReproductorMidi::PararAudio() {
    if (!driver_) return;
    Cargar()->delete_audio_driver(driver_);
    driver_ = nullptr;
}

void ReproductorMidi::Tocar() {
    if (!synth_) return;
    const Fluid* fl = Cargar();
    // FluidSynth 2.3 walks its player timers in the audio thread without a
    // lock, so a player is only made or deleted while that thread is stopped;
    // otherwise restarting the tune crashes the game now and then.
    PararAudio();
    QuitarPlayer();
    fl->synth_all_notes_off(synth_, -1);
    // A fresh player each time so the tune always starts from its beginning.
    player_ = fl->new_player(synth_);
    const QByteArray ruta = QFile::encodeName(archivo_);
    if (!player_ || fl->player_add(player_, ruta.constData()) == FLUID_FAILED ||
        fl->player_play(player_) == FLUID_FAILED) {
        QuitarPlayer();
    }
    // The device was free a moment ago; if it is gone now, the game goes on
    // silent and tries again with the next tune.
    ArrancarAudio();
}

void ReproductorMidi::Parar() {
    // The player is only stopped here; it is deleted with the audio stopped.
    if (player_) Cargar()->player_stop(player_);
    if (synth_) Cargar()->synth_all_notes_off(synth_, -1);
}

bool ReproductorMidi::Sonando() const {
    return player_ && driver_ && Cargar()->player_get_status(player_) == FLUID_PLAYER_PLAYING;
}

void ReproductorMidi::QuitarPlayer() {
    if (!player_) return;
    const Fluid* fl = Cargar();
    fl->player_stop(player_);
    fl->delete_player(player_);
    player_ = nullptr;
}

void ReproductorMidi::Cerrar() {
    // Nothing is open unless the library was loaded.
    if (ajustes_ || synth_ || driver_ || player_) {
        const Fluid* fl = Cargar();
        PararAudio();
        QuitarPlayer();
        if (synth_) fl->delete_synth(synth_);
        if (ajustes_) fl->delete_settings(ajustes_);
    }
    synth_ = nullptr;
    ajustes_ = nullptr;
}

} // namespace plataforma
