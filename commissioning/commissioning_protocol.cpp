#include "commissioning/commissioning_protocol.h"

#include "data/number_text.h"
#include "data/text_format.h"
#include "data/text_table.h"
#include "commissioning/correction_texts.h"
#include "commissioning/measurement_judgement.h"
#include "commissioning/printable_text.h"
#include "commissioning/protocol_cells.h"
#include "commissioning/protocol_tables.h"
#include "commissioning/valve_correction.h"
#include "db/valve_readings.h"
#include "valve_list/valve_list_columns.h"

#include <array>
#include <cmath>
#include <ctime>
#include <set>

namespace {

constexpr int kTextProject = 39;
constexpr int kTextCustomer = 40;
constexpr int kTextFirstListHeader = 49;
constexpr int kTextLastListHeader = 62;
constexpr int kTextMeasuredDp = 63;
constexpr int kTextMeasuredSetting = 64;
constexpr int kTextMeasuredFlow = 65;
constexpr int kTextDate = 66;
constexpr int kTextSignature = 67;
constexpr int kTextTitle = 109;
constexpr int kTextPageCounter = 110;
constexpr int kTextPrinted = 111;
constexpr int kTextDeviation = 126;
constexpr int kTextResult = 127;
constexpr int kTextTolerance = 130;
constexpr int kTextSummary = 131;
constexpr int kTextCommissioningDate = 132;
constexpr int kTextEngineer = 133;
constexpr int kTextCompany = 134;
constexpr int kTextInstrument = 135;
constexpr int kTextCalibrated = 136;
constexpr int kTextRemarks = 137;
constexpr int kTextContractor = 138;
constexpr int kTextClient = 139;
constexpr int kTextName = 140;

// Design flow, supply and return temperature in the list's cells.
constexpr std::size_t kFlowCell = 5;
constexpr std::size_t kSupplyCell = 7;
constexpr std::size_t kReturnCell = 8;
const std::u16string kNoValue = u"---";

std::u16string tableText(int languageIndex, int id) { return std::u16string(TextTable::text(languageIndex, id)); }

// A name on one line of the page's head: its line breaks read as blanks.
std::u16string captioned(int languageIndex, int captionId, std::u16string_view value)
{
    std::u16string line = tableText(languageIndex, captionId) + u": ";
    for (std::size_t i = 0; i < value.size(); ++i) {
        const bool lineBreak = value[i] == u'\r' || value[i] == u'\n';
        if (!lineBreak)
            line += value[i];
        else if (!(value[i] == u'\n' && i > 0 && value[i - 1] == u'\r'))
            line += u' ';
    }
    return line;
}

std::vector<std::u16string> headers(int languageIndex)
{
    std::vector<std::u16string> result;
    for (int id = kTextFirstListHeader; id <= kTextLastListHeader; ++id)
        result.push_back(tableText(languageIndex, id));
    for (const int id : {kTextMeasuredDp, kTextMeasuredSetting, kTextMeasuredFlow, kTextDeviation, kTextResult,
                         kTextDate, kTextSignature})
        result.push_back(tableText(languageIndex, id));
    return result;
}

ProtocolMark protocolMark(MeasurementMark mark)
{
    if (mark == MeasurementMark::Passed)
        return ProtocolMark::Passed;
    if (mark == MeasurementMark::Failed)
        return ProtocolMark::Failed;
    return ProtocolMark::None;
}

// The list's cells as designed; the temperatures only where a flow
// calculation gave the flow (a power was entered), not the dialog's
// defaults beside a flow typed by hand.
std::vector<std::u16string> designCells(const ProjectRow& row, int languageIndex)
{
    std::vector<std::u16string> cells = valveListCells(row, languageIndex);
    cells[kFlowCell] = protocolFlow(row.portata, row.muQ);
    if (!(row.potenza != 0.0f) || !std::isfinite(row.potenza)) {
        cells[kSupplyCell] = kNoValue;
        cells[kReturnCell] = kNoValue;
    }
    return cells;
}

// How each kind's flow was obtained, in this order.
struct KindMethod {
    MeasuredKind kind;
    int textId;
};
constexpr std::array<KindMethod, 3> kMethods{{
    {MeasuredKind::FixedOrifice, CorrectionText::kMethodFixedOrifice},
    {MeasuredKind::VariableOrifice, CorrectionText::kMethodVariableOrifice},
    {MeasuredKind::PressureIndependent, CorrectionText::kMethodPicv},
}};

// The method of each kind of which a valve was measured, once.
std::vector<std::u16string> methodLines(int languageIndex, const std::set<MeasuredKind>& measured)
{
    std::vector<std::u16string> lines;
    for (const KindMethod& method : kMethods)
        if (measured.count(method.kind))
            lines.push_back(tableText(languageIndex, method.textId));
    return lines;
}

} // namespace

CommissioningProtocol commissioningProtocol(std::u16string_view projectName, std::u16string_view customerName,
                                            int languageIndex, const std::vector<ProjectRow>& projects,
                                            const std::vector<MeasurementRow>& measurements,
                                            std::u16string_view printedDate, const ProtocolSignOff& signOff,
                                            const ValveFactsByCode& facts)
{
    CommissioningProtocol protocol;
    protocol.languageIndex = languageIndex;
    protocol.title = tableText(languageIndex, kTextTitle);
    protocol.projectLine = captioned(languageIndex, kTextProject, projectName);
    protocol.customerLine = captioned(languageIndex, kTextCustomer, customerName);
    protocol.printedLine = formatText(TextTable::text(languageIndex, kTextPrinted), {printedDate});
    protocol.toleranceLine = formatText(TextTable::text(languageIndex, kTextTolerance),
                                        {utf8ToUtf16(std::to_string(static_cast<int>(kFlowTolerancePercent)))});
    protocol.headers = headers(languageIndex);

    const ValveReadings readings(measurements);
    protocol.earlierReadings = earlierReadingsTable(languageIndex, projects, readings);
    protocol.fitterSettings = fitterTable(languageIndex);
    std::set<MeasuredKind> kindsMeasured;
    std::array<int, 3> counts{};         // passed, failed, measured
    for (const ProjectRow& row : projects) {
        SiteFacts site;
        site.latest = readings.latest(row.posizione, row.riferimento);
        site.readingCount = readings.count(row.posizione, row.riferimento);
        const auto found = facts.find(row.numero_di_materiale);
        site.facts = found != facts.end() ? &found->second : nullptr;
        if (site.facts) {
            site.correction = valveCorrection(row, site.latest, *site.facts);
            if (site.latest && site.facts->kind != MeasuredKind::Unknown)
                kindsMeasured.insert(site.facts->kind);
        }
        if (site.correction)
            addFitterRow(protocol.fitterSettings, languageIndex, row, *site.latest, *site.correction);
        const MeasurementJudgement judgement = judgeMeasurement(row, site.latest);
        std::vector<std::u16string> cells = designCells(row, languageIndex);
        for (std::u16string& cell : siteCells(languageIndex, judgement, site))
            cells.push_back(std::move(cell));
        protocol.rows.push_back(std::move(cells));
        protocol.marks.push_back(protocolMark(judgement.mark));
        counts[0] += judgement.mark == MeasurementMark::Passed;
        counts[1] += judgement.mark == MeasurementMark::Failed;
        counts[2] += site.latest != nullptr;
    }
    protocol.methodLines = methodLines(languageIndex, kindsMeasured);
    const auto count = [](std::size_t value) { return utf8ToUtf16(std::to_string(value)); };
    protocol.summaryLine =
        formatText(TextTable::text(languageIndex, kTextSummary),
                   {count(counts[2]), count(counts[0]), count(counts[1]), count(projects.size() - counts[2])});

    const std::pair<int, const std::u16string*> fields[] = {
        {kTextCommissioningDate, &signOff.commissioningDate}, {kTextEngineer, &signOff.engineer},
        {kTextCompany, &signOff.company},                     {kTextInstrument, &signOff.instrument},
        {kTextCalibrated, &signOff.calibrationDate},          {kTextRemarks, &signOff.remarks},
    };
    for (const auto& [caption, value] : fields)
        protocol.signOffFields.emplace_back(tableText(languageIndex, caption),
                                            printableText(*value, value == &signOff.remarks));
    protocol.signatures = {{tableText(languageIndex, kTextContractor), printableText(signOff.contractor, false)},
                           {tableText(languageIndex, kTextClient), printableText(signOff.client, false)}};
    protocol.nameCaption = tableText(languageIndex, kTextName);
    protocol.signatureCaption = tableText(languageIndex, kTextSignature);
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
