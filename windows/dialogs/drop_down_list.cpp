#include "windows/dialogs/drop_down_list.h"

#include <utility>

void fillDropDownList(ControlState& list, std::vector<std::u16string> entries, std::optional<std::size_t> selected)
{
    list.entries = std::move(entries);
    list.currentIndex = selected && *selected < list.entries.size() ? static_cast<int>(*selected) : -1;
}

std::optional<std::size_t> pickedEntry(const ControlState& list)
{
    if (list.currentIndex < 0 || static_cast<std::size_t>(list.currentIndex) >= list.entries.size())
        return std::nullopt;
    return static_cast<std::size_t>(list.currentIndex);
}
