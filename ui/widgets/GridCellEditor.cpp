#include "ui/widgets/GridCellEditor.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTableWidget>
#include <QToolTip>

namespace corvane {

namespace {

// Enter with Shift, Ctrl or Alt walks back; the keypad's own flag does not count.
constexpr Qt::KeyboardModifiers kWalkBackModifiers =
    Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier;

// keyAscii codes of the keys that start an edit with the cell's own text.
constexpr int kEnterCode = 13;
constexpr int kSpaceCode = 32;
constexpr int kBackspaceCode = 8;

}  // namespace

GridCellEditor::GridCellEditor(QTableWidget* grid, QLineEdit* editor, Walk walk, std::function<bool()> busy,
                               QObject* parent)
    : QObject(parent),
      grid_(grid),
      viewport_(grid->viewport()),
      editor_(editor),
      walk_(walk),
      busy_(std::move(busy)) {
    // The grid only displays; every edit goes through the line edit.
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    editor_->hide();
    grid_->installEventFilter(this);
    viewport_->installEventFilter(this);
    editor_->installEventFilter(this);
    connect(grid_, &QTableWidget::currentCellChanged, this,
            [this](int row, int column, int previousRow, int previousColumn) {
                currentCellChanged(row, column, previousRow, previousColumn);
            });
    // The editor follows its cell when the grid scrolls.
    for (QScrollBar* bar : {grid_->horizontalScrollBar(), grid_->verticalScrollBar()})
        connect(bar, &QScrollBar::valueChanged, this, [this] {
            if (isOpen()) placeEditor();
        });
}

bool GridCellEditor::isOpen() const { return !editor_->isHidden(); }

bool GridCellEditor::canBeCurrent(int row, int column) const {
    if (row < 0 || row >= grid_->rowCount() || column < 1 || column >= grid_->columnCount()) return false;
    const QTableWidgetItem* item = grid_->item(row, column);
    return !item || (item->flags() & Qt::ItemIsEnabled);
}

void GridCellEditor::openCellEditor(int keyAscii) {
    const int row = grid_->currentRow();
    const int column = grid_->currentColumn();
    if (!canBeCurrent(row, column)) {
        grid_->setFocus(Qt::OtherFocusReason);
        return;
    }
    const bool openHere = isOpen() && row == editRow_ && column == editColumn_;
    if (keyAscii > kSpaceCode) {
        // A typed character replaces the value: the edit starts with it, caret after it.
        const char32_t code = static_cast<char32_t>(keyAscii);
        editor_->setText(QString::fromUcs4(&code, 1));
        startedByTyping_ = true;
    } else if (!openHere) {
        const QTableWidgetItem* item = grid_->item(row, column);
        editor_->setText(item ? item->text() : QString());
        startedByTyping_ = false;
    }
    // Else the edit already under way on this cell is kept: a double-click or Enter on the grid
    // must not throw away what the user typed.
    editRow_ = row;
    editColumn_ = column;
    placeEditor();
    editor_->show();
    editor_->raise();
    editor_->setFocus(Qt::OtherFocusReason);
    editor_->deselect();
    editor_->setCursorPosition(static_cast<int>(editor_->text().size()));
}

void GridCellEditor::placeEditor() {
    const QRect cell = grid_->visualRect(grid_->model()->index(editRow_, editColumn_));
    QWidget* viewport = grid_->viewport();
    QPoint topLeft = viewport->mapToGlobal(cell.topLeft());
    if (QWidget* parent = editor_->parentWidget()) topLeft = parent->mapFromGlobal(topLeft);
    // One pixel short at the right and bottom, so the cell's grid lines stay visible around it.
    editor_->setGeometry(QRect(topLeft, cell.size() - QSize(1, 1)));
}

void GridCellEditor::hideEditor() {
    // Hiding the focused editor would send the focus on to the next control of the window.
    if (editor_->hasFocus()) grid_->setFocus(Qt::OtherFocusReason);
    editor_->hide();
    editRow_ = -1;
    editColumn_ = -1;
}

void GridCellEditor::discard() {
    if (isOpen()) hideEditor();
}

void GridCellEditor::commit() {
    if (!isOpen() || isBusy()) return;
    commitCell(grid_->currentRow(), grid_->currentColumn());
}

void GridCellEditor::leaveCell(int row, int column) {
    if (!isOpen()) return;
    if (isBusy()) {
        // The window is refilling the grid from the project: the edit belongs to what is being
        // replaced, and keeping it open would drop its text into whatever cell is left next.
        hideEditor();
        return;
    }
    commitCell(row, column);
}

void GridCellEditor::commitCell(int row, int column) {
    if (row != editRow_ || column != editColumn_ || !canBeCurrent(row, column)) {
        // The grid was rebuilt under the edit; there is no cell left to take it.
        hideEditor();
        return;
    }
    QTableWidgetItem* item = grid_->item(row, column);
    if (!item) {
        item = new QTableWidgetItem;
        item->setTextAlignment(Qt::AlignCenter);
        grid_->setItem(row, column, item);
    }
    const QString typed = editor_->text();
    const bool edited = startedByTyping_ || editor_->isModified();
    hideEditor();
    // An edit opened and left without a keystroke changes nothing: the cell keeps its text and
    // the record its value, however the cell rounds it.
    if (edited) emit committed(row, column, typed);
}

void GridCellEditor::refuse(int row, int column, const QString& why) {
    const QRect cell = grid_->visualRect(grid_->model()->index(row, column));
    QToolTip::showText(viewport_->mapToGlobal(cell.bottomLeft()), why, viewport_, QRect(), 6000);
    grid_->setProperty("corvaneRefusal", why);
    grid_->setAccessibleDescription(why);
}

void GridCellEditor::setCurrentCell(int row, int column) {
    if (column < 1) column = 1;
    if (row < 0 || row >= grid_->rowCount() || column >= grid_->columnCount()) return;
    grid_->setCurrentCell(row, column);
}

void GridCellEditor::currentCellChanged(int row, int column, int previousRow, int previousColumn) {
    if (previousRow >= 0 && previousColumn >= 0)
        leaveCell(previousRow, previousColumn);
    else if (isOpen() && isBusy())
        hideEditor();
    if (row < 0 || column < 0) return;
    if (!canBeCurrent(row, column) && !isBusy()) {
        // A label was reached (a click, Home, a program's move): stand on the value beside it,
        // or stay where the user was when there is none.
        if (column == 0 && canBeCurrent(row, 1))
            grid_->setCurrentCell(row, 1);
        else if (canBeCurrent(previousRow, previousColumn))
            grid_->setCurrentCell(previousRow, previousColumn);
        return;
    }
    emit cellEntered(row, column);
}

void GridCellEditor::editorKeyDown(int key, Qt::KeyboardModifiers modifiers) {
    const bool back = (modifiers & kWalkBackModifiers) || key == Qt::Key_Backtab;
    grid_->setFocus(Qt::OtherFocusReason);
    const int row = grid_->currentRow();
    const int column = grid_->currentColumn();
    int toRow = row;
    int toColumn = column;
    int failRow = 0;
    if (walk_ == Walk::Rows) {
        if (!back)
            toRow = row < grid_->rowCount() - 1 ? row + 1 : 0;
        else if (row > 0)
            toRow = row - 1;
        if (!back && row >= grid_->rowCount() - 1) toColumn = 1;
    } else {
        failRow = row;
        if (!back)
            toColumn = column < grid_->columnCount() - 1 ? column + 1 : 1;
        else if (column > 1)
            toColumn = column - 1;
    }
    if (toRow == row && toColumn == column) {
        // Shift+Enter on the first cell: nothing to walk to, the edit stays open until the cell is
        // left. Enter in a grid of a single cell has nowhere to go either; it commits in place.
        if (!back) commit();
        return;
    }
    if (!canBeCurrent(toRow, toColumn)) {
        toRow = failRow;
        toColumn = 1;
    }
    grid_->setCurrentCell(toRow, toColumn);
}

bool GridCellEditor::gridKeyPress(QKeyEvent* event) {
    const int key = event->key();
    const Qt::KeyboardModifiers mods = event->modifiers();
    switch (key) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            openCellEditor(kEnterCode);
            return true;
        case Qt::Key_Space:
            openCellEditor(kSpaceCode);
            return true;
        case Qt::Key_F2:
            openCellEditor(0);
            return true;
        case Qt::Key_Backspace:
            openCellEditor(kBackspaceCode);
            return true;
        case Qt::Key_Escape:
            if (!isOpen()) return false;
            discard();
            return true;
        case Qt::Key_Left:
            // The labels are not cells the user stands on.
            return grid_->currentColumn() <= 1;
        case Qt::Key_Home:
            if (mods & Qt::ControlModifier) return false;
            setCurrentCell(grid_->currentRow(), 1);
            return true;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return false;
        default:
            break;
    }
    if (mods & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    const QString text = event->text();
    if (text.isEmpty()) return false;
    const char32_t code = text.toUcs4().value(0);
    if (code <= static_cast<char32_t>(kSpaceCode) || !QChar::isPrint(code)) return false;
    // The first typed character starts the edit and is not lost.
    openCellEditor(static_cast<int>(code));
    return true;
}

bool GridCellEditor::viewportMouse(QMouseEvent* event) {
    const QModelIndex index = grid_->indexAt(event->position().toPoint());
    if (!index.isValid()) return false;
    int row = index.row();
    int column = index.column();
    if (column == 0) column = 1;
    if (event->type() == QEvent::MouseButtonPress) {
        if (column == index.column() && canBeCurrent(row, column)) return false;
        // A click on a label chooses the value beside it; a click on a cell that cannot be
        // current does nothing.
        if (canBeCurrent(row, column)) {
            grid_->setFocus(Qt::MouseFocusReason);
            grid_->setCurrentCell(row, column);
        }
        return true;
    }
    // Double-click: the press before it has already made the cell current.
    if (event->button() == Qt::LeftButton && row == grid_->currentRow() && column == grid_->currentColumn())
        openCellEditor(kSpaceCode);
    return true;
}

bool GridCellEditor::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched == editor_ && type == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        switch (key->key()) {
            case Qt::Key_Tab:
            case Qt::Key_Backtab:
            case Qt::Key_Return:
            case Qt::Key_Enter:
                editorKeyDown(key->key(), key->modifiers());
                return true;
            case Qt::Key_Escape:
                discard();
                grid_->setFocus(Qt::OtherFocusReason);
                return true;
            case Qt::Key_Up:
            case Qt::Key_Down:
            case Qt::Key_PageUp:
            case Qt::Key_PageDown:
                // Keys a one-line box has no use for stay in it, wherever the box sits.
                return true;
            default:
                return false;
        }
    }
    if (watched == grid_ && type == QEvent::KeyPress) return gridKeyPress(static_cast<QKeyEvent*>(event));
    // The viewport is compared by the pointer kept from the start: while the grid is being torn
    // down its viewport still gets events, and the half-destroyed grid must not be called then.
    if (watched == viewport_ && (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick))
        return viewportMouse(static_cast<QMouseEvent*>(event));
    return QObject::eventFilter(watched, event);
}

}  // namespace corvane
