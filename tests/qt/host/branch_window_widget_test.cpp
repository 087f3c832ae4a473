// The branch window in the generic host, typed into with the keyboard:
// the editable table control, the chart control and a larger window.

#include "tests/qt/host/main_window_widget.h"

#include "tests/qt/host/shown_branch_window.h"
#include "windows/branch/branch_window.h"
#include "windows/branch/branch_window_ids.h"
#include "qt/host/chart_control.h"
#include "qt/host/control_anchors.h"
#include "qt/host/editable_table.h"
#include "qt/host/window_host.h"

#include <QApplication>
#include <QComboBox>
#include <QScrollArea>
#include <QTest>

#include <memory>

namespace {

// Keys as a user presses them: each to whatever has the focus then.
void press(const QString& text)
{
    for (const QChar c : text) {
        QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
        QCoreApplication::processEvents();
    }
}

void press(Qt::Key key)
{
    QTest::keyClick(QApplication::focusWidget(), key);
    QCoreApplication::processEvents();
}

// The branch window shown over the main window, in English and kPa.
class BranchWindowWidget : public MainWindowWidget {
protected:
    void SetUp() override
    {
        MainWindowWidget::SetUp();
        state.languageIndex = 1;
        state.engine.pressureUnitIndex = 0; // kPa
        shown = std::make_unique<ShownBranchWindow>(state, db, host());
    }

    std::unique_ptr<ShownBranchWindow> shown;
};

// R1: 0,3 l/s, 10 and 4 kPa typed from the first cell on, the focus left
// on its valve kind; the circuits table, or none.
EditableTable* typeFirstCircuit(WindowHost& branchHost)
{
    auto* table = qobject_cast<EditableTable*>(branchHost.control(BranchWindowId::kCircuitTable));
    if (!table)
        return nullptr;
    table->setFocus();
    table->setCurrentCell(0, 0);
    press(QStringLiteral("R1"));
    press(Qt::Key_Tab);
    press(QStringLiteral("0,3"));
    press(Qt::Key_Return); // Return moves on as Tab does
    press(QStringLiteral("10"));
    press(Qt::Key_Tab);
    press(QStringLiteral("4"));
    press(Qt::Key_Tab);
    return table;
}

TEST_F(BranchWindowWidget, BranchCircuitsAreTypedWithTabAndReturnAndCalculated)
{
    BranchWindow& window = shown->window;
    WindowHost& branchHost = shown->host;
    EditableTable* table = typeFirstCircuit(branchHost);
    ASSERT_NE(table, nullptr);
    ASSERT_NE(qobject_cast<QComboBox*>(QApplication::focusWidget()), nullptr) << "the kind is picked from a list";
    press(Qt::Key_Down);
    for (int optional = 0; optional < 6; ++optional) // past the pipe section and the control valve
        press(Qt::Key_Tab);
    press(QStringLiteral("R2"));
    press(Qt::Key_Tab);
    press(QStringLiteral("0,2"));
    press(Qt::Key_Tab);

    ASSERT_EQ(window.branch().circuits.size(), 2u);
    const BranchCircuit& first = window.branch().circuits[0];
    EXPECT_EQ(first.designation, "R1");
    EXPECT_FLOAT_EQ(first.flow, 0.3f);
    EXPECT_EQ(first.circuitLoss, 10.0f);
    EXPECT_EQ(first.riserLoss, 4.0f);
    EXPECT_EQ(first.kind, BranchValveKind::VariableOrifice);
    EXPECT_EQ(window.branch().circuits[1].designation, "R2");
    EXPECT_EQ(table->rowCount(), 3) << "a row for the next circuit";
    EXPECT_EQ(table->item(0, 1)->text(), QStringLiteral("0,30"));

    QTest::mouseClick(branchHost.control(BranchWindowId::kCalculateButton), Qt::LeftButton);
    EXPECT_EQ(window.controls()[BranchWindowId::kPumpHeadLabel].text.substr(0, 15), u"Pump head (kPa)");
    auto* chart = qobject_cast<ChartControl*>(branchHost.control(BranchWindowId::kChart));
    ASSERT_NE(chart, nullptr);
    const QImage drawn = chart->grab().toImage();
    EXPECT_GT(drawn.width(), 0);
    EXPECT_NE(drawn.pixel(drawn.width() / 2, drawn.height() / 2), drawn.pixel(1, 1)) << "the chart is drawn";

    // A window larger than its template gives the circuits table and the
    // chart the room; the template's size is the least its content takes.
    const QRect tableBefore = table->geometry();
    const QRect calculateBefore = branchHost.control(BranchWindowId::kCalculateButton)->geometry();
    const QSize least = branchHost.findChild<QScrollArea*>()->widget()->minimumSize();
    branchHost.resize(least.width() + 100, least.height() + 50);
    EXPECT_EQ(table->width(), tableBefore.width() + 100);
    EXPECT_EQ(table->height(), tableBefore.height());
    EXPECT_EQ(branchHost.control(BranchWindowId::kCalculateButton)->x(), calculateBefore.x() + 100);
    EXPECT_EQ(chart->height(), drawn.height() + 50);
}

// A circuit's valve kind changed in its drop-down list, then Calculate
// clicked once: the click closes the list and the calculation takes the
// kind just chosen, and the results stay.
TEST_F(BranchWindowWidget, ChangingAKindAndClickingCalculateOnceCalculatesWithIt)
{
    BranchWindow& window = shown->window;
    WindowHost& branchHost = shown->host;
    EditableTable* table = typeFirstCircuit(branchHost);
    ASSERT_NE(table, nullptr);
    press(Qt::Key_Tab); // the fixed-orifice valve kept
    QTest::mouseClick(branchHost.control(BranchWindowId::kCalculateButton), Qt::LeftButton);
    QCoreApplication::processEvents();
    ASSERT_TRUE(window.result());

    table->setCurrentCell(0, 4);
    table->edit(table->currentIndex());
    auto* kinds = qobject_cast<QComboBox*>(QApplication::focusWidget());
    ASSERT_NE(kinds, nullptr);
    kinds->setCurrentIndex(2); // Arvelo Flumen
    QTest::mouseClick(branchHost.control(BranchWindowId::kCalculateButton), Qt::LeftButton);
    QCoreApplication::processEvents(); // whatever the click left queued
    EXPECT_EQ(window.branch().circuits.at(0).kind, BranchValveKind::PressureIndependent);
    ASSERT_TRUE(window.result()) << "one click calculates";
    EXPECT_EQ(window.controls()[BranchWindowId::kResultList].rows[0].cells.at(2), u"Arvelo Flumen");
    EXPECT_FALSE(window.controls()[BranchWindowId::kPumpHeadLabel].text.empty());
}

TEST(ControlAnchors, ControlsGrowOrMoveWithTheWindow)
{
    const QRect start(10, 20, 100, 50);
    const struct {
        std::uint32_t styles;
        QRect expected;
    } cases[] = {
        {kNoStyle, start},
        {kGrowWidth, QRect(10, 20, 130, 50)},
        {kGrowWidth | kGrowHeight, QRect(10, 20, 130, 60)},
        {kFollowRight, QRect(40, 20, 100, 50)},
        {kFollowRight | kFollowBottom, QRect(40, 30, 100, 50)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(anchoredRect(start, c.styles, 30, 10), c.expected) << c.styles;
    EXPECT_EQ(anchoredRect(start, kGrowWidth, -200, 0).width(), 1) << "never below one pixel";
}

} // namespace
