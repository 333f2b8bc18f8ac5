#pragma once
// SQLite's own calls, for what Qt SQL does not reach: the defensive
// settings, and reading a million rows without a QVariant per value. The
// library is opened the first time (Qt's SQLite driver has it loaded by
// then), so the game starts without it.
#include <sqlite3.h>

struct Sqlite {
    decltype(&::sqlite3_db_config) db_config = nullptr;
    decltype(&::sqlite3_prepare_v2) prepare_v2 = nullptr;
    decltype(&::sqlite3_step) step = nullptr;
    decltype(&::sqlite3_column_count) column_count = nullptr;
    decltype(&::sqlite3_column_int64) column_int64 = nullptr;
    decltype(&::sqlite3_column_type) column_type = nullptr;
    decltype(&::sqlite3_finalize) finalize = nullptr;
};

// nullptr when the library or one of its calls is missing.
const Sqlite* CargarSqlite();
