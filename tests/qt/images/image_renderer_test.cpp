// The build step that turns the SVG drawings into the program's PNGs: it must
// refuse what it cannot draw faithfully instead of producing a wrong picture.

#include "qt/tools/image_renderer/drawing_check.h"
#include "qt/tools/image_renderer/render_request.h"
#include "qt/tools/image_renderer/svg_raster.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <ostream>

namespace {

struct RequestCase {
    const char* name;
    QStringList arguments;
    bool accepted;
};

std::ostream& operator<<(std::ostream& out, const RequestCase& c)
{
    return out << c.name;
}

const RequestCase kRequestCases[] = {
    {"picture_with_alpha", {"a.svg", "a.png", "400", "400", "argb32"}, true},
    {"picture_on_white", {"a.svg", "a.png", "120", "120", "argb32", "#ffffff"}, true},
    {"explicitly_transparent", {"a.svg", "a.png", "40", "40", "argb32", "none"}, true},
    {"opaque_picture", {"a.svg", "a.png", "967", "1024", "rgb888", "#ffffff"}, true},
    {"too_few_arguments", {"a.svg", "a.png", "400", "400"}, false},
    {"zero_width", {"a.svg", "a.png", "0", "400", "argb32"}, false},
    {"width_not_a_number", {"a.svg", "a.png", "40px", "40", "argb32"}, false},
    {"unknown_format", {"a.svg", "a.png", "40", "40", "rgb565"}, false},
    {"opaque_picture_without_background", {"a.svg", "a.png", "40", "40", "rgb888"}, false},
    {"malformed_colour", {"a.svg", "a.png", "40", "40", "argb32", "#12345"}, false},
    {"translucent_background", {"a.svg", "a.png", "40", "40", "argb32", "#80ffffff"}, false},
};

class RenderRequestTest : public ::testing::TestWithParam<RequestCase> {};

TEST_P(RenderRequestTest, AcceptsOnlyCompleteRequests)
{
    QString error;
    const auto request = parseRenderRequest(GetParam().arguments, error);
    EXPECT_EQ(request.has_value(), GetParam().accepted) << error.toStdString();
    EXPECT_EQ(error.isEmpty(), GetParam().accepted);
}

INSTANTIATE_TEST_SUITE_P(Arguments, RenderRequestTest, ::testing::ValuesIn(kRequestCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RenderRequestTest, ReadsSizeFormatAndBackground)
{
    QString error;
    const auto request = parseRenderRequest({"in.svg", "out.png", "967", "1024", "rgb888", "#ffffff"}, error);
    ASSERT_TRUE(request.has_value());
    EXPECT_EQ(request->source, "in.svg");
    EXPECT_EQ(request->output, "out.png");
    EXPECT_EQ(request->size, QSize(967, 1024));
    EXPECT_EQ(request->format, RenderRequest::Format::Rgb888);
    ASSERT_TRUE(request->background.has_value());
    EXPECT_EQ(request->background->rgb(), qRgb(255, 255, 255));
}

struct DrawingCase {
    const char* name;
    const char* svg;
    const char* problem;  // part of the expected complaint, or nullptr
};

std::ostream& operator<<(std::ostream& out, const DrawingCase& c)
{
    return out << c.name;
}

#define SVG_OPEN "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 10 10\">"

const DrawingCase kDrawingCases[] = {
    {"shapes_and_gradients",
     SVG_OPEN "<defs><linearGradient id=\"g\"><stop offset=\"0\" stop-color=\"#fff\"/></linearGradient></defs>"
              "<title>fine</title><rect width=\"10\" height=\"10\" fill=\"url(#g)\"/></svg>",
     nullptr},
    {"text", SVG_OPEN "<text x=\"1\" y=\"9\">A</text></svg>", "text"},
    {"clip_path", SVG_OPEN "<clipPath id=\"c\"><rect width=\"5\" height=\"5\"/></clipPath></svg>", "clip path"},
    {"mask", SVG_OPEN "<mask id=\"m\"><rect width=\"5\" height=\"5\"/></mask></svg>", "mask"},
    {"filter", SVG_OPEN "<filter id=\"f\"/></svg>", "filter"},
    {"pattern", SVG_OPEN "<pattern id=\"p\"/></svg>", "pattern"},
    {"unclosed_element", SVG_OPEN "<rect width=\"10\" height=\"10\"></svg>", "line 1"},
};

class DrawingCheckTest : public ::testing::TestWithParam<DrawingCase> {};

TEST_P(DrawingCheckTest, RefusesWhatWouldBeDrawnWrongly)
{
    const auto problem = drawingProblem(QByteArray(GetParam().svg));
    if (!GetParam().problem) {
        EXPECT_FALSE(problem.has_value()) << problem.value_or(QString()).toStdString();
        return;
    }
    ASSERT_TRUE(problem.has_value());
    EXPECT_TRUE(problem->contains(QLatin1String(GetParam().problem))) << problem->toStdString();
}

INSTANTIATE_TEST_SUITE_P(Drawings, DrawingCheckTest, ::testing::ValuesIn(kDrawingCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A drawing whose left half is red and right half empty.
constexpr char kHalfRed[] = SVG_OPEN "<rect width=\"5\" height=\"10\" fill=\"#ff0000\"/></svg>";

class RasteriseTest : public ::testing::Test {
protected:
    RenderRequest requestFor(const QByteArray& svg, QSize size, RenderRequest::Format format,
                             std::optional<QColor> background = std::nullopt)
    {
        const QString path = folder.filePath(QStringLiteral("drawing.svg"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(svg);
        RenderRequest request;
        request.source = path;
        request.output = folder.filePath(QStringLiteral("picture.png"));
        request.size = size;
        request.format = format;
        request.background = background;
        return request;
    }

    QTemporaryDir folder;
    QString error;
};

TEST_F(RasteriseTest, DrawsAtTheRequestedSizeKeepingTransparency)
{
    const auto image = rasteriseSvg(requestFor(kHalfRed, QSize(40, 40), RenderRequest::Format::Argb32), error);
    ASSERT_TRUE(image.has_value()) << error.toStdString();
    EXPECT_EQ(image->size(), QSize(40, 40));
    EXPECT_EQ(image->format(), QImage::Format_ARGB32);
    EXPECT_EQ(image->pixel(5, 20), qRgba(255, 0, 0, 255));
    EXPECT_EQ(qAlpha(image->pixel(35, 20)), 0);
}

TEST_F(RasteriseTest, FillsTheBackgroundOfAPictureWithoutAlpha)
{
    const auto image = rasteriseSvg(
        requestFor(kHalfRed, QSize(30, 30), RenderRequest::Format::Rgb888, QColor(Qt::white)), error);
    ASSERT_TRUE(image.has_value()) << error.toStdString();
    EXPECT_EQ(image->format(), QImage::Format_RGB888);
    EXPECT_FALSE(image->hasAlphaChannel());
    EXPECT_EQ(image->pixel(25, 15), qRgb(255, 255, 255));
    EXPECT_EQ(image->pixel(4, 15), qRgb(255, 0, 0));
}

TEST_F(RasteriseTest, RefusesToStretchADrawing)
{
    EXPECT_FALSE(rasteriseSvg(requestFor(kHalfRed, QSize(40, 20), RenderRequest::Format::Argb32), error));
    EXPECT_TRUE(error.contains(QLatin1String("proportions"))) << error.toStdString();
}

TEST_F(RasteriseTest, RefusesADrawingTheRendererComplainsAbout)
{
    const QByteArray missingGradient = SVG_OPEN "<rect width=\"10\" height=\"10\" fill=\"url(#nowhere)\"/></svg>";
    EXPECT_FALSE(rasteriseSvg(requestFor(missingGradient, QSize(10, 10), RenderRequest::Format::Argb32), error));
    EXPECT_TRUE(error.contains(QLatin1String("nowhere"))) << error.toStdString();
}

TEST_F(RasteriseTest, ReportsAMissingFile)
{
    RenderRequest request;
    request.source = folder.filePath(QStringLiteral("absent.svg"));
    request.size = QSize(10, 10);
    EXPECT_FALSE(rasteriseSvg(request, error));
    EXPECT_TRUE(error.contains(QLatin1String("absent.svg"))) << error.toStdString();
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
