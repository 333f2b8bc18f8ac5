#pragma once
// The one design of every column exercise window: digit grid, answer box,
// optional carry box, totals, and the end of an operation.
#include "nucleo/ventana_ejercicio.h"
#include "written/cuenta_columnas.h"
#include "written/lectura_cuenta.h"

#include <QPoint>
#include <QSize>

class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;

// What differs between the windows, in one place.
struct DefinicionVentana {
    const char* nombre; // objectName, "Form_sumas3b"
    const char* titulo;
    int32_t codigo;
    bool es_suma;
    bool con_llevadas;
    bool con_prestamo; // subtraction that borrows: marks row and its own rules
    int filas;
    int columnas;
    Sorteo sorteo;
    int izquierdas[kMaxColumnas]; // answer box left per column, units first
    QPoint desplazamiento;        // first placed at the main window's corner plus this
    void (*siguiente)();          // next-exercise routine at the end
};

// The next new operation of window `codigo` is this one instead of a drawn
// one: a play mode that picks its own exercises sets it before showing the
// window. Taken once.
void DarSiguienteCuenta(int32_t codigo, const Operacion& op);
bool TomarCuentaDada(int32_t codigo, Operacion& op);

class VentanaColumnas : public VentanaDeEjercicio {
    Q_OBJECT
public:
    VentanaColumnas(const DefinicionVentana& def, QWidget* parent);

    const DefinicionVentana& Def() const { return def_; }
    const CuentaEnColumnas& Cuenta() const { return cuenta_; }

    // Controls, under their usual names.
    QLabel* Cifra(int fila, int columna) const { return cifras_[fila][columna]; } // 0-based
    QLabel* Label_res[kMaxColumnas] = {};     // units, tens, hundreds, thousands
    QLabel* Label_mellevo[kMaxColumnas] = {}; // over tens (1) and hundreds (2)
    QLabel* Label_signo_mas = nullptr;
    QFrame* Shape1 = nullptr;
    QLineEdit* Memo_res = nullptr;
    QLineEdit* Memo_mellevo = nullptr;
    QLabel* Label1 = nullptr; // instruction, in the carry windows
    QLabel* Image1 = nullptr;

    void FormShow() override;
    virtual void NuevaCuenta();
    // Place colours and high contrast as chosen now; the window follows
    // them while it is on screen.
    virtual void AplicarApariencia();
    // Shows a given operation as NuevaCuenta shows a drawn one.
    void MostrarCuenta(const Operacion& op);
    virtual void Memo_resChange();
    void Memo_mellevoChange();
    // The success booked, then the 300 ms the child sees it.
    void CifraAcertada(const PasoJuzgado& paso);
    void CifraFallada(const PasoJuzgado& paso);
    // The failure sound and notice (with other lines when given), then booked;
    // the answer box is left as it is.
    void FalloSinBorrar(const PasoJuzgado& paso, const QString& linea1 = {},
                        const QString& linea2 = {});

protected:
    void DescribirOperacion(PasoJuzgado& paso) const override;
    // The borrow marks of the current column are on screen because the
    // child asked for them.
    virtual bool MarcasPedidas() const { return false; }
    // The box under `columna` (1 = units), and the step named for readers.
    void MoverRespuesta(int columna);
    void NombrarPaso(int columna, PasoLectura paso);
    virtual const Operacion& OpEnPantalla() const { return cuenta_.Op(); }
    // The right digit painted in its place, before the wait that follows it.
    void EscribirYAvanzar(int columna, const QString& texto);
    void EscribirUltima(int columna, const QString& texto);
    void FinDeCuenta();

private:
    void CrearControles();
    void ColorearCaja(QLineEdit* caja, int posicion);

    const DefinicionVentana& def_;
    CuentaEnColumnas cuenta_;
    QLabel* cifras_[kMaxFilas][kMaxColumnas] = {};
    bool primera_vez_ = true;
    int columna_caja_ = 1; // where the answer box stands, 1 = units
};
