#include "aprendizaje/repaso.h"

#include "aprendizaje/diario.h"
#include "aprendizaje/panel_ejemplo.h"
#include "aprendizaje/plan_repaso.h"
#include "mental/ventana_mental.h"
#include "nucleo/azar.h"
#include "nucleo/juego.h"
#include "nucleo/servicios.h"
#include "nucleo/ventanas.h"
#include "platform/mensajes.h"
#include "results/archivo_resultados.h"
#include "written/ventana_columnas.h"

#include <map>
#include <memory>
#include <set>

namespace {

const QString kSinErrores = QStringLiteral("¡Muy bien! No hay errores que repasar.");

struct Repaso {
    std::map<QString, std::vector<const Patron*>> confirmados;
    std::map<QString, unsigned> tipos;
    std::map<QString, std::unique_ptr<PlanRepaso>> planes;
    std::set<QString> avisados;
    EjercicioRepaso actual;
};

Repaso& Estado() {
    static Repaso r;
    return r;
}

void Dar(const CuentaDescrita& c) {
    const DescripcionCuenta& d = c.descripcion;
    if (d.EsMental())
        DarSiguienteCuentaMental(d.ventana, c.mental, d.incognita);
    else
        DarSiguienteCuenta(d.ventana, c.op);
}

void Siguiente() {
    CerrarVentanaActual();
    Repaso& r = Estado();
    const QString clave = ClaveJugador(NombreJugador(juego.jugador_actual));
    std::unique_ptr<PlanRepaso>& plan = r.planes[clave];
    if (!plan)
        plan = std::make_unique<PlanRepaso>(r.confirmados[clave], r.tipos[clave],
                                            uint64_t(Aleatorio(1 << 30)));
    if (plan->SinPatrones() && r.avisados.insert(clave).second) plataforma::Avisar(kSinErrores);
    r.actual = plan->Siguiente();
    const EjercicioRepaso& e = r.actual;
    auto* columnas = qobject_cast<VentanaColumnas*>(VentanaDeCodigo(e.ventana));
    auto* mental = qobject_cast<VentanaMental*>(VentanaDeCodigo(e.ventana));
    if (e.con_ejemplo && mental) {
        Dar(e.ejemplo);
        MostrarVentana(e.ventana);
        const DescripcionCuenta& d = e.ejemplo.descripcion;
        new PanelEjemplo(mental, EjemploMental(e.ejemplo.mental, d.mental, d.incognita),
                         [mental, cuenta = e.cuenta] {
                             Dar(cuenta);
                             mental->NuevaCuenta();
                         });
        return;
    }
    if (e.con_ejemplo && columnas) {
        Dar(e.ejemplo);
        MostrarVentana(e.ventana);
        const DescripcionCuenta& d = e.ejemplo.descripcion;
        new PanelEjemplo(columnas, EjemploResuelto(e.ejemplo.op, d.es_suma, juego.modo_restas),
                         [columnas, cuenta = e.cuenta] {
                             Dar(cuenta);
                             columnas->NuevaCuenta();
                         });
        return;
    }
    if (!e.corriente) Dar(e.cuenta);
    MostrarVentana(e.ventana);
}

} // namespace

const EjercicioRepaso& EjercicioDelRepaso() {
    return Estado().actual;
}

void EmpezarRepaso() {
    Repaso& r = Estado();
    r = Repaso{};
    LecturaDiarios lectura;
    {
        CursorDeEspera espera;
        lectura = LeerDiarios({resultados::CarpetaResultados()});
    }
    for (const DiagnosticoJugador& d : Diagnosticar(lectura.pasos))
        r.confirmados[ClaveJugador(d.jugador)] = Confirmados(d);
    for (const PasoDiario& p : lectura.pasos)
        r.tipos[ClaveJugador(p.jugador)] |= 1u << TipoDePaso(p.paso);
    FijarSiguienteDelRepaso(&Siguiente);
    Siguiente();
}
