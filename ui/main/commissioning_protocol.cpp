#include "ui/main/commissioning_protocol.h"

#include "data/text_format.h"
#include "data/text_table.h"
#include "ui/main/valve_list_columns.h"

#include <ctime>

namespace {

constexpr int kTextProject = 39;
constexpr int kTextCustomer = 40;
constexpr int kTextFirstHeader = 49;
constexpr int kTextLastHeader = 67;
constexpr int kTextTitle = 109;
constexpr int kTextPageCounter = 110;
constexpr int kTextPrinted = 111;

std::u16string captioned(int languageIndex, int captionId, std::u16string_view value)
{
    return std::u16string(TextTable::text(languageIndex, captionId)) + u": " + std::u16string(value);
}

} // namespace

CommissioningProtocol commissioningProtocol(std::u16string_view projectName, std::u16string_view customerName,
                                            int languageIndex, const std::vector<ProjectRow>& projects,
                                            std::u16string_view printedDate)
{
    CommissioningProtocol protocol;
    protocol.languageIndex = languageIndex;
    protocol.title = TextTable::text(languageIndex, kTextTitle);
    protocol.projectLine = captioned(languageIndex, kTextProject, projectName);
    protocol.customerLine = captioned(languageIndex, kTextCustomer, customerName);
    protocol.printedLine = formatText(TextTable::text(languageIndex, kTextPrinted), {printedDate});
    for (int id = kTextFirstHeader; id <= kTextLastHeader; ++id)
        protocol.headers.emplace_back(TextTable::text(languageIndex, id));
    for (const ProjectRow& row : projects) {
        std::vector<std::u16string> cells = valveListCells(row, languageIndex);
        cells.resize(cells.size() + kSiteColumns);
        protocol.rows.push_back(std::move(cells));
    }
    return protocol;
}

std::u16string protocolPageCounter(int languageIndex, int page, int pageCount)
{
    return formatText(TextTable::text(languageIndex, kTextPageCounter),
                      {utf8ToUtf16(std::to_string(page)), utf8ToUtf16(std::to_string(pageCount))});
}

std::u16string todayIsoDate()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char buffer[16];
    std::strftime(buffer, sizeof buffer, "%Y-%m-%d", &local);
    return utf8ToUtf16(buffer);
}
