#include "catalogue/product_lines.h"

#include <algorithm>
#include <cctype>

namespace {

struct PipeSize {
    int nominalDiameter;
    double bore; // mm
};

// EN 10255 medium series up to DN 65, EN 10220 above.
const std::vector<PipeSize> kPipeSizes = {
    {10, 12.6},   {15, 16.1},   {20, 21.7},   {25, 27.3},   {32, 36.0},
    {40, 41.9},   {50, 53.1},   {65, 68.9},   {80, 80.9},   {100, 105.3},
    {125, 131.7}, {150, 159.3}, {200, 206.5}, {250, 260.4}, {300, 309.7},
};

constexpr int kLargestThreaded = 50;

} // namespace

const std::vector<ModelLine>& modelLines()
{
    static const std::vector<ModelLine> lines = {
        {ValveTable::Fobv, "Arvelo Quarz", {"mquarz"}},
        {ValveTable::Vobv, "Arvelo", {"arvelo"}},
        {ValveTable::Vobv, "Arvelo Nodo", {"arvelo_nodo", "arvelo_nodog"}},
        {ValveTable::Vobv, "Arvelo Tesa", {"arvelo_tesa"}},
        {ValveTable::Vobv, "Arvelo Nodo Tesa", {"arvelo_tesa_nodo"}},
        {ValveTable::Picv, "Arvelo Flumen-A", {"mflumen_a"}},
        {ValveTable::Picv, "Arvelo Flumen-B", {"mflumen_b", "mflumen_b1", "mflumen_bf"}},
        {ValveTable::Dpcv, "Arvelo Statra-A", {"mstatra_a", "mstatra_af"}},
        {ValveTable::Dpcv, "Arvelo Statra-B", {"mstatra_b", "mstatra_b1", "mstatra_bf"}},
    };
    return lines;
}

const std::vector<ModelRelation>& modelRelations()
{
    static const std::vector<ModelRelation> relations = {
        {"Arvelo Nodo", "Arvelo", Relation::SameHydraulics},
        {"Arvelo Nodo Tesa", "Arvelo Tesa", Relation::SameHydraulics},
        {"Arvelo Tesa", "Arvelo", Relation::LowFlow},
        {"Arvelo Flumen-A", "Arvelo Flumen-B", Relation::LowFlow},
    };
    return relations;
}

char familyDigit(ValveTable table)
{
    switch (table) {
    case ValveTable::Fobv: return '1';
    case ValveTable::Vobv: return '2';
    case ValveTable::Picv: return '3';
    case ValveTable::Dpcv: return '4';
    }
    return '0';
}

int maximumPositions(ValveTable table)
{
    // Pressure-independent valves have minimum pressures for 28 positions only.
    return table == ValveTable::Picv ? 28 : 131;
}

std::optional<int> nominalDiameter(const std::string& size)
{
    if (size.rfind("DN ", 0) != 0)
        return std::nullopt;
    std::size_t end = 3;
    while (end < size.size() && std::isdigit(static_cast<unsigned char>(size[end])))
        ++end;
    if (end == 3 || end > 7 || (end < size.size() && size[end] != ' '))
        return std::nullopt;
    const int diameter = std::stoi(size.substr(3, end - 3));
    const bool known = std::any_of(kPipeSizes.begin(), kPipeSizes.end(),
                                   [&](const PipeSize& p) { return p.nominalDiameter == diameter; });
    if (!known)
        return std::nullopt;
    return diameter;
}

double pipeBore(int nominalDiameter)
{
    for (const auto& size : kPipeSizes)
        if (size.nominalDiameter == nominalDiameter)
            return size.bore;
    return 0;
}

double velocityLimit(int nominalDiameter)
{
    return nominalDiameter <= kLargestThreaded ? 1.6 : 2.2;
}
