#include "players/turnos.h"

#include "nucleo/anuncios.h"
#include "nucleo/juego.h"
#include "nucleo/servicios.h"

namespace {
void AnunciarTurno() {
    emit AnunciosJuego().Turno(NombreJugador(juego.jugador_actual), juego.num_jugadores);
}
} // namespace

QString LimpiarNombre(const QString& texto) {
    auto sobra = [](QChar c) { return c.isSpace() || c.category() == QChar::Other_Control; };
    qsizetype inicio = 0;
    qsizetype fin = texto.size();
    while (inicio < fin && sobra(texto[inicio]))
        ++inicio;
    while (fin > inicio && sobra(texto[fin - 1]))
        --fin;
    return texto.mid(inicio, fin - inicio);
}

AltaJugadores GuardarJugadores(const QStringList& textos) {
    AltaJugadores alta;
    int n = juego.num_jugadores;
    if (juego.num_jugadores == 0) NuevoJuegoSinJugadores();
    alta.cabian = kMaxJugadores - n;
    for (const QString& texto : textos) {
        const QString nombre = LimpiarNombre(texto);
        if (nombre.isEmpty()) continue;
        if (n >= kMaxJugadores) {
            ++alta.rechazados;
            continue;
        }
        PonerNombreJugador(n + 1, nombre);
        ++n;
        ++alta.agregados;
    }
    if (n > 0) {
        juego.num_jugadores = n;
    } else {
        juego.num_jugadores = 1;
        PonerNombreJugador(1, QStringLiteral("Sin nombre"));
    }
    EmpiezaElPrimero();
    return alta;
}

void JugadorSiguiente() {
    if (++juego.jugador_actual > juego.num_jugadores) juego.jugador_actual = 1;
    MostrarJugadorActual();
    AnunciarTurno();
}

void JugadorAnterior() {
    if (--juego.jugador_actual <= 0) juego.jugador_actual = juego.num_jugadores;
    MostrarJugadorActual();
    AnunciarTurno();
}

void EmpiezaElPrimero() {
    juego.jugador_actual = 1;
    MostrarJugadorActual();
    AnunciarTurno();
}

void FinDeOperacion(void (*siguiente_ejercicio)()) {
    if (juego.cambio_automatico) JugadorSiguiente();
    siguiente_ejercicio();
}
