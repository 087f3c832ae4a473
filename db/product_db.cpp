#include "db/product_db.h"

#include "db/row_conversion.h"
#include "db/row_reader.h"
#include "db/sql_format.h"

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
    return openWith(file, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
}

bool ProductDb::openReadOnly(const std::filesystem::path& file)
{
    // Read-write without create, so that a journal left by a killed writer
    // can be rolled back (a read-only connection refuses to read such a
    // file at all); query_only keeps every statement from writing. A file
    // that may not be written is opened read-only by the library itself.
    if (openWith(file, SQLITE_OPEN_READWRITE) &&
        sqlite3_exec(db_.get(), "PRAGMA query_only = 1", nullptr, nullptr, nullptr) == SQLITE_OK)
        return true;
    db_.reset();
    return false;
}

bool ProductDb::openWith(const std::filesystem::path& file, int flags)
{
    db_.reset();
    sqlite3* raw = nullptr;
    const int result = sqlite3_open_v2(file.string().c_str(), &raw, flags, nullptr);
    SqliteHandle opened(raw); // closes a half-open handle on failure
    if (result != SQLITE_OK)
        return false;
    db_ = std::move(opened);
    return true;
}

bool ProductDb::execute(const std::string& statement, const char* errorLabel, const RowHandler& onRow)
{
    if (!db_) {
        errors_ << "SQL error " << errorLabel << ": no database connection\n";
        return false;
    }
    char* message = nullptr;
    const int result = sqlite3_exec(db_.get(), statement.c_str(), forwardRow,
                                    const_cast<RowHandler*>(&onRow), &message);
    SqliteText owned(message);
    if (result == SQLITE_OK)
        return true;
    errors_ << "SQL error " << errorLabel << ": " << (owned ? owned.get() : sqlite3_errmsg(db_.get())) << '\n';
    return false;
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

void ProductDb::queryFluids(std::vector<FluidRow>& rows)
{
    execute(sqlFormat("select * from %s", "fluidi"), "Fluidi_Query",
            [&rows](const RowReader& row) { rows.push_back(readFluidRow(row)); });
}
