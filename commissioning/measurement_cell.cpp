#include "commissioning/measurement_cell.h"

#include "data/number_text.h"
#include "data/text_format.h"
#include "commissioning/measurement_judgement.h"

std::string signedDecimalText(float deviationPercent)
{
    return (deviationPercent > 0.0f ? "+" : "") + formatCommaDecimal(deviationPercent);
}

std::string signedPercentText(float deviationPercent) { return signedDecimalText(deviationPercent) + " %"; }

std::u16string measuredCell(const ProjectRow& design, const MeasurementRow* measured)
{
    const MeasurementJudgement judgement = judgeMeasurement(design, measured);
    if (judgement.mark == MeasurementMark::NotMeasured)
        return {};
    if (judgement.mark == MeasurementMark::Unjudged)
        return utf8ToUtf16(measured->date);
    std::string cell = judgement.mark == MeasurementMark::Passed ? "OK" : "KO";
    if (judgement.deviationPercent)
        cell += " " + signedPercentText(*judgement.deviationPercent);
    return utf8ToUtf16(cell);
}
