#pragma once
// Listens to the game and writes each judged step in this computer's
// journal. It never stops the game: when the journal cannot be written it
// says so once per run and the game plays on.
#include "aprendizaje/diario_escritura.h"

#include <QElapsedTimer>
#include <QObject>
#include <QSet>

extern const QString kAvisoDiario; // the once-per-run message

class RegistroDiario : public QObject {
    Q_OBJECT
public:
    explicit RegistroDiario(QObject* padre = nullptr);

    // Opens the journal in `carpeta` (the results folder); false when it
    // cannot, after saying so (once per run).
    bool Abrir(const QString& carpeta);
    // Removes this computer's journal and starts an empty one.
    bool Borrar();
    bool Activo() const { return diario_.Abierto(); }
    const DiarioEscritura& Diario() const { return diario_; }

private:
    void Empezada(int64_t operacion);
    void Juzgado(const PasoJuzgado& paso);
    void Fallar();

    DiarioEscritura diario_;
    QString carpeta_;
    QString ordenador_;
    QString sesion_;
    int64_t inicio_ = 0;
    int64_t operacion_ = 0;
    QElapsedTimer desde_anterior_;
    QSet<quint64> intentados_; // the current operation's steps already answered
    bool avisado_ = false;
};
