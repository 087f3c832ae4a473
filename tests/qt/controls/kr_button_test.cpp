#include "qt/controls/kr_button.h"

#include "qt/resources/program_fonts.h"
#include "tests/qt/controls/fake_pictures.h"
#include "tests/qt/controls/widget_image.h"
#include "qt/controls/resource_picture_source.h"

#include <QAccessible>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

const QColor kBlue(51, 102, 153);
const QColor kOrange(255, 105, 0);

class KrButtonPaint : public testing::Test {
protected:
    KrButton& button(int width, int height, const QString& text = {})
    {
        button_.setPictureSource(pictures_);
        // Bold strokes are wide enough for some pixels to show the text colour
        // itself, not only its blend with the background.
        button_.setFont(boldFont());
        button_.setText(text);
        button_.resize(width, height);
        return button_;
    }

    FakePictures pictures_;
    KrButton button_;
};

TEST_F(KrButtonPaint, SelectedTypeButtonShowsFrameAndScaledPicture)
{
    pictures_.add(183, solidPicture(120, 120, kGreen));
    KrButton& type = button(120, 120);
    type.setSelected(1);
    type.setImageId(183);
    type.setImageMode(1);
    const QImage image = widgetImage(type);

    // 3-pixel orange frame all round.
    for (const QPoint p : {QPoint(0, 0), QPoint(2, 2), QPoint(119, 119), QPoint(117, 117), QPoint(60, 2),
                           QPoint(117, 60)})
        EXPECT_EQ(pixelAt(image, p.x(), p.y()), kOrange) << p.x() << "," << p.y();
    // The picture exactly covers (9, 9) to (110, 110); background between.
    EXPECT_EQ(inkBounds(image, kBlue, QRect(3, 3, 114, 114)), QRect(9, 9, 102, 102));
    EXPECT_EQ(pixelAt(image, 9, 9), kGreen);
    EXPECT_EQ(pixelAt(image, 110, 110), kGreen);
    EXPECT_TRUE(pictures_.reports.empty());
}

TEST_F(KrButtonPaint, UnselectedButtonHasNoFrame)
{
    const QImage image = widgetImage(button(60, 30));
    EXPECT_EQ(inkBounds(image, kBlue), QRect());
}

TEST_F(KrButtonPaint, SymbolAtOwnSizeAndTextBetweenSixtyAndOneHundredEightyFive)
{
    pictures_.add(189, solidPicture(40, 40, kGreen));
    KrButton& settings = button(195, 65, QStringLiteral("Unit of measurement and then some more words"));
    settings.setImageId(189);
    const QImage image = widgetImage(settings);

    EXPECT_EQ(inkBounds(image, kBlue, QRect(0, 0, 60, 65)), QRect(10, 12, 40, 40));
    EXPECT_EQ(pixelAt(image, 10, 12), kGreen);
    EXPECT_EQ(pixelAt(image, 49, 51), kGreen);

    // The text starts at the span's left end; too long for it, it ends in an
    // ellipsis inside the span and shows whole as the tooltip.
    const QRect text = inkBounds(image, kBlue, QRect(50, 0, 145, 65));
    ASSERT_FALSE(text.isNull());
    EXPECT_GE(text.left(), 60);
    EXPECT_LE(text.left(), 62);
    EXPECT_LE(text.right(), 184);
    EXPECT_GE(text.right(), 170);
    EXPECT_EQ(settings.toolTip(), QStringLiteral("Unit of measurement and then some more words"));
    EXPECT_NEAR(text.center().y(), 32, 3);
    EXPECT_TRUE(holdsColour(image, kWhite, text));
}

TEST_F(KrButtonPaint, TextWithoutPictureIsCentred)
{
    const QImage image = widgetImage(button(120, 40, QStringLiteral("HEXE")));
    const QRect text = inkBounds(image, kBlue);
    ASSERT_FALSE(text.isNull());
    // Capitals without descenders: the ink is centred like the line.
    EXPECT_NEAR(text.left() + text.right(), 119, 2);
    EXPECT_NEAR(text.top() + text.bottom(), 39, 3);
    EXPECT_TRUE(holdsColour(image, kWhite, text));
}

TEST_F(KrButtonPaint, TextInItsOwnColourOnItsBackground)
{
    KrButton& mode = button(105, 33, QStringLiteral("HEXE"));
    const QColor grey(85, 85, 85);
    const QColor yellow(250, 240, 0);
    mode.setBackColor(grey);
    mode.setTextColor(yellow);
    const QImage image = widgetImage(mode);
    EXPECT_EQ(pixelAt(image, 0, 0), grey);
    EXPECT_TRUE(holdsColour(image, yellow));
    EXPECT_FALSE(holdsColour(image, kWhite));
}

TEST(KrButton, HalfTransparentPixelsArePremultipliedByTruncation)
{
    // The program's own decoding of an embedded picture: reds 255, 1, 2, 3 at alpha 128.
    KrButton button;
    button.resize(8, 3);
    // On black, source over leaves exactly the premultiplied colour.
    button.setBackColor(Qt::black);
    button.setImageId(9001);
    const QImage image = widgetImage(button);
    // At its own size: left 4 / 4 = 1, top (3 - 1) / 2 = 1.
    EXPECT_EQ(pixelAt(image, 1, 1), QColor(128, 0, 0));
    EXPECT_EQ(pixelAt(image, 2, 1), QColor(0, 0, 0));
    EXPECT_EQ(pixelAt(image, 3, 1), QColor(1, 0, 0));
    EXPECT_EQ(pixelAt(image, 4, 1), QColor(1, 0, 0));
}

TEST_F(KrButtonPaint, UnknownImageModeDrawsNoPicture)
{
    pictures_.add(236, solidPicture(80, 80, kGreen));
    KrButton& group = button(60, 65);
    group.setImageId(236);
    group.setImageMode(2);
    EXPECT_EQ(inkBounds(widgetImage(group), kBlue), QRect());
}

TEST_F(KrButtonPaint, MissingPictureIsReportedAtEveryPaintAndTheRestDrawn)
{
    KrButton& close = button(195, 65, QStringLiteral("Close"));
    close.setImageId(4711);
    const QImage image = widgetImage(close);
    ASSERT_EQ(pictures_.reports.size(), 1u);
    EXPECT_EQ(pictures_.reports[0], QStringLiteral("NULL in draw KrButton"));
    // Text left-aligned from the left edge, as the picture counts 0 wide.
    const QRect text = inkBounds(image, kBlue);
    ASSERT_FALSE(text.isNull());
    EXPECT_LE(text.left(), 2);

    widgetImage(close);
    EXPECT_EQ(pictures_.reports.size(), 2u);
}

TEST_F(KrButtonPaint, PressedAndDisabledLookLikeNormal)
{
    pictures_.add(233, solidPicture(40, 40, kGreen));
    KrButton& close = button(195, 65, QStringLiteral("Close"));
    close.setImageId(233);
    const QImage normal = widgetImage(close);
    close.setDown(true);
    EXPECT_EQ(widgetImage(close), normal);
    close.setDown(false);
    close.setEnabled(false);
    EXPECT_EQ(widgetImage(close), normal);
}

TEST(KrButton, AccessibleNameIsItsText)
{
    KrButton button;
    button.setText(QStringLiteral("Language"));
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&button);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->text(QAccessible::Name), QStringLiteral("Language"));
    EXPECT_EQ(accessible->role(), QAccessible::Button);
}

TEST(ResourcePictureSource, DecodesEmbeddedPicturesByIdWithStraightAlpha)
{
    const QImage picture = resourcePictures().decode(9001);
    ASSERT_EQ(picture.size(), QSize(4, 1));
    EXPECT_EQ(picture.pixel(1, 0), qRgba(1, 0, 0, 128));
    EXPECT_TRUE(resourcePictures().decode(4711).isNull());
}

TEST(ResourcePictureSource, ReportsInAMessageBoxAfterThePaint)
{
    KrButton button;
    button.resize(60, 30);
    button.setImageId(4711);

    QString shown;
    QTimer closer;
    closer.setInterval(10);
    QObject::connect(&closer, &QTimer::timeout, &closer, [&shown] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown = box->text();
            box->accept();
        }
    });
    closer.start();

    widgetImage(button); // returns at once: the box waits for the event loop
    EXPECT_TRUE(shown.isEmpty());
    QApplication::processEvents(); // opens the box, which the timer closes
    EXPECT_EQ(shown, QStringLiteral("NULL in draw KrButton"));
}

} // namespace
