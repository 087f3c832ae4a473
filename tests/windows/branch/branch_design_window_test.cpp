// The branch window designs from the pipes: pipe sections and control
// valves typed into the circuits table, the settings they are computed
// with, their figures in the results, and a result without a valid head.

#include "tests/windows/branch/branch_window_fixture.h"

namespace {

// The pipe columns and the control valve's, after the valve kind.
constexpr int kLength = 5;
constexpr int kDiameter = 6;
constexpr int kRoughness = 7;
constexpr int kZeta = 8;
constexpr int kKvs = 9;

class BranchDesignWindow : public BranchWindowTest {
protected:
    void typePipe(int row, const std::u16string& length, const std::u16string& diameter, const std::u16string& zeta)
    {
        type(row, kLength, length);
        type(row, kDiameter, diameter);
        type(row, kZeta, zeta);
    }

    // The worked example of the core's pipe tests (see below).
    void typePipeExample()
    {
        typeRow(0, u"C1", u"0,5", u"10", u"", u"Arvelo Quarz");
        typeRow(1, u"C2", u"0,3", u"8", u"", u"Arvelo / Arvelo Nodo");
        typeRow(2, u"C3", u"0,5", u"12", u"", u"Arvelo Quarz");
        typePipe(0, u"20", u"41,9", u"2");
        typePipe(1, u"10", u"36", u"1");
        typePipe(2, u"10", u"27,3", u"0");
    }

    void typeSetting(int field, const std::u16string& text)
    {
        window->controls()[field].text = text;
        window->onTextChanged(field);
    }
};

// A riser loss or a pipe section, never both: either typed beside the
// other is refused with a message and the circuit keeps what it had.
TEST_F(BranchDesignWindow, ARiserLossAndAPipeSectionAreNeverBothGiven)
{
    typeRow(0, u"R1", u"0,5", u"10", u"4", u"Arvelo Quarz");
    type(0, kLength, u"20");
    EXPECT_EQ(messages.shown,
              (std::vector<std::u16string>{u"A riser loss and a pipe section cannot both be given; keep one."}));
    EXPECT_FALSE(window->branch().circuits[0].pipe);
    EXPECT_EQ(row(0)[kLength], u"");

    type(0, 3, u""); // the riser loss emptied: the section may take its place
    typePipe(0, u"20", u"41,9", u"2");
    ASSERT_TRUE(window->branch().circuits[0].pipe);
    const PipeSection pipe = *window->branch().circuits[0].pipe;
    EXPECT_EQ(pipe.lengthM, 20.0f);
    EXPECT_EQ(pipe.innerDiameterMm, 41.9f);
    EXPECT_EQ(pipe.roughnessMm, kSteelRoughnessMm) << "steel unless typed";
    EXPECT_EQ(pipe.zeta, 2.0f);
    EXPECT_EQ(row(0), (std::vector<std::u16string>{u"R1", u"0,50", u"10,00", u"", u"Arvelo Quarz", u"20,00",
                                                   u"41,90", u"0,05", u"2,00", u""}))
        << "the section stands for the riser loss";

    type(0, 3, u"4");
    EXPECT_EQ(messages.shown.size(), 2u) << "refused again, the other way round";
    EXPECT_EQ(window->branch().circuits[0].riserLoss, 0.0f);

    // Each pipe cell emptied goes back to its default; the section goes with the last.
    for (const int column : {kLength, kDiameter, kZeta})
        type(0, column, u"");
    EXPECT_FALSE(window->branch().circuits[0].pipe);
    type(0, 3, u"4");
    EXPECT_EQ(window->branch().circuits[0].riserLoss, 4.0f);
    EXPECT_EQ(messages.shown.size(), 2u);
}

TEST_F(BranchDesignWindow, AControlValveIsAPositiveKvsOrNone)
{
    typeRow(0, u"R1", u"0,5", u"10", u"4", u"Arvelo Quarz");
    const struct {
        std::u16string typed;
        std::optional<float> kvs;
        std::u16string shown;
    } cases[] = {
        {u"4", 4.0f, u"4,00"},
        {u"0", 4.0f, u"4,00"},    // a valve passes something: refused
        {u"-2", 4.0f, u"4,00"},   // not a Kvs either
        {u"2,5", 2.5f, u"2,50"},
        {u"", std::nullopt, u""}, // emptied: no control valve
    };
    for (const auto& c : cases) {
        type(0, kKvs, c.typed);
        EXPECT_EQ(window->branch().circuits[0].controlValveKvs, c.kvs) << utf16ToUtf8(c.typed);
        EXPECT_EQ(row(0)[kKvs], c.shown) << utf16ToUtf8(c.typed);
    }
}

// The worked example of the core's pipe tests, typed into the window: water
// at 60 C, steel pipe, section i carrying circuits i..3.
//   section  L m  d mm  zeta  Q l/s  w = Q / (pi d^2 / 4)  s_i kPa
//   1        20   41.9   2    1.3    0.9428 m/s            5.6312
//   2        10   36.0   1    0.8    0.7860 m/s            2.3420
//   3        10   27.3   0    0.5    0.8542 m/s            3.3791
// C3 is the index circuit: H = 11.3524 + 12 + 5.0625 = 28.4149 kPa at 1.3 l/s.
TEST_F(BranchDesignWindow, PipeSectionsShowTheirFlowVelocityAndLoss)
{
    typePipeExample();
    window->onClick(kCalculateButton);
    ControlModel& c = window->controls();
    EXPECT_EQ(c[kPumpHeadLabel].text, u"Pump head (kPa): 28,41    Total flow (l/s): 1,30");
    EXPECT_EQ(c[kIndexLabel].text, u"Index circuit: 3 C3");
    const struct {
        std::u16string flow, velocity, loss;
    } expected[] = {{u"1,30", u"0,943", u"5,63"}, {u"0,800", u"0,786", u"2,34"}, {u"0,500", u"0,854", u"3,38"}};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(result(i, u"Section flow (l/s)"), expected[i].flow) << i;
        EXPECT_EQ(result(i, u"Velocity (m/s)"), expected[i].velocity) << i;
        EXPECT_EQ(result(i, u"Section loss (kPa)"), expected[i].loss) << i;
        EXPECT_EQ(result(i, u"Warnings"), u"") << i;
    }

    // Above a limit of 0.9 m/s, C1's section (0.94 m/s) is warned of; at
    // 40 C the water is more viscous and the head higher.
    typeSetting(kVelocityLimitField, u"0,9");
    typeSetting(kFluidTemperatureField, u"40");
    EXPECT_EQ(window->branch().settings.limits.velocityLimit, 0.9f);
    EXPECT_EQ(window->branch().settings.limits.fluidTemperature, 40.0f);
    window->onClick(kCalculateButton);
    EXPECT_EQ(result(0, u"Warnings"), u"Velocity above 0,900 m/s");
    EXPECT_EQ(result(1, u"Warnings"), u"");
    EXPECT_GT(window->result()->pumpHead, 28.42f);
}

// C1 of the worked example with a control valve of Kvs 4:
//   dp_cv = (36 x 0.5 / 4)^2 = 20.25 kPa, C1 now the index circuit with
//   H = 5.6312 + 10 + 20.25 + 5.0625 = 40.9437 kPa,
//   a_1 = 20.25 / (40.9437 - 5.6312) = 0.5735, warned of below a limit of 0.6.
TEST_F(BranchDesignWindow, AControlValveShowsItsDropAndAuthority)
{
    typePipeExample();
    type(0, kKvs, u"4");
    typeSetting(kAuthorityLimitField, u"0,6");
    window->onClick(kCalculateButton);
    EXPECT_EQ(window->controls()[kPumpHeadLabel].text, u"Pump head (kPa): 40,94    Total flow (l/s): 1,30");
    EXPECT_EQ(result(0, u"dP control valve (kPa)"), u"20,25");
    EXPECT_EQ(result(0, u"Authority"), u"0,573");
    EXPECT_EQ(result(0, u"Warnings"), u"Control valve authority below 0,600");
    EXPECT_EQ(result(1, u"dP control valve (kPa)"), u"") << "no control valve";
}

TEST_F(BranchDesignWindow, APipeSectionThatCannotBeComputedIsRefusedByName)
{
    typeRow(0, u"C1", u"0,5", u"10", u"", u"Arvelo Quarz");
    const struct {
        const char* why;
        std::u16string length, diameter, roughness;
    } cases[] = {
        {"no length", u"", u"20", u""},
        {"no diameter", u"10", u"", u""},
        {"roughness half the diameter", u"10", u"2", u"1"},
    };
    for (const auto& c : cases) {
        messages.shown.clear();
        type(0, kLength, c.length);
        type(0, kDiameter, c.diameter);
        type(0, kRoughness, c.roughness);
        window->onClick(kCalculateButton);
        EXPECT_EQ(messages.shown,
                  (std::vector<std::u16string>{u"Circuit 1 C1: a pipe section needs its length and an inner diameter "
                                               u"of more than twice its roughness."}))
            << c.why;
        EXPECT_FALSE(window->result()) << c.why;
    }
}

// No fixed-orifice valve of the catalogue (AQ-025, Kv up to 8 fully open)
// carries C2's 3 l/s. The head would leave its valve out: it is not shown as
// one. C1 alone gives 2 + 10 + 5.0625 (AQ-025 fully open at 0.5 l/s) =
// 17.0625 kPa, so C2's valve would take 17.0625 - 4 - 5 = 8.0625 kPa and need
// Kv = 36 x 3 / sqrt(8.0625) = 38.04.
TEST_F(BranchDesignWindow, AnIncompleteResultSaysSoInPlaceOfTheHead)
{
    typeRow(0, u"C1", u"0,5", u"10", u"2", u"Arvelo Quarz");
    typeRow(1, u"C2", u"3", u"5", u"2", u"Arvelo Quarz");
    window->onClick(kCalculateButton);
    ControlModel& c = window->controls();
    EXPECT_EQ(c[kPumpHeadLabel].text,
              u"Result incomplete: no valve carries the flow of circuit 2 C2; no pump head.");
    EXPECT_EQ(c[kIndexLabel].text, u"");
    EXPECT_TRUE(c[kChart].svg.empty());
    EXPECT_FALSE(c[kAddButton].enabled);
    EXPECT_FALSE(c[kExportChartButton].enabled);
    EXPECT_EQ(c[kResultList].rows[0].cells.at(0), u"1") << "no index circuit marked";
    EXPECT_EQ(result(1, u"Warnings"), u"No type series\u00A0/ nominal size available (Kv required: 38,04)");
    window->onClick(kAddButton);
    EXPECT_EQ(messages.shown.back(), c[kPumpHeadLabel].text) << "no valve added from it";
    EXPECT_TRUE(state.projects.empty());
}

} // namespace
