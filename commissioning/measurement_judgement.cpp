#include "commissioning/measurement_judgement.h"

#include "data/units.h"

#include <cmath>

namespace {

// Factor of a volume flow unit to l/s by its label; mass units need the
// fluid's density and are compared only with themselves.
std::optional<float> volumeFlowFactor(const std::string& label)
{
    const std::vector<UnitEntry> units = flowUnitTable();
    for (std::size_t i = 0; i < units.size(); ++i)
        if (units[i].label == label && !isMassFlowUnit(i))
            return units[i].factor;
    return std::nullopt;
}

// The measured flow in the unit of the design flow.
std::optional<float> measuredInDesignUnit(const ProjectRow& design, const MeasurementRow& measured)
{
    if (measured.muQ == design.muQ)
        return measured.flow;
    const auto from = volumeFlowFactor(measured.muQ);
    const auto to = volumeFlowFactor(design.muQ);
    if (!from || !to)
        return std::nullopt;
    return fromBase(toBase(measured.flow, *from), *to);
}

std::optional<float> deviationPercent(const ProjectRow& design, const MeasurementRow& measured)
{
    const auto flow = measuredInDesignUnit(design, measured);
    if (!flow || !std::isfinite(*flow) || !std::isfinite(design.portata) || !(design.portata > 0.0f))
        return std::nullopt;
    // Judged as shown, to two decimals: 0,55 against 0,50 l/s is 10,00 %
    // and passes, whatever the binary digits of the two flows say.
    const double deviation = (double(*flow) - double(design.portata)) / double(design.portata) * 100.0;
    const double shown = std::round(deviation * 100.0) / 100.0 + 0.0; // no "-0,00"
    return std::isfinite(float(shown)) ? std::optional<float>(float(shown)) : std::nullopt;
}

} // namespace

MeasurementJudgement judgeMeasurement(const ProjectRow& design, const MeasurementRow* measured)
{
    MeasurementJudgement judgement;
    if (!measured)
        return judgement;
    judgement.deviationPercent = deviationPercent(design, *measured);
    const bool pressureFails = measured->verdict == MeasurementVerdict::Insufficient;
    const bool flowFails =
        judgement.deviationPercent && std::fabs(*judgement.deviationPercent) > kFlowTolerancePercent;
    if (pressureFails || flowFails)
        judgement.mark = MeasurementMark::Failed;
    else if (judgement.deviationPercent || measured->verdict == MeasurementVerdict::Sufficient)
        judgement.mark = MeasurementMark::Passed;
    else
        judgement.mark = MeasurementMark::Unjudged;
    return judgement;
}
