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

#include "calc/NumberFormat.h"
#include "ui/main/frmDials.h"
#include "ui/widgets/DialogProvider.h"
#include "ui/widgets/EntryBox.h"
#include "ui/widgets/GridCellEditor.h"
#include "ui/widgets/Knob.h"

namespace corvane {

void frmDials::cwkDial1_ValueChanged(int p, double value) { knobTurned(1, p, value); }

void frmDials::cwkDial2_ValueChanged(int p, double value) { knobTurned(2, p, value); }

void frmDials::knobTurned(int dial, int p, double value) {
    const int m = state_.CalcMethod;
    if (m < 0 || m >= kMethodCount || switchingMethod_) return;
    const std::optional<float> reading = toSingle(value);
    if (!reading) return;
    (dial == 1 ? state_.Project.dial1(m, p) : state_.Project.dial2(m, p)) = *reading;
    (dial == 1 ? txtD1 : txtD2)[p]->setText(readingText(*reading));
    if (Loading) return;
    // A reading set with the knob is as much the user's work as a typed one: without the mark the
    // save prompt would not come and the reading would be lost on closing.
    state_.Changed = true;
    if (!knobCalcDeferred_) calcAlignment();
}

void frmDials::txtD1_LostFocus(int p) { typedReading(1, p); }

void frmDials::txtD2_LostFocus(int p) { typedReading(2, p); }

void frmDials::typedReading(int dial, int p) {
    if (Loading) return;
    const int m = state_.CalcMethod;
    if (m < 0 || m >= kMethodCount) return;
    QLineEdit* box = (dial == 1 ? txtD1 : txtD2)[p];
    Knob* knob = (dial == 1 ? cwkDial1 : cwkDial2)[p];
    float& stored = dial == 1 ? state_.Project.dial1(m, p) : state_.Project.dial2(m, p);
    const std::optional<float> reading =
        EntryBox::takeValue(box, Quantity::Reading, units(), readingText(stored));
    if (!reading) return;
    stored = *reading;
    box->setText(readingText(stored));
    knobCalcDeferred_ = true;
    knob->setValue(stored);
    knobCalcDeferred_ = false;
    if (std::fabs(stored) > knob->maximum()) scaleKnobs();
    state_.Changed = true;
    calcAlignment();
}

void frmDials::txtGro_LostFocus(int index) {
    const int m = state_.CalcMethod;
    if (m < 0 || m >= kMethodCount) return;
    const int foot = m == kMethodReverseDial ? index : index - 2;
    if (foot < 0) return;  // the fixed machine's boxes are not used by the two-foot methods
    QLineEdit* box = txtGro[index];
    const std::optional<float> growth = EntryBox::takeValue(
        box, Quantity::Growth, units(), storedText(state_.Project.growth(m, foot), Quantity::Growth));
    if (!growth) return;
    const float before = state_.Project.growth(m, foot);
    state_.Project.growth(m, foot) = *growth;
    if (m != kMethodReverseDial) {
        // The two-foot methods subtract the growth stored for feet 3 and 4; a correction typed
        // here must reach them as the growth window's Apply does.
        state_.Project.growth(m, foot + 2) = *growth;
    }
    box->setText(storedText(state_.Project.growth(m, foot), Quantity::Growth));
    // Only a real change marks the project: typing the same value again changes nothing.
    if (!Loading && before != *growth) state_.Changed = true;
    calcAlignment();
}

void frmDials::cmdReset_Click() {
    // Everything measured goes: asked first, and Enter keeps the job.
    if (!dialogs_.askYesNo(this, QString::fromLatin1(kResetQuestion), DialogProvider::Default::No)) return;
    ProjectRecord& r = state_.Project;
    r.ReservedText.clear();
    r.Machine.clear();
    r.Technician.clear();
    r.Comments.clear();
    r.M1Text.clear();
    r.M2Text.clear();
    r.Sag = 0;
    r.RPM = 0;
    r.Span = 0;
    r.Dial1Reading.fill(0);
    r.Dial2Reading.fill(0);
    r.Growth.fill(0);
    for (int i = 0; i < 4; ++i) {
        r.FootHeight[i] = 0;
        r.ColdTemp[i] = 72;
        r.HotTemp[i] = 72;
    }
    refreshAll();
}

void frmDials::runLostFocus(QLineEdit* box) {
    for (int p = 0; p < kPositionCount; ++p) {
        if (box == txtD1[p]) return txtD1_LostFocus(p);
        if (box == txtD2[p]) return txtD2_LostFocus(p);
        if (box == txtGro[p]) return txtGro_LostFocus(p);
    }
    if (box == txtMachine) return txtMachine_LostFocus();
    if (box == txtTechnician) return txtTechnician_LostFocus();
    if (box == txtM1) return txtM1_LostFocus();
    if (box == txtM2) return txtM2_LostFocus();
    if (box == txtMisc1) return txtMisc1_LostFocus();
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
    std::vector<QWidget*> order{txtMachine,  txtTechnician, txtM1,      txtM2,
                                optAcalc[0], optAcalc[1],   optAcalc[2]};
    for (QLineEdit* box : txtD1) order.push_back(box);
    for (QLineEdit* box : txtD2) order.push_back(box);
    order.push_back(chkTgrowth);
    for (QLineEdit* box : txtGro) order.push_back(box);
    for (QCheckBox* box : chkStation) order.push_back(box);
    order.push_back(gridLength);
    order.push_back(txtMisc1);
    for (Knob* knob : cwkDial1) order.push_back(knob);
    for (Knob* knob : cwkDial2) order.push_back(knob);
    for (QWidget* w : std::initializer_list<QWidget*>{
             optEU[0], optEU[1], chkTolerance, cmbMachine, cmbRotation, cmbFixMove, cmdG1Inc, cmdG1Dec,
             cmdScale, cmdG2Inc, cmdG2Dec, cmdComments, cmdGrowth, cmdTolerances, cmdReset})
        order.push_back(w);
    for (std::size_t i = 0; i + 1 < order.size(); ++i) QWidget::setTabOrder(order[i], order[i + 1]);
}

void frmDials::keyPressEvent(QKeyEvent* event) {
    // A key that reaches the window itself ends a refresh that was left unfinished.
    Loading = false;
    QMainWindow::keyPressEvent(event);
}

}  // namespace corvane
