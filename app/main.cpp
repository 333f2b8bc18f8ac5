#include "app/arranque.h"

int main(int argc, char** argv) {
    return EjecutarZifra(argc, argv);
}
