#include "windows/main/arvelo_calc_dlg.h"

#include "app/unit_conversion.h"
#include "branch/branch_text_ids.h"
#include "data/text_format.h"
#include "windows/main/main_window_ids.h"
#include "sizing/result_captions.h"

#include <array>
#include <initializer_list>
#include <utility>

using namespace MainWindowId;

namespace {

constexpr Rgb kCurrentModeGrey{85, 85, 85};
constexpr Rgb kOtherModeGrey{194, 194, 194};
constexpr int kTextCurveHint = 149;
const std::u16string kNoValue = u"---";

bool isGroupPage(std::int32_t view) { return view == 0 || view == 2 || view == 7; }
bool isStaticTypePage(std::int32_t view) { return view >= 3 && view <= 5; }

// A caption of the type part: its text (a table text, formatted with the
// flow or pressure unit where it has a "%s") or "---".
enum class Unit { None, Flow, Pressure };
struct Caption {
    int textId = -1; // -1: "---"
    Unit unit = Unit::None;
};

// How a type page shows one input or one result: untouched (hidden from the
// group page), or shown or hidden with a caption and a field text.
struct Row {
    bool touched = false;
    bool shown = false;
    Caption caption;
    const char16_t* value = u""; // field text
};

struct TypePage {
    std::int32_t view;
    Row firstInput;   // 1027 with 1005
    bool flowCalculation;  // 1042 shown (else left hidden)
    Row secondInput;  // 1034 with 1007
};

constexpr const char16_t* kZero = u"0,00";
constexpr const char16_t* kHundred = u"100,00";
constexpr const char16_t* kEmpty = u"";

constexpr Row kUntouched{};
constexpr Row shown(Caption caption, const char16_t* value) { return {true, true, caption, value}; }
constexpr Row hidden(Caption caption, const char16_t* value) { return {true, false, caption, value}; }

constexpr Caption kFlowRate{18, Unit::Flow};
constexpr Caption kPresettingInput{20, Unit::None};
constexpr Caption kDpValve{19, Unit::Pressure};
constexpr Caption kDpBranch{21, Unit::Pressure};
constexpr Caption kDashCaption{-1, Unit::None};

const std::array<TypePage, 6> kTypePages{{
    {3, shown(kFlowRate, kZero), true, shown(kDpValve, kHundred)},
    {4, kUntouched, false, shown(kDpValve, kHundred)},
    {5, shown(kFlowRate, kZero), true, shown(kDpValve, kHundred)},
    {8, shown(kFlowRate, kZero), true, hidden(kDashCaption, kEmpty)},
    {9, shown(kPresettingInput, kZero), false, shown(kDpValve, kHundred)},
    {10, shown(kFlowRate, kZero), true, shown(kDpBranch, kHundred)},
}};

void show(ControlState& control, bool visible)
{
    control.visible = visible;
    control.enabled = visible;
}

} // namespace

// "Sizing - Parameter" or "Commissioning - Parameter".
std::u16string CArveloCalcDlg::projectDataCaption() const
{
    return formatText(text(17), {text(state_.workMode == 0 ? 0 : 1)});
}

void CArveloCalcDlg::refreshPage()
{
    // The picture of a calculated valve says how to see its curve.
    controls()[kValvePicture].text = text(kTextCurveHint);
    if (isGroupPage(state_.valveView))
        refreshGroupPart();
    refreshSelectionFrames();
    if (!isGroupPage(state_.valveView))
        refreshTypePart();
    refreshMeasurementButton();
}

void CArveloCalcDlg::setModeButtons()
{
    ControlModel& c = controls();
    for (const int id : {kSizingButton, kCommissioningButton}) {
        const bool current = (id == kSizingButton) == (state_.workMode == 0);
        c[id].font = ControlFont::Regular;
        c[id].backColour = current ? kCurrentModeGrey : kOtherModeGrey;
        c[id].textColour = kWhite;
    }
    c[kSizingButton].text = text(0);
    c[kCommissioningButton].text = text(1);
}

void CArveloCalcDlg::refreshGroupPart()
{
    ControlModel& c = controls();
    setModeButtons();

    c[kSettingsFrame].font = ControlFont::Regular;
    c[kSettingsFrame].text = text(2);
    struct MenuButton {
        int id;
        int image;
        int textId;
    };
    for (const MenuButton& button :
         {MenuButton{kPreferencesButton, 188, 3}, MenuButton{kUnitsButton, 189, 4}, MenuButton{kLanguageButton, 187, 5},
          MenuButton{kBalanceBranchButton, kBalanceBranchImage, branch_text::kBalanceBranch},
          MenuButton{kCloseButton, 233, 6}}) {
        c[button.id].imageId = button.image;
        c[button.id].imageMode = 0;
        c[button.id].font = ControlFont::Regular;
        c[button.id].text = text(button.textId);
    }

    c[kStaticGroupButton].imageId = 236;
    c[kStaticGroupButton].imageMode = 1;
    c[kStaticGroupButton].selected = 0;
    c[kStaticGroupCaption].text = text(10);
    c[kDynamicGroupButton].imageId = 240;
    c[kDynamicGroupButton].imageMode = 1;
    c[kDynamicGroupButton].selected = 0;
    c[kDynamicGroupCaption].text = text(11);

    for (const int id : {kFirstTypeButton, kSecondTypeButton}) {
        c[id].backColour = kWhite;
        show(c[id], false);
    }
    show(c[kFirstTypeCaption], false);
    show(c[kSecondTypeCaption], false);

    // The group's type buttons: both in sizing, only the first (which has a
    // commissioning page) in commissioning.
    struct GroupTypes {
        std::int32_t view;
        int firstImage, firstText, secondImage, secondText;
    };
    for (const GroupTypes& group : {GroupTypes{2, 183, 12, 184, 13}, GroupTypes{7, 186, 14, 185, 15}}) {
        if (state_.valveView != group.view)
            continue;
        c[kFirstTypeButton].imageId = group.firstImage;
        c[kFirstTypeButton].imageMode = 1;
        show(c[kFirstTypeButton], true);
        c[kFirstTypeCaption].text = text(group.firstText);
        show(c[kFirstTypeCaption], true);
        if (state_.workMode != 0)
            continue;
        c[kSecondTypeButton].imageId = group.secondImage;
        c[kSecondTypeButton].imageMode = 1;
        show(c[kSecondTypeButton], true);
        c[kSecondTypeCaption].text = text(group.secondText);
        show(c[kSecondTypeCaption], true);
    }

    for (const int id : {kTypeFrame, kProjectDataFrame, kResultsFrame})
        c[id].font = ControlFont::Bold;
    c[kTypeFrame].text = text(16);
    c[kProjectDataFrame].text = projectDataCaption();
    c[kResultsFrame].text = text(23);

    // Project data: everything hidden until a type page shows it.
    for (const int id : {kFirstInputCaption, kSecondInputCaption, kSecondResultCaption, kFirstInput, kSecondInput,
                         kFlowCalculationButton, kDisclaimer, kFirstResultCaption, kThirdResultCaption, kFirstResult,
                         kSecondResult, kThirdResult})
        show(c[id], false);
    writeField(kFirstInput, u"");
    writeField(kSecondInput, u"");
    c[kFlowCalculationButton].imageId = 191;
    c[kFlowCalculationButton].imageMode = 0;
    c[kDisclaimer].text = text(22);
    c[kFirstResultCaption].text = text(24);
    c[kThirdResultCaption].text = text(26);
    for (const int id : {kFirstResult, kSecondResult, kThirdResult})
        c[id].text = kNoValue;
    c[kSecondResult].textColour = kTextBlack;

    c[kCalculateButton].imageId = 197;
    c[kCalculateButton].imageMode = 0;
    show(c[kCalculateButton], false);

    // Results: visible, disabled, empty.
    for (const int id : {kValvePicture, kTypeSeriesLabel, kValveDetails, kCandidateList}) {
        c[id].visible = true;
        c[id].enabled = false;
    }
    c[kValvePicture].imageId = -1;
    c[kTypeSeriesLabel].text = text(33);
    c[kTypeSeriesLabel].textColour = kTextRed;
    c[kValveDetails].text.clear();
    c[kCandidateList].rows.clear();
    c[kCandidateList].selectedRow = -1;
    fields.candidateIndex = -1;

    c[kValveListFrame].font = ControlFont::Bold;
    c[kValveListFrame].text = text(48);
    c[kProjectCaption].text = text(39);
    c[kCustomerCaption].text = text(40);
    c[kProjectField].font = ControlFont::Regular;
    for (const int id : {kProjectCaption, kCustomerCaption, kProjectField, kCustomerField})
        show(c[id], true);
    c[kDesignationCaption].text = text(41);
    c[kAddButton].imageId = 198;
    c[kAddButton].imageMode = 0;
    c[kAddButton].text = text(42);
    for (const int id : {kDesignationCaption, kDesignationField, kAddButton})
        show(c[id], false);
    struct ListButton {
        int id;
        int textId;
    };
    for (const ListButton& button : {ListButton{kDeleteTableButton, 43}, ListButton{kDeleteValveButton, 44},
                                     ListButton{kExportButton, 45}}) {
        c[button.id].imageId = -1;
        c[button.id].imageMode = 0;
        c[button.id].text = text(button.textId);
        show(c[button.id], true);
    }

    c[kValveList].enabled = true;
    c[kValveList].rows.clear();
    valveListIndex = -1;
    fillValveList();
}

void CArveloCalcDlg::refreshSelectionFrames()
{
    ControlModel& c = controls();
    // Per page: 1037, 1038, 1039, 1040; -1 leaves a frame as it is.
    struct Frames {
        std::int32_t view;
        std::array<int, 4> frames;
    };
    static constexpr std::array<Frames, 9> kFrames{{
        {0, {0, 0, -1, -1}},
        {2, {1, 0, 0, 0}},
        {7, {0, 1, 0, 0}},
        {3, {-1, -1, 1, 0}},
        {4, {-1, -1, 1, 0}},
        {8, {-1, -1, 1, 0}},
        {9, {-1, -1, 1, 0}},
        {5, {-1, -1, 0, 1}},
        {10, {-1, -1, 0, 1}},
    }};
    static constexpr std::array<int, 4> kButtons{kStaticGroupButton, kDynamicGroupButton, kFirstTypeButton,
                                                 kSecondTypeButton};
    for (const Frames& page : kFrames) {
        if (page.view != state_.valveView)
            continue;
        for (std::size_t i = 0; i < kButtons.size(); ++i)
            if (page.frames[i] >= 0)
                c[kButtons[i]].selected = page.frames[i];
    }
}

void CArveloCalcDlg::refreshTypePart()
{
    ControlModel& c = controls();
    c[kProjectDataFrame].text = projectDataCaption();

    const TypePage* page = nullptr;
    for (const TypePage& candidate : kTypePages)
        if (candidate.view == state_.valveView)
            page = &candidate;
    if (!page)
        return;

    const auto captionText = [this](const Caption& caption) -> std::u16string {
        if (caption.textId == -1)
            return kNoValue;
        const std::u16string format = text(caption.textId);
        if (caption.unit == Unit::Flow)
            return formatText(format, {utf8ToUtf16(flowUnitLabel(state_))});
        if (caption.unit == Unit::Pressure)
            return formatText(format, {utf8ToUtf16(pressureUnitLabel(state_))});
        return format;
    };
    const auto apply = [&](const Row& row, int captionId, int fieldId) {
        if (!row.touched)
            return;
        c[captionId].text = captionText(row.caption);
        writeField(fieldId, row.value);
        show(c[captionId], row.shown);
        show(c[fieldId], row.shown);
    };
    apply(page->firstInput, kFirstInputCaption, kFirstInput);
    if (page->flowCalculation)
        show(c[kFlowCalculationButton], true);
    apply(page->secondInput, kSecondInputCaption, kSecondInput);
    show(c[kDisclaimer], true);

    // The results: "---" under their captions; a caption the page hides
    // keeps its text unless the page writes "---" into it too.
    const auto captions = resultCaptions(state_, state_.valveView);
    const std::array<std::pair<int, int>, 3> results{
        {{kFirstResultCaption, kFirstResult}, {kSecondResultCaption, kSecondResult}, {kThirdResultCaption, kThirdResult}}};
    for (std::size_t i = 0; i < results.size(); ++i) {
        const auto [captionId, fieldId] = results[i];
        if (captions[i].shown || !captions[i].text.empty()) {
            c[captionId].text = captions[i].text;
            c[fieldId].text = kNoValue;
        }
        show(c[captionId], captions[i].shown);
        show(c[fieldId], captions[i].shown);
    }
    // Only the verdict "dP insufficient" is red; every "---" is black.
    c[kSecondResult].textColour = kTextBlack;

    show(c[kCalculateButton], true);

    const bool entryShown = !isStaticTypePage(state_.valveView) || state_.workMode == 0;
    for (const int id : {kProjectCaption, kCustomerCaption, kDesignationCaption, kProjectField, kCustomerField,
                         kDesignationField, kAddButton})
        show(c[id], entryShown);
    show(c[kDeleteTableButton], true);
    show(c[kExportButton], true);

    c[kValvePicture].imageId = -1;
    c[kValvePicture].enabled = true;
    c[kTypeSeriesLabel].text = text(33);
    c[kTypeSeriesLabel].textColour = kTextRed;
    c[kTypeSeriesLabel].enabled = true;
    c[kValveDetails].enabled = true;
    c[kValveDetails].text = isStaticTypePage(state_.valveView) ? formatText(text(34), {}) : formatText(text(35), {});
    c[kCandidateList].enabled = true;
}
