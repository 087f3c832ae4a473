#include "qt/controls/kr_edit.h"
#include "qt/controls/kr_multi_line_edit.h"
#include "qt/controls/kr_static_text.h"

#include "tests/qt/controls/widget_image.h"

#include <QFont>
#include <QPalette>

#include <gtest/gtest.h>

namespace {

const QColor kBlack(0, 0, 0);
const QColor kRed(222, 12, 33);

void showText(KrEdit& edit, const QString& text) { edit.setText(text); }
void showText(KrMultiLineEdit& edit, const QString& text) { edit.setPlainText(text); }
void showText(KrStaticText& label, const QString& text) { label.setText(text); }

void makeReadOnly(KrEdit& edit) { edit.setReadOnly(true); }
void makeReadOnly(KrMultiLineEdit& edit) { edit.setReadOnly(true); }
void makeReadOnly(KrStaticText&) {}

void removeBorder(KrEdit& edit) { edit.setFrame(false); }
void removeBorder(KrMultiLineEdit& edit) { edit.setFrameShape(QFrame::NoFrame); }
void removeBorder(KrStaticText&) {}

// The control on a grey window: whatever the owner's background, the
// control answers with its own white.
template <typename Control>
class TextControl : public testing::Test {
protected:
    TextControl() : control_(&window_)
    {
        window_.setAutoFillBackground(true);
        QPalette grey = window_.palette();
        grey.setColor(QPalette::Window, QColor(128, 128, 128));
        window_.setPalette(grey);
        window_.resize(160, 60);
        // Large enough that the strokes hold pixels of the pure text colour.
        QFont large(QStringLiteral("Roboto"));
        large.setPixelSize(40);
        large.setBold(true);
        control_.setFont(large);
        control_.setGeometry(0, 0, 160, 60);
    }

    QImage image() { return widgetImage(window_); }

    QWidget window_;
    Control control_;
};

using TextControlTypes = testing::Types<KrEdit, KrMultiLineEdit, KrStaticText>;
TYPED_TEST_SUITE(TextControl, TextControlTypes);

TYPED_TEST(TextControl, ReadOnlyWithoutBorderIsWhiteThroughout)
{
    makeReadOnly(this->control_);
    removeBorder(this->control_);
    EXPECT_EQ(inkBounds(this->image(), kWhite), QRect());
}

TYPED_TEST(TextControl, ReadOnlyIsAsWhiteAsEditable)
{
    const QImage editable = this->image();
    makeReadOnly(this->control_);
    EXPECT_EQ(this->image(), editable);
    // Inside any border the control is white.
    EXPECT_EQ(inkBounds(editable, kWhite, QRect(4, 4, 152, 52)), QRect());
}

TYPED_TEST(TextControl, TextIsBlackUntilMadeRedAndBlackAgain)
{
    makeReadOnly(this->control_);
    showText(this->control_, QStringLiteral("HH"));
    QImage image = this->image();
    EXPECT_TRUE(holdsColour(image, kBlack));
    EXPECT_FALSE(holdsColour(image, kRed));

    this->control_.setTextColor(kRed);
    EXPECT_EQ(this->control_.textColor(), kRed);
    image = this->image();
    EXPECT_TRUE(holdsColour(image, kRed));
    EXPECT_FALSE(holdsColour(image, kBlack));
    // Red text on white: the background stays white to the far corner.
    EXPECT_EQ(pixelAt(image, 150, 52), kWhite);

    this->control_.setTextColor(kBlack);
    image = this->image();
    EXPECT_TRUE(holdsColour(image, kBlack));
    EXPECT_FALSE(holdsColour(image, kRed));
}

} // namespace
