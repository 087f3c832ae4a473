#include "branch/plausible_figures.h"

#include "data/figure_text.h"

namespace {

std::string beyond(const std::string& where, const std::string& what, float value, const char* unit,
                   const char* side, PlausibleLimit limit)
{
    return where + ": " + what + " " + formatFigure(value) + " " + unit + " is " + side + " " + limit.text +
           ", beyond any building's water circuit";
}

} // namespace

std::string aboveLimit(const std::string& where, const std::string& what, float value, const char* unit,
                       PlausibleLimit most)
{
    return value <= most.value ? std::string() : beyond(where, what, value, unit, "above", most);
}

std::string belowLimit(const std::string& where, const std::string& what, float value, const char* unit,
                       PlausibleLimit least)
{
    return value >= least.value ? std::string() : beyond(where, what, value, unit, "below", least);
}
