#include "valve_list/designation_field.h"

#include "data/text_format.h"
#include "data/utf8_field.h"
#include "db/project_row.h"

std::string fittedDesignation(std::string_view typed)
{
    return truncateUtf8(typed, kProjectNameLength);
}

bool designationFits(std::u16string_view typed) { return utf16ToUtf8(typed).size() <= kProjectNameLength; }

std::string trimmedDesignation(std::string_view typed)
{
    constexpr std::string_view kBlanks = " \t\r\n\v\f";
    const std::size_t first = typed.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
        return {};
    return std::string(typed.substr(first, typed.find_last_not_of(kBlanks) - first + 1));
}
