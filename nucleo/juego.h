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

struct ModoJuego {
    int32_t tipo_juego;
    int32_t ventana_suma;
    int32_t ventana_resta;
    int grupo; // index into usar_sumas
};
extern const ModoJuego kModosJuego[6];
const ModoJuego* BuscarModoJuego(int32_t tipo_juego);

struct GameState {
    int32_t num_jugadores = 1;
    int32_t jugador_actual = 1;
    ResultsRecord jugadores[kMaxJugadores] = {};
    ScoreEntry puntos[kMaxJugadores + 1] = {};
    int32_t cambio_automatico = 1;
    int32_t editar_llevadas = 1;
    int32_t marcar_llevadas = 2;
    int32_t modo_restas = 1;
    int32_t tipo_juego = 0;
    int32_t usar_sumas[4] = {0, 0, 0, 0};
    int32_t ventana_actual = SinVentana;
    int32_t segundos = 0;
    int32_t contando_tiempo = 0;
    int32_t cuentas_acertadas = 0;
    int32_t resultados_guardados = 1;
    int32_t archivo_valido = 0;
    // Paths are kept whole: Linux paths may be longer than 255 bytes and
    // need not fit a single-byte code page.
    QString archivo_resultados;
    QString ruta_dialogo;
    int32_t terminando = 0;
    int32_t musica_disponible = 0;
    int32_t fondo_cargado = 0;
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
