#include "ui/main/LengthPanel.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableWidget>

#include "calc/graph/ToleranceBand.h"
#include "calc/methods/MethodTraits.h"
#include "ui/common/DisplayText.h"
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

LengthPanel::LengthPanel(const MainPanelContext& context, std::function<bool()> loading)
    : state_(context.state),
      ui_(context.ui),
      layout_(context.layout),
      window_(&context.window),
      loading_(std::move(loading)) {
    frmDials& window = context.window;
    ui_.frameCalculation = new QGroupBox(QStringLiteral("Calculation"), context.canvas);
    ui_.frameCalculation->setObjectName(QStringLiteral("frameCalculation"));
    ui_.frameCalculation->setToolTip(QStringLiteral("Aligment Calculation Method"));
    layout_.place(ui_.frameCalculation, kCalculation);
    auto* group = new QButtonGroup(ui_.frameCalculation);
    const char* const captions[3] = {"Reverse Dial", "Rim and Face", "Jack Shaft"};
    for (int i = 0; i < 3; ++i) {
        ui_.optAcalc[i] = new QRadioButton(QLatin1String(captions[i]), ui_.frameCalculation);
        ui_.optAcalc[i]->setObjectName(indexedName("optAcalc", i));
        layout_.place(ui_.optAcalc[i],
                      QRect(QPoint(8, kMethodOptionTop + kMethodOptionPitch * i), kMethodOption));
        group->addButton(ui_.optAcalc[i], i);
        QObject::connect(ui_.optAcalc[i], &QRadioButton::toggled, &window, [&window, i](bool on) {
            if (on) window.optAcalc_Click(i);
        });
    }

    ui_.frameLength = new QGroupBox(QStringLiteral("Length"), context.canvas);
    ui_.frameLength->setObjectName(QStringLiteral("frameLength"));
    layout_.place(ui_.frameLength, kLengthFrame);

    ui_.gridLength = new QTableWidget(ui_.frameLength);
    ui_.gridLength->setObjectName(QStringLiteral("gridLength"));
    ui_.gridLength->setToolTip(QStringLiteral("Length Grid"));
    ui_.gridLength->setAccessibleName(QStringLiteral("Length Grid"));
    ui_.gridLength->horizontalHeader()->hide();
    ui_.gridLength->verticalHeader()->hide();
    ui_.gridLength->setColumnCount(2);
    ui_.gridLength->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ui_.gridLength->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ui_.gridLength->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ui_.gridLength->setSelectionMode(QAbstractItemView::SingleSelection);
    ui_.gridLength->setTabKeyNavigation(false);

    ui_.txtLength = new QLineEdit(ui_.frameLength);
    ui_.txtLength->setObjectName(QStringLiteral("txtLength"));
    ui_.txtLength->setFrame(false);
    ui_.txtLength->setAlignment(Qt::AlignCenter);
    ui_.txtLength->setFocusPolicy(Qt::ClickFocus);
    ui_.txtLength->setAccessibleName(QStringLiteral("Length"));
    ui_.txtLength->hide();

    ui_.gridEditor =
        new GridCellEditor(ui_.gridLength, ui_.txtLength, GridCellEditor::Walk::Rows, loading_, &window);
    QObject::connect(ui_.gridEditor, &GridCellEditor::committed, &window,
                     [&window](int row, int, const QString& typed) { window.gridLength_Commit(row, typed); });
}

void LengthPanel::showJob(const ProjectRecord& record, const DisplayFormat& display) {
    const int m = state_.CalcMethod;
    const int rows = methodTraits(m).lengthCount;
    ui_.gridLength->setRowCount(rows);
    sizeGrid();
    const QBrush labelBackground = window_->palette().button();
    for (int k = 0; k < rows; ++k) {
        QTableWidgetItem* label = cellItem(ui_.gridLength, k, 0);
        label->setText(QString::fromStdString(state_.LengthLabel[k]));
        label->setTextAlignment(Qt::AlignCenter);
        label->setFlags(Qt::ItemIsEnabled);
        label->setBackground(labelBackground);
        QTableWidgetItem* value = cellItem(ui_.gridLength, k, 1);
        value->setText(toQString(display.boxText(record.length(m, k), Quantity::Length)));
        value->setTextAlignment(Qt::AlignCenter);
        value->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    }
    if (rows > 1) ui_.gridEditor->setCurrentCell(1, 1);
}

void LengthPanel::showLengthUnit(const DisplayFormat& display) {
    ui_.frameLength->setTitle(QStringLiteral("Length (%1)").arg(toQString(display.unit(Quantity::Length))));
}

void LengthPanel::sizeGrid() {
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

bool LengthPanel::takeLength(int row, const QString& typed, const DisplayFormat& display, bool& spanChanged) {
    const int m = state_.CalcMethod;
    if (m < 0 || m >= kMethodCount || row < 0 || row >= kLengthCount) return false;
    float& length = state_.Project.length(m, row);
    QTableWidgetItem* cell = cellItem(ui_.gridLength, row, 1);
    const TypedValue value = readTypedValue(typed.toStdString(), Quantity::Length, display.units);
    if (!value.stored) {
        // The cell keeps showing the length that is still stored.
        cell->setText(toQString(display.boxText(length, Quantity::Length)));
        ui_.gridEditor->refuse(row, 1,
                               QString::fromStdString(value.problem) + QStringLiteral(": the value stays ") +
                                   cell->text() + QStringLiteral("."));
        return false;
    }
    // The stored length is the one the cell shows: what the user reads is what is kept.
    const float spanBefore = toleranceSpan(state_.Project, m);
    length = asShown(*value.stored, Quantity::Length, display.units);
    cell->setText(toQString(display.boxText(length, Quantity::Length)));
    // The coupling span is one of the lengths: the tolerance follows it at once.
    spanChanged = toleranceSpan(state_.Project, m) != spanBefore;
    return true;
}

void LengthPanel::commitEdit() {
    if (ui_.gridEditor->isOpen() && !loading_()) ui_.gridEditor->commit();
}

}  // namespace corvane
