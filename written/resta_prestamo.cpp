#include "written/resta_prestamo.h"

#include "nucleo/azar.h"

void RestaConPrestamo::Sortear(int columnas) {
    Operacion op;
    op.filas = 2;
    op.columnas = columnas;
    auto par = [&](int c, auto repetir) {
        do {
            op.cifras[0][c] = Aleatorio(10);
            op.cifras[1][c] = Aleatorio(10);
        } while (repetir(op.cifras[0][c], op.cifras[1][c]));
    };
    par(0, [](int m, int s) { return m >= s; });
    par(1, [](int, int) { return false; });
    if (columnas == 4) {
        par(2, [](int m, int s) { return m >= s; });
        par(3, [](int m, int s) { return m <= s; });
    } else {
        par(2, [](int m, int s) { return m <= s; });
    }
    Empezar(op);
}

void RestaConPrestamo::Empezar(const Operacion& op) {
    op_ = op;
    const int n = op.columnas;
    bool lleva1 = false; // the column to the right borrowed, method 1
    bool presta = false; // the column to the right lent, method 2
    for (int c = 0; c < n; ++c) {
        const int m = op.cifras[0][c];
        const int s = op.cifras[1][c];
        int r = m - (s + lleva1);
        llevada1_[c] = r < 0;
        resultados_[c] = r < 0 ? r + 10 : r;
        // Method 2: a lent-from digit drops by one; a 0 becomes 9 and lends on.
        prestamo_[c] = presta;
        const int bajado = presta ? (m == 0 ? 9 : m - 1) : m;
        rebajado_[c] = bajado;
        llevada2_[c] = bajado < s;
        lleva1 = llevada1_[c];
        presta = llevada2_[c] || (presta && m == 0);
    }
    // The leftmost column never borrows; its mark always reads its digit minus one.
    rebajado_[n - 1] = op.cifras[0][n - 1] - 1;
}

bool RestaConPrestamo::Lleva(int columna, int metodo) const {
    if (columna < 0 || columna >= op_.columnas) return false;
    return metodo == 1 ? llevada1_[columna] : llevada2_[columna];
}

namespace {
PasoMarca Ver(TipoMarca m, int c) {
    return {PasoMarca::Mostrar, m, c};
}
PasoMarca Pintar(TipoMarca m, int c) {
    return {PasoMarca::MostrarYPintar, m, c};
}
PasoMarca Espera() {
    return {PasoMarca::Esperar, TipoMarca::Ayuda, 0};
}
} // namespace

// A 0 that lent became 9 and passes the loan to the digit on its left.
void RestaConPrestamo::Cadena(int desde, std::vector<PasoMarca>& pasos) const {
    const int n = op_.columnas;
    for (int c = desde; c + 1 < n && c <= 2; ++c) {
        if (op_.cifras[0][c] != 0 || !prestamo_[c]) return;
        pasos.push_back(Pintar(TipoMarca::Koru, c + 1));
        pasos.push_back(Espera());
        pasos.push_back(Ver(TipoMarca::Menos1, c + 1));
        // In three columns only the tens pass a loan on.
        if (n == 3) return;
    }
}

std::vector<PasoMarca> RestaConPrestamo::MarcasIniciales(int metodo) const {
    std::vector<PasoMarca> pasos;
    if (metodo == 1) {
        pasos = {Ver(TipoMarca::Mas1, 1), Ver(TipoMarca::Ayuda, 0)};
    } else {
        pasos = {Ver(TipoMarca::Menos1, 1), Ver(TipoMarca::Koru, 1), Ver(TipoMarca::Ayuda, 0)};
        Cadena(1, pasos);
    }
    return pasos;
}

std::vector<PasoMarca> RestaConPrestamo::MarcasDe(int columna, int metodo,
                                                  bool koru_c_visible) const {
    std::vector<PasoMarca> pasos;
    const int sig = columna + 1;
    if (metodo == 1) {
        pasos = {Pintar(TipoMarca::Ayuda, columna), Espera(), Ver(TipoMarca::Mas1, sig)};
        if (columna > 0 && llevada1_[columna - 1]) pasos.push_back(Ver(TipoMarca::Mas1, columna));
        return pasos;
    }
    if (columna == 0) {
        pasos = {Pintar(TipoMarca::Ayuda, 0), Espera(), Pintar(TipoMarca::Koru, 1), Espera(),
                 Ver(TipoMarca::Menos1, 1)};
        Cadena(1, pasos);
        return pasos;
    }
    const bool bajado = columna == 1 ? prestamo_[1] : koru_c_visible;
    if (bajado) {
        if (columna == 1)
            pasos = {Pintar(TipoMarca::Koru, 1), Espera(), Ver(TipoMarca::Menos1, 1),
                     Pintar(TipoMarca::Ayuda2, 1)};
        else
            pasos = {Ver(TipoMarca::Menos1, 2), Pintar(TipoMarca::Ayuda2, 2)};
    } else {
        pasos = {Pintar(TipoMarca::Ayuda, columna)};
    }
    pasos.push_back(Espera());
    pasos.push_back(Pintar(TipoMarca::Koru, sig));
    pasos.push_back(Espera());
    pasos.push_back(Ver(TipoMarca::Menos1, sig));
    if (columna == 1 && op_.columnas == 4 && op_.cifras[0][2] == 0) {
        pasos.push_back(Pintar(TipoMarca::Koru, 3));
        pasos.push_back(Espera());
        pasos.push_back(Ver(TipoMarca::Menos1, 3));
    }
    return pasos;
}
