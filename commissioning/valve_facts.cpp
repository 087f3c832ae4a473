#include "commissioning/valve_facts.h"

#include "db/product_db.h"
#include "sizing/hydraulic_factors.h"
#include "sizing/presetting_correction.h"

#include <cctype>
#include <cstdlib>
#include <set>

namespace {

constexpr float kThreadedDpMaximumKpa = 250.0f;
constexpr float kFlangedDpMaximumKpa = 350.0f;
constexpr long kLargestThreadedDn = 50;

void readCurve(ProductDb& db, ValveFacts& facts, const std::string& code)
{
    std::vector<PresetRow> curves;
    if (db.queryPreset(curves, code) > 0) {
        facts.curve = curves.front();
        facts.hasCurve = true;
    }
}

// What a family's row tells beside the scale: the largest dP (the body's
// for a static valve, the catalogue's dp_max for a pressure-independent
// one) and a fixed orifice's Kvs.
void familyFacts(ValveFacts& valve, const FobvRow& row)
{
    valve.kind = MeasuredKind::FixedOrifice;
    valve.kvs = row.kvs;
    valve.dpMaximumKpa = staticValveDpMaximumKpa(row.nominalSize);
}
void familyFacts(ValveFacts& valve, const VobvRow& row)
{
    valve.kind = MeasuredKind::VariableOrifice;
    valve.dpMaximumKpa = staticValveDpMaximumKpa(row.nominalSize);
}
void familyFacts(ValveFacts& valve, const PicvRow& row)
{
    valve.kind = MeasuredKind::PressureIndependent;
    valve.dpMaximumKpa = row.fourthNumber;
}

// The facts of the listed valves among rows of one family; a code already
// known from another family keeps its facts.
template <typename Row>
void addFacts(ProductDb& db, const std::set<std::string>& listed, const std::vector<Row>& rows,
              ValveFactsByCode& facts)
{
    for (const Row& row : rows) {
        if (!listed.count(row.technicalCode) || facts.count(row.technicalCode))
            continue;
        ValveFacts& valve = facts[row.technicalCode];
        familyFacts(valve, row);
        valve.presetStart = row.presetStart;
        valve.presetStep = row.presetStep;
        readCurve(db, valve, row.technicalCode);
    }
}

} // namespace

float staticValveDpMaximumKpa(const std::string& nominalSize)
{
    std::size_t digit = 0;
    while (digit < nominalSize.size() && !std::isdigit(static_cast<unsigned char>(nominalSize[digit])))
        ++digit;
    const long dn = digit < nominalSize.size() ? std::strtol(nominalSize.c_str() + digit, nullptr, 10) : 0;
    return dn > kLargestThreadedDn ? kFlangedDpMaximumKpa : kThreadedDpMaximumKpa;
}

ValveFactsByCode catalogueFacts(ProductDb& db, const std::vector<ProjectRow>& projects)
{
    std::set<std::string> listed;
    for (const ProjectRow& row : projects)
        listed.insert(row.numero_di_materiale);
    ValveFactsByCode facts;
    if (listed.empty())
        return facts;
    std::vector<FobvRow> fixed;
    db.queryFobvAll(fixed);
    addFacts(db, listed, fixed, facts);
    std::vector<VobvRow> variable;
    db.queryVobvAll(variable);
    addFacts(db, listed, variable, facts);
    std::vector<PicvRow> independent;
    db.queryPicvAll(independent);
    addFacts(db, listed, independent, facts);
    return facts;
}

std::optional<float> variableOrificeFlow(const ValveFacts& facts, float presetting, float dpKpa, float sg)
{
    if (!facts.hasCurve || !(dpKpa >= 0.0f) || !(sg > 0.0f))
        return std::nullopt;
    const std::optional<float> kv = kvAtPresetting(facts.curve, facts.presetStart, facts.presetStep, presetting);
    if (!kv)
        return std::nullopt;
    return static_cast<float>(double(*kv) * std::sqrt(double(dpKpa) / sg) / 36.0);
}

std::optional<float> variableOrificeFlowShown(const AppState& state, const ValveFacts& facts, float presetting,
                                              float dpShown)
{
    const std::optional<HydraulicFactors> factors = hydraulicFactors(state);
    if (!factors)
        return std::nullopt;
    const auto flow = variableOrificeFlow(facts, presetting, factors->pressureFactor * dpShown, factors->relativeDensity);
    if (!flow)
        return std::nullopt;
    return *flow / factors->flowFactor;
}
