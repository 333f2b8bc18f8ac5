#include "platform/sonidos.h"

#include "platform/biblioteca.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibrary>
#include <QObject>
#include <QPointer>
#include <QtEndian>
#include <algorithm>
#include <alsa/asoundlib.h>
#include <array>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace plataforma {
namespace {

constexpr std::array<const char*, 3> kRecursos = {
    ":/sonidos/acierto_cuenta.wav", ":/sonidos/fallo_numero.wav", ":/sonidos/tecla.wav"};

// The samples of a PCM WAVE file and how they are laid out.
struct Onda {
    snd_pcm_format_t formato = SND_PCM_FORMAT_UNKNOWN;
    unsigned canales = 0;
    unsigned frecuencia = 0;
    int bytes_cuadro = 0;
    QByteArray datos;
};

// 8 or 16-bit PCM; anything else is left silent.
Onda LeerOnda(const QByteArray& b) {
    Onda o;
    if (b.size() < 12 || !b.startsWith("RIFF") || b.mid(8, 4) != "WAVE") return o;
    int bits = 0;
    qsizetype p = 12;
    while (p + 8 <= b.size()) {
        const QByteArray id = b.mid(p, 4);
        const qsizetype largo = qFromLittleEndian<quint32>(b.constData() + p + 4);
        const qsizetype cuerpo = p + 8;
        if (largo < 0 || cuerpo + largo > b.size()) break;
        if (id == "fmt " && largo >= 16) {
            const char* f = b.constData() + cuerpo;
            if (qFromLittleEndian<quint16>(f) != 1) return o; // not PCM
            o.canales = qFromLittleEndian<quint16>(f + 2);
            o.frecuencia = qFromLittleEndian<quint32>(f + 4);
            bits = qFromLittleEndian<quint16>(f + 14);
        } else if (id == "data") {
            o.datos = b.mid(cuerpo, largo);
        }
        p = cuerpo + largo + (largo & 1); // chunks are padded to even sizes
    }
    o.formato = bits == 8    ? SND_PCM_FORMAT_U8
                : bits == 16 ? SND_PCM_FORMAT_S16_LE
                             : SND_PCM_FORMAT_UNKNOWN;
    o.bytes_cuadro = int(o.canales) * bits / 8;
    if (o.formato == SND_PCM_FORMAT_UNKNOWN || o.bytes_cuadro <= 0 || o.frecuencia == 0)
        o.datos.clear();
    return o;
}

// ALSA is loaded by the sound thread when the first sound is due, not with
// the program: with Qt Multimedia the main window took longer to appear.
struct Alsa {
    decltype(&::snd_pcm_open) open = nullptr;
    decltype(&::snd_pcm_close) close = nullptr;
    decltype(&::snd_pcm_set_params) set_params = nullptr;
    decltype(&::snd_pcm_prepare) prepare = nullptr;
    decltype(&::snd_pcm_drop) drop = nullptr;
    decltype(&::snd_pcm_recover) recover = nullptr;
    decltype(&::snd_pcm_writei) writei = nullptr;
    decltype(&::snd_lib_error_set_handler) error_set_handler = nullptr;
};

// ALSA prints to stderr every device it could not open; the game has no sound then.
void Callar(const char*, int, const char*, int, const char*, ...) {}

const Alsa* CargarAlsa() {
    static const Alsa* cargada = []() -> const Alsa* {
        static QLibrary biblioteca(QStringLiteral("asound"), 2);
        static Alsa a;
        if (!biblioteca.load()) return nullptr;
        const bool todo = Resolver(biblioteca, "snd_pcm_open", a.open) &&
                          Resolver(biblioteca, "snd_pcm_close", a.close) &&
                          Resolver(biblioteca, "snd_pcm_set_params", a.set_params) &&
                          Resolver(biblioteca, "snd_pcm_prepare", a.prepare) &&
                          Resolver(biblioteca, "snd_pcm_drop", a.drop) &&
                          Resolver(biblioteca, "snd_pcm_recover", a.recover) &&
                          Resolver(biblioteca, "snd_pcm_writei", a.writei) &&
                          Resolver(biblioteca, "snd_lib_error_set_handler", a.error_set_handler);
        if (!todo) return nullptr;
        a.error_set_handler(&Callar);
        return &a;
    }();
    return cargada;
}

// One thread plays the sounds, one at a time: a new one cuts off the one
// still playing, as the old single-channel player did. The game's thread
// only hands it the number of the sound, so it never waits on the device.
class Altavoz : public QObject {
public:
    Altavoz(std::array<Onda, 3> ondas, QObject* dueno)
        : QObject(dueno), ondas_(std::move(ondas)), hilo_([this] { Bucle(); }) {}
    ~Altavoz() override {
        {
            std::lock_guard<std::mutex> l(m_);
            fin_ = true;
        }
        cv_.notify_one();
        hilo_.join();
    }

    static constexpr int kPreparar = -2;

    // The newest request wins; kPreparar only opens the device.
    void Pedir(int sonido) {
        {
            std::lock_guard<std::mutex> l(m_);
            pedido_ = sonido;
            ++serie_;
        }
        cv_.notify_one();
    }

private:
    static constexpr int kNada = -1;

    void Bucle() {
        for (;;) {
            int sonido;
            unsigned serie;
            {
                std::unique_lock<std::mutex> l(m_);
                cv_.wait(l, [this] { return fin_ || pedido_ != kNada; });
                if (fin_) break;
                sonido = pedido_;
                serie = serie_;
                pedido_ = kNada;
            }
            if (Abrir() && sonido >= 0) Sonar(ondas_[size_t(sonido)], serie);
        }
        if (pcm_) alsa_->close(pcm_);
    }

    // With no device the game stays silent; it looks again now and then, in
    // case one is plugged in.
    bool Abrir() {
        if (pcm_) return true;
        const auto ahora = std::chrono::steady_clock::now();
        if (intentado_ && ahora - ultimo_intento_ < std::chrono::seconds(10)) return false;
        intentado_ = true;
        ultimo_intento_ = ahora;
        alsa_ = CargarAlsa();
        if (!alsa_ || alsa_->open(&pcm_, "default", SND_PCM_STREAM_PLAYBACK, 0) < 0) {
            pcm_ = nullptr;
            return false;
        }
        return true;
    }

    // Stops early once a newer request than `serie` comes in.
    void Sonar(const Onda& o, unsigned serie) {
        if (o.datos.isEmpty()) return;
        // Whatever still plays is cut off first.
        alsa_->drop(pcm_);
        if (o.formato != formato_ || o.canales != canales_ || o.frecuencia != frecuencia_) {
            // A tenth of a second of buffer; ALSA converts the rate if the card needs it.
            if (alsa_->set_params(pcm_, o.formato, SND_PCM_ACCESS_RW_INTERLEAVED, o.canales,
                                  o.frecuencia, 1, 100000) < 0) {
                formato_ = SND_PCM_FORMAT_UNKNOWN;
                return;
            }
            formato_ = o.formato;
            canales_ = o.canales;
            frecuencia_ = o.frecuencia;
        } else if (alsa_->prepare(pcm_) < 0) {
            return;
        }
        const snd_pcm_uframes_t total = snd_pcm_uframes_t(o.datos.size() / o.bytes_cuadro);
        // 10 ms at a time, so a newer sound never waits longer than that.
        const snd_pcm_uframes_t trozo = std::max(1u, o.frecuencia / 100);
        snd_pcm_uframes_t hecho = 0;
        while (hecho < total && serie == serie_ && !fin_) {
            const snd_pcm_uframes_t n = std::min(trozo, total - hecho);
            const snd_pcm_sframes_t r =
                alsa_->writei(pcm_, o.datos.constData() + hecho * size_t(o.bytes_cuadro), n);
            if (r < 0) {
                if (alsa_->recover(pcm_, int(r), 1) < 0) return;
                continue;
            }
            hecho += snd_pcm_uframes_t(r);
        }
        // The rest plays out of the buffer while the thread waits for the next.
    }

    const std::array<Onda, 3> ondas_;
    std::mutex m_;
    std::condition_variable cv_;
    int pedido_ = kNada;
    std::atomic<unsigned> serie_{0};
    std::atomic<bool> fin_{false};
    // Only the sound thread touches these.
    const Alsa* alsa_ = nullptr;
    snd_pcm_t* pcm_ = nullptr;
    snd_pcm_format_t formato_ = SND_PCM_FORMAT_UNKNOWN;
    unsigned canales_ = 0;
    unsigned frecuencia_ = 0;
    bool intentado_ = false;
    std::chrono::steady_clock::time_point ultimo_intento_;
    std::thread hilo_; // last: it starts once everything above is ready
};

// Owned by the application object, so the thread ends before the program does.
QPointer<Altavoz> g_altavoz;

std::function<void(Sonido)> g_observador;

} // namespace

void CargarSonidos() {
    if (g_altavoz) return;
    std::array<Onda, 3> ondas;
    for (size_t i = 0; i < ondas.size(); ++i) {
        QFile f(QString::fromLatin1(kRecursos[i]));
        if (f.open(QIODevice::ReadOnly)) ondas[i] = LeerOnda(f.readAll());
    }
    g_altavoz = new Altavoz(std::move(ondas), QCoreApplication::instance());
}

void PrepararAltavoz() {
    if (g_altavoz) g_altavoz->Pedir(Altavoz::kPreparar);
}

void Tocar(Sonido s) {
    if (g_observador) g_observador(s);
    if (g_altavoz) g_altavoz->Pedir(static_cast<int>(s));
}

void FijarObservadorSonidos(std::function<void(Sonido)> o) {
    g_observador = std::move(o);
}

} // namespace plataforma
