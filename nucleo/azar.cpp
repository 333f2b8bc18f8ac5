#include "nucleo/azar.h"

#include <QRandomGenerator>
#include <cstdlib>

int32_t Aleatorio(int32_t n) {
    if (n <= 0) return 0;
    return std::rand() % n;
}

void SembrarAzar(unsigned semilla) {
    std::srand(semilla);
}

void SembrarAzarSinSemilla() {
    SembrarAzar(QRandomGenerator::system()->generate());
}
