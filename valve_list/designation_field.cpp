#include "valve_list/designation_field.h"

#include "data/text_format.h"
#include "data/utf8_field.h"
#include "db/project_row.h"

std::string fittedDesignation(std::string_view typed)
{
    return truncateUtf8(typed, kProjectNameLength);
}

bool designationFits(std::u16string_view typed) { return utf16ToUtf8(typed).size() <= kProjectNameLength; }
