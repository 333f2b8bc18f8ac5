#include "written/ventanas_escritas.h"

#include "nucleo/juego.h"
#include "nucleo/ventanas.h"

namespace {
// Mode 3 and mode 4 share the three-row addition; each goes on in its own group.
void SiguienteDeSumas5() {
    if (juego.tipo_juego == TipoJuego::SumasConLlevadasDificil)
        SiguienteSumasConLlevadas();
    else
        SiguienteConLlevadas();
}
} // namespace

// clang-format off
//                                    objectName       caption                                code            suma   llevadas prestamo filas cols draw                        answer box lefts        first placed  next exercise
const DefinicionVentana kSumas3b  = {"Form_sumas3b",  "Sumas, SIN llevadas",                  VentanaSumas3b,  true,  false, false,  2,    3,   Sorteo::SumaSinLlevar,    {430, 370, 310},         {122, 138},   SiguienteSinLlevadas};
const DefinicionVentana kRestas3  = {"Form_restas3",  "Restas, SIN llevarse",                 VentanaRestas3,  false, false, false,  2,    2,   Sorteo::RestaSinLlevar,   {370, 310},              {150, 138},   SiguienteSinLlevadas};
const DefinicionVentana kRestas3b = {"Form_restas3b", "Restas, SIN llevadas",                 VentanaRestas3b, false, false, false,  2,    3,   Sorteo::RestaSinLlevar,   {430, 370, 310},         {122, 138},   SiguienteSumasConLlevadas};
const DefinicionVentana kSumas4b  = {"Form_sumas4b",  "Sumas, CON llevadas",                  VentanaSumas4b,  true,  true,  false,  2,    3,   Sorteo::SumaLlevaSiempre, {420, 370, 320, 275},    {122, 123},   SiguienteSumasConLlevadas};
const DefinicionVentana kSumas5   = {"Form_sumas5",   "Sumas  CON  llevadas",                 VentanaSumas5,   true,  true,  false,  3,    3,   Sorteo::SumaLibre,        {420, 370, 320, 275},    {122, 100},   SiguienteDeSumas5};
const DefinicionVentana kSumas5b  = {"Form_sumas5b",  "Sumas  CON  llevadas, más difícil",    VentanaSumas5b,  true,  true,  false,  4,    3,   Sorteo::SumaLibre,        {420, 370, 320, 275},    {122, 65},    SiguienteConLlevadas};
// clang-format on

TForm_sumas3b::TForm_sumas3b(QWidget* parent) : VentanaColumnas(kSumas3b, parent) {}
TForm_sumas4b::TForm_sumas4b(QWidget* parent) : VentanaColumnas(kSumas4b, parent) {}
TForm_sumas5::TForm_sumas5(QWidget* parent) : VentanaColumnas(kSumas5, parent) {}
TForm_sumas5b::TForm_sumas5b(QWidget* parent) : VentanaColumnas(kSumas5b, parent) {}
TForm_restas3::TForm_restas3(QWidget* parent) : VentanaColumnas(kRestas3, parent) {}
TForm_restas3b::TForm_restas3b(QWidget* parent) : VentanaColumnas(kRestas3b, parent) {}
