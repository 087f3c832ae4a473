#include "resources/layouts/dialog_templates.h"
#include "resources/layouts/dialog_units.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

namespace {

struct Placed {
    int id;
    ControlClass controlClass;
    DialogRect rect;
    std::uint32_t styles;
};

// The main window as its template gives it.
const Placed kMainWindowControls[] = {
    {1033, ControlClass::Picture, {6, 4, 816, 80}, kNoStyle},
    {7, ControlClass::OwnerDrawnButton, {4, 91, 70, 20}, kNoStyle},
    {9, ControlClass::OwnerDrawnButton, {79, 91, 70, 20}, kNoStyle},
    {1037, ControlClass::OwnerDrawnButton, {18, 137, 40, 40}, kNoStyle},
    {1029, ControlClass::Label, {4, 180, 70, 8}, kCentred},
    {1038, ControlClass::OwnerDrawnButton, {93, 137, 40, 40}, kNoStyle},
    {1030, ControlClass::Label, {78, 180, 70, 8}, kCentred},
    {1031, ControlClass::Group, {4, 208, 142, 248}, kNoStyle},
    {1048, ControlClass::OwnerDrawnButton, {9, 222, 130, 40}, kNoStyle},
    {1049, ControlClass::OwnerDrawnButton, {9, 271, 130, 40}, kNoStyle},
    {1050, ControlClass::OwnerDrawnButton, {9, 322, 130, 40}, kNoStyle},
    {1060, ControlClass::OwnerDrawnButton, {9, 366, 130, 40}, kNoStyle},
    {1, ControlClass::OwnerDrawnButton, {9, 411, 130, 40}, kNoStyle},
    {1056, ControlClass::Group, {162, 88, 117, 256}, kNoStyle},
    {1039, ControlClass::OwnerDrawnButton, {179, 109, 80, 80}, kNoStyle},
    {1052, ControlClass::Label, {166, 191, 110, 18}, kCentred},
    {1040, ControlClass::OwnerDrawnButton, {179, 236, 80, 80}, kNoStyle},
    {1053, ControlClass::Label, {166, 319, 110, 16}, kCentred},
    {1032, ControlClass::Group, {284, 88, 548, 121}, kNoStyle},
    {1027, ControlClass::Label, {296, 108, 88, 8}, kNoStyle},
    {1005, ControlClass::Field, {385, 107, 36, 14}, kBorder | kTabStop | kHorizontalScroll},
    {1042, ControlClass::OwnerDrawnButton, {426, 106, 16, 16}, kNoStyle},
    {1034, ControlClass::Label, {295, 126, 87, 8}, kNoStyle},
    {1007, ControlClass::Field, {385, 123, 36, 14}, kBorder | kTabStop | kHorizontalScroll},
    {11, ControlClass::OwnerDrawnButton, {396, 143, 25, 25}, kNoStyle},
    {1047, ControlClass::Label, {291, 198, 154, 8}, kNoStyle},
    {1017, ControlClass::ListView, {513, 99, 314, 103}, kBorder},
    {1051, ControlClass::Group, {284, 218, 392, 127}, kNoStyle},
    {1046, ControlClass::Label, {291, 230, 143, 25}, kNoStyle},
    {1045, ControlClass::Picture, {307, 242, 100, 100}, kNoStyle},
    {1010, ControlClass::Field, {438, 230, 96, 106}, kMultiLine | kReadOnly},
    {1036, ControlClass::Label, {556, 230, 105, 8}, kNoStyle},
    {1006, ControlClass::Field, {554, 246, 36, 14}, kReadOnly},
    {1043, ControlClass::Label, {556, 270, 92, 8}, kNoStyle},
    {1008, ControlClass::Field, {554, 285, 112, 12}, kReadOnly},
    {1044, ControlClass::Label, {556, 310, 107, 8}, kNoStyle},
    {1009, ControlClass::Field, {554, 325, 36, 14}, kReadOnly},
    {1054, ControlClass::Label, {678, 218, 41, 8}, kNoStyle},
    {1018, ControlClass::Field, {678, 229, 151, 14}, kBorder | kTabStop},
    {1055, ControlClass::Label, {678, 247, 41, 8}, kNoStyle},
    {1019, ControlClass::Field, {677, 257, 152, 14}, kBorder | kTabStop},
    {1035, ControlClass::Label, {679, 286, 41, 8}, kNoStyle},
    {1016, ControlClass::Field, {678, 297, 151, 14}, kBorder | kTabStop},
    {8, ControlClass::OwnerDrawnButton, {678, 319, 152, 25}, kNoStyle},
    {1022, ControlClass::Group, {162, 350, 667, 106}, kNoStyle},
    {1014, ControlClass::ListView, {168, 366, 593, 85}, kBorder},
    {6, ControlClass::OwnerDrawnButton, {765, 364, 60, 20}, kNoStyle},
    {10, ControlClass::OwnerDrawnButton, {765, 386, 60, 20}, kNoStyle},
    {1100, ControlClass::OwnerDrawnButton, {765, 408, 60, 20}, kNoStyle}, // record measurement
    {4, ControlClass::OwnerDrawnButton, {765, 430, 60, 20}, kNoStyle},
};

TEST(MainWindowTemplate, SizeAndCaption)
{
    const DialogTemplate& dialog = mainWindowTemplate();
    EXPECT_EQ(dialog.id, 102);
    EXPECT_EQ(dialog.width, 853);
    EXPECT_EQ(dialog.height, 471);
    EXPECT_EQ(dialog.caption, u"Arvelo Rezu");
}

TEST(MainWindowTemplate, HoldsEveryControlAtItsPlace)
{
    const DialogTemplate& dialog = mainWindowTemplate();
    EXPECT_EQ(dialog.controls.size(), std::size(kMainWindowControls));
    for (const Placed& expected : kMainWindowControls) {
        const Control* control = findControl(dialog, expected.id);
        ASSERT_NE(control, nullptr) << expected.id;
        EXPECT_EQ(control->controlClass, expected.controlClass) << expected.id;
        EXPECT_EQ(control->rect.x, expected.rect.x) << expected.id;
        EXPECT_EQ(control->rect.y, expected.rect.y) << expected.id;
        EXPECT_EQ(control->rect.width, expected.rect.width) << expected.id;
        EXPECT_EQ(control->rect.height, expected.rect.height) << expected.id;
        EXPECT_EQ(control->styles, expected.styles) << expected.id;
    }
}

TEST(MainWindowTemplate, TabVisitsTheFiveBorderedFields)
{
    EXPECT_EQ(mainWindowTemplate().tabOrder, (std::vector<int>{1005, 1007, 1016, 1018, 1019}));
}

class EveryTemplate : public testing::TestWithParam<int> {};

TEST_P(EveryTemplate, IsFoundByItsId)
{
    const DialogTemplate* dialog = findDialogTemplate(GetParam());
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->id, GetParam());
    EXPECT_GT(dialog->width, 0);
    EXPECT_GT(dialog->height, 0);
}

TEST_P(EveryTemplate, IdsAreUnique)
{
    std::set<int> seen;
    for (const Control& control : findDialogTemplate(GetParam())->controls) {
        if (control.id != kNoControlId) {
            EXPECT_TRUE(seen.insert(control.id).second) << "duplicate " << control.id;
        }
    }
}

TEST_P(EveryTemplate, TabOrderHoldsEachTabStopOnce)
{
    const DialogTemplate& dialog = *findDialogTemplate(GetParam());
    std::multiset<int> tabStops;
    for (const Control& control : dialog.controls) {
        if (control.has(kTabStop))
            tabStops.insert(control.id);
    }
    EXPECT_EQ(std::multiset<int>(dialog.tabOrder.begin(), dialog.tabOrder.end()), tabStops);
}

TEST_P(EveryTemplate, ControlsLieInsideTheDialog)
{
    const DialogTemplate& dialog = *findDialogTemplate(GetParam());
    for (const Control& control : dialog.controls) {
        EXPECT_GE(control.rect.x, 0) << control.id;
        EXPECT_GE(control.rect.y, 0) << control.id;
        EXPECT_GT(control.rect.width, 0) << control.id;
        EXPECT_GT(control.rect.height, 0) << control.id;
        EXPECT_LE(control.rect.x + control.rect.width, dialog.width) << control.id;
        // A drop-down list's height includes its open list, which may reach past the dialog.
        if (control.controlClass != ControlClass::ComboBox) {
            EXPECT_LE(control.rect.y + control.rect.height, dialog.height) << control.id;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Templates, EveryTemplate, testing::Values(100, 102, 103, 104, 105, 106, 107, 109));

TEST(DialogTemplates, UnknownIdFindsNothing)
{
    EXPECT_EQ(findDialogTemplate(101), nullptr);
    EXPECT_EQ(findControl(mainWindowTemplate(), 1015), nullptr);
    EXPECT_EQ(findControl(aboutBoxTemplate(), kNoControlId), nullptr);
}

struct DialogCase {
    int templateId;
    int width, height;
    std::vector<int> tabOrder;
};

class SettingsDialogTemplate : public testing::TestWithParam<DialogCase> {};

TEST_P(SettingsDialogTemplate, SizeAndTabOrder)
{
    const DialogCase& c = GetParam();
    const DialogTemplate& dialog = *findDialogTemplate(c.templateId);
    EXPECT_EQ(dialog.width, c.width);
    EXPECT_EQ(dialog.height, c.height);
    EXPECT_EQ(dialog.tabOrder, c.tabOrder);
    // The opener passes the title.
    EXPECT_TRUE(dialog.caption.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Dialogs, SettingsDialogTemplate,
    testing::Values(DialogCase{103, 343, 245, {1055, 1056, 1057}},
                    DialogCase{104, 341, 270, {1059, 1061, 1065, 1067, 1062, 1063}},
                    DialogCase{105, 341, 270, {1069, 1071, 1073, 1078, 1080, 1075, 1076, 1077}},
                    DialogCase{106, 213, 186, {1086, 1087, 1089, 1090, 1088, 1091}}));

TEST(SettingsDialogTemplates, ControlsWithTheirFonts)
{
    struct Expected {
        int templateId;
        int id;
        ControlClass controlClass;
        DialogRect rect;
        ControlFont font;
    };
    const Expected expected[] = {
        {103, 1052, ControlClass::Label, {141, 21, 59, 8}, ControlFont::Bold},
        {103, 1055, ControlClass::ComboBox, {112, 37, 117, 141}, ControlFont::Template},
        {103, 1057, ControlClass::PushButton, {290, 224, 50, 14}, ControlFont::Regular},
        {104, 1060, ControlClass::Label, {203, 14, 88, 8}, ControlFont::Bold},
        {104, 1067, ControlClass::ComboBox, {201, 173, 119, 37}, ControlFont::Template},
        {104, 1062, ControlClass::PushButton, {227, 249, 50, 14}, ControlFont::Regular},
        {105, 1079, ControlClass::Label, {19, 131, 62, 13}, ControlFont::Template},
        {105, 1080, ControlClass::Field, {84, 147, 40, 14}, ControlFont::Template},
        {105, 1074, ControlClass::Label, {53, 177, 55, 8}, ControlFont::Bold},
        {106, 1084, ControlClass::Label, {26, 86, 105, 18}, ControlFont::Regular},
        {106, 1085, ControlClass::Label, {26, 120, 109, 15}, ControlFont::Bold},
        {106, 1091, ControlClass::PushButton, {157, 167, 50, 14}, ControlFont::Regular},
    };
    for (const Expected& e : expected) {
        const Control* control = findControl(*findDialogTemplate(e.templateId), e.id);
        ASSERT_NE(control, nullptr) << e.id;
        EXPECT_EQ(control->controlClass, e.controlClass) << e.id;
        EXPECT_EQ(control->rect.x, e.rect.x) << e.id;
        EXPECT_EQ(control->rect.y, e.rect.y) << e.id;
        EXPECT_EQ(control->rect.width, e.rect.width) << e.id;
        EXPECT_EQ(control->rect.height, e.rect.height) << e.id;
        EXPECT_EQ(control->font, e.font) << e.id;
    }
    EXPECT_TRUE(findControl(flowDialogTemplate(), 1090)->has(kReadOnly));
    EXPECT_TRUE(findControl(languageDialogTemplate(), 1052)->has(kCentred));
}

TEST(AboutBoxTemplate, IconTextsAndDefaultOkButton)
{
    const DialogTemplate& about = aboutBoxTemplate();
    EXPECT_EQ(about.width, 170);
    EXPECT_EQ(about.height, 62);
    EXPECT_EQ(about.caption, u"About Arvelo Rezu");
    const auto icon = std::find_if(about.controls.begin(), about.controls.end(),
                                   [](const Control& c) { return c.controlClass == ControlClass::Icon; });
    ASSERT_NE(icon, about.controls.end());
    EXPECT_EQ(icon->resourceId, 144);
    EXPECT_EQ(icon->rect.x, 14);
    EXPECT_EQ(icon->rect.width, 20);
    const auto version = std::find_if(about.controls.begin(), about.controls.end(),
                                      [](const Control& c) { return c.text == u"Arvelo Rezu 2.02.15"; });
    ASSERT_NE(version, about.controls.end());
    EXPECT_EQ(version->rect.x, 42);
    EXPECT_EQ(version->rect.y, 14);
    const Control* ok = findControl(about, 1);
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->controlClass, ControlClass::PushButton);
    EXPECT_TRUE(ok->has(kDefaultButton));
    EXPECT_EQ(ok->rect.x, 113);
    EXPECT_EQ(ok->rect.y, 41);
}

struct UnitCase {
    int units;
    int horizontal;
    int vertical;
};

class DialogUnitsToPixels : public testing::TestWithParam<UnitCase> {};

TEST_P(DialogUnitsToPixels, RoundsToTheNearestPixel)
{
    EXPECT_EQ(horizontalDialogUnitsToPixels(GetParam().units), GetParam().horizontal);
    EXPECT_EQ(verticalDialogUnitsToPixels(GetParam().units), GetParam().vertical);
}

INSTANTIATE_TEST_SUITE_P(
    Units, DialogUnitsToPixels,
    testing::Values(UnitCase{0, 0, 0},
                    // 1.5 -> 2 and 1.625 -> 2.
                    UnitCase{1, 2, 2},
                    // 4.5 -> 5 and 4.875 -> 5.
                    UnitCase{3, 5, 5},
                    // 6 and 6.5: the half rounds up.
                    UnitCase{4, 6, 7}, UnitCase{80, 120, 130},
                    // 24.375 -> 24 down.
                    UnitCase{15, 23, 24},
                    // The main window: 1279.5 -> 1280 across, 765.375 -> 765 down.
                    UnitCase{853, 1280, 1386}, UnitCase{471, 707, 765},
                    // Away from zero below it too.
                    UnitCase{-1, -2, -2}));

TEST(DialogUnitsToPixels, ConvertsEachNumberOfARect)
{
    // The banner: 816 x 80 units is 1224 x 130 pixels.
    const PixelRect banner = toPixels(findControl(mainWindowTemplate(), 1033)->rect);
    EXPECT_EQ(banner.x, 9);
    EXPECT_EQ(banner.y, 7);
    EXPECT_EQ(banner.width, 1224);
    EXPECT_EQ(banner.height, 130);
    // The settings buttons are 195 x 65 pixels.
    const PixelRect language = toPixels(findControl(mainWindowTemplate(), 1050)->rect);
    EXPECT_EQ(language.width, 195);
    EXPECT_EQ(language.height, 65);
}

} // namespace
