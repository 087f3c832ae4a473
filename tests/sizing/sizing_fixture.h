#pragma once

#include "app/app_state.h"
#include "app/user_messages.h"
#include "db/product_db.h"
#include "sizing/selection_fields.h"
#include "tests/support/temp_folder.h"
#include "sizing/results_panel_texts.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>

// A started program on a small catalogue: the state after start-up (in
// English, to read the texts), the window's selection fields and the
// results panel's logic.
class SizingTest : public testing::Test {
protected:
    // Builds DB/mvd.db with the schema, the six fluids and the given rows,
    // then runs start-up on it.
    void startWith(const std::string& rows);
    // Runs statements on that database and starts the program again.
    void restart(const std::string& statements);
    // Enters a view, types the texts and confirms (candidateIndex as is).
    void calculate(std::int32_t view, const std::string& flow, const std::string& dp);
    // Clicks a row of the candidate list.
    void click(std::int32_t row);

    const ResultsPanelTexts& shown() const { return panel.texts(); }
    std::string sqlErrors() const { return errors.str(); }

    TempFolder folder;
    std::ostringstream errors;
    ProductDb db{errors};
    AppState state;
    SelectionFields fields;
    ResultsPanelModel panel{state};

private:
    class NoMessages : public UserMessages {
    public:
        void showMessage(std::u16string_view) override { ADD_FAILURE() << "unexpected message box"; }
    } messages_;
};

// A preset (131 values) or startup (28 values) row with the given
// position -> value pairs; the other positions are left empty (NULL).
std::string presetSql(const std::string& code, const std::string& model, const std::map<int, double>& values);
std::string startupSql(const std::string& code, const std::string& model, const std::map<int, double>& values);
