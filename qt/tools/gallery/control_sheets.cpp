#include "qt/tools/gallery/control_sheets.h"

#include "qt/resources/program_fonts.h"
#include "qt/controls/kr_button.h"
#include "qt/controls/kr_edit.h"
#include "qt/controls/kr_multi_line_edit.h"
#include "qt/controls/kr_picture_control.h"
#include "qt/controls/kr_static_text.h"

#include <QFrame>
#include <QPalette>
#include <QWidget>

namespace {

constexpr int kGap = 14;
constexpr int kCaptionHeight = 20;

// A white page on which controls are placed in rows, each with a caption below.
class Sheet {
public:
    explicit Sheet(int width) : width_(width)
    {
        page_.setAutoFillBackground(true);
        QPalette palette = page_.palette();
        palette.setColor(QPalette::Window, Qt::white);
        page_.setPalette(palette);
    }

    template <typename Control>
    Control* add(QSize size, const QString& caption)
    {
        if (x_ + size.width() > width_) {
            x_ = kGap;
            y_ += rowHeight_ + kGap;
            rowHeight_ = 0;
        }
        // A thin grey outline shows where white controls end.
        auto* outline = new QFrame(&page_);
        outline->setFrameShape(QFrame::Box);
        outline->setStyleSheet(QStringLiteral("color: rgb(200, 200, 200)"));
        outline->setGeometry(x_ - 1, y_ - 1, size.width() + 2, size.height() + 2);
        auto* control = new Control(&page_);
        control->setObjectName(caption);
        control->setGeometry(x_, y_, size.width(), size.height());
        auto* label = new KrStaticText(&page_);
        label->setFont(regularFont());
        label->setText(caption);
        const int labelWidth = qMax(size.width(), 150);
        label->setGeometry(x_, y_ + size.height() + 2, labelWidth, kCaptionHeight);
        x_ += qMax(size.width(), labelWidth) + kGap;
        rowHeight_ = qMax(rowHeight_, size.height() + 2 + kCaptionHeight);
        return control;
    }

    QImage render()
    {
        page_.resize(width_, y_ + rowHeight_ + kGap);
        return page_.grab().toImage();
    }

private:
    QWidget page_;
    int width_;
    int x_ = kGap;
    int y_ = kGap;
    int rowHeight_ = 0;
};

KrButton* addButton(Sheet& sheet, PictureSource& pictures, QSize size, const QString& caption, const QString& text,
                    int imageId = -1, int imageMode = 0)
{
    KrButton* button = sheet.add<KrButton>(size, caption);
    button->setPictureSource(pictures);
    button->setFont(regularFont());
    button->setText(text);
    button->setImageId(imageId);
    button->setImageMode(imageMode);
    return button;
}

} // namespace

QImage buttonSheet(PictureSource& pictures)
{
    Sheet sheet(900);
    addButton(sheet, pictures, {105, 33}, QStringLiteral("mode, current"), QStringLiteral("Sizing"))
        ->setBackColor(QColor(85, 85, 85));
    addButton(sheet, pictures, {105, 33}, QStringLiteral("mode, other"), QStringLiteral("Commissioning"))
        ->setBackColor(QColor(194, 194, 194));
    addButton(sheet, pictures, {90, 33}, QStringLiteral("no picture"), QStringLiteral("Export"));
    addButton(sheet, pictures, {90, 33}, QStringLiteral("pressed"), QStringLiteral("Export"))->setDown(true);
    addButton(sheet, pictures, {90, 33}, QStringLiteral("disabled"), QStringLiteral("Export"))->setEnabled(false);

    addButton(sheet, pictures, {195, 65}, QStringLiteral("symbol, mode 0"), QStringLiteral("Language"), 187);
    addButton(sheet, pictures, {195, 65}, QStringLiteral("long text, clipped"),
              QStringLiteral("Unit of measurement and more"), 189);
    addButton(sheet, pictures, {195, 65}, QStringLiteral("missing picture"), QStringLiteral("Close"), 4711);

    // The main window paints its valve-type buttons white.
    KrButton* selectedType = addButton(sheet, pictures, {120, 130}, QStringLiteral("type, selected"), {}, 183, 1);
    selectedType->setBackColor(Qt::white);
    selectedType->setSelected(1);
    addButton(sheet, pictures, {120, 130}, QStringLiteral("type, not selected"), {}, 184, 1)->setBackColor(Qt::white);
    addButton(sheet, pictures, {60, 65}, QStringLiteral("group, mode 1"), {}, 236, 1);
    addButton(sheet, pictures, {60, 65}, QStringLiteral("group, selected"), {}, 240, 1)->setSelected(1);
    addButton(sheet, pictures, {38, 41}, QStringLiteral("calculate"), {}, 197);
    addButton(sheet, pictures, {60, 65}, QStringLiteral("image mode 2"), {}, 236, 2);
    return sheet.render();
}

QImage pictureControlSheet(PictureSource& pictures)
{
    Sheet sheet(1250);
    auto place = [&](QSize size, const QString& caption, int imageId) {
        KrPictureControl* control = sheet.add<KrPictureControl>(size, caption);
        control->setPictureSource(pictures);
        control->setImageId(imageId);
    };
    place({1224, 130}, QStringLiteral("banner"), 241);
    place({150, 163}, QStringLiteral("valve picture"), 203);
    place({150, 163}, QStringLiteral("24-bit picture"), 207);
    place({150, 163}, QStringLiteral("no picture"), -1);
    place({150, 163}, QStringLiteral("missing picture"), 4711);
    return sheet.render();
}

QImage textControlSheet()
{
    Sheet sheet(900);
    const QColor red(222, 12, 33);
    auto label = [&](QSize size, const QString& caption, const QString& text, const QFont& font) {
        KrStaticText* control = sheet.add<KrStaticText>(size, caption);
        control->setFont(font);
        control->setText(text);
        return control;
    };
    label({215, 41}, QStringLiteral("label"), QStringLiteral("Calculation without guarantee"), regularFont());
    label({215, 41}, QStringLiteral("label, red"), QStringLiteral("No type series / nominal size available"),
          regularFont())
        ->setTextColor(red);
    label({165, 29}, QStringLiteral("label, centred, bold"), QStringLiteral("Arvelo Quarz"), boldFont())
        ->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    auto field = [&](QSize size, const QString& caption, const QString& text) {
        KrEdit* control = sheet.add<KrEdit>(size, caption);
        control->setText(text);
        return control;
    };
    field({54, 23}, QStringLiteral("field"), QStringLiteral("12,50"));
    field({54, 23}, QStringLiteral("read-only"), QStringLiteral("3,25"))->setReadOnly(true);
    KrEdit* noBorder = field({168, 20}, QStringLiteral("read-only, no border, red"), QStringLiteral("dP insufficient"));
    noBorder->setReadOnly(true);
    noBorder->setFrame(false);
    noBorder->setTextColor(red);
    field({54, 23}, QStringLiteral("disabled"), QStringLiteral("0,00"))->setEnabled(false);

    KrMultiLineEdit* details = sheet.add<KrMultiLineEdit>({144, 172}, QStringLiteral("multi-line, read-only"));
    details->setFrameShape(QFrame::NoFrame);
    details->setReadOnly(true);
    details->setPlainText(QStringLiteral("Material number\n1012345\n\nNominal size\nDN 20\n\nFlow range\n0,02 - 0,25 l/s"));
    return sheet.render();
}

namespace {

void placeShowcase(Sheet& sheet, const PictureShowcase& showcase, PictureSource& pictures)
{
    const QString caption = QString::number(showcase.imageId);
    if (showcase.onButton) {
        KrButton* button = addButton(sheet, pictures, showcase.controlSize, caption, showcase.text,
                                     showcase.imageId, showcase.imageMode);
        if (showcase.buttonBackColor.isValid())
            button->setBackColor(showcase.buttonBackColor);
        return;
    }
    KrPictureControl* control = sheet.add<KrPictureControl>(showcase.controlSize, caption);
    control->setPictureSource(pictures);
    control->setImageId(showcase.imageId);
}

} // namespace

QImage showcaseImage(const PictureShowcase& showcase, PictureSource& pictures)
{
    Sheet sheet(showcase.controlSize.width() + 2 * kGap);
    placeShowcase(sheet, showcase, pictures);
    return sheet.render();
}

QImage showcaseSheet(const std::vector<PictureShowcase>& showcases, PictureSource& pictures)
{
    Sheet sheet(1250);
    for (const PictureShowcase& showcase : showcases)
        placeShowcase(sheet, showcase, pictures);
    return sheet.render();
}
