#include "sizing/presetting_correction.h"

#include "sizing/nearest_presetting.h"
#include "sizing/presetting_curve.h"

#include <algorithm>
#include <vector>

namespace {

// Presettings are written with two decimals: one within half a hundredth
// beyond either end of the scale is that end.
constexpr double kPresettingSlack = 0.005;
// A presetting this close to a scale mark, in steps, is on it and reads the
// stored value exactly, whatever the binary digits of start and step.
constexpr double kOnMark = 1e-6;

bool isFlow(float flow) { return std::isfinite(flow) && flow > 0.0f; }

} // namespace

std::optional<float> kvAtPresetting(const PresetRow& curve, float start, float step, float presetting)
{
    const std::vector<CurvePoint> points = curvePoints(curve, step, start, 1.0f);
    if (points.empty() || !(step > 0.0f) || !std::isfinite(presetting))
        return std::nullopt;
    const double last = static_cast<double>(points.size() - 1);
    double position = (double(presetting) - double(start)) / double(step);
    const double slack = kPresettingSlack / double(step);
    if (!(position >= -slack && position <= last + slack))
        return std::nullopt;
    position = std::clamp(position, 0.0, last);
    if (std::fabs(position - std::round(position)) < kOnMark)
        position = std::round(position);
    const auto below = static_cast<std::size_t>(position);
    if (below + 1 >= points.size())
        return points.back().value;
    const double fraction = position - static_cast<double>(below);
    const double low = points[below].value;
    return static_cast<float>(low + fraction * (double(points[below + 1].value) - low));
}

std::optional<PresettingRange> curvePresettingRange(const PresetRow& curve, float start, float step)
{
    const std::vector<CurvePoint> points = curvePoints(curve, step, start, 1.0f);
    if (points.empty() || !(step > 0.0f))
        return std::nullopt;
    return PresettingRange{points.front().presetting, points.back().presetting};
}

PresettingCorrection correctPresetting(const PresetRow& curve, float start, float step, float presettingFound,
                                       float designFlow, float measuredFlow)
{
    PresettingCorrection correction;
    if (!isFlow(designFlow) || !isFlow(measuredFlow))
        return correction;
    const std::optional<float> kvFound = kvAtPresetting(curve, start, step, presettingFound);
    if (!kvFound) {
        correction.outcome = CorrectionOutcome::PresettingOffScale;
        return correction;
    }
    correction.kvFound = *kvFound;
    correction.kvNeeded = *kvFound * designFlow / measuredFlow;

    const std::vector<CurvePoint> points = curvePoints(curve, step, start, 1.0f);
    const auto [smallest, largest] = std::minmax_element(
        points.begin(), points.end(), [](const CurvePoint& a, const CurvePoint& b) { return a.value < b.value; });
    if (correction.kvNeeded < smallest->value) {
        correction.outcome = CorrectionOutcome::SmallerValveNeeded;
        return correction;
    }
    if (!(correction.kvNeeded <= largest->value)) {
        correction.outcome = CorrectionOutcome::BiggerValveNeeded;
        return correction;
    }
    const std::size_t position = nearestPresetting(curve, correction.kvNeeded);
    correction.outcome = CorrectionOutcome::Corrected;
    correction.presetting = presettingAt(position, step, start);
    correction.kvAtPresetting = curve.values[position];
    return correction;
}
