#pragma once

#include <sqlite3.h>

#include <memory>
#include <string>

// RAII owners of the SQLite library's handles and messages.
struct SqliteCloser {
    void operator()(sqlite3* db) const { sqlite3_close(db); }
};
using SqliteHandle = std::unique_ptr<sqlite3, SqliteCloser>;

struct SqliteFree {
    void operator()(void* memory) const { sqlite3_free(memory); }
};
using SqliteText = std::unique_ptr<char, SqliteFree>;

// sqlite3_mprintf into a std::string. Use "%q" inside quotes for every text
// that comes from data or the user, so that a quote neither breaks nor
// changes the statement; "%f" is locale independent here.
template <typename... Args>
std::string sqlFormat(const char* format, Args... args)
{
    SqliteText text(sqlite3_mprintf(format, args...));
    return text ? std::string(text.get()) : std::string();
}
