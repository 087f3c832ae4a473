#include "catalogue/catalogue_tables.h"

#include "catalogue/curve_generator.h"

#include <optional>

namespace {

std::vector<std::string> numberedColumns(const std::string& prefix, int count)
{
    std::vector<std::string> columns = {"codice_tecnico", "modello"};
    for (int i = 0; i < count; ++i)
        columns.push_back(prefix + std::to_string(i));
    return columns;
}

// A curve row: the valve's code and model, then the values, NULL beyond them.
std::vector<SqlValue> curveRow(const ValveIdentity& id, const std::vector<double>& values,
                               int width)
{
    std::vector<SqlValue> row(static_cast<std::size_t>(width) + 2);
    row[0] = id.code;
    row[1] = id.model;
    for (std::size_t i = 0; i < values.size() && i < static_cast<std::size_t>(width); ++i)
        row[i + 2] = values[i];
    return row;
}

void addCurve(TableData& table, const ValveIdentity& id,
              const std::optional<std::vector<double>>& curve, int width, Problems& problems)
{
    if (!curve) {
        addProblem(problems, id.where,
                   "the presetting curve cannot be stored strictly increasing with four "
                   "significant digits");
        return;
    }
    table.rows.push_back(curveRow(id, *curve, width));
}

TableData fluidTable(const std::vector<FluidSource>& fluids)
{
    TableData table{"fluidi",
                    {"numero", "densita_relativa", "calore_specifico", "densita", "nome"},
                    {}};
    for (const auto& f : fluids)
        table.rows.push_back({f.number, f.relativeDensity, f.specificHeat, f.density, f.name});
    return table;
}

TableData fobvTable(const std::vector<FobvSource>& valves)
{
    TableData table{"fobv",
                    {"modello", "kv_min", "kv_max", "preset_inizio", "preset_apertura_totale",
                     "preset_passo", "dimensione", "codice_tecnico", "kvs", "immagine"},
                    {}};
    for (const auto& v : valves)
        table.rows.push_back({v.id.model, v.kvMin, v.kvMax, v.scale.start, v.scale.full,
                              v.scale.step, v.id.size, v.id.code, v.kvs, v.id.image});
    return table;
}

TableData vobvTable(const std::vector<VobvSource>& valves)
{
    TableData table{"vobv",
                    {"codice_tecnico", "modello", "kv_min", "kv_max", "preset_inizio",
                     "preset_apertura_totale", "preset_passo", "dimensione", "immagine", "q_min",
                     "q_max"},
                    {}};
    for (const auto& v : valves)
        table.rows.push_back({v.id.code, v.id.model, v.kvMin, v.kvMax, v.scale.start,
                              v.scale.full, v.scale.step, v.id.size, v.id.image, v.qMin,
                              v.qMax});
    return table;
}

TableData picvTable(const std::vector<PicvSource>& valves)
{
    TableData table{"picv",
                    {"modello", "q_min", "q_max", "codice_tecnico", "dp_max", "dimensione",
                     "preset_inizio", "preset_fine", "preset_passo", "immagine"},
                    {}};
    for (const auto& v : valves)
        table.rows.push_back({v.id.model, v.qMin, v.qMax, v.id.code, v.dpMax, v.id.size,
                              v.scale.start, v.scale.full, v.scale.step, v.id.image});
    return table;
}

TableData dpcvTable(const std::vector<DpcvSource>& valves)
{
    TableData table{"dpcv",
                    {"modello", "q_min", "q_max", "dp_min", "dp_max", "codice_tecnico",
                     "dimensione", "immagine"},
                    {}};
    for (const auto& v : valves)
        table.rows.push_back({v.id.model, v.qMin, v.qMax, v.dpMin, v.dpMax, v.id.code,
                              v.id.size, v.id.image});
    return table;
}

// Presetting curves of the three families that have one (flow coefficients
// for the static valves, flows for the pressure-independent ones) and the
// minimum pressures of the pressure-independent valves.
std::vector<TableData> curveTables(const CatalogueSources& sources, Problems& problems)
{
    TableData preset{"preset", numberedColumns("p", kPresetValues), {}};
    TableData startup{"startup", numberedColumns("dp", kStartupValues), {}};
    // A scale that is no whole number of steps has been reported already.
    for (const auto& v : sources.fobv)
        if (const auto positions = scalePositions(v.scale))
            addCurve(preset, v.id, presettingCurve(v.kvMin, v.kvMax, *positions, v.shape),
                     kPresetValues, problems);
    for (const auto& v : sources.vobv)
        if (const auto positions = scalePositions(v.scale))
            addCurve(preset, v.id, presettingCurve(v.kvMin, v.kvMax, *positions, v.shape),
                     kPresetValues, problems);
    for (const auto& v : sources.picv) {
        const auto positions = scalePositions(v.scale);
        if (!positions)
            continue;
        const auto flows = presetFlows(v.qMin, v.qMax, *positions);
        addCurve(preset, v.id, flows, kPresetValues, problems);
        if (flows)
            startup.rows.push_back(curveRow(
                v.id, minimumPressures(*flows, v.qMax, v.dpMinLow, v.dpMinFull),
                kStartupValues));
    }
    return {preset, startup};
}

} // namespace

std::vector<TableData> catalogueTables(const CatalogueSources& sources, Problems& problems)
{
    std::vector<TableData> tables = {fluidTable(sources.fluids), fobvTable(sources.fobv),
                                     vobvTable(sources.vobv), picvTable(sources.picv),
                                     dpcvTable(sources.dpcv)};
    for (auto& table : curveTables(sources, problems))
        tables.push_back(std::move(table));
    return tables;
}
