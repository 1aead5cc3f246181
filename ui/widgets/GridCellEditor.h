#pragma once

#include <QObject>
#include <functional>

class QTableWidget;
class QLineEdit;
class QKeyEvent;
class QMouseEvent;

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

    // `walk`: Rows walks down and wraps from the last row to row 0, column 1 (length grid);
    // Columns walks right along the row and wraps to column 1 (height grid). A walk that cannot
    // reach its cell goes to that wrap cell instead.
    // `busy` returns true while the window fills the grid: leaving a cell then commits nothing,
    // and an edit still open is closed, since the cell it belonged to is being refilled.
    GridCellEditor(QTableWidget* grid, QLineEdit* editor, Walk walk, std::function<bool()> busy,
                   QObject* parent = nullptr);

    // keyAscii as a key press gives it: a printable character starts the text with that character,
    // 0..32 (control keys, space; a double-click passes 32) starts with the cell's text.
    void openCellEditor(int keyAscii);
    bool isOpen() const;
    // Moves the current cell; the cell that is left commits an open edit first. A cell outside
    // the grid is ignored; column 0 stands for the value beside the label.
    void setCurrentCell(int row, int column);
    // Commits an open edit into the current cell without moving (for a window that saves, prints
    // or closes while a value is still being typed). Nothing while busy.
    void commit();
    // Throws an open edit away; the cell keeps its text.
    void discard();
    // Tells the user, beside the cell, why what was typed into it was not taken.
    void refuse(int row, int column, const QString& why);

signals:
    // An edit of (row, column) was committed with the text the user typed: the receiver stores it
    // and shows the stored value in the cell, or leaves the cell as it was and calls refuse().
    // An edit left without a keystroke is not committed.
    void committed(int row, int column, const QString& typed);
    // The current cell changed (also while busy; the receiver checks its own guard).
    void cellEntered(int row, int column);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void leaveCell(int row, int column);
    void editorKeyDown(int key, Qt::KeyboardModifiers modifiers);
    void commitCell(int row, int column);
    void currentCellChanged(int row, int column, int previousRow, int previousColumn);
    // A cell the user may stand on: inside the grid, not the label column, not a disabled cell.
    bool canBeCurrent(int row, int column) const;
    void placeEditor();
    void hideEditor();
    bool gridKeyPress(QKeyEvent* event);
    bool viewportMouse(QMouseEvent* event);
    bool isBusy() const { return busy_ && busy_(); }

    QTableWidget* grid_;
    QWidget* viewport_;
    QLineEdit* editor_;
    Walk walk_;
    std::function<bool()> busy_;
    // The cell the open edit belongs to.
    int editRow_ = -1;
    int editColumn_ = -1;
    // The edit began with a typed character (not with the cell's own text): it is an edit even
    // before another key.
    bool startedByTyping_ = false;
};

}  // namespace corvane
