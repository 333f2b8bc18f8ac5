#pragma once
// The subtraction windows that borrow: the column design plus the borrow
// marks, the "Me llevo..." button and the two methods.
#include "written/resta_prestamo.h"
#include "written/ventana_columnas.h"

class QPushButton;

class VentanaResta : public VentanaColumnas {
    Q_OBJECT
public:
    VentanaResta(const DefinicionVentana& def, QWidget* parent);

    const RestaConPrestamo& Resta() const { return resta_; }
    // The mark of that kind over a column (0 = units), or nullptr where the window has none.
    QLabel* Marca(TipoMarca tipo, int columna) const;
    QPushButton* Color95Button_ayuda = nullptr;

    void NuevaCuenta() override;
    void AplicarApariencia() override;
    void Memo_resChange() override;
    void Color95Button_ayudaClick();
    // Shows a given operation as NuevaCuenta shows a drawn one.
    void MostrarResta(const Operacion& op);

protected:
    void DescribirOperacion(PasoJuzgado& paso) const override;
    bool MarcasPedidas() const override;
    const Operacion& OpEnPantalla() const override { return resta_.Op(); }

private:
    void Aplicar(const std::vector<PasoMarca>& pasos);

    RestaConPrestamo resta_;
    QLabel* marcas_[5][kMaxColumnas] = {};
};

class TForm_restas4b : public VentanaResta {
    Q_OBJECT
public:
    explicit TForm_restas4b(QWidget* parent = nullptr);
};

class TForm_restas5 : public VentanaResta {
    Q_OBJECT
public:
    explicit TForm_restas5(QWidget* parent = nullptr);
};

extern const DefinicionVentana kRestas4b, kRestas5;
