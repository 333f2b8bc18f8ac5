#include "platform/codepages.h"

#include <cerrno>
#include <cstring>
#include <iconv.h>
#include <map>
#include <utility>

namespace plataforma {
namespace {

// One converter per pair, opened on first use and closed at exit.
struct Conversores {
    std::map<std::pair<std::string, std::string>, iconv_t> abiertos;
    ~Conversores() {
        for (auto& [clave, cd] : abiertos)
            if (cd != reinterpret_cast<iconv_t>(-1)) iconv_close(cd);
    }
};

iconv_t Conversor(const char* a, const char* desde) {
    static Conversores conversores;
    auto& abiertos = conversores.abiertos;
    auto clave = std::make_pair(std::string(a), std::string(desde));
    auto it = abiertos.find(clave);
    if (it != abiertos.end()) return it->second;
    iconv_t cd = iconv_open(a, desde);
    abiertos.emplace(clave, cd);
    return cd;
}

// A byte sequence with no equivalent becomes one '?' so that lengths stay
// predictable and nothing is dropped silently.
std::string Convertir(const char* a, const char* desde, const std::string& entrada) {
    iconv_t cd = Conversor(a, desde);
    if (cd == reinterpret_cast<iconv_t>(-1)) return entrada;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    std::string salida;
    salida.reserve(entrada.size() * 4);
    std::string dentro = entrada;
    char* in = dentro.data();
    size_t quedan = dentro.size();
    char buffer[256];
    while (quedan > 0) {
        char* out = buffer;
        size_t libre = sizeof buffer;
        size_t r = iconv(cd, &in, &quedan, &out, &libre);
        salida.append(buffer, static_cast<size_t>(out - buffer));
        if (r == static_cast<size_t>(-1)) {
            if (errno == E2BIG) continue;
            // EILSEQ or EINVAL: skip one input byte (or a whole UTF-8 sequence).
            size_t salto = 1;
            if (std::strcmp(desde, "UTF-8") == 0) {
                unsigned char c = static_cast<unsigned char>(*in);
                salto = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
                if (salto > quedan) salto = quedan;
            }
            in += salto;
            quedan -= salto;
            salida.push_back('?');
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
        }
    }
    return salida;
}

} // namespace

std::string ACp1252(const QString& texto) {
    return Convertir("CP1252", "UTF-8", texto.toStdString());
}

QString DesdeCp1252(const char* bytes, size_t max) {
    size_t n = 0;
    while (n < max && bytes[n] != '\0')
        ++n;
    return QString::fromStdString(Convertir("UTF-8", "CP1252", std::string(bytes, n)));
}

std::string Cp1252ACp850(const std::string& bytes) {
    return Convertir("CP850", "CP1252", bytes);
}

std::string Cp850ACp1252(const std::string& bytes) {
    return Convertir("CP1252", "CP850", bytes);
}

} // namespace plataforma
