#include "aprendizaje/sqlite.h"

#include "platform/biblioteca.h"

#include <QLibrary>

const Sqlite* CargarSqlite() {
    static const Sqlite* cargada = []() -> const Sqlite* {
        static QLibrary biblioteca(QStringLiteral("sqlite3"), 0);
        static Sqlite s;
        using plataforma::Resolver;
        const bool bien = biblioteca.load() &&
                          Resolver(biblioteca, "sqlite3_db_config", s.db_config) &&
                          Resolver(biblioteca, "sqlite3_prepare_v2", s.prepare_v2) &&
                          Resolver(biblioteca, "sqlite3_step", s.step) &&
                          Resolver(biblioteca, "sqlite3_column_count", s.column_count) &&
                          Resolver(biblioteca, "sqlite3_column_int64", s.column_int64) &&
                          Resolver(biblioteca, "sqlite3_column_type", s.column_type) &&
                          Resolver(biblioteca, "sqlite3_finalize", s.finalize);
        return bien ? &s : nullptr;
    }();
    return cargada;
}
