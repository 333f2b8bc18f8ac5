#pragma once
// What every test shares: answers for message boxes and modal dialogs, so no
// person is needed, and instant waits.
#include "platform/mensajes.h"
#include "platform/ticks.h"

#include <QApplication>
#include <QDialog>
#include <QList>
#include <QQueue>
#include <QWidget>

#include "app/juego.h"

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
