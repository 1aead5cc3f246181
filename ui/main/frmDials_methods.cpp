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
#include "calc/judging/Assessment.h"
#include "calc/judging/MoveAlternatives.h"
#include "calc/judging/ReadingsCheck.h"
#include "calc/judging/Verdict.h"
#include "calc/methods/BracketText.h"
#include "calc/methods/MethodTraits.h"
#include "project/MoveSetup.h"
#include "project/ViewOptions.h"
#include "ui/common/UserPreferences.h"
#include "ui/growth/frmGrowth.h"
#include "ui/main/MainLayout.h"
#include "ui/main/frmDials.h"
#include "ui/tolerance/frmTolerances.h"
#include "ui/widgets/EntryBox.h"
#include "ui/widgets/Knob.h"
#include "ui/widgets/MachineDrawing.h"
#include "ui/widgets/ResultGraph.h"

namespace corvane {

using namespace mainlayout;

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
    const bool notKept = !decodeViewOptions(state_.Project.ReservedText);
    if (notKept != viewNotKept_) {
        viewNotKept_ = notKept;
        showFileNotes();
    }
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
    setAutoScaleButtonColour();
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
    ui_.lblFixMove->setVisible(rimFace);
    showBracketCaption();
    ui_.cmbRotation->setVisible(reverse);
    ui_.cmbMachine->setVisible(reverse);
    ui_.chkTgrowth->show();
    ui_.chkTolerance->show();
    ui_.txtM1->setVisible(!jackShaft);

    const MethodTraits& traits = methodTraits(method);
    const auto text = [](std::string_view t) {
        return QString::fromLatin1(t.data(), static_cast<qsizetype>(t.size()));
    };
    // The frame's caption keeps a blank after it, as a frame's caption always had.
    ui_.frameDial1->setTitle(text(traits.dial1Title) + QLatin1Char(' '));
    ui_.frameDial2->setTitle(text(traits.dial2Title) + QLatin1Char(' '));
    ui_.frameDial1->setToolTip(text(traits.readingsViewpoint));
    ui_.frameDial2->setToolTip(ui_.frameDial1->toolTip());
    ui_.lblAcalc1->setToolTip(text(traits.resultsViewpoint));
    ui_.lblAcalc2->setToolTip(ui_.lblAcalc1->toolTip());
    ui_.Graph1->setGraphToolTip(ui_.lblAcalc1->toolTip());
    ui_.Graph2->setGraphToolTip(ui_.lblAcalc1->toolTip());

    ui_.lblStationary->setVisible(reverse);
    for (QCheckBox* box : ui_.chkStation) box->setVisible(reverse);
    setGrowthBoxesVisible();

    for (int k = 0; k < kLengthCount; ++k) ui_.lblLength[k]->hide();
    for (int i = 0; i < traits.lengthCount; ++i) {
        QLabel* label = ui_.lblLength[traits.letterPlaces[static_cast<std::size_t>(i)]];
        label->setText(QString::fromStdString(state_.LengthLabel[static_cast<std::size_t>(i)]));
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
    // A check box is as wide as the style draws its box, whatever the zoom.
    const int kStationBox = static_cast<int>(ui_.chkStation[0]->sizeHint().width() / layout_.zoom());
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
    showBracketCaption();
    if (growth_) growth_->initGrowthPanel(side);
    recalculate();
    storeViewOptions();
}

void frmDials::showBracketCaption() {
    const QString meaning = QString::fromStdString(bracketArrangement(ui_.cmbFixMove->currentIndex()));
    // Two short lines in the room above the list.
    QString caption = meaning;
    caption.replace(QStringLiteral(", "), QStringLiteral(",\n"));
    ui_.lblFixMove->setText(caption);
    ui_.lblFixMove->setToolTip(meaning);
    ui_.cmbFixMove->setAccessibleDescription(meaning);
}

void frmDials::cmbRotation_Click() {
    if (Loading) return;
    setupRotation();
    recalculate();
    storeViewOptions();
}

bool frmDials::halfRotationShown() const {
    return ui_.cmbRotation->currentIndex() == 1 && state_.CalcMethod == kMethodReverseDial;
}

void frmDials::showRotationControls() {
    const bool half = halfRotationShown();
    for (QWidget* six : std::initializer_list<QWidget*>{ui_.cwkDial1[2], ui_.cwkDial2[2], ui_.txtD1[2],
                                                        ui_.txtD2[2], ui_.lblClock1[2], ui_.lblClock2[2]})
        six->setVisible(!half);
}

void frmDials::showNineOClock() {
    // A half rotation takes both dials as zeroed at 9:00: they show 0 there and take no entry,
    // while the job keeps the 9:00 readings of a full turn for when it is chosen again.
    const bool half = halfRotationShown();
    const int m = state_.CalcMethod;
    if (m < 0 || m >= kMethodCount) return;
    const ScopedFlag loading(Loading);
    for (int dial = 1; dial <= 2; ++dial) {
        const float stored = dial == 1 ? state_.Project.dial1(m, 3) : state_.Project.dial2(m, 3);
        QLineEdit* box = (dial == 1 ? ui_.txtD1 : ui_.txtD2)[3];
        Knob* knob = (dial == 1 ? ui_.cwkDial1 : ui_.cwkDial2)[3];
        box->setText(toQString(display().readingBoxText(half ? 0.0f : stored)));
        box->setReadOnly(half);
        box->setToolTip(half ? QStringLiteral("Zeroed at 9:00 in a half rotation") : QString());
        {
            // Only shown: the job's reading is not written back through the knob.
            const QSignalBlocker quiet(knob);
            knob->setValue(half ? 0.0 : display().shown(stored, Quantity::Reading));
        }
        knob->setEnabled(!half);
    }
}

void frmDials::setupRotation() {
    showRotationControls();
    showNineOClock();
}

void frmDials::optEU_Click(int index) {
    state_.EngUnits = index;
    for (int i = 0; i < 2; ++i) {
        const QSignalBlocker block(ui_.optEU[i]);
        ui_.optEU[i]->setChecked(i == index);
    }
    ui_.Graph1->setUnits(display().units);
    ui_.Graph2->setUnits(display().units);
    // At start-up the window is filled in these units next.
    if (Loading) return;
    setPreferredUnits(state_.Paths, display().units);
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
    const Assessment assessment = assess(state_.Project, options);
    const CalcResult& result = assessment.result;
    // The status bar's sentences speak the new units too.
    showCheckAndVerdict(assessment.findings, assessment.verdict);
    if (result.status != CalcStatus::NotRun) showResultTexts(result);
}

void frmDials::chkStation_Click(int index) {
    if (Loading) return;
    state_.Project.Station[index] = ui_.chkStation[index]->isChecked() ? 1 : 0;
    int count = 0;
    for (std::int16_t value : state_.Project.Station)
        if (value > 0) ++count;
    // A chosen move alternative follows the ticks: in reverse dial they are the held feet.
    MoveSetup setup = decodeMoveSetup(state_.Project.ReservedText);
    if (count == 2 && setup.held && state_.CalcMethod == kMethodReverseDial) {
        setup.held = resultHeldFeet(state_.Project, kMethodReverseDial);
        state_.Project.ReservedText = encodeMoveSetup(setup, state_.Project.ReservedText);
    }
    // Results are worked out only for a pair of stationary feet; in between, the results say so at
    // once, without a message for each tick while the marks are moved from one pair to another.
    {
        const ScopedFlag ticking(tickingFeet_);
        recalculate();
    }
    jobEdited();
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
    state_.Project.Machine = text;
    jobEdited();
}

void frmDials::txtTechnician_LostFocus() {
    const std::string text = ui_.txtTechnician->text().toStdString();
    state_.Project.Technician = text;
    jobEdited();
}

void frmDials::txtM1_LostFocus() {
    const std::string text = ui_.txtM1->text().toStdString();
    state_.Project.M1Text = text;
    jobEdited();
}

void frmDials::txtM2_LostFocus() {
    const std::string text = ui_.txtM2->text().toStdString();
    state_.Project.M2Text = text;
    jobEdited();
}

void frmDials::txtMisc1_LostFocus() {
    const bool sag = methodTraits(state_.CalcMethod).miscField == MiscField::Sag;
    const float shown = miscValue(state_.Project, state_.CalcMethod);
    const std::optional<float> value =
        EntryBox::takeValue(ui_.txtMisc1, sag ? Quantity::Reading : Quantity::Length, display().units,
                            sag ? toQString(display().readingBoxText(shown))
                                : toQString(display().boxText(shown, Quantity::Length)));
    if (value) {
        miscValue(state_.Project, state_.CalcMethod) = *value;
    }
    fillTXTfields();
    recalculate();
    jobEdited();
}

}  // namespace corvane
