#include "platform/voz.h"

#include "platform/biblioteca.h"
#include "platform/sonidos.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QObject>
#include <QPointer>
#include <atomic>
#include <condition_variable>
#include <espeak-ng/speak_lib.h>
#include <mutex>
#include <thread>

namespace plataforma {
namespace {

// What synthesis is doing with each block of samples; false stops it.
using Destino = std::function<bool(const int16_t*, size_t)>;

struct Espeak {
    decltype(&::espeak_Initialize) initialize = nullptr;
    decltype(&::espeak_SetSynthCallback) set_synth_callback = nullptr;
    decltype(&::espeak_SetVoiceByName) set_voice_by_name = nullptr;
    decltype(&::espeak_SetParameter) set_parameter = nullptr;
    decltype(&::espeak_Synth) synth = nullptr;
    int frecuencia = 0;
};

// eSpeak keeps one state for the whole process: one synthesis at a time.
std::mutex g_espeak;
Destino* g_destino = nullptr;

int AlSintetizar(short* muestras, int n, espeak_EVENT*) {
    if (!muestras || n <= 0 || !g_destino) return 0;
    return (*g_destino)(reinterpret_cast<const int16_t*>(muestras), size_t(n)) ? 0 : 1;
}

// Loaded under g_espeak, the first time; nullptr when anything is missing.
const Espeak* CargarEspeak() {
    static const Espeak* cargado = []() -> const Espeak* {
        static QLibrary biblioteca(QStringLiteral("espeak-ng"), 1);
        static Espeak e;
        if (!biblioteca.load()) return nullptr;
        const bool todo = Resolver(biblioteca, "espeak_Initialize", e.initialize) &&
                          Resolver(biblioteca, "espeak_SetSynthCallback", e.set_synth_callback) &&
                          Resolver(biblioteca, "espeak_SetVoiceByName", e.set_voice_by_name) &&
                          Resolver(biblioteca, "espeak_SetParameter", e.set_parameter) &&
                          Resolver(biblioteca, "espeak_Synth", e.synth);
        if (!todo) return nullptr;
        // Blocks of 50 ms: the first one is heard while the rest is made.
        // DONT_EXIT: missing data is an error returned, not the end of the game.
        e.frecuencia =
            e.initialize(AUDIO_OUTPUT_SYNCHRONOUS, 50, nullptr, espeakINITIALIZE_DONT_EXIT);
        if (e.frecuencia <= 0) return nullptr;
        if (e.set_voice_by_name("es") != EE_OK) return nullptr;
        // A little slower than eSpeak's 175 words a minute, for children.
        e.set_parameter(espeakRATE, 150, 0);
        e.set_synth_callback(&AlSintetizar);
        return &e;
    }();
    return cargado;
}

// Synthesises frase block by block into destino, at the speaker's rate.
bool Sintetizar(const QString& frase, const Destino& destino) {
    std::lock_guard<std::mutex> l(g_espeak);
    const Espeak* e = CargarEspeak();
    if (!e) return false;
    // eSpeak's voice is 22050 Hz; any other rate is brought to the speaker's.
    std::vector<int16_t> convertidas;
    uint64_t leidas = 0;
    uint64_t escritas = 0;
    Destino a_altavoz = [&](const int16_t* m, size_t n) {
        if (unsigned(e->frecuencia) == kFrecuenciaAltavoz) return destino(m, n);
        convertidas.clear();
        const uint64_t hasta = (leidas + n) * kFrecuenciaAltavoz / unsigned(e->frecuencia);
        for (; escritas < hasta; ++escritas)
            convertidas.push_back(m[std::min<uint64_t>(
                n - 1, escritas * unsigned(e->frecuencia) / kFrecuenciaAltavoz - leidas)]);
        leidas += n;
        return destino(convertidas.data(), convertidas.size());
    };
    g_destino = &a_altavoz;
    // eSpeak reads a few bytes past the end of the text: padded with zeros, so
    // it never reads beyond the buffer.
    QByteArray texto = frase.toUtf8();
    texto.append(QByteArray(8, '\0'));
    e->synth(texto.constData(), size_t(texto.size()), 0, POS_CHARACTER, 0, espeakCHARS_UTF8,
             nullptr, nullptr);
    g_destino = nullptr;
    return true;
}

// The speech thread: the newest sentence wins, and cuts off synthesis of
// the one before.
class Locutor : public QObject {
public:
    explicit Locutor(QObject* dueno) : QObject(dueno), hilo_([this] { Bucle(); }) {}
    ~Locutor() override {
        {
            std::lock_guard<std::mutex> l(m_);
            fin_ = true;
        }
        cv_.notify_one();
        hilo_.join();
    }

    // An empty sentence only opens eSpeak; `callar` stops the one being said.
    void Pedir(const QString& frase, bool callar = false) {
        {
            std::lock_guard<std::mutex> l(m_);
            pedido_ = frase;
            callar_ = callar;
            hay_pedido_ = true;
        }
        cv_.notify_one();
    }

private:
    void Bucle() {
        for (;;) {
            QString frase;
            bool callar = false;
            {
                std::unique_lock<std::mutex> l(m_);
                cv_.wait(l, [this] { return fin_ || hay_pedido_; });
                if (fin_) break;
                frase = pedido_;
                callar = callar_;
                hay_pedido_ = false;
            }
            if (callar) {
                EmpezarVoz();
                continue;
            }
            if (frase.isEmpty()) {
                std::lock_guard<std::mutex> l(g_espeak);
                CargarEspeak();
                continue;
            }
            const unsigned serie = EmpezarVoz();
            Sintetizar(frase, [&](const int16_t* m, size_t n) {
                return !hay_pedido_ && !fin_ && AnadirVoz(serie, m, n);
            });
        }
    }

    std::mutex m_;
    std::condition_variable cv_;
    QString pedido_;
    bool callar_ = false;
    std::atomic<bool> hay_pedido_{false};
    std::atomic<bool> fin_{false};
    std::thread hilo_; // last: it starts once everything above is ready
};

// Owned by the application object, so the thread ends before the program does.
QPointer<Locutor> g_locutor;
std::function<void(const QString&)> g_observador_voz;

Locutor* ElLocutor() {
    if (!g_locutor && QCoreApplication::instance())
        g_locutor = new Locutor(QCoreApplication::instance());
    return g_locutor;
}

} // namespace

std::vector<int16_t> SintetizarFrase(const QString& frase) {
    std::vector<int16_t> muestras;
    Sintetizar(frase, [&](const int16_t* m, size_t n) {
        muestras.insert(muestras.end(), m, m + n);
        return true;
    });
    return muestras;
}

void PrepararVoz() {
    if (Locutor* l = ElLocutor()) l->Pedir(QString());
}

void Decir(const QString& frase) {
    if (g_observador_voz) g_observador_voz(frase);
    if (frase.isEmpty()) return;
    if (Locutor* l = ElLocutor()) l->Pedir(frase);
}

void Callar() {
    if (g_locutor) g_locutor->Pedir(QString(), true);
}

void FijarObservadorVoz(std::function<void(const QString&)> o) {
    g_observador_voz = std::move(o);
}

} // namespace plataforma
