// The method, rotation and bracket-side choices with the layout they give the window, the options,
// and the header and miscellaneous fields.

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "calc/NumberFormat.h"
#include "project/ViewOptions.h"
#include "ui/growth/frmGrowth.h"
#include "ui/main/frmDials.h"
#include "ui/widgets/EntryBox.h"
#include "ui/widgets/Knob.h"
#include "ui/widgets/ResultGraph.h"

namespace corvane {

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
        // Clearing the 9:00 knobs here must not wipe the 9:00 readings the new method has stored.
        switchingMethod_ = true;
        setupRotation();
        switchingMethod_ = false;
        refreshAll();
        storeViewOptions();
    }
}

ViewOptions frmDials::currentView() const {
    ViewOptions view;
    view.method = state_.CalcMethod;
    view.rotation = std::max(0, cmbRotation->currentIndex());
    view.bracketSide = std::max(0, cmbFixMove->currentIndex());
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
    const bool wasLoading = Loading;
    Loading = true;
    {
        const QSignalBlocker blockRotation(cmbRotation), blockSide(cmbFixMove), blockGrowth(chkTgrowth),
            blockTolerance(chkTolerance), blockMethod(optAcalc[v.method]);
        cmbRotation->setCurrentIndex(v.rotation);
        cmbFixMove->setCurrentIndex(v.bracketSide);
        chkTgrowth->setChecked(v.growthOn);
        chkTolerance->setChecked(v.toleranceOn);
        optAcalc[v.method]->setChecked(true);
    }
    GrowthOn = v.growthOn;
    ToleranceOn = v.toleranceOn;
    AutoScale = v.autoScale;
    setScaleButtonColour();
    for (ResultGraph* graph : {Graph1, Graph2}) {
        graph->setYAutoScale(AutoScale);
        graph->setPlotVisible(3, ToleranceOn);
    }
    state_.CalcMethod = v.method;
    applyMethodLayout(v.method);
    showRotationControls();
    Loading = wasLoading;
}

void frmDials::showOpenedProject() {
    applyViewOptions();
    refreshAll();
}

void frmDials::applyMethodLayout(int method) {
    const bool reverse = method == kMethodReverseDial;
    const bool rimFace = method == kMethodRimFace;
    const bool jackShaft = method == kMethodJackShaft;

    picRevDial->setVisible(reverse);
    if (rimFace) {
        const int side = cmbFixMove->currentIndex();
        if (side == 0 || side == 1) {
            picRimFace1->setVisible(side == 0);
            picRimFace2->setVisible(side == 1);
        }
    } else {
        picRimFace1->hide();
        picRimFace2->hide();
    }
    picJackShaft->setVisible(jackShaft);
    lblMachine1->setVisible(rimFace);
    lblMachine2->setVisible(rimFace || jackShaft);
    cmbFixMove->setVisible(rimFace);
    cmbRotation->setVisible(reverse);
    cmbMachine->setVisible(reverse);
    chkTgrowth->show();
    chkTolerance->show();
    txtM1->setVisible(!jackShaft);

    if (reverse) {
        frameDial1->setTitle(QStringLiteral("Dial Indicator 1 "));
        frameDial2->setTitle(QStringLiteral("Dial Indicator 2 "));
    } else if (rimFace) {
        frameDial1->setTitle(QStringLiteral("Rim Readings "));
        frameDial2->setTitle(QStringLiteral("Face Readings "));
    } else if (jackShaft) {
        frameDial1->setTitle(QStringLiteral("Fixed Indicators "));
        frameDial2->setTitle(QStringLiteral("Moveable Indicators "));
    }
    frameDial1->setToolTip(QString::fromLatin1(jackShaft ? kViewedFromFixedFace : kViewedFixedToMoveable));
    frameDial2->setToolTip(frameDial1->toolTip());
    lblAcalc1->setToolTip(QString::fromLatin1(jackShaft ? kResultsViewedT2 : kResultsViewedT1));
    lblAcalc2->setToolTip(lblAcalc1->toolTip());
    Graph1->setGraphToolTip(lblAcalc1->toolTip());
    Graph2->setGraphToolTip(lblAcalc1->toolTip());

    lblStationary->setVisible(reverse);
    for (QCheckBox* box : chkStation) box->setVisible(reverse);
    setGrowthBoxesVisible();

    const std::vector<int> shown = shownLengthLabels(method);
    for (int k = 0; k < kLengthCount; ++k) lblLength[k]->hide();
    for (std::size_t i = 0; i < shown.size(); ++i) {
        QLabel* label = lblLength[shown[i]];
        label->setText(QString::fromStdString(state_.LengthLabel[i]));
        label->show();
    }
    placeLengthLabels();
    placeFootControls();
}

MachineDrawing* frmDials::shownDrawing() const {
    for (MachineDrawing* drawing : {picRevDial, picRimFace1, picRimFace2, picJackShaft})
        if (!drawing->isHidden()) return drawing;
    return nullptr;
}

void frmDials::placeLengthLabels() {
    // Each letter sits in the break of the dimension line between two marks of the drawing shown.
    const MachineDrawing* drawing = shownDrawing();
    if (!drawing) return;
    const std::vector<int> centres = MachineDrawing::gapCentres(drawing->kind());
    const QPoint origin = drawing->pos();
    std::size_t gap = 0;
    for (QLabel* label : lblLength) {
        if (label->isHidden() || gap >= centres.size()) continue;
        label->move(origin.x() + centres[gap] - label->width() / 2,
                    origin.y() + MachineDrawing::kHeight - 8 - label->height() / 2);
        label->raise();
        ++gap;
    }
}

void frmDials::placeFootControls() {
    // The stationary-foot boxes and the growth boxes stand under the feet of the drawing shown.
    constexpr int kBoxWidth = 56;
    const int stationY = picRevDial->y() + MachineDrawing::kHeight + 3;
    const int growthY = stationY + 24;
    const int x0 = picRevDial->x();
    const std::vector<int> revFeet = [] {
        const std::vector<int> marks = MachineDrawing::markPositions(MachineDrawing::Kind::ReverseDial);
        return std::vector<int>{marks[0], marks[1], marks[4], marks[5]};
    }();
    for (int i = 0; i < 4; ++i) {
        const QSize hint = chkStation[i]->sizeHint();
        chkStation[i]->setGeometry(x0 + revFeet[i] - hint.width() / 2, stationY, hint.width(), 22);
    }
    lblStationary->setGeometry(x0 + (revFeet[1] + revFeet[2]) / 2 - 50, stationY, 100, 22);

    std::array<int, 4> feet{revFeet[0], revFeet[1], revFeet[2], revFeet[3]};
    const MachineDrawing* drawing = shownDrawing();
    if (drawing && drawing->kind() != MachineDrawing::Kind::ReverseDial) {
        // The two-foot methods: the moveable machine's feet are the last two marks.
        const std::vector<int> marks = MachineDrawing::markPositions(drawing->kind());
        feet[2] = marks[marks.size() - 2];
        feet[3] = marks[marks.size() - 1];
    }
    for (int i = 0; i < 4; ++i) {
        const int left = std::min(x0 + feet[i] - kBoxWidth / 2, frameMachine->width() - kBoxWidth - 4);
        txtGro[i]->setGeometry(left, growthY, kBoxWidth, 22);
    }
    if (state_.CalcMethod == kMethodReverseDial)
        lblGrowth->setGeometry(x0 + (feet[1] + feet[2]) / 2 - 50, growthY, 100, 22);
    else
        lblGrowth->setGeometry(txtGro[2]->x() - 106, growthY, 100, 22);
    lblGrowth->setAlignment(state_.CalcMethod == kMethodReverseDial ? Qt::AlignCenter
                                                                    : Qt::AlignRight | Qt::AlignVCenter);
}

void frmDials::setGrowthBoxesVisible() {
    const bool reverse = state_.CalcMethod == kMethodReverseDial;
    txtGro[0]->setVisible(reverse && GrowthOn);
    txtGro[1]->setVisible(reverse && GrowthOn);
    txtGro[2]->setVisible(GrowthOn);
    txtGro[3]->setVisible(GrowthOn);
    lblGrowth->setVisible(GrowthOn);
}

void frmDials::cmbFixMove_Click() {
    if (Loading) return;
    const int side = cmbFixMove->currentIndex();
    if (state_.CalcMethod == kMethodRimFace && (side == 0 || side == 1)) {
        picRimFace1->setVisible(side == 0);
        picRimFace2->setVisible(side == 1);
        placeLengthLabels();
        placeFootControls();
    }
    if (growth_) growth_->initGrowthPanel(side);
    calcAlignment();
    storeViewOptions();
}

void frmDials::cmbRotation_Click() {
    if (Loading) return;
    setupRotation();
    calcAlignment();
    storeViewOptions();
}

void frmDials::showRotationControls() {
    const bool half = cmbRotation->currentIndex() == 1 && state_.CalcMethod == kMethodReverseDial;
    cwkDial1[2]->setVisible(!half);
    cwkDial2[2]->setVisible(!half);
    txtD1[2]->setVisible(!half);
    txtD2[2]->setVisible(!half);
}

void frmDials::setupRotation() {
    showRotationControls();
    knobCalcDeferred_ = true;
    cwkDial1[3]->setValue(0);
    cwkDial2[3]->setValue(0);
    knobCalcDeferred_ = false;
}

void frmDials::optEU_Click(int index) {
    // The units choice is remembered for the session only and converts nothing.
    state_.EngUnits = index;
    for (int i = 0; i < 2; ++i) {
        const QSignalBlocker block(optEU[i]);
        optEU[i]->setChecked(i == index);
    }
}

void frmDials::chkStation_Click(int index) {
    if (Loading) return;
    state_.Project.Station[index] = chkStation[index]->isChecked() ? 1 : 0;
    int count = 0;
    for (std::int16_t value : state_.Project.Station)
        if (value > 0) ++count;
    // Results are worked out only for a pair of stationary feet; while the user is moving the
    // marks from one pair to another the last results stay.
    if (count == 2) {
        calcAlignment();
        state_.Changed = true;
    }
}

void frmDials::chkTgrowth_Click() {
    GrowthOn = chkTgrowth->isChecked();
    setGrowthBoxesVisible();
    calcAlignment();
    storeViewOptions();
}

void frmDials::chkTolerance_Click() {
    ToleranceOn = chkTolerance->isChecked();
    Graph1->setPlotVisible(3, ToleranceOn);
    Graph2->setPlotVisible(3, ToleranceOn);
    calcAlignment();
    storeViewOptions();
}

void frmDials::txtMachine_LostFocus() {
    const std::string text = txtMachine->text().toStdString();
    if (text != state_.Project.Machine) state_.Changed = true;
    state_.Project.Machine = text;
}

void frmDials::txtTechnician_LostFocus() {
    const std::string text = txtTechnician->text().toStdString();
    if (text != state_.Project.Technician) state_.Changed = true;
    state_.Project.Technician = text;
}

void frmDials::txtM1_LostFocus() {
    const std::string text = txtM1->text().toStdString();
    // A machine's name is part of the job: a real change must reach the save prompt.
    if (text != state_.Project.M1Text) state_.Changed = true;
    state_.Project.M1Text = text;
}

void frmDials::txtM2_LostFocus() {
    const std::string text = txtM2->text().toStdString();
    if (text != state_.Project.M2Text) state_.Changed = true;
    state_.Project.M2Text = text;
}

void frmDials::txtMisc1_LostFocus() {
    const bool sag = state_.CalcMethod == kMethodReverseDial;
    const float shown =
        sag ? state_.Project.Sag
            : (state_.CalcMethod == kMethodRimFace ? state_.Project.FaceDia1 : state_.Project.FaceDia2);
    const std::optional<float> value =
        EntryBox::takeValue(txtMisc1, sag ? Quantity::Reading : Quantity::Length, units(),
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
    calcAlignment();
}

}  // namespace corvane
