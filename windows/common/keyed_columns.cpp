#include "windows/common/keyed_columns.h"

std::vector<ListColumn> keyedColumns(const std::vector<std::string>& keys, const std::vector<std::u16string>& headers,
                                     const std::map<std::string, int>& widths, int defaultWidth)
{
    std::vector<ListColumn> columns;
    for (std::size_t i = 0; i < headers.size() && i < keys.size(); ++i) {
        const auto width = widths.find(keys[i]);
        columns.push_back({headers[i], width == widths.end() ? defaultWidth : width->second, false});
    }
    return columns;
}
