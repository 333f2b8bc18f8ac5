#pragma once
// Subtraction that borrows, without any window: the draw, the borrow state
// under both methods, the judging of each typed digit and of "Me llevo...",
// and which marks teach each borrow, in order.
#include "nucleo/juego.h"
#include "written/cuenta_columnas.h"

#include <vector>

enum class TipoMarca {
    Ayuda,  // "1 " left of a minuend digit: the ten it gets
    Ayuda2, // "1  " small, over a lowered digit that gets ten too
    Mas1,   // "+1" on the subtrahend (method 1)
    Koru,   // "X" over a crossed-out minuend digit (method 2)
    Menos1, // the lowered minuend digit (method 2)
};

struct PasoMarca {
    enum Tipo { Mostrar, MostrarYPintar, Esperar } tipo;
    TipoMarca marca = TipoMarca::Ayuda;
    int columna = 0; // 0 = units
};

class RestaConPrestamo {
public:
    enum class Juicio {
        Nada,           // nothing typed
        NoPuedesRestar, // manual marks: a borrowing column typed before "Me llevo..."; nothing
                        // booked
        Fallo,          // wrong digit: the box empties, the column stays
        Acierto,        // right digit: shown, on to the next column
        Fin,            // right digit of the last column
        Marcas,         // "Me llevo..." where the column borrows: its marks
        NoTeLlevas,     // "Me llevo..." where it does not: a failure
    };

    // columnas: 3 (hundreds never borrow) or 4 (units and hundreds always do).
    static Operacion Sortear(int columnas);
    // Could Sortear have drawn it (two rows, 3 or 4 columns)?
    static bool Admite(const Operacion& op);
    // The method and marking mode hold until the next operation.
    void Empezar(const Operacion& op, MetodoResta metodo, MarcarLlevadas marcar);

    // The digit typed in the current column.
    Juicio Cifra(const QString& texto);
    // The "Me llevo..." button, pressed in the current column.
    Juicio MeLlevo();
    // The marks drawn by the last step (the start, a right digit, the
    // button), in the order the window shows them.
    const std::vector<PasoMarca>& Marcas() const { return marcas_; }

    const Operacion& Op() const { return op_; }
    MetodoResta Metodo() const { return metodo_; }
    MarcarLlevadas Marcar() const { return marcar_; }
    int Columna() const { return columna_; } // 1 = units
    // The current column borrows under the chosen method.
    bool LlevaAhora() const { return lleva_ahora_; }
    // Manual marks: the "Me llevo..." button is due.
    bool Boton() const { return boton_; }
    int Resultado(int columna) const { return resultados_[columna]; } // 0 = units
    // Does this column borrow under this method?
    bool Lleva(int columna, MetodoResta metodo) const;
    // Method 2's minuend digit of a column after lending, as shown above it.
    int Rebajado(int columna) const { return rebajado_[columna]; }
    // Method 2: the minuend digit of that column was lowered by the loan.
    bool Prestamo(int columna) const { return prestamo_[columna]; }

private:
    void Calcular();
    void MarcasIniciales();
    // Marks for a borrow in a column (0 units, 1 tens, 2 hundreds).
    void MarcasDe(int columna);
    void Cadena(int desde);
    void Poner(PasoMarca::Tipo tipo, TipoMarca marca, int columna);
    void Espera();

    Operacion op_;
    MetodoResta metodo_ = MetodoResta::SumarAlSustraendo;
    MarcarLlevadas marcar_ = MarcarLlevadas::Manual;
    int columna_ = 1;
    bool lleva_ahora_ = false;
    bool boton_ = false;
    bool terminada_ = false; // the last digit was right: nothing more to judge
    std::vector<PasoMarca> marcas_;
    bool tachado_[kMaxColumnas] = {}; // method 2's crossing-out drawn over that column
    int resultados_[kMaxColumnas] = {};
    bool llevada1_[kMaxColumnas] = {}; // method 1: the column borrows
    bool llevada2_[kMaxColumnas] = {}; // method 2
    bool prestamo_[kMaxColumnas] = {};
    int rebajado_[kMaxColumnas] = {};
};
