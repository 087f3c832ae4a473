#include "duty_queries.h"

#include "catalogue_test_support.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float kDpMin = 1.0f; // default signal window of the fixed orifice, kPa
constexpr float kDpMax = 6.0f;

float root(float value)
{
    return static_cast<float>(std::sqrt(static_cast<double>(value)));
}

// Required flow coefficient, in the calculator's single precision and order.
struct Coefficients {
    float k;
    float kv;
};
Coefficients coefficients(const Duty& duty)
{
    const float flow = static_cast<float>(duty.flow);
    const float k = root(1.0f) * (flow * 36.0f);
    return {k, k / root(static_cast<float>(duty.dp))};
}

std::size_t codeColumn(Family family)
{
    switch (family) {
    case Family::FixedOrifice: return 7;
    case Family::VariableOrifice: return 0;
    case Family::PressureIndependent: return 3;
    case Family::DpController: return 5;
    }
    return 0;
}

} // namespace

const char* familyName(Family family)
{
    switch (family) {
    case Family::FixedOrifice: return "fixed orifice";
    case Family::VariableOrifice: return "variable orifice";
    case Family::PressureIndependent: return "pressure independent";
    case Family::DpController: return "dp controller";
    }
    return "";
}

std::string candidateStatement(Family family, const Duty& duty)
{
    const Coefficients c = coefficients(duty);
    const float flow = static_cast<float>(duty.flow);
    const float dp = static_cast<float>(duty.dp);
    switch (family) {
    case Family::FixedOrifice:
        return sqlText("SELECT * FROM %s WHERE %s <= '%f' AND %s >= '%f' AND %s >= '%f' AND "
                       "%s <= '%f' ORDER BY %s %s",
                       "fobv", "kv_min", c.kv, "kv_max", c.kv, "kvs", c.k / root(kDpMax), "kvs",
                       c.k / root(kDpMin), "codice_tecnico", "ASC");
    case Family::VariableOrifice:
        return sqlText("SELECT * FROM %s WHERE %s <= '%f' AND %s >= '%f' AND %s <= '%f' AND "
                       "%s >= '%f' ORDER BY %s %s",
                       "vobv", "kv_min", c.kv, "kv_max", c.kv, "q_min", flow, "q_max", flow,
                       "codice_tecnico", "ASC");
    case Family::PressureIndependent:
        return sqlText("SELECT * FROM %s WHERE %s <= '%f' AND %s >= '%f' ORDER BY %s %s", "picv",
                       "q_min", flow, "q_max", flow, "codice_tecnico", "ASC");
    case Family::DpController:
        return sqlText("SELECT * FROM %s WHERE %s <= '%f' AND %s >= '%f' AND %s <= '%f' AND "
                       "%s >= '%f' ORDER BY %s %s",
                       "dpcv", "q_min", flow, "q_max", flow, "dp_min", dp, "dp_max", dp,
                       "codice_tecnico", "ASC");
    }
    return "";
}

std::vector<std::string> candidateCodes(sqlite3* db, Family family, const Duty& duty)
{
    std::vector<std::string> codes;
    for (const auto& row : selectRows(db, candidateStatement(family, duty)))
        codes.push_back(row.at(codeColumn(family)).value_or(""));
    return codes;
}

std::vector<ServedRange> servedRanges(sqlite3* db, Family family, double dp)
{
    std::vector<ServedRange> ranges;
    const double atDp = std::sqrt(dp) / 36.0; // flow per unit of Kv at dp, water
    switch (family) {
    case Family::FixedOrifice:
        // Orifice signal within 1 to 6 kPa, valve Kv within its range.
        for (const auto& r : selectRows(db, "SELECT codice_tecnico, kvs, kv_min, kv_max FROM fobv"))
            ranges.push_back({*r[0], std::max(number(r[1]) / 36.0, number(r[2]) * atDp),
                              std::min(number(r[1]) * std::sqrt(6.0) / 36.0, number(r[3]) * atDp)});
        break;
    case Family::VariableOrifice:
        for (const auto& r :
             selectRows(db, "SELECT codice_tecnico, q_min, q_max, kv_min, kv_max FROM vobv"))
            ranges.push_back({*r[0], std::max(number(r[1]), number(r[3]) * atDp),
                              std::min(number(r[2]), number(r[4]) * atDp)});
        break;
    case Family::PressureIndependent:
        for (const auto& r : selectRows(db, "SELECT codice_tecnico, q_min, q_max FROM picv"))
            ranges.push_back({*r[0], number(r[1]), number(r[2])});
        break;
    case Family::DpController:
        for (const auto& r : selectRows(
                 db, "SELECT codice_tecnico, q_min, q_max, dp_min, dp_max FROM dpcv"))
            if (number(r[3]) <= dp && dp <= number(r[4]))
                ranges.push_back({*r[0], number(r[1]), number(r[2])});
        break;
    }
    return ranges;
}

int nearestPresetting(const std::vector<float>& values, float target)
{
    int best = 0;
    float bestDistance = 1000000000.0f;
    for (int i = 0; i < static_cast<int>(values.size()); ++i) {
        const float distance = std::fabs(target - values[static_cast<std::size_t>(i)]);
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    return best;
}

std::vector<float> presetValues(sqlite3* db, const std::string& code)
{
    const auto rows = selectRows(
        db, sqlText("SELECT * FROM %s WHERE %s = '%s' ORDER BY '%s'", "preset", "codice_tecnico",
                    code.c_str(), "ASC"));
    std::vector<float> values;
    if (rows.empty())
        return values;
    for (std::size_t i = 2; i < rows.front().size(); ++i)
        values.push_back(static_cast<float>(number(rows.front()[i])));
    return values;
}
