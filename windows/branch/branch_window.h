#pragma once

#include "app/app_state.h"
#include "branch/balance_branch.h"
#include "db/branch_record.h"
#include "db/branch_store.h"
#include "windows/common/saved_records.h"
#include "windows/common/setting_fields.h"
#include "windows/common/window_logic.h"

#include <filesystem>
#include <map>
#include <optional>
#include <string>

class ProductDb;
class SaveFileChooser;
class UserMessages;

// What the branch window asks of the program around it.
struct BranchWindowServices {
    UserMessages& messages;
    ModalWindows& windows;
    SaveFileChooser& files;
    // Where the chart's save dialog opens.
    std::filesystem::path exportFolder;
};

// The branch window: the circuits of a branch typed into a table (a last,
// empty row takes a new circuit), with a riser loss or a pipe section and
// a control valve each, the branch settings, the calculation with its
// results table and chart, the valves put into the valve list, and the
// saved branches; the chart is exported as an SVG file, and the circuits
// are opened from and saved to the command line's circuits file.
//
// The branch is saved as the user goes: every change of a circuit or a
// setting writes it under its name at once (a branch without a name gets
// "Branch N"), so closing the window never loses anything and never asks.
// The name field takes effect with Rename (or with the first save). A save
// the database refuses is reported, once until a save works again.
class BranchWindow : public WindowLogic {
public:
    BranchWindow(AppState& state, ProductDb& db, BranchWindowServices services, std::u16string caption);

    void onOpen() override;
    void onClick(int controlId) override;
    void onTextChanged(int controlId) override;
    void onCellChanged(int controlId, int row, int column) override;
    // Return calculates, but in the circuits table moves to the next cell;
    // Escape closes (everything is saved already).
    bool onKeyDown(Key key, int focusedControlId) override;

    // Starts on the saved branch of this name, before the window opens;
    // false when there is none.
    bool startWith(const std::string& name);

    const Branch& branch() const { return branch_; }
    const std::optional<BranchResult>& result() const { return result_; }
    // The name the branch is saved under; none before its first save.
    const std::optional<std::string>& savedName() const { return saved_.savedName(); }

private:
    std::u16string text(int id) const;
    void showTexts();
    void showCircuits();
    void showSettings();
    // The results table's columns follow the branch: its pipe sections and
    // control valves bring their own.
    void showResults();
    void changed();
    void persist();
    // Applies a cell to its circuit (a new one in the last row); a flow cell
    // takes the heat load it was calculated from, or none when typed.
    void editCircuit(int row, int column, const std::u16string& cell, const std::optional<CircuitHeatLoad>& heatLoad);

    void calculate();
    // The first circuit whose pipe section cannot be computed, reported;
    // false when there is none.
    bool refusedPipe();
    // A circuits file becomes a new branch, named after the file.
    void openCircuitsFile();
    void saveCircuitsFile();
    void addToValveList();
    void exportChart();
    void deleteRow();
    void moveRow(int by);
    void openPicked();
    void renameBranch();
    void deletePicked();
    // The flow of the current circuit from its heat load and temperatures,
    // in the program's flow calculation window.
    void flowFromHeatLoad();
    // The system window, which opens its branches in a branch window of
    // their own.
    void openSystemWindow();

    AppState& state_;
    ProductDb& db_;
    BranchWindowServices services_;
    // The flow calculation's last entries, offered again for the next circuit.
    std::string powerText_ = "0,00";
    std::string supplyTemperatureText_ = "20,00";
    std::string returnTemperatureText_ = "15,00";
    BranchStore store_;
    Branch branch_;
    SavedRecords<Branch> saved_;
    std::optional<BranchResult> result_;
    // The settings' fields as typed.
    SettingFieldTexts settingTexts_;
};
