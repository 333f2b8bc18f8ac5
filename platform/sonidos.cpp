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
    decltype(&::snd_pcm_delay) delay = nullptr;
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
                          Resolver(biblioteca, "snd_pcm_delay", a.delay) &&
                          Resolver(biblioteca, "snd_pcm_recover", a.recover) &&
                          Resolver(biblioteca, "snd_pcm_writei", a.writei) &&
                          Resolver(biblioteca, "snd_lib_error_set_handler", a.error_set_handler);
        if (!todo) return nullptr;
        a.error_set_handler(&Callar);
        return &a;
    }();
    return cargada;
}

// Mono 16-bit samples at the speaker's rate, whatever the WAVE file held.
std::vector<int16_t> Muestras(const Onda& o) {
    std::vector<int16_t> m;
    if (o.datos.isEmpty()) return m;
    const size_t cuadros = size_t(o.datos.size() / o.bytes_cuadro);
    const auto muestra = [&](size_t cuadro) {
        int suma = 0;
        for (unsigned c = 0; c < o.canales; ++c) {
            const char* p = o.datos.constData() + cuadro * size_t(o.bytes_cuadro);
            suma += o.formato == SND_PCM_FORMAT_U8
                        ? (int(static_cast<unsigned char>(p[c])) - 128) * 256
                        : int(qFromLittleEndian<qint16>(p + 2 * c));
        }
        return suma / int(o.canales);
    };
    const size_t total = size_t(uint64_t(cuadros) * kFrecuenciaAltavoz / o.frecuencia);
    m.reserve(total);
    for (size_t i = 0; i < total; ++i)
        m.push_back(int16_t(muestra(std::min(cuadros - 1, i * o.frecuencia / kFrecuenciaAltavoz))));
    return m;
}

std::function<void(const int16_t*, size_t)> g_voz_sonando;

class Altavoz;
// The speaker as the speech thread sees it: gone, under this lock, before
// the speaker is taken apart.
std::mutex g_voz_m;
Altavoz* g_para_voz = nullptr;

// One thread plays everything on one stream: the effects, one at a time (a
// new one cuts off the one still playing, as the old single-channel player
// did), mixed with the sentence being said. The game's thread only hands it
// the number of the sound, and the speech thread the samples of its
// sentence, so neither waits on the device.
class Altavoz : public QObject {
public:
    Altavoz(std::array<Onda, 3> ondas, QObject* dueno)
        : QObject(dueno), ondas_(std::move(ondas)), hilo_([this] { Bucle(); }) {
        std::lock_guard<std::mutex> l(g_voz_m);
        g_para_voz = this;
    }
    ~Altavoz() override {
        {
            std::lock_guard<std::mutex> l(g_voz_m);
            if (g_para_voz == this) g_para_voz = nullptr;
        }
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
        }
        cv_.notify_one();
    }

    unsigned EmpezarVoz() {
        std::lock_guard<std::mutex> l(m_);
        voz_.clear();
        voz_leida_ = 0;
        voz_nueva_ = true;
        cv_.notify_one();
        return ++voz_serie_;
    }

    bool AnadirVoz(unsigned serie, const int16_t* m, size_t n) {
        {
            std::lock_guard<std::mutex> l(m_);
            if (serie != voz_serie_ || fin_) return false;
            voz_.insert(voz_.end(), m, m + n);
        }
        cv_.notify_one();
        return true;
    }

private:
    static constexpr int kNada = -1;
    // 10 ms at a time, so a newer sound never waits longer than that.
    static constexpr size_t kTrozo = kFrecuenciaAltavoz / 100;

    bool HayQueSonar() const {
        return fin_ || pedido_ != kNada || voz_nueva_ || voz_leida_ < voz_.size() || actual_;
    }

    void Bucle() {
        std::array<int16_t, kTrozo> trozo;
        for (;;) {
            bool cortar = false;
            {
                std::unique_lock<std::mutex> l(m_);
                cv_.wait(l, [this] { return HayQueSonar(); });
                if (fin_) break;
                // Converted here, when the first sound is due: not at start-up.
                if (efectos_[0].empty() && !ondas_[0].datos.isEmpty())
                    for (size_t i = 0; i < ondas_.size(); ++i)
                        efectos_[i] = Muestras(ondas_[i]);
                if (pedido_ >= 0) {
                    actual_ = &efectos_[size_t(pedido_)];
                    efecto_ = 0;
                    cortar = true;
                }
                pedido_ = kNada;
                cortar = cortar || voz_nueva_;
                voz_nueva_ = false;
            }
            if (!Abrir()) {
                // No device: whatever was asked for is dropped, silently.
                std::lock_guard<std::mutex> l(m_);
                voz_leida_ = voz_.size();
                actual_ = nullptr;
                efecto_ = kSinEfecto;
                continue;
            }
            if (cortar) Cortar();
            const size_t n = Mezclar(trozo.data());
            if (n > 0) Escribir(trozo.data(), n);
        }
        if (pcm_) alsa_->close(pcm_);
    }

    // What the device still holds is dropped at once, so the new sound is
    // heard now; what was playing on the other channel goes back that far and
    // plays on.
    void Cortar() {
        snd_pcm_sframes_t retraso = 0;
        if (alsa_->delay(pcm_, &retraso) < 0 || retraso < 0) retraso = 0;
        alsa_->drop(pcm_);
        alsa_->prepare(pcm_);
        std::lock_guard<std::mutex> l(m_);
        const size_t atras = size_t(retraso);
        voz_leida_ -= std::min(atras, voz_leida_);
        if (actual_ && efecto_ != 0) efecto_ -= std::min(atras, efecto_);
    }

    // The next 10 ms of the effect and the sentence together.
    size_t Mezclar(int16_t* trozo) {
        size_t n = 0;
        int32_t suma[kTrozo] = {};
        if (actual_) {
            const size_t e = std::min(kTrozo, actual_->size() - std::min(efecto_, actual_->size()));
            for (size_t i = 0; i < e; ++i)
                suma[i] += (*actual_)[efecto_ + i];
            efecto_ += e;
            n = e;
            if (efecto_ >= actual_->size()) {
                actual_ = nullptr;
                efecto_ = kSinEfecto;
            }
        }
        {
            std::lock_guard<std::mutex> l(m_);
            const size_t v = std::min(kTrozo, voz_.size() - voz_leida_);
            if (v > 0 && g_voz_sonando) g_voz_sonando(voz_.data() + voz_leida_, v);
            for (size_t i = 0; i < v; ++i)
                suma[i] += voz_[voz_leida_ + i];
            voz_leida_ += v;
            n = std::max(n, v);
        }
        for (size_t i = 0; i < n; ++i)
            trozo[i] = int16_t(std::clamp<int32_t>(suma[i], -32768, 32767));
        return n;
    }

    void Escribir(const int16_t* trozo, size_t n) {
        size_t hecho = 0;
        while (hecho < n && !fin_) {
            const snd_pcm_sframes_t r = alsa_->writei(pcm_, trozo + hecho, n - hecho);
            if (r < 0) {
                // After a pause the stream has run dry; it starts again here.
                if (alsa_->recover(pcm_, int(r), 1) < 0) return;
                continue;
            }
            hecho += size_t(r);
        }
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
        // A tenth of a second of buffer; ALSA converts the rate if the card needs it.
        if (alsa_->set_params(pcm_, SND_PCM_FORMAT_S16, SND_PCM_ACCESS_RW_INTERLEAVED, 1,
                              kFrecuenciaAltavoz, 1, 100000) < 0) {
            alsa_->close(pcm_);
            pcm_ = nullptr;
            return false;
        }
        return true;
    }

    static constexpr size_t kSinEfecto = size_t(-1) / 4;

    const std::array<Onda, 3> ondas_;
    std::array<std::vector<int16_t>, 3> efectos_; // the sound thread's, once converted
    std::mutex m_;
    std::condition_variable cv_;
    int pedido_ = kNada;
    std::atomic<bool> fin_{false};
    // The sentence: the speech thread appends, this thread reads.
    std::vector<int16_t> voz_;
    size_t voz_leida_ = 0;
    unsigned voz_serie_ = 0;
    bool voz_nueva_ = false;
    // Only the sound thread touches these.
    const std::vector<int16_t>* actual_ = nullptr;
    size_t efecto_ = kSinEfecto;
    const Alsa* alsa_ = nullptr;
    snd_pcm_t* pcm_ = nullptr;
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

void FijarObservadorVozSonando(std::function<void(const int16_t*, size_t)> o) {
    g_voz_sonando = std::move(o);
}

unsigned EmpezarVoz() {
    std::lock_guard<std::mutex> l(g_voz_m);
    return g_para_voz ? g_para_voz->EmpezarVoz() : 0;
}

bool AnadirVoz(unsigned serie, const int16_t* muestras, size_t n) {
    std::lock_guard<std::mutex> l(g_voz_m);
    return serie != 0 && g_para_voz && g_para_voz->AnadirVoz(serie, muestras, n);
}

} // namespace plataforma
