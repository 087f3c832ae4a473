#include "cli/view_names.h"

#include "data/argument_text.h"

#include <array>

namespace {

struct ViewName {
    std::string_view name;
    std::int32_t view;
};

constexpr std::array<ViewName, 6> kViewNames{{
    {"fixed", 3},        // fixed-orifice valve, sizing
    {"fixed-check", 4},  // fixed-orifice valve, flow from the measured pressure
    {"variable", 5},     // variable-orifice valve, sizing
    {"picv", 8},         // pressure-independent valve, sizing
    {"picv-check", 9},   // pressure-independent valve, pressure check
    {"dpcv", 10},        // differential pressure controller
}};

} // namespace

std::optional<std::int32_t> viewOfName(std::string_view name)
{
    for (const ViewName& entry : kViewNames)
        if (equalsIgnoringCase(entry.name, name))
            return entry.view;
    return std::nullopt;
}

std::string nameOfView(std::int32_t view)
{
    for (const ViewName& entry : kViewNames)
        if (entry.view == view)
            return std::string(entry.name);
    return {};
}

bool viewNeedsPick(std::int32_t view) { return view == 4 || view == 9; }

std::string viewNameList()
{
    std::string list;
    for (const ViewName& entry : kViewNames)
        list += (list.empty() ? "" : ", ") + std::string(entry.name);
    return list;
}
