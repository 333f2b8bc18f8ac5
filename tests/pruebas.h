#pragma once
// What every test shares: answers for message boxes and modal dialogs, so no
// person is needed, and instant waits.
#include "platform/mensajes.h"
#include "platform/ticks.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QList>
#include <QQueue>
#include <QTemporaryDir>
#include <QWidget>

#include "app/arranque.h"
#include "app/form_menu.h"
#include "nucleo/juego.h"
#include "nucleo/ventanas.h"
#include "platform/sonidos.h"
#include "players/turnos.h"

struct Buzon {
    QList<plataforma::Mensaje> mensajes;
    QQueue<int> respuestas;                        // for Yes/No questions; No when empty
    QQueue<std::function<int(QDialog*)>> dialogos; // Rejected when empty
    QList<QString> dialogos_vistos;
    int pitidos = 0;

    void Instalar() {
        plataforma::FijarEsperasInstantaneas(true);
        plataforma::FijarContestador([this](const plataforma::Mensaje& m) {
            mensajes << m;
            if (m.botones == plataforma::Botones::SiNo)
                return respuestas.isEmpty() ? int(plataforma::RespuestaNo) : respuestas.dequeue();
            return int(plataforma::RespuestaAceptar);
        });
        plataforma::FijarContestadorModal([this](QDialog* d) {
            dialogos_vistos << d->objectName();
            if (dialogos.isEmpty()) return int(QDialog::Rejected);
            return dialogos.dequeue()(d);
        });
        plataforma::FijarObservadorPitido([this] { ++pitidos; });
    }

    void Quitar() {
        plataforma::FijarContestador(nullptr);
        plataforma::FijarContestadorModal(nullptr);
        plataforma::FijarObservadorPitido(nullptr);
    }

    QStringList Textos() const {
        QStringList t;
        for (const auto& m : mensajes)
            t << m.texto;
        return t;
    }
};

// No window may be left on screen after a test.
inline QStringList VentanasVisibles() {
    QStringList v;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible())
            v << w->objectName() + QLatin1Char('/') +
                     QString::fromLatin1(w->metaObject()->className());
    return v;
}

// Stands in for an exercise window: it starts an operation when shown and
// stops the clock when closed, as the real ones do.
class VentanaFalsa : public QWidget {
public:
    explicit VentanaFalsa(int32_t codigo) : codigo_(codigo) {
        setObjectName(QStringLiteral("falsa%1").arg(codigo));
    }
    int mostrada = 0;

protected:
    void showEvent(QShowEvent*) override {
        ++mostrada;
        juego.ventana_actual = codigo_;
        juego.segundos = 0;
        juego.contando_tiempo = 1;
    }
    void closeEvent(QCloseEvent*) override {
        juego.ventana_actual = SinVentana;
        juego.contando_tiempo = 0;
    }

private:
    int32_t codigo_;
};

// ALSA's null device stands in for a sound card while this lives, so music
// really opens and plays; PulseAudio is pointed at a server that is not there.
class TarjetaNula {
public:
    TarjetaNula() : antes_(qgetenv("ALSA_CONFIG_PATH")) {
        const QString conf = dir_.filePath(QStringLiteral("asound.conf"));
        QFile c(conf);
        if (c.open(QIODevice::WriteOnly))
            c.write("pcm.!default { type null }\nctl.!default { type hw card 0 }\n");
        qputenv("ALSA_CONFIG_PATH", QFile::encodeName(conf));
        qputenv("PULSE_SERVER", "unix:/nonexistent");
    }
    ~TarjetaNula() {
        if (antes_.isEmpty())
            qunsetenv("ALSA_CONFIG_PATH");
        else
            qputenv("ALSA_CONFIG_PATH", antes_);
        qunsetenv("PULSE_SERVER");
    }

private:
    // ALSA splits its config path at blanks; the application name has some.
    QTemporaryDir dir_{QDir::tempPath() + QStringLiteral("/zifra-alsa-XXXXXX")};
    QByteArray antes_;
};

// A short tune of two notes, enough for the MIDI player to play.
inline bool EscribirMidi(const QString& ruta) {
    QFile f(ruta);
    if (!f.open(QIODevice::WriteOnly)) return false;
    f.write(QByteArray::fromHex("4d546864000000060000000100604d54726b00000016"
                                "00903c64"
                                "8360803c40"
                                "00903e64"
                                "8360803e40"
                                "00ff2f00"));
    return true;
}

// A new game with players J1..Jn, as the players dialog would store them.
inline void JugadoresDePrueba(int n) {
    juego.num_jugadores = 0;
    QStringList nombres;
    for (int i = 1; i <= n; ++i)
        nombres << QStringLiteral("J%1").arg(i);
    GuardarJugadores(nombres);
}

// Every window of the game and one player, message boxes answered and the
// sounds recorded: what a child meets after "Jugar", for tests that play.
struct PartidaDePrueba {
    Buzon buzon;
    QList<plataforma::Sonido> sonidos;

    void Empezar() {
        buzon = Buzon{};
        buzon.Instalar();
        sonidos.clear();
        plataforma::FijarObservadorSonidos([this](plataforma::Sonido s) { sonidos << s; });
        CrearVentanas();
        JugadoresDePrueba(1);
    }
    void Terminar() {
        CerrarVentanaActual();
        delete Form_menu;
        buzon.Quitar();
        plataforma::FijarObservadorSonidos(nullptr);
    }
};
