// The length grid: distances A..E of the selected method, edited in place.

#include <QLineEdit>
#include <QTableWidget>

#include "calc/judging/Tolerance.h"
#include "calc/methods/MethodTraits.h"
#include "ui/main/MainLayout.h"
#include "ui/main/frmDials.h"
#include "ui/widgets/GridCellEditor.h"

namespace corvane {

using namespace mainlayout;

namespace {

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
    const int rows = methodTraits(m).lengthCount;
    ui_.gridLength->setRowCount(rows);
    sizeLengthGrid();
    const QBrush labelBackground = palette().button();
    for (int k = 0; k < rows; ++k) {
        QTableWidgetItem* label = cellItem(ui_.gridLength, k, 0);
        label->setText(QString::fromStdString(state_.LengthLabel[k]));
        label->setTextAlignment(Qt::AlignCenter);
        label->setFlags(Qt::ItemIsEnabled);
        label->setBackground(labelBackground);
        QTableWidgetItem* value = cellItem(ui_.gridLength, k, 1);
        value->setText(toQString(display().boxText(state_.Project.length(m, k), Quantity::Length)));
        value->setTextAlignment(Qt::AlignCenter);
        value->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    }
    if (rows > 1) ui_.gridEditor->setCurrentCell(1, 1);
}

void frmDials::sizeLengthGrid() {
    const int rows = ui_.gridLength->rowCount();
    for (int c = 0; c < 2; ++c) ui_.gridLength->setColumnWidth(c, layout_.toPixels(kLengthColumnWidth));
    for (int r = 0; r < rows; ++r) ui_.gridLength->setRowHeight(r, layout_.toPixels(kLengthRowHeight));
    // The grid is exactly as large as its cells and its frame: no empty strip below the last length,
    // and no cell cut where the rounded cells add up to more than the rounded whole.
    const int border = 2 * ui_.gridLength->frameWidth();
    const QSize cells(2 * layout_.toPixels(kLengthColumnWidth), rows * layout_.toPixels(kLengthRowHeight));
    const QPoint at = layout_.toPixels(QRect(kLengthGrid, QSize(1, 1))).topLeft();
    ui_.gridLength->setGeometry(QRect(at, cells + QSize(border, border)));
}

void frmDials::gridLength_Commit(int row, const QString& typed) {
    const int m = state_.CalcMethod;
    if (m < 0 || m >= kMethodCount || row < 0 || row >= kLengthCount) return;
    float& length = state_.Project.length(m, row);
    QTableWidgetItem* cell = cellItem(ui_.gridLength, row, 1);
    const TypedValue value = readTypedValue(typed.toStdString(), Quantity::Length, display().units);
    if (!value.stored) {
        // The cell keeps showing the length that is still stored.
        cell->setText(toQString(display().boxText(length, Quantity::Length)));
        ui_.gridEditor->refuse(row, 1,
                               QString::fromStdString(value.problem) + QStringLiteral(": the value stays ") +
                                   cell->text() + QStringLiteral("."));
        return;
    }
    // The stored length is the one the cell shows: what the user reads is what is kept.
    const float spanBefore = toleranceSpan(state_.Project, m);
    length = asShown(*value.stored, Quantity::Length, display().units);
    cell->setText(toQString(display().boxText(length, Quantity::Length)));
    // The coupling span is one of the lengths: the tolerance follows it at once.
    if (toleranceSpan(state_.Project, m) != spanBefore) pickToleranceSpan();
    recalculate();
    jobEdited();
}

void frmDials::commitGridEdit() {
    if (ui_.gridEditor->isOpen() && !Loading) ui_.gridEditor->commit();
}

}  // namespace corvane
