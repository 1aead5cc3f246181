// The growth window's grids and handlers: feet, temperatures, material and the apply step.

#include <QApplication>
#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QRadioButton>
#include <QTableWidget>
#include <algorithm>
#include <cfloat>
#include <cmath>

#include "calc/format/NumberFormat.h"
#include "calc/graph/Ranges.h"
#include "calc/methods/Growth.h"
#include "calc/methods/MethodTraits.h"
#include "project/AppState.h"
#include "ui/common/DesignLayout.h"
#include "ui/common/WindowZoom.h"
#include "ui/growth/GrowthGrids.h"
#include "ui/growth/frmGrowth.h"
#include "ui/widgets/EntryBox.h"
#include "ui/widgets/GridCellEditor.h"
#include "ui/widgets/MachineDrawing.h"
#include "ui/widgets/Thermometer.h"

namespace corvane {

using namespace growthgrid;

int frmGrowth::currentFoot() const {
    return std::clamp(gridHeight->currentColumn() - 1, 0, std::max(0, FootCount - 1));
}

void frmGrowth::setHeightCell(int row, int foot) {
    const auto& record = state_.Project;
    const float value = row == kRowHeight ? record.FootHeight[foot]
                        : row == kRowHot  ? record.HotTemp[foot]
                                          : record.ColdTemp[foot];
    const Quantity quantity = row == kRowHeight ? Quantity::Length : Quantity::Temperature;
    if (QTableWidgetItem* item = gridHeight->item(row, foot + 1))
        item->setText(toQString(display().boxText(value, quantity)));
}

void frmGrowth::setupGrowthGrids() {
    const ScopedFlag busy(Busy);
    const GrowthGridCaptions captions =
        fillGrowthGrids(gridHeight, gridGrowth, state_.Project, FootCount, FootGrowth.data(), display());
    cwColdT->setAccessibleName(captions.cold + QStringLiteral(" thermometer"));
    cwHotT->setAccessibleName(captions.hot + QStringLiteral(" thermometer"));
    txtColdT->setAccessibleName(captions.cold);
    txtHotT->setAccessibleName(captions.hot);
    sizeGrowthGrids();
}

void frmGrowth::sizeGrowthGrids() {
    sizeFootGrids(this, gridHeight, gridGrowth, zoom_ ? zoom_->zoom() : 1.0);
}

void frmGrowth::showFootTemperatures() {
    const int foot = currentFoot();
    const float hot = state_.Project.HotTemp[foot];
    const float cold = state_.Project.ColdTemp[foot];
    // The thermometers stand on the 1-2-5 steps of the degrees they show.
    const double coldShown = display().shown(cold, Quantity::Temperature);
    const double hotShown = display().shown(hot, Quantity::Temperature);
    const DialRange range = thermometerRange(static_cast<float>(hotShown), static_cast<float>(coldShown));
    {
        // Setting the thermometers must not come back as a user's move.
        const ScopedFlag busy(Busy);
        for (Thermometer* thermometer : {cwColdT, cwHotT}) {
            thermometer->setRange(range.minimum, range.maximum);
            thermometer->setStep(range.step);
        }
        cwColdT->setValue(coldShown);
        cwHotT->setValue(hotShown);
        txtColdT->setText(toQString(display().boxText(cold, Quantity::Temperature)));
        txtHotT->setText(toQString(display().boxText(hot, Quantity::Temperature)));
    }
    showDeltaT(foot);
}

void frmGrowth::showDeltaT(int foot) {
    const float hot = state_.Project.HotTemp[foot];
    const float cold = state_.Project.ColdTemp[foot];
    const float delta = hot - cold;
    constexpr Quantity kDifference = Quantity::TemperatureDifference;
    // Two temperatures near the ends of a Single's range can differ by more than a Single holds.
    const std::string text =
        std::isfinite(delta)
            ? display().boxText(delta, kDifference)
            : display().boxText(static_cast<double>(hot) - static_cast<double>(cold), kDifference);
    lblDeltaT->setText(QStringLiteral("Delta T (%1): ").arg(toQString(display().unit(kDifference))) +
                       QString::fromStdString(text));
}

void frmGrowth::calcFootGrowth() { calcFootGrowth(currentFoot()); }

void frmGrowth::calcFootGrowth(int foot) {
    if (Busy) return;
    const ScopedFlag busy(Busy);
    const auto& record = state_.Project;
    FootGrowth[foot] =
        footGrowth(record.HotTemp[foot], record.ColdTemp[foot], record.FootHeight[foot], record.Material);
    if (QTableWidgetItem* item = gridGrowth->item(0, foot + 1))
        item->setText(toQString(display().boxText(FootGrowth[foot], Quantity::Growth)));
}

void frmGrowth::refreshHeightCell() {
    const int row = gridHeight->currentRow();
    if (gridHeight->currentColumn() < 1 || row < kRowHeight || row > kRowCold) return;
    setHeightCell(row, gridHeight->currentColumn() - 1);
}

void frmGrowth::initGrowthPanel(int bracketSide) {
    bracketSide_ = bracketSide;
    {
        const ScopedFlag busy(Busy);
        preparePanel(bracketSide);
    }
    calcFootGrowth();
    heightEditor->setCurrentCell(kRowHot, 1);
}

void frmGrowth::preparePanel(int bracketSide) {
    FootCount = methodTraits(state_.CalcMethod).footCount;
    // A fresh panel: growth is computed anew for the feet shown.
    FootGrowth.fill(0);

    int picture = 0;
    if (state_.CalcMethod == kMethodRimFace)
        picture = bracketSide >= 1 ? 3 : 1;
    else if (state_.CalcMethod == kMethodJackShaft)
        picture = 2;
    for (int k = 0; k < 4; ++k) picMachine[k]->setVisible(k == picture);

    setupGrowthGrids();
    showFootTemperatures();
    txtHeight->hide();
}

void frmGrowth::optMaterial_Click(int index) {
    // Choosing the material the job already has (as every showing of the window does) is no edit.
    const bool changed = state_.Project.Material != index;
    state_.Project.Material = static_cast<std::int16_t>(index);
    // A material the window does not know (from an old or damaged file) shows no option set.
    materials_->setExclusive(false);
    for (int k = 0; k < 4; ++k) optMaterial[k]->setChecked(k == index);
    materials_->setExclusive(true);

    const int column = gridHeight->currentColumn();
    int row = gridHeight->currentRow();
    if (row < kRowHeight) row = kRowHot;
    for (int c = 1; c < gridHeight->columnCount(); ++c) {
        heightEditor->setCurrentCell(row, c);
        calcFootGrowth();
    }
    heightEditor->setCurrentCell(row, std::max(column, 1));
    if (changed) state_.Session.noteEdit(state_.Project);
}

void frmGrowth::storeTypedTemperature(bool hot) {
    QLineEdit* box = hot ? txtHotT : txtColdT;
    const int foot = currentFoot();
    float& stored = hot ? state_.Project.HotTemp[foot] : state_.Project.ColdTemp[foot];
    const std::optional<float> value =
        EntryBox::takeValue(box, Quantity::Temperature, display().units,
                            toQString(display().boxText(stored, Quantity::Temperature)));
    if (!value) return;
    stored = *value;
    box->setText(toQString(display().boxText(stored, Quantity::Temperature)));
    setHeightCell(hot ? kRowHot : kRowCold, foot);
    calcFootGrowth(foot);
    // The thermometers rescale so that the new temperature is on their scale.
    showFootTemperatures();
    state_.Session.noteEdit(state_.Project);
}

void frmGrowth::txtHotT_LostFocus() { storeTypedTemperature(true); }

void frmGrowth::txtColdT_LostFocus() { storeTypedTemperature(false); }

void frmGrowth::temperatureMoved(bool hot, double value) {
    const std::optional<float> moved = storedValue(value, Quantity::Temperature, display().units);
    if (Busy || !moved) return;
    const int foot = currentFoot();
    float& stored = hot ? state_.Project.HotTemp[foot] : state_.Project.ColdTemp[foot];
    stored = *moved;
    (hot ? txtHotT : txtColdT)->setText(toQString(display().boxText(stored, Quantity::Temperature)));
    setHeightCell(hot ? kRowHot : kRowCold, foot);
    calcFootGrowth(foot);
    // The scale stays put while the user drags; only the difference is shown anew.
    showDeltaT(foot);
    state_.Session.noteEdit(state_.Project);
}

DisplayFormat frmGrowth::display() const { return displayFormat(state_.EngUnits); }

void frmGrowth::gridHeight_EnterCell(int, int) {
    if (!Busy) showFootTemperatures();
}

void frmGrowth::gridHeight_LeaveCell(int row, int column, const QString& typed) {
    if (Busy || column < 1 || column > FootCount || row < kRowHeight || row > kRowCold) return;
    const int foot = column - 1;
    auto& record = state_.Project;
    float& field = row == kRowHeight ? record.FootHeight[foot]
                   : row == kRowHot  ? record.HotTemp[foot]
                                     : record.ColdTemp[foot];
    const Quantity quantity = row == kRowHeight ? Quantity::Length : Quantity::Temperature;
    const TypedValue value = readTypedValue(typed.toStdString(), quantity, display().units);
    if (!value.stored) {
        setHeightCell(row, foot);
        heightEditor->refuse(row, column,
                             QString::fromStdString(value.problem) + QStringLiteral(": the value stays ") +
                                 gridHeight->item(row, column)->text() + QStringLiteral("."));
        return;
    }
    // The record takes the number the cell shows, so that what the user reads is what is stored.
    field = asShown(*value.stored, quantity, display().units);
    setHeightCell(row, foot);
    // The grid reports the commit once the user has moved on: the foot is the edited cell's.
    calcFootGrowth(foot);
    state_.Session.noteEdit(state_.Project);
}

void frmGrowth::commitPendingEdits() {
    QWidget* focus = QApplication::focusWidget();
    if (focus == txtHotT || focus == txtColdT) EntryBox::of(focus)->commitIfEdited();
    heightEditor->commit();
}

void frmGrowth::cmdApplyGrowth_Click() {
    commitPendingEdits();
    const int m = state_.CalcMethod;
    if (m >= 0 && m < kMethodCount) {
        storeAppliedGrowth(state_.Project, m, FootGrowth);
        state_.Session.noteEdit(state_.Project);
    }
    emit growthApplied();
    accept();
}

void frmGrowth::cmdExit_Click() { reject(); }

}  // namespace corvane
