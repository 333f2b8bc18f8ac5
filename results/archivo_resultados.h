#pragma once
// Results files: a header record with the signature, then one 72-byte
// ResultsRecord per player, names in CP850. Pure file work, no messages.
#include "nucleo/juego.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <string>

class QIODevice;
class QSaveFile;
#include <vector>

namespace resultados {

constexpr int kLargoRegistro = int(sizeof(ResultsRecord));
constexpr int kMaxRegistrosArchivo = kMaxJugadores;
extern const char kFirma[]; // "KORU SUMARESTA RES"

// The header written at the top of every results file; built when the
// results window is created, kept for the run.
extern ResultsRecord cabecera_resultados;
ResultsRecord NuevaCabecera(const QDate& hoy);

// Bytes of a name field up to its first NUL, never past `ancho`.
std::string TextoCampo(const char* campo, size_t ancho);

// True when the name field holds exactly the signature, NUL-terminated
// within its 26 bytes.
bool EsFirma(const char* campo);

// A record as stored in a file: the name in CP850, bytes behind it zero.
QByteArray RegistroParaArchivo(const ResultsRecord& r);
// A record read from a file: the name in CP1252, cut to the 19 characters
// of the names table; counters kept within 0..32700.
ResultsRecord RegistroDesdeArchivo(const char* bytes72);

// Sums of the five counters, wide enough never to overflow.
int64_t SumaContadores(const int32_t (&v)[kTiposEjercicio]);

enum class Lectura { Bien, NoEsResultados, ErrorLectura };
// Reads the header and at most `maximo` records; a short tail is ignored.
Lectura LeerArchivoResultados(const QString& ruta, std::vector<ResultsRecord>& registros,
                              int maximo = kMaxRegistrosArchivo);
// The same from an open device, at its start.
Lectura LeerResultados(QIODevice& d, std::vector<ResultsRecord>& registros,
                       int maximo = kMaxRegistrosArchivo);

enum class Escritura { Bien, NoSePuedeCrear, ErrorAlGrabar };
// Header and n records. Goes through a temporary file in the same folder,
// so a failure leaves any old file as it was.
Escritura EscribirArchivoResultados(const QString& ruta, const ResultsRecord* registros, int n);

enum class Anadido { Bien, NoEsResultados, MuyLargo, NoSePuedeCrear, ErrorAlGrabar };
// Adds n records behind those of the file (a new file when none exists);
// refused when the file would hold more than 50.
Anadido AnadirArchivoResultados(const QString& ruta, const ResultsRecord* registros, int n);
// The check before adding n records to an existing file, read from its
// start: Bien with `antes` holding the header and its whole records.
Anadido ComprobarAnadido(QIODevice& viejo, int n, QByteArray& antes);

// Opens a file to be replaced whole; nothing reaches its name until
// Confirmar() says every byte is on the disk.
bool AbrirGuardado(QSaveFile& f);
bool Confirmar(QSaveFile& f);

// Whole records behind the header; -1 when it is not a results file.
int ContarRegistros(const QString& ruta);

// "<parent of the start-up folder>/resultad".
QString CarpetaResultados();

} // namespace resultados
