// The length grid: distances A..E of the selected method, edited in place.

#include <QLineEdit>
#include <QTableWidget>

#include "calc/NumberFormat.h"
#include "ui/main/frmDials.h"
#include "ui/widgets/GridCellEditor.h"

namespace corvane {

namespace {

// 900 twips wide and 285 twips high cells.
constexpr int kColumnWidth = 60;
constexpr int kRowHeight = 19;

int lengthRows(int method) {
    switch (method) {
        case kMethodReverseDial:
            return 5;
        case kMethodRimFace:
            return 2;
        case kMethodJackShaft:
            return 3;
        default:
            return 0;
    }
}

QTableWidgetItem* cellItem(QTableWidget* grid, int row, int column) {
    QTableWidgetItem* item = grid->item(row, column);
    if (!item) {
        item = new QTableWidgetItem;
        grid->setItem(row, column, item);
    }
    return item;
}

}  // namespace

void frmDials::fillLengthGrid() {
    const int m = state_.CalcMethod;
    const int rows = lengthRows(m);
    gridLength->setRowCount(rows);
    for (int c = 0; c < 2; ++c) gridLength->setColumnWidth(c, kColumnWidth);
    for (int r = 0; r < rows; ++r) gridLength->setRowHeight(r, kRowHeight);
    // The grid is exactly as large as its cells and its frame: no empty strip below the last length.
    const int border = 2 * gridLength->frameWidth();
    gridLength->setFixedSize(2 * kColumnWidth + border, rows * kRowHeight + border);
    const QBrush labelBackground = palette().button();
    for (int k = 0; k < rows; ++k) {
        QTableWidgetItem* label = cellItem(gridLength, k, 0);
        label->setText(QString::fromStdString(state_.LengthLabel[k]));
        label->setTextAlignment(Qt::AlignCenter);
        label->setFlags(Qt::ItemIsEnabled);
        label->setBackground(labelBackground);
        QTableWidgetItem* value = cellItem(gridLength, k, 1);
        value->setText(QString::fromStdString(formatValue(state_.Project.length(m, k))));
        value->setTextAlignment(Qt::AlignCenter);
        value->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    }
    if (rows > 1) gridEditor->setCurrentCell(1, 1);
}

void frmDials::gridLength_Commit(int row, const QString& typed) {
    const int m = state_.CalcMethod;
    if (m < 0 || m >= kMethodCount || row < 0 || row >= kLengthCount) return;
    float& length = state_.Project.length(m, row);
    QTableWidgetItem* cell = cellItem(gridLength, row, 1);
    const TypedValue value = readTypedValue(typed.toStdString(), Quantity::Length, units());
    if (!value.stored) {
        // The cell keeps showing the length that is still stored.
        cell->setText(storedText(length, Quantity::Length));
        gridEditor->refuse(row, 1,
                           QString::fromStdString(value.problem) + QStringLiteral(": the value stays ") +
                               cell->text() + QStringLiteral("."));
        return;
    }
    // The stored length is the one the cell shows: what the user reads is what is kept.
    length = asShown(*value.stored, Quantity::Length, units());
    cell->setText(storedText(length, Quantity::Length));
    calcAlignment();
    state_.Changed = true;
}

void frmDials::commitGridEdit() {
    if (gridEditor->isOpen() && !Loading) gridEditor->commit();
}

}  // namespace corvane
