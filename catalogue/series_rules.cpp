#include "catalogue/series_rules.h"

#include "catalogue/product_lines.h"
#include "catalogue/row_rules.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace {

// One size of a model as the progression rules see it.
struct SizePoint {
    ValveIdentity id;
    int diameter = 0;
    double growth = 0;              // the quantity that grows from size to size
    double low = 0;                 // the flow range the size serves, l/s
    double high = 0;
    std::vector<double> hydraulics; // everything but the material number and connection
};

struct SeriesRule {
    double minimumStep;   // growth factor between neighbouring sizes
    double maximumStep;
    double minimumOverlap; // share of a range (log scale) the next size must reach into
};

constexpr SeriesRule kSizeSteps{1.2, 2.6, 0.0};
// Fixed-orifice windows (1 to 6 kPa orifice signal) overlap slightly.
constexpr SeriesRule kOrificeSteps{1.2, 2.6, 0.10};

SizePoint point(const ValveIdentity& id, double growth, double low, double high,
                std::vector<double> hydraulics)
{
    return {id, nominalDiameter(id.size).value_or(0), growth, low, high, std::move(hydraulics)};
}

std::vector<SizePoint> fobvPoints(const std::vector<FobvSource>& valves)
{
    std::vector<SizePoint> points;
    for (const auto& v : valves)
        points.push_back(point(v.id, v.kvs, v.kvs / 36.0, v.kvs * std::sqrt(6.0) / 36.0,
                               {v.kvMin, v.kvMax, v.scale.start, v.scale.full, v.scale.step,
                                v.kvs, v.shape.a, v.shape.b, v.shape.c}));
    return points;
}

std::vector<SizePoint> vobvPoints(const std::vector<VobvSource>& valves)
{
    std::vector<SizePoint> points;
    for (const auto& v : valves)
        points.push_back(point(v.id, v.kvMax, v.qMin, v.qMax,
                               {v.kvMin, v.kvMax, v.scale.start, v.scale.full, v.scale.step,
                                v.qMin, v.qMax, v.shape.a, v.shape.b, v.shape.c}));
    return points;
}

std::vector<SizePoint> picvPoints(const std::vector<PicvSource>& valves)
{
    std::vector<SizePoint> points;
    for (const auto& v : valves)
        points.push_back(point(v.id, v.qMax, v.qMin, v.qMax,
                               {v.qMin, v.qMax, v.scale.start, v.scale.full, v.scale.step,
                                v.dpMinLow, v.dpMinFull}));
    return points;
}

std::vector<SizePoint> dpcvPoints(const std::vector<DpcvSource>& valves)
{
    std::vector<SizePoint> points;
    for (const auto& v : valves)
        points.push_back(point(v.id, v.kvs, v.qMin, v.qMax, {v.qMin, v.qMax, v.kvs}));
    return points;
}

void checkAscendingCodes(const std::vector<SizePoint>& points, Problems& problems)
{
    for (std::size_t i = 1; i < points.size(); ++i)
        if (!(points[i - 1].id.code < points[i].id.code))
            addProblem(problems, points[i].id.where,
                       "material number " + points[i].id.code + " does not follow " +
                           points[i - 1].id.code);
}

// The distinct sizes of each model in growing order; variants of a size
// (same diameter and hydraulics) count once.
std::map<std::string, std::vector<SizePoint>> sizesByModel(const std::vector<SizePoint>& points)
{
    std::map<std::string, std::vector<SizePoint>> models;
    for (const auto& p : points) {
        auto& sizes = models[p.id.model];
        const bool known = std::any_of(sizes.begin(), sizes.end(), [&](const SizePoint& s) {
            return s.diameter == p.diameter && s.hydraulics == p.hydraulics;
        });
        if (!known)
            sizes.push_back(p);
    }
    for (auto& [model, sizes] : models)
        std::stable_sort(sizes.begin(), sizes.end(), [](const SizePoint& a, const SizePoint& b) {
            return a.growth < b.growth;
        });
    return models;
}

void checkProgression(const std::vector<SizePoint>& points, const SeriesRule& rule,
                      Problems& problems)
{
    for (const auto& [model, sizes] : sizesByModel(points)) {
        for (std::size_t i = 1; i < sizes.size(); ++i) {
            const SizePoint& before = sizes[i - 1];
            const SizePoint& next = sizes[i];
            const double step = next.growth / before.growth;
            const double overlap = std::log(before.high / next.low) /
                                   std::log(before.high / before.low);
            if (next.diameter < before.diameter)
                addProblem(problems, next.id.where,
                           next.id.size + " is larger than " + before.id.size +
                               " of the same model");
            if (step < rule.minimumStep || step > rule.maximumStep)
                addProblem(problems, next.id.where,
                           next.id.size + " grows " + numberText(step) + " times over " +
                               before.id.size + " (" + before.id.code + "), outside " +
                               numberText(rule.minimumStep) + " to " +
                               numberText(rule.maximumStep));
            else if (!(overlap > rule.minimumOverlap))
                addProblem(problems, next.id.where,
                           "the flow range of " + next.id.size + " does not overlap that of " +
                               before.id.size + " (" + before.id.code + ") enough");
        }
    }
}

void checkRelations(const std::vector<SizePoint>& points, Problems& problems)
{
    for (const auto& relation : modelRelations()) {
        for (const auto& p : points) {
            if (p.id.model != relation.model)
                continue;
            bool sameFound = false;
            for (const auto& reference : points) {
                if (reference.id.model != relation.reference || reference.diameter != p.diameter)
                    continue;
                sameFound = sameFound || reference.hydraulics == p.hydraulics;
                if (relation.relation == Relation::LowFlow &&
                    !(p.growth < reference.growth && p.low <= reference.low))
                    addProblem(problems, p.id.where,
                               p.id.model + " " + p.id.size + " does not sit below " +
                                   reference.id.model + " " + reference.id.size + " (" +
                                   reference.id.code + ")");
            }
            if (relation.relation == Relation::SameHydraulics && !sameFound)
                addProblem(problems, p.id.where,
                           p.id.model + " " + p.id.size + " has no " + relation.reference +
                               " row of the same size and hydraulics");
        }
    }
}

void checkTable(const std::vector<SizePoint>& points, const SeriesRule& rule, Problems& problems)
{
    checkAscendingCodes(points, problems);
    checkProgression(points, rule, problems);
    checkRelations(points, problems);
}

} // namespace

void checkSeries(const CatalogueSources& sources, Problems& problems)
{
    checkTable(fobvPoints(sources.fobv), kOrificeSteps, problems);
    checkTable(vobvPoints(sources.vobv), kSizeSteps, problems);
    checkTable(picvPoints(sources.picv), kSizeSteps, problems);
    checkTable(dpcvPoints(sources.dpcv), kSizeSteps, problems);
}
