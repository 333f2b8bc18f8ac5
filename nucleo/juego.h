#pragma once
// The one game record, shared by every window for the whole run.
#include <QString>
#include <cstddef>
#include <cstdint>
#include <functional>

class QObject;

constexpr int kMaxJugadores = 50;
constexpr int kTiposEjercicio = 5;
constexpr int32_t kTopeContador = 32700;
constexpr int kLargoNombreResultados = 26;
constexpr int kLargoNombrePuntos = 20;

// The same bytes in memory and in results files.
#pragma pack(push, 1)
struct ResultsRecord {
    char nombre[kLargoNombreResultados];
    int32_t anio;
    uint8_t dia;
    uint8_t mes;
    int32_t aciertos[kTiposEjercicio];
    int32_t fallos[kTiposEjercicio];
};

// The same bytes in the scores file.
struct ScoreEntry {
    char nombre[kLargoNombrePuntos];
    int32_t puntos;
};
#pragma pack(pop)

static_assert(sizeof(ResultsRecord) == 72, "results files hold 72-byte records");
static_assert(offsetof(ResultsRecord, anio) == 26);
static_assert(offsetof(ResultsRecord, dia) == 30);
static_assert(offsetof(ResultsRecord, mes) == 31);
static_assert(offsetof(ResultsRecord, aciertos) == 32);
static_assert(offsetof(ResultsRecord, fallos) == 52);
static_assert(sizeof(ScoreEntry) == 24, "the scores file holds 24-byte rows");
static_assert(kMaxJugadores == 50, "a results file holds up to 50 players");
static_assert(offsetof(ScoreEntry, puntos) == 20);

enum ExerciseKind : int {
    SumasSinLlevar = 0,
    SumasConLlevadas = 1,
    RestasSinLlevar = 2,
    RestasConLlevadas = 3,
    CalculoMental = 4,
};

// Codes kept in ventana_actual.
enum CodigoVentana : int32_t {
    SinVentana = 0,
    VentanaSumas3b = 33,
    VentanaSumas4b = 44,
    VentanaSumas5 = 5,
    VentanaSumas5b = 55,
    VentanaRestas3 = 30,
    VentanaRestas3b = 330,
    VentanaRestas4b = 440,
    VentanaRestas5 = 50,
    VentanaCmental1 = 6,
    VentanaCmental2 = 60,
};

struct VentanaEjercicio {
    int32_t codigo;
    const char* clase;
    ExerciseKind tipo;
};
extern const VentanaEjercicio kVentanasEjercicio[10];
// nullptr for a code that is not an exercise window.
const VentanaEjercicio* BuscarVentanaEjercicio(int32_t codigo);

// The play modes of the "&Juegos" menu; none until one is chosen.
enum class TipoJuego : int32_t {
    Ninguno = 0,
    SinLlevadas = 1,             // sums and subtractions without carrying
    SumasConLlevadas = 2,        // sums carry (two rows), subtractions do not
    SumasConLlevadasDificil = 3, // the same with three rows
    ConLlevadas = 4,             // both carry
    ConLlevadasDificil = 5,
    CalculoMental = 6,
    Repaso = 7, // "Repaso de mis errores": exercises chosen for the child's mistakes
};

// When the borrows of a subtraction are marked.
enum class MarcarLlevadas : int32_t {
    Nunca = 0,
    Automatico = 1,
    Manual = 2, // the child presses "Me llevo..." first
};

// How a borrow is carried to the next column.
enum class MetodoResta : int32_t {
    SumarAlSustraendo = 1, // method 1: "+1" on the next subtrahend digit
    RestarAlMinuendo = 2,  // method 2: the next minuend digit crossed and lowered
};

static_assert(sizeof(TipoJuego) == 4 && sizeof(MarcarLlevadas) == 4 && sizeof(MetodoResta) == 4,
              "the choices keep their 32-bit places in the record");

struct ModoJuego {
    TipoJuego tipo_juego;
    int32_t ventana_suma;
    int32_t ventana_resta;
    int grupo; // index into usar_sumas
};
extern const ModoJuego kModosJuego[6];
const ModoJuego* BuscarModoJuego(TipoJuego tipo_juego);

struct GameState {
    int32_t num_jugadores = 1;
    int32_t jugador_actual = 1;
    ResultsRecord jugadores[kMaxJugadores] = {};
    ScoreEntry puntos[kMaxJugadores + 1] = {};
    bool cambio_automatico = true;
    bool editar_llevadas = true;
    MarcarLlevadas marcar_llevadas = MarcarLlevadas::Manual;
    MetodoResta modo_restas = MetodoResta::SumarAlSustraendo;
    TipoJuego tipo_juego = TipoJuego::Ninguno;
    bool usar_sumas[4] = {false, false, false, false};
    int32_t ventana_actual = SinVentana;
    int32_t segundos = 0;
    bool contando_tiempo = false;
    int32_t cuentas_acertadas = 0;
    bool resultados_guardados = true;
    bool archivo_valido = false;
    // Paths are kept whole: Linux paths may be longer than 255 bytes and
    // need not fit a single-byte code page.
    QString archivo_resultados;
    QString ruta_dialogo;
    bool terminando = false;
    bool musica_disponible = false;
    bool fondo_cargado = false;
    int32_t unidad_inicial = 0; // no drive letters here
    QString directorio_inicial;
};

extern GameState juego;

// Start-up values: the record as declared, the start-up directory, and one
// player named "Sin nombre".
void IniciarJuego();

// Writes a name (given in Unicode) into both name tables of player k, 1-based.
void PonerNombreJugador(int k, const QString& nombre);
QString NombreJugador(int k);

// The three resets of a new game, in this order.
void BorrarResultados();
void BorrarNombres();
void BorrarContadoresVentanas();
void NuevoJuegoSinJugadores();

// Windows that show something the resets clear register here; a listener
// is dropped when its owner is destroyed.
void AlBorrarResultados(QObject* dueno, std::function<void()> f);
void AlBorrarContadoresVentanas(QObject* dueno, std::function<void()> f);
