#pragma once

#include <sqlite3.h>

#include <memory>

// RAII owners of the SQLite library's handles and messages.
struct SqliteCloser {
    void operator()(sqlite3* db) const { sqlite3_close(db); }
};
using SqliteHandle = std::unique_ptr<sqlite3, SqliteCloser>;

struct SqliteFree {
    void operator()(void* memory) const { sqlite3_free(memory); }
};
using SqliteText = std::unique_ptr<char, SqliteFree>;

struct SqliteFinalise {
    void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};
using SqliteStatement = std::unique_ptr<sqlite3_stmt, SqliteFinalise>;
