#include "commissioning/measurement_judgement.h"

#include "data/figure_text.h"
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

std::optional<float> deviationPercent(const ProjectRow& design, const MeasurementRow& measured)
{
    if (!std::isfinite(measured.flow))
        return std::nullopt;
    // From the flows as printed, so that a reader recomputes the printed
    // deviation: 0,0240 against 0,0300 l/s is -20,00 %. The measured flow is
    // printed in its own unit and converted from that figure.
    MeasurementRow printed = measured;
    printed.flow = static_cast<float>(figureValue(measured.flow));
    const auto flow = measuredFlowInDesignUnit(design, printed);
    const double designFlow = figureValue(design.portata);
    if (!flow || !std::isfinite(*flow) || !std::isfinite(designFlow) || !(designFlow > 0.0))
        return std::nullopt;
    // Judged as shown, to two decimals: 0,550 against 0,500 l/s is 10,00 %
    // and passes, whatever the binary digits of the two flows say.
    const double deviation = (double(*flow) - designFlow) / designFlow * 100.0;
    const double shown = std::round(deviation * 100.0) / 100.0 + 0.0; // no "-0,00"
    return std::isfinite(float(shown)) ? std::optional<float>(float(shown)) : std::nullopt;
}

} // namespace

std::optional<float> measuredFlowInDesignUnit(const ProjectRow& design, const MeasurementRow& measured)
{
    if (measured.muQ == design.muQ)
        return measured.flow;
    const auto from = volumeFlowFactor(measured.muQ);
    const auto to = volumeFlowFactor(design.muQ);
    if (!from || !to)
        return std::nullopt;
    return fromBase(toBase(measured.flow, *from), *to);
}

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
