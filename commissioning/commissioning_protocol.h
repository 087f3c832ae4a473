#pragma once

#include "commissioning/valve_facts.h"
#include "db/measurement_row.h"
#include "db/project_row.h"
#include "commissioning/protocol_sign_off.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

// How a valve's row of the protocol is judged: not measured, or passed or
// failed against the flow tolerance and the pressure verdict.
enum class ProtocolMark { None, Passed, Failed };

// One party that signs: its caption and name (empty: written by hand).
struct ProtocolSignature {
    std::u16string party;
    std::u16string name;
};

// A table of the protocol's own pages: the earlier readings, the fitter's
// settings.
struct ProtocolTable {
    std::u16string title;
    std::vector<std::u16string> headers;
    std::vector<std::vector<std::u16string>> rows;
};

// The texts of the printed commissioning protocol, in a language: the title,
// the project, customer, printing date and flow tolerance lines, the 21
// column headers (the valve list's 14 as designed, then the site columns:
// measured dP, setting and flow, deviation, result, date, signature), per
// valve its cells and mark, the summary, and the sign-off block.
struct CommissioningProtocol {
    int languageIndex = 0;
    std::u16string title;
    std::u16string projectLine;
    std::u16string customerLine;
    std::u16string printedLine;
    std::u16string toleranceLine;
    // How the measured flows were obtained, once per kind of valve measured.
    std::vector<std::u16string> methodLines;
    std::vector<std::u16string> headers;
    std::vector<std::vector<std::u16string>> rows;
    std::vector<ProtocolMark> marks;
    std::u16string summaryLine;
    // Caption and value of each sign-off field, remarks last.
    std::vector<std::pair<std::u16string, std::u16string>> signOffFields;
    std::vector<ProtocolSignature> signatures;
    std::u16string nameCaption;
    std::u16string signatureCaption;
    // Charts (SVG pictures) printed after the table, one a page: those of
    // the saved branches whose valves are in the list.
    std::vector<std::string> charts;
    // The appendix: every reading but the latest of each valve, in list
    // order (number, designation, date, dP, flow, deviation).
    ProtocolTable earlierReadings;
    // The last page: the valves to re-set, in list order (designation,
    // valve, presetting found, presetting to set).
    ProtocolTable fitterSettings;
};

// The columns filled on site, after the list's own: measured dP, setting and
// flow, deviation, result, date and signature.
inline constexpr std::size_t kSiteColumns = 7;

// printedDate as it should read, e.g. "2025-03-14". A valve's readings are
// found by its number and designation; the latest counts. Flows print with
// at least three significant digits; facts (by material number) give each
// measured row its Kvs or curve and each failing static valve its
// presetting to set.
CommissioningProtocol commissioningProtocol(std::u16string_view projectName, std::u16string_view customerName,
                                            int languageIndex, const std::vector<ProjectRow>& projects,
                                            const std::vector<MeasurementRow>& measurements,
                                            std::u16string_view printedDate, const ProtocolSignOff& signOff = {},
                                            const ValveFactsByCode& facts = {});

// "Page N of M" in the protocol's language.
std::u16string protocolPageCounter(int languageIndex, int page, int pageCount);

// Today's local date as year-month-day, which reads the same in every language.
std::u16string todayIsoDate();
