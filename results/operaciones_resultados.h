#pragma once
// The results-file commands on the game record, with their messages. Each
// returns 1 on success and 0 on failure or cancel.
#include "results/archivo_resultados.h"

#include <QString>
#include <vector>

class QWidget;

namespace resultados {

extern const QString kTextoNoEsResultados;
extern const QString kTextoErrorLeer;
extern const QString kTextoErrorCrear;
extern const QString kTextoErrorGuardar;
extern const QString kTextoMuyLargo;
extern const QString kTextoNoExiste;

// "<results folder>/*.rsr", the starting point of every dialog.
QString PatronResultados();
void PonerPatronEnRutaDialogo();

// Ten counters of one slot to 0; the results are then unsaved.
void BorrarContadoresJugador(int slot);

// Open dialog until a results file is chosen (1, path in ruta_dialogo and
// up to `maximo` records in `registros`) or the user cancels (0).
int ElegirArchivoResultados(QWidget* dueno, std::vector<ResultsRecord>& registros,
                            int maximo = kMaxRegistrosArchivo);
// Chooses a file, then the three resets, then its players into the tables.
int LeerResultadosEnTabla(QWidget* dueno);
int EscribirResultados(const QString& ruta);
// To the file in ruta_dialogo.
int AnadirResultados();
int PedirYEscribir(QWidget* dueno);
int PedirYAnadir(QWidget* dueno);

} // namespace resultados
