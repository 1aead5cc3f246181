#include "ui/main/frmDials.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTimer>

#include "project/ProjectCommands.h"
#include "ui/growth/frmGrowth.h"
#include "ui/main/MainIcons.h"
#include "ui/main/MainWindowPrompts.h"
#include "ui/main/RecoveryKeeper.h"
#include "ui/tolerance/frmTolerances.h"
#include "ui/widgets/DialogProvider.h"
#include "ui/widgets/EntryBox.h"
#include "ui/widgets/GridCellEditor.h"
#include "ui/widgets/Knob.h"
#include "ui/widgets/ResultGraph.h"

namespace corvane {

namespace {

// Window size: 12000 x 8800 twips at 15 twips to the pixel.
constexpr int kWindowWidth = 800;
constexpr int kWindowHeight = 587;

// Left column: header, machine model, the two dials, method, lengths and buttons.
constexpr int kLeftX = 4;
constexpr int kLeftWidth = 412;
// Right column: the two graphs with their result lines, and the options.
constexpr int kRightX = 420;
constexpr int kRightWidth = 376;

// Where the drawing sits inside the "Machine Model" frame.
constexpr int kDrawingX = 6;
constexpr int kDrawingY = 40;

const char* const kClock[4] = {"12:00", "3:00", "6:00", "9:00"};

QLabel* makeLabel(const QString& text, QWidget* parent, const char* name) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

QString indexed(const char* name, int index) {
    return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index);
}

QFont resultFont() {
    // Courier New where the system has it (fontconfig maps it to Liberation Mono on Linux);
    // any fixed-pitch font keeps the columns of the result lines aligned.
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSize(9);
    if (!QFontInfo(font).fixedPitch()) {
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        font.setPointSize(9);
    }
    return font;
}

QPushButton* pictureButton(const QIcon& icon, const QString& tip, QWidget* parent, const char* name,
                           int size) {
    auto* button = new QPushButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setIcon(icon);
    button->setIconSize(QSize(size - 10, size - 10));
    button->setToolTip(tip);
    button->setAccessibleName(tip);
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
}

}  // namespace

frmDials::frmDials(AppState& state, DialogProvider& dialogs, QWidget* parent)
    : QMainWindow(parent), state_(state), dialogs_(dialogs) {
    setObjectName(QStringLiteral("frmDials"));
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("central"));
    setCentralWidget(central);

    buildHeader(central);
    buildMachineModel(central);
    buildDials(central);
    buildCalculation(central);
    buildLengthGrid(central);
    buildButtons(central);
    buildResults(central);
    buildMiscellaneous(central);
    buildMenus();
    arrangeTabOrder();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &frmDials::Timer1_Timer);

    prompts_ = std::make_unique<MainWindowPrompts>(*this, dialogs_);
    commands_ = std::make_unique<ProjectCommands>(state_, *prompts_);
    recovery_ =
        std::make_unique<RecoveryKeeper>(state_, QString::fromStdString(state_.Paths.recoveryCopies()), this);

    setWindowTitle(QStringLiteral("CORVANE"));
    setWindowIcon(toleranceIcon());
    resize(kWindowWidth, kWindowHeight);
    setFixedSize(kWindowWidth, kWindowHeight);
}

frmDials::~frmDials() {
    // Children losing the focus while they are torn down must not run the handlers.
    EntryBox::disableAll(this);
}

frmGrowth* frmDials::growthWindow() {
    // Built when first needed: every showing rebuilds it from the record, so a window made later
    // shows the same as one kept hidden since the start.
    if (!growth_) {
        growth_ = std::make_unique<frmGrowth>(state_, this);
        connect(growth_.get(), &frmGrowth::growthApplied, this, &frmDials::fillTXTfields);
        growth_->initGrowthPanel(cmbFixMove->currentIndex());
    }
    return growth_.get();
}

frmTolerances* frmDials::toleranceWindow() {
    if (!tolerances_) {
        // A new window takes its span from the geometry; until it is first shown the span is the
        // one the last refresh picked, so that it keeps what the user sees in the results.
        const float span = state_.Project.Span;
        tolerances_ = std::make_unique<frmTolerances>(state_, this);
        state_.Project.Span = span;
        tolerances_->calcTolerance();
    }
    return tolerances_.get();
}

void frmDials::setUpEntryBox(QLineEdit* box) {
    EntryBox::attach(box, [this, box] { runLostFocus(box); });
}

void frmDials::buildHeader(QWidget* central) {
    auto* frame = new QGroupBox(central);
    frame->setObjectName(QStringLiteral("frameHeader"));
    // A frame without a caption: without a name a screen reader would announce a nameless panel.
    frame->setAccessibleName(QStringLiteral("Header"));
    frame->setGeometry(kLeftX, 2, kWindowWidth - 2 * kLeftX, 34);

    auto* machineCaption = makeLabel(QStringLiteral("Machine:"), frame, "lblMachineCaption");
    machineCaption->setGeometry(8, 6, 56, 22);
    txtMachine = new QLineEdit(frame);
    txtMachine->setObjectName(QStringLiteral("txtMachine"));
    txtMachine->setGeometry(64, 6, 220, 22);
    txtMachine->setAccessibleName(QStringLiteral("Machine"));
    machineCaption->setBuddy(txtMachine);
    setUpEntryBox(txtMachine);

    auto* technicianCaption = makeLabel(QStringLiteral("Technician:"), frame, "lblTechnicianCaption");
    technicianCaption->setGeometry(300, 6, 72, 22);
    txtTechnician = new QLineEdit(frame);
    txtTechnician->setObjectName(QStringLiteral("txtTechnician"));
    txtTechnician->setGeometry(372, 6, 200, 22);
    txtTechnician->setAccessibleName(QStringLiteral("Technician"));
    technicianCaption->setBuddy(txtTechnician);
    setUpEntryBox(txtTechnician);

    auto* dateCaption = makeLabel(QStringLiteral("Date:"), frame, "lblDateCaption");
    dateCaption->setGeometry(600, 6, 36, 22);
    lblCompany = makeLabel(QString(), frame, "lblCompany");
    lblCompany->setGeometry(636, 6, 146, 22);
    lblCompany->setAccessibleDescription(QStringLiteral("Date stamp"));
    // The caption and the date are two labels on screen; read out, the date says what it is.
    lblCompany->setAccessibleName(QStringLiteral("Date:"));
}

void frmDials::buildMachineModel(QWidget* central) {
    frameMachine = new QGroupBox(QStringLiteral("Machine Model"), central);
    frameMachine->setObjectName(QStringLiteral("frameMachine"));
    frameMachine->setGeometry(kLeftX, 38, kLeftWidth, 194);

    picRevDial = new MachineDrawing(MachineDrawing::Kind::ReverseDial, frameMachine);
    picRevDial->setObjectName(QStringLiteral("picRevDial"));
    picRimFace1 = new MachineDrawing(MachineDrawing::Kind::RimFaceFixed, frameMachine);
    picRimFace1->setObjectName(QStringLiteral("picRimFace1"));
    picRimFace2 = new MachineDrawing(MachineDrawing::Kind::RimFaceMoveable, frameMachine);
    picRimFace2->setObjectName(QStringLiteral("picRimFace2"));
    picJackShaft = new MachineDrawing(MachineDrawing::Kind::JackShaft, frameMachine);
    picJackShaft->setObjectName(QStringLiteral("picJackShaft"));
    for (MachineDrawing* drawing : {picRevDial, picRimFace1, picRimFace2, picJackShaft}) {
        drawing->setGeometry(kDrawingX, kDrawingY, MachineDrawing::kWidth, MachineDrawing::kHeight);
        drawing->hide();
    }
    picRevDial->show();

    lblMachine1 = makeLabel(QStringLiteral("Fixed"), frameMachine, "lblMachine1");
    lblMachine2 = makeLabel(QStringLiteral("Moveable"), frameMachine, "lblMachine2");
    lblMachine1->setGeometry(kDrawingX + 4, 17, 40, 22);
    lblMachine2->setGeometry(kDrawingX + 200, 17, 60, 22);

    txtM1 = new QLineEdit(frameMachine);
    txtM1->setObjectName(QStringLiteral("txtM1"));
    txtM1->setGeometry(kDrawingX + 48, 17, 140, 22);
    txtM1->setAccessibleName(QStringLiteral("Fixed machine"));
    setUpEntryBox(txtM1);
    txtM2 = new QLineEdit(frameMachine);
    txtM2->setObjectName(QStringLiteral("txtM2"));
    txtM2->setGeometry(kDrawingX + 258, 17, 140, 22);
    txtM2->setAccessibleName(QStringLiteral("Moveable machine"));
    setUpEntryBox(txtM2);

    for (int k = 0; k < kLengthCount; ++k) {
        lblLength[k] = makeLabel(QString::fromStdString(state_.LengthLabel[k]), frameMachine, "lblLength");
        lblLength[k]->setObjectName(indexed("lblLength", k));
        lblLength[k]->setAlignment(Qt::AlignCenter);
        lblLength[k]->resize(16, 14);
        QFont bold = lblLength[k]->font();
        bold.setBold(true);
        lblLength[k]->setFont(bold);
    }

    lblStationary = makeLabel(QStringLiteral("Stationary:"), frameMachine, "lblStationary");
    lblStationary->setAlignment(Qt::AlignCenter);
    for (int i = 0; i < 4; ++i) {
        chkStation[i] = new QCheckBox(frameMachine);
        chkStation[i]->setObjectName(indexed("chkStation", i));
        chkStation[i]->setAccessibleName(QStringLiteral("Stationary foot %1").arg(i + 1));
        chkStation[i]->setToolTip(QStringLiteral("Foot %1 stays where it is").arg(i + 1));
        connect(chkStation[i], &QCheckBox::toggled, this, [this, i] { chkStation_Click(i); });
    }

    lblGrowth = makeLabel(QStringLiteral("Growth (mils)"), frameMachine, "lblGrowth");
    lblGrowth->setAlignment(Qt::AlignCenter);
    for (int i = 0; i < 4; ++i) {
        txtGro[i] = new QLineEdit(frameMachine);
        txtGro[i]->setObjectName(indexed("txtGro", i));
        txtGro[i]->setAlignment(Qt::AlignCenter);
        txtGro[i]->setAccessibleName(QStringLiteral("Foot %1 growth (mils)").arg(i + 1));
        txtGro[i]->hide();
        setUpEntryBox(txtGro[i]);
    }
    placeFootControls();
    placeLengthLabels();
}

void frmDials::buildDials(QWidget* central) {
    buildDialFrame(central, 1);
    buildDialFrame(central, 2);
}

void frmDials::buildDialFrame(QWidget* central, int dial) {
    auto* frame = new QGroupBox(
        dial == 1 ? QStringLiteral("Dial Indicator 1") : QStringLiteral("Dial Indicator 2"), central);
    frame->setObjectName(dial == 1 ? QStringLiteral("frameDial1") : QStringLiteral("frameDial2"));
    const int width = (kLeftWidth - 4) / 2;
    frame->setGeometry(kLeftX + (dial == 1 ? 0 : width + 4), 234, width, 190);
    (dial == 1 ? frameDial1 : frameDial2) = frame;

    auto& knobs = dial == 1 ? cwkDial1 : cwkDial2;
    auto& boxes = dial == 1 ? txtD1 : txtD2;
    // The four positions stand like a clock face: 12:00 at the top, 3:00 right, 6:00 at the
    // bottom, 9:00 left.
    constexpr int kCell = 66;
    constexpr int kKnobWidth = 64;
    constexpr int kKnobHeight = 62;
    const int left = (width - 3 * kCell) / 2;
    const QPoint cells[4] = {{left + kCell, 16}, {left + 2 * kCell, 50}, {left + kCell, 101}, {left, 50}};
    for (int p = 0; p < 4; ++p) {
        const QString tip = QStringLiteral("Dial %1 - %2 o'clock ").arg(dial).arg(QLatin1String(kClock[p]));
        auto* knob = new Knob(frame);
        knob->setObjectName(indexed(dial == 1 ? "cwkDial1" : "cwkDial2", p));
        knob->setGeometry(cells[p].x() + (kCell - kKnobWidth) / 2, cells[p].y(), kKnobWidth, kKnobHeight);
        knob->setToolTip(tip);
        knob->setAccessibleName(tip.trimmed());
        knobs[p] = knob;
        connect(knob, &Knob::valueChanged, this, [this, dial, p](double value) {
            if (dial == 1)
                cwkDial1_ValueChanged(p, value);
            else
                cwkDial2_ValueChanged(p, value);
        });

        // The clock position beside its knob and box, in the free corners of the cross, so that a
        // reading is never typed into the wrong position.
        auto* clock = makeLabel(QLatin1String(kClock[p]), frame, "lblClock");
        clock->setObjectName(indexed(dial == 1 ? "lblClock1" : "lblClock2", p));
        QFont small = clock->font();
        small.setPointSizeF(small.pointSizeF() * 0.9);
        clock->setFont(small);
        const int knobLeft = cells[p].x() + (kCell - kKnobWidth) / 2;
        switch (p) {
            case 0:  // right of the 12:00 knob, at its top
                clock->setGeometry(knobLeft + kKnobWidth + 2, 16, kCell - 4, 16);
                clock->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
                break;
            case 2:  // right of the 6:00 box, at the foot of the frame
                clock->setGeometry(knobLeft + kKnobWidth + 2, cells[p].y() + kKnobHeight + 3, kCell - 4, 16);
                clock->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
                break;
            default:  // over the 3:00 and 9:00 knobs
                clock->setGeometry(cells[p].x(), cells[p].y() - 16, kCell, 16);
                clock->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
                break;
        }

        auto* box = new QLineEdit(frame);
        box->setObjectName(indexed(dial == 1 ? "txtD1" : "txtD2", p));
        box->setGeometry(cells[p].x() + 7, cells[p].y() + kKnobHeight + 1, kCell - 14, 21);
        box->setAlignment(Qt::AlignCenter);
        box->setAccessibleName(tip + QStringLiteral("reading"));
        boxes[p] = box;
        setUpEntryBox(box);
    }
    // LEFT and RIGHT, and the 3:00 and 9:00 sides, read the same way as the results.
    auto* viewed = makeLabel(QStringLiteral("Viewed from the fixed machine"), frame, "lblViewed");
    viewed->setObjectName(dial == 1 ? QStringLiteral("lblViewed1") : QStringLiteral("lblViewed2"));
    QFont note = viewed->font();
    note.setPointSizeF(note.pointSizeF() * 0.85);
    note.setItalic(true);
    viewed->setFont(note);
    viewed->setWordWrap(true);
    viewed->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    viewed->setGeometry(left, 136, kCell, 48);
}

void frmDials::buildCalculation(QWidget* central) {
    frameCalculation = new QGroupBox(QStringLiteral("Calculation"), central);
    frameCalculation->setObjectName(QStringLiteral("frameCalculation"));
    frameCalculation->setToolTip(QStringLiteral("Aligment Calculation Method"));
    frameCalculation->setGeometry(kLeftX, 428, 120, 96);
    auto* group = new QButtonGroup(frameCalculation);
    const char* const captions[3] = {"Reverse Dial", "Rim and Face", "Jack Shaft"};
    for (int i = 0; i < 3; ++i) {
        optAcalc[i] = new QRadioButton(QLatin1String(captions[i]), frameCalculation);
        optAcalc[i]->setObjectName(indexed("optAcalc", i));
        optAcalc[i]->setGeometry(8, 20 + 24 * i, 108, 22);
        group->addButton(optAcalc[i], i);
        connect(optAcalc[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) optAcalc_Click(i);
        });
    }
}

void frmDials::buildLengthGrid(QWidget* central) {
    frameLength = new QGroupBox(QStringLiteral("Length"), central);
    frameLength->setObjectName(QStringLiteral("frameLength"));
    frameLength->setGeometry(kLeftX + 124, 428, 140, 133);

    gridLength = new QTableWidget(frameLength);
    gridLength->setObjectName(QStringLiteral("gridLength"));
    gridLength->setToolTip(QStringLiteral("Length Grid"));
    gridLength->setAccessibleName(QStringLiteral("Length Grid"));
    gridLength->horizontalHeader()->hide();
    gridLength->verticalHeader()->hide();
    gridLength->setColumnCount(2);
    gridLength->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    gridLength->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    gridLength->setEditTriggers(QAbstractItemView::NoEditTriggers);
    gridLength->setSelectionMode(QAbstractItemView::SingleSelection);
    gridLength->setTabKeyNavigation(false);
    gridLength->move(9, 22);

    txtLength = new QLineEdit(frameLength);
    txtLength->setObjectName(QStringLiteral("txtLength"));
    txtLength->setFrame(false);
    txtLength->setAlignment(Qt::AlignCenter);
    txtLength->setFocusPolicy(Qt::ClickFocus);
    txtLength->setAccessibleName(QStringLiteral("Length"));
    txtLength->hide();

    gridEditor = new GridCellEditor(
        gridLength, txtLength, GridCellEditor::Walk::Rows, [this] { return Loading; }, this);
    connect(gridEditor, &GridCellEditor::committed, this,
            [this](int row, int, const QString& typed) { gridLength_Commit(row, typed); });
}

void frmDials::buildButtons(QWidget* central) {
    constexpr int kButton = 40;
    const int x = kLeftX + 268;
    cmdComments =
        pictureButton(commentsIcon(), QStringLiteral("Add Comments"), central, "cmdComments", kButton);
    cmdGrowth = pictureButton(thermometerIcon(), QStringLiteral("Thermal Growth Calcs"), central, "cmdGrowth",
                              kButton);
    cmdTolerances = pictureButton(toleranceIcon(), QStringLiteral("Alignment Tolerance Calcs"), central,
                                  "cmdTolerances", kButton);
    cmdComments->setGeometry(x, 438, kButton, kButton);
    cmdGrowth->setGeometry(x + 49, 438, kButton, kButton);
    cmdTolerances->setGeometry(x + 98, 438, kButton, kButton);
    connect(cmdComments, &QPushButton::clicked, this, &frmDials::cmdComments_Click);
    connect(cmdGrowth, &QPushButton::clicked, this, &frmDials::cmdGrowth_Click);
    connect(cmdTolerances, &QPushButton::clicked, this, &frmDials::cmdTolerances_Click);

    cmdReset = new QPushButton(QStringLiteral("Reset Values"), central);
    cmdReset->setObjectName(QStringLiteral("cmdReset"));
    cmdReset->setToolTip(QStringLiteral("Reset ALL data values to 0"));
    cmdReset->setGeometry(x, 528, 138, 30);
    connect(cmdReset, &QPushButton::clicked, this, &frmDials::cmdReset_Click);
}

void frmDials::buildResults(QWidget* central) {
    constexpr int kGraphWidth = kRightWidth - 30;
    constexpr int kGraphHeight = 155;
    constexpr int kButton = 26;
    const int buttonX = kRightX + kGraphWidth + 4;
    const QFont font = resultFont();

    Graph1 = new ResultGraph(central);
    Graph1->setObjectName(QStringLiteral("Graph1"));
    Graph1->setAccessibleName(QStringLiteral("Vertical graph"));
    Graph1->setGeometry(kRightX, 40, kGraphWidth, kGraphHeight);
    lblAcalc1 = makeLabel(QString(), central, "lblAcalc1");
    lblAcalc1->setGeometry(kRightX + 2, 40 + kGraphHeight + 1, kRightWidth - 2, 34);

    Graph2 = new ResultGraph(central);
    Graph2->setObjectName(QStringLiteral("Graph2"));
    Graph2->setAccessibleName(QStringLiteral("Horizontal graph"));
    Graph2->setGeometry(kRightX, 233, kGraphWidth, kGraphHeight);
    lblAcalc2 = makeLabel(QString(), central, "lblAcalc2");
    lblAcalc2->setGeometry(kRightX + 2, 233 + kGraphHeight + 1, kRightWidth - 2, 34);

    for (QLabel* label : {lblAcalc1, lblAcalc2}) {
        label->setFont(font);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        label->setWordWrap(false);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }

    cmdG1Inc = pictureButton(zoomIcon(true), QStringLiteral("Increase Scale"), central, "cmdG1Inc", kButton);
    cmdG1Dec =
        pictureButton(zoomIcon(false), QStringLiteral("Descrease Scale"), central, "cmdG1Dec", kButton);
    cmdScale = pictureButton(autoScaleIcon(), QStringLiteral("AutoScale"), central, "cmdScale", kButton);
    cmdG2Inc = pictureButton(zoomIcon(true), QStringLiteral("Increase Scale"), central, "cmdG2Inc", kButton);
    cmdG2Dec = pictureButton(zoomIcon(false), QStringLiteral("Decrease Scale"), central, "cmdG2Dec", kButton);
    cmdG1Inc->setAccessibleDescription(QStringLiteral("Vertical graph"));
    cmdG1Dec->setAccessibleDescription(QStringLiteral("Vertical graph"));
    cmdG2Inc->setAccessibleDescription(QStringLiteral("Horizontal graph"));
    cmdG2Dec->setAccessibleDescription(QStringLiteral("Horizontal graph"));
    cmdG1Inc->setGeometry(buttonX, 46, kButton, kButton);
    cmdG1Dec->setGeometry(buttonX, 76, kButton, kButton);
    cmdScale->setGeometry(buttonX, 163, kButton, kButton);
    cmdG2Inc->setGeometry(buttonX, 239, kButton, kButton);
    cmdG2Dec->setGeometry(buttonX, 269, kButton, kButton);
    cmdScale->setAutoFillBackground(true);
    connect(cmdG1Inc, &QPushButton::clicked, this, &frmDials::cmdG1Inc_Click);
    connect(cmdG1Dec, &QPushButton::clicked, this, &frmDials::cmdG1Dec_Click);
    connect(cmdG2Inc, &QPushButton::clicked, this, &frmDials::cmdG2Inc_Click);
    connect(cmdG2Dec, &QPushButton::clicked, this, &frmDials::cmdG2Dec_Click);
    connect(cmdScale, &QPushButton::clicked, this, &frmDials::cmdScale_Click);
}

void frmDials::buildMiscellaneous(QWidget* central) {
    frameMisc = new QGroupBox(QStringLiteral("Miscellaneous"), central);
    frameMisc->setObjectName(QStringLiteral("frameMisc"));
    frameMisc->setAccessibleName(frameMisc->title());
    frameMisc->setGeometry(kRightX, 428, kRightWidth, 133);

    frameUnits = new QGroupBox(QStringLiteral("Engineering Units"), frameMisc);
    frameUnits->setObjectName(QStringLiteral("frameUnits"));
    // Named explicitly: a frame inside a frame is otherwise announced by its outer frame's caption.
    frameUnits->setAccessibleName(frameUnits->title());
    frameUnits->setGeometry(8, 18, 124, 66);
    auto* units = new QButtonGroup(frameUnits);
    const char* const captions[2] = {"English", "Metric"};
    for (int i = 0; i < 2; ++i) {
        optEU[i] = new QRadioButton(QLatin1String(captions[i]), frameUnits);
        optEU[i]->setObjectName(indexed("optEU", i));
        optEU[i]->setGeometry(10, 18 + 22 * i, 100, 22);
        units->addButton(optEU[i], i);
        connect(optEU[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) optEU_Click(i);
        });
    }

    lblMisc1 = makeLabel(QStringLiteral("Sag (mils)"), frameMisc, "lblMisc1");
    lblMisc1->setGeometry(10, 98, 68, 22);
    txtMisc1 = new QLineEdit(frameMisc);
    txtMisc1->setObjectName(QStringLiteral("txtMisc1"));
    txtMisc1->setGeometry(78, 98, 54, 22);
    txtMisc1->setAlignment(Qt::AlignCenter);
    txtMisc1->setAccessibleName(QStringLiteral("Sag (mils)"));
    lblMisc1->setBuddy(txtMisc1);
    setUpEntryBox(txtMisc1);

    chkTgrowth = new QCheckBox(QStringLiteral("Thermal Growth"), frameMisc);
    chkTgrowth->setObjectName(QStringLiteral("chkTgrowth"));
    chkTgrowth->setGeometry(146, 22, 130, 22);
    connect(chkTgrowth, &QCheckBox::toggled, this, &frmDials::chkTgrowth_Click);
    chkTolerance = new QCheckBox(QStringLiteral("Apply Tolerance"), frameMisc);
    chkTolerance->setObjectName(QStringLiteral("chkTolerance"));
    chkTolerance->setGeometry(146, 48, 130, 22);
    connect(chkTolerance, &QCheckBox::toggled, this, &frmDials::chkTolerance_Click);

    // Screen readers on Linux announce a combo box by its current entry, not by its name: the
    // description says what the box chooses.
    cmbMachine = new QComboBox(frameMisc);
    cmbMachine->setObjectName(QStringLiteral("cmbMachine"));
    cmbMachine->addItem(QStringLiteral("2 Machines"));
    cmbMachine->setAccessibleName(QStringLiteral("Machines"));
    cmbMachine->setAccessibleDescription(QStringLiteral("Machines"));
    cmbMachine->setGeometry(146, 96, 104, 26);

    cmbRotation = new QComboBox(frameMisc);
    cmbRotation->setObjectName(QStringLiteral("cmbRotation"));
    cmbRotation->addItems({QStringLiteral("Full Rotation"), QStringLiteral("Half Rotation")});
    cmbRotation->setAccessibleName(QStringLiteral("Rotation"));
    cmbRotation->setAccessibleDescription(QStringLiteral("Rotation"));
    cmbRotation->setGeometry(254, 96, 114, 26);
    connect(cmbRotation, &QComboBox::currentIndexChanged, this, &frmDials::cmbRotation_Click);

    cmbFixMove = new QComboBox(frameMisc);
    cmbFixMove->setObjectName(QStringLiteral("cmbFixMove"));
    cmbFixMove->addItems({QStringLiteral("Fixed Mach"), QStringLiteral("Moveable Machine")});
    cmbFixMove->setToolTip(QStringLiteral("Indicators Attached to Machine"));
    cmbFixMove->setAccessibleName(QStringLiteral("Indicators Attached to Machine"));
    cmbFixMove->setAccessibleDescription(QStringLiteral("Indicators Attached to Machine"));
    cmbFixMove->setGeometry(146, 96, 150, 26);
    cmbFixMove->hide();
    connect(cmbFixMove, &QComboBox::currentIndexChanged, this, &frmDials::cmbFixMove_Click);
}

}  // namespace corvane
