#include "aprendizaje/paso.h"

ExerciseKind TipoDePaso(const PasoJuzgado& paso) {
    const VentanaEjercicio* v = BuscarVentanaEjercicio(paso.ventana);
    return v ? v->tipo : SumasSinLlevar;
}
