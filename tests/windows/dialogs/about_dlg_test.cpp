#include "windows/dialogs/about_dlg.h"

#include <gtest/gtest.h>

namespace {

TEST(AboutBox, OkAndReturnEndItWithOkEscapeAndTheCloseBoxWithCancel)
{
    CAboutDlg clicked;
    EXPECT_EQ(clicked.caption(), u"About Arvelo Rezu");
    clicked.onOpen();
    clicked.onClick(1);
    EXPECT_EQ(clicked.result(), WindowLogic::kResultOk);

    CAboutDlg returned;
    EXPECT_TRUE(returned.onKeyDown(WindowLogic::Key::Return, 1));
    EXPECT_EQ(returned.result(), WindowLogic::kResultOk) << "OK is the default button";

    CAboutDlg escaped;
    escaped.onKeyDown(WindowLogic::Key::Escape, 1);
    EXPECT_EQ(escaped.result(), WindowLogic::kResultCancel);
    CAboutDlg closed;
    closed.onCloseRequest();
    EXPECT_EQ(closed.result(), WindowLogic::kResultCancel);
}

} // namespace
