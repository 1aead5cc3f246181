// Reading entry by knob and by typing, the growth boxes, Reset, and the tab order of the window.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <cmath>

#include "calc/format/NumberFormat.h"
#include "calc/methods/Growth.h"
#include "ui/common/DialogProvider.h"
#include "ui/main/frmDials.h"
#include "ui/widgets/EntryBox.h"
#include "ui/widgets/GridCellEditor.h"
#include "ui/widgets/Knob.h"

namespace corvane {

void frmDials::cwkDial1_ValueChanged(int p, double value) { knobTurned(1, p, value); }

void frmDials::cwkDial2_ValueChanged(int p, double value) { knobTurned(2, p, value); }

void frmDials::knobTurned(int dial, int p, double value) {
    const int m = state_.CalcMethod;
    if (m < 0 || m >= kMethodCount || switchingMethod_) return;
    // The 9:00 knob of a half rotation shows the zero the dials are taken at, not a reading.
    if (p == 3 && halfRotationShown()) return;
    const std::optional<float> reading = storedValue(value, Quantity::Reading, display().units);
    if (!reading) return;
    (dial == 1 ? state_.Project.dial1(m, p) : state_.Project.dial2(m, p)) = *reading;
    (dial == 1 ? ui_.txtD1 : ui_.txtD2)[p]->setText(toQString(display().readingBoxText(*reading)));
    if (Loading) return;
    // A reading set with the knob is as much the user's work as a typed one.
    jobEdited();
    if (!knobCalcDeferred_) recalculate();
}

void frmDials::txtD1_LostFocus(int p) { typedReading(1, p); }

void frmDials::txtD2_LostFocus(int p) { typedReading(2, p); }

void frmDials::typedReading(int dial, int p) {
    if (Loading) return;
    const int m = state_.CalcMethod;
    if (m < 0 || m >= kMethodCount) return;
    QLineEdit* box = (dial == 1 ? ui_.txtD1 : ui_.txtD2)[p];
    Knob* knob = (dial == 1 ? ui_.cwkDial1 : ui_.cwkDial2)[p];
    if (p == 3 && halfRotationShown()) return;
    float& stored = dial == 1 ? state_.Project.dial1(m, p) : state_.Project.dial2(m, p);
    const std::optional<float> reading = EntryBox::takeValue(box, Quantity::Reading, display().units,
                                                             toQString(display().readingBoxText(stored)));
    if (!reading) return;
    stored = *reading;
    box->setText(toQString(display().readingBoxText(stored)));
    {
        const ScopedFlag oneCalculation(knobCalcDeferred_);
        knob->setValue(display().shown(stored, Quantity::Reading));
    }
    if (std::fabs(display().shown(stored, Quantity::Reading)) > knob->maximum()) scaleKnobs();
    jobEdited();
    recalculate();
}

void frmDials::txtGro_LostFocus(int index) {
    const int m = state_.CalcMethod;
    if (m < 0 || m >= kMethodCount) return;
    const int foot = growthFootOfBox(m, index);
    if (foot < 0) return;  // the fixed machine's boxes are not used by the two-foot methods
    QLineEdit* box = ui_.txtGro[index];
    const std::optional<float> growth =
        EntryBox::takeValue(box, Quantity::Growth, display().units,
                            toQString(display().boxText(state_.Project.growth(m, foot), Quantity::Growth)));
    if (!growth) return;
    storeTypedGrowth(state_.Project, m, index, *growth);
    box->setText(toQString(display().boxText(state_.Project.growth(m, foot), Quantity::Growth)));
    recalculate();
    jobEdited();
}

void frmDials::cmdReset_Click() {
    // Everything measured goes: asked first, and Enter keeps the job.
    if (!dialogs_.askYesNo(this, QString::fromLatin1(kResetQuestion), DialogProvider::Default::No)) return;
    resetMeasuredData(state_.Project);
    refreshAll();
    jobEdited();
}

void frmDials::runLostFocus(QLineEdit* box) {
    for (int p = 0; p < kPositionCount; ++p) {
        if (box == ui_.txtD1[p]) return txtD1_LostFocus(p);
        if (box == ui_.txtD2[p]) return txtD2_LostFocus(p);
        if (box == ui_.txtGro[p]) return txtGro_LostFocus(p);
    }
    if (box == ui_.txtMachine) return txtMachine_LostFocus();
    if (box == ui_.txtTechnician) return txtTechnician_LostFocus();
    if (box == ui_.txtM1) return txtM1_LostFocus();
    if (box == ui_.txtM2) return txtM2_LostFocus();
    if (box == ui_.txtMisc1) return txtMisc1_LostFocus();
    if (box == ui_.txtRimSag) return txtRimSag_LostFocus();
}

void frmDials::commitFocusedBox() {
    QWidget* focus = QApplication::focusWidget();
    if (focus && focus->window() == this) {
        if (EntryBox* entry = EntryBox::of(focus)) entry->commitIfEdited();
    }
    commitGridEdit();
}

void frmDials::arrangeTabOrder() {
    // The technician's path through the window: who and what, the method, the readings of both
    // dials, then (after the growth switch) the growth corrections, the stationary feet and the
    // geometry; the knobs, options and buttons follow.
    std::vector<QWidget*> order{ui_.txtMachine,  ui_.txtTechnician, ui_.txtM1,      ui_.txtM2,
                                ui_.optAcalc[0], ui_.optAcalc[1],   ui_.optAcalc[2]};
    for (QLineEdit* box : ui_.txtD1) order.push_back(box);
    for (QLineEdit* box : ui_.txtD2) order.push_back(box);
    order.push_back(ui_.chkTgrowth);
    for (QLineEdit* box : ui_.txtGro) order.push_back(box);
    for (QCheckBox* box : ui_.chkStation) order.push_back(box);
    order.push_back(ui_.gridLength);
    order.push_back(ui_.txtMisc1);
    for (Knob* knob : ui_.cwkDial1) order.push_back(knob);
    for (Knob* knob : ui_.cwkDial2) order.push_back(knob);
    for (QWidget* w : std::initializer_list<QWidget*>{
             ui_.optEU[0], ui_.optEU[1], ui_.chkTolerance, ui_.cmbMachine, ui_.cmbRotation, ui_.cmbFixMove,
             ui_.cmdG1Inc, ui_.cmdG1Dec, ui_.cmdScale, ui_.cmdG2Inc, ui_.cmdG2Dec, ui_.cmdComments,
             ui_.cmdGrowth, ui_.cmdTolerances, ui_.cmdReset})
        order.push_back(w);
    for (std::size_t i = 0; i + 1 < order.size(); ++i) QWidget::setTabOrder(order[i], order[i + 1]);
}

}  // namespace corvane
