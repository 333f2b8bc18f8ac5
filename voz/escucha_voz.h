#pragma once
// Reads the game aloud while speech is on: it listens to the game's
// announcements, makes each one a sentence and hands it to the speech
// thread. Each sentence cuts off the one before; F5 says the last again.
#include <QObject>
#include <QString>

struct PasoPedido;

class EscuchaVoz : public QObject {
    Q_OBJECT
public:
    explicit EscuchaVoz(QObject* padre);

    // Listens to the game from now on, or stops.
    void Encender(bool si);
    bool Encendida() const { return encendida_; }
    void Repetir();
    const QString& Ultima() const { return ultima_; }

private:
    void Decir(const QString& frase);
    void AlPedido(const PasoPedido& paso);

    bool encendida_ = false;
    QString ultima_;
    // The turn passes just before the next operation shows: said with it.
    QString turno_;
};
