#pragma once

#include "resources/layouts/dialog_template.h"
#include "ui/main/rgb.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

// What a window shows, control by control, without a window system: the
// window logic writes it, the view draws it after every event. One record
// per control id of the window's template.

inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kButtonBlue{51, 102, 153};

// One column of a report-style list.
struct ListColumn {
    std::u16string header;
    int width = 0; // pixels
    bool centred = false;
    bool operator==(const ListColumn& other) const
    {
        return header == other.header && width == other.width && centred == other.centred;
    }
};

// One row of a report-style list: its small image (-1 none) and its cells.
struct ListRow {
    int imageIndex = -1;
    std::vector<std::u16string> cells;
    bool operator==(const ListRow& other) const { return imageIndex == other.imageIndex && cells == other.cells; }
};

struct ControlState {
    std::u16string text;
    int imageId = -1;  // picture resource; -1 none
    int imageMode = 0; // buttons: 0 picture at its own size, 1 scaled to the width
    Rgb textColour = kTextBlack;
    Rgb backColour = kWhite;
    ControlFont font = ControlFont::Template;
    int selected = 0; // buttons: 1 draws the orange selection frame
    bool visible = true;
    bool enabled = true;
    // Fields: the most characters the field takes; 0 for no limit.
    int maxLength = 0;

    // Drop-down lists: the entries and the picked one (-1 none).
    std::vector<std::u16string> entries;
    int currentIndex = -1;

    // Report-style lists and editable tables: columns, rows and the
    // selected row (-1 none); editable tables also the current column.
    std::vector<ListColumn> columns;
    std::vector<ListRow> rows;
    int selectedRow = -1;
    int currentColumn = 0;
    // Editable tables: per column the texts its cells may take; a column
    // without choices (or beyond this list) takes free text.
    std::vector<std::vector<std::u16string>> columnChoices;

    // Charts: the SVG picture (UTF-8).
    std::string svg;
};

class ControlModel {
public:
    ControlModel() = default;
    // Every control of the template with the defaults of its class: white
    // labels and fields with black text, blue buttons with white text.
    explicit ControlModel(const DialogTemplate& dialog);

    // The record of a control; one is made with label defaults for an id the
    // template does not name.
    ControlState& operator[](int id) { return controls_[id]; }
    const ControlState* find(int id) const;

    const std::map<int, ControlState>& all() const { return controls_; }

    // A field the logic wants focused with the caret after its text (a
    // rejected keystroke). The view takes it and clears it.
    std::optional<int> focusRequest;

private:
    std::map<int, ControlState> controls_;
};
