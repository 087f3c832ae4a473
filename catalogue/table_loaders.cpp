#include "catalogue/table_loaders.h"

#include "catalogue/source_table.h"

namespace {

const std::vector<std::string> kFluidColumns = {
    "numero", "densita_relativa", "calore_specifico", "densita", "nome"};
const std::vector<std::string> kFobvColumns = {
    "modello", "kv_min", "kv_max", "preset_inizio", "preset_apertura_totale", "preset_passo",
    "dimensione", "codice_tecnico", "kvs", "immagine", "curva_a", "curva_b", "curva_c"};
const std::vector<std::string> kVobvColumns = {
    "codice_tecnico", "modello", "kv_min", "kv_max", "preset_inizio", "preset_apertura_totale",
    "preset_passo", "dimensione", "immagine", "q_min", "q_max", "curva_a", "curva_b", "curva_c"};
const std::vector<std::string> kPicvColumns = {
    "modello", "q_min", "q_max", "codice_tecnico", "dp_max", "dimensione", "preset_inizio",
    "preset_fine", "preset_passo", "immagine", "dp_min_basso", "dp_min_pieno"};
const std::vector<std::string> kDpcvColumns = {
    "modello", "q_min", "q_max", "dp_min", "dp_max", "codice_tecnico", "dimensione", "immagine",
    "kvs"};

ValveIdentity identity(const SourceTable& table, const CsvRecord& row)
{
    return {table.where(row), table.text(row, "codice_tecnico"), table.text(row, "modello"),
            table.text(row, "dimensione"), table.text(row, "immagine")};
}

PresetScale scale(const SourceTable& table, const CsvRecord& row, const std::string& fullColumn)
{
    return {table.number(row, "preset_inizio"), table.number(row, fullColumn),
            table.number(row, "preset_passo")};
}

CurveShape shape(const SourceTable& table, const CsvRecord& row)
{
    return {table.number(row, "curva_a"), table.number(row, "curva_b"),
            table.number(row, "curva_c")};
}

std::vector<FluidSource> loadFluids(const std::filesystem::path& directory, Problems& problems)
{
    const SourceTable table(directory, "fluidi.csv", kFluidColumns, problems);
    std::vector<FluidSource> fluids;
    for (const auto& row : table.rows())
        fluids.push_back({table.where(row), table.integer(row, "numero"),
                          table.number(row, "densita_relativa"),
                          table.integer(row, "calore_specifico"), table.integer(row, "densita"),
                          table.text(row, "nome")});
    return fluids;
}

std::vector<FobvSource> loadFobv(const std::filesystem::path& directory, Problems& problems)
{
    const SourceTable table(directory, "fobv.csv", kFobvColumns, problems);
    std::vector<FobvSource> valves;
    for (const auto& row : table.rows())
        valves.push_back({identity(table, row), table.number(row, "kv_min"),
                          table.number(row, "kv_max"),
                          scale(table, row, "preset_apertura_totale"), table.number(row, "kvs"),
                          shape(table, row)});
    return valves;
}

std::vector<VobvSource> loadVobv(const std::filesystem::path& directory, Problems& problems)
{
    const SourceTable table(directory, "vobv.csv", kVobvColumns, problems);
    std::vector<VobvSource> valves;
    for (const auto& row : table.rows())
        valves.push_back({identity(table, row), table.number(row, "kv_min"),
                          table.number(row, "kv_max"),
                          scale(table, row, "preset_apertura_totale"), table.number(row, "q_min"),
                          table.number(row, "q_max"), shape(table, row)});
    return valves;
}

std::vector<PicvSource> loadPicv(const std::filesystem::path& directory, Problems& problems)
{
    const SourceTable table(directory, "picv.csv", kPicvColumns, problems);
    std::vector<PicvSource> valves;
    for (const auto& row : table.rows())
        valves.push_back({identity(table, row), table.number(row, "q_min"),
                          table.number(row, "q_max"), table.number(row, "dp_max"),
                          scale(table, row, "preset_fine"), table.number(row, "dp_min_basso"),
                          table.number(row, "dp_min_pieno")});
    return valves;
}

std::vector<DpcvSource> loadDpcv(const std::filesystem::path& directory, Problems& problems)
{
    const SourceTable table(directory, "dpcv.csv", kDpcvColumns, problems);
    std::vector<DpcvSource> valves;
    for (const auto& row : table.rows())
        valves.push_back({identity(table, row), table.number(row, "q_min"),
                          table.number(row, "q_max"), table.number(row, "dp_min"),
                          table.number(row, "dp_max"), table.number(row, "kvs")});
    return valves;
}

} // namespace

CatalogueSources loadCatalogueSources(const std::filesystem::path& directory, Problems& problems)
{
    return {loadFluids(directory, problems), loadFobv(directory, problems),
            loadVobv(directory, problems), loadPicv(directory, problems),
            loadDpcv(directory, problems)};
}
