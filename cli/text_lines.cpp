#include "cli/text_lines.h"

std::vector<std::string> nonEmptyLines(std::string_view text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find_first_of("\r\n", start), text.size());
        if (end > start)
            lines.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

std::string onOneLine(std::string_view text)
{
    std::string joined;
    for (const std::string& line : nonEmptyLines(text))
        joined += (joined.empty() ? "" : " | ") + line;
    return joined;
}
