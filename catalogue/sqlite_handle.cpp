#include "catalogue/sqlite_handle.h"

std::optional<Database> openDatabase(const std::filesystem::path& path, int flags,
                                     std::string& error)
{
    sqlite3* raw = nullptr;
    const int result = sqlite3_open_v2(path.string().c_str(), &raw, flags, nullptr);
    Database db(raw); // closes the handle SQLite returns even when opening failed
    if (result != SQLITE_OK) {
        error = raw ? sqlite3_errmsg(raw) : sqlite3_errstr(result);
        return std::nullopt;
    }
    sqlite3_extended_result_codes(db.get(), 1);
    return db;
}

std::optional<Statement> prepare(sqlite3* db, const std::string& sql, std::string& error)
{
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &raw, nullptr) != SQLITE_OK) {
        error = sqlite3_errmsg(db);
        return std::nullopt;
    }
    return Statement(raw);
}

std::optional<std::string> execute(sqlite3* db, const std::string& sql)
{
    char* raw = nullptr;
    const int result = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &raw);
    const std::unique_ptr<char, decltype(&sqlite3_free)> message(raw, &sqlite3_free);
    if (result == SQLITE_OK)
        return std::nullopt;
    return std::string(message ? message.get() : sqlite3_errstr(result));
}
