#include "datos_midi.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <utility>
#include <vector>

namespace datos {

namespace {

constexpr int kTicks = 480; // per quarter note
constexpr int kOctavo = kTicks / 2;

struct EventoMidi {
    int tick;
    int orden; // at equal ticks: set-up, then note-offs, then note-ons
    std::vector<std::uint8_t> bytes;
};

class Partitura {
public:
    void meta(int tick, std::uint8_t tipo, std::vector<std::uint8_t> datos) {
        std::vector<std::uint8_t> b = {0xff, tipo, static_cast<std::uint8_t>(datos.size())};
        b.insert(b.end(), datos.begin(), datos.end());
        eventos_.push_back({tick, 0, b});
    }
    void control(int canal, std::uint8_t numero, std::uint8_t valor) {
        eventos_.push_back({0, 1, {static_cast<std::uint8_t>(0xb0 | canal), numero, valor}});
    }
    void programa(int canal, std::uint8_t instrumento) {
        eventos_.push_back({0, 2, {static_cast<std::uint8_t>(0xc0 | canal), instrumento}});
    }
    // Start and length in eighths; notes are released a touch early so
    // repeated pitches are heard as separate notes. Note-off is sent as a
    // zero-velocity note-on, which lets running status cover it.
    void nota(int canal, double inicio, double largo, int tono, int fuerza) {
        const int desde = static_cast<int>(std::lround(inicio * kOctavo));
        const int hasta = desde + static_cast<int>(std::lround(largo * kOctavo * 0.92));
        const auto on = static_cast<std::uint8_t>(0x90 | canal);
        eventos_.push_back(
            {desde, 4, {on, static_cast<std::uint8_t>(tono), static_cast<std::uint8_t>(fuerza)}});
        eventos_.push_back({hasta, 3, {on, static_cast<std::uint8_t>(tono), 0}});
    }
    void acorde(int canal, double inicio, double largo, std::initializer_list<int> tonos,
                int fuerza) {
        for (int t : tonos)
            nota(canal, inicio, largo, t, fuerza);
    }

    // One format-0 track; meta events break running status, as the
    // standard requires.
    QByteArray archivo(int fin) const {
        std::vector<EventoMidi> ev = eventos_;
        std::stable_sort(ev.begin(), ev.end(), [](const EventoMidi& a, const EventoMidi& b) {
            return a.tick != b.tick ? a.tick < b.tick : a.orden < b.orden;
        });
        QByteArray pista;
        int antes = 0;
        std::uint8_t estado = 0;
        const auto escribir = [&](int tick, const std::vector<std::uint8_t>& bytes) {
            cantidadVariable(pista, static_cast<std::uint32_t>(tick - antes));
            antes = tick;
            std::size_t desde = 0;
            if (bytes[0] < 0xf0 && bytes[0] == estado) desde = 1;
            estado = bytes[0] < 0xf0 ? bytes[0] : 0;
            for (std::size_t i = desde; i < bytes.size(); ++i)
                pista.append(static_cast<char>(bytes[i]));
        };
        for (const EventoMidi& e : ev)
            escribir(e.tick, e.bytes);
        escribir(fin, {0xff, 0x2f, 0x00});

        QByteArray b("MThd");
        anadir32(b, 6);
        b.append("\x00\x00\x00\x01", 4); // format 0, one track
        b.append(char(kTicks >> 8));
        b.append(char(kTicks & 0xff));
        b.append("MTrk");
        anadir32(b, static_cast<std::uint32_t>(pista.size()));
        b.append(pista);
        return b;
    }

private:
    static void cantidadVariable(QByteArray& b, std::uint32_t v) {
        std::uint8_t grupos[5];
        int n = 0;
        do {
            grupos[n++] = v & 0x7f;
            v >>= 7;
        } while (v);
        while (n-- > 0)
            b.append(static_cast<char>(grupos[n] | (n ? 0x80 : 0)));
    }
    static void anadir32(QByteArray& b, std::uint32_t v) {
        for (int i = 3; i >= 0; --i)
            b.append(static_cast<char>((v >> (8 * i)) & 0xff));
    }
    std::vector<EventoMidi> eventos_;
};

} // namespace

// A bugle-call fanfare in C major: trumpet doubled by xylophone, piano
// off-beat chords, a bass line and light drums; four bars at 132 bpm.
QByteArray musicaAcierto() {
    enum { Trompeta = 0, Piano = 1, Bajo = 2, Xilofono = 3, Bateria = 9 };
    Partitura m;
    constexpr std::uint32_t microsegundos = 60000000 / 132;
    m.meta(0, 0x51,
           {static_cast<std::uint8_t>(microsegundos >> 16),
            static_cast<std::uint8_t>((microsegundos >> 8) & 0xff),
            static_cast<std::uint8_t>(microsegundos & 0xff)});
    m.meta(0, 0x58, {4, 2, 24, 8}); // 4/4
    m.meta(0, 0x59, {0, 0});        // C major
    m.programa(Trompeta, 56);
    m.programa(Piano, 0);
    m.programa(Bajo, 32);
    m.programa(Xilofono, 13);
    const std::pair<int, std::uint8_t> volumenes[] = {
        {Trompeta, 96}, {Piano, 84}, {Bajo, 110}, {Xilofono, 72}, {Bateria, 80}};
    for (const auto& [c, v] : volumenes) {
        m.control(c, 7, v);
        m.control(c, 91, 40); // a little reverb
    }

    // Melody: start and length in eighths, then the pitch.
    const struct {
        double inicio, largo;
        int tono;
    } melodia[] = {
        {0, 1, 67},  {1, 1, 72},  {2, 1, 76},  {3, 2, 79},  {5, 1, 76},  {6, 2, 79},  {8, 1, 81},
        {9, 1, 79},  {10, 1, 77}, {11, 1, 76}, {12, 1, 74}, {13, 1, 76}, {14, 1, 77}, {15, 1, 74},
        {16, 1, 76}, {17, 1, 79}, {18, 2, 84}, {20, 1, 83}, {21, 1, 81}, {22, 1, 83}, {23, 1, 86},
        {24, 1, 84}, {25, 1, 79}, {26, 1, 76}, {27, 1, 79}, {28, 6, 84},
    };
    for (const auto& n : melodia) {
        const int acento = std::fmod(n.inicio, 2.0) == 0.0 ? 112 : 98;
        m.nota(Trompeta, n.inicio, n.largo, n.tono, acento);
        m.nota(Xilofono, n.inicio, std::min(n.largo, 1.0), n.tono, acento - 20);
    }

    const std::initializer_list<int> do_ = {60, 64, 67}, fa = {60, 65, 69}, sol = {59, 62, 67};
    const std::pair<double, std::initializer_list<int>> acordes[] = {
        {2, do_}, {6, do_}, {10, fa}, {14, sol}, {18, do_}, {22, sol}, {26, do_}};
    for (const auto& [inicio, tonos] : acordes)
        m.acorde(Piano, inicio, 1, tonos, 78);
    m.acorde(Piano, 28, 6, {60, 64, 67, 72}, 92);

    const std::pair<double, int> bajo[] = {{0, 48},  {4, 43},  {8, 41},  {12, 43},
                                           {16, 48}, {20, 43}, {24, 48}, {26, 43}};
    for (const auto& [inicio, tono] : bajo)
        m.nota(Bajo, inicio, 2, tono, 100);
    m.nota(Bajo, 28, 6, 36, 110);

    for (int pulso = 0; pulso < 7; ++pulso) {
        m.nota(Bateria, pulso * 4, 1, 36, 90);                    // kick on 1 and 3
        if (pulso < 6) m.nota(Bateria, pulso * 4 + 2, 1, 39, 58); // claps on 2 and 4
    }
    for (int k = 0; k < 4; ++k) // a little snare roll into the last chord
        m.nota(Bateria, 26 + 0.5 * k, 0.5, 38, 50 + 12 * k);
    m.nota(Bateria, 28, 6, 55, 100); // splash: brighter and shorter than a crash
    m.nota(Bateria, 28, 1, 36, 100);
    m.nota(Bateria, 28, 6, 81, 70); // open triangle

    return m.archivo(36 * kOctavo);
}

} // namespace datos
