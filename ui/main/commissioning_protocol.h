#pragma once

#include "db/project_row.h"

#include <string>
#include <string_view>
#include <vector>

// The texts of the printed commissioning protocol, in a language: the title,
// the project, customer and printing date lines, the 19 column headers (the
// valve list's 14, then the five filled in on site) and per valve its 14
// cells as the list view shows them, the site columns left empty.
struct CommissioningProtocol {
    int languageIndex = 0;
    std::u16string title;
    std::u16string projectLine;
    std::u16string customerLine;
    std::u16string printedLine;
    std::vector<std::u16string> headers;
    std::vector<std::vector<std::u16string>> rows;
    // Charts (SVG pictures) printed after the table, one a page: those of
    // the saved branches whose valves are in the list.
    std::vector<std::string> charts;
};

// The number of columns filled in by hand on site, after the list's own.
inline constexpr std::size_t kSiteColumns = 5;

// printedDate as it should read, e.g. "2025-03-14".
CommissioningProtocol commissioningProtocol(std::u16string_view projectName, std::u16string_view customerName,
                                            int languageIndex, const std::vector<ProjectRow>& projects,
                                            std::u16string_view printedDate);

// "Page N of M" in the protocol's language.
std::u16string protocolPageCounter(int languageIndex, int page, int pageCount);

// Today's local date as year-month-day, which reads the same in every language.
std::u16string todayIsoDate();
