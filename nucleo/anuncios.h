#pragma once
// What the game announces as it happens. The main window listens and shows
// it; the game never writes into a window. Qt signals, so a listener is
// dropped when its receiver goes.
#include "nucleo/juego.h"

#include <QMetaMethod>
#include <QObject>
#include <array>
#include <cstdint>

// One typed answer to one step of an exercise, as it was judged, with the
// operation it belongs to: what a listener needs to tell why it was wrong.
struct PasoJuzgado {
    // MeLlevo: "Me llevo..." pressed where nothing is borrowed; not typed.
    enum class Que { Cifra, Llevada, RespuestaMental, MeLlevo };
    int32_t ventana = 0;   // the exercise window's code
    int64_t operacion = 0; // which operation of this run (see OperacionEmpezada)
    Que que = Que::Cifra;
    // 1 = units, 2 = tens...; a carry is that of the column it comes from;
    // 0 for a mental answer.
    int columna = 0;
    bool acierto = false;
    int32_t correcto = 0;
    int32_t tecleado = -1; // -1 when what was typed does not read as a number

    // The operation: written rows top to bottom, each as a number, or the
    // mental terms in order (first, second, result).
    std::array<int32_t, 4> operandos{};
    int n_operandos = 0;
    int columnas = 0; // written operations: the columns on screen
    bool suma = true;
    MetodoResta metodo = MetodoResta::SumarAlSustraendo;
    MarcarLlevadas marcar = MarcarLlevadas::Manual;
    int incognita = -1; // mental: the hidden term (0 first, 1 second, 2 result)
};

// What an exercise window asks for now, as its answer box moves there:
// the question, with the operation it belongs to.
struct PasoPedido {
    PasoJuzgado::Que que = PasoJuzgado::Que::Cifra; // Cifra, Llevada or RespuestaMental
    int columna = 0;      // as in PasoJuzgado; past the last column, the carry's own place
    bool nueva = false;   // the first step of an operation just shown
    bool marcado = false; // "Me llevo..." pressed in this column: its marks are on screen
    PasoJuzgado op;       // the operation, as its steps carry it
};

// What was typed, as a step carries it: -1 when it does not read as a number.
int32_t ValorTecleado(const QString& texto);

class Anuncios : public QObject {
    Q_OBJECT
public:
    // Whether anyone listens to that announcement now.
    bool Escuchado(const QMetaMethod& senal) const { return isSignalConnected(senal); }

signals:
    // Who plays now, their name, points and totals, or how many play.
    void JugadoresCambiados();
    void PuntosCambiados();
    // The operation clock.
    void TiempoCambiado();
    // A finished operation is celebrated.
    void Celebracion();
    void Musica(bool sonar);
    // A new operation is on screen; its steps carry this number.
    void OperacionEmpezada(int64_t operacion);
    void Juzgado(const PasoJuzgado& paso);
    // The step an exercise window asks for now.
    void Pedido(const PasoPedido& paso);
    // A notice's text, as the child reads it.
    void Avisado(const QString& texto);
    // Whose turn it is now, out of how many players.
    void Turno(const QString& nombre, int jugadores);
    // A sentence to read aloud as it is.
    void Frase(const QString& frase);
};

Anuncios& AnunciosJuego();

// Reads frase aloud when speech is on; silent otherwise. For whatever shows
// text that no other announcement carries (a worked example's steps).
void DecirEnVozAlta(const QString& frase);
