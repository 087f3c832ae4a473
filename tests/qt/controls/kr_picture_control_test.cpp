#include "qt/controls/kr_picture_control.h"

#include "tests/qt/controls/fake_pictures.h"
#include "tests/qt/controls/widget_image.h"

#include <gtest/gtest.h>

namespace {

class KrPictureControlPaint : public testing::Test {
protected:
    KrPictureControl& control(int width, int height, int imageId)
    {
        control_.setPictureSource(pictures_);
        control_.resize(width, height);
        control_.setImageId(imageId);
        return control_;
    }

    FakePictures pictures_;
    KrPictureControl control_;
};

TEST_F(KrPictureControlPaint, BannerScaledToTheWidth)
{
    pictures_.add(241, solidPicture(4000, 400, kGreen));
    const QImage image = widgetImage(control(1224, 130, 241));
    EXPECT_EQ(inkBounds(image, kWhite), QRect(2, 0, 1220, 122));
    EXPECT_EQ(pixelAt(image, 2, 0), kGreen);
    EXPECT_EQ(pixelAt(image, 1221, 121), kGreen);
}

TEST_F(KrPictureControlPaint, TallPictureIsCutOffAtTheBottom)
{
    pictures_.add(207, solidPicture(100, 200, kGreen));
    const QImage image = widgetImage(control(100, 50, 207));
    EXPECT_EQ(inkBounds(image, kWhite), QRect(0, 0, 100, 50));
}

TEST(KrPictureControl, HalfTransparentPixelsArePremultipliedByRounding)
{
    // The program's own decoding of an embedded picture: reds 255, 1, 2, 3 at alpha 128.
    KrPictureControl control;
    control.resize(4, 4);
    control.setImageId(9001);
    // a = 4, H1 = 1: the row at its own size in the top-left corner.
    const QImage image = widgetImage(control);
    // Over white: the premultiplied red plus 255 * 127 / 255 = 127 of white.
    EXPECT_EQ(pixelAt(image, 0, 0), QColor(255, 127, 127));
    EXPECT_EQ(pixelAt(image, 1, 0), QColor(128, 127, 127));
    EXPECT_EQ(pixelAt(image, 2, 0), QColor(128, 127, 127));
    EXPECT_EQ(pixelAt(image, 3, 0), QColor(129, 127, 127));
    EXPECT_EQ(pixelAt(image, 0, 1), kWhite);
}

TEST(KrPictureControl, PictureWithoutAlphaChannelIsOpaque)
{
    // 9002 is a 24-bit colour picture, (10, 20, 30) throughout.
    KrPictureControl control;
    control.resize(10, 10);
    control.setImageId(9002);
    EXPECT_EQ(inkBounds(widgetImage(control), QColor(10, 20, 30)), QRect());
}

TEST_F(KrPictureControlPaint, NoPictureLeavesItWhite)
{
    EXPECT_EQ(inkBounds(widgetImage(control(150, 163, -1)), kWhite), QRect());
    EXPECT_TRUE(pictures_.reports.empty());
}

TEST_F(KrPictureControlPaint, MissingPictureIsReportedAtEveryPaint)
{
    KrPictureControl& valve = control(150, 163, 4711);
    EXPECT_EQ(inkBounds(widgetImage(valve), kWhite), QRect());
    ASSERT_EQ(pictures_.reports.size(), 1u);
    EXPECT_EQ(pictures_.reports[0], QStringLiteral("NULL in draw KrPictureControl"));
    widgetImage(valve);
    EXPECT_EQ(pictures_.reports.size(), 2u);
}

} // namespace
