#include "nucleo/azar.h"

#include <cstdlib>
#include <ctime>

int32_t Aleatorio(int32_t n) {
    if (n <= 0) return 0;
    return std::rand() % n;
}

void SembrarAzar(unsigned semilla) {
    std::srand(semilla);
}

void SembrarAzarConElReloj() {
    SembrarAzar(static_cast<unsigned>(std::time(nullptr)));
}
