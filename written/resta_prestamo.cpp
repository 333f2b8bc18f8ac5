#include "written/resta_prestamo.h"

#include "nucleo/azar.h"

#include <algorithm>
#include <iterator>

Operacion RestaConPrestamo::Sortear(int columnas) {
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
    return op;
}

bool RestaConPrestamo::Admite(const Operacion& op) {
    if (op.filas != 2 || (op.columnas != 3 && op.columnas != 4)) return false;
    auto m = [&](int c) { return op.cifras[0][c]; };
    auto s = [&](int c) { return op.cifras[1][c]; };
    if (m(0) >= s(0)) return false;
    if (op.columnas == 4) return m(2) < s(2) && m(3) > s(3);
    return m(2) > s(2);
}

void RestaConPrestamo::Empezar(const Operacion& op, MetodoResta metodo, MarcarLlevadas marcar) {
    op_ = op;
    metodo_ = metodo;
    marcar_ = marcar;
    Calcular();
    columna_ = 1;
    lleva_ahora_ = Lleva(0, metodo_);
    boton_ = marcar_ == MarcarLlevadas::Manual;
    terminada_ = false;
    std::fill(std::begin(tachado_), std::end(tachado_), false);
    marcas_.clear();
    if (marcar_ == MarcarLlevadas::Automatico) MarcasIniciales();
}

void RestaConPrestamo::Calcular() {
    const int n = op_.columnas;
    bool lleva1 = false; // the column to the right borrowed, method 1
    bool presta = false; // the column to the right lent, method 2
    for (int c = 0; c < n; ++c) {
        const int m = op_.cifras[0][c];
        const int s = op_.cifras[1][c];
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
    rebajado_[n - 1] = op_.cifras[0][n - 1] - 1;
}

bool RestaConPrestamo::Lleva(int columna, MetodoResta metodo) const {
    if (columna < 0 || columna >= op_.columnas) return false;
    return metodo == MetodoResta::SumarAlSustraendo ? llevada1_[columna] : llevada2_[columna];
}

RestaConPrestamo::Juicio RestaConPrestamo::Cifra(const QString& texto) {
    if (texto.isEmpty() || terminada_) return Juicio::Nada;
    // A borrow must be declared before its digit; nothing is booked.
    if (marcar_ == MarcarLlevadas::Manual && boton_ && lleva_ahora_) return Juicio::NoPuedesRestar;
    marcas_.clear();
    bool ok = false;
    const int valor = texto.toInt(&ok);
    if (!ok || valor != resultados_[columna_ - 1]) return Juicio::Fallo;
    if (columna_ == op_.columnas) {
        terminada_ = true;
        boton_ = false;
        return Juicio::Fin;
    }
    ++columna_;
    lleva_ahora_ = Lleva(columna_ - 1, metodo_);
    if (lleva_ahora_ && marcar_ == MarcarLlevadas::Automatico) MarcasDe(columna_ - 1);
    // Due again in every new column, the last one too, which never borrows.
    if (marcar_ == MarcarLlevadas::Manual) boton_ = true;
    return Juicio::Acierto;
}

RestaConPrestamo::Juicio RestaConPrestamo::MeLlevo() {
    marcas_.clear();
    if (!boton_) return Juicio::Nada;
    // Pressed, right or wrong, the button is gone for the rest of the column.
    boton_ = false;
    if (!lleva_ahora_) return Juicio::NoTeLlevas;
    MarcasDe(columna_ - 1);
    return Juicio::Marcas;
}

void RestaConPrestamo::Poner(PasoMarca::Tipo tipo, TipoMarca marca, int columna) {
    marcas_.push_back({tipo, marca, columna});
    if (marca == TipoMarca::Koru) tachado_[columna] = true;
}

void RestaConPrestamo::Espera() {
    marcas_.push_back({PasoMarca::Esperar, TipoMarca::Ayuda, 0});
}

// A 0 that lent became 9 and passes the loan to the digit on its left.
void RestaConPrestamo::Cadena(int desde) {
    const int n = op_.columnas;
    for (int c = desde; c + 1 < n && c <= 2; ++c) {
        if (op_.cifras[0][c] != 0 || !prestamo_[c]) return;
        Poner(PasoMarca::MostrarYPintar, TipoMarca::Koru, c + 1);
        Espera();
        Poner(PasoMarca::Mostrar, TipoMarca::Menos1, c + 1);
        // In three columns only the tens pass a loan on.
        if (n == 3) return;
    }
}

void RestaConPrestamo::MarcasIniciales() {
    const auto ver = PasoMarca::Mostrar;
    if (metodo_ == MetodoResta::SumarAlSustraendo) {
        Poner(ver, TipoMarca::Mas1, 1);
        Poner(ver, TipoMarca::Ayuda, 0);
        return;
    }
    Poner(ver, TipoMarca::Menos1, 1);
    Poner(ver, TipoMarca::Koru, 1);
    Poner(ver, TipoMarca::Ayuda, 0);
    Cadena(1);
}

void RestaConPrestamo::MarcasDe(int columna) {
    const auto ver = PasoMarca::Mostrar;
    const auto pintar = PasoMarca::MostrarYPintar;
    const int sig = columna + 1;
    if (metodo_ == MetodoResta::SumarAlSustraendo) {
        Poner(pintar, TipoMarca::Ayuda, columna);
        Espera();
        Poner(ver, TipoMarca::Mas1, sig);
        if (columna > 0 && llevada1_[columna - 1]) Poner(ver, TipoMarca::Mas1, columna);
        return;
    }
    if (columna == 0) {
        Poner(pintar, TipoMarca::Ayuda, 0);
        Espera();
        Poner(pintar, TipoMarca::Koru, 1);
        Espera();
        Poner(ver, TipoMarca::Menos1, 1);
        Cadena(1);
        return;
    }
    // The digit of this column was itself lowered: its ten goes over the
    // lowered digit, small.
    const bool bajado = columna == 1 ? prestamo_[1] : tachado_[2];
    if (bajado) {
        if (columna == 1) {
            Poner(pintar, TipoMarca::Koru, 1);
            Espera();
            Poner(ver, TipoMarca::Menos1, 1);
            Poner(pintar, TipoMarca::Ayuda2, 1);
        } else {
            Poner(ver, TipoMarca::Menos1, 2);
            Poner(pintar, TipoMarca::Ayuda2, 2);
        }
    } else {
        Poner(pintar, TipoMarca::Ayuda, columna);
    }
    Espera();
    Poner(pintar, TipoMarca::Koru, sig);
    Espera();
    Poner(ver, TipoMarca::Menos1, sig);
    if (columna == 1 && op_.columnas == 4 && op_.cifras[0][2] == 0) {
        Poner(pintar, TipoMarca::Koru, 3);
        Espera();
        Poner(ver, TipoMarca::Menos1, 3);
    }
}
