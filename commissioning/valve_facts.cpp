#include "commissioning/valve_facts.h"

#include "db/product_db.h"
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
    for (const FobvRow& row : fixed) {
        if (!listed.count(row.technicalCode) || facts.count(row.technicalCode))
            continue;
        ValveFacts& valve = facts[row.technicalCode];
        valve.kind = MeasuredKind::FixedOrifice;
        valve.kvs = row.kvs;
        valve.dpMaximumKpa = staticValveDpMaximumKpa(row.nominalSize);
        valve.presetStart = row.presetStart;
        valve.presetStep = row.presetStep;
        readCurve(db, valve, row.technicalCode);
    }
    std::vector<VobvRow> variable;
    db.queryVobvAll(variable);
    for (const VobvRow& row : variable) {
        if (!listed.count(row.technicalCode) || facts.count(row.technicalCode))
            continue;
        ValveFacts& valve = facts[row.technicalCode];
        valve.kind = MeasuredKind::VariableOrifice;
        valve.dpMaximumKpa = staticValveDpMaximumKpa(row.nominalSize);
        valve.presetStart = row.presetStart;
        valve.presetStep = row.presetStep;
        readCurve(db, valve, row.technicalCode);
    }
    std::vector<PicvRow> independent;
    db.queryPicvAll(independent);
    for (const PicvRow& row : independent) {
        if (!listed.count(row.technicalCode) || facts.count(row.technicalCode))
            continue;
        ValveFacts& valve = facts[row.technicalCode];
        valve.kind = MeasuredKind::PressureIndependent;
        valve.dpMaximumKpa = row.fourthNumber; // the catalogue's dp_max
        valve.presetStart = row.presetStart;
        valve.presetStep = row.presetStep;
        readCurve(db, valve, row.technicalCode);
    }
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
