#pragma once

#include "resources/layouts/dialog_template.h"
#include "data/rgb.h"

#include <map>
#include <memory>
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

// The rows of a report-style list, shared by copies until one of them
// changes: the view keeps a copy of what it shows and knows an unchanged
// list at once by its rows being the very same, however long the list.
class ListRows {
public:
    ListRows() = default;
    ListRows(std::vector<ListRow> rows) : rows_(std::make_shared<std::vector<ListRow>>(std::move(rows))) {}

    std::size_t size() const { return rows_ ? rows_->size() : 0; }
    bool empty() const { return size() == 0; }
    const ListRow& operator[](std::size_t row) const { return (*rows_)[row]; }
    std::vector<ListRow>::const_iterator begin() const { return all().begin(); }
    std::vector<ListRow>::const_iterator end() const { return all().end(); }

    void clear() { rows_.reset(); }
    void push_back(ListRow row) { writable().push_back(std::move(row)); }
    // The rows to change in place (an edited table's cells); rows another
    // copy shares are copied first.
    std::vector<ListRow>& edit() { return writable(); }

    // The same rows, not merely equal ones: no copy has changed since.
    bool sameAs(const ListRows& other) const { return rows_ == other.rows_; }
    bool operator==(const ListRows& other) const { return sameAs(other) || all() == other.all(); }
    bool operator!=(const ListRows& other) const { return !(*this == other); }

private:
    const std::vector<ListRow>& all() const
    {
        static const std::vector<ListRow> none;
        return rows_ ? *rows_ : none;
    }
    // Rows another copy shares are copied before they change.
    std::vector<ListRow>& writable()
    {
        if (!rows_)
            rows_ = std::make_shared<std::vector<ListRow>>();
        else if (rows_.use_count() > 1)
            rows_ = std::make_shared<std::vector<ListRow>>(*rows_);
        return *rows_;
    }

    std::shared_ptr<std::vector<ListRow>> rows_;
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
    ListRows rows;
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
