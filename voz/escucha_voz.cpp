#include "voz/escucha_voz.h"

#include "nucleo/anuncios.h"
#include "platform/voz.h"
#include "voz/textos_voz.h"

#include <QTimer>
#include <utility>

EscuchaVoz::EscuchaVoz(QObject* padre) : QObject(padre) {}

void EscuchaVoz::Encender(bool si) {
    if (si == encendida_) return;
    encendida_ = si;
    Anuncios& a = AnunciosJuego();
    if (!si) {
        disconnect(&a, nullptr, this, nullptr);
        turno_.clear();
        plataforma::Callar();
        return;
    }
    plataforma::PrepararVoz();
    connect(&a, &Anuncios::Pedido, this, &EscuchaVoz::AlPedido);
    connect(&a, &Anuncios::Avisado, this, [this](const QString& t) { Decir(FraseAviso(t)); });
    connect(&a, &Anuncios::Frase, this, [this](const QString& f) { Decir(f); });
    connect(&a, &Anuncios::Turno, this, [this](const QString& nombre, int jugadores) {
        turno_ = FraseTurno(nombre, jugadores);
        if (turno_.isEmpty()) return;
        // Said alone if no operation follows at once.
        QTimer::singleShot(0, this, [this] {
            if (!turno_.isEmpty()) Decir(std::exchange(turno_, QString()));
        });
    });
}

void EscuchaVoz::AlPedido(const PasoPedido& paso) {
    const QString frase = FrasePedido(paso);
    if (paso.nueva && !turno_.isEmpty())
        Decir(std::exchange(turno_, QString()) + QLatin1Char(' ') + frase);
    else
        Decir(frase);
}

void EscuchaVoz::Decir(const QString& frase) {
    if (frase.isEmpty()) return;
    ultima_ = frase;
    plataforma::Decir(frase);
}

void EscuchaVoz::Repetir() {
    if (encendida_ && !ultima_.isEmpty()) plataforma::Decir(ultima_);
}
