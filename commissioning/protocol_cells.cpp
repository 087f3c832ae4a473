#include "commissioning/protocol_cells.h"

#include "commissioning/correction_texts.h"
#include "commissioning/measurement_cell.h"
#include "commissioning/valve_correction.h"
#include "data/figure_text.h"
#include "data/number_text.h"
#include "data/text_format.h"
#include "data/text_table.h"
#include "valve_list/stored_value_text.h"

#include <cmath>

namespace {

constexpr int kTextPressureOk = 30;
constexpr int kTextPressureInsufficient = 31;
constexpr int kTextPassed = 128;
constexpr int kTextFailed = 129;
const std::u16string kNoValue = u"---";

std::u16string tableText(int languageIndex, int id) { return std::u16string(TextTable::text(languageIndex, id)); }

std::u16string formatted(int languageIndex, int id, const std::u16string& value)
{
    return formatText(TextTable::text(languageIndex, id), {value});
}

void addLine(std::u16string& cell, const std::u16string& line)
{
    if (line.empty())
        return;
    if (!cell.empty())
        cell += u"\n";
    cell += line;
}

// The Kvs of the orifice or the curve (by the valve's material number) the
// flow was obtained with: the method of the row, orifice or presetting.
std::u16string sourceLine(int languageIndex, const ValveFacts* facts)
{
    if (!facts)
        return {};
    if (facts->kind == MeasuredKind::FixedOrifice && std::isfinite(facts->kvs))
        return u"Kvs " + utf8ToUtf16(formatCommaDecimal(facts->kvs)); // the symbol reads alike in every language
    if ((facts->kind == MeasuredKind::PressureIndependent || facts->kind == MeasuredKind::VariableOrifice) &&
        facts->hasCurve)
        return formatted(languageIndex, CorrectionText::kCurveCell, utf8ToUtf16(facts->curve.technicalCode));
    return {};
}

// The pass or fail word, for a pressure-independent valve the verdict on
// the pressure, the presetting to set and the mark of an implausible reading.
std::u16string resultCell(int languageIndex, const MeasurementJudgement& judgement, const SiteFacts& site)
{
    std::u16string cell = readingVerdict(languageIndex, judgement, site.latest->verdict);
    // The presetting under its caption; a valve that needs another size,
    // or whose presetting found lies off the scale, says so alone.
    if (site.correction && site.correction->outcome == CorrectionOutcome::Corrected)
        addLine(cell, tableText(languageIndex, CorrectionText::kPresettingToSet) + u": " +
                          correctionText(languageIndex, *site.correction));
    else if (site.correction)
        addLine(cell, correctionText(languageIndex, *site.correction));
    if (site.latest->implausibleConfirmed)
        addLine(cell, tableText(languageIndex, CorrectionText::kImplausibleMark));
    return cell;
}

} // namespace

std::u16string readingVerdict(int languageIndex, const MeasurementJudgement& judgement, MeasurementVerdict pressure)
{
    std::u16string cell;
    if (judgement.mark == MeasurementMark::Passed)
        cell = tableText(languageIndex, kTextPassed);
    else if (judgement.mark == MeasurementMark::Failed)
        cell = tableText(languageIndex, kTextFailed);
    if (pressure != MeasurementVerdict::None)
        addLine(cell, tableText(languageIndex, pressure == MeasurementVerdict::Sufficient ? kTextPressureOk
                                                                                           : kTextPressureInsufficient));
    return cell;
}

// A value that is no number shows "---" beside its unit, as the valve list shows it.
std::u16string protocolFlow(float flow, const std::string& unit)
{
    return (std::isfinite(flow) ? utf8ToUtf16(formatFigure(flow)) : kNoValue) + u" (" + utf8ToUtf16(unit) + u")";
}

std::u16string protocolNumber(float value, const std::string& unit)
{
    return (std::isfinite(value) ? utf8ToUtf16(formatFigure(value)) : kNoValue) + u" (" + utf8ToUtf16(unit) + u")";
}

std::vector<std::u16string> siteCells(int languageIndex, const MeasurementJudgement& judgement,
                                      const SiteFacts& site)
{
    if (!site.latest)
        return std::vector<std::u16string>(7);
    const MeasurementRow& measured = *site.latest;
    std::u16string flow = protocolFlow(measured.flow, measured.muQ);
    addLine(flow, sourceLine(languageIndex, site.facts));
    std::u16string date = utf8ToUtf16(measured.date);
    addLine(date, formatted(languageIndex, CorrectionText::kReadingCount,
                            utf8ToUtf16(std::to_string(site.readingCount))));
    return {
        protocolNumber(measured.dP, measured.muP),
        utf8ToUtf16(shownValueText(measured.setting)),
        flow,
        judgement.deviationPercent ? utf8ToUtf16(signedDecimalText(*judgement.deviationPercent)) : kNoValue,
        resultCell(languageIndex, judgement, site),
        date,
        std::u16string(),
    };
}
