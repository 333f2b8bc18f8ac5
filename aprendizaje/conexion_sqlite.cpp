#include "aprendizaje/conexion_sqlite.h"

#include "aprendizaje/sqlite.h"
#include <QAtomicInt>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <QVariant>

namespace {
QAtomicInt g_conexiones;

sqlite3* Manejador(const QSqlDatabase& base) {
    const QVariant v = base.driver()->handle();
    if (!v.isValid() || qstrcmp(v.typeName(), "sqlite3*") != 0) return nullptr;
    return *static_cast<sqlite3* const*>(v.constData());
}

// What SQLite offers against a file made to harm its reader: no writes to
// the schema, no functions with side effects called from it.
// False when they could not be set: the file is then not read.
bool Defender(QSqlDatabase& base) {
    sqlite3* h = Manejador(base);
    const Sqlite* s = CargarSqlite();
    if (!h || !s) return false;
    int hecho = 0;
    return s->db_config(h, SQLITE_DBCONFIG_DEFENSIVE, 1, &hecho) == SQLITE_OK && hecho == 1 &&
           s->db_config(h, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, &hecho) == SQLITE_OK &&
           s->db_config(h, SQLITE_DBCONFIG_ENABLE_TRIGGER, 0, &hecho) == SQLITE_OK &&
           s->db_config(h, SQLITE_DBCONFIG_ENABLE_VIEW, 0, &hecho) == SQLITE_OK && hecho == 0;
}
} // namespace

ConexionSqlite::ConexionSqlite(const QString& ruta, bool solo_lectura, bool inmutable)
    : nombre_(QStringLiteral("zifra-diario-%1").arg(g_conexiones.fetchAndAddRelaxed(1))),
      tamano_(QFileInfo(ruta).size()) {
    base_ = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nombre_);
    if (inmutable) {
        base_.setDatabaseName(QUrl::fromLocalFile(ruta).toString(QUrl::FullyEncoded) +
                              QStringLiteral("?immutable=1"));
    } else {
        base_.setDatabaseName(ruta);
    }
    // A file held by another program is waited for briefly, never for long:
    // the child is typing.
    QString opciones = solo_lectura
                           ? QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=200")
                           : QStringLiteral("QSQLITE_BUSY_TIMEOUT=50");
    if (inmutable) opciones += QStringLiteral(";QSQLITE_OPEN_URI");
    base_.setConnectOptions(opciones);
    abierta_ = base_.open();
    if (!abierta_) {
        error_ = base_.lastError().text();
        return;
    }
    if (solo_lectura) {
        abierta_ = Defender(base_) && Ejecutar(QStringLiteral("PRAGMA trusted_schema = OFF")) &&
                   Ejecutar(QStringLiteral("PRAGMA query_only = ON"));
    }
}

ConexionSqlite::~ConexionSqlite() {
    base_.close();
    base_ = QSqlDatabase();
    QSqlDatabase::removeDatabase(nombre_);
}

sqlite3* ConexionSqlite::Manejador() const {
    return abierta_ ? ::Manejador(base_) : nullptr;
}

bool ConexionSqlite::Ejecutar(const QString& sql) {
    QSqlQuery q(base_);
    if (q.exec(sql)) return true;
    error_ = q.lastError().text();
    return false;
}

QVariant ConexionSqlite::Valor(const QString& sql) {
    QSqlQuery q(base_);
    if (!q.exec(sql) || !q.next()) {
        error_ = q.lastError().text();
        return {};
    }
    return q.value(0);
}
