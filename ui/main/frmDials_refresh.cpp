// Start-up, the full refresh from the record, the calculation and the title-bar clock.

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <cmath>
#include <limits>

#include "calc/format/NumberFormat.h"
#include "calc/graph/Scale.h"
#include "calc/judging/Assessment.h"
#include "calc/judging/MoveAlternatives.h"
#include "calc/judging/Tolerance.h"
#include "calc/methods/Growth.h"
#include "calc/methods/MethodTraits.h"
#include "project/MoveSetup.h"
#include "project/ProjectCommands.h"
#include "project/Version.h"
#include "ui/about/frmAbout.h"
#include "ui/common/DialogProvider.h"
#include "ui/common/UserPreferences.h"
#include "ui/feet/frmFeet.h"
#include "ui/growth/frmGrowth.h"
#include "ui/main/frmDials.h"
#include "ui/moves/frmMoves.h"
#include "ui/tolerance/frmTolerances.h"
#include "ui/widgets/Knob.h"
#include "ui/widgets/ResultGraph.h"

namespace corvane {

void frmDials::formLoad(bool showAbout, const std::string& startFile) {
    // The loading ends with the first full refresh; the graphs then take the knobs' scales.
    {
        const ScopedFlag loading(Loading);
        loadWindow(showAbout, startFile);
    }
    showLoadedWindow();
}

void frmDials::loadWindow(bool showAbout, const std::string& startFile) {
    if (showAbout) mnuAbout_Click();
    move(0, 0);
    state_.LengthLabel = {"A", "B", "C", "D", "E"};
    commands_->openProjectAtStart(startFile);
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
    optAcalc_Click(state_.CalcMethod);
    optEU_Click(state_.EngUnits);
    ui_.cmbFixMove->setCurrentIndex(0);
    ui_.cmbRotation->setCurrentIndex(0);
    ui_.cmbMachine->setCurrentIndex(0);
    for (int i = 0; i < 4; ++i) ui_.chkStation[i]->setChecked(state_.Project.Station[i] != 0);
    AutoScale = false;
    setScaleButtonColour();
    for (ResultGraph* graph : {ui_.Graph1, ui_.Graph2}) {
        graph->setYAutoScale(false);
        graph->setBandVisible(false);
    }
    // The job reopens as it was saved: method, rotation, bracket side and the result switches.
    applyViewOptions();
    refreshAll();
    // A default project that could not be written to the program's folder stays marked (the
    // session was started so), so that closing asks where to keep the work.
    startHistory();
}

void frmDials::showLoadedWindow() {
    // The graphs start on the knobs' scales, unless the job was saved scaling them to its results.
    if (!AutoScale) {
        // The knobs show their scale in the units shown; the graphs keep theirs in mils.
        const auto stored = [this](double shown) {
            return fromDisplay(shown, Quantity::Reading, display().units);
        };
        ui_.Graph1->setYRange({stored(ui_.cwkDial1[0]->minimum()), stored(ui_.cwkDial1[0]->maximum())});
        ui_.Graph2->setYRange({stored(ui_.cwkDial2[0]->minimum()), stored(ui_.cwkDial2[0]->maximum())});
    }
    ui_.Graph1->replot();
    ui_.Graph2->replot();
    Timer1_Timer();
    ui_.Timer1->start();
    ui_.txtD1[0]->setFocus(Qt::OtherFocusReason);
}

void frmDials::refreshAll() {
    const ScopedFlag loading(Loading);
    showGridAndReadings();
    scaleKnobs();
    fillTXTfields();
    pickToleranceSpan();
    // A growth window not built yet is built from the record when it is first shown.
    if (growth_) growth_->initGrowthPanel(ui_.cmbFixMove->currentIndex());
    recalculate();
}

void frmDials::showGridAndReadings() {
    const int m = state_.CalcMethod;
    fillLengthGrid();
    for (int p = 0; p < kPositionCount; ++p) {
        ui_.txtD1[p]->setText(toQString(display().readingBoxText(state_.Project.dial1(m, p))));
        ui_.txtD2[p]->setText(toQString(display().readingBoxText(state_.Project.dial2(m, p))));
    }
    for (int i = 0; i < 4; ++i) ui_.chkStation[i]->setChecked(state_.Project.Station[i] != 0);
}

void frmDials::scaleKnobs() {
    const int m = state_.CalcMethod;
    for (int dial = 1; dial <= 2; ++dial) {
        auto& knobs = dial == 1 ? ui_.cwkDial1 : ui_.cwkDial2;
        const DialScale scale = knobScale(state_.Project, m, dial, display().units);
        // The range first: a reading is never clipped, but the needle should land on the new scale.
        for (Knob* knob : knobs) {
            knob->setRange(scale.minimum, scale.maximum);
            knob->setStep(scale.step);
        }
        // A knob turns in the unit it shows; the value it gives back stores as the reading it had.
        for (int p = 0; p < kPositionCount; ++p)
            knobs[p]->setValue(display().shown(
                dial == 1 ? state_.Project.dial1(m, p) : state_.Project.dial2(m, p), Quantity::Reading));
    }
    showNineOClock();
}

void frmDials::fillTXTfields() {
    const ProjectRecord& r = state_.Project;
    // Every box that takes a length names its unit: a diameter typed in millimetres into a box read
    // in inches is a wrong result that looks right.
    const QString lengthUnit = toQString(display().unit(Quantity::Length));
    ui_.frameLength->setTitle(QStringLiteral("Length (%1)").arg(lengthUnit));
    const bool sag = methodTraits(state_.CalcMethod).miscField == MiscField::Sag;
    if (sag) {
        ui_.lblMisc1->setText(QStringLiteral("Sag (%1)").arg(toQString(display().unit(Quantity::Reading))));
        ui_.txtMisc1->setText(toQString(display().readingBoxText(r.Sag)));
    } else {
        ui_.lblMisc1->setText(QStringLiteral("Face Dia (%1)").arg(lengthUnit));
        ui_.txtMisc1->setText(
            toQString(display().boxText(miscValue(r, state_.CalcMethod), Quantity::Length)));
    }
    ui_.lblGrowth->setText(QStringLiteral("Growth (%1)").arg(toQString(display().unit(Quantity::Growth))));
    for (int i = 0; i < 4; ++i)
        ui_.txtGro[i]->setAccessibleName(QStringLiteral("Foot %1 growth (%2)")
                                             .arg(i + 1)
                                             .arg(toQString(display().unit(Quantity::Growth))));
    ui_.txtMisc1->setAccessibleName(ui_.lblMisc1->text().trimmed());
    ui_.txtMachine->setText(r.Machine.empty() ? QStringLiteral("machine")
                                              : QString::fromStdString(r.Machine));
    ui_.txtTechnician->setText(r.Technician.empty() ? QStringLiteral("technician")
                                                    : QString::fromStdString(r.Technician));
    ui_.txtM1->setText(QString::fromStdString(r.M1Text));
    ui_.txtM2->setText(QString::fromStdString(r.M2Text));
    const int m = state_.CalcMethod;
    for (int box = 0; box < 4; ++box) {
        // A box the method does not use keeps its text (it is hidden).
        const int foot = growthFootOfBox(m, box);
        if (foot >= 0)
            ui_.txtGro[box]->setText(toQString(display().boxText(r.growth(m, foot), Quantity::Growth)));
    }
    showDateStamp(QString::fromStdString(formatDateTime(r.DateStamp)));
    fillRimSag();
}

void frmDials::pickToleranceSpan() {
    state_.Project.Span = toleranceSpan(state_.Project, state_.CalcMethod);
    if (tolerances_)
        tolerances_->calcTolerance();
    else
        state_.Tolerance = calcTolerance(state_.Project.Span, state_.Project.RPM);
}

CalcOptions frmDials::currentOptions() const {
    // A list with nothing chosen is -1 here: the calculations treat that as no choice.
    ViewOptions view = currentView();
    view.rotation = ui_.cmbRotation->currentIndex();
    view.bracketSide = ui_.cmbFixMove->currentIndex();
    CalcOptions options = calcOptionsFor(view, state_.Tolerance, ui_.Graph1->yRange(), ui_.Graph2->yRange());
    options.units = display().units;
    return options;
}

void frmDials::recalculate() {
    showGuidance();
    const CalcOptions options = currentOptions();
    const Assessment assessment = assess(state_.Project, options);
    const CalcResult& result = assessment.result;
    if (result.status == CalcStatus::NotRun) return;
    // The readings check needs no result; the verdict says why there is none, even when an aborted
    // calculation leaves the last results on screen.
    showCheckAndVerdict(assessment.findings, assessment.verdict);
    if (result.growthWritten) {
        state_.Project.growth(options.method, 4) = (*result.growthWritten)[0];
        state_.Project.growth(options.method, 5) = (*result.growthWritten)[1];
    }
    ui_.Graph1->apply(result.graph1);
    ui_.Graph2->apply(result.graph2);
    showResultTexts(result);
    // The tolerance window judges what the window shows: it follows every input at once.
    if (tolerances_ && tolerances_->isVisible()) tolerances_->showTolerance();
    // Moves worked out for other feet must not stay on screen: the results say why there are none,
    // and a calculation asked for outside the ticking of the feet says so once more.
    if (result.status == CalcStatus::Aborted && !tickingFeet_)
        dialogs_.showMessage(this, QString::fromStdString(result.abortMessage));
}

void frmDials::showResultTexts(const CalcResult& result) {
    const bool aborted = result.status == CalcStatus::Aborted;
    ui_.lblAcalc1->setText(QString::fromStdString(aborted ? kNoStationaryPair : result.verticalText));
    ui_.lblAcalc2->setText(QString::fromStdString(aborted ? kNoStationaryPair : result.horizontalText));
    showMoveChoice(result);
    // The packs follow the moves.
    if (feet_) feet_->refresh();
}

void frmDials::showMoveChoice(const CalcResult& result) {
    const MoveSetup setup = decodeMoveSetup(state_.Project.ReservedText);
    std::optional<PlotData> vertical, horizontal;
    if (setup.held) {
        const int method = currentOptions().method;
        // Reverse dial holds the ticked feet whatever the line says.
        const std::array<int, 2> held =
            method == kMethodReverseDial ? resultHeldFeet(state_.Project, method) : *setup.held;
        vertical = targetLine(result, Plane::Vertical, held, setup);
        horizontal = targetLine(result, Plane::Horizontal, held, setup);
    }
    ui_.Graph1->setTarget(vertical);
    ui_.Graph2->setTarget(horizontal);
    if (moves_ && moves_->isVisible()) moves_->refresh();
}

void frmDials::movesEdited() {
    {
        const ScopedFlag loading(Loading);
        for (int i = 0; i < 4; ++i) ui_.chkStation[i]->setChecked(state_.Project.Station[i] != 0);
    }
    recalculate();
    jobEdited();
}

void frmDials::Timer1_Timer() {
    const QString version = QLatin1String(kVersionText) + QLatin1Char(' ');
    // "[*]" is where the title bar shows "*" while the job has changes not saved.
    setWindowTitle(QStringLiteral("CORVANE v.") + version + QStringLiteral("  ") +
                   QString::fromStdString(state_.CurrentFile) + QStringLiteral("[*]  ") +
                   QString::fromStdString(formatDateTime(dialogs_.currentDate())));
    setWindowModified(state_.Session.changed());
}

void frmDials::showDateStamp(const QString& formatted) {
    ui_.lblCompany->setText(formatted);
    ui_.lblCompany->setAccessibleName(QStringLiteral("Date: ") + formatted);
}

void frmDials::setScaleButtonColour() {
    // Green while the graphs follow the results, white while they keep the user's zoom.
    const QColor colour = AutoScale ? QColor(0x00, 0xFF, 0x00) : QColor(0xFF, 0xFF, 0xFF);
    QPalette palette = ui_.cmdScale->palette();
    palette.setColor(QPalette::Button, colour);
    ui_.cmdScale->setPalette(palette);
    ui_.cmdScale->setStyleSheet(
        QStringLiteral("QPushButton { background-color: %1; border: 1px solid #7a7a7a;"
                       " border-radius: 3px; }"
                       "QPushButton:focus { border: 2px solid #3070c0; }")
            .arg(colour.name()));
}

DisplayFormat frmDials::display() const { return displayFormat(state_.EngUnits); }

}  // namespace corvane
