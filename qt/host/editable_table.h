#pragma once

#include "windows/common/control_model.h"

#include <QTableWidget>

#include <vector>

// The editable table control of the generic host: a grid of text cells,
// or of choices where a column names them. Typing starts editing; Tab and
// Return take the text and move on to the next cell, row after row. The
// host shows the control model with showState and hears about each edited
// cell (after the edit has closed) and each move of the current cell.
class EditableTable : public QTableWidget {
    Q_OBJECT

public:
    explicit EditableTable(QWidget* parent = nullptr);

    // Columns, cell texts and the current cell of the model; cells being
    // edited keep their editor.
    void showState(const ControlState& state);
    // The choices of a column; empty for free text.
    const std::vector<std::u16string>& choicesOf(int column) const;
    // Reports the edits not reported yet. A click elsewhere closes the editor
    // as it presses, and the click must act on the edit (Calculate on the
    // kind just chosen), not be followed by it.
    void reportEdits();

signals:
    void cellEdited(int row, int column, const QString& text);
    void currentCellMoved(int row, int column);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    struct Edit {
        int row;
        int column;
        QString text;
    };
    std::vector<Edit> pending_;
    std::vector<ListColumn> columns_;
    std::vector<std::vector<std::u16string>> choices_;
};
