// The embedded pictures: each must exist at the exact size and pixel format
// the windows draw it with, and show something worth looking at.

#include "qt/resources/image_resource_path.h"
#include "qt/resources/program_icon.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QList>
#include <QPixmap>
#include <QPoint>
#include <QSet>
#include <QSize>

#include <ostream>
#include <string>
#include <vector>

namespace {

enum class Kind {
    OnWhite,      // opaque white background, but stored with an alpha channel
    Picture,      // drawing on transparency
    NoAlpha,      // 24-bit colour, no alpha channel
    ListPicture,  // small drawing on transparency; black is the candidate list's mask colour
    Symbol,       // white symbol on transparency, for the blue buttons
};

struct Expected {
    int id;
    int width;
    int height;
    Kind kind;
};

std::ostream& operator<<(std::ostream& out, const Expected& e)
{
    return out << "picture " << e.id;
}

const Expected kPictures[] = {
    {183, 120, 120, Kind::OnWhite},     {184, 120, 120, Kind::OnWhite},     {185, 120, 120, Kind::OnWhite},
    {186, 120, 120, Kind::OnWhite},     {187, 40, 40, Kind::Symbol},        {188, 40, 40, Kind::Symbol},
    {189, 40, 40, Kind::Symbol},        {191, 16, 16, Kind::Symbol},        {197, 25, 25, Kind::Symbol},
    {198, 25, 25, Kind::Symbol},        {203, 400, 400, Kind::Picture},     {204, 400, 400, Kind::Picture},
    {205, 400, 400, Kind::Picture},     {206, 400, 400, Kind::Picture},     {207, 967, 1024, Kind::NoAlpha},
    {208, 400, 400, Kind::Picture},     {209, 400, 400, Kind::Picture},     {210, 400, 400, Kind::Picture},
    {211, 400, 400, Kind::Picture},     {212, 400, 400, Kind::Picture},     {213, 400, 400, Kind::Picture},
    {214, 400, 400, Kind::Picture},     {215, 400, 400, Kind::Picture},     {216, 400, 400, Kind::Picture},
    {217, 400, 400, Kind::Picture},     {218, 48, 48, Kind::ListPicture},   {219, 48, 48, Kind::ListPicture},
    {220, 48, 48, Kind::ListPicture},   {221, 48, 48, Kind::ListPicture},   {222, 48, 48, Kind::ListPicture},
    {223, 48, 48, Kind::ListPicture},   {224, 48, 48, Kind::ListPicture},   {225, 48, 48, Kind::ListPicture},
    {226, 48, 48, Kind::ListPicture},   {227, 48, 48, Kind::ListPicture},   {228, 48, 48, Kind::ListPicture},
    {229, 48, 48, Kind::ListPicture},   {230, 48, 48, Kind::ListPicture},   {231, 48, 48, Kind::ListPicture},
    {232, 48, 48, Kind::ListPicture},   {233, 40, 40, Kind::Symbol},        {236, 80, 80, Kind::Symbol},
    {240, 80, 80, Kind::Symbol},        {241, 4000, 400, Kind::Picture},    {144, 256, 256, Kind::Picture},
    {242, 40, 40, Kind::Symbol},
};

// What the pixels of one picture add up to.
struct PixelCensus {
    int pixels = 0;
    int transparent = 0;  // alpha 0
    int opaque = 0;       // alpha 255
    int offWhiteVisible = 0;
    int blackVisible = 0;
    QSet<QRgb> colours;  // of the mostly opaque pixels
};

PixelCensus takeCensus(const QImage& image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    PixelCensus census;
    for (int y = 0; y < argb.height(); ++y) {
        for (int x = 0; x < argb.width(); ++x) {
            const QRgb p = argb.pixel(x, y);
            const int a = qAlpha(p);
            ++census.pixels;
            census.transparent += a == 0;
            census.opaque += a == 255;
            if (a == 0)
                continue;
            // Faint edge pixels carry little colour information; judge the ones that show.
            if (a >= 128) {
                census.colours.insert(p & 0x00ffffff);
                census.blackVisible += (p & 0x00ffffff) == 0;
                census.offWhiteVisible += qRed(p) < 235 || qGreen(p) < 235 || qBlue(p) < 235;
            }
        }
    }
    return census;
}

bool isWhite(QRgb p)
{
    return qAlpha(p) == 255 && qRed(p) == 255 && qGreen(p) == 255 && qBlue(p) == 255;
}

class PictureTest : public ::testing::TestWithParam<Expected> {
protected:
    void SetUp() override
    {
        image = QImage(imageResourcePath(GetParam().id));
        ASSERT_FALSE(image.isNull()) << "missing or unreadable " << imageResourcePath(GetParam().id).toStdString();
    }

    QImage image;
};

TEST_P(PictureTest, HasItsExactSizeAndAlphaChannel)
{
    const Expected& e = GetParam();
    EXPECT_EQ(image.size(), QSize(e.width, e.height));
    EXPECT_EQ(image.hasAlphaChannel(), e.kind != Kind::NoAlpha);
}

TEST_P(PictureTest, ShowsMoreThanOneColour)
{
    const PixelCensus census = takeCensus(image);
    if (GetParam().kind == Kind::Symbol) {
        // one colour by design; the shape is in the alpha channel
        EXPECT_GT(census.opaque, census.pixels / 20);
        EXPECT_GT(census.transparent, census.pixels / 10);
        return;
    }
    EXPECT_GT(census.colours.size(), 50) << "a blank or flat picture";
}

TEST_P(PictureTest, SuitsTheBackgroundItIsDrawnOn)
{
    const PixelCensus census = takeCensus(image);
    const int w = image.width() - 1;
    const int h = image.height() - 1;
    switch (GetParam().kind) {
    case Kind::Symbol:
        EXPECT_EQ(census.offWhiteVisible, 0) << "a symbol shows a colour other than white";
        break;
    case Kind::OnWhite:
    case Kind::NoAlpha:
        EXPECT_EQ(census.opaque, census.pixels);
        for (const QRgb corner : {image.pixel(0, 0), image.pixel(w, 0), image.pixel(0, h), image.pixel(w, h)})
            EXPECT_TRUE(isWhite(corner)) << "corner colour " << std::hex << corner;
        break;
    case Kind::ListPicture:
        EXPECT_EQ(census.blackVisible, 0) << "black pixels vanish in the candidate list";
        [[fallthrough]];
    case Kind::Picture:
        EXPECT_GT(census.transparent, 0);
        EXPECT_GT(census.pixels - census.transparent, census.pixels / 10) << "hardly anything drawn";
        break;
    }
}

std::string pictureName(const ::testing::TestParamInfo<Expected>& info)
{
    return std::to_string(info.param.id);
}

INSTANTIATE_TEST_SUITE_P(Resources, PictureTest, ::testing::ValuesIn(kPictures), pictureName);

// The symbols sit on buttons that draw them at their exact size: a symbol that
// touches the edge of its canvas looks cut off there.
class SymbolTest : public PictureTest {};

TEST_P(SymbolTest, LeavesATransparentMarginOnEverySide)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    const int w = argb.width() - 1;
    const int h = argb.height() - 1;
    QList<QPoint> touching;
    for (int x = 0; x <= w; ++x)
        for (const int y : {0, h})
            if (qAlpha(argb.pixel(x, y)) != 0)
                touching.append(QPoint(x, y));
    for (int y = 1; y < h; ++y)
        for (const int x : {0, w})
            if (qAlpha(argb.pixel(x, y)) != 0)
                touching.append(QPoint(x, y));
    EXPECT_TRUE(touching.isEmpty()) << touching.size() << " edge pixels drawn, the first at ("
                                    << touching.value(0).x() << ", " << touching.value(0).y() << ")";
}

std::vector<Expected> symbols()
{
    std::vector<Expected> found;
    for (const Expected& e : kPictures)
        if (e.kind == Kind::Symbol)
            found.push_back(e);
    return found;
}

INSTANTIATE_TEST_SUITE_P(Resources, SymbolTest, ::testing::ValuesIn(symbols()), pictureName);

TEST(ProgramIconTest, OffersSharpSmallAndLargeSizes)
{
    const QIcon icon = programIcon();
    const QList<QSize> sizes = icon.availableSizes();
    for (const int side : {16, 32, 48, 256}) {
        EXPECT_TRUE(sizes.contains(QSize(side, side))) << side << " x " << side;
        const QImage image = icon.pixmap(QSize(side, side)).toImage();
        ASSERT_EQ(image.size(), QSize(side, side));
        EXPECT_GT(takeCensus(image).colours.size(), 2) << side << " x " << side;
    }
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
