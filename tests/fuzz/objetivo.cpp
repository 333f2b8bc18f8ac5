// libFuzzer entry for one check of arneses.h, chosen by ZIFRA_ARNES.
#include "arneses.h"
#include "arneses_diario.h"
#include "arneses_ordenes.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* datos, size_t n) {
    const std::string fallo = arneses::ZIFRA_ARNES(datos, n);
    if (!fallo.empty()) {
        std::fprintf(stderr, "promesa rota: %s\n", fallo.c_str());
        std::abort();
    }
    return 0;
}
