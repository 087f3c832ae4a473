#pragma once

// The branch window's logic against its control model, as the generic host
// drives it, on a working folder with the branch catalogue.

#include "tests/branch/branch_fixture.h"

#include "tests/support/answered_windows.h"
#include "tests/support/list_cell.h"
#include "tests/support/recorded_messages.h"
#include "data/text_format.h"
#include "windows/branch/branch_window.h"
#include "windows/branch/branch_window_ids.h"

#include <memory>

using namespace BranchWindowId;

class BranchWindowTest : public BranchTest {
protected:
    void SetUp() override
    {
        BranchTest::SetUp();
        openWindow();
    }

    void openWindow()
    {
        const BranchWindowServices services{messages, windows, files, folder.path()};
        window = std::make_unique<BranchWindow>(state, db, services, u"Balance branch");
        window->onOpen();
    }

    ControlState& table() { return window->controls()[kCircuitTable]; }

    // Types a text into a cell as the host hands it over.
    void type(int row, int column, const std::u16string& text)
    {
        table().rows.edit().at(static_cast<std::size_t>(row)).cells.at(static_cast<std::size_t>(column)) = text;
        window->onCellChanged(kCircuitTable, row, column);
    }

    void typeRow(int row, const std::u16string& designation, const std::u16string& flow, const std::u16string& circuit,
                 const std::u16string& riser, const std::u16string& kind)
    {
        const std::u16string cells[] = {designation, flow, circuit, riser, kind};
        for (int column = 0; column < 5; ++column)
            type(row, column, cells[column]);
    }

    // The worked example of the core tests, typed in kPa and l/s.
    void typeWorkedExample()
    {
        typeRow(0, u"R1", u"0,5", u"10", u"4", u"Arvelo Quarz");
        typeRow(1, u"R2", u"0,3", u"8", u"3", u"Arvelo / Arvelo Nodo");
        typeRow(2, u"P3", u"2,5", u"5", u"2", u"Arvelo Flumen");
        typeRow(3, u"R4", u"0,5", u"12", u"5", u"Arvelo Quarz");
    }

    // A result cell by its column's header.
    std::u16string result(std::size_t row, const std::u16string& header)
    {
        return listCell(window->controls()[kResultList], row, header);
    }

    std::vector<std::u16string> row(int index)
    {
        const ListRows& rows = table().rows;
        EXPECT_LT(static_cast<std::size_t>(index), rows.size());
        return static_cast<std::size_t>(index) < rows.size() ? rows[static_cast<std::size_t>(index)].cells
                                                             : std::vector<std::u16string>{};
    }

    RecordedMessages messages;
    AnsweredWindows windows;
    AnsweredSaveFile files;
    std::unique_ptr<BranchWindow> window;
};
