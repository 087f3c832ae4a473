#include "data/bounded_line.h"

#include <istream>

LineRead readBoundedLine(std::istream& in, std::string& line, bool dropRest)
{
    line.clear();
    std::streambuf* buffer = in.rdbuf();
    bool tooLong = false;
    bool any = false;
    for (int c = buffer->sbumpc(); c != std::char_traits<char>::eof(); c = buffer->sbumpc()) {
        any = true;
        if (c == '\n')
            break;
        if (line.size() <= kMaxLineBytes) { // one byte more: a CR before the line feed
            line += static_cast<char>(c);
            continue;
        }
        tooLong = true;
        if (!dropRest)
            return LineRead::TooLong;
    }
    if (!any)
        return LineRead::End;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return tooLong || line.size() > kMaxLineBytes ? LineRead::TooLong : LineRead::Line;
}
