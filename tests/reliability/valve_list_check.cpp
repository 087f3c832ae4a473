#include "tests/reliability/valve_list_check.h"

#include "db/sqlite_handle.h"

ValveListFile inspectValveList(const std::filesystem::path& file)
{
    ValveListFile found;
    sqlite3* raw = nullptr;
    // Read-write, as the program's next start opens it: a journal left by a
    // killed writer is rolled back first.
    sqlite3_open_v2(file.c_str(), &raw, SQLITE_OPEN_READWRITE, nullptr);
    SqliteHandle db(raw);
    sqlite3_exec(db.get(), "PRAGMA integrity_check",
                 [](void* out, int, char** values, char**) {
                     *static_cast<std::string*>(out) += values[0] ? values[0] : "NULL";
                     return 0;
                 },
                 &found.integrity, nullptr);
    if (found.integrity.empty())
        found.integrity = sqlite3_errmsg(db.get());
    sqlite3_exec(db.get(), "SELECT riferimento FROM progetti",
                 [](void* out, int, char** values, char**) {
                     static_cast<std::multiset<std::string>*>(out)->insert(values[0] ? values[0] : "");
                     return 0;
                 },
                 &found.designations, nullptr);
    return found;
}

std::string threeStoredValves()
{
    return "INSERT INTO progetti (posizione, nome_tipo, riferimento) VALUES"
           " (1, 'Arvelo Quarz', 'Riser 1'), (2, 'Arvelo', 'Riser 2'), (3, 'Arvelo Flumen-A', 'Riser 3');";
}
