#include "tests/reliability/shown_texts.h"

#include "data/number_text.h"
#include "data/text_format.h"

namespace {

bool holdsNonNumber(const std::string& text)
{
    return text.find("nan") != std::string::npos || text.find("inf") != std::string::npos;
}

// Words ("OK", "dP nicht ausreichend") have room; a number must fit the
// field's 15 characters.
bool overflows(const std::string& text, std::size_t fieldLength)
{
    const bool number = !text.empty() && (text[0] == '-' || text[0] == ' ' || (text[0] >= '0' && text[0] <= '9'));
    return number && text.size() > fieldLength;
}

void check(std::string& report, const char* what, const std::string& text, std::size_t fieldLength)
{
    if (holdsNonNumber(text) || overflows(text, fieldLength))
        report += std::string(what) + " shows '" + text + "'\n";
}

} // namespace

std::string spoiledTexts(const ResultsPanelTexts& panel, const ProjectRow& pending)
{
    std::string report;
    check(report, "result field 1006", utf16ToUtf8(panel.first), kNumericFieldLength);
    check(report, "result field 1008", utf16ToUtf8(panel.second), kNumericFieldLength);
    check(report, "result field 1009", utf16ToUtf8(panel.third), kNumericFieldLength);
    check(report, "details 1010", utf16ToUtf8(panel.details), std::string::npos);
    check(report, "pending presetting", pending.presetting, kNumericFieldLength);
    check(report, "pending kv", pending.kv, kNumericFieldLength);
    check(report, "pending opening", pending.apertura, kNumericFieldLength);
    return report;
}
