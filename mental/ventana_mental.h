#pragma once
// The one design of both mental-arithmetic windows: a horizontal operation
// with one term hidden under the answer box, the operand menus, the totals.
#include "mental/calculo_mental.h"
#include "nucleo/ventana_ejercicio.h"

#include <QDialog>

class ImagenAnimada;
class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;

// What differs between the two windows, in one place.
struct DefinicionMental {
    const char* nombre; // objectName, "Form_cmental1"
    const char* titulo;
    int32_t codigo;
    TipoMental tipo;
    const char* signo;
    const char* etiqueta1; // first operand's label
    const char* etiqueta2;
    const char* menu1; // first operand's menu and caption
    const char* texto_menu1;
    const char* menu2;
    const char* texto_menu2;
    const char* incognita1; // "unknown on the first operand" item and caption
    const char* texto_incognita1;
    const char* incognita2;
    const char* texto_incognita2;
    const char* verbo_fijo; // "sumar": the fixed values' times table
};

// The next new operation of window `codigo` is this one, with that term
// hidden, instead of one drawn by the window's settings. Taken once.
void DarSiguienteCuentaMental(int32_t codigo, const CuentaMental& cuenta, Incognita incognita);

class VentanaMental : public VentanaDeEjercicio {
    Q_OBJECT
public:
    VentanaMental(const DefinicionMental& def, QWidget* parent);

    const DefinicionMental& Def() const { return def_; }
    AjustesMental& Ajustes() const { return AjustesCalculoMental(def_.tipo); }
    const CuentaMental& Cuenta() const { return cuenta_; }
    // The term under the answer box: 0 first, 1 second, 2 result.
    int Oculto() const { return incognita_; }
    QAction* Accion(const char* nombre) const;

    // Controls common to both windows.
    QMenuBar* MainMenu1 = nullptr;
    QMenu* M_Incognita = nullptr;
    QAction* Elegidoalazarhasta1 = nullptr;
    QAction* Enelresultado = nullptr;
    QWidget* Fondo = nullptr; // client area, under the menu bar
    QLabel* Label4 = nullptr; // sign
    QLabel* Label3 = nullptr; // "="
    QLabel* Label_resultado = nullptr;
    QLineEdit* Memo_res = nullptr;
    QPushButton* Color95Button1 = nullptr;
    ImagenAnimada* GIFImage1 = nullptr;

    int32_t valor_correcto = 0;

    void FormCreate();
    void FormShow() override;
    // High contrast as chosen now; followed while the window is on screen.
    void AplicarApariencia();
    void FormClose() override;
    void NuevaCuenta();
    void Color95Button1Click();
    // What was typed, as a number (-1 when it is not one).
    void CuentaAcertada(int32_t tecleado);
    void CuentaFallada(int32_t tecleado);

    // Menu commands, by their item's name.
    void Hasta101Click() { ElegirLimite1(0); }
    void Hasta201Click() { ElegirLimite1(1); }
    void Hasta301Click() { ElegirLimite1(2); }
    void Hasta401Click() { ElegirLimite1(3); }
    void Hasta501Click() { ElegirLimite1(4); }
    void Hasta701Click() { ElegirLimite1(5); }
    void sinlimite1Click() { ElegirLimite1(6); }
    void Hasta102Click() { ElegirLimite2(0); }
    void Hasta202Click() { ElegirLimite2(1); }
    void Hasta302Click() { ElegirLimite2(2); }
    void Hasta402Click() { ElegirLimite2(3); }
    void Hasta502Click() { ElegirLimite2(4); }
    void Hasta1001Click() { ElegirLimite2(5); }
    void sinlimite2Click() { ElegirLimite2(6); }
    void Fijo11Click() { ElegirFijo(1); }
    void Fijo21Click() { ElegirFijo(2); }
    void Fijo31Click() { ElegirFijo(3); }
    void Fijo41Click() { ElegirFijo(4); }
    void Fijo51Click() { ElegirFijo(5); }
    void Fijo61Click() { ElegirFijo(6); }
    void Fijo71Click() { ElegirFijo(7); }
    void Fijo81Click() { ElegirFijo(8); }
    void Fijo91Click() { ElegirFijo(9); }
    void Fijo101Click() { ElegirFijo(10); }
    void EnelresultadoClick() { ElegirIncognita(Incognita::Resultado); }

protected:
    void DescribirOperacion(PasoJuzgado& paso) const override;
    // The first operand's label and menu, then the second's.
    QLabel* Termino(int i) const { return terminos_[i]; }
    QMenu* MenuOperando(int i) const { return menus_[i]; }
    QAction* AccionIncognita(int i) const { return incognitas_[i]; }
    void ElegirIncognita(Incognita incognita);

private:
    void CrearControles();
    void CrearMenus();
    void ConectarMenus();
    void MostrarMarcas();
    void ElegirLimite1(int rango);
    void ElegirLimite2(int rango);
    void ElegirFijo(int valor);

    const DefinicionMental& def_;
    CuentaMental cuenta_;
    QLabel* terminos_[2] = {};
    QMenu* menus_[2] = {};
    QAction* incognitas_[2] = {};
    bool celebrar_ = false; // every second right answer is celebrated
    int incognita_ = 2;     // the hidden term of the operation on screen
};
