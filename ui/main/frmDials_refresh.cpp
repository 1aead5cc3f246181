// Start-up, the full refresh from the record, the calculation and the title-bar clock.

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <cmath>
#include <limits>

#include "calc/format/NumberFormat.h"
#include "calc/graph/Scale.h"
#include "calc/judging/Tolerance.h"
#include "calc/methods/Growth.h"
#include "project/ProjectCommands.h"
#include "project/Version.h"
#include "ui/about/frmAbout.h"
#include "ui/growth/frmGrowth.h"
#include "ui/main/frmDials.h"
#include "ui/tolerance/frmTolerances.h"
#include "ui/widgets/DialogProvider.h"
#include "ui/widgets/Knob.h"
#include "ui/widgets/ResultGraph.h"
#include "ui/widgets/UserPreferences.h"

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
    // A default project that could not be written to the program's folder stays marked, so that
    // closing asks where to keep the work.
    const bool unsaved = state_.Changed;
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
    state_.Changed = unsaved;
    startHistory();
}

void frmDials::showLoadedWindow() {
    // The graphs start on the knobs' scales, unless the job was saved scaling them to its results.
    if (!AutoScale) {
        // The knobs show their scale in the units shown; the graphs keep theirs in mils.
        const auto stored = [this](double shown) { return fromDisplay(shown, Quantity::Reading, units()); };
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
        ui_.txtD1[p]->setText(readingText(state_.Project.dial1(m, p)));
        ui_.txtD2[p]->setText(readingText(state_.Project.dial2(m, p)));
    }
    for (int i = 0; i < 4; ++i) ui_.chkStation[i]->setChecked(state_.Project.Station[i] != 0);
}

void frmDials::scaleKnobs() {
    const int m = state_.CalcMethod;
    for (int dial = 1; dial <= 2; ++dial) {
        auto& knobs = dial == 1 ? ui_.cwkDial1 : ui_.cwkDial2;
        const DialScale scale = knobScale(state_.Project, m, dial, units());
        // The range first: a reading is never clipped, but the needle should land on the new scale.
        for (Knob* knob : knobs) {
            knob->setRange(scale.minimum, scale.maximum);
            knob->setStep(scale.step);
        }
        // A knob turns in the unit it shows; the value it gives back stores as the reading it had.
        for (int p = 0; p < kPositionCount; ++p)
            knobs[p]->setValue(
                knobValue(dial == 1 ? state_.Project.dial1(m, p) : state_.Project.dial2(m, p)));
    }
}

void frmDials::fillTXTfields() {
    const ProjectRecord& r = state_.Project;
    // English captions name no unit for the face diameter; metric ones name every unit, in the
    // room of "Face Dia: " (the box's accessible name keeps the whole name).
    const bool metric = units() == UnitSystem::Metric;
    const QString faceDia =
        metric ? QStringLiteral("Dia (%1): ").arg(unitText(Quantity::Length)) : QStringLiteral("Face Dia: ");
    switch (state_.CalcMethod) {
        case kMethodReverseDial:
            ui_.lblMisc1->setText(QStringLiteral("Sag (%1)").arg(unitText(Quantity::Reading)));
            ui_.txtMisc1->setText(readingText(r.Sag));
            break;
        case kMethodRimFace:
            ui_.lblMisc1->setText(faceDia);
            ui_.txtMisc1->setText(storedText(r.FaceDia1, Quantity::Length));
            break;
        case kMethodJackShaft:
            ui_.lblMisc1->setText(faceDia);
            ui_.txtMisc1->setText(storedText(r.FaceDia2, Quantity::Length));
            break;
        default:
            break;
    }
    ui_.lblGrowth->setText(QStringLiteral("Growth (%1)").arg(unitText(Quantity::Growth)));
    for (int i = 0; i < 4; ++i)
        ui_.txtGro[i]->setAccessibleName(
            QStringLiteral("Foot %1 growth (%2)").arg(i + 1).arg(unitText(Quantity::Growth)));
    ui_.txtMisc1->setAccessibleName(metric && state_.CalcMethod != kMethodReverseDial
                                        ? QStringLiteral("Face Dia (%1):").arg(unitText(Quantity::Length))
                                        : ui_.lblMisc1->text().trimmed());
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
        if (foot >= 0) ui_.txtGro[box]->setText(storedText(r.growth(m, foot), Quantity::Growth));
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
    options.units = units();
    return options;
}

void frmDials::recalculate() {
    showGuidance();
    const CalcOptions options = currentOptions();
    const CalcResult result = calcAlignment(state_.Project, options);
    if (result.status == CalcStatus::NotRun) return;
    // The readings check needs no result; the verdict says why there is none, even when an aborted
    // calculation leaves the last results on screen.
    showCheckAndVerdict(checkReadings(state_.Project, options),
                        judgeAlignment(state_.Project, options, result));
    if (result.status == CalcStatus::Aborted) {
        // The previous results stay on screen until the stationary feet make sense again.
        dialogs_.showMessage(this, QString::fromStdString(result.abortMessage));
        return;
    }
    if (result.growthWritten) {
        state_.Project.growth(options.method, 4) = (*result.growthWritten)[0];
        state_.Project.growth(options.method, 5) = (*result.growthWritten)[1];
    }
    ui_.Graph1->apply(result.graph1);
    ui_.Graph2->apply(result.graph2);
    ui_.lblAcalc1->setText(QString::fromStdString(result.verticalText));
    ui_.lblAcalc2->setText(QString::fromStdString(result.horizontalText));
}

void frmDials::Timer1_Timer() {
    const QString version = QLatin1String(kVersionText) + QLatin1Char(' ');
    setWindowTitle(QStringLiteral("CORVANE v.") + version + QStringLiteral("  ") +
                   QString::fromStdString(state_.CurrentFile) + QStringLiteral("  ") +
                   QString::fromStdString(formatDateTime(dialogs_.currentDate())));
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

UnitSystem frmDials::units() const { return unitSystemOf(state_.EngUnits); }

QString frmDials::unitText(Quantity quantity) const {
    const std::string_view name = unitName(quantity, units());
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

double frmDials::knobValue(float reading) const { return displayValue(reading, Quantity::Reading, units()); }

QString frmDials::readingText(float reading) const {
    // A reading shows the decimals it holds, up to two: a half-mil dial's 10.5 stays 10.5.
    return QString::fromStdString(formatReading(reading, units(), EnglishReadings::UpToTwoDecimals));
}

QString frmDials::storedText(float value, Quantity quantity) const {
    return QString::fromStdString(formatStored(value, quantity, units()));
}

}  // namespace corvane
