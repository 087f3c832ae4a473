// The system window in the generic host, opened from the branch window's
// button as a user opens it.

#include "tests/qt/host/main_window_widget.h"

#include "tests/qt/host/modal_answer.h"
#include "tests/qt/host/shown_branch_window.h"
#include "windows/branch/branch_window_ids.h"
#include "windows/system/system_window_ids.h"
#include "qt/host/chart_control.h"
#include "qt/host/editable_table.h"
#include "qt/host/window_host.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>

#include <memory>

namespace {

class SystemWindowWidget : public MainWindowWidget {
protected:
    void SetUp() override
    {
        MainWindowWidget::SetUp();
        state.languageIndex = 1; // English
        shown = std::make_unique<ShownBranchWindow>(state, db, host());
    }

    std::unique_ptr<ShownBranchWindow> shown;
};

TEST_F(SystemWindowWidget, BalanceSystemOpensTheSystemWindowOverTheBranchWindow)
{
    QWidget* button = shown->host.control(BranchWindowId::kBalanceSystemButton);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(qobject_cast<QAbstractButton*>(button)->text(), QStringLiteral("Balance system"));

    bool opened = false;
    whenModalOpens(
        [&opened](QWidget& modal) {
            auto* systemHost = dynamic_cast<WindowHost*>(&modal);
            opened = systemHost && systemHost->windowTitle() == QStringLiteral("Balance system") &&
                     dynamic_cast<EditableTable*>(systemHost->control(SystemWindowId::kBranchTable)) &&
                     dynamic_cast<ChartControl*>(systemHost->control(SystemWindowId::kChart));
            QTest::keyClick(&modal, Qt::Key_Escape); // everything is saved already
        },
        &shown->host);
    QTest::mouseClick(button, Qt::LeftButton);
    QCoreApplication::processEvents();

    EXPECT_TRUE(opened);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "the system window is closed";
    EXPECT_TRUE(shown->host.isVisible()) << "the branch window stays open";
    EXPECT_FALSE(shown->window.result());
}

} // namespace
