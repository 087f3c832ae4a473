#pragma once

#include "app/app_state.h"
#include "db/product_db.h"
#include "tests/support/recorded_messages.h"
#include "tests/support/temp_folder.h"
#include "tests/windows/main/main_window_fixture.h"
#include "windows/main/arvelo_calc_dlg.h"
#include "windows/main/main_window_ids.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>
#include <vector>

// The main window's logic on a small catalogue in a temporary working
// folder, started as the program starts, with a calculated valve ready to
// add and V1 and V2 in the valve list. A lock that is never released fails
// a statement after a tenth of a second instead of the program's seconds.
class ValveListWindowTest : public testing::Test, protected AnsweredMainWindow {
protected:
    void SetUp() override;

    std::filesystem::path database() const { return folder.path() / "DB" / "mvd.db"; }
    void add(const std::u16string& designation);
    void clickRow(int row) { window.onListClick(MainWindowId::kValveList, row); }
    void click(int id) { window.onClick(id); }
    void fillProjectAndCustomer();
    // "number designation" of every row the list view shows.
    std::vector<std::u16string> shown() const;
    // The designations in the file, through a connection of the test's own.
    std::multiset<std::string> stored() const;
    // A fault text in German with the reason it is told with.
    static std::u16string told(int textId, std::u16string_view reason);

    TempFolder folder;
};
