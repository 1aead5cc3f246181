#include "ui/main/MainViewChoices.h"

#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>

#include "calc/judging/Assessment.h"
#include "calc/methods/MethodTraits.h"
#include "ui/common/DisplayText.h"
#include "ui/common/UserPreferences.h"
#include "ui/main/LengthPanel.h"
#include "ui/main/MachinePanel.h"
#include "ui/main/MainPanels.h"
#include "ui/main/MainSession.h"
#include "ui/main/OptionsPanel.h"
#include "ui/main/ReadingsPanel.h"
#include "ui/main/ResultsPanel.h"
#include "ui/main/ToolWindows.h"
#include "ui/main/frmDials.h"
#include "ui/widgets/ResultGraph.h"

namespace corvane {

MainViewChoices::MainViewChoices(frmDials& window, AppState& state, MainWindowControls& ui,
                                 MainFormState& form, MainPanels& panels, MainSession& session,
                                 ToolWindows& tools)
    : window_(window),
      state_(state),
      ui_(ui),
      form_(form),
      panels_(panels),
      session_(session),
      tools_(tools) {}

DisplayFormat MainViewChoices::display() const { return displayFormat(state_.EngUnits); }

void MainViewChoices::start() {
    state_.CalcMethod = kMethodReverseDial;
    // The units the user chose last time.
    state_.EngUnits = preferredUnits(state_.Paths) == UnitSystem::Metric ? 1 : 0;
    {
        // Selecting an option runs its handler, even when it was already selected.
        const QSignalBlocker blockMethod(ui_.optAcalc[state_.CalcMethod]);
        const QSignalBlocker blockUnits(ui_.optEU[state_.EngUnits]);
        ui_.optAcalc[state_.CalcMethod]->setChecked(true);
        ui_.optEU[state_.EngUnits]->setChecked(true);
    }
    selectMethod(state_.CalcMethod);
    unitsChosen(state_.EngUnits);
    ui_.cmbFixMove->setCurrentIndex(0);
    ui_.cmbRotation->setCurrentIndex(0);
    ui_.cmbMachine->setCurrentIndex(0);
    panels_.machine().showStationTicks(state_.Project);
    form_.AutoScale = false;
    panels_.results().setAutoScale(false);
    panels_.results().setBandVisible(false);
    // The job reopens as it was saved: method, rotation, bracket side and the result switches.
    apply();
}

void MainViewChoices::selectMethod(int index) {
    // Whatever was typed belongs to the method it was typed for.
    if (!form_.Loading) panels_.lengths().commitEdit();
    state_.CalcMethod = index;
    showMethod(index);
    if (!form_.Loading) {
        {
            // Clearing the 9:00 knobs here must not wipe the 9:00 readings the new method has stored.
            const ScopedFlag switching(form_.switchingMethod);
            setupRotation();
        }
        window_.refreshAll();
        store();
    }
}

void MainViewChoices::bracketSideChosen() {
    if (form_.Loading) return;
    const int side = ui_.cmbFixMove->currentIndex();
    panels_.machine().showBracketSide(side);
    panels_.options().showBracketCaption();
    tools_.followBracketSide(side);
    window_.recalculate();
    store();
}

void MainViewChoices::rotationChosen() {
    if (form_.Loading) return;
    setupRotation();
    window_.recalculate();
    store();
}

void MainViewChoices::unitsChosen(int index) {
    state_.EngUnits = index;
    panels_.options().showUnits(index);
    panels_.results().setUnits(display().units);
    // At start-up the window is filled in these units next.
    if (form_.Loading) return;
    setPreferredUnits(state_.Paths, display().units);
    showInUnits();
}

void MainViewChoices::growthSwitched() {
    form_.GrowthOn = ui_.chkTgrowth->isChecked();
    panels_.machine().showGrowthBoxes(state_.CalcMethod, form_.GrowthOn);
    window_.recalculate();
    store();
}

void MainViewChoices::toleranceSwitched() {
    form_.ToleranceOn = ui_.chkTolerance->isChecked();
    panels_.results().setBandVisible(form_.ToleranceOn);
    window_.recalculate();
    store();
}

void MainViewChoices::autoScaleSwitched() {
    form_.AutoScale = !form_.AutoScale;
    panels_.results().setAutoScale(form_.AutoScale);
    window_.recalculate();
    store();
}

ViewOptions MainViewChoices::current() const {
    ViewOptions view;
    view.method = state_.CalcMethod;
    view.rotation = std::max(0, ui_.cmbRotation->currentIndex());
    view.bracketSide = std::max(0, ui_.cmbFixMove->currentIndex());
    view.growthOn = form_.GrowthOn;
    view.toleranceOn = form_.ToleranceOn;
    view.autoScale = form_.AutoScale;
    return view;
}

CalcOptions MainViewChoices::calcOptions() const {
    // A list with nothing chosen is -1 here: the calculations treat that as no choice.
    ViewOptions view = current();
    view.rotation = ui_.cmbRotation->currentIndex();
    view.bracketSide = ui_.cmbFixMove->currentIndex();
    CalcOptions options = calcOptionsFor(view, state_.Tolerance, ui_.Graph1->yRange(), ui_.Graph2->yRange());
    options.units = display().units;
    return options;
}

void MainViewChoices::store() {
    if (form_.Loading) return;
    state_.Project.ReservedText = encodeViewOptions(current(), state_.Project.ReservedText);
    session_.setViewNotKept(!decodeViewOptions(state_.Project.ReservedText));
}

void MainViewChoices::apply() {
    const std::optional<ViewOptions> saved = decodeViewOptions(state_.Project.ReservedText);
    if (!saved) return;
    const ViewOptions& v = *saved;
    const ScopedFlag loading(form_.Loading);
    {
        const QSignalBlocker blockMethod(ui_.optAcalc[v.method]);
        panels_.options().showView(v);
        ui_.optAcalc[v.method]->setChecked(true);
    }
    form_.GrowthOn = v.growthOn;
    form_.ToleranceOn = v.toleranceOn;
    form_.AutoScale = v.autoScale;
    panels_.results().setAutoScale(form_.AutoScale);
    panels_.results().setBandVisible(form_.ToleranceOn);
    state_.CalcMethod = v.method;
    showMethod(v.method);
    panels_.readings().showRotation(halfRotationShown());
}

void MainViewChoices::showMethod(int method) { panels_.showMethod(method, form_.GrowthOn); }

void MainViewChoices::setupRotation() {
    panels_.readings().showRotation(halfRotationShown());
    showNineOClock();
}

bool MainViewChoices::halfRotationShown() const {
    return ui_.cmbRotation->currentIndex() == 1 && methodTraits(state_.CalcMethod).hasRotationChoice;
}

void MainViewChoices::showNineOClock() {
    const ScopedFlag loading(form_.Loading);
    panels_.readings().showNineOClock(state_.Project, state_.CalcMethod, display(), halfRotationShown());
}

void MainViewChoices::showInUnits() {
    // Only what is shown changes: the knobs hand back the readings they were given, and the
    // handlers store nothing and mark nothing while Loading.
    const ScopedFlag loading(form_.Loading);
    window_.showGridAndReadings();
    window_.scaleKnobs();
    window_.fillTXTfields();
    tools_.showTolerance(false);
    // The texts of the result in the new units: the same calculation, with nothing of it stored
    // (growth, graphs' ranges). An aborted one has no texts; the labels keep what they show.
    const Assessment assessment = assess(state_.Project, calcOptions());
    // The status bar's sentences speak the new units too.
    panels_.showCheckAndVerdict(assessment);
    if (assessment.result.status != CalcStatus::NotRun) window_.showResultTexts(assessment.result);
}

}  // namespace corvane
