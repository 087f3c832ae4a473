#include "db/system_store.h"

#include "db/sqlite_columns.h"
#include "db/system_schema.h"

namespace {

constexpr const char* kSystemId = "SELECT id FROM impianti WHERE nome = ?1";
constexpr const char* kBranchId = "SELECT id FROM rami WHERE nome = ?1";

// A device this program does not know (a file written by a later one) reads
// as none rather than as nonsense.
FootDevice footOf(int stored)
{
    switch (stored) {
    case static_cast<int>(FootDevice::FixedOrificeValve): return FootDevice::FixedOrificeValve;
    case static_cast<int>(FootDevice::VariableOrificeValve): return FootDevice::VariableOrificeValve;
    case static_cast<int>(FootDevice::Controller): return FootDevice::Controller;
    default: return FootDevice::None;
    }
}

} // namespace

SystemStore::SystemStore(sqlite3* db, std::ostream& errors) : StoreStatements(db, errors) {}

bool SystemStore::ensureTables()
{
    return db_ && run(kSystemSchema, "System_Tables");
}

std::vector<std::string> SystemStore::names()
{
    return namesOf("SELECT nome FROM impianti ORDER BY nome", "System_Names");
}

std::optional<SavedSystem> SystemStore::open(const std::string& name)
{
    SavedSystem system;
    sqlite3_int64 id = 0;
    {
        const Statement head = prepare("SELECT id, perdita_centrale, temperatura_fluido, limite_velocita,"
                                       " limite_rumore, dp_min_statica FROM impianti WHERE nome = ?1",
                                       "System_Open");
        const std::optional<sqlite3_int64> found = stepToNamedRow(head, name);
        if (!found)
            return std::nullopt;
        id = *found;
        system.settings.name = name;
        system.settings.plantLoss = columnFloat(head.get(), 1);
        HydraulicLimits& limits = system.settings.limits;
        limits.fluidTemperature = columnFloat(head.get(), 2);
        limits.velocityLimit = columnFloat(head.get(), 3);
        limits.noiseLimit = columnFloat(head.get(), 4);
        limits.minimumStaticDp = columnFloat(head.get(), 5);
    }
    const Statement rows = prepare("SELECT r.nome, b.perdita_dorsale, b.lunghezza_tubo, b.diametro_tubo,"
                                   " b.rugosita_tubo, b.zeta_tubo, b.piede, b.ordine"
                                   " FROM impianti_rami b JOIN rami r ON r.id = b.ramo"
                                   " WHERE b.impianto = ?1 ORDER BY b.ordine",
                                   "System_Open");
    const Statement returns = prepare("SELECT perdita, lunghezza_tubo, diametro_tubo, rugosita_tubo, zeta_tubo"
                                      " FROM impianti_ritorni WHERE impianto = ?1 AND ordine_ramo = ?2"
                                      " ORDER BY ordine",
                                      "System_Open");
    if (!rows || !returns)
        return std::nullopt;
    sqlite3_bind_int64(rows.get(), 1, id);
    while (sqlite3_step(rows.get()) == SQLITE_ROW) {
        SavedSystemBranch branch{columnText(rows.get(), 0),
                                 {columnFloat(rows.get(), 1), columnPipe(rows.get(), 2)},
                                 footOf(sqlite3_column_int(rows.get(), 6)),
                                 {}};
        sqlite3_reset(returns.get());
        sqlite3_bind_int64(returns.get(), 1, id);
        sqlite3_bind_int64(returns.get(), 2, sqlite3_column_int64(rows.get(), 7));
        while (sqlite3_step(returns.get()) == SQLITE_ROW)
            branch.returns.push_back({columnFloat(returns.get(), 0), columnPipe(returns.get(), 1)});
        system.branches.push_back(std::move(branch));
    }
    return system;
}

bool SystemStore::deleteRows(sqlite3_int64 id)
{
    for (const char* sql :
         {"DELETE FROM impianti_rami WHERE impianto = ?1", "DELETE FROM impianti_ritorni WHERE impianto = ?1"}) {
        const Statement statement = prepare(sql, "System_Delete");
        if (!statement)
            return false;
        sqlite3_bind_int64(statement.get(), 1, id);
        if (!finish(statement, "System_Delete"))
            return false;
    }
    return true;
}

StoreResult SystemStore::writeBranches(sqlite3_int64 id, const std::vector<SavedSystemBranch>& branches)
{
    const Statement branch = prepare("INSERT INTO impianti_rami (impianto, ordine, ramo, perdita_dorsale,"
                                     " lunghezza_tubo, diametro_tubo, rugosita_tubo, zeta_tubo, piede)"
                                     " VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9)",
                                     "System_Save");
    const Statement back = prepare("INSERT INTO impianti_ritorni (impianto, ordine_ramo, ordine, perdita,"
                                   " lunghezza_tubo, diametro_tubo, rugosita_tubo, zeta_tubo)"
                                   " VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8)",
                                   "System_Save");
    if (!branch || !back)
        return StoreResult::Failed;
    for (std::size_t j = 0; j < branches.size(); ++j) {
        const SavedSystemBranch& saved = branches[j];
        const std::optional<sqlite3_int64> branchId = idOf(kBranchId, "System_Find", saved.branchName);
        if (!branchId)
            return StoreResult::Missing;
        sqlite3_reset(branch.get());
        sqlite3_bind_int64(branch.get(), 1, id);
        sqlite3_bind_int64(branch.get(), 2, static_cast<sqlite3_int64>(j));
        sqlite3_bind_int64(branch.get(), 3, *branchId);
        sqlite3_bind_double(branch.get(), 4, saved.main.loss);
        bindPipe(branch.get(), 5, saved.main.pipe);
        sqlite3_bind_int(branch.get(), 9, static_cast<int>(saved.foot));
        if (!finish(branch, "System_Save"))
            return StoreResult::Failed;
        for (std::size_t i = 0; i < saved.returns.size(); ++i) {
            sqlite3_reset(back.get());
            sqlite3_bind_int64(back.get(), 1, id);
            sqlite3_bind_int64(back.get(), 2, static_cast<sqlite3_int64>(j));
            sqlite3_bind_int64(back.get(), 3, static_cast<sqlite3_int64>(i));
            sqlite3_bind_double(back.get(), 4, saved.returns[i].loss);
            bindPipe(back.get(), 5, saved.returns[i].pipe);
            if (!finish(back, "System_Save"))
                return StoreResult::Failed;
        }
    }
    return StoreResult::Done;
}

StoreResult SystemStore::save(const SavedSystem& system)
{
    if (system.settings.name.empty())
        return StoreResult::NoName;
    return transaction("System_Save", [&] {
        const Statement head = prepare("INSERT INTO impianti (nome, perdita_centrale, temperatura_fluido,"
                                       " limite_velocita, limite_rumore, dp_min_statica)"
                                       " VALUES (?1, ?2, ?3, ?4, ?5, ?6)"
                                       " ON CONFLICT (nome) DO UPDATE SET perdita_centrale = ?2,"
                                       " temperatura_fluido = ?3, limite_velocita = ?4, limite_rumore = ?5,"
                                       " dp_min_statica = ?6",
                                       "System_Save");
        if (!head)
            return StoreResult::Failed;
        const SystemSettings& settings = system.settings;
        bindText(head.get(), 1, settings.name);
        sqlite3_bind_double(head.get(), 2, settings.plantLoss);
        sqlite3_bind_double(head.get(), 3, settings.limits.fluidTemperature);
        sqlite3_bind_double(head.get(), 4, settings.limits.velocityLimit);
        sqlite3_bind_double(head.get(), 5, settings.limits.noiseLimit);
        sqlite3_bind_double(head.get(), 6, settings.limits.minimumStaticDp);
        if (!finish(head, "System_Save"))
            return StoreResult::Failed;
        const std::optional<sqlite3_int64> id = idOf(kSystemId, "System_Find", settings.name);
        if (!id || !deleteRows(*id))
            return StoreResult::Failed;
        return writeBranches(*id, system.branches);
    });
}

StoreResult SystemStore::rename(const std::string& from, const std::string& to)
{
    return renameRow(kSystemId, "UPDATE impianti SET nome = ?1 WHERE id = ?2", "System_Rename", from, to);
}

StoreResult SystemStore::remove(const std::string& name)
{
    return transaction("System_Delete", [&] {
        const std::optional<sqlite3_int64> id = idOf(kSystemId, "System_Find", name);
        if (!id)
            return StoreResult::Missing;
        const Statement statement = prepare("DELETE FROM impianti WHERE id = ?1", "System_Delete");
        if (!statement || !deleteRows(*id))
            return StoreResult::Failed;
        sqlite3_bind_int64(statement.get(), 1, *id);
        return finish(statement, "System_Delete") ? StoreResult::Done : StoreResult::Failed;
    });
}

HydronicSystem withSavedBranches(const SavedSystem& saved, RecordStore<Branch>& branches)
{
    HydronicSystem system;
    system.settings = saved.settings;
    for (const SavedSystemBranch& entry : saved.branches)
        if (std::optional<Branch> branch = branches.open(entry.branchName))
            system.branches.push_back({std::move(*branch), entry.main, entry.foot, entry.returns});
    return system;
}

std::optional<HydronicSystem> openSystem(SystemStore& systems, BranchStore& branches, const std::string& name)
{
    const std::optional<SavedSystem> saved = systems.open(name);
    if (!saved)
        return std::nullopt;
    return withSavedBranches(*saved, branches);
}
