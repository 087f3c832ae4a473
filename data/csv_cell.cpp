#include "data/csv_cell.h"

std::string csvCell(std::string_view text)
{
    if (text.find_first_of(";\"\r\n") == std::string_view::npos)
        return std::string(text);
    std::string cell = "\"";
    for (const char c : text) {
        if (c == '"')
            cell += '"';
        cell += c;
    }
    return cell + '"';
}
