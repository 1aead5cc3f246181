// The method, rotation and bracket-side choices with the layout they give the window, the options,
// and the header and miscellaneous fields.

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include "calc/format/NumberFormat.h"
#include "calc/judging/ReadingsCheck.h"
#include "calc/judging/Verdict.h"
#include "project/ViewOptions.h"
#include "ui/growth/frmGrowth.h"
#include "ui/main/MainLayout.h"
#include "ui/main/frmDials.h"
#include "ui/tolerance/frmTolerances.h"
#include "ui/widgets/EntryBox.h"
#include "ui/widgets/Knob.h"
#include "ui/widgets/MachineDrawing.h"
#include "ui/widgets/ResultGraph.h"
#include "ui/widgets/UserPreferences.h"

namespace corvane {

using namespace mainlayout;

namespace {

constexpr const char* kViewedFixedToMoveable = "As viewed from fixed to moveable machine.";
constexpr const char* kViewedFromFixedFace = "As viewed from fixed machine face reading.";
// The point of view of the results: readings and moves as seen from the fixed machine.
constexpr const char* kResultsViewedT1 =
    "All indicator readings and movements are taken as viewed from the fixed to the moveable machine";
constexpr const char* kResultsViewedT2 =
    "All indicator readings and moves are based upon looking from fixed to moveable machine";

// Which length labels each method shows, left to right.
std::vector<int> shownLengthLabels(int method) {
    switch (method) {
        case kMethodReverseDial:
            return {0, 1, 2, 3, 4};
        case kMethodRimFace:
            return {3, 4};
        case kMethodJackShaft:
            return {1, 3, 4};
        default:
            return {};
    }
}

}  // namespace

void frmDials::optAcalc_Click(int index) {
    // Whatever was typed belongs to the method it was typed for.
    if (!Loading) commitGridEdit();
    state_.CalcMethod = index;
    applyMethodLayout(index);
    if (!Loading) {
        {
            // Clearing the 9:00 knobs here must not wipe the 9:00 readings the new method has stored.
            const ScopedFlag switching(switchingMethod_);
            setupRotation();
        }
        refreshAll();
        storeViewOptions();
    }
}

ViewOptions frmDials::currentView() const {
    ViewOptions view;
    view.method = state_.CalcMethod;
    view.rotation = std::max(0, ui_.cmbRotation->currentIndex());
    view.bracketSide = std::max(0, ui_.cmbFixMove->currentIndex());
    view.growthOn = GrowthOn;
    view.toleranceOn = ToleranceOn;
    view.autoScale = AutoScale;
    return view;
}

void frmDials::storeViewOptions() {
    // Part of the job but no edit of it: the options are saved with the next save, and looking at
    // another method does not ask to save.
    if (Loading) return;
    state_.Project.ReservedText = encodeViewOptions(currentView(), state_.Project.ReservedText);
}

void frmDials::applyViewOptions() {
    const std::optional<ViewOptions> saved = decodeViewOptions(state_.Project.ReservedText);
    if (!saved) return;
    const ViewOptions& v = *saved;
    const ScopedFlag loading(Loading);
    {
        const QSignalBlocker blockRotation(ui_.cmbRotation), blockSide(ui_.cmbFixMove),
            blockGrowth(ui_.chkTgrowth), blockTolerance(ui_.chkTolerance),
            blockMethod(ui_.optAcalc[v.method]);
        ui_.cmbRotation->setCurrentIndex(v.rotation);
        ui_.cmbFixMove->setCurrentIndex(v.bracketSide);
        ui_.chkTgrowth->setChecked(v.growthOn);
        ui_.chkTolerance->setChecked(v.toleranceOn);
        ui_.optAcalc[v.method]->setChecked(true);
    }
    GrowthOn = v.growthOn;
    ToleranceOn = v.toleranceOn;
    AutoScale = v.autoScale;
    setScaleButtonColour();
    for (ResultGraph* graph : {ui_.Graph1, ui_.Graph2}) {
        graph->setYAutoScale(AutoScale);
        graph->setBandVisible(ToleranceOn);
    }
    state_.CalcMethod = v.method;
    applyMethodLayout(v.method);
    showRotationControls();
}

void frmDials::showOpenedProject() {
    applyViewOptions();
    refreshAll();
    startHistory();
}

void frmDials::applyMethodLayout(int method) {
    const bool reverse = method == kMethodReverseDial;
    const bool rimFace = method == kMethodRimFace;
    const bool jackShaft = method == kMethodJackShaft;

    ui_.picRevDial->setVisible(reverse);
    if (rimFace) {
        const int side = ui_.cmbFixMove->currentIndex();
        if (side == 0 || side == 1) {
            ui_.picRimFace1->setVisible(side == 0);
            ui_.picRimFace2->setVisible(side == 1);
        }
    } else {
        ui_.picRimFace1->hide();
        ui_.picRimFace2->hide();
    }
    ui_.picJackShaft->setVisible(jackShaft);
    ui_.lblMachine1->setVisible(rimFace);
    ui_.lblMachine2->setVisible(rimFace || jackShaft);
    ui_.cmbFixMove->setVisible(rimFace);
    ui_.cmbRotation->setVisible(reverse);
    ui_.cmbMachine->setVisible(reverse);
    ui_.chkTgrowth->show();
    ui_.chkTolerance->show();
    ui_.txtM1->setVisible(!jackShaft);

    if (reverse) {
        ui_.frameDial1->setTitle(QStringLiteral("Dial Indicator 1 "));
        ui_.frameDial2->setTitle(QStringLiteral("Dial Indicator 2 "));
    } else if (rimFace) {
        ui_.frameDial1->setTitle(QStringLiteral("Rim Readings "));
        ui_.frameDial2->setTitle(QStringLiteral("Face Readings "));
    } else if (jackShaft) {
        ui_.frameDial1->setTitle(QStringLiteral("Fixed Indicators "));
        ui_.frameDial2->setTitle(QStringLiteral("Moveable Indicators "));
    }
    ui_.frameDial1->setToolTip(
        QString::fromLatin1(jackShaft ? kViewedFromFixedFace : kViewedFixedToMoveable));
    ui_.frameDial2->setToolTip(ui_.frameDial1->toolTip());
    ui_.lblAcalc1->setToolTip(QString::fromLatin1(jackShaft ? kResultsViewedT2 : kResultsViewedT1));
    ui_.lblAcalc2->setToolTip(ui_.lblAcalc1->toolTip());
    ui_.Graph1->setGraphToolTip(ui_.lblAcalc1->toolTip());
    ui_.Graph2->setGraphToolTip(ui_.lblAcalc1->toolTip());

    ui_.lblStationary->setVisible(reverse);
    for (QCheckBox* box : ui_.chkStation) box->setVisible(reverse);
    setGrowthBoxesVisible();

    const std::vector<int> shown = shownLengthLabels(method);
    for (int k = 0; k < kLengthCount; ++k) ui_.lblLength[k]->hide();
    for (std::size_t i = 0; i < shown.size(); ++i) {
        QLabel* label = ui_.lblLength[shown[i]];
        label->setText(QString::fromStdString(state_.LengthLabel[i]));
        label->show();
    }
    placeLengthLabels();
    placeFootControls();
}

MachineDrawing* frmDials::shownDrawing() const {
    for (MachineDrawing* drawing : {ui_.picRevDial, ui_.picRimFace1, ui_.picRimFace2, ui_.picJackShaft})
        if (!drawing->isHidden()) return drawing;
    return nullptr;
}

void frmDials::placeLengthLabels() {
    // Each letter sits in the break of the dimension line between two marks of the drawing shown.
    const MachineDrawing* drawing = shownDrawing();
    if (!drawing) return;
    const std::vector<int> centres = MachineDrawing::gapCentres(drawing->kind());
    std::size_t gap = 0;
    for (QLabel* label : ui_.lblLength) {
        if (label->isHidden() || gap >= centres.size()) continue;
        const QPoint centre(kDrawing.x() + centres[gap], kDrawing.y() + kDrawing.height() - 8);
        layout_.place(label, QRect(centre - QPoint(kLengthLetter.width() / 2, kLengthLetter.height() / 2),
                                   kLengthLetter));
        label->raise();
        ++gap;
    }
}

void frmDials::placeFootControls() {
    // The stationary-foot boxes and the growth boxes stand under the feet of the drawing shown.
    // A check box is as wide as the style draws its box, whatever the scale.
    const int kStationBox = static_cast<int>(ui_.chkStation[0]->sizeHint().width() / layout_.scale());
    const int x0 = kDrawing.x();
    const std::vector<int> revFeet = [] {
        const std::vector<int> marks = MachineDrawing::markPositions(MachineDrawing::Kind::ReverseDial);
        return std::vector<int>{marks[0], marks[1], marks[4], marks[5]};
    }();
    for (int i = 0; i < 4; ++i)
        layout_.place(ui_.chkStation[i], x0 + revFeet[i] - kStationBox / 2, kStationY, kStationBox,
                      kFootRowHeight);
    // The caption and the Feet button share the room between the two machines' ticks.
    const int between = revFeet[2] - revFeet[1] - kStationBox;
    const int feetButton = between * 2 / 5;
    layout_.place(ui_.lblStationary, x0 + revFeet[1] + kStationBox / 2, kStationY, between - feetButton - 2,
                  kFootRowHeight);
    layout_.place(ui_.cmdFeet, x0 + revFeet[2] - kStationBox / 2 - feetButton, kStationY, feetButton,
                  kFootRowHeight);

    std::array<int, 4> feet{revFeet[0], revFeet[1], revFeet[2], revFeet[3]};
    const MachineDrawing* drawing = shownDrawing();
    if (drawing && drawing->kind() != MachineDrawing::Kind::ReverseDial) {
        // The two-foot methods: the moveable machine's feet are the last two marks.
        const std::vector<int> marks = MachineDrawing::markPositions(drawing->kind());
        feet[2] = marks[marks.size() - 2];
        feet[3] = marks[marks.size() - 1];
    }
    int left[4];
    for (int i = 0; i < 4; ++i) {
        left[i] = std::min(x0 + feet[i] - kGrowthBoxWidth / 2, kMachineModel.width() - kGrowthBoxWidth - 4);
        layout_.place(ui_.txtGro[i], left[i], kGrowthY, kGrowthBoxWidth, kFootRowHeight);
    }
    const bool reverse = state_.CalcMethod == kMethodReverseDial;
    if (reverse)
        layout_.place(ui_.lblGrowth, x0 + (feet[1] + feet[2]) / 2 - kFootCaptionWidth / 2, kGrowthY,
                      kFootCaptionWidth, kFootRowHeight);
    else
        layout_.place(ui_.lblGrowth, left[2] - kFootCaptionWidth - 6, kGrowthY, kFootCaptionWidth,
                      kFootRowHeight);
    ui_.lblGrowth->setAlignment(reverse ? Qt::AlignCenter : Qt::AlignRight | Qt::AlignVCenter);
}

void frmDials::setGrowthBoxesVisible() {
    const bool reverse = state_.CalcMethod == kMethodReverseDial;
    ui_.txtGro[0]->setVisible(reverse && GrowthOn);
    ui_.txtGro[1]->setVisible(reverse && GrowthOn);
    ui_.txtGro[2]->setVisible(GrowthOn);
    ui_.txtGro[3]->setVisible(GrowthOn);
    ui_.lblGrowth->setVisible(GrowthOn);
}

void frmDials::cmbFixMove_Click() {
    if (Loading) return;
    const int side = ui_.cmbFixMove->currentIndex();
    if (state_.CalcMethod == kMethodRimFace && (side == 0 || side == 1)) {
        ui_.picRimFace1->setVisible(side == 0);
        ui_.picRimFace2->setVisible(side == 1);
        placeLengthLabels();
        placeFootControls();
    }
    if (growth_) growth_->initGrowthPanel(side);
    recalculate();
    storeViewOptions();
}

void frmDials::cmbRotation_Click() {
    if (Loading) return;
    setupRotation();
    recalculate();
    storeViewOptions();
}

void frmDials::showRotationControls() {
    const bool half = ui_.cmbRotation->currentIndex() == 1 && state_.CalcMethod == kMethodReverseDial;
    ui_.cwkDial1[2]->setVisible(!half);
    ui_.cwkDial2[2]->setVisible(!half);
    ui_.txtD1[2]->setVisible(!half);
    ui_.txtD2[2]->setVisible(!half);
}

void frmDials::setupRotation() {
    showRotationControls();
    const ScopedFlag oneCalculation(knobCalcDeferred_);
    ui_.cwkDial1[3]->setValue(0);
    ui_.cwkDial2[3]->setValue(0);
}

void frmDials::optEU_Click(int index) {
    state_.EngUnits = index;
    for (int i = 0; i < 2; ++i) {
        const QSignalBlocker block(ui_.optEU[i]);
        ui_.optEU[i]->setChecked(i == index);
    }
    ui_.Graph1->setUnits(units());
    ui_.Graph2->setUnits(units());
    // At start-up the window is filled in these units next.
    if (Loading) return;
    setPreferredUnits(state_.Paths, units());
    showInUnits();
}

void frmDials::showInUnits() {
    // Only what is shown changes: the knobs hand back the readings they were given, and the
    // handlers store nothing and mark nothing while Loading.
    const ScopedFlag loading(Loading);
    showGridAndReadings();
    scaleKnobs();
    fillTXTfields();
    if (tolerances_) tolerances_->showTolerance();
    // The texts of the result in the new units: the same calculation, with nothing of it stored
    // (growth, graphs' ranges). An aborted one has no texts; the labels keep what they show.
    const CalcOptions options = currentOptions();
    const CalcResult result = calcAlignment(state_.Project, options);
    // The status bar's sentences speak the new units too.
    showCheckAndVerdict(checkReadings(state_.Project, options),
                        judgeAlignment(state_.Project, options, result));
    if (result.status == CalcStatus::Result || result.status == CalcStatus::NoResult) {
        ui_.lblAcalc1->setText(QString::fromStdString(result.verticalText));
        ui_.lblAcalc2->setText(QString::fromStdString(result.horizontalText));
    }
}

void frmDials::chkStation_Click(int index) {
    if (Loading) return;
    state_.Project.Station[index] = ui_.chkStation[index]->isChecked() ? 1 : 0;
    int count = 0;
    for (std::int16_t value : state_.Project.Station)
        if (value > 0) ++count;
    // Results are worked out only for a pair of stationary feet; while the user is moving the
    // marks from one pair to another the last results stay.
    if (count == 2) {
        recalculate();
        state_.Changed = true;
    }
}

void frmDials::chkTgrowth_Click() {
    GrowthOn = ui_.chkTgrowth->isChecked();
    setGrowthBoxesVisible();
    recalculate();
    storeViewOptions();
}

void frmDials::chkTolerance_Click() {
    ToleranceOn = ui_.chkTolerance->isChecked();
    ui_.Graph1->setBandVisible(ToleranceOn);
    ui_.Graph2->setBandVisible(ToleranceOn);
    recalculate();
    storeViewOptions();
}

void frmDials::txtMachine_LostFocus() {
    const std::string text = ui_.txtMachine->text().toStdString();
    if (text != state_.Project.Machine) state_.Changed = true;
    state_.Project.Machine = text;
}

void frmDials::txtTechnician_LostFocus() {
    const std::string text = ui_.txtTechnician->text().toStdString();
    if (text != state_.Project.Technician) state_.Changed = true;
    state_.Project.Technician = text;
}

void frmDials::txtM1_LostFocus() {
    const std::string text = ui_.txtM1->text().toStdString();
    // A machine's name is part of the job: a real change must reach the save prompt.
    if (text != state_.Project.M1Text) state_.Changed = true;
    state_.Project.M1Text = text;
}

void frmDials::txtM2_LostFocus() {
    const std::string text = ui_.txtM2->text().toStdString();
    if (text != state_.Project.M2Text) state_.Changed = true;
    state_.Project.M2Text = text;
}

void frmDials::txtMisc1_LostFocus() {
    const bool sag = state_.CalcMethod == kMethodReverseDial;
    const float shown =
        sag ? state_.Project.Sag
            : (state_.CalcMethod == kMethodRimFace ? state_.Project.FaceDia1 : state_.Project.FaceDia2);
    const std::optional<float> value =
        EntryBox::takeValue(ui_.txtMisc1, sag ? Quantity::Reading : Quantity::Length, units(),
                            sag ? readingText(shown) : storedText(shown, Quantity::Length));
    if (value) {
        switch (state_.CalcMethod) {
            case kMethodReverseDial:
                state_.Project.Sag = *value;
                break;
            case kMethodRimFace:
                state_.Project.FaceDia1 = *value;
                break;
            case kMethodJackShaft:
                state_.Project.FaceDia2 = *value;
                break;
            default:
                break;
        }
        state_.Changed = true;
    }
    fillTXTfields();
    recalculate();
}

}  // namespace corvane
