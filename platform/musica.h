#pragma once
// A small MIDI player on FluidSynth with the General MIDI soundfont:
// open, play from the start, stop, close.
#include <QString>

struct _fluid_hashtable_t; // fluid_settings_t
struct _fluid_synth_t;
struct _fluid_audio_driver_t;
struct _fluid_player_t;

namespace plataforma {

class ReproductorMidi {
public:
    ReproductorMidi() = default;
    ~ReproductorMidi();
    ReproductorMidi(const ReproductorMidi&) = delete;
    ReproductorMidi& operator=(const ReproductorMidi&) = delete;

    // False when the file is not MIDI, the soundfont is missing or no audio
    // driver (pulseaudio, then alsa) opens.
    bool Abrir(const QString& archivo);
    void Tocar();
    void Parar();
    void Cerrar();
    bool Abierto() const { return synth_ != nullptr; }
    bool Sonando() const;

private:
    static constexpr int kVoces = 64;
    bool ArrancarAudio();
    void PararAudio();
    void QuitarPlayer();

    QString archivo_;
    _fluid_hashtable_t* ajustes_ = nullptr;
    _fluid_synth_t* synth_ = nullptr;
    _fluid_audio_driver_t* driver_ = nullptr;
    _fluid_player_t* player_ = nullptr;
};

} // namespace plataforma
