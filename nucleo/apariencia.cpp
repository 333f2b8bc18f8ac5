#include "nucleo/apariencia.h"

#include "nucleo/preferencias.h"

namespace apariencia {
namespace {
struct Estado {
    bool leido = false;
    bool colores = false;
    bool contraste = false;
};

Estado& Actual() {
    static Estado e;
    if (!e.leido) {
        e.leido = true;
        e.colores = preferencias::ColoresPorPosicion();
        e.contraste = preferencias::ContrasteAlto();
    }
    return e;
}
} // namespace

bool ColoresPorPosicion() {
    return Actual().colores;
}
bool ContrasteAlto() {
    return Actual().contraste;
}

void FijarColoresPorPosicion(bool si) {
    Actual().colores = si;
    preferencias::FijarColoresPorPosicion(si);
    emit Cambios()->cambiada();
}

void FijarContrasteAlto(bool si) {
    Actual().contraste = si;
    preferencias::FijarContrasteAlto(si);
    emit Cambios()->cambiada();
}

QColor ColorCifra(int posicion, const QColor& normal) {
    if (ColoresPorPosicion()) return Color(ColorDePosicion(posicion));
    return ContrasteAlto() ? QColor(Qt::black) : normal;
}

QColor ColorMarca(const QColor& normal) {
    if (!ContrasteAlto()) return normal;
    if (normal == QColor(Qt::blue)) return Color(kAzulMarcaAlto);
    if (normal.red() > normal.blue()) return Color(kRojoMarcaAlto);
    return Qt::black;
}

Avisador* Cambios() {
    static Avisador* a = new Avisador;
    return a;
}

} // namespace apariencia
