#pragma once
// What the game announces as it happens. The main window listens and shows
// it; the game never writes into a window. Qt signals, so a listener is
// dropped when its receiver goes.
#include <QMetaMethod>
#include <QObject>
#include <cstdint>

// One typed answer to one step of an exercise, as it was judged.
struct PasoJuzgado {
    enum class Que { Cifra, Llevada, RespuestaMental };
    int32_t ventana = 0; // the exercise window's code
    Que que = Que::Cifra;
    int columna = 0; // 1 = units, 2 = tens...; 0 for a mental answer
    bool acierto = false;
};

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
    void Juzgado(const PasoJuzgado& paso);
};

Anuncios& AnunciosJuego();
