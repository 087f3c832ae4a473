#include "windows/common/saved_names.h"

#include "data/text_format.h"

#include <algorithm>

std::string freeDefaultName(const std::vector<std::string>& names, const std::string& stem)
{
    for (int n = 1;; ++n)
        if (std::find(names.begin(), names.end(), stem + " " + std::to_string(n)) == names.end())
            return stem + " " + std::to_string(n);
}

void showSavedNames(ControlState& list, const std::vector<std::string>& names, const std::optional<std::string>& open)
{
    list.entries.clear();
    list.currentIndex = -1;
    for (const std::string& name : names) {
        if (open && name == *open)
            list.currentIndex = static_cast<int>(list.entries.size());
        list.entries.push_back(utf8ToUtf16(name));
    }
    if (list.currentIndex < 0 && !list.entries.empty())
        list.currentIndex = 0;
}

std::optional<std::string> pickedName(const ControlState& list)
{
    if (list.currentIndex < 0 || static_cast<std::size_t>(list.currentIndex) >= list.entries.size())
        return std::nullopt;
    return utf16ToUtf8(list.entries[static_cast<std::size_t>(list.currentIndex)]);
}
