#include "tests/windows/main/main_window_fixture.h"

#include "data/text_format.h"
#include "windows/main/main_window_ids.h"

#include <algorithm>
#include <set>

using namespace MainWindowId;

namespace {

// The controls whose visibility a page decides.
const std::vector<int> kPageControls{
    kFirstTypeButton, kFirstTypeCaption, kSecondTypeButton, kSecondTypeCaption, kFirstInputCaption, kFirstInput,
    kFlowCalculationButton, kSecondInputCaption, kSecondInput, kCalculateButton, kDisclaimer, kFirstResultCaption,
    kFirstResult, kSecondResultCaption, kSecondResult, kThirdResultCaption, kThirdResult, kProjectCaption,
    kProjectField, kCustomerCaption, kCustomerField, kDesignationCaption, kDesignationField, kAddButton};

// Shown on every page.
const std::vector<int> kAlwaysShown{kSizingButton, kCommissioningButton, kStaticGroupButton, kDynamicGroupButton,
                                    kStaticGroupCaption, kDynamicGroupCaption, kSettingsFrame, kPreferencesButton,
                                    kUnitsButton, kLanguageButton, kBalanceBranchButton, kCloseButton, kTypeFrame,
                                    kProjectDataFrame, kResultsFrame, kTypeSeriesLabel, kValvePicture, kValveDetails, kCandidateList,
                                    kValveListFrame, kValveList, kDeleteTableButton, kDeleteValveButton, kExportButton};

const std::set<int> kBothTypes{kFirstTypeButton, kFirstTypeCaption, kSecondTypeButton, kSecondTypeCaption};
const std::set<int> kFirstType{kFirstTypeButton, kFirstTypeCaption};
const std::set<int> kListFields{kProjectCaption, kProjectField, kCustomerCaption, kCustomerField};
const std::set<int> kEntry{kProjectCaption,     kProjectField,     kCustomerCaption, kCustomerField,
                           kDesignationCaption, kDesignationField, kAddButton};
const std::set<int> kInputs{kFirstInputCaption, kFirstInput, kFlowCalculationButton, kSecondInputCaption,
                            kSecondInput, kCalculateButton, kDisclaimer};
const std::set<int> kResults{kFirstResultCaption,  kFirstResult,        kSecondResultCaption,
                             kSecondResult,        kThirdResultCaption, kThirdResult};

std::set<int> join(std::initializer_list<std::set<int>> sets, std::initializer_list<int> minus = {})
{
    std::set<int> all;
    for (const auto& set : sets)
        all.insert(set.begin(), set.end());
    for (const int id : minus)
        all.erase(id);
    return all;
}

struct PageCase {
    const char* name;
    std::int32_t workMode;
    std::int32_t view;
    std::set<int> shown; // of kPageControls
    std::u16string firstCaption;
    std::u16string secondCaption;
    std::u16string firstInput;
    std::u16string secondInput;
};

class RefreshPage : public MainWindowTest, public testing::WithParamInterface<PageCase> {};

void PrintTo(const PageCase& page, std::ostream* out) { *out << page.name; }

TEST_P(RefreshPage, ShowsThePageControlsWithTheirGermanCaptions)
{
    const PageCase& page = GetParam();
    goToPage(page.workMode, page.view);
    ASSERT_EQ(state.valveView, page.view);
    for (const int id : kPageControls) {
        const bool expected = page.shown.count(id) == 1;
        EXPECT_EQ(control(id).visible, expected) << "control " << id;
        EXPECT_EQ(control(id).enabled, expected) << "control " << id;
    }
    for (const int id : kAlwaysShown)
        EXPECT_TRUE(control(id).visible) << "control " << id;
    if (page.shown.count(kFirstInputCaption)) {
        EXPECT_EQ(text(kFirstInputCaption), page.firstCaption);
    }
    if (page.shown.count(kSecondInputCaption)) {
        EXPECT_EQ(text(kSecondInputCaption), page.secondCaption);
    }
    EXPECT_EQ(text(kFirstInput), page.firstInput);
    EXPECT_EQ(text(kSecondInput), page.secondInput);
    EXPECT_EQ(window.fields.flowInput, utf16ToUtf8(page.firstInput));
    EXPECT_EQ(window.fields.dpInput, utf16ToUtf8(page.secondInput));
}

INSTANTIATE_TEST_SUITE_P(
    EveryPage, RefreshPage,
    testing::Values(
        PageCase{"SizingStart", 0, 0, kListFields, {}, {}, u"", u""},
        PageCase{"CommissioningStart", 1, 0, kListFields, {}, {}, u"", u""},
        PageCase{"StaticSizing", 0, 2, join({kListFields, kBothTypes}), {}, {}, u"", u""},
        PageCase{"StaticCommissioning", 1, 2, join({kListFields, kFirstType}), {}, {}, u"", u""},
        PageCase{"DynamicSizing", 0, 7, join({kListFields, kBothTypes}), {}, {}, u"", u""},
        PageCase{"DynamicCommissioning", 1, 7, join({kListFields, kFirstType}), {}, {}, u"", u""},
        PageCase{"FixedOrifice", 0, 3, join({kBothTypes, kInputs, kResults, kEntry}), u"Durchflussmenge (l/s)",
                 u"dP Ventil (mbar)", u"0,00", u"100,00"},
        PageCase{"FixedOrificeCommissioning", 1, 4,
                 join({kFirstType, kInputs, {kSecondResultCaption, kSecondResult}},
                      {kFirstInputCaption, kFirstInput, kFlowCalculationButton}),
                 {}, u"dP Ventil (mbar)", u"", u"100,00"},
        PageCase{"VariableOrifice", 0, 5, join({kBothTypes, kInputs, kResults, kEntry}), u"Durchflussmenge (l/s)",
                 u"dP Ventil (mbar)", u"0,00", u"100,00"},
        PageCase{"PressureIndependent", 0, 8,
                 join({kBothTypes, kInputs, kResults, kEntry}, {kSecondInputCaption, kSecondInput}),
                 u"Durchflussmenge (l/s)", {}, u"0,00", u""},
        PageCase{"PressureIndependentCommissioning", 1, 9,
                 join({kFirstType, kInputs, kEntry, {kSecondResultCaption, kSecondResult}},
                      {kFlowCalculationButton}),
                 u"Voreinstellung", u"dP Ventil (mbar)", u"0,00", u"100,00"},
        PageCase{"DpController", 0, 10, join({kBothTypes, kInputs, kEntry}), u"Durchflussmenge (l/s)",
                 u"dP Strang (mbar)", u"0,00", u"100,00"}),
    [](const testing::TestParamInfo<PageCase>& info) { return info.param.name; });

// Group buttons and the first type buttons on the group pages: images,
// frames and the two greys of the mode buttons.
TEST_F(MainWindowTest, StartPageIsSizingWithNoGroupChosen)
{
    EXPECT_EQ(text(kSizingButton), u"Auslegung");
    EXPECT_EQ(text(kCommissioningButton), u"Inbetriebnahme");
    EXPECT_EQ(control(kSizingButton).backColour, (Rgb{85, 85, 85}));
    EXPECT_EQ(control(kCommissioningButton).backColour, (Rgb{194, 194, 194}));
    EXPECT_EQ(control(kSizingButton).font, ControlFont::Regular);
    EXPECT_EQ(text(kProjectDataFrame), u"Auslegung - Parameter");
    EXPECT_EQ(control(kProjectDataFrame).font, ControlFont::Bold);
    EXPECT_EQ(control(kTypeSeriesLabel).textColour, kTextRed);
    EXPECT_FALSE(control(kCandidateList).enabled);
    EXPECT_EQ(control(kStaticGroupButton).imageId, 236);
    EXPECT_EQ(control(kDynamicGroupButton).imageId, 240);
    EXPECT_EQ(control(kBanner).imageId, 241);
    EXPECT_EQ(control(kCloseButton).imageId, 233);
    EXPECT_EQ(text(kCloseButton), u"Schließen");
    EXPECT_EQ(control(kProjectField).font, ControlFont::Regular);
    EXPECT_EQ(control(kCustomerField).font, ControlFont::Template);
}

TEST_F(MainWindowTest, GroupPagesShowTheirTypePicturesAndFrames)
{
    struct Case {
        std::int32_t workMode, view;
        int firstImage;
        std::u16string firstCaption;
        int secondImage;
        std::array<int, 4> frames; // 1037, 1038, 1039, 1040
    };
    for (const Case& c : {Case{0, 2, 183, u"Arvelo Quarz", 184, {1, 0, 0, 0}},
                          Case{1, 2, 183, u"Arvelo Quarz", -1, {1, 0, 0, 0}},
                          Case{0, 7, 186, u"Arvelo Flumen", 185, {0, 1, 0, 0}},
                          Case{1, 7, 186, u"Arvelo Flumen", -1, {0, 1, 0, 0}}}) {
        goToPage(c.workMode, c.view);
        EXPECT_EQ(control(kFirstTypeButton).imageId, c.firstImage);
        EXPECT_EQ(control(kFirstTypeButton).imageMode, 1);
        EXPECT_EQ(control(kFirstTypeButton).backColour, kWhite);
        EXPECT_EQ(text(kFirstTypeCaption), c.firstCaption);
        if (c.secondImage >= 0) {
            EXPECT_EQ(control(kSecondTypeButton).imageId, c.secondImage);
        }
        const std::array<int, 4> frames{control(kStaticGroupButton).selected, control(kDynamicGroupButton).selected,
                                        control(kFirstTypeButton).selected, control(kSecondTypeButton).selected};
        EXPECT_EQ(frames, c.frames) << "page " << c.view << " mode " << c.workMode;
    }
}

TEST_F(MainWindowTest, TypePagesMoveTheFrameAndResetThePanel)
{
    goToPage(0, 3);
    EXPECT_EQ(control(kFirstTypeButton).selected, 1);
    EXPECT_EQ(control(kSecondTypeButton).selected, 0);
    EXPECT_EQ(control(kStaticGroupButton).selected, 1); // kept from the group page
    EXPECT_EQ(text(kFirstResult), u"---");
    EXPECT_EQ(text(kTypeSeriesLabel), u"keine Baureihe/Nennweite verfügbar");
    EXPECT_EQ(text(kValveDetails), u"Materialnummer:\r\n\r\n\r\n\r\n\r\nNennweite:\r\n\r\n");
    EXPECT_TRUE(control(kCandidateList).enabled);

    click(kSecondTypeButton);
    EXPECT_EQ(state.valveView, 5);
    EXPECT_EQ(control(kFirstTypeButton).selected, 0);
    EXPECT_EQ(control(kSecondTypeButton).selected, 1);

    goToPage(0, 8);
    EXPECT_EQ(text(kFirstResultCaption), u"Voreinstellung");
    EXPECT_EQ(text(kSecondResultCaption), u"Durchflussmenge (l/s)");
    EXPECT_EQ(text(kThirdResultCaption), u"Mindest-dP (mbar)");
    EXPECT_EQ(text(kValveDetails).substr(0, 9), u"Mat.-Nr.:");
}

TEST_F(MainWindowTest, EnglishWithCubicMetresPerHourCaptionsTheInputs)
{
    useEnglishAndCubicMetresPerHour();
    EXPECT_EQ(text(kSizingButton), u"Sizing");
    EXPECT_EQ(text(kProjectDataFrame), u"Sizing - Parameter");
    EXPECT_EQ(control(kCandidateList).columns[1].header, u"Type series");
    EXPECT_EQ(control(kValveList).columns[0].header, u"No.");
    goToPage(0, 3);
    EXPECT_EQ(text(kFirstInputCaption), u"Flow rate (m3/h)");
    EXPECT_EQ(text(kSecondInputCaption), u"dP valve (mbar)");
    EXPECT_EQ(text(kSecondResultCaption), u"KV value");
    goToPage(1, 4);
    EXPECT_EQ(text(kSecondResultCaption), u"Flow rate (m3/h)");
    EXPECT_EQ(text(kProjectDataFrame), u"Commissioning - Parameter");
}

TEST_F(MainWindowTest, SizingButtonOnATypePageReturnsToAnEmptyStartPage)
{
    goToPage(0, 8);
    type(kFirstInput, u"0,5");
    window.calculate();
    ASSERT_FALSE(control(kCandidateList).rows.empty());
    click(kSizingButton);
    EXPECT_EQ(state.valveView, 0);
    EXPECT_EQ(window.fields.flowInput, "");
    EXPECT_TRUE(control(kCandidateList).rows.empty());
    EXPECT_FALSE(control(kCandidateList).enabled);
    EXPECT_EQ(control(kValvePicture).imageId, -1);
}

} // namespace
