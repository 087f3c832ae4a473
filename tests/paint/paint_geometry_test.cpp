#include "paint/button_geometry.h"
#include "paint/picture_control_geometry.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>

void PrintTo(const PaintRect& rect, std::ostream* out)
{
    *out << "(" << rect.left << ", " << rect.top << ", " << rect.width << " x " << rect.height << ")";
}

void PrintTo(const TextSpan& span, std::ostream* out)
{
    *out << "[" << span.left << ", " << span.right << (span.centred ? ") centred" : ") left-aligned");
}

namespace {

TEST(SelectionInset, OnlyOneDrawsTheFrame)
{
    EXPECT_EQ(selectionInset(1), 3);
    EXPECT_EQ(selectionInset(0), 0);
    EXPECT_EQ(selectionInset(2), 0);
    EXPECT_EQ(selectionInset(-1), 0);
}

struct ButtonPictureCase {
    const char* name;
    int imageMode;
    int buttonWidth, buttonHeight;
    int pictureWidth, pictureHeight;
    int inset;
    std::optional<PaintRect> expected;
};

class ButtonPictureRect : public testing::TestWithParam<ButtonPictureCase> {};

TEST_P(ButtonPictureRect, FollowsTheImageMode)
{
    const ButtonPictureCase& c = GetParam();
    EXPECT_EQ(buttonPictureRect(c.imageMode, c.buttonWidth, c.buttonHeight, c.pictureWidth, c.pictureHeight,
                                c.inset),
              c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ButtonPictureRect,
    testing::Values(
        // H1 = 120, margins 6 + 3.
        ButtonPictureCase{"SelectedTypeButton", 1, 120, 120, 120, 120, 3, PaintRect{9, 9, 102, 102}},
        ButtonPictureCase{"UnselectedTypeButton", 1, 120, 130, 120, 120, 0, PaintRect{6, 6, 108, 108}},
        // a = 10: H1 = 12, my = 12 * 50 / 1000 = 0.
        ButtonPictureCase{"WidePictureScaled", 1, 120, 130, 4000, 400, 0, PaintRect{6, 0, 108, 12}},
        // The frame and margins of a 6-pixel button leave nothing.
        ButtonPictureCase{"NoRoomInsideFrame", 1, 6, 6, 40, 40, 3, std::nullopt},
        ButtonPictureCase{"SymbolLeftOfText", 0, 195, 65, 40, 40, 0, PaintRect{10, 12, 40, 40}},
        // The frame does not move a picture at its own size.
        ButtonPictureCase{"SymbolOnSelectedButton", 0, 195, 65, 40, 40, 3, PaintRect{10, 12, 40, 40}},
        // Larger than the button: squeezed in, top = (26 - 120) / 2 toward zero.
        ButtonPictureCase{"PictureLargerThanButton", 0, 24, 26, 120, 120, 0, PaintRect{30, -47, 24, 26}},
        ButtonPictureCase{"OddSizesRoundTowardZero", 0, 38, 41, 25, 25, 0, PaintRect{6, 8, 25, 25}},
        ButtonPictureCase{"UnknownMode", 2, 195, 65, 40, 40, 0, std::nullopt},
        ButtonPictureCase{"NegativeMode", -1, 195, 65, 40, 40, 0, std::nullopt},
        ButtonPictureCase{"EmptyPicture", 1, 120, 120, 0, 0, 0, std::nullopt}),
    [](const testing::TestParamInfo<ButtonPictureCase>& info) { return std::string(info.param.name); });

TEST(ButtonTextSpan, StartsOneAndAHalfPictureWidthsIn)
{
    EXPECT_EQ(buttonTextSpan(195, 40, 187), (TextSpan{60, 185, false}));
    // 25 + 12 and 228 - 6: integer halves and quarters.
    EXPECT_EQ(buttonTextSpan(228, 25, 198), (TextSpan{37, 222, false}));
}

TEST(ButtonTextSpan, WithoutPictureIdTheWholeWidthCentred)
{
    EXPECT_EQ(buttonTextSpan(90, 0, kNoPicture), (TextSpan{0, 90, true}));
}

TEST(ButtonTextSpan, PictureThatFailedToLoadLeavesTextLeftAligned)
{
    EXPECT_EQ(buttonTextSpan(195, 0, 187), (TextSpan{0, 195, false}));
}

TEST(ButtonTextSpan, WidePictureLeavesNoRoom)
{
    const TextSpan span = buttonTextSpan(120, 120, 183);
    EXPECT_GE(span.left, span.right);
}

struct PictureControlCase {
    const char* name;
    int controlWidth;
    int pictureWidth, pictureHeight;
    std::optional<PaintRect> expected;
};

class PictureControlRect : public testing::TestWithParam<PictureControlCase> {};

TEST_P(PictureControlRect, ScalesToTheWidth)
{
    const PictureControlCase& c = GetParam();
    EXPECT_EQ(pictureControlRect(c.controlWidth, c.pictureWidth, c.pictureHeight), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PictureControlRect,
    testing::Values(
        // a = 10, H1 = 122, mx = 2, my = 0.
        PictureControlCase{"Banner", 1224, 4000, 400, PaintRect{2, 0, 1220, 122}},
        PictureControlCase{"ValvePicture", 150, 400, 400, PaintRect{0, 0, 150, 150}},
        // a = 967 / 1024 in single precision; H1 = 158.84 cut to 158.
        PictureControlCase{"TallValvePicture", 150, 967, 1024, PaintRect{0, 0, 150, 158}},
        PictureControlCase{"MarginsFromAThousandPixels", 1000, 1000, 1000, PaintRect{2, 2, 996, 996}},
        PictureControlCase{"FlatPictureLessThanOnePixelHigh", 100, 4000, 1, std::nullopt},
        PictureControlCase{"EmptyPicture", 100, 0, 10, std::nullopt}),
    [](const testing::TestParamInfo<PictureControlCase>& info) { return std::string(info.param.name); });

} // namespace
