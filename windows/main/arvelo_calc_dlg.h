#pragma once

#include "app/app_state.h"
#include "db/measurement_row.h"
#include "commissioning/protocol_sign_off.h"
#include "resources/layouts/dialog_units.h"
#include "sizing/selection_fields.h"
#include "windows/common/content_scroller.h"
#include "sizing/results_panel_texts.h"
#include "windows/common/window_logic.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class CurveWindows;
struct ValveFacts;
class ProductDb;
class ProtocolPrinter;
class SaveFileChooser;
class UserMessages;

// What the main window needs from outside: message boxes, modal windows,
// the save-file dialog, the printer of the commissioning protocol, the
// window of a valve's curve, and the folder exports start in.
struct MainWindowServices {
    UserMessages& messages;
    ModalWindows& windows;
    SaveFileChooser& files;
    ProtocolPrinter& protocols;
    CurveWindows& curves;
    std::filesystem::path exportFolder;
};

// The main window: its pages, its results panel, its valve list and every
// event, against the control model of template 102.
class CArveloCalcDlg : public WindowLogic {
public:
    CArveloCalcDlg(AppState& state, ProductDb& db, MainWindowServices services);

    // flowInput, dpInput, the flow calculation's texts, candidateIndex and
    // the result values.
    SelectionFields fields;
    std::int32_t valveListIndex = -1;
    // The window rectangle at the last banner centring (screen pixels).
    PixelRect savedWindowRect{};
    // The scroll bars over the window's content.
    ContentScroller contentScroller;

    // Known once start-up has made the working folders.
    void setExportFolder(std::filesystem::path folder) { services_.exportFolder = std::move(folder); }

    void onOpen() override;
    void onClick(int controlId) override;
    void onTextChanged(int controlId) override;
    // The designation takes no keystroke that would make it too long to store.
    bool acceptsTyping(int controlId, const std::u16string& text) const override;
    void onListClick(int controlId, int row) override;
    // On the valve picture of a calculated valve: its presetting curve.
    void onDoubleClick(int controlId) override;
    // Return and Escape are always consumed; in the two input fields they
    // calculate first. Escape never closes the window.
    bool onKeyDown(Key key, int focusedControlId) override;
    // The close box ends the window with the Cancel result.
    void onCloseRequest() override;
    // The About item of the window menu.
    void onSystemCommand(int command);

    // Brings every control into the state of the current page.
    void refreshPage();
    void setupCandidateList();
    void setupValveListColumns();
    void fillValveList();
    // runSelection with candidateIndex, then the results panel.
    void calculate();

    // How far to move the banner after the window's rectangle changed
    // (not called while minimised); remembers the rectangle when it moves.
    std::optional<int> centreBanner(const PixelRect& windowRect);

private:
    std::u16string text(int id) const;
    std::u16string projectDataCaption() const;
    void setModeButtons();
    void refreshGroupPart();
    void refreshSelectionFrames();
    void refreshTypePart();
    void writeField(int fieldId, const std::u16string& text);
    void showResultsPanel();
    // On a commissioning page, the candidate of the valve clicked in the list.
    void pickCandidateOf(const ProjectRow& valve);
    // The panel and a message when the catalogue could not be read.
    void showCatalogueNotRead(const DbFailure& failure);

    void chooseType(int buttonId);
    void settingsHandOver(WindowLogic& dialog);
    void flowCalculationHandOver();
    void openSettings(int buttonId);
    // The branch window; the valve list shows what it added.
    void openBranchWindow();

    void onValveListClick(int row);
    void keepDesignationFitting();
    void addToValveList();
    void deleteTable();
    void deleteValve();
    void exportValveList();
    void reloadValveList();
    // A list the start-up could not read is read again at each action;
    // until it has been read, no change or export of it is made. True when
    // the list had not been read before this call.
    bool retryUnreadValveList();
    bool refuseUnreadValveList();
    // The readings as stored now, another program's too, or, when they could
    // not be read, the reason told and true: nothing is asked or deleted on a
    // count that was not read.
    bool refuseUnreadReadings();
    // A message box with a fault text and the database's reason.
    void tellDatabaseFailure(int textId);
    void showPresettingCurve();

    // The commissioning record: a measurement on page 4 or 9 stored for the
    // valve clicked in the valve list.
    void refreshMeasurementButton();
    void noteMeasuredValve();
    std::optional<DbFailure> loadMeasurements();
    MeasurementRow measurementOnPage(const ProjectRow& valve);
    // A variable-orifice valve's flow, in the flow unit in force, from the
    // dP on the page and the Kv of the presetting found; NaN for none.
    float flowByPresetting(const ValveFacts& facts, const std::string& presetting) const;
    void recordMeasurement();
    std::u16string implausibleReason(const ProjectRow& valve, const MeasurementRow& reading,
                                     const ValveFacts& facts) const;
    void showCorrection(const ProjectRow& valve, const ValveFacts& facts);
    void hideCorrection();
    // Asks for the protocol's sign-off; false when the user cancelled.
    bool askSignOff();

    AppState& state_;
    ProductDb& db_;
    MainWindowServices services_;
    ResultsPanelModel panel_;
    // The material number of the valve whose measurement the page shows,
    // until the page or its inputs change.
    std::optional<std::string> measuredValve_;
    std::vector<MeasurementRow> measurements_;
    // The protocol's sign-off as entered last, offered again the next time.
    ProtocolSignOff signOff_;
};
