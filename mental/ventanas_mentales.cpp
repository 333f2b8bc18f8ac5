#include "mental/ventanas_mentales.h"

#include "nucleo/juego.h"
#include "platform/accesibilidad.h"

#include <QAction>

// clang-format off
const DefinicionMental kCmental1 = {
    "Form_cmental1", "Cálculo mental  con sumas", VentanaCmental1, TipoMental::Sumas, "+",
    "Label_sumando1", "Label_sumando2",
    "M_Sumando1", "Sumando &1", "M_Sumando2", "Sumando &2",
    "Enelsumando1", "En el sumando &1", "Enelsumando2", "En el sumando &2",
    "sumar"};
const DefinicionMental kCmental2 = {
    "Form_cmental2", "Cálculo mental con restas", VentanaCmental2, TipoMental::Restas, "-",
    "Label_minuendo", "Label_sustraendo",
    "M_Minuendo", "&Minuendo", "M_Sustraendo", "&Sustraendo",
    "Enelminuendo", "En el &minuendo", "Enelsustraendo", "En el &sustraendo",
    "restar"};
// clang-format on

TForm_cmental1::TForm_cmental1(QWidget* parent) : VentanaMental(kCmental1, parent) {
    Label_sumando1 = Termino(0);
    Label_sumando2 = Termino(1);
    M_Sumando1 = MenuOperando(0);
    M_Sumando2 = MenuOperando(1);
    Enelsumando1 = AccionIncognita(0);
    Enelsumando2 = AccionIncognita(1);
    connect(Enelsumando1, &QAction::triggered, this, &TForm_cmental1::Enelsumando1Click);
    connect(Enelsumando2, &QAction::triggered, this, &TForm_cmental1::Enelsumando2Click);
    plataforma::PublicarAccesibilidad(this);
}

TForm_cmental2::TForm_cmental2(QWidget* parent) : VentanaMental(kCmental2, parent) {
    Label_minuendo = Termino(0);
    Label_sustraendo = Termino(1);
    M_Minuendo = MenuOperando(0);
    M_Sustraendo = MenuOperando(1);
    Enelminuendo = AccionIncognita(0);
    Enelsustraendo = AccionIncognita(1);
    connect(Enelminuendo, &QAction::triggered, this, &TForm_cmental2::EnelminuendoClick);
    connect(Enelsustraendo, &QAction::triggered, this, &TForm_cmental2::EnelsustraendoClick);
    plataforma::PublicarAccesibilidad(this);
}
