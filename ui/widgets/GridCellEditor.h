#pragma once

#include <QObject>

#include <functional>

class QTableWidget;
class QLineEdit;

namespace corvane {

// The in-place editing of a grid: a separate line edit is moved over the current cell, filled
// and focused when the user starts to edit (double-click, Enter, space or a typed key), and
// hidden when the edit is committed (leaving the cell) or thrown away (Escape). Enter and Tab
// commit and walk on (down the rows, or along the columns), wrapping at the end; with Shift
// they walk back and stop at the first cell. Column 0 holds the row labels and is never current.
// Used by the length grid of the main window and the height grid of the growth window.
class GridCellEditor : public QObject {
    Q_OBJECT
public:
    enum class Walk { Rows, Columns };

    // `wrapRow`, `wrapColumn`: the cell that Enter on the last cell wraps to, and the cell taken
    // when a move fails (length grid: 0, 1; height grid: the current row, 1).
    // `busy` returns true while the window fills the grid: leaving a cell then commits nothing.
    GridCellEditor(QTableWidget* grid, QLineEdit* editor, Walk walk, std::function<bool()> busy,
                   QObject* parent = nullptr);

    // keyAscii as a key press gives it: a printable character starts the text with that character,
    // 0..32 (control keys, space; a double-click passes 32) starts with the cell's text.
    void openCellEditor(int keyAscii);
    bool isOpen() const;
    // Moves the current cell; the cell that is left commits an open edit first.
    void setCurrentCell(int row, int column);

signals:
    // An edit of (row, column) was committed: the cell already shows formatValue(valueOfText(text)).
    void committed(int row, int column, double value);
    // The current cell changed (also while busy; the receiver checks its own guard).
    void cellEntered(int row, int column);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void leaveCell(int row, int column);
    void editorKeyDown(int key, Qt::KeyboardModifiers modifiers);

    QTableWidget* grid_;
    QLineEdit* editor_;
    Walk walk_;
    std::function<bool()> busy_;
};

}  // namespace corvane
