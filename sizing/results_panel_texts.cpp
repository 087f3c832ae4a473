#include "sizing/results_panel_texts.h"

#include "app/unit_conversion.h"
#include "data/number_text.h"
#include "data/text_format.h"
#include "data/text_table.h"
#include "sizing/result_kind.h"
#include "sizing/image_keys.h"

namespace {

constexpr int kTextOk = 30;
constexpr int kTextInsufficient = 31;
constexpr int kTextTypeSeries = 32;
constexpr int kTextNoTypeSeries = 33;
constexpr int kTextValveDetails = 34;
constexpr int kTextValveDetailsWithRange = 35;
constexpr int kTextOffScale = 249; // "Presetting outside the scale: %s to %s"
constexpr std::int32_t kPicvCheckView = 9;

const std::u16string kNoValue = u"---"; // as formatResultNumber shows a number that cannot be shown
// The minimum pressure is meaningless once the pressure is known to be short.
const std::u16string kNoMinimum = u"-";

std::u16string number(float value) { return utf8ToUtf16(formatResultNumber(value)); }

bool showsFlowRange(int resultKind)
{
    return resultKind == PressureIndependentResult || resultKind == DpControllerResult;
}

} // namespace

std::u16string ResultsPanelModel::text(int id) const
{
    return std::u16string(TextTable::text(state_.languageIndex, id));
}

void ResultsPanelModel::showResultValues(int resultKind, bool noResult, const ResultValues& values)
{
    texts_.status = text(noResult ? kTextNoTypeSeries : kTextTypeSeries);
    texts_.statusColour = noResult ? kTextRed : kTextBlack;
    // A presetting checked against a scale the valve does not have.
    if (const auto& scale = state_.picvCheckOffScale; noResult && scale && state_.valveView == kPicvCheckView)
        texts_.status = formatText(text(kTextOffScale), {number(scale->start), number(scale->full)});
    if (resultKind == DpControllerResult)
        return; // the controller shows no numbers
    texts_.secondColour = kTextBlack;
    if (noResult) {
        texts_.first = texts_.second = texts_.third = kNoValue;
        return;
    }
    texts_.first = number(values.resultPresetting);
    texts_.second = number(values.resultMain);
    texts_.third = number(values.resultAux);
    if (resultKind != PressureIndependentResult)
        return;
    if (values.resultMain == kPressureSufficient) {
        texts_.second = text(kTextOk);
    } else if (values.resultMain == kPressureInsufficient) {
        texts_.second = text(kTextInsufficient);
        texts_.secondColour = kTextRed;
        texts_.third = kNoMinimum;
    }
}

void ResultsPanelModel::showValveDetails(int resultKind, const CandidateSummary* chosen)
{
    const bool withRange = showsFlowRange(resultKind);
    const std::u16string format = text(withRange ? kTextValveDetailsWithRange : kTextValveDetails);
    if (!chosen) {
        texts_.pictureId = -1;
        texts_.details = formatText(format, {});
        return;
    }
    // An image key outside the table leaves the picture of the last valve.
    if (const auto index = imageKeyIndex(chosen->imageKey))
        texts_.pictureId = kImageKeys[*index].picture;

    const std::u16string code = utf8ToUtf16(chosen->materialNumber);
    const std::u16string size = utf8ToUtf16(chosen->nominalSize);
    if (!withRange) {
        texts_.details = formatText(format, {code, size});
        return;
    }
    // The range is in l/s; shown in the current unit. Without a flow factor
    // (a mass unit and no usable density) it cannot be converted.
    const auto qMin = flowFromBase(state_, chosen->qMin);
    const auto qMax = flowFromBase(state_, chosen->qMax);
    texts_.details = formatText(format, {code, size, utf8ToUtf16(flowUnitLabel(state_)),
                                         qMin ? number(*qMin) : kNoValue, qMax ? number(*qMax) : kNoValue});
}

void ResultsPanelModel::fillCandidateList(int /*resultKind*/, const std::vector<CandidateSummary>& rows,
                                          std::int32_t candidateIndex)
{
    texts_.candidates.clear();
    texts_.candidates.reserve(rows.size());
    for (const CandidateSummary& row : rows) {
        const auto image = imageKeyIndex(row.imageKey);
        texts_.candidates.push_back({image ? static_cast<int>(*image) : -1, utf8ToUtf16(row.model),
                                     utf8ToUtf16(row.materialNumber), utf8ToUtf16(row.nominalSize)});
    }
    const bool exists = candidateIndex >= 0 && static_cast<std::size_t>(candidateIndex) < rows.size();
    texts_.selectedRow = exists ? candidateIndex : -1;
}
