#pragma once

#include "app/app_state.h"
#include "db/product_db.h"
#include "tests/support/answered_windows.h"
#include "tests/support/recorded_messages.h"
#include "tests/support/temp_folder.h"
#include "windows/main/arvelo_calc_dlg.h"
#include "windows/main/curve_windows.h"
#include "commissioning/protocol_printer.h"

#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>
#include <vector>

// The protocol's texts as the window hands them over, answered with a few
// bytes that stand for the document.
class RecordedProtocols : public ProtocolPrinter {
public:
    std::optional<std::string> protocolPdf(const CommissioningProtocol& protocol) override
    {
        if (cancelled)
            return std::nullopt;
        printed.push_back(protocol);
        return "%PDF printed protocol";
    }
    std::vector<CommissioningProtocol> printed;
    bool cancelled = false;
};

class RecordedCurves : public CurveWindows {
public:
    void showCurve(const std::u16string& caption, const std::string& svg) override { shown.push_back({caption, svg}); }
    std::vector<std::pair<std::u16string, std::string>> shown;
};

// The main window's logic with its database, its state and every service
// it calls recorded or answered by the test.
struct AnsweredMainWindow {
    std::ostringstream errors;
    ProductDb db{errors};
    AppState state;
    RecordedMessages messages;
    AnsweredWindows windows;
    AnsweredSaveFile files;
    RecordedProtocols protocols;
    RecordedCurves curves;
    CArveloCalcDlg window{state, db, {messages, windows, files, protocols, curves, {}}};
};

// The main window's logic, opened after start-up on the program's own
// catalogue (German, l/s, mbar), with its message boxes, modal windows and
// save-file dialog answered by the test.
class MainWindowTest : public testing::Test, protected AnsweredMainWindow {
protected:
    static void SetUpTestSuite();
    void SetUp() override;

    const ControlState& control(int id) const { return *window.controls().find(id); }
    std::u16string text(int id) const { return control(id).text; }
    // Types into a field as a user does: the field's whole new text.
    void type(int id, const std::u16string& newText);
    void click(int id) { window.onClick(id); }
    void goToPage(std::int32_t workMode, std::int32_t view);
    void useEnglishAndCubicMetresPerHour();

    TempFolder folder;
};
