#include "datos_gif.h"

#include "datos_dibujo.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <unordered_map>
#include <utility>

namespace datos {

namespace {

// Index 0 is the transparent colour; pixels less than half covered use it,
// the rest are blended over the sky first.
constexpr std::uint32_t kHueco = 0xffffffffu;

std::vector<std::uint32_t> aplanar(const QImage& cuadro) {
    std::vector<std::uint32_t> v;
    v.reserve(static_cast<std::size_t>(cuadro.width()) * cuadro.height());
    for (int y = 0; y < cuadro.height(); ++y) {
        const QRgb* fila = reinterpret_cast<const QRgb*>(cuadro.constScanLine(y));
        for (int x = 0; x < cuadro.width(); ++x) {
            const int a = qAlpha(fila[x]);
            if (a < 128) {
                v.push_back(kHueco);
                continue;
            }
            const auto mezcla = [a](int premultiplicado, int fondo) {
                return std::min(255, premultiplicado + (fondo * (255 - a) + 127) / 255);
            };
            v.push_back(static_cast<std::uint32_t>(qRgb(mezcla(qRed(fila[x]), kCielo.red()),
                                                        mezcla(qGreen(fila[x]), kCielo.green()),
                                                        mezcla(qBlue(fila[x]), kCielo.blue()))) &
                        0xffffffu);
        }
    }
    return v;
}

int canal(std::uint32_t rgb, int c) {
    return (rgb >> (16 - 8 * c)) & 0xff;
}

// Median cut over the colours of every frame, so the whole animation shares
// one palette. Ties are broken by colour value, which keeps it repeatable.
std::vector<std::uint32_t> paletaMedia(const std::map<std::uint32_t, std::uint64_t>& histograma,
                                       std::size_t maximo) {
    using Color = std::pair<std::uint32_t, std::uint64_t>;
    std::vector<std::uint32_t> paleta;
    if (histograma.size() <= maximo) {
        for (const auto& h : histograma)
            paleta.push_back(h.first);
        return paleta;
    }
    std::vector<std::vector<Color>> cajas(1,
                                          std::vector<Color>(histograma.begin(), histograma.end()));
    const auto medir = [](const std::vector<Color>& caja, int& eje) {
        int mayor = -1;
        for (int c = 0; c < 3; ++c) {
            int lo = 255, hi = 0;
            for (const Color& k : caja) {
                lo = std::min(lo, canal(k.first, c));
                hi = std::max(hi, canal(k.first, c));
            }
            if (hi - lo > mayor) {
                mayor = hi - lo;
                eje = c;
            }
        }
        return mayor;
    };
    while (cajas.size() < maximo) {
        std::size_t mejor = cajas.size();
        std::uint64_t puntos = 0;
        int eje_mejor = 0;
        for (std::size_t b = 0; b < cajas.size(); ++b) {
            if (cajas[b].size() < 2) continue;
            int eje = 0;
            const std::uint64_t rango = static_cast<std::uint64_t>(medir(cajas[b], eje));
            std::uint64_t poblacion = 0;
            for (const Color& k : cajas[b])
                poblacion += k.second;
            const std::uint64_t valor =
                rango * rango * static_cast<std::uint64_t>(std::sqrt(double(poblacion)) + 1);
            if (valor > puntos) {
                puntos = valor;
                mejor = b;
                eje_mejor = eje;
            }
        }
        if (mejor == cajas.size()) break;
        std::vector<Color>& caja = cajas[mejor];
        std::sort(caja.begin(), caja.end(), [eje_mejor](const Color& a, const Color& b) {
            const int ca = canal(a.first, eje_mejor), cb = canal(b.first, eje_mejor);
            return ca != cb ? ca < cb : a.first < b.first;
        });
        std::uint64_t total = 0, acumulado = 0;
        for (const Color& k : caja)
            total += k.second;
        std::size_t corte = 1;
        for (; corte < caja.size() - 1; ++corte) {
            acumulado += caja[corte - 1].second;
            if (acumulado * 2 >= total) break;
        }
        std::vector<Color> otra(caja.begin() + static_cast<std::ptrdiff_t>(corte), caja.end());
        caja.resize(corte);
        cajas.push_back(std::move(otra));
    }
    for (const auto& caja : cajas) {
        double suma[3] = {0, 0, 0}, peso = 0;
        for (const Color& k : caja) {
            for (int c = 0; c < 3; ++c)
                suma[c] += double(canal(k.first, c)) * double(k.second);
            peso += double(k.second);
        }
        std::uint32_t rgb = 0;
        for (int c = 0; c < 3; ++c)
            rgb = (rgb << 8) | static_cast<std::uint32_t>(std::lround(suma[c] / peso));
        paleta.push_back(rgb);
    }
    return paleta;
}

class Bits {
public:
    void poner(unsigned codigo, int ancho) {
        acumulador_ |= static_cast<std::uint32_t>(codigo) << cuantos_;
        cuantos_ += ancho;
        while (cuantos_ >= 8) {
            bytes.push_back(static_cast<std::uint8_t>(acumulador_ & 0xff));
            acumulador_ >>= 8;
            cuantos_ -= 8;
        }
    }
    void terminar() {
        if (cuantos_ > 0) bytes.push_back(static_cast<std::uint8_t>(acumulador_ & 0xff));
        acumulador_ = 0;
        cuantos_ = 0;
    }
    std::vector<std::uint8_t> bytes;

private:
    std::uint32_t acumulador_ = 0;
    int cuantos_ = 0;
};

// GIF's variable-width LZW, 8-bit symbols, codes up to 12 bits; the table
// is cleared and rebuilt whenever it fills.
std::vector<std::uint8_t> lzw(const std::vector<std::uint8_t>& indices) {
    constexpr unsigned kLimpiar = 256, kFin = 257;
    std::unordered_map<std::uint32_t, unsigned> tabla;
    unsigned siguiente = kFin + 1;
    int ancho = 9;
    Bits salida;
    salida.poner(kLimpiar, ancho);
    unsigned prefijo = indices.front();
    for (std::size_t i = 1; i < indices.size(); ++i) {
        const std::uint32_t clave = (prefijo << 8) | indices[i];
        const auto hallado = tabla.find(clave);
        if (hallado != tabla.end()) {
            prefijo = hallado->second;
            continue;
        }
        salida.poner(prefijo, ancho);
        if (siguiente < 4096) {
            tabla.emplace(clave, siguiente++);
            // The decoder learns each code one step later, hence ">".
            if (siguiente > (1u << ancho) && ancho < 12) ++ancho;
        } else {
            salida.poner(kLimpiar, ancho);
            tabla.clear();
            siguiente = kFin + 1;
            ancho = 9;
        }
        prefijo = indices[i];
    }
    salida.poner(prefijo, ancho);
    salida.poner(kFin, ancho);
    salida.terminar();
    return salida.bytes;
}

void anadir16(QByteArray& b, unsigned v) {
    b.append(static_cast<char>(v & 0xff));
    b.append(static_cast<char>((v >> 8) & 0xff));
}

} // namespace

QByteArray gif(const Animacion& a) {
    std::vector<std::vector<std::uint32_t>> planos;
    std::map<std::uint32_t, std::uint64_t> histograma;
    for (const QImage& c : a.cuadros) {
        planos.push_back(aplanar(c));
        for (std::uint32_t rgb : planos.back())
            if (rgb != kHueco) ++histograma[rgb];
    }
    std::vector<std::uint32_t> paleta = paletaMedia(histograma, 255);
    paleta.insert(paleta.begin(), static_cast<std::uint32_t>(kCielo.rgb()) & 0xffffffu);

    QByteArray b("GIF89a");
    anadir16(b, a.ancho);
    anadir16(b, a.alto);
    b.append(char(0xf7)); // global table of 256 colours, 8 bits each
    b.append(char(0));    // background: the transparent entry
    b.append(char(0));
    for (std::size_t i = 0; i < 256; ++i) {
        const std::uint32_t rgb = i < paleta.size() ? paleta[i] : 0;
        for (int c = 0; c < 3; ++c)
            b.append(static_cast<char>(canal(rgb, c)));
    }
    b.append("\x21\xff\x0bNETSCAPE2.0\x03\x01", 16);
    anadir16(b, 0); // loop for ever; the game decides when to stop
    b.append(char(0));

    std::unordered_map<std::uint32_t, std::uint8_t> cercanos;
    const auto indice = [&](std::uint32_t rgb) -> std::uint8_t {
        if (rgb == kHueco) return 0;
        const auto hallado = cercanos.find(rgb);
        if (hallado != cercanos.end()) return hallado->second;
        int mejor = 1;
        long menor = -1;
        for (std::size_t i = 1; i < paleta.size(); ++i) {
            long d = 0;
            for (int c = 0; c < 3; ++c) {
                const long dc = canal(rgb, c) - canal(paleta[i], c);
                d += dc * dc;
            }
            if (menor < 0 || d < menor) {
                menor = d;
                mejor = static_cast<int>(i);
            }
        }
        cercanos.emplace(rgb, static_cast<std::uint8_t>(mejor));
        return static_cast<std::uint8_t>(mejor);
    };

    for (std::size_t f = 0; f < planos.size(); ++f) {
        // Graphic control: clear to transparent after each frame, index 0.
        b.append("\x21\xf9\x04\x09", 4);
        anadir16(b, static_cast<unsigned>(a.centesimas[f]));
        b.append(char(0));
        b.append(char(0));
        b.append(char(0x2c));
        anadir16(b, 0);
        anadir16(b, 0);
        anadir16(b, a.ancho);
        anadir16(b, a.alto);
        b.append(char(0));
        std::vector<std::uint8_t> indices;
        indices.reserve(planos[f].size());
        for (std::uint32_t rgb : planos[f])
            indices.push_back(indice(rgb));
        const std::vector<std::uint8_t> datos = lzw(indices);
        b.append(char(8));
        for (std::size_t i = 0; i < datos.size(); i += 255) {
            const std::size_t n = std::min<std::size_t>(255, datos.size() - i);
            b.append(static_cast<char>(n));
            b.append(reinterpret_cast<const char*>(datos.data() + i), static_cast<qsizetype>(n));
        }
        b.append(char(0));
    }
    b.append(char(0x3b));
    return b;
}

} // namespace datos
