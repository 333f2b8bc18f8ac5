// Writes the game's three short sound effects as 8-bit mono WAV files.
// Everything is synthesised here so the repository carries no binary audio.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr double kPi = 3.14159265358979323846;

struct Sonido {
    std::uint32_t frecuencia; // samples per second
    std::vector<double> muestras;
};

// Raised-cosine ramp from 0 to 1 over `n` samples; avoids clicks at note edges.
double rampa(double i, double n) {
    if (n <= 0.0 || i >= n) return 1.0;
    if (i <= 0.0) return 0.0;
    return 0.5 - 0.5 * std::cos(kPi * i / n);
}

// A struck, bell-like note: a few slightly inharmonic partials that die away
// at different speeds, so it rings instead of beeping.
void anadirCampana(Sonido& s, double inicio, double hz, double amplitud) {
    const double fs = s.frecuencia;
    const std::size_t desde = static_cast<std::size_t>(inicio * fs);
    const double ataque = 0.004 * fs;
    struct Parcial {
        double razon, peso, caida;
    };
    const Parcial parciales[] = {{1.0, 1.0, 7.0}, {2.0, 0.35, 12.0}, {3.01, 0.12, 18.0}};
    for (std::size_t i = desde; i < s.muestras.size(); ++i) {
        const double t = (i - desde) / fs;
        double v = 0.0;
        for (const Parcial& p : parciales)
            v += p.peso * std::exp(-p.caida * t) * std::sin(2.0 * kPi * hz * p.razon * t);
        s.muestras[i] += amplitud * rampa(i - desde, ataque) * v;
    }
}

// A soft, rounded tone whose pitch slides from `hz0` to `hz1`; fundamental
// plus a quiet second harmonic keeps it warm rather than shrill.
void anadirTono(Sonido& s, double inicio, double duracion, double hz0, double hz1,
                double amplitud) {
    const double fs = s.frecuencia;
    const std::size_t desde = static_cast<std::size_t>(inicio * fs);
    const std::size_t n = static_cast<std::size_t>(duracion * fs);
    const double borde = 0.025 * fs;
    double fase = 0.0;
    for (std::size_t k = 0; k < n && desde + k < s.muestras.size(); ++k) {
        const double x = static_cast<double>(k) / n;
        const double hz = hz0 + (hz1 - hz0) * x;
        fase += 2.0 * kPi * hz / fs;
        const double env = rampa(k, borde) * rampa(n - k, 3.0 * borde) * std::exp(-1.5 * x);
        s.muestras[desde + k] += amplitud * env * (std::sin(fase) + 0.2 * std::sin(2.0 * fase));
    }
}

// Scales to the given peak and fades the tail so the last sample is silent.
void acabar(Sonido& s, double pico, double fundidoSeg) {
    double maximo = 0.0;
    for (double v : s.muestras)
        maximo = std::max(maximo, std::fabs(v));
    const double escala = maximo > 0.0 ? pico / maximo : 0.0;
    const double n = s.muestras.size();
    const double fundido = fundidoSeg * s.frecuencia;
    for (std::size_t i = 0; i < s.muestras.size(); ++i)
        s.muestras[i] *= escala * rampa(n - 1 - i, fundido);
}

Sonido acierto() {
    Sonido s{15000, std::vector<double>(10206, 0.0)};
    // C5 E5 G5 C6, rising, each note left ringing under the next.
    const double notas[] = {523.25, 659.26, 783.99, 1046.50};
    for (int i = 0; i < 4; ++i)
        anadirCampana(s, 0.09 * i, notas[i], i == 3 ? 1.2 : 1.0);
    acabar(s, 0.6, 0.12);
    return s;
}

Sonido fallo() {
    Sonido s{22050, std::vector<double>(10857, 0.0)};
    // "Uh-oh": two low, gently falling tones, the second a third below.
    anadirTono(s, 0.00, 0.18, 440.0, 415.0, 1.0);
    anadirTono(s, 0.21, 0.27, 349.0, 311.0, 1.0);
    acabar(s, 0.45, 0.03);
    return s;
}

Sonido tecla() {
    Sonido s{22050, std::vector<double>(11554, 0.0)};
    // A tiny wooden "tock": pitch drops quickly, gone within ~35 ms.
    const double fs = s.frecuencia;
    const std::size_t n = static_cast<std::size_t>(0.035 * fs);
    double fase = 0.0;
    for (std::size_t i = 0; i < n; ++i) {
        const double t = i / fs;
        fase += 2.0 * kPi * (700.0 + 900.0 * std::exp(-t * 120.0)) / fs;
        const double env = rampa(i, 0.0015 * fs) * std::exp(-t * 140.0) * rampa(n - i, 0.01 * fs);
        s.muestras[i] = env * std::sin(fase);
    }
    acabar(s, 0.5, 0.0);
    return s;
}

void escribir16(std::ofstream& f, std::uint16_t v) {
    const char b[2] = {static_cast<char>(v & 0xff), static_cast<char>(v >> 8)};
    f.write(b, 2);
}

void escribir32(std::ofstream& f, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        f.put(static_cast<char>((v >> (8 * i)) & 0xff));
}

bool guardar(const std::filesystem::path& ruta, const Sonido& s) {
    std::ofstream f(ruta, std::ios::binary);
    if (!f) return false;
    const auto datos = static_cast<std::uint32_t>(s.muestras.size());
    const std::uint32_t relleno = datos % 2; // RIFF chunks are word aligned
    f.write("RIFF", 4);
    escribir32(f, 36 + datos + relleno);
    f.write("WAVEfmt ", 8);
    escribir32(f, 16);           // fmt chunk size
    escribir16(f, 1);            // PCM
    escribir16(f, 1);            // mono
    escribir32(f, s.frecuencia); // sample rate
    escribir32(f, s.frecuencia); // byte rate: 1 byte per sample
    escribir16(f, 1);            // block align
    escribir16(f, 8);            // bits per sample
    f.write("data", 4);
    escribir32(f, datos);
    for (double v : s.muestras) {
        const long q = std::lround(128.0 + 127.0 * std::clamp(v, -1.0, 1.0));
        f.put(static_cast<char>(static_cast<std::uint8_t>(std::clamp(q, 0L, 255L))));
    }
    if (relleno) f.put(0);
    return static_cast<bool>(f.flush());
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "uso: %s CARPETA_SALIDA\n", argv[0]);
        return 2;
    }
    const std::filesystem::path carpeta = argv[1];
    std::error_code ec;
    std::filesystem::create_directories(carpeta, ec);
    if (ec) {
        std::fprintf(stderr, "no se pudo crear %s: %s\n", carpeta.c_str(), ec.message().c_str());
        return 1;
    }
    const struct {
        const char* nombre;
        Sonido sonido;
    } salidas[] = {
        {"acierto_cuenta.wav", acierto()},
        {"fallo_numero.wav", fallo()},
        {"tecla.wav", tecla()},
    };
    for (const auto& s : salidas) {
        const auto ruta = carpeta / s.nombre;
        if (!guardar(ruta, s.sonido)) {
            std::fprintf(stderr, "no se pudo escribir %s\n", ruta.c_str());
            return 1;
        }
    }
    return 0;
}
