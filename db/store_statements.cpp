#include "db/store_statements.h"

#include "db/sqlite_columns.h"
#include "db/sqlite_handle.h"

StoreStatements::StoreStatements(sqlite3* db, std::ostream& errors) : db_(db), errors_(errors) {}

StoreStatements::Statement StoreStatements::prepare(const char* sql, const char* label)
{
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(db_, sql, -1, &raw, nullptr) != SQLITE_OK) {
        sqlite3_finalize(raw);
        errors_ << "SQL error " << label << ": " << sqlite3_errmsg(db_) << '\n';
        return nullptr;
    }
    return Statement(raw);
}

bool StoreStatements::finish(const Statement& statement, const char* label)
{
    if (sqlite3_step(statement.get()) == SQLITE_DONE)
        return true;
    errors_ << "SQL error " << label << ": " << sqlite3_errmsg(db_) << '\n';
    return false;
}

bool StoreStatements::run(const char* sql, const char* label)
{
    char* message = nullptr;
    if (sqlite3_exec(db_, sql, nullptr, nullptr, &message) == SQLITE_OK)
        return true;
    const SqliteText owned(message);
    errors_ << "SQL error " << label << ": " << (owned ? owned.get() : sqlite3_errmsg(db_)) << '\n';
    return false;
}

StoreResult StoreStatements::transaction(const char* label, const std::function<StoreResult()>& change)
{
    if (!run("BEGIN IMMEDIATE", label))
        return StoreResult::Failed;
    const StoreResult result = change();
    if (result == StoreResult::Done && run("COMMIT", label))
        return result;
    run("ROLLBACK", label);
    return result == StoreResult::Done ? StoreResult::Failed : result;
}

std::optional<sqlite3_int64> StoreStatements::idOf(const char* find, const char* label, const std::string& name)
{
    return stepToNamedRow(prepare(find, label), name);
}

std::optional<sqlite3_int64> StoreStatements::stepToNamedRow(const Statement& statement, const std::string& name)
{
    if (!statement)
        return std::nullopt;
    bindText(statement.get(), 1, name);
    if (sqlite3_step(statement.get()) != SQLITE_ROW)
        return std::nullopt;
    return sqlite3_column_int64(statement.get(), 0);
}

std::vector<std::string> StoreStatements::namesOf(const char* select, const char* label)
{
    std::vector<std::string> names;
    if (const Statement statement = prepare(select, label))
        while (sqlite3_step(statement.get()) == SQLITE_ROW)
            names.push_back(columnText(statement.get(), 0));
    return names;
}

StoreResult StoreStatements::renameRow(const char* find, const char* update, const char* label,
                                             const std::string& from, const std::string& to)
{
    if (to.empty())
        return StoreResult::NoName;
    return transaction(label, [&] {
        const std::optional<sqlite3_int64> id = idOf(find, label, from);
        if (!id)
            return StoreResult::Missing;
        if (from == to)
            return StoreResult::Done;
        if (idOf(find, label, to))
            return StoreResult::NameTaken;
        const Statement statement = prepare(update, label);
        if (!statement)
            return StoreResult::Failed;
        bindText(statement.get(), 1, to);
        sqlite3_bind_int64(statement.get(), 2, *id);
        return finish(statement, label) ? StoreResult::Done : StoreResult::Failed;
    });
}
