#include "plot/svg_text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

std::string svgEscaped(const std::string& text)
{
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += static_cast<unsigned char>(c) < 0x20 || c == 0x7f ? ' ' : c;
        }
    }
    return out;
}

std::string shortenedText(const std::string& text, std::size_t maxCharacters)
{
    if (maxCharacters == 0)
        return {};
    // The byte where each character starts: any byte but a continuation byte.
    std::size_t characters = 0;
    std::size_t keep = text.size();
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80)
            continue;
        if (characters == maxCharacters - 1)
            keep = i;
        if (++characters > maxCharacters)
            return text.substr(0, keep) + "\u2026";
    }
    return text;
}

std::string svgCoordinate(double value)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.2f", value);
    return buffer;
}

std::string svgTickText(double value, double step)
{
    const int decimals = std::max(0, static_cast<int>(-std::floor(std::log10(step) + 1e-9)));
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, std::fabs(value) < step / 1e6 ? 0.0 : value);
    std::string text = buffer;
    std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

void appendSvgText(std::ostringstream& out, double x, double y, const char* anchor, const std::string& text,
                   const std::string& extra)
{
    out << "<text x=\"" << svgCoordinate(x) << "\" y=\"" << svgCoordinate(y) << "\" text-anchor=\"" << anchor << "\""
        << extra << ">" << svgEscaped(text) << "</text>\n";
}
