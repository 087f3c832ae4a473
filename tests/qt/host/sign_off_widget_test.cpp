// The protocol's sign-off window as the host builds it: typed into, tabbed
// through and saved as a user does.

#include "tests/qt/host/main_window_widget.h"

#include "qt/controls/kr_multi_line_edit.h"
#include "windows/dialogs/sign_off_dlg.h"
#include "qt/host/window_host.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

constexpr int kEngineer = 1204;
constexpr int kRemarks = 1212;
constexpr int kContractor = 1214;
constexpr int kClient = 1216;
constexpr int kSave = 1217;

TEST_F(MainWindowWidget, SignOffTakesWhatIsTypedIntoEveryFieldTheRemarksIncluded)
{
    ProtocolSignOff signOff;
    signOff.engineer = u"Anna Berg";
    CArveloCalcSignOffDlg logic(state, signOff);
    WindowHost dialog(logic, &host());
    dialog.open();
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    EXPECT_EQ(qobject_cast<QLineEdit*>(dialog.control(kEngineer))->text(), QStringLiteral("Anna Berg"));

    auto* remarks = qobject_cast<KrMultiLineEdit*>(dialog.control(kRemarks));
    ASSERT_NE(remarks, nullptr);
    remarks->setFocus();
    QTest::keyClicks(remarks, QStringLiteral("Strang 3 nachregeln"));
    // Tab leaves the remarks for the next field instead of writing a tab.
    QTest::keyClick(remarks, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), dialog.control(kContractor))
        << (QApplication::focusWidget() ? QApplication::focusWidget()->objectName().toStdString() : "none");
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Haustechnik Nord"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), dialog.control(kClient));

    qobject_cast<QPushButton*>(dialog.control(kSave))->click();
    EXPECT_EQ(logic.result(), WindowLogic::kResultOk);
    EXPECT_EQ(signOff.remarks, u"Strang 3 nachregeln");
    EXPECT_EQ(signOff.contractor, u"Haustechnik Nord");
    EXPECT_EQ(signOff.engineer, u"Anna Berg");
}

} // namespace
