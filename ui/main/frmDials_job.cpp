// How the main window starts, shows the whole job and recalculates, and what the technician does in
// it: each handler hands the value over to its panel or to the job, reports the edit and
// recalculates.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTimer>
#include <cmath>

#include "calc/graph/ToleranceBand.h"
#include "calc/judging/Assessment.h"
#include "calc/judging/MoveAlternatives.h"
#include "project/ProjectCommands.h"
#include "ui/common/DialogProvider.h"
#include "ui/main/HeaderPanel.h"
#include "ui/main/LengthPanel.h"
#include "ui/main/MachinePanel.h"
#include "ui/main/MainMenus.h"
#include "ui/main/MainPanels.h"
#include "ui/main/MainSession.h"
#include "ui/main/MainViewChoices.h"
#include "ui/main/OptionsPanel.h"
#include "ui/main/ReadingsPanel.h"
#include "ui/main/ResultsPanel.h"
#include "ui/main/ToolWindows.h"
#include "ui/main/frmDials.h"
#include "ui/widgets/EntryBox.h"
#include "ui/widgets/Knob.h"

namespace corvane {

void frmDials::formLoad(bool showAbout, const std::string& startFile) {
    // The loading ends with the first full refresh; the graphs then take the knobs' scales.
    {
        const ScopedFlag loading(form_.Loading);
        loadWindow(showAbout, startFile);
    }
    showLoadedWindow();
}

void frmDials::loadWindow(bool showAbout, const std::string& startFile) {
    if (showAbout) mnuAbout_Click();
    move(0, 0);
    state_.LengthLabel = {"A", "B", "C", "D", "E"};
    session_->commands().openProjectAtStart(startFile);
    view_->start();
    refreshAll();
    // A default project that could not be written to the program's folder stays marked (the
    // session was started so), so that closing asks where to keep the work.
    startHistory();
}

void frmDials::showLoadedWindow() {
    // The graphs start on the knobs' scales, unless the job was saved scaling them to its results.
    panels_->results().startGraphs(form_.AutoScale, display().units);
    Timer1_Timer();
    ui_.Timer1->start();
    ui_.txtD1[0]->setFocus(Qt::OtherFocusReason);
}

void frmDials::refreshAll() {
    const ScopedFlag loading(form_.Loading);
    showGridAndReadings();
    scaleKnobs();
    fillTXTfields();
    pickToleranceSpan();
    tools_->followBracketSide(ui_.cmbFixMove->currentIndex());
    recalculate();
}

void frmDials::showGridAndReadings() { panels_->showGridAndReadings(display()); }

void frmDials::scaleKnobs() {
    panels_->readings().scaleKnobs(state_.Project, state_.CalcMethod, display());
    view_->showNineOClock();
}

void frmDials::fillTXTfields() { panels_->showTexts(display()); }

void frmDials::pickToleranceSpan() {
    state_.Project.Span = toleranceSpan(state_.Project, state_.CalcMethod);
    tools_->calcTolerance();
}

CalcOptions frmDials::currentOptions() const { return view_->calcOptions(); }

void frmDials::recalculate() {
    const CalcOptions options = currentOptions();
    panels_->showGuidance(options);
    const Assessment assessment = assess(state_.Project, options);
    const CalcResult& result = assessment.result;
    if (result.status == CalcStatus::NotRun) return;
    // The readings check needs no result; the verdict says why there is none, even when an aborted
    // calculation leaves the last results on screen.
    panels_->showCheckAndVerdict(assessment);
    if (result.growthWritten) {
        state_.Project.growth(options.method, 4) = (*result.growthWritten)[0];
        state_.Project.growth(options.method, 5) = (*result.growthWritten)[1];
    }
    panels_->results().showGraphs(result);
    showResultTexts(result);
    // The tolerance window judges what the window shows: it follows every input at once.
    tools_->showTolerance(true);
    // Moves worked out for other feet must not stay on screen: the results say why there are none,
    // and a calculation asked for outside the ticking of the feet says so once more.
    if (result.status == CalcStatus::Aborted && !tickingFeet_)
        dialogs_.showMessage(this, QString::fromStdString(result.abortMessage));
}

void frmDials::showResultTexts(const CalcResult& result) {
    panels_->showResult(result, currentOptions().method);
    tools_->refreshMoves();
    // The packs follow the moves.
    tools_->showLedger();
}

void frmDials::movesEdited() {
    {
        const ScopedFlag loading(form_.Loading);
        panels_->machine().showStationTicks(state_.Project);
    }
    recalculate();
    jobEdited();
}

void frmDials::Timer1_Timer() { session_->showTitle(); }

void frmDials::showDateStamp(const QString& formatted) { panels_->header().showDateStamp(formatted); }

void frmDials::setRecentFileCaptions(const std::array<std::string, kRecentFileCount>& captions) {
    panels_->menus().setRecentFileCaptions(captions);
}

void frmDials::optAcalc_Click(int index) { view_->selectMethod(index); }

ViewOptions frmDials::currentView() const { return view_->current(); }

void frmDials::applyViewOptions() { view_->apply(); }

void frmDials::showOpenedProject() {
    applyViewOptions();
    refreshAll();
    startHistory();
}

void frmDials::cmbFixMove_Click() { view_->bracketSideChosen(); }

void frmDials::cmbRotation_Click() { view_->rotationChosen(); }

void frmDials::setupRotation() { view_->setupRotation(); }

void frmDials::optEU_Click(int index) { view_->unitsChosen(index); }

void frmDials::chkStation_Click(int index) {
    if (form_.Loading) return;
    setStationaryFoot(state_.Project, state_.CalcMethod, index, ui_.chkStation[index]->isChecked());
    // Results are worked out only for a pair of stationary feet; in between, the results say so at
    // once, without a message for each tick while the marks are moved from one pair to another.
    {
        const ScopedFlag ticking(tickingFeet_);
        recalculate();
    }
    jobEdited();
}

void frmDials::chkTgrowth_Click() { view_->growthSwitched(); }

void frmDials::chkTolerance_Click() { view_->toleranceSwitched(); }

void frmDials::txtMachine_LostFocus() {
    state_.Project.Machine = ui_.txtMachine->text().toStdString();
    jobEdited();
}

void frmDials::txtTechnician_LostFocus() {
    state_.Project.Technician = ui_.txtTechnician->text().toStdString();
    jobEdited();
}

void frmDials::txtM1_LostFocus() {
    state_.Project.M1Text = ui_.txtM1->text().toStdString();
    jobEdited();
}

void frmDials::txtM2_LostFocus() {
    state_.Project.M2Text = ui_.txtM2->text().toStdString();
    jobEdited();
}

void frmDials::txtMisc1_LostFocus() {
    panels_->options().takeMisc(display());
    fillTXTfields();
    recalculate();
    jobEdited();
}

void frmDials::txtRimSag_LostFocus() {
    panels_->options().takeRimSag(display());
    panels_->options().showRimSag(state_.Project, display());
    panels_->machine().showMachineNames(state_.Project);
    recalculate();
    jobEdited();
}

void frmDials::cmdG1Inc_Click() { panels_->results().stepGraphRange(1, true); }

void frmDials::cmdG1Dec_Click() { panels_->results().stepGraphRange(1, false); }

void frmDials::cmdG2Inc_Click() { panels_->results().stepGraphRange(2, true); }

void frmDials::cmdG2Dec_Click() { panels_->results().stepGraphRange(2, false); }

void frmDials::cmdScale_Click() { view_->autoScaleSwitched(); }

void frmDials::cwkDial1_ValueChanged(int p, double value) { knobTurned(1, p, value); }

void frmDials::cwkDial2_ValueChanged(int p, double value) { knobTurned(2, p, value); }

void frmDials::knobTurned(int dial, int p, double value) {
    if (form_.switchingMethod) return;
    // The 9:00 knob of a half rotation shows the zero the dials are taken at, not a reading.
    if (p == 3 && view_->halfRotationShown()) return;
    if (!panels_->readings().takeKnob(dial, p, value, display()) || form_.Loading) return;
    // A reading set with the knob is as much the user's work as a typed one.
    jobEdited();
    if (!knobCalcDeferred_) recalculate();
}

void frmDials::txtD1_LostFocus(int p) { typedReading(1, p); }

void frmDials::txtD2_LostFocus(int p) { typedReading(2, p); }

void frmDials::typedReading(int dial, int p) {
    if (form_.Loading || (p == 3 && view_->halfRotationShown())) return;
    const std::optional<double> shown = panels_->readings().takeTyped(dial, p, display());
    if (!shown) return;
    Knob* knob = (dial == 1 ? ui_.cwkDial1 : ui_.cwkDial2)[p];
    {
        const ScopedFlag oneCalculation(knobCalcDeferred_);
        knob->setValue(*shown);
    }
    if (std::fabs(*shown) > knob->maximum()) scaleKnobs();
    jobEdited();
    recalculate();
}

void frmDials::txtGro_LostFocus(int index) {
    if (!panels_->machine().takeGrowth(index, display())) return;
    recalculate();
    jobEdited();
}

void frmDials::gridLength_Commit(int row, const QString& typed) {
    bool spanChanged = false;
    if (!panels_->lengths().takeLength(row, typed, display(), spanChanged)) return;
    if (spanChanged) pickToleranceSpan();
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

void frmDials::commitFocusedBox() {
    QWidget* focus = QApplication::focusWidget();
    if (focus && focus->window() == this) {
        if (EntryBox* entry = EntryBox::of(focus)) entry->commitIfEdited();
    }
    panels_->lengths().commitEdit();
}

void frmDials::mnuHelpContents_Click() { session_->showManual(); }

void frmDials::mnuExample_Click(int method) { session_->openExample(method); }

}  // namespace corvane
