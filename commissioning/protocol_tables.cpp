#include "commissioning/protocol_tables.h"

#include "commissioning/correction_texts.h"
#include "commissioning/measurement_cell.h"
#include "commissioning/measurement_judgement.h"
#include "commissioning/protocol_cells.h"
#include "commissioning/valve_correction.h"
#include "data/number_text.h"
#include "data/text_format.h"
#include "data/text_table.h"
#include "valve_list/stored_value_text.h"

namespace {

constexpr int kTextNumber = 49;
constexpr int kTextDesignation = 62;
constexpr int kTextMeasuredDp = 63;
constexpr int kTextMeasuredFlow = 65;
constexpr int kTextDate = 66;
constexpr int kTextDeviation = 126;
constexpr int kTextResult = 127;

std::u16string tableText(int languageIndex, int id) { return std::u16string(TextTable::text(languageIndex, id)); }

std::vector<std::u16string> texts(int languageIndex, std::initializer_list<int> ids)
{
    std::vector<std::u16string> result;
    for (const int id : ids)
        result.push_back(tableText(languageIndex, id));
    return result;
}

} // namespace

ProtocolTable earlierReadingsTable(int languageIndex, const std::vector<ProjectRow>& projects,
                                   const ValveReadings& readings)
{
    ProtocolTable table;
    table.title = tableText(languageIndex, CorrectionText::kEarlierReadings);
    table.headers = texts(languageIndex, {kTextNumber, kTextDesignation, kTextDate, kTextMeasuredDp,
                                         CorrectionText::kPresettingFound, kTextMeasuredFlow, kTextDeviation,
                                         kTextResult});
    for (const ProjectRow& row : projects) {
        if (readings.count(row.posizione, row.riferimento) < 2)
            continue;
        std::vector<const MeasurementRow*> all = readings.all(row.posizione, row.riferimento);
        all.pop_back(); // the latest stands in the table
        for (const MeasurementRow* reading : all) {
            const MeasurementJudgement judgement = judgeMeasurement(row, reading);
            table.rows.push_back({
                utf8ToUtf16(std::to_string(row.posizione)),
                utf8ToUtf16(row.riferimento),
                utf8ToUtf16(reading->date),
                protocolNumber(reading->dP, reading->muP),
                utf8ToUtf16(shownValueText(reading->setting)),
                protocolFlow(reading->flow, reading->muQ),
                judgement.deviationPercent ? utf8ToUtf16(signedDecimalText(*judgement.deviationPercent)) : u"---",
                readingVerdict(languageIndex, judgement, reading->verdict),
            });
        }
    }
    return table;
}

ProtocolTable fitterTable(int languageIndex)
{
    ProtocolTable table;
    table.title = tableText(languageIndex, CorrectionText::kFitterTitle);
    table.headers = texts(languageIndex, {kTextDesignation, CorrectionText::kValve, CorrectionText::kPresettingFound,
                                         CorrectionText::kPresettingToSet});
    return table;
}

void addFitterRow(ProtocolTable& table, int languageIndex, const ProjectRow& design, const MeasurementRow& latest,
                  const PresettingCorrection& correction)
{
    // A valve that needs another size goes on the page with that note: the
    // fitter is the one to change it.
    const bool anotherSize = correction.outcome == CorrectionOutcome::BiggerValveNeeded ||
                             correction.outcome == CorrectionOutcome::SmallerValveNeeded;
    if (correction.outcome != CorrectionOutcome::Corrected && !anotherSize)
        return;
    const std::u16string toSet = anotherSize ? correctionText(languageIndex, correction)
                                             : utf8ToUtf16(formatCommaDecimal(correction.presetting));
    if (!anotherSize && toSet == utf8ToUtf16(formatCommaDecimal(parseCommaDecimal(latest.setting))))
        return; // already where it belongs
    table.rows.push_back({
        utf8ToUtf16(design.riferimento),
        utf8ToUtf16(design.nome_tipo + " " + design.dimensione + "\n" + design.numero_di_materiale),
        utf8ToUtf16(shownValueText(latest.setting)),
        toSet,
    });
}
