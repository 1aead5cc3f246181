#include "ui/main/MachinePanel.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

#include "calc/methods/Growth.h"
#include "calc/methods/MethodTraits.h"
#include "ui/common/DisplayText.h"
#include "ui/main/MainLayout.h"
#include "ui/main/frmDials.h"
#include "ui/widgets/EntryBox.h"
#include "ui/widgets/MachineDrawing.h"

namespace corvane {

using namespace mainlayout;

MachinePanel::MachinePanel(const MainPanelContext& context)
    : state_(context.state), ui_(context.ui), layout_(context.layout) {
    frmDials& window = context.window;
    ui_.frameMachine = new QGroupBox(QStringLiteral("Machine Model"), context.canvas);
    ui_.frameMachine->setObjectName(QStringLiteral("frameMachine"));
    layout_.place(ui_.frameMachine, kMachineModel);

    ui_.picRevDial = new MachineDrawing(MachineDrawing::Kind::ReverseDial, ui_.frameMachine);
    ui_.picRevDial->setObjectName(QStringLiteral("picRevDial"));
    ui_.picRimFace1 = new MachineDrawing(MachineDrawing::Kind::RimFaceFixed, ui_.frameMachine);
    ui_.picRimFace1->setObjectName(QStringLiteral("picRimFace1"));
    ui_.picRimFace2 = new MachineDrawing(MachineDrawing::Kind::RimFaceMoveable, ui_.frameMachine);
    ui_.picRimFace2->setObjectName(QStringLiteral("picRimFace2"));
    ui_.picJackShaft = new MachineDrawing(MachineDrawing::Kind::JackShaft, ui_.frameMachine);
    ui_.picJackShaft->setObjectName(QStringLiteral("picJackShaft"));
    for (MachineDrawing* drawing : {ui_.picRevDial, ui_.picRimFace1, ui_.picRimFace2, ui_.picJackShaft}) {
        layout_.place(drawing, kDrawing);
        drawing->hide();
    }
    ui_.picRevDial->show();

    ui_.lblMachine1 = makeNamedLabel(QStringLiteral("Fixed"), ui_.frameMachine, "lblMachine1");
    ui_.lblMachine2 = makeNamedLabel(QStringLiteral("Moveable"), ui_.frameMachine, "lblMachine2");
    layout_.place(ui_.lblMachine1, kFixedCaption);
    layout_.place(ui_.lblMachine2, kMoveableCaption);

    ui_.txtM1 = new QLineEdit(ui_.frameMachine);
    ui_.txtM1->setObjectName(QStringLiteral("txtM1"));
    layout_.place(ui_.txtM1, kFixedName);
    ui_.txtM1->setAccessibleName(QStringLiteral("Fixed machine"));
    EntryBox::attach(ui_.txtM1, [&window] { window.txtM1_LostFocus(); });
    ui_.txtM2 = new QLineEdit(ui_.frameMachine);
    ui_.txtM2->setObjectName(QStringLiteral("txtM2"));
    layout_.place(ui_.txtM2, kMoveableName);
    ui_.txtM2->setAccessibleName(QStringLiteral("Moveable machine"));
    EntryBox::attach(ui_.txtM2, [&window] { window.txtM2_LostFocus(); });

    for (int k = 0; k < kLengthCount; ++k) {
        ui_.lblLength[k] =
            makeNamedLabel(QString::fromStdString(state_.LengthLabel[k]), ui_.frameMachine, "lblLength");
        ui_.lblLength[k]->setObjectName(indexedName("lblLength", k));
        ui_.lblLength[k]->setAlignment(Qt::AlignCenter);
        ui_.lblLength[k]->resize(kLengthLetter);
        QFont bold = ui_.lblLength[k]->font();
        bold.setBold(true);
        ui_.lblLength[k]->setFont(bold);
    }

    ui_.lblStationary = makeNamedLabel(QStringLiteral("Stationary:"), ui_.frameMachine, "lblStationary");
    ui_.lblStationary->setAlignment(Qt::AlignCenter);
    for (int i = 0; i < 4; ++i) {
        ui_.chkStation[i] = new QCheckBox(ui_.frameMachine);
        ui_.chkStation[i]->setObjectName(indexedName("chkStation", i));
        ui_.chkStation[i]->setAccessibleName(QStringLiteral("Stationary foot %1").arg(i + 1));
        ui_.chkStation[i]->setToolTip(QStringLiteral("Foot %1 stays where it is").arg(i + 1));
        QObject::connect(ui_.chkStation[i], &QCheckBox::toggled, &window,
                         [&window, i] { window.chkStation_Click(i); });
    }

    // The foot ledger: soft foot and shims, per foot.
    // A tool button: as narrow as its caption, to fit between the ticks.
    ui_.cmdFeet = new QToolButton(ui_.frameMachine);
    ui_.cmdFeet->setText(QStringLiteral("Feet..."));
    ui_.cmdFeet->setObjectName(QStringLiteral("cmdFeet"));
    ui_.cmdFeet->setToolTip(QStringLiteral("Soft foot and shims of each foot"));
    ui_.cmdFeet->setAccessibleName(QStringLiteral("Feet"));
    QObject::connect(ui_.cmdFeet, &QToolButton::clicked, &window, &frmDials::cmdFeet_Click);

    ui_.lblGrowth = makeNamedLabel(QStringLiteral("Growth (mils)"), ui_.frameMachine, "lblGrowth");
    ui_.lblGrowth->setAlignment(Qt::AlignCenter);
    for (int i = 0; i < 4; ++i) {
        ui_.txtGro[i] = new QLineEdit(ui_.frameMachine);
        ui_.txtGro[i]->setObjectName(indexedName("txtGro", i));
        ui_.txtGro[i]->setAlignment(Qt::AlignCenter);
        ui_.txtGro[i]->setAccessibleName(QStringLiteral("Foot %1 growth (mils)").arg(i + 1));
        ui_.txtGro[i]->hide();
        EntryBox::attach(ui_.txtGro[i], [&window, i] { window.txtGro_LostFocus(i); });
    }
    placeFootControls();
    placeLengthLabels();
}

void MachinePanel::showMethod(int method, int bracketSide, bool growthOn) {
    const MethodTraits& traits = methodTraits(method);
    // Each method has its own drawing; the one with a bracket side has one for each side.
    ui_.picRevDial->setVisible(method == kMethodReverseDial);
    if (traits.hasBracketSide) {
        if (bracketSide == 0 || bracketSide == 1) {
            ui_.picRimFace1->setVisible(bracketSide == 0);
            ui_.picRimFace2->setVisible(bracketSide == 1);
        }
    } else {
        ui_.picRimFace1->hide();
        ui_.picRimFace2->hide();
    }
    ui_.picJackShaft->setVisible(method == kMethodJackShaft);
    ui_.lblMachine1->setVisible(traits.captionsFixedMachine);
    ui_.lblMachine2->setVisible(traits.captionsMoveableMachine);
    ui_.txtM1->setVisible(traits.namesFixedMachine);
    ui_.lblStationary->setVisible(traits.hasStationaryTicks);
    for (QCheckBox* box : ui_.chkStation) box->setVisible(traits.hasStationaryTicks);
    showGrowthBoxes(method, growthOn);

    for (int k = 0; k < kLengthCount; ++k) ui_.lblLength[k]->hide();
    for (int i = 0; i < traits.lengthCount; ++i) {
        QLabel* label = ui_.lblLength[traits.letterPlaces[static_cast<std::size_t>(i)]];
        label->setText(QString::fromStdString(state_.LengthLabel[static_cast<std::size_t>(i)]));
        label->show();
    }
    placeLengthLabels();
    placeFootControls();
}

void MachinePanel::showBracketSide(int side) {
    if (!methodTraits(state_.CalcMethod).hasBracketSide || (side != 0 && side != 1)) return;
    ui_.picRimFace1->setVisible(side == 0);
    ui_.picRimFace2->setVisible(side == 1);
    placeLengthLabels();
    placeFootControls();
}

MachineDrawing* MachinePanel::shownDrawing() const {
    for (MachineDrawing* drawing : {ui_.picRevDial, ui_.picRimFace1, ui_.picRimFace2, ui_.picJackShaft})
        if (!drawing->isHidden()) return drawing;
    return nullptr;
}

void MachinePanel::placeLengthLabels() {
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

void MachinePanel::placeFootControls() {
    // The stationary-foot boxes and the growth boxes stand under the feet of the drawing shown.
    // A check box is as wide as the style draws its box, whatever the scale.
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
    // With growth boxes under both machines the caption stands between them, else before the first.
    const bool bothMachines = methodTraits(state_.CalcMethod).firstGrowthIndex == 0;
    if (bothMachines)
        layout_.place(ui_.lblGrowth, x0 + (feet[1] + feet[2]) / 2 - kFootCaptionWidth / 2, kGrowthY,
                      kFootCaptionWidth, kFootRowHeight);
    else
        layout_.place(ui_.lblGrowth, left[2] - kFootCaptionWidth - 6, kGrowthY, kFootCaptionWidth,
                      kFootRowHeight);
    ui_.lblGrowth->setAlignment(bothMachines ? Qt::AlignCenter : Qt::AlignRight | Qt::AlignVCenter);
}

void MachinePanel::showGrowthBoxes(int method, bool growthOn) {
    // The boxes before the method's first growth foot stand under feet it gives no growth for.
    const int first = methodTraits(method).firstGrowthIndex;
    for (int i = 0; i < 4; ++i) ui_.txtGro[static_cast<std::size_t>(i)]->setVisible(growthOn && i >= first);
    ui_.lblGrowth->setVisible(growthOn);
}

void MachinePanel::showStationTicks(const ProjectRecord& record) {
    for (int i = 0; i < 4; ++i) ui_.chkStation[i]->setChecked(record.Station[i] != 0);
}

void MachinePanel::showJob(const ProjectRecord& r, int method, const DisplayFormat& display) {
    const QString growthUnit = toQString(display.unit(Quantity::Growth));
    ui_.lblGrowth->setText(QStringLiteral("Growth (%1)").arg(growthUnit));
    for (int i = 0; i < 4; ++i)
        ui_.txtGro[i]->setAccessibleName(QStringLiteral("Foot %1 growth (%2)").arg(i + 1).arg(growthUnit));
    ui_.txtM1->setText(QString::fromStdString(r.M1Text));
    ui_.txtM2->setText(QString::fromStdString(r.M2Text));
    for (int box = 0; box < 4; ++box) {
        // A box the method does not use keeps its text (it is hidden).
        const int foot = growthFootOfBox(method, box);
        if (foot >= 0)
            ui_.txtGro[box]->setText(toQString(display.boxText(r.growth(method, foot), Quantity::Growth)));
    }
    showMachineNames(r);
}

void MachinePanel::showMachineNames(const ProjectRecord& r) {
    const QString fixed = QString::fromStdString(r.M1Text);
    const QString moveable = QString::fromStdString(r.M2Text);
    for (MachineDrawing* d : {ui_.picRevDial, ui_.picRimFace1, ui_.picRimFace2, ui_.picJackShaft})
        d->setMachineNames(fixed, moveable);
}

bool MachinePanel::takeGrowth(int index, const DisplayFormat& display) {
    const int m = state_.CalcMethod;
    if (m < 0 || m >= kMethodCount) return false;
    const int foot = growthFootOfBox(m, index);
    if (foot < 0) return false;  // the fixed machine's boxes are not used by the two-foot methods
    QLineEdit* box = ui_.txtGro[index];
    const std::optional<float> growth =
        EntryBox::takeValue(box, Quantity::Growth, display.units,
                            toQString(display.boxText(state_.Project.growth(m, foot), Quantity::Growth)));
    if (!growth) return false;
    storeTypedGrowth(state_.Project, m, index, *growth);
    box->setText(toQString(display.boxText(state_.Project.growth(m, foot), Quantity::Growth)));
    return true;
}

}  // namespace corvane
