#include "db/product_db.h"

#include "db/row_conversion.h"
#include "db/row_reader.h"
#include "db/sql_format.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

int forwardRow(void* context, int columnCount, char** values, char** /*names*/)
{
    const auto& onRow = *static_cast<const std::function<void(const RowReader&)>*>(context);
    onRow(RowReader(columnCount, values));
    return 0;
}

} // namespace

ProductDb::ProductDb(std::ostream& errors) : errors_(errors) {}

bool ProductDb::open(const std::filesystem::path& file)
{
    queryOnly_ = false;
    return openWith(file, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
}

void ProductDb::setBusyTimeout(int milliseconds)
{
    busyTimeoutMs_ = milliseconds;
    if (db_)
        sqlite3_busy_timeout(db_.get(), busyTimeoutMs_);
}

bool ProductDb::openReadOnly(const std::filesystem::path& file)
{
    // Read-write without create, so that a journal left by a killed writer
    // can be rolled back (a read-only connection refuses to read such a
    // file at all); query_only keeps every statement from writing. A file
    // that may not be written is opened read-only by the library itself.
    queryOnly_ = true;
    return openWith(file, SQLITE_OPEN_READWRITE);
}

SqliteHandle ProductDb::openHandle(const std::filesystem::path& file, int flags) const
{
    sqlite3* raw = nullptr;
    const int result = sqlite3_open_v2(file.string().c_str(), &raw, flags, nullptr);
    SqliteHandle opened(raw); // closes a half-open handle on failure
    if (result != SQLITE_OK)
        return nullptr;
    // Another program (a second copy, the catalogue builder) may hold the
    // file for a moment: wait for it rather than fail at once.
    sqlite3_busy_timeout(opened.get(), busyTimeoutMs_);
    if (queryOnly_ && sqlite3_exec(opened.get(), "PRAGMA query_only = 1", nullptr, nullptr, nullptr) != SQLITE_OK)
        return nullptr;
    return opened;
}

bool ProductDb::openWith(const std::filesystem::path& file, int flags)
{
    db_ = openHandle(file, flags);
    file_ = file;
    return db_ != nullptr;
}

bool ProductDb::execute(const std::string& statement, const char* errorLabel, const RowHandler& onRow)
{
    if (!db_)
        return fail(errorLabel, failureOf(nullptr));
    char* message = nullptr;
    const int result = sqlite3_exec(db_.get(), statement.c_str(), forwardRow,
                                    const_cast<RowHandler*>(&onRow), &message);
    SqliteText owned(message);
    if (result == SQLITE_OK)
        return true;
    DbFailure failure = failureOf(db_.get());
    if (owned)
        failure.reason = owned.get();
    failure.code = result & 0xff;
    return fail(errorLabel, std::move(failure));
}

bool ProductDb::fail(const char* errorLabel, DbFailure failure)
{
    errors_ << "SQL error " << errorLabel << ": " << failure.reason << '\n';
    failure_ = std::move(failure);
    ++failureCount_;
    return false;
}

bool ProductDb::followFile(const char* errorLabel, bool writing)
{
    if (!db_)
        return fail(errorLabel, failureOf(nullptr));
    int moved = 0;
    sqlite3_file_control(db_.get(), "main", SQLITE_FCNTL_HAS_MOVED, &moved);
    if (moved) {
        // Never create a new empty file where the user's file was.
        SqliteHandle current = openHandle(file_, SQLITE_OPEN_READWRITE);
        const bool told = fileLost_;
        fileLost_ = current == nullptr;
        if (current)
            db_ = std::move(current);
        // The statement that finds the file swapped fails: the user has not
        // seen the list the new file holds. Once told, the file at the path
        // is the valve list again.
        if (!told || fileLost_)
            return fail(errorLabel,
                        {"the database file was deleted or replaced while the program ran", true, SQLITE_NOTFOUND});
    }
    // A connection opened before the file was made read-only (or
    // immutable) could still write through its open descriptor.
    if (writing && !queryOnly_ && ::faccessat(AT_FDCWD, file_.c_str(), W_OK, AT_EACCESS) != 0)
        return fail(errorLabel, {file_.filename().string() + ": " + std::strerror(errno), false, SQLITE_READONLY});
    return true;
}

bool ProductDb::checkFluidTable()
{
    bool found = false;
    if (!db_)
        return false;
    char* message = nullptr;
    sqlite3_exec(db_.get(), "SELECT name FROM sqlite_master WHERE name='fluidi' AND type='table'",
                 [](void* flag, int, char**, char**) {
                     *static_cast<bool*>(flag) = true;
                     return 0;
                 },
                 &found, &message);
    SqliteText owned(message);
    return found;
}

bool ProductDb::queryFluids(std::vector<FluidRow>& rows)
{
    return execute(sqlFormat("select * from %s", "fluidi"), "Fluidi_Query",
                   [&rows](const RowReader& row) { rows.push_back(readFluidRow(row)); });
}
