#include "db/product_db.h"

#include "db/row_conversion.h"
#include "db/row_reader.h"
#include "db/sql_format.h"

// The catalogue statements. Numbers go in as quoted "%f" literals, which the
// REAL columns turn back into numbers; texts go through "%q" so that a quote
// in a code or model name can neither break nor change the statement.

namespace {

template <typename Row>
std::function<void(const RowReader&)> appendTo(std::vector<Row>& rows, Row (*read)(const RowReader&))
{
    return [&rows, read](const RowReader& row) { rows.push_back(read(row)); };
}

} // namespace

void ProductDb::queryFobvByKv(std::vector<FobvRow>& rows, float requiredKv, float kvsLow, float kvsHigh)
{
    rows.clear();
    execute(sqlFormat("SELECT * FROM %s WHERE %s <= '%f' AND %s >= '%f' AND %s >= '%f' AND %s <= '%f' ORDER BY %s %s",
                      "fobv", "kv_min", double(requiredKv), "kv_max", double(requiredKv), "kvs", double(kvsLow),
                      "kvs", double(kvsHigh), "codice_tecnico", "ASC"),
            "Fobv_Query", appendTo(rows, readFobvRow));
}

void ProductDb::queryFobvAll(std::vector<FobvRow>& rows)
{
    rows.clear();
    execute(sqlFormat("select * from %s ORDER BY %s %s", "fobv", "codice_tecnico", "ASC"), "Fobv_Query",
            appendTo(rows, readFobvRow));
}

void ProductDb::queryVobv(std::vector<VobvRow>& rows, float requiredKv, float flow)
{
    rows.clear();
    execute(sqlFormat("SELECT * FROM %s WHERE %s <= '%f' AND %s >= '%f' AND %s <= '%f' AND %s >= '%f' ORDER BY %s %s",
                      "vobv", "kv_min", double(requiredKv), "kv_max", double(requiredKv), "q_min", double(flow),
                      "q_max", double(flow), "codice_tecnico", "ASC"),
            "Vobv_Query", appendTo(rows, readVobvRow));
}

void ProductDb::queryVobvAll(std::vector<VobvRow>& rows)
{
    rows.clear();
    execute(sqlFormat("select * from %s ORDER BY %s %s", "vobv", "codice_tecnico", "ASC"), "Vobv_Query",
            appendTo(rows, readVobvRow));
}

void ProductDb::queryPicvByFlow(std::vector<PicvRow>& rows, float flow)
{
    rows.clear();
    execute(sqlFormat("SELECT * FROM %s WHERE %s <= '%f' AND %s >= '%f' ORDER BY %s %s", "picv", "q_min",
                      double(flow), "q_max", double(flow), "codice_tecnico", "ASC"),
            "Picv_Query", appendTo(rows, readPicvRow));
}

void ProductDb::queryPicvAll(std::vector<PicvRow>& rows)
{
    rows.clear();
    execute(sqlFormat("select * from %s ORDER BY %s %s", "picv", "codice_tecnico", "ASC"), "Picv_Query",
            appendTo(rows, readPicvRow));
}

void ProductDb::queryDpcv(std::vector<DpcvRow>& rows, float flow, float differentialPressure)
{
    rows.clear();
    execute(sqlFormat("SELECT * FROM %s WHERE %s <= '%f' AND %s >= '%f' AND %s <= '%f' AND %s >= '%f' ORDER BY %s %s",
                      "dpcv", "q_min", double(flow), "q_max", double(flow), "dp_min", double(differentialPressure),
                      "dp_max", double(differentialPressure), "codice_tecnico", "ASC"),
            "Dpcv_Query", appendTo(rows, readDpcvRow));
}

// ORDER BY a constant text: the rows come in storage order, and the callers
// use the first one.
int ProductDb::queryPreset(std::vector<PresetRow>& rows, const std::string& technicalCode)
{
    rows.clear();
    execute(sqlFormat("SELECT * FROM %s WHERE %s = '%q' ORDER BY '%s'", "preset", "codice_tecnico",
                      technicalCode.c_str(), "ASC"),
            "Preset_Query", appendTo(rows, readPresetRow));
    return static_cast<int>(rows.size());
}

int ProductDb::queryStartup(std::vector<StartupRow>& rows, const std::string& technicalCode, const std::string& model)
{
    rows.clear();
    execute(sqlFormat("SELECT * FROM %s WHERE %s = '%q' AND %s = '%q' ORDER BY '%s'", "startup", "codice_tecnico",
                      technicalCode.c_str(), "modello", model.c_str(), "ASC"),
            "Startup_Query", appendTo(rows, readStartupRow));
    return static_cast<int>(rows.size());
}
