#include "aprendizaje/cuenta_descrita.h"

#include "aprendizaje/diagnostico.h"
#include "written/resta_prestamo.h"

namespace {

// Enough tries that a description that can be met always is: the rarest
// (three rows, every column exact) succeeds about once in a few hundred.
constexpr int kIntentos = 20000;
constexpr int kIntentosColumna = 400;
// The mental windows' widest ranges ("Sin límite").
constexpr int32_t kMaxPrimero = 251;
constexpr int32_t kMaxSegundo = 201;

// The written windows as their draws make them.
struct VentanaEscrita {
    int32_t codigo;
    bool es_suma;
    int filas;
    int columnas;
    bool prestamo; // RestaConPrestamo's draw, else Sortear with this sorteo
    Sorteo sorteo;
};
// clang-format off
constexpr VentanaEscrita kVentanas[] = {
    {VentanaSumas3b,  true,  2, 3, false, Sorteo::SumaSinLlevar},
    {VentanaSumas4b,  true,  2, 3, false, Sorteo::SumaLlevaSiempre},
    {VentanaSumas5,   true,  3, 3, false, Sorteo::SumaLibre},
    {VentanaSumas5b,  true,  4, 3, false, Sorteo::SumaLibre},
    {VentanaRestas3,  false, 2, 2, false, Sorteo::RestaSinLlevar},
    {VentanaRestas3b, false, 2, 3, false, Sorteo::RestaSinLlevar},
    {VentanaRestas4b, false, 2, 3, true,  Sorteo::RestaSinLlevar},
    {VentanaRestas5,  false, 2, 4, true,  Sorteo::RestaSinLlevar},
};
// clang-format on

const VentanaEscrita* Escrita(int32_t codigo) {
    for (const VentanaEscrita& v : kVentanas)
        if (v.codigo == codigo) return &v;
    return nullptr;
}

bool CruzaDecena(TipoMental tipo, int32_t a, int32_t b) {
    return tipo == TipoMental::Sumas ? a % 10 + b % 10 >= 10 : a % 10 < b % 10;
}

// Column c's carry or borrow out, given what came in.
int Saliente(const DescripcionCuenta& d, const Operacion& op, int c, int entra) {
    if (d.es_suma) {
        int t = entra;
        for (int f = 0; f < op.filas; ++f)
            t += op.cifras[f][c];
        return t / 10;
    }
    return op.cifras[0][c] - op.cifras[1][c] - entra < 0 ? 1 : 0;
}

bool OfrecePatron(const DescripcionCuenta& d, const CuentaDescrita& c) {
    if (!d.patron) return true;
    const Patron* p = BuscarPatron(QLatin1String(d.patron));
    if (!p) return false;
    for (const PasoJuzgado& paso : PasosDe(c))
        if (EsOportunidad(*p, paso)) return true;
    return false;
}

bool SortearEscrita(const DescripcionCuenta& d, AzarSembrado& azar, Operacion& op) {
    op = Operacion{};
    op.filas = d.filas;
    op.columnas = d.columnas;
    int entra = 0;
    for (int c = 0; c < d.columnas; ++c) {
        int k = 0;
        for (; k < kIntentosColumna; ++k) {
            op.cifras[0][c] = d.cero[c] ? 0 : 1 + azar.Entre(9);
            // A sum's addends all reach its last column: "706 + 1" practises little.
            const bool sin_cero = d.es_suma && c == d.columnas - 1;
            for (int f = 1; f < d.filas; ++f)
                op.cifras[f][c] = sin_cero ? 1 + azar.Entre(9) : azar.Entre(10);
            if ((Saliente(d, op, c, entra) > 0) == d.lleva[c]) break;
        }
        if (k == kIntentosColumna) return false;
        entra = Saliente(d, op, c, entra);
    }
    return true;
}

bool SortearMental(const DescripcionCuenta& d, AzarSembrado& azar, CuentaMental& m) {
    m.primero = 1 + azar.Entre(d.limite1 - 1);
    m.segundo = 1 + azar.Entre(d.limite2 - 1);
    if (d.mental == TipoMental::Restas && m.segundo >= m.primero) return false;
    m.resultado = d.mental == TipoMental::Sumas ? m.primero + m.segundo : m.primero - m.segundo;
    return CruzaDecena(d.mental, m.primero, m.segundo) == d.cruza_decena;
}

} // namespace

int32_t AzarSembrado::Entre(int32_t n) {
    uint64_t z = (estado_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    z ^= z >> 31;
    return n <= 0 ? 0 : int32_t(z % uint64_t(n));
}

int32_t CuentaDescrita::Fila(int f) const {
    int32_t x = 0;
    for (int c = op.columnas - 1; c >= 0; --c)
        x = x * 10 + op.cifras[f][c];
    return x;
}

int32_t CuentaDescrita::Resultado() const {
    int32_t r = Fila(0);
    for (int f = 1; f < op.filas; ++f)
        r += descripcion.es_suma ? Fila(f) : -Fila(f);
    return r;
}

bool SortearDescrita(const DescripcionCuenta& d, AzarSembrado& azar, CuentaDescrita& c) {
    c = CuentaDescrita{};
    c.descripcion = d;
    for (int i = 0; i < kIntentos; ++i) {
        const bool hecha =
            d.EsMental() ? SortearMental(d, azar, c.mental) : SortearEscrita(d, azar, c.op);
        if (hecha && CumpleDescripcion(d, c) && VentanaAdmite(c) && OfrecePatron(d, c)) return true;
    }
    return false;
}

bool CumpleDescripcion(const DescripcionCuenta& d, const CuentaDescrita& c) {
    if (d.EsMental()) {
        const CuentaMental& m = c.mental;
        const bool suma = d.mental == TipoMental::Sumas;
        return m.primero >= 1 && m.primero < d.limite1 && m.segundo >= 1 && m.segundo < d.limite2 &&
               m.resultado >= 1 &&
               m.resultado == (suma ? m.primero + m.segundo : m.primero - m.segundo) &&
               CruzaDecena(d.mental, m.primero, m.segundo) == d.cruza_decena;
    }
    const Operacion& op = c.op;
    if (op.filas != d.filas || op.columnas != d.columnas || (!d.es_suma && op.filas != 2))
        return false;
    int entra = 0;
    for (int k = 0; k < op.columnas; ++k) {
        for (int f = 0; f < op.filas; ++f)
            if (op.cifras[f][k] < 0 || op.cifras[f][k] > 9) return false;
        if ((op.cifras[0][k] == 0) != d.cero[k]) return false;
        entra = Saliente(d, op, k, entra);
        if ((entra > 0) != d.lleva[k]) return false;
    }
    const int32_t r = c.Resultado();
    return r >= 0 && QString::number(r).size() == d.cifras_resultado;
}

bool VentanaAdmite(const CuentaDescrita& c) {
    const DescripcionCuenta& d = c.descripcion;
    if (d.EsMental()) {
        const CuentaMental& m = c.mental;
        const TipoMental tipo =
            d.ventana == VentanaCmental1 ? TipoMental::Sumas : TipoMental::Restas;
        if (tipo != d.mental || m.primero < 0 || m.primero >= kMaxPrimero || m.segundo < 0 ||
            m.segundo >= kMaxSegundo)
            return false;
        return tipo == TipoMental::Sumas
                   ? m.resultado == m.primero + m.segundo
                   : m.segundo <= m.primero && m.resultado == m.primero - m.segundo;
    }
    const VentanaEscrita* v = Escrita(d.ventana);
    if (!v || v->es_suma != d.es_suma || v->filas != c.op.filas || v->columnas != c.op.columnas)
        return false;
    return v->prestamo ? RestaConPrestamo::Admite(c.op) : SorteoAdmite(v->sorteo, c.op);
}

std::vector<PasoJuzgado> PasosDe(const CuentaDescrita& c) {
    const DescripcionCuenta& d = c.descripcion;
    std::vector<PasoJuzgado> pasos;
    PasoJuzgado p;
    p.ventana = d.ventana;
    p.acierto = true;
    p.metodo = d.metodo;
    if (d.EsMental()) {
        p.que = PasoJuzgado::Que::RespuestaMental;
        p.suma = d.mental == TipoMental::Sumas;
        p.n_operandos = 3;
        p.operandos = {c.mental.primero, c.mental.segundo, c.mental.resultado, 0};
        p.incognita = int(d.incognita);
        p.correcto = p.tecleado = ValorIncognita(c.mental, d.incognita);
        pasos.push_back(p);
        return pasos;
    }
    p.suma = d.es_suma;
    p.n_operandos = c.op.filas;
    p.columnas = c.op.columnas;
    for (int f = 0; f < c.op.filas; ++f)
        p.operandos[f] = c.Fila(f);
    const VentanaEscrita* v = Escrita(d.ventana);
    const bool llevadas = v && v->es_suma && v->sorteo != Sorteo::SumaSinLlevar;
    auto poner = [&](PasoJuzgado::Que que, int columna, int32_t valor) {
        p.que = que;
        p.columna = columna;
        p.correcto = p.tecleado = valor;
        pasos.push_back(p);
    };
    const int32_t r = c.Resultado();
    int entra = 0;
    int32_t resto = r;
    for (int k = 0; k < c.op.columnas; ++k, resto /= 10) {
        poner(PasoJuzgado::Que::Cifra, k + 1, resto % 10);
        entra = Saliente(d, c.op, k, entra);
        // The last column's carry is typed as the thousands.
        if (llevadas && entra > 0)
            poner(k + 1 < c.op.columnas ? PasoJuzgado::Que::Llevada : PasoJuzgado::Que::Cifra,
                  k + 1 < c.op.columnas ? k + 1 : k + 2, entra);
    }
    return pasos;
}

std::vector<DescripcionCuenta> DescripcionesDePatron(const QString& codigo) {
    const Patron* patron = BuscarPatron(codigo);
    if (!patron) return {};
    auto escrita = [&](int32_t ventana, std::initializer_list<int> lleva,
                       std::initializer_list<int> cero, int cifras) {
        const VentanaEscrita* v = Escrita(ventana);
        DescripcionCuenta d;
        d.ventana = ventana;
        d.es_suma = v->es_suma;
        d.filas = v->filas;
        d.columnas = v->columnas;
        int k = 0;
        for (int x : lleva)
            d.lleva[k++] = x;
        k = 0;
        for (int x : cero)
            d.cero[k++] = x;
        d.cifras_resultado = cifras;
        d.patron = patron->codigo;
        return d;
    };
    auto mental = [&](TipoMental tipo, Incognita incognita, bool cruza) {
        DescripcionCuenta d;
        d.ventana = tipo == TipoMental::Sumas ? VentanaCmental1 : VentanaCmental2;
        d.mental = tipo;
        d.incognita = incognita;
        d.cruza_decena = cruza;
        d.patron = patron->codigo;
        return d;
    };
    const QLatin1String c(patron->codigo);
    using TM = TipoMental;
    if (c == "llevada_olvidada" || c == "llevada_escrita")
        return {escrita(VentanaSumas4b, {1, 1, 0}, {}, 3),
                escrita(VentanaSumas5, {1, 0, 0}, {}, 3)};
    if (c == "menor_del_mayor" || c == "prestamo_olvidado")
        return {escrita(VentanaRestas4b, {1, 0, 0}, {}, 3),
                escrita(VentanaRestas4b, {1, 1, 0}, {}, 3)};
    if (c == "cero_menos_n")
        return {escrita(VentanaRestas4b, {1, 0, 0}, {1, 0, 0}, 3),
                escrita(VentanaRestas4b, {1, 1, 0}, {0, 1, 0}, 3)};
    if (c == "prestamo_cadena_cero") {
        // Only method 2 carries the loan through the zeros.
        std::vector<DescripcionCuenta> v = {escrita(VentanaRestas4b, {1, 1, 0}, {0, 1, 0}, 3),
                                            escrita(VentanaRestas5, {1, 1, 1, 0}, {0, 1, 1, 0}, 4)};
        for (DescripcionCuenta& d : v)
            d.metodo = MetodoResta::RestarAlMinuendo;
        return v;
    }
    if (c == "operacion_cambiada")
        return {escrita(VentanaSumas3b, {0, 0, 0}, {}, 3),
                escrita(VentanaRestas3b, {0, 0, 0}, {}, 3)};
    if (c == "mas_cero_da_cero") return {escrita(VentanaSumas3b, {0, 0, 0}, {0, 1, 0}, 3)};
    if (c == "mental_decena")
        return {mental(TM::Sumas, Incognita::Resultado, true),
                mental(TM::Restas, Incognita::Resultado, true)};
    if (c == "mental_contraria")
        return {mental(TM::Sumas, Incognita::Segundo, false),
                mental(TM::Restas, Incognita::Primero, false)};
    if (c == "mental_copia")
        return {mental(TM::Sumas, Incognita::Primero, true),
                mental(TM::Restas, Incognita::Segundo, false)};
    // The catch-alls: the commonest carrying exercises.
    return {escrita(VentanaSumas4b, {1, 1, 0}, {}, 3), escrita(VentanaRestas4b, {1, 0, 0}, {}, 3)};
}
