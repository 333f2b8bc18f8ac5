#pragma once
// One SQLite connection through Qt SQL, closed and removed with its owner.
// Each connection has a name of its own, so a journal being read never
// shares a handle with the one being written.
#include <QSqlDatabase>
#include <QString>

struct sqlite3;

class ConexionSqlite {
public:
    // Read-only connections refuse every write and run with SQLite's
    // defensive settings: for files from other computers.
    // inmutable: a file in a folder where nothing can be written, read as
    // it is (its log, if any, is not there to read).
    ConexionSqlite(const QString& ruta, bool solo_lectura, bool inmutable = false);
    ~ConexionSqlite();
    ConexionSqlite(const ConexionSqlite&) = delete;
    ConexionSqlite& operator=(const ConexionSqlite&) = delete;

    bool Abierta() const { return abierta_; }
    QSqlDatabase& Base() { return base_; }
    // Runs a statement that returns nothing; false on any error.
    bool Ejecutar(const QString& sql);
    // The first column of the first row, or an invalid value.
    QVariant Valor(const QString& sql);
    QString Error() const { return error_; }
    // The file's size in bytes (0 when it cannot be told).
    qint64 Tamano() const { return tamano_; }
    // SQLite's own handle, for reading a million rows faster than one
    // QVariant per value allows; nullptr when closed.
    sqlite3* Manejador() const;

private:
    QString nombre_;
    QSqlDatabase base_;
    bool abierta_ = false;
    qint64 tamano_ = 0;
    QString error_;
};
