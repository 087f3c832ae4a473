#pragma once

#include "app/app_state.h"
#include "db/product_db.h"
#include "tests/support/command_output.h"
#include "tests/support/temp_folder.h"
#include "qt/host/program_window.h"

#include <QString>

#include <gtest/gtest.h>

#include <memory>
#include <string>

// The real main window on a working folder with the program's catalogue.
class MainWindowWidget : public testing::Test {
protected:
    void SetUp() override;

    MainWindowHost& host() { return program->host(); }
    template <typename Widget = QWidget>
    Widget* widget(int id)
    {
        return qobject_cast<Widget*>(host().control(id));
    }
    void click(int id);
    // Clicks into the field, selects all and types, key by key.
    void typeInto(int id, const QString& text);
    // The text a control shows.
    QString shown(int id);

    TempFolder folder;
    AppState state;
    ProductDb db;
    std::unique_ptr<ProgramWindow> program;
};
