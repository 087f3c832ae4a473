#include "tests/windows/dialogs/dialog_state.h"
#include "windows/dialogs/arvelo_calc_setup_um_dlg.h"

#include <gtest/gtest.h>

namespace {

constexpr int kFlowCaption = 1058;
constexpr int kFlowList = 1059;
constexpr int kPressureCaption = 1060;
constexpr int kPressureList = 1061;
constexpr int kPowerCaption = 1064;
constexpr int kPowerList = 1065;
constexpr int kTemperatureCaption = 1066;
constexpr int kTemperatureList = 1067;
constexpr int kUnitsSave = 1062;
constexpr int kUnitsCancel = 1063;

TEST(UnitsDialog, OpensWithTheUnitsInForceNamedAndSelected)
{
    AppState state = startupState(kEnglish);
    CArveloCalcSetupUmDlg dialog(state, u"Unit of measurement");
    dialog.onOpen();
    EXPECT_EQ(shown(dialog, kFlowCaption), u"Flow rate (l/s)");
    EXPECT_EQ(shown(dialog, kPressureCaption), u"Pressure (mbar)");
    EXPECT_EQ(shown(dialog, kPowerCaption), u"Power(kW)");
    EXPECT_EQ(shown(dialog, kTemperatureCaption), u"Temperature (\u2103)");
    EXPECT_EQ(dialog.controls()[kFlowCaption].font, ControlFont::Bold);
    EXPECT_EQ(picked(dialog, kFlowList), u"l/s");
    EXPECT_EQ(picked(dialog, kPressureList), u"mbar");
    EXPECT_EQ(picked(dialog, kPowerList), u"kW");
    EXPECT_EQ(picked(dialog, kTemperatureList), u"\u2103");
    EXPECT_EQ(dialog.controls()[kFlowList].entries.size(), 10u);
    EXPECT_EQ(dialog.controls()[kPressureList].entries.size(), 9u);
    EXPECT_EQ(dialog.controls()[kPowerList].entries.size(), 4u);
    EXPECT_EQ(dialog.controls()[kTemperatureList].entries, (std::vector<std::u16string>{u"\u2103", u"\u2109"}));
    EXPECT_EQ(dialog.controls()[kFlowList].entries[9], u"Ft3/min");
    EXPECT_EQ(dialog.controls()[kPressureList].entries[6], u"PSI");
    EXPECT_EQ(shown(dialog, kUnitsSave), u"Save");
}

TEST(UnitsDialog, SaveWritesTheFourPickedIndicesAndTheNextOpeningShowsThem)
{
    AppState state = startupState(kEnglish);
    CArveloCalcSetupUmDlg dialog(state, u"Unit of measurement");
    dialog.onOpen();
    pick(dialog, kFlowList, 1);
    pick(dialog, kPressureList, 2);
    pick(dialog, kPowerList, 1);
    pick(dialog, kTemperatureList, 1);
    EXPECT_EQ(shown(dialog, kFlowCaption), u"Flow rate (l/s)") << "captions keep the units in force";
    dialog.onClick(kUnitsSave);
    EXPECT_EQ(dialog.result(), 1);
    EXPECT_EQ(state.engine.flowUnitIndex, 1);
    EXPECT_EQ(state.engine.pressureUnitIndex, 2);
    EXPECT_EQ(state.engine.powerUnitIndex, 1);
    EXPECT_EQ(state.engine.temperatureUnitIndex, 1);

    CArveloCalcSetupUmDlg next(state, u"Unit of measurement");
    next.onOpen();
    EXPECT_EQ(shown(next, kFlowCaption), u"Flow rate (Kg/h)");
    EXPECT_EQ(shown(next, kPressureCaption), u"Pressure (bar)");
    EXPECT_EQ(shown(next, kPowerCaption), u"Power(W)");
    EXPECT_EQ(shown(next, kTemperatureCaption), u"Temperature (\u2109)");
    EXPECT_EQ(picked(next, kFlowList), u"Kg/h");
    EXPECT_EQ(picked(next, kTemperatureList), u"\u2109");
}

TEST(UnitsDialog, CancelWritesNoIndex)
{
    AppState state = startupState(kEnglish);
    CArveloCalcSetupUmDlg dialog(state, u"Unit of measurement");
    dialog.onOpen();
    pick(dialog, kFlowList, 6);
    pick(dialog, kTemperatureList, 1);
    dialog.onClick(kUnitsCancel);
    EXPECT_EQ(dialog.result(), 0);
    EXPECT_EQ(state.engine.flowUnitIndex, 2);
    EXPECT_EQ(state.engine.temperatureUnitIndex, 0);
}

TEST(UnitsDialog, AListWithoutAPickedEntryKeepsItsUnit)
{
    AppState state = startupState(kEnglish);
    CArveloCalcSetupUmDlg dialog(state, u"Unit of measurement");
    dialog.onOpen();
    pick(dialog, kPressureList, -1);
    pick(dialog, kPowerList, 3);
    dialog.onClick(kUnitsSave);
    EXPECT_EQ(state.engine.pressureUnitIndex, 8);
    EXPECT_EQ(state.engine.powerUnitIndex, 3);
}

} // namespace
