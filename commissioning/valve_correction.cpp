#include "commissioning/valve_correction.h"

#include "commissioning/correction_texts.h"
#include "commissioning/measurement_judgement.h"
#include "data/number_text.h"
#include "data/text_format.h"
#include "data/text_table.h"

#include <array>
#include <utility>

std::optional<PresettingCorrection> valveCorrection(const ProjectRow& design, const MeasurementRow* latest,
                                                    const ValveFacts& facts)
{
    if (!latest || !isStaticKind(facts.kind) || !facts.hasCurve)
        return std::nullopt;
    const MeasurementJudgement judgement = judgeMeasurement(design, latest);
    if (judgement.mark != MeasurementMark::Failed || !judgement.deviationPercent)
        return std::nullopt;
    const auto measuredFlow = measuredFlowInDesignUnit(design, *latest);
    if (!measuredFlow)
        return std::nullopt;
    return correctPresetting(facts.curve, facts.presetStart, facts.presetStep, parseCommaDecimal(latest->setting),
                             design.portata, *measuredFlow);
}

std::u16string correctionText(int languageIndex, const PresettingCorrection& correction)
{
    static constexpr std::array<std::pair<CorrectionOutcome, int>, 3> kOutcomeTexts{{
        {CorrectionOutcome::BiggerValveNeeded, CorrectionText::kBiggerValveNeeded},
        {CorrectionOutcome::SmallerValveNeeded, CorrectionText::kSmallerValveNeeded},
        {CorrectionOutcome::PresettingOffScale, CorrectionText::kPresettingOffScale},
    }};
    if (correction.outcome == CorrectionOutcome::Corrected)
        return utf8ToUtf16(formatCommaDecimal(correction.presetting));
    for (const auto& [outcome, textId] : kOutcomeTexts)
        if (outcome == correction.outcome)
            return std::u16string(TextTable::text(languageIndex, textId));
    return u"---";
}
