#pragma once
// Every message box and modal dialog of the game goes through here, so that
// tests can answer them without a person.
#include <QString>
#include <functional>

class QDialog;
class QWidget;

namespace plataforma {

enum class Icono { Ninguno, Informacion, Pregunta, Aviso, Error };
enum class Botones { Aceptar, SiNo };
// Same values as the classic IDOK / IDYES / IDNO.
enum Respuesta { RespuestaAceptar = 1, RespuestaSi = 6, RespuestaNo = 7 };

struct Mensaje {
    QString titulo;
    QString texto;
    Icono icono = Icono::Ninguno;
    Botones botones = Botones::Aceptar;
    Respuesta por_defecto = RespuestaAceptar;
};

extern const QString kTituloPrograma; // "Zifra Sumas y Restas"

int MostrarMensaje(const Mensaje& m);
// Yes/No question with the question icon; true means Yes.
bool Preguntar(const QString& texto, Respuesta por_defecto = RespuestaSi);
void Informar(const QString& texto);
// A plain message: no icon, OK.
void Avisar(const QString& texto);
// File errors: a simple beep, the error icon and OK.
void AvisarError(const QString& texto);
void Pitido();

// Runs a dialog modally and returns its result code. `sobre` is the window
// it is raised from (by default the active one): it gets the keyboard back.
int EjecutarModal(QDialog* dialogo, QWidget* sobre = nullptr);

// Test seams: while set, these answer instead of a person.
using Contestador = std::function<int(const Mensaje&)>;
void FijarContestador(Contestador c);
using ContestadorModal = std::function<int(QDialog*)>;
void FijarContestadorModal(ContestadorModal c);
using ObservadorPitido = std::function<void()>;
void FijarObservadorPitido(ObservadorPitido o);

} // namespace plataforma
