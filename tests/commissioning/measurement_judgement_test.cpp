#include "commissioning/measurement_cell.h"
#include "commissioning/measurement_judgement.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct JudgementCase {
    const char* name;
    float designFlow;
    const char* designUnit;
    float measuredFlow;
    const char* measuredUnit;
    MeasurementVerdict verdict;
    MeasurementMark mark;
    std::optional<float> deviation;
    const char16_t* cell;
};

const JudgementCase kCases[] = {
    {"within the tolerance", 0.5f, "l/s", 0.52f, "l/s", MeasurementVerdict::None, MeasurementMark::Passed, 4.0f,
     u"OK +4,00 %"},
    // 0,55 against 0,50 is 10,00 % as shown, whatever the binary digits say.
    {"at the upper edge", 0.5f, "l/s", 0.55f, "l/s", MeasurementVerdict::None, MeasurementMark::Passed, 10.0f,
     u"OK +10,00 %"},
    {"at the lower edge", 0.5f, "l/s", 0.45f, "l/s", MeasurementVerdict::None, MeasurementMark::Passed, -10.0f,
     u"OK -10,00 %"},
    // 0,5504 prints "0,550": 10,00 % and passes; 0,5506 prints "0,551": 10,20 %.
    {"just beyond as printed", 0.5f, "l/s", 0.5504f, "l/s", MeasurementVerdict::None, MeasurementMark::Passed,
     10.0f, u"OK +10,00 %"},
    {"just beyond", 0.5f, "l/s", 0.5506f, "l/s", MeasurementVerdict::None, MeasurementMark::Failed, 10.2f,
     u"KO +10,20 %"},
    // A small flow: 0,024 against 0,03 prints "0,0240" beside "0,0300", so
    // (0,0240 - 0,0300) / 0,0300 = -20,00 %; 0,02406 prints "0,0241":
    // (0,0241 - 0,0300) / 0,0300 = -19,67 %.
    {"a small flow", 0.03f, "l/s", 0.024f, "l/s", MeasurementVerdict::None, MeasurementMark::Failed, -20.0f,
     u"KO -20,00 %"},
    {"a small flow between figures", 0.03f, "l/s", 0.02406f, "l/s", MeasurementVerdict::None,
     MeasurementMark::Failed, -19.67f, u"KO -19,67 %"},
    {"far below", 2.0f, "l/s", 1.0f, "l/s", MeasurementVerdict::None, MeasurementMark::Failed, -50.0f,
     u"KO -50,00 %"},
    {"in other volume units", 3.6f, "m3/h", 1.0f, "l/s", MeasurementVerdict::None, MeasurementMark::Passed, 0.0f,
     u"OK 0,00 %"},
    {"pressure insufficient, flow right", 0.5f, "l/s", 0.5f, "l/s", MeasurementVerdict::Insufficient,
     MeasurementMark::Failed, 0.0f, u"KO 0,00 %"},
    {"pressure sufficient, no design flow", 0.0f, "l/s", 0.5f, "l/s", MeasurementVerdict::Sufficient,
     MeasurementMark::Passed, std::nullopt, u"OK"},
    {"nothing to judge by", 0.0f, "l/s", 0.5f, "l/s", MeasurementVerdict::None, MeasurementMark::Unjudged,
     std::nullopt, u"2026-12-10"},
    // A mass flow compares only with the same unit: the density is the fluid's.
    {"mass against volume", 0.5f, "kg/s", 0.5f, "l/s", MeasurementVerdict::None, MeasurementMark::Unjudged,
     std::nullopt, u"2026-12-10"},
    {"a stored design flow that is no number", NAN, "l/s", 0.5f, "l/s", MeasurementVerdict::None,
     MeasurementMark::Unjudged, std::nullopt, u"2026-12-10"},
};

TEST(MeasurementJudgement, FlowAgainstDesignAndPressureVerdict)
{
    for (const JudgementCase& c : kCases) {
        ProjectRow design;
        design.portata = c.designFlow;
        design.muQ = c.designUnit;
        MeasurementRow measured;
        measured.flow = c.measuredFlow;
        measured.muQ = c.measuredUnit;
        measured.verdict = c.verdict;
        measured.date = "2026-12-10";
        const MeasurementJudgement judgement = judgeMeasurement(design, &measured);
        EXPECT_EQ(judgement.mark, c.mark) << c.name;
        ASSERT_EQ(judgement.deviationPercent.has_value(), c.deviation.has_value()) << c.name;
        if (c.deviation) {
            EXPECT_NEAR(*judgement.deviationPercent, *c.deviation, 1e-4f) << c.name;
        }
        EXPECT_EQ(measuredCell(design, &measured), c.cell) << c.name;
    }
}

TEST(MeasurementJudgement, AValveNotMeasuredHasAnEmptyCell)
{
    ProjectRow design;
    design.portata = 0.5f;
    design.muQ = "l/s";
    EXPECT_EQ(judgeMeasurement(design, nullptr).mark, MeasurementMark::NotMeasured);
    EXPECT_EQ(measuredCell(design, nullptr), u"");
}

} // namespace
