#pragma once
// Writes this computer's journal, one committed row per step: a process
// killed at any moment leaves every earlier step in a file that opens clean.
#include "aprendizaje/paso.h"

#include <QHash>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <memory>
#include <vector>

class ConexionSqlite;

class DiarioEscritura {
public:
    enum class Apertura {
        Abierto,
        NoSePuede, // the folder or the file cannot be written
        MasNuevo,  // written by a newer version: left as it is
    };

    DiarioEscritura();
    ~DiarioEscritura();

    // Opens the journal in `carpeta`, or starts it; a damaged file, or one
    // that is not a journal, is renamed aside (its name plus the date) and a
    // new one started. The session is this run of the program.
    Apertura Abrir(const QString& carpeta, const QString& ordenador, const QString& sesion,
                   int64_t inicio);
    bool Registrar(const PasoDiario& paso);
    // Many steps in one transaction: all or none (for bringing in steps
    // from elsewhere, and for the benchmark's school year).
    bool RegistrarVarios(const std::vector<PasoDiario>& pasos);
    // Folds the write-ahead log into the file, when the child is not typing.
    void Recoger();
    void Cerrar();

    bool Abierto() const { return bool(conexion_); }
    QString Ruta() const { return ruta_; }
    // The damaged file's new name, when Abrir put one aside.
    QString Apartado() const { return apartado_; }

private:
    Apertura AbrirUnaVez(bool& danado);
    bool Preparar(QSqlError& error);
    bool Insertar(const PasoDiario& paso);
    bool Apartar();
    int64_t IdJugador(const QString& nombre);

    std::unique_ptr<ConexionSqlite> conexion_;
    std::unique_ptr<QSqlQuery> insertar_;
    QHash<QString, int64_t> jugadores_;
    QString ruta_, ordenador_, sesion_, apartado_;
    int64_t inicio_ = 0;
    int64_t id_sesion_ = 0;
};
