#include "aprendizaje/patrones.h"

#include "aprendizaje/diagnostico.h"

namespace {

constexpr unsigned BitTipo(ExerciseKind k) {
    return 1u << k;
}
constexpr unsigned kSumasConLlevadas = BitTipo(SumasConLlevadas);
constexpr unsigned kRestasConLlevadas = BitTipo(RestasConLlevadas);
constexpr unsigned kSumas = BitTipo(SumasSinLlevar) | BitTipo(SumasConLlevadas);
constexpr unsigned kMental = BitTipo(CalculoMental);
constexpr unsigned kTodos = (1u << kTiposEjercicio) - 1;

std::vector<Patron> Tabla() {
    auto s = [](const char* texto) { return QString::fromUtf8(texto); };
    std::vector<Patron> t;
    auto poner = [&](const char* codigo, const char* nombre, const char* descripcion,
                     unsigned tipos, Firma firma, bool comodin = false) {
        t.push_back({codigo, s(nombre), s(descripcion), tipos, firma, comodin, {}});
    };
    poner("llevada_olvidada", "Se olvida de la llevada",
          "Al sumar una columna no añade la que se lleva de la columna anterior; conviene "
          "practicar sumas con llevadas escribiendo la llevada arriba y sumándola la primera.",
          kSumasConLlevadas, FirmaLlevadaOlvidada);
    poner("llevada_escrita", "Escribe las decenas y se lleva las unidades",
          "Cuando una columna suma 10 o más escribe la cifra de las decenas y se lleva la de las "
          "unidades; conviene repasar el valor de posición con decenas y unidades de material.",
          kSumasConLlevadas, FirmaLlevadaEscrita);
    poner("menor_del_mayor", "Resta el pequeño del grande",
          "Cuando la cifra de arriba es menor, le resta la de arriba a la de abajo en vez de "
          "llevarse; conviene practicar, columna a columna, cuándo hace falta llevarse.",
          kRestasConLlevadas, FirmaMenorDelMayor);
    poner("prestamo_olvidado", "Se olvida de la que se lleva",
          "En la columna que sigue a una llevada no la tiene en cuenta (no suma el 1 a la cifra "
          "de abajo, o no baja en uno la de arriba, según el método); conviene practicar restas "
          "con llevadas con las marcas a la vista.",
          kRestasConLlevadas, FirmaPrestamoOlvidado);
    t.back().nombre_metodo[0] = s("No suma la que se lleva a la cifra de abajo");
    t.back().nombre_metodo[1] = s("No baja la cifra de arriba");
    poner("cero_menos_n", "Cero menos un número da el número",
          "Con un 0 arriba escribe la cifra de abajo, como si 0 − 4 fuera 4; conviene practicar "
          "restas con ceros en el minuendo, llevándose del 0.",
          kRestasConLlevadas, FirmaCeroMenosN);
    poner("prestamo_cadena_cero", "Se lleva a través del cero y no baja la cifra siguiente",
          "Al llevarse de un 0 lo cambia por 9 pero no baja la cifra que hay a la izquierda de "
          "los ceros; conviene practicar restas como 1300 − 522, tachando cifra a cifra.",
          kRestasConLlevadas, FirmaPrestamoCadenaCero);
    poner("operacion_cambiada", "Cambia la operación",
          "Suma en una resta o resta en una suma; conviene leer el signo en voz alta antes de "
          "empezar y mezclar sumas y restas en la misma hoja.",
          kTodos, FirmaOperacionCambiada);
    poner("mental_decena", "Se equivoca en una decena",
          "En cálculo mental pierde la llevada al pasar de una decena y el resultado sale 10 de "
          "más o de menos; conviene practicar el paso de la decena descomponiendo (27 + 15 = "
          "27 + 3 + 12).",
          kMental, FirmaMentalDecena);
    poner("mental_contraria", "Opera con los números que ve",
          "Cuando falta un término hace la otra operación con los dos números que ve (en 5 + ? "
          "= 12 escribe 17); conviene buscar el número que falta con objetos o con la recta "
          "numérica y comprobarlo.",
          kMental, FirmaMentalContraria);
    poner("mental_copia", "Copia un número de la cuenta",
          "Escribe uno de los números que ya ve en la cuenta; conviene leer la cuenta entera en "
          "voz alta y hablar de lo que significa el signo igual.",
          kMental, FirmaMentalCopia);
    // N + 0 = 0, as if adding 0 were multiplying by it.
    poner("mas_cero_da_cero", "Sumar 0 da 0",
          "En una columna con un 0 escribe 0, como si sumar 0 fuera multiplicar por 0; conviene "
          "practicar sumas con ceros y decir qué pasa al no añadir nada.",
          kSumas, FirmaMasCeroDaCero);
    poner("hecho_numerico", "Falla el cálculo por poco",
          "Se queda a 1 o 2 del resultado sin seguir ningún patrón; conviene repasar las sumas y "
          "restas básicas hasta 20 en ratos cortos y frecuentes.",
          kTodos, FirmaHechoNumerico, true);
    poner("despiste", "Despiste",
          "Un fallo que no sigue ningún patrón conocido; sólo preocupa si se repite mucho.", kTodos,
          nullptr, true);
    return t;
}

} // namespace

const std::vector<Patron>& Patrones() {
    static const std::vector<Patron> tabla = Tabla();
    Q_ASSERT(tabla.size() <= size_t(kMaxPatrones));
    return tabla;
}

const Patron* BuscarPatron(const QString& codigo) {
    for (const Patron& p : Patrones())
        if (codigo == QLatin1String(p.codigo)) return &p;
    return nullptr;
}

QString NombrePatron(const Patron& patron, MetodoResta metodo) {
    const QString& n = patron.nombre_metodo[metodo == MetodoResta::RestarAlMinuendo ? 1 : 0];
    return n.isEmpty() ? patron.nombre : n;
}

ValoresFirma FirmaDe(const Patron& patron, const PasoJuzgado& paso) {
    ValoresFirma v;
    const LecturaPaso l = LeerPaso(paso);
    if (patron.firma && (patron.tipos & (1u << l.tipo))) patron.firma(l, v);
    return v;
}

bool EsOportunidad(const Patron& patron, const PasoJuzgado& paso) {
    if (paso.que == PasoJuzgado::Que::MeLlevo) return false;
    const LecturaPaso l = LeerPaso(paso);
    if (!(patron.tipos & (1u << l.tipo))) return false;
    if (patron.comodin) return true;
    if (!patron.firma) return false;
    ValoresFirma v;
    patron.firma(l, v);
    return v.AlgunoDistintoDe(paso.correcto);
}

JuicioPatrones JuzgarConPatrones(const PasoJuzgado& paso) {
    JuicioPatrones j;
    if (paso.que == PasoJuzgado::Que::MeLlevo) return j;
    const LecturaPaso l = LeerPaso(paso);
    const bool fallo = !paso.acierto;
    // A signature that gives the right value is no bug there.
    const bool distinto = paso.tecleado != paso.correcto;
    const std::vector<Patron>& tabla = Patrones();
    for (int i = 0; i < int(tabla.size()); ++i) {
        const Patron& p = tabla[i];
        if (!(p.tipos & (1u << l.tipo))) continue;
        ValoresFirma v;
        if (p.firma) p.firma(l, v);
        if (p.comodin || v.AlgunoDistintoDe(paso.correcto)) j.oportunidades |= 1u << i;
        if (fallo && j.patron < 0 && (!p.firma || (distinto && v.Contiene(paso.tecleado))))
            j.patron = i;
    }
    return j;
}

const Patron* PatronDe(const PasoJuzgado& paso) {
    if (paso.acierto) return nullptr;
    const int i = JuzgarConPatrones(paso).patron;
    return i < 0 ? nullptr : &Patrones()[i];
}
