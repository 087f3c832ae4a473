#pragma once

#include "windows/common/control_model.h"

#include <optional>
#include <string>

// The behaviour of one window, written against its control model. A view
// (the Qt host, or a test) builds the window from the template, hands every
// user event to the matching handler and shows the model again afterwards;
// once a handler has ended the window, the view closes it with that result.
class WindowLogic {
public:
    // The toolkit's dialog results: Save, OK and Close end with 1, the
    // main window's close box with 2; settings dialogs cancel with 0.
    static constexpr int kResultOk = 1;
    static constexpr int kResultCancel = 2;

    enum class Key { Return, Escape };

    WindowLogic(const DialogTemplate& dialog, std::u16string caption);
    virtual ~WindowLogic() = default;
    WindowLogic(const WindowLogic&) = delete;
    WindowLogic& operator=(const WindowLogic&) = delete;

    const DialogTemplate& dialogTemplate() const { return dialog_; }
    const std::u16string& caption() const { return caption_; }
    ControlModel& controls() { return controls_; }
    const ControlModel& controls() const { return controls_; }

    // Initialisation once the controls exist.
    virtual void onOpen() {}
    virtual void onClick(int /*controlId*/) {}
    // The view has written the field's new text into the model first.
    virtual void onTextChanged(int /*controlId*/) {}
    // Whether a field takes a keystroke that would leave it with `text`; a
    // refused keystroke leaves the field's text and caret as they were.
    virtual bool acceptsTyping(int /*controlId*/, const std::u16string& /*text*/) const { return true; }
    // The view has written the drop-down list's new currentIndex first.
    virtual void onSelectionChanged(int /*controlId*/) {}
    // row is -1 when the click hit no row.
    virtual void onListClick(int /*controlId*/, int /*row*/) {}
    // An editable table's cell was edited; the view has written its new
    // text into the model's rows first.
    virtual void onCellChanged(int /*controlId*/, int /*row*/, int /*column*/) {}
    // A double click on a picture.
    virtual void onDoubleClick(int /*controlId*/) {}
    // Sees Return and Escape before any control; true when consumed.
    // By default Return is swallowed and Escape cancels.
    virtual bool onKeyDown(Key key, int focusedControlId);
    // The close box; by default the same as Escape.
    virtual void onCloseRequest();

    // Set once a handler has ended the window.
    std::optional<int> result() const { return result_; }

protected:
    void end(int result) { result_ = result; }
    virtual void cancel() { end(0); }

private:
    const DialogTemplate& dialog_;
    std::u16string caption_;
    ControlModel controls_;
    std::optional<int> result_;
};

// Opens a window modally and returns its result; the view shows real
// dialogs, tests drive the logic themselves.
class ModalWindows {
public:
    virtual ~ModalWindows() = default;
    virtual int runModal(WindowLogic& window) = 0;
};
