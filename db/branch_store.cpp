#include "db/branch_store.h"

#include "db/branch_schema.h"
#include "db/sqlite_columns.h"

namespace {

// The heat load in columns first.. first + 4; none where the power is NULL.
std::optional<CircuitHeatLoad> columnHeatLoad(sqlite3_stmt* statement, int first)
{
    if (sqlite3_column_type(statement, first) == SQLITE_NULL)
        return std::nullopt;
    return CircuitHeatLoad{columnFloat(statement, first), columnText(statement, first + 1),
                           columnFloat(statement, first + 2), columnFloat(statement, first + 3),
                           columnText(statement, first + 4)};
}

void bindHeatLoad(sqlite3_stmt* statement, int first, const std::optional<CircuitHeatLoad>& heatLoad)
{
    if (!heatLoad) {
        for (int index = first; index < first + 5; ++index)
            sqlite3_bind_null(statement, index);
        return;
    }
    sqlite3_bind_double(statement, first, heatLoad->power);
    bindText(statement, first + 1, heatLoad->powerUnit);
    sqlite3_bind_double(statement, first + 2, heatLoad->supplyTemperature);
    sqlite3_bind_double(statement, first + 3, heatLoad->returnTemperature);
    bindText(statement, first + 4, heatLoad->temperatureUnit);
}

// A kind this program does not know (a file written by a later one) reads
// as the plainest valve rather than as nonsense.
BranchValveKind kindOf(int stored)
{
    switch (stored) {
    case static_cast<int>(BranchValveKind::VariableOrifice): return BranchValveKind::VariableOrifice;
    case static_cast<int>(BranchValveKind::PressureIndependent): return BranchValveKind::PressureIndependent;
    default: return BranchValveKind::FixedOrifice;
    }
}

} // namespace

BranchStore::BranchStore(sqlite3* db, std::ostream& errors) : StoreStatements(db, errors) {}

std::optional<bool> BranchStore::hasCircuitColumn(const char* name)
{
    const Statement statement =
        prepare("SELECT count(*) FROM pragma_table_info('rami_circuiti') WHERE name = ?1", "Branch_Tables");
    if (!statement)
        return std::nullopt;
    bindText(statement.get(), 1, name);
    if (sqlite3_step(statement.get()) != SQLITE_ROW)
        return std::nullopt;
    return sqlite3_column_int(statement.get(), 0) == 1;
}

bool BranchStore::ensureTables()
{
    if (!db_ || !run(kBranchSchema, "Branch_Tables"))
        return false;
    // Each group of later columns, by the first of its columns.
    const std::pair<const char*, const char*> later[] = {{"potenza", kBranchHeatLoadColumns},
                                                         {"lunghezza_tubo", kBranchPipeColumns}};
    for (const auto& [column, statements] : later) {
        const std::optional<bool> present = hasCircuitColumn(column);
        if (!present)
            return false;
        if (*present)
            continue;
        const StoreResult added = transaction("Branch_Tables", [&, statements = statements] {
            return run(statements, "Branch_Tables") ? StoreResult::Done : StoreResult::Failed;
        });
        if (added != StoreResult::Done)
            return false;
    }
    return true;
}

std::vector<std::string> BranchStore::names()
{
    return namesOf("SELECT nome FROM rami ORDER BY nome", "Branch_Names");
}

std::optional<sqlite3_int64> BranchStore::idOf(const std::string& name)
{
    return StoreStatements::idOf("SELECT id FROM rami WHERE nome = ?1", "Branch_Find", name);
}

std::optional<Branch> BranchStore::open(const std::string& name)
{
    Branch branch;
    sqlite3_int64 id = 0;
    {
        const Statement head = prepare("SELECT id, dp_min_statica, limite_rumore, temperatura_fluido, limite_velocita,"
                                       " limite_autorita FROM rami WHERE nome = ?1",
                                       "Branch_Open");
        const std::optional<sqlite3_int64> found = stepToNamedRow(head, name);
        if (!found)
            return std::nullopt;
        id = *found;
        branch.settings = {name,
                           {columnFloat(head.get(), 1),
                            columnFloat(head.get(), 2),
                            columnOptional(head.get(), 3).value_or(kDefaultFluidTemperature),
                            columnOptional(head.get(), 4).value_or(kDefaultVelocityLimit),
                            columnOptional(head.get(), 5).value_or(kDefaultAuthorityLimit)}};
    }
    const Statement rows = prepare("SELECT riferimento, portata, perdita_circuito, perdita_colonna, tipo,"
                                   " potenza, mu_potenza, t_mandata, t_ritorno, mu_temperatura,"
                                   " lunghezza_tubo, diametro_tubo, rugosita_tubo, zeta_tubo, kvs_regolazione"
                                   " FROM rami_circuiti WHERE ramo = ?1 ORDER BY ordine",
                                   "Branch_Open");
    if (!rows)
        return std::nullopt;
    sqlite3_bind_int64(rows.get(), 1, id);
    while (sqlite3_step(rows.get()) == SQLITE_ROW)
        branch.circuits.push_back({columnText(rows.get(), 0), columnFloat(rows.get(), 1), columnFloat(rows.get(), 2),
                                   columnFloat(rows.get(), 3), kindOf(sqlite3_column_int(rows.get(), 4)),
                                   columnHeatLoad(rows.get(), 5), columnPipe(rows.get(), 10),
                                   columnOptional(rows.get(), 14)});
    return branch;
}

bool BranchStore::deleteCircuits(sqlite3_int64 id)
{
    const Statement statement = prepare("DELETE FROM rami_circuiti WHERE ramo = ?1", "Branch_Delete");
    if (!statement)
        return false;
    sqlite3_bind_int64(statement.get(), 1, id);
    return finish(statement, "Branch_Delete");
}

bool BranchStore::writeCircuits(sqlite3_int64 id, const std::vector<BranchCircuit>& circuits)
{
    const Statement statement =
        prepare("INSERT INTO rami_circuiti (ramo, ordine, riferimento, portata, perdita_circuito, perdita_colonna,"
                " tipo, potenza, mu_potenza, t_mandata, t_ritorno, mu_temperatura,"
                " lunghezza_tubo, diametro_tubo, rugosita_tubo, zeta_tubo, kvs_regolazione)"
                " VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14, ?15, ?16, ?17)",
                "Branch_Save");
    if (!statement)
        return false;
    for (std::size_t i = 0; i < circuits.size(); ++i) {
        const BranchCircuit& circuit = circuits[i];
        sqlite3_reset(statement.get());
        sqlite3_bind_int64(statement.get(), 1, id);
        sqlite3_bind_int64(statement.get(), 2, static_cast<sqlite3_int64>(i));
        bindText(statement.get(), 3, circuit.designation);
        sqlite3_bind_double(statement.get(), 4, circuit.flow);
        sqlite3_bind_double(statement.get(), 5, circuit.circuitLoss);
        sqlite3_bind_double(statement.get(), 6, circuit.riserLoss);
        sqlite3_bind_int(statement.get(), 7, static_cast<int>(circuit.kind));
        bindHeatLoad(statement.get(), 8, circuit.heatLoad);
        bindPipe(statement.get(), 13, circuit.pipe);
        bindOptional(statement.get(), 17, circuit.controlValveKvs);
        if (!finish(statement, "Branch_Save"))
            return false;
    }
    return true;
}

StoreResult BranchStore::save(const Branch& branch)
{
    if (branch.settings.name.empty())
        return StoreResult::NoName;
    return transaction("Branch_Save", [&] {
        const Statement head =
            prepare("INSERT INTO rami (nome, dp_min_statica, limite_rumore, temperatura_fluido, limite_velocita,"
                    " limite_autorita) VALUES (?1, ?2, ?3, ?4, ?5, ?6)"
                    " ON CONFLICT (nome) DO UPDATE SET dp_min_statica = ?2, limite_rumore = ?3,"
                    " temperatura_fluido = ?4, limite_velocita = ?5, limite_autorita = ?6",
                    "Branch_Save");
        if (!head)
            return StoreResult::Failed;
        bindText(head.get(), 1, branch.settings.name);
        const HydraulicLimits& limits = branch.settings.limits;
        sqlite3_bind_double(head.get(), 2, limits.minimumStaticDp);
        sqlite3_bind_double(head.get(), 3, limits.noiseLimit);
        sqlite3_bind_double(head.get(), 4, limits.fluidTemperature);
        sqlite3_bind_double(head.get(), 5, limits.velocityLimit);
        sqlite3_bind_double(head.get(), 6, limits.authorityLimit);
        if (!finish(head, "Branch_Save"))
            return StoreResult::Failed;
        const std::optional<sqlite3_int64> id = idOf(branch.settings.name);
        if (!id || !deleteCircuits(*id) || !writeCircuits(*id, branch.circuits))
            return StoreResult::Failed;
        return StoreResult::Done;
    });
}

StoreResult BranchStore::rename(const std::string& from, const std::string& to)
{
    return renameRow("SELECT id FROM rami WHERE nome = ?1", "UPDATE rami SET nome = ?1 WHERE id = ?2", "Branch_Rename",
                     from, to);
}

StoreResult BranchStore::remove(const std::string& name)
{
    return transaction("Branch_Delete", [&] {
        const std::optional<sqlite3_int64> id = idOf(name);
        if (!id)
            return StoreResult::Missing;
        const Statement statement = prepare("DELETE FROM rami WHERE id = ?1", "Branch_Delete");
        if (!statement || !deleteCircuits(*id))
            return StoreResult::Failed;
        sqlite3_bind_int64(statement.get(), 1, *id);
        return finish(statement, "Branch_Delete") ? StoreResult::Done : StoreResult::Failed;
    });
}
