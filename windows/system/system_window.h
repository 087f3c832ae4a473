#pragma once

#include "app/app_state.h"
#include "db/branch_store.h"
#include "db/system_store.h"
#include "system/balance_system.h"
#include "windows/common/saved_records.h"
#include "windows/common/setting_fields.h"
#include "windows/common/window_logic.h"

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

class ProductDb;
class UserMessages;

// What the system window asks of the program around it.
struct SystemWindowServices {
    UserMessages& messages;
    // Opens the saved branch of this name in the branch window, modally;
    // set by whoever opens the system window, so that the system window
    // needs nothing of the branch window's.
    std::function<void(const std::string& branchName)> openBranch;
};

// The system window: the plant's loss and the system's settings, its
// branches in order along the main (each a saved branch with its foot
// device and the main's section up to its take-off, typed into a table
// whose last, empty row takes the next branch), the calculation with the
// pump's duty point, the index branch, a row per branch and the chart, and
// the saved systems. A branch of the table opens in the branch window.
//
// The system is saved as the user goes, under its name or "System N",
// like a branch in the branch window; the name takes effect with Rename.
class SystemWindow : public WindowLogic {
public:
    SystemWindow(AppState& state, ProductDb& db, SystemWindowServices services, std::u16string caption);

    void onOpen() override;
    void onClick(int controlId) override;
    void onTextChanged(int controlId) override;
    void onCellChanged(int controlId, int row, int column) override;
    // Return calculates, but in the table moves to the next cell; Escape
    // closes (everything is saved already).
    bool onKeyDown(Key key, int focusedControlId) override;

    const SavedSystem& system() const { return system_; }
    const std::optional<SystemResult>& result() const { return result_; }
    // The name the system is saved under; none before its first save.
    const std::optional<std::string>& savedName() const { return saved_.savedName(); }

private:
    std::u16string text(int id) const;
    void showTexts();
    void showSettings();
    void showBranches();
    void showResults();
    void changed();
    void persist();

    // The first branch whose main pipe cannot be computed, reported; false
    // when there is none.
    bool refusedPipe();
    void calculate();
    void deleteRow();
    void moveRow(int by);
    void openBranch();
    void openPicked();
    void renameSystem();
    void deletePicked();

    AppState& state_;
    ProductDb& db_;
    SystemWindowServices services_;
    BranchStore branches_;
    SystemStore store_;
    SavedSystem system_;
    SavedRecords<SavedSystem> saved_;
    // What was balanced, for the results' texts and the chart.
    HydronicSystem balanced_;
    std::optional<SystemResult> result_;
    // The settings' fields as typed.
    SettingFieldTexts settingTexts_;
};
