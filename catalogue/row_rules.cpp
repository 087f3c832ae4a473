#include "catalogue/row_rules.h"

#include "catalogue/curve_generator.h"
#include "catalogue/product_lines.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <sstream>
#include <utility>

namespace {

constexpr double kSignalKpaAtQmin = 3.0;  // smallest reliable reading at the first position
constexpr double kDropKpaAtQmax = 10.0;   // fully open valve at the top of its flow range
constexpr double kControllerDropKpa = 20.0;
constexpr double kPi = 3.14159265358979323846;
constexpr double kFlowTolerance = 0.001;  // stored flows carry four significant digits

// The settable ranges a differential pressure controller is built with, kPa.
const std::vector<std::pair<double, double>> kControllerRanges = {
    {5, 25}, {10, 40}, {20, 40}, {10, 60}, {20, 80}, {35, 75}, {60, 100}, {40, 160},
};

// Flow in l/s of a flow coefficient at a pressure drop in kPa, water.
double flowAt(double kv, double dpKpa)
{
    return kv * std::sqrt(dpKpa) / 36.0;
}

bool isDigit(char c)
{
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

bool near(double value, double target, double tolerance)
{
    return std::fabs(value / target - 1) <= tolerance;
}

std::optional<int> checkIdentity(const ValveIdentity& id, ValveTable table, Problems& problems)
{
    const auto& lines = modelLines();
    const auto line = std::find_if(lines.begin(), lines.end(), [&](const ModelLine& l) {
        return l.table == table && l.model == id.model;
    });
    if (line == lines.end())
        addProblem(problems, id.where, "'" + id.model + "' is not a model of this table");
    else if (std::find(line->images.begin(), line->images.end(), id.image) == line->images.end())
        addProblem(problems, id.where,
                   "image '" + id.image + "' is not a picture of " + id.model);

    const std::optional<int> diameter = nominalDiameter(id.size);
    if (!diameter) {
        addProblem(problems, id.where, "size '" + id.size + "' is not 'DN <nominal diameter>'");
        return std::nullopt;
    }
    // AR<table digit><line digit>-<DN, 3 digits>-<variant, 2 digits>: sorts by
    // table, line and size.
    char expectedSize[4];
    std::snprintf(expectedSize, sizeof expectedSize, "%03d", *diameter);
    const std::string& code = id.code;
    const bool shaped = code.size() == 11 && code.compare(0, 2, "AR") == 0 &&
                        code[2] == familyDigit(table) && isDigit(code[3]) &&
                        code[4] == '-' && code.compare(5, 3, expectedSize) == 0 &&
                        code[8] == '-' && isDigit(code[9]) && isDigit(code[10]);
    if (!shaped)
        addProblem(problems, id.where,
                   "material number '" + code + "' is not AR" + familyDigit(table) + "L-" +
                       expectedSize + "-VV");
    return diameter;
}

void checkScale(const SourceRef& where, const PresetScale& scale, ValveTable table,
                Problems& problems)
{
    const std::optional<int> positions = scalePositions(scale);
    if (scale.start < 0 || !positions)
        addProblem(problems, where,
                   "presetting scale " + numberText(scale.start) + " to " +
                       numberText(scale.full) + " by " + numberText(scale.step) +
                       " is not a whole number of steps");
    else if (*positions > maximumPositions(table))
        addProblem(problems, where,
                   "presetting scale has " + std::to_string(*positions) +
                       " positions, at most " + std::to_string(maximumPositions(table)) +
                       " fit");
}

void checkShape(const SourceRef& where, const CurveShape& shape, Problems& problems)
{
    if (shape.a < 1.5 || shape.a > 2.5 || shape.b < 1.0 || shape.b > 1.8 || shape.c <= 0 ||
        shape.c > 0.2)
        addProblem(problems, where,
                   "curve shape a " + numberText(shape.a) + ", b " + numberText(shape.b) +
                       ", c " + numberText(shape.c) +
                       " is outside a 1.5..2.5, b 1.0..1.8, c above 0 up to 0.2");
}

void checkKvRange(const SourceRef& where, double kvMin, double kvMax, Problems& problems)
{
    if (!(kvMin > 0) || !(kvMin < kvMax))
        addProblem(problems, where,
                   "kv range " + numberText(kvMin) + " to " + numberText(kvMax) +
                       " is not increasing from above 0");
}

bool checkFlowRange(const SourceRef& where, double qMin, double qMax, Problems& problems)
{
    if (qMin > 0 && qMin < qMax)
        return true;
    addProblem(problems, where,
               "flow range " + numberText(qMin) + " to " + numberText(qMax) +
                   " is not increasing from above 0");
    return false;
}

void checkVelocity(const SourceRef& where, std::optional<int> diameter, double qMax,
                   Problems& problems)
{
    if (!diameter)
        return;
    const double boreM = pipeBore(*diameter) / 1000.0;
    const double velocity = qMax / 1000.0 / (kPi * boreM * boreM / 4);
    if (velocity > velocityLimit(*diameter))
        addProblem(problems, where,
                   "q_max " + numberText(qMax) + " l/s runs at " + numberText(velocity) +
                       " m/s in DN " + std::to_string(*diameter) + ", above " +
                       numberText(velocityLimit(*diameter)) + " m/s");
}

} // namespace

std::string numberText(double value)
{
    std::ostringstream text;
    text << value;
    return text.str();
}

void checkFobvRow(const FobvSource& valve, Problems& problems)
{
    const SourceRef& where = valve.id.where;
    checkIdentity(valve.id, ValveTable::Fobv, problems);
    checkScale(where, valve.scale, ValveTable::Fobv, problems);
    checkShape(where, valve.shape, problems);
    checkKvRange(where, valve.kvMin, valve.kvMax, problems);
    const double openShare = valve.kvMax / valve.kvs;
    if (!(openShare >= 0.65 && openShare <= 1.1))
        addProblem(problems, where,
                   "kv_max " + numberText(valve.kvMax) + " is not 0.65 to 1.1 times kvs " +
                       numberText(valve.kvs));
}

void checkVobvRow(const VobvSource& valve, Problems& problems)
{
    const SourceRef& where = valve.id.where;
    const auto diameter = checkIdentity(valve.id, ValveTable::Vobv, problems);
    checkScale(where, valve.scale, ValveTable::Vobv, problems);
    checkShape(where, valve.shape, problems);
    checkKvRange(where, valve.kvMin, valve.kvMax, problems);
    if (!checkFlowRange(where, valve.qMin, valve.qMax, problems))
        return;
    const double qMin = flowAt(valve.kvMin, kSignalKpaAtQmin);
    const double qMax = flowAt(valve.kvMax, kDropKpaAtQmax);
    if (!near(valve.qMin, qMin, kFlowTolerance))
        addProblem(problems, where,
                   "q_min " + numberText(valve.qMin) + " is not kv_min at 3 kPa, " +
                       numberText(qMin));
    if (!near(valve.qMax, qMax, kFlowTolerance))
        addProblem(problems, where,
                   "q_max " + numberText(valve.qMax) + " is not kv_max at 10 kPa, " +
                       numberText(qMax));
    checkVelocity(where, diameter, valve.qMax, problems);
}

void checkPicvRow(const PicvSource& valve, Problems& problems)
{
    const SourceRef& where = valve.id.where;
    const auto diameter = checkIdentity(valve.id, ValveTable::Picv, problems);
    checkScale(where, valve.scale, ValveTable::Picv, problems);
    if (checkFlowRange(where, valve.qMin, valve.qMax, problems)) {
        const double share = valve.qMin / valve.qMax;
        if (share < 0.10 || share > 0.25)
            addProblem(problems, where,
                       "q_min is " + numberText(share * 100) +
                           " % of q_max, outside 10 to 25 %");
        checkVelocity(where, diameter, valve.qMax, problems);
    }
    if (!(valve.dpMinLow >= 10 && valve.dpMinLow <= valve.dpMinFull && valve.dpMinFull <= 40))
        addProblem(problems, where,
                   "minimum pressures " + numberText(valve.dpMinLow) + " to " +
                       numberText(valve.dpMinFull) + " kPa are not rising within 10 to 40 kPa");
    if (!(valve.dpMax > valve.dpMinFull))
        addProblem(problems, where,
                   "dp_max " + numberText(valve.dpMax) +
                       " kPa is not above the minimum pressure at full presetting");
}

void checkDpcvRow(const DpcvSource& valve, Problems& problems)
{
    const SourceRef& where = valve.id.where;
    const auto diameter = checkIdentity(valve.id, ValveTable::Dpcv, problems);
    const std::pair<double, double> range{valve.dpMin, valve.dpMax};
    if (std::find(kControllerRanges.begin(), kControllerRanges.end(), range) ==
        kControllerRanges.end())
        addProblem(problems, where,
                   "setting range " + numberText(valve.dpMin) + " to " +
                       numberText(valve.dpMax) + " kPa is not one the controllers are built with");
    if (!checkFlowRange(where, valve.qMin, valve.qMax, problems))
        return;
    const double qMax = flowAt(valve.kvs, kControllerDropKpa);
    if (!near(valve.qMax, qMax, 0.03))
        addProblem(problems, where,
                   "q_max " + numberText(valve.qMax) + " is not kvs at 20 kPa, " +
                       numberText(qMax));
    if (!near(valve.qMin, valve.qMax / 10, 0.05))
        addProblem(problems, where,
                   "q_min " + numberText(valve.qMin) + " is not a tenth of q_max");
    checkVelocity(where, diameter, valve.qMax, problems);
}
