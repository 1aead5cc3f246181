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

#include "calc/NumberFormat.h"
#include "project/ProjectCommands.h"
#include "project/Version.h"
#include "ui/about/frmAbout.h"
#include "ui/growth/frmGrowth.h"
#include "ui/main/frmDials.h"
#include "ui/tolerance/frmTolerances.h"
#include "ui/widgets/DialogProvider.h"
#include "ui/widgets/Knob.h"
#include "ui/widgets/ResultGraph.h"

namespace corvane {

void frmDials::formLoad(bool showAbout, const std::string& startFile) {
    Loading = true;
    if (showAbout) mnuAbout_Click();
    move(0, 0);
    state_.LengthLabel = {"A", "B", "C", "D", "E"};
    commands_->openProjectAtStart(startFile);
    // A default project that could not be written to the program's folder stays marked, so that
    // closing asks where to keep the work.
    const bool unsaved = state_.Changed;
    state_.CalcMethod = kMethodReverseDial;
    state_.EngUnits = 0;
    {
        // Selecting an option runs its handler, even when it was already selected.
        const QSignalBlocker blockMethod(optAcalc[state_.CalcMethod]);
        const QSignalBlocker blockUnits(optEU[state_.EngUnits]);
        optAcalc[state_.CalcMethod]->setChecked(true);
        optEU[state_.EngUnits]->setChecked(true);
    }
    optAcalc_Click(state_.CalcMethod);
    optEU_Click(state_.EngUnits);
    cmbFixMove->setCurrentIndex(0);
    cmbRotation->setCurrentIndex(0);
    cmbMachine->setCurrentIndex(0);
    for (int i = 0; i < 4; ++i) chkStation[i]->setChecked(state_.Project.Station[i] != 0);
    AutoScale = false;
    setScaleButtonColour();
    for (ResultGraph* graph : {Graph1, Graph2}) {
        graph->setYAutoScale(false);
        graph->setPlotVisible(3, false);
    }
    // The job reopens as it was saved: method, rotation, bracket side and the result switches.
    applyViewOptions();
    refreshAll();
    state_.Changed = unsaved;
    Loading = false;
    // The graphs start on the knobs' scales, unless the job was saved scaling them to its results.
    if (!AutoScale) {
        Graph1->setYRange({cwkDial1[0]->minimum(), cwkDial1[0]->maximum()});
        Graph2->setYRange({cwkDial2[0]->minimum(), cwkDial2[0]->maximum()});
    }
    Graph1->replot();
    Graph2->replot();
    Timer1_Timer();
    Timer1->start();
    txtD1[0]->setFocus(Qt::OtherFocusReason);
}

void frmDials::refreshAll() {
    Loading = true;
    showGridAndReadings();
    scaleKnobs();
    fillTXTfields();
    pickToleranceSpan();
    // A growth window not built yet is built from the record when it is first shown.
    if (growth_) growth_->initGrowthPanel(cmbFixMove->currentIndex());
    calcAlignment();
    Loading = false;
}

void frmDials::showGridAndReadings() {
    const int m = state_.CalcMethod;
    fillLengthGrid();
    for (int p = 0; p < kPositionCount; ++p) {
        txtD1[p]->setText(readingText(state_.Project.dial1(m, p)));
        txtD2[p]->setText(readingText(state_.Project.dial2(m, p)));
    }
    for (int i = 0; i < 4; ++i) chkStation[i]->setChecked(state_.Project.Station[i] != 0);
}

void frmDials::scaleKnobs() {
    const int m = state_.CalcMethod;
    for (int dial = 1; dial <= 2; ++dial) {
        auto& knobs = dial == 1 ? cwkDial1 : cwkDial2;
        double top = 0;
        for (int p = 0; p < kPositionCount; ++p) {
            const float reading = dial == 1 ? state_.Project.dial1(m, p) : state_.Project.dial2(m, p);
            if (std::fabs(reading) > top) top = std::fabs(reading);
        }
        top = niceScaleMax(top);
        // The range first: a reading is never clipped, but the needle should land on the new scale.
        for (Knob* knob : knobs) {
            knob->setRange(-top, top);
            knob->setStep(0.005 * (2 * top));
        }
        for (int p = 0; p < kPositionCount; ++p)
            knobs[p]->setValue(dial == 1 ? state_.Project.dial1(m, p) : state_.Project.dial2(m, p));
    }
}

void frmDials::fillTXTfields() {
    const ProjectRecord& r = state_.Project;
    switch (state_.CalcMethod) {
        case kMethodReverseDial:
            lblMisc1->setText(QStringLiteral("Sag (mils)"));
            txtMisc1->setText(readingText(r.Sag));
            break;
        case kMethodRimFace:
            lblMisc1->setText(QStringLiteral("Face Dia: "));
            txtMisc1->setText(QString::fromStdString(formatValue(r.FaceDia1)));
            break;
        case kMethodJackShaft:
            lblMisc1->setText(QStringLiteral("Face Dia: "));
            txtMisc1->setText(QString::fromStdString(formatValue(r.FaceDia2)));
            break;
        default:
            break;
    }
    txtMisc1->setAccessibleName(lblMisc1->text().trimmed());
    txtMachine->setText(r.Machine.empty() ? QStringLiteral("machine") : QString::fromStdString(r.Machine));
    txtTechnician->setText(r.Technician.empty() ? QStringLiteral("technician")
                                                : QString::fromStdString(r.Technician));
    txtM1->setText(QString::fromStdString(r.M1Text));
    txtM2->setText(QString::fromStdString(r.M2Text));
    const int m = state_.CalcMethod;
    if (m == kMethodReverseDial) {
        for (int i = 0; i < 4; ++i) txtGro[i]->setText(QString::fromStdString(formatValue(r.growth(m, i))));
    } else if (m == kMethodRimFace || m == kMethodJackShaft) {
        txtGro[2]->setText(QString::fromStdString(formatValue(r.growth(m, 0))));
        txtGro[3]->setText(QString::fromStdString(formatValue(r.growth(m, 1))));
    }
    showDateStamp(QString::fromStdString(formatDateTime(r.DateStamp)));
}

void frmDials::pickToleranceSpan() {
    state_.Project.Span = toleranceSpan(state_.Project, state_.CalcMethod);
    if (tolerances_)
        tolerances_->calcTolerance();
    else
        state_.Tolerance = corvane::calcTolerance(state_.Project.Span, state_.Project.RPM);
}

CalcOptions frmDials::currentOptions() const {
    CalcOptions options;
    options.method = state_.CalcMethod;
    options.rotation = cmbRotation->currentIndex();
    options.bracketSide = cmbFixMove->currentIndex();
    options.growthOn = GrowthOn;
    options.autoScale = AutoScale;
    options.toleranceOn = ToleranceOn;
    options.tolerance = state_.Tolerance;
    options.graph1Y = Graph1->yRange();
    options.graph2Y = Graph2->yRange();
    return options;
}

void frmDials::calcAlignment() {
    const CalcOptions options = currentOptions();
    const CalcResult result = corvane::calcAlignment(state_.Project, options);
    if (!result.ran) return;
    if (result.aborted) {
        // The previous results stay on screen until the stationary feet make sense again.
        dialogs_.showMessage(this, QString::fromStdString(result.abortMessage));
        return;
    }
    if (result.growthWritten) {
        state_.Project.growth(options.method, 4) = (*result.growthWritten)[0];
        state_.Project.growth(options.method, 5) = (*result.growthWritten)[1];
    }
    Graph1->apply(result.graph1, ToleranceOn);
    Graph2->apply(result.graph2, ToleranceOn);
    lblAcalc1->setText(labelText(result.verticalText));
    lblAcalc2->setText(labelText(result.horizontalText));
}

void frmDials::Timer1_Timer() {
    const QString version = QLatin1String(kVersionText) + QLatin1Char(' ');
    setWindowTitle(QStringLiteral("CORVANE v.") + version + QStringLiteral("  ") +
                   QString::fromStdString(state_.CurrentFile) + QStringLiteral("  ") +
                   QString::fromStdString(formatDateTime(dialogs_.currentDate())));
}

void frmDials::showDateStamp(const QString& formatted) {
    lblCompany->setText(formatted);
    lblCompany->setAccessibleName(QStringLiteral("Date: ") + formatted);
}

void frmDials::setScaleButtonColour() {
    // Green while the graphs follow the results, white while they keep the user's zoom.
    const QColor colour = AutoScale ? QColor(0x00, 0xFF, 0x00) : QColor(0xFF, 0xFF, 0xFF);
    QPalette palette = cmdScale->palette();
    palette.setColor(QPalette::Button, colour);
    cmdScale->setPalette(palette);
    cmdScale->setStyleSheet(QStringLiteral("QPushButton { background-color: %1; border: 1px solid #7a7a7a;"
                                           " border-radius: 3px; }"
                                           "QPushButton:focus { border: 2px solid #3070c0; }")
                                .arg(colour.name()));
}

QString frmDials::labelText(const std::string& text) { return QString::fromStdString(text); }

std::optional<float> frmDials::toSingle(double value) {
    return storedValue(value, Quantity::Reading, UnitSystem::English);
}

UnitSystem frmDials::units() const { return UnitSystem::English; }

QString frmDials::readingText(float reading) const {
    // A reading shows the decimals it holds, up to two: a half-mil dial's 10.5 stays 10.5.
    return QString::fromStdString(formatReading(reading, units(), EnglishReadings::UpToTwoDecimals));
}

QString frmDials::storedText(float value, Quantity quantity) const {
    return QString::fromStdString(formatStored(value, quantity, units()));
}

}  // namespace corvane
