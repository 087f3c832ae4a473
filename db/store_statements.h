#pragma once

#include "db/record_store.h"

#include <sqlite3.h>

#include <functional>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// The statements of a store of the user's own tables in an open database:
// a failing statement writes "SQL error <label>: <message>" to the error
// stream.
class StoreStatements {
protected:
    StoreStatements(sqlite3* db, std::ostream& errors);

    struct Finalizer {
        void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
    };
    using Statement = std::unique_ptr<sqlite3_stmt, Finalizer>;

    // Null after writing the error line.
    Statement prepare(const char* sql, const char* label);
    // Steps a statement that returns no rows; false after the error line.
    bool finish(const Statement& statement, const char* label);
    bool run(const char* sql, const char* label);
    // Runs change between BEGIN and COMMIT; anything but Done rolls back.
    StoreResult transaction(const char* label, const std::function<StoreResult()>& change);
    // The id that find (one bound name, one column) gives; none when no row
    // has the name or the database refused.
    std::optional<sqlite3_int64> idOf(const char* find, const char* label, const std::string& name);
    // Binds the name to ?1 and steps the statement (its first column the
    // id) to its row: the id, and the row's other columns left to read;
    // none when no row has the name or the database refused.
    std::optional<sqlite3_int64> stepToNamedRow(const Statement& statement, const std::string& name);
    // The first column of every row select gives: the saved names.
    std::vector<std::string> namesOf(const char* select, const char* label);
    // Gives the row of name from the new name to (update binds the name and
    // the id), in one transaction: Missing without such a row, NameTaken when
    // another row has the new name.
    StoreResult renameRow(const char* find, const char* update, const char* label, const std::string& from,
                                const std::string& to);

    sqlite3* db_;
    std::ostream& errors_;
};
