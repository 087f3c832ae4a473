#include "tests/qt/host/main_window_widget.h"

#include "windows/main/main_window_ids.h"

#include <QAbstractButton>
#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTextEdit>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>

using namespace MainWindowId;

namespace {

TEST_F(MainWindowWidget, ClicksMoveThroughThePages)
{
    EXPECT_FALSE(widget(kFirstTypeButton)->isVisible());
    click(kStaticGroupButton);
    EXPECT_TRUE(widget(kFirstTypeButton)->isVisible());
    EXPECT_TRUE(widget(kSecondTypeButton)->isVisible());
    click(kFirstTypeButton);
    EXPECT_EQ(state.valveView, 3);
    EXPECT_TRUE(widget(kFirstInput)->isVisible());
    EXPECT_EQ(shown(kFirstInputCaption), QStringLiteral("Durchflussmenge (l/s)"));
    click(kCommissioningButton);
    EXPECT_EQ(state.valveView, 0);
    EXPECT_FALSE(widget(kFirstInput)->isVisible());
    EXPECT_EQ(widget<QLineEdit>(kFirstInput)->maxLength(), 15);
}

// What the window shows for the worked example is what arvelo-size prints.
TEST_F(MainWindowWidget, TypedWorkedExampleShowsWhatTheCommandLinePrints)
{
    click(kStaticGroupButton);
    click(kFirstTypeButton);
    typeInto(kFirstInput, QStringLiteral("0,5"));
    typeInto(kSecondInput, QStringLiteral("100"));
    QTest::keyClick(widget(kSecondInput), Qt::Key_Return);

    const std::string printed = commandOutput(std::string("'") + REZU_ARVELO_SIZE +
                                              "' fixed --flow 0,5 --dp 100 --language 3 --db '" +
                                              (folder.path() / "DB" / "mvd.db").string() + "'");
    for (const int id : {kFirstResult, kSecondResult, kThirdResult, kTypeSeriesLabel}) {
        EXPECT_NE(printed.find(shown(id).toStdString()), std::string::npos)
            << "control " << id << " shows " << shown(id).toStdString() << "\nprinted:\n" << printed;
    }
    for (const QString& line : shown(kValveDetails).split(QStringLiteral("\n"), Qt::SkipEmptyParts))
        EXPECT_NE(printed.find(line.trimmed().toStdString()), std::string::npos) << line.toStdString();
    EXPECT_EQ(shown(kFirstResult), QStringLiteral("3,70"));
    EXPECT_EQ(widget<QLabel>(kTypeSeriesLabel)->palette().color(QPalette::WindowText), QColor(0, 0, 0));
}

// A double click on the picture of the calculated valve opens its curve,
// which Escape closes; before a calculation it opens nothing.
TEST_F(MainWindowWidget, DoubleClickOnTheValvePictureShowsItsCurve)
{
    click(kStaticGroupButton);
    click(kFirstTypeButton);
    QImage grabbed;
    QString caption;
    const auto closeCurve = [&] {
        if (QWidget* curve = QApplication::activeModalWidget()) {
            caption = curve->windowTitle();
            grabbed = curve->grab().toImage();
            QTest::keyClick(curve, Qt::Key_Escape);
        }
    };
    QTimer::singleShot(200, closeCurve);
    QTest::mouseDClick(widget(kValvePicture), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_TRUE(grabbed.isNull()) << "no curve before a calculation";

    typeInto(kFirstInput, QStringLiteral("0,5"));
    typeInto(kSecondInput, QStringLiteral("100"));
    QTest::keyClick(widget(kSecondInput), Qt::Key_Return);
    QTimer::singleShot(200, closeCurve);
    QTest::mouseDClick(widget(kValvePicture), Qt::LeftButton);
    ASSERT_FALSE(grabbed.isNull());
    EXPECT_EQ(caption, QStringLiteral("Voreinstellkurve – Arvelo Quarz DN 25"));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    // The operating point is marked in red.
    bool marked = false;
    for (int y = 0; y < grabbed.height() && !marked; ++y)
        for (int x = 0; x < grabbed.width() && !marked; ++x)
            marked = grabbed.pixelColor(x, y) == QColor(0xd0, 0x20, 0x20);
    EXPECT_TRUE(marked);
    if (const char* keep = std::getenv("REZU_KEEP_CURVE"))
        grabbed.save(QString::fromLocal8Bit(keep));
}

// Inside the scrolled area too, the label draws in its own colour.
TEST_F(MainWindowWidget, MissingResultIsRed)
{
    click(kStaticGroupButton);
    click(kFirstTypeButton);
    const QImage image = widget(kTypeSeriesLabel)->grab().toImage();
    int red = 0, black = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            red += c.red() > 150 && c.green() < 100;
            black += c.red() < 60 && c.green() < 60;
        }
    EXPECT_GT(red, 0);
    EXPECT_EQ(black, 0);

}

TEST_F(MainWindowWidget, EscapeLeavesTheWindowOpenAndACandidateClickReselectsItsRow)
{
    click(kStaticGroupButton);
    click(kFirstTypeButton);
    typeInto(kFirstInput, QStringLiteral("0,5"));
    QTest::keyClick(widget(kFirstInput), Qt::Key_Escape);
    EXPECT_TRUE(host().isVisible());
    EXPECT_EQ(shown(kFirstResult), QStringLiteral("3,70"));

    auto* list = widget<QTreeView>(kCandidateList);
    ASSERT_GE(list->model()->rowCount(), 2);
    const QRect second = list->visualRect(list->model()->index(1, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second.center());
    EXPECT_EQ(program->logic().fields.candidateIndex, 1);
    ASSERT_EQ(list->selectionModel()->selectedRows().size(), 1);
    EXPECT_EQ(list->selectionModel()->selectedRows().first().row(), 1);

    // The arrow key chooses the next candidate as a click on it would.
    const QString firstMaterial = shown(kValveDetails);
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(program->logic().fields.candidateIndex, 2);
    ASSERT_EQ(list->selectionModel()->selectedRows().size(), 1);
    EXPECT_EQ(list->selectionModel()->selectedRows().first().row(), 2);
    EXPECT_NE(shown(kValveDetails), firstMaterial);
}

// The window opens with the first shown field focused, and the tab key
// visits the shown ones of the five fields in their order, and nothing else.
TEST_F(MainWindowWidget, TabVisitsTheShownFieldsOnly)
{
    struct Page {
        const char* name;
        std::vector<int> clicks;
        std::vector<int> cycle;
    };
    for (const Page& page :
         {Page{"group page 0", {}, {kProjectField, kCustomerField}},
          Page{"type page 3", {kStaticGroupButton, kFirstTypeButton},
               {kFirstInput, kSecondInput, kDesignationField, kProjectField, kCustomerField}}}) {
        for (const int id : page.clicks)
            click(id);
        if (page.clicks.empty()) {
            EXPECT_EQ(host().focusWidget()->objectName(), QStringLiteral("control%1").arg(page.cycle.front()))
                << "focus after opening";
        } else {
            widget(page.cycle.front())->setFocus();
        }
        for (std::size_t i = 1; i <= page.cycle.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            EXPECT_EQ(QApplication::focusWidget()->objectName(),
                      QStringLiteral("control%1").arg(page.cycle[i % page.cycle.size()]))
                << page.name << ", tab " << i;
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        EXPECT_EQ(QApplication::focusWidget(), widget(page.cycle.back())) << page.name;
    }
    // Typed keys land in the focused field.
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("x"));
    EXPECT_EQ(shown(kCustomerField), QStringLiteral("x"));
}

// A point typed as the decimal mark shows as the comma and sizes 0,5 l/s,
// the worked example's 3,70; it was dropped and sized 5 l/s (DN 65).
TEST_F(MainWindowWidget, TypedPointIsTheDecimalComma)
{
    click(kStaticGroupButton);
    click(kFirstTypeButton);
    typeInto(kFirstInput, QStringLiteral("0.5"));
    typeInto(kSecondInput, QStringLiteral("100"));
    QTest::keyClick(widget(kSecondInput), Qt::Key_Return);
    EXPECT_EQ(shown(kFirstInput), QStringLiteral("0,5"));
    EXPECT_EQ(shown(kFirstResult), QStringLiteral("3,70"));
}

// Tooltip of the calculated valve's picture: how to see its curve.
TEST_F(MainWindowWidget, ValvePictureSaysADoubleClickShowsTheCurve)
{
    click(kStaticGroupButton);
    click(kFirstTypeButton);
    EXPECT_TRUE(widget(kValvePicture)->toolTip().isEmpty()) << "no picture, no curve";
    typeInto(kFirstInput, QStringLiteral("0,5"));
    QTest::keyClick(widget(kFirstInput), Qt::Key_Return);
    EXPECT_EQ(widget(kValvePicture)->toolTip(), QStringLiteral("Doppelklick zeigt die Voreinstellkurve"));
}

// A keystroke that would make the designation longer than 127 bytes is
// refused: the text and the caret stay where they were.
TEST_F(MainWindowWidget, FullDesignationRefusesAKeystroke)
{
    click(kStaticGroupButton);
    click(kFirstTypeButton);
    auto* field = widget<QLineEdit>(kDesignationField);
    const QString full = QString(125, QLatin1Char('a')) + QStringLiteral("ü");
    typeInto(kDesignationField, full);
    ASSERT_EQ(field->text(), full);
    field->setCursorPosition(10);
    for (const QString& key : {QStringLiteral("ü"), QStringLiteral("b")}) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, key);
        QApplication::sendEvent(field, &press);
        EXPECT_EQ(field->text(), full) << key.toStdString();
        EXPECT_EQ(field->cursorPosition(), 10) << key.toStdString();
    }
    QKeyEvent erase(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
    QApplication::sendEvent(field, &erase);
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QStringLiteral("b"));
    QApplication::sendEvent(field, &press);
    EXPECT_EQ(field->text().size(), full.size());
    EXPECT_EQ(field->cursorPosition(), 10);
}

TEST_F(MainWindowWidget, CloseEndsTheWindowWithOk)
{
    int result = -1;
    QTimer::singleShot(0, [this] { click(kCloseButton); });
    result = host().exec();
    EXPECT_EQ(result, 1);
}

} // namespace
