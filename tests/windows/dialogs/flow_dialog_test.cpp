#include "data/text_format.h"
#include "tests/windows/dialogs/dialog_state.h"
#include "windows/dialogs/arvelo_calc_calc_dlg.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr int kPowerField = 1086;
constexpr int kSupplyField = 1087;
constexpr int kReturnField = 1089;
constexpr int kFlowField = 1090;
constexpr int kSave = 1088;
constexpr int kCancel = 1091;

struct Inputs {
    std::string power = "12";
    std::string supply = "70";
    std::string returnTemperature = "50";
};

std::unique_ptr<CArveloCalcCalcDlg> openFlowDialog(const AppState& state, const Inputs& inputs = {})
{
    auto dialog = std::make_unique<CArveloCalcCalcDlg>(state, u"Flow rate calculation");
    dialog->powerText = inputs.power;
    dialog->supplyTempText = inputs.supply;
    dialog->returnTempText = inputs.returnTemperature;
    dialog->flowText = "99,99"; // the main window's own flow, never shown
    dialog->onOpen();
    return dialog;
}

struct FlowCase {
    const char* name;
    int density;
    std::uint8_t flowUnit;
    std::uint8_t temperatureUnit;
    Inputs inputs;
    const char* flow;
};

const FlowCase kFlowCases[] = {
    {"l/s", 1050, 2, 0, {}, "0,143"},
    {"l/min", 1050, 3, 0, {}, "8,57"},
    {"l/h", 1050, 4, 0, {}, "514,29"},
    {"m3/h", 1050, 6, 0, {}, "0,514"},
    {"m3/s", 1050, 5, 0, {}, "0,000143"},
    {"kg/s", 1050, 0, 0, {}, "0,150"},
    {"Kg/h", 1050, 1, 0, {}, "540,00"},
    {"GPM", 1050, 7, 0, {}, "2,26"},
    {"density 1000, l/s", 1000, 2, 0, {}, "0,150"},
    {"density 1000, l/h", 1000, 4, 0, {}, "540,00"},
    {"density 1000, kg/s", 1000, 0, 0, {}, "0,150"},
    {"density 1000, Kg/h", 1000, 1, 0, {}, "540,00"},
    {"cooling", 1050, 4, 0, {"12", "50", "70"}, "514,29"},
    {"Fahrenheit", 1000, 2, 1, {"12", "158", "122"}, "0,150"},
    {"equal temperatures", 1050, 4, 0, {"12", "60", "60"}, "0,00"},
    {"empty power", 1050, 4, 0, {"", "70", "50"}, "0,00"},
    {"only the leading number of 1,2,3", 1050, 4, 0, {"1,2,3", "70", "50"}, "51,43"},
    {"the same as 1,2", 1050, 4, 0, {"1,2", "70", "50"}, "51,43"},
    // 1000 W / 20 K / 4000 J/(kg K) = 0,0125 kg/s, / 1,050 kg/l = 0,011905 l/s:
    // three significant digits, where two decimals wrote 0,01 (16 % low).
    {"1 kW in l/s", 1050, 2, 0, {"1", "70", "50"}, "0,0119"},
    {"10 kW in l/s", 1050, 2, 0, {"10", "70", "50"}, "0,119"},
};

TEST(FlowDialog, OpeningShowsTheFlowOfThePassedInputsInTheChosenFlowUnit)
{
    for (const FlowCase& flowCase : kFlowCases) {
        SCOPED_TRACE(flowCase.name);
        AppState state = startupState();
        state.engine.fluids[0].density = flowCase.density;
        state.engine.flowUnitIndex = flowCase.flowUnit;
        state.engine.temperatureUnitIndex = flowCase.temperatureUnit;
        const auto dialog = openFlowDialog(state, flowCase.inputs);
        EXPECT_EQ(dialog->flowText, flowCase.flow);
        EXPECT_EQ(shown(*dialog, kFlowField), utf8ToUtf16(flowCase.flow));
    }
}

TEST(FlowDialog, TheFlowFollowsTheChosenFluid)
{
    AppState state = startupState();
    state.engine.fluidIndex = 1; // 3900 J/(kg K), 1014 kg/m3
    state.engine.flowUnitIndex = 4;
    EXPECT_EQ(openFlowDialog(state)->flowText, "546,20");
}

TEST(FlowDialog, CaptionsNameTheUnitsInForceInTheCurrentLanguage)
{
    AppState state = startupState();
    state.languageIndex = kEnglish;
    state.engine.powerUnitIndex = 3;
    state.engine.temperatureUnitIndex = 1;
    state.engine.flowUnitIndex = 6;
    const auto dialog = openFlowDialog(state);
    EXPECT_EQ(dialog->caption(), u"Flow rate calculation");
    EXPECT_EQ(shown(*dialog, 1082), u"Power (Btu/h)");
    EXPECT_EQ(shown(*dialog, 1083), u"Supply temperature (\u2109)");
    EXPECT_EQ(shown(*dialog, 1084), u"Return temperature (\u2109)");
    EXPECT_EQ(shown(*dialog, 1085), u"Flow rate (m3/h)");
    EXPECT_EQ(dialog->controls()[1085].font, ControlFont::Bold);
    EXPECT_EQ(dialog->controls()[1082].font, ControlFont::Regular);
    EXPECT_EQ(shown(*dialog, kSave), u"Save");
    EXPECT_EQ(shown(*dialog, kCancel), u"Cancel");

    const AppState germanState = startupState();
    const auto german = openFlowDialog(germanState);
    EXPECT_EQ(shown(*german, 1082), u"Leistung (kW)");
    EXPECT_EQ(shown(*german, 1083), u"Vorlauftemperatur (\u2103)");
    EXPECT_EQ(shown(*german, 1085), u"Durchflussmenge (l/s)");
    EXPECT_EQ(shown(*german, kSave), u"Speichern");
}

TEST(FlowDialog, EveryInputChangeRecomputesTheFlow)
{
    AppState state = startupState();
    state.engine.flowUnitIndex = 4;
    const auto dialog = openFlowDialog(state);
    typeInto(*dialog, kPowerField, u"24");
    EXPECT_EQ(dialog->flowText, "1028,57");
    typeInto(*dialog, kSupplyField, u"90");
    EXPECT_EQ(dialog->flowText, "514,29");
    dialog->controls().focusRequest.reset(); // the view takes it
    typeInto(*dialog, kReturnField, u"");
    EXPECT_EQ(dialog->flowText, "228,57") << "an emptied field reads as 0";
    EXPECT_EQ(dialog->returnTempText, "");
    EXPECT_FALSE(dialog->controls().focusRequest) << "deleting is always accepted";
    EXPECT_EQ(shown(*dialog, kFlowField), u"228,57");
}

TEST(FlowDialog, ARejectedKeystrokeRestoresTheFieldAndKeepsTheFlow)
{
    const AppState state = startupState();
    const std::u16string rejected[] = {u"a", u"-"};
    for (const int field : {kPowerField, kSupplyField, kReturnField}) {
        for (const std::u16string& keystroke : rejected) {
            SCOPED_TRACE(field);
            const auto dialog = openFlowDialog(state);
            const std::u16string before = shown(*dialog, field);
            typeInto(*dialog, field, before + keystroke);
            EXPECT_EQ(shown(*dialog, field), before);
            EXPECT_EQ(dialog->controls().focusRequest, field) << "the caret goes behind the kept text";
            EXPECT_EQ(dialog->flowText, "0,143");
        }
    }
}

// A point is the decimal mark of many keyboards: it shows as the comma.
TEST(FlowDialog, ATypedPointIsTheDecimalComma)
{
    const AppState state = startupState();
    const auto dialog = openFlowDialog(state);
    typeInto(*dialog, kPowerField, u"12.");
    EXPECT_EQ(shown(*dialog, kPowerField), u"12,");
    typeInto(*dialog, kPowerField, u"12,5");
    EXPECT_EQ(dialog->powerText, "12,5");
    // 12,5 kW as 12 kW gives 0,142857 l/s: 0,148810 l/s.
    EXPECT_EQ(dialog->flowText, "0,149");
}

TEST(FlowDialog, OnlyTheFirstFifteenCharactersOfAFieldCount)
{
    const AppState state = startupState();
    const auto dialog = openFlowDialog(state, {"000000000000012", "70", "50"});
    EXPECT_EQ(dialog->flowText, "0,143");
    typeInto(*dialog, kPowerField, u"0000000000000120");
    EXPECT_EQ(dialog->powerText, "000000000000012");
    EXPECT_EQ(dialog->flowText, "0,143");
}

TEST(FlowDialog, SaveHandsBackExactlyTheShownFlowAndTheInputs)
{
    AppState state = startupState();
    state.engine.flowUnitIndex = 4;
    const auto dialog = openFlowDialog(state);
    typeInto(*dialog, kPowerField, u"6");
    dialog->onClick(kSave);
    EXPECT_EQ(dialog->result(), 1);
    EXPECT_EQ(dialog->flowText, utf16ToUtf8(shown(*dialog, kFlowField)));
    EXPECT_EQ(dialog->flowText, "257,14");
    EXPECT_EQ(dialog->powerText, "6");
    EXPECT_EQ(dialog->supplyTempText, "70");
}

TEST(FlowDialog, ReturnIsSwallowedWhileCancelEscapeAndTheCloseBoxEndWithZero)
{
    const AppState state = startupState();
    const auto dialog = openFlowDialog(state);
    EXPECT_TRUE(dialog->onKeyDown(WindowLogic::Key::Return, kPowerField));
    EXPECT_FALSE(dialog->result());

    const auto cancelled = openFlowDialog(state);
    cancelled->onClick(kCancel);
    EXPECT_EQ(cancelled->result(), 0);
    const auto escaped = openFlowDialog(state);
    escaped->onKeyDown(WindowLogic::Key::Escape, kPowerField);
    EXPECT_EQ(escaped->result(), 0);
    const auto closed = openFlowDialog(state);
    closed->onCloseRequest();
    EXPECT_EQ(closed->result(), 0);
}

TEST(FlowDialog, AFlowTooLongForItsFieldShowsNoNumberAndCannotBeSaved)
{
    AppState state = startupState();
    state.engine.flowUnitIndex = 4; // l/h
    const auto dialog = openFlowDialog(state, {"999999999999999", "0,0001", "0"});
    EXPECT_EQ(shown(*dialog, kFlowField), u"---");
    EXPECT_EQ(dialog->flowText, "");
    dialog->onClick(kSave);
    EXPECT_FALSE(dialog->result()) << "the main window must not receive a non-number";

    typeInto(*dialog, kPowerField, u"12");
    typeInto(*dialog, kSupplyField, u"70");
    typeInto(*dialog, kReturnField, u"50");
    dialog->onClick(kSave);
    EXPECT_EQ(dialog->result(), 1);
    EXPECT_EQ(dialog->flowText, "514,29");
}

TEST(FlowDialog, WithoutAUsableFluidRowNoFlowIsShownOrSaved)
{
    AppState fewFluids = startupState();
    fewFluids.engine.fluids.resize(3);
    fewFluids.engine.fluidIndex = 5;
    AppState noFluids = startupState();
    noFluids.engine.fluids.clear();
    AppState zeroDensity = startupState();
    zeroDensity.engine.fluids[0].density = 0;
    AppState zeroHeat = startupState();
    zeroHeat.engine.fluids[0].specificHeat = 0;

    for (const AppState* state : {&fewFluids, &noFluids, &zeroDensity, &zeroHeat}) {
        for (const Inputs& inputs : {Inputs{}, Inputs{"12", "60", "60"}}) {
            const auto dialog = openFlowDialog(*state, inputs);
            EXPECT_EQ(shown(*dialog, kFlowField), u"---");
            dialog->onClick(kSave);
            EXPECT_FALSE(dialog->result());
        }
    }
}

} // namespace
