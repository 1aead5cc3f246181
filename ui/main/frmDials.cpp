#include "ui/main/frmDials.h"

#include <QAction>
#include <QApplication>
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
#include <QStatusBar>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>

#include "project/ProjectCommands.h"
#include "ui/common/DialogProvider.h"
#include "ui/common/WindowZoom.h"
#include "ui/feet/frmFeet.h"
#include "ui/growth/frmGrowth.h"
#include "ui/help/HelpTexts.h"
#include "ui/main/MainIcons.h"
#include "ui/main/MainLayout.h"
#include "ui/main/MainWindowPrompts.h"
#include "ui/main/RecoveryKeeper.h"
#include "ui/moves/frmMoves.h"
#include "ui/tolerance/frmTolerances.h"
#include "ui/widgets/EntryBox.h"
#include "ui/widgets/GridCellEditor.h"
#include "ui/widgets/Knob.h"
#include "ui/widgets/MachineDrawing.h"
#include "ui/widgets/ResultGraph.h"

namespace corvane {

namespace {

using namespace mainlayout;

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
    auto* holder = new QWidget(this);
    holder->setObjectName(QStringLiteral("centralHolder"));
    setCentralWidget(holder);
    // The controls sit on a canvas of the design size times the zoom, centred in the window.
    auto* central = canvas_ = new QWidget(holder);
    central->setObjectName(QStringLiteral("central"));

    buildHeader(central);
    buildMachineModel(central);
    buildDials(central);
    buildCalculation(central);
    buildLengthGrid(central);
    buildButtons(central);
    buildResults(central);
    buildMiscellaneous(central);
    buildMenus();
    buildEditMenu();
    buildStatusBar();
    arrangeTabOrder();
    buildGuidance(central);

    ui_.Timer1 = new QTimer(this);
    ui_.Timer1->setObjectName(QStringLiteral("Timer1"));
    ui_.Timer1->setInterval(1000);
    connect(ui_.Timer1, &QTimer::timeout, this, &frmDials::Timer1_Timer);

    prompts_ = std::make_unique<MainWindowPrompts>(*this, dialogs_);
    commands_ = std::make_unique<ProjectCommands>(state_, *prompts_);
    recovery_ =
        std::make_unique<RecoveryKeeper>(state_, QString::fromStdString(state_.Paths.recoveryCopies()), this);

    setWindowTitle(QStringLiteral("CORVANE"));
    setWindowIcon(toleranceIcon());
    // The design size holds the controls, the status bar comes below them; the window may grow
    // from there, and everything in it grows with it.
    zoom_ = new WindowZoom(this, layout_, kWindow + QSize(0, statusBar()->sizeHint().height()));
    zoom_->onZoom = [this](double) { showZoomed(); };
    buildViewMenu();
    zoom_->fit(1.0);
}

frmDials::~frmDials() {
    // Children losing the focus while they are torn down must not run the handlers, nor the
    // application's events reach a window that is half gone.
    qApp->removeEventFilter(this);
    EntryBox::disableAll(this);
    // The zoom maps the places this window holds as a member: it goes before them.
    delete zoom_;
}

frmGrowth* frmDials::growthWindow() {
    // Built when first needed: every showing rebuilds it from the record, so a window made later
    // shows the same as one kept hidden since the start.
    if (!growth_) {
        growth_ = std::make_unique<frmGrowth>(state_, this);
        connect(growth_.get(), &frmGrowth::growthApplied, this, &frmDials::fillTXTfields);
        growth_->initGrowthPanel(ui_.cmbFixMove->currentIndex());
        explainControls(growth_.get(), state_.CalcMethod);
    }
    return growth_.get();
}

frmFeet* frmDials::feetWindow() {
    if (!feet_) {
        // An edit in the Feet window is an edit of the job: recalculated at once (the readings check
        // and the verdict name soft feet), and made an undo step like any other.
        feet_ = std::make_unique<frmFeet>(
            state_, this, [this] { return currentOptions(); },
            [this] {
                recalculate();
                jobEdited();
            });
    }
    return feet_.get();
}

void frmDials::cmdFeet_Click() {
    commitFocusedBox();
    frmFeet* window = feetWindow();
    window->show();
    window->raise();
    window->activateWindow();
}

frmTolerances* frmDials::toleranceWindow() {
    if (!tolerances_) {
        // A new window takes its span from the geometry; until it is first shown the span is the
        // one the last refresh picked, so that it keeps what the user sees in the results.
        const float span = state_.Project.Span;
        tolerances_ = std::make_unique<frmTolerances>(state_, this, [this] { return currentOptions(); });
        // A new speed or span changes the band and the verdict: the results follow at once.
        tolerances_->setOnChange([this] { recalculate(); });
        state_.Project.Span = span;
        tolerances_->calcTolerance();
        explainControls(tolerances_.get(), state_.CalcMethod);
    }
    return tolerances_.get();
}

frmMoves* frmDials::movesWindow() {
    if (!moves_)
        moves_ = std::make_unique<frmMoves>(
            state_, this, [this] { return currentOptions(); }, [this] { movesEdited(); });
    return moves_.get();
}

void frmDials::setUpEntryBox(QLineEdit* box) {
    EntryBox::attach(box, [this, box] { runLostFocus(box); });
}

CaptionedBox frmDials::captionedBox(QWidget* parent, const QString& caption, const QString& boxName) {
    CaptionedBox made = makeCaptionedBox(parent, caption, boxName, {});
    setUpEntryBox(made.box);
    return made;
}

void frmDials::buildHeader(QWidget* central) {
    auto* frame = ui_.frameHeader = new QGroupBox(central);
    frame->setObjectName(QStringLiteral("frameHeader"));
    // A frame without a caption: without a name a screen reader would announce a nameless panel.
    frame->setAccessibleName(QStringLiteral("Header"));
    layout_.place(frame, kHeader);

    const CaptionedBox machine =
        captionedBox(frame, QStringLiteral("Machine:"), QStringLiteral("txtMachine"));
    ui_.txtMachine = machine.box;
    layout_.place(machine.caption, kMachineCaption);
    layout_.place(machine.box, kMachine);
    const CaptionedBox technician =
        captionedBox(frame, QStringLiteral("Technician:"), QStringLiteral("txtTechnician"));
    ui_.txtTechnician = technician.box;
    layout_.place(technician.caption, kTechnicianCaption);
    layout_.place(technician.box, kTechnician);

    auto* dateCaption = makeLabel(QStringLiteral("Date:"), frame, "lblDateCaption");
    layout_.place(dateCaption, kDateCaption);
    ui_.lblCompany = makeLabel(QString(), frame, "lblCompany");
    layout_.place(ui_.lblCompany, kDate);
    ui_.lblCompany->setAccessibleDescription(QStringLiteral("Date stamp"));
    // The caption and the date are two labels on screen; read out, the date says what it is.
    ui_.lblCompany->setAccessibleName(QStringLiteral("Date:"));
}

void frmDials::buildMachineModel(QWidget* central) {
    ui_.frameMachine = new QGroupBox(QStringLiteral("Machine Model"), central);
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

    ui_.lblMachine1 = makeLabel(QStringLiteral("Fixed"), ui_.frameMachine, "lblMachine1");
    ui_.lblMachine2 = makeLabel(QStringLiteral("Moveable"), ui_.frameMachine, "lblMachine2");
    layout_.place(ui_.lblMachine1, kFixedCaption);
    layout_.place(ui_.lblMachine2, kMoveableCaption);

    ui_.txtM1 = new QLineEdit(ui_.frameMachine);
    ui_.txtM1->setObjectName(QStringLiteral("txtM1"));
    layout_.place(ui_.txtM1, kFixedName);
    ui_.txtM1->setAccessibleName(QStringLiteral("Fixed machine"));
    setUpEntryBox(ui_.txtM1);
    ui_.txtM2 = new QLineEdit(ui_.frameMachine);
    ui_.txtM2->setObjectName(QStringLiteral("txtM2"));
    layout_.place(ui_.txtM2, kMoveableName);
    ui_.txtM2->setAccessibleName(QStringLiteral("Moveable machine"));
    setUpEntryBox(ui_.txtM2);

    for (int k = 0; k < kLengthCount; ++k) {
        ui_.lblLength[k] =
            makeLabel(QString::fromStdString(state_.LengthLabel[k]), ui_.frameMachine, "lblLength");
        ui_.lblLength[k]->setObjectName(indexed("lblLength", k));
        ui_.lblLength[k]->setAlignment(Qt::AlignCenter);
        ui_.lblLength[k]->resize(kLengthLetter);
        QFont bold = ui_.lblLength[k]->font();
        bold.setBold(true);
        ui_.lblLength[k]->setFont(bold);
    }

    ui_.lblStationary = makeLabel(QStringLiteral("Stationary:"), ui_.frameMachine, "lblStationary");
    ui_.lblStationary->setAlignment(Qt::AlignCenter);
    for (int i = 0; i < 4; ++i) {
        ui_.chkStation[i] = new QCheckBox(ui_.frameMachine);
        ui_.chkStation[i]->setObjectName(indexed("chkStation", i));
        ui_.chkStation[i]->setAccessibleName(QStringLiteral("Stationary foot %1").arg(i + 1));
        ui_.chkStation[i]->setToolTip(QStringLiteral("Foot %1 stays where it is").arg(i + 1));
        connect(ui_.chkStation[i], &QCheckBox::toggled, this, [this, i] { chkStation_Click(i); });
    }

    // The foot ledger: soft foot and shims, per foot.
    // A tool button: as narrow as its caption, to fit between the ticks.
    ui_.cmdFeet = new QToolButton(ui_.frameMachine);
    ui_.cmdFeet->setText(QStringLiteral("Feet..."));
    ui_.cmdFeet->setObjectName(QStringLiteral("cmdFeet"));
    ui_.cmdFeet->setToolTip(QStringLiteral("Soft foot and shims of each foot"));
    ui_.cmdFeet->setAccessibleName(QStringLiteral("Feet"));
    connect(ui_.cmdFeet, &QToolButton::clicked, this, &frmDials::cmdFeet_Click);

    ui_.lblGrowth = makeLabel(QStringLiteral("Growth (mils)"), ui_.frameMachine, "lblGrowth");
    ui_.lblGrowth->setAlignment(Qt::AlignCenter);
    for (int i = 0; i < 4; ++i) {
        ui_.txtGro[i] = new QLineEdit(ui_.frameMachine);
        ui_.txtGro[i]->setObjectName(indexed("txtGro", i));
        ui_.txtGro[i]->setAlignment(Qt::AlignCenter);
        ui_.txtGro[i]->setAccessibleName(QStringLiteral("Foot %1 growth (mils)").arg(i + 1));
        ui_.txtGro[i]->hide();
        setUpEntryBox(ui_.txtGro[i]);
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
    layout_.place(frame, dial == 1 ? kDialFrame1 : kDialFrame2);
    (dial == 1 ? ui_.frameDial1 : ui_.frameDial2) = frame;

    auto& knobs = dial == 1 ? ui_.cwkDial1 : ui_.cwkDial2;
    auto& boxes = dial == 1 ? ui_.txtD1 : ui_.txtD2;
    auto& clocks = dial == 1 ? ui_.lblClock1 : ui_.lblClock2;
    // The four positions stand like a clock face: 12:00 at the top, 3:00 right, 6:00 at the
    // bottom, 9:00 left.
    const QPoint cells[4] = {{kDialLeft + kDialCell, 16},
                             {kDialLeft + 2 * kDialCell, 50},
                             {kDialLeft + kDialCell, 101},
                             {kDialLeft, 50}};
    for (int p = 0; p < 4; ++p) {
        const QString tip = QStringLiteral("Dial %1 - %2 o'clock ").arg(dial).arg(QLatin1String(kClock[p]));
        const QRect knobPlace(QPoint(cells[p].x() + (kDialCell - kKnob.width()) / 2, cells[p].y()), kKnob);
        auto* knob = new Knob(frame);
        knob->setObjectName(indexed(dial == 1 ? "cwkDial1" : "cwkDial2", p));
        layout_.place(knob, knobPlace);
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
        const int besideKnob = knobPlace.right() + 3;
        switch (p) {
            case 0:  // right of the 12:00 knob, at its top
                layout_.place(clock, besideKnob, cells[p].y(), kDialCell - 4, kClockCaptionHeight);
                clock->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
                break;
            case 2:  // right of the 6:00 box, at the foot of the frame
                layout_.place(clock, besideKnob, cells[p].y() + kKnob.height() + 3, kDialCell - 4,
                              kClockCaptionHeight);
                clock->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
                break;
            default:  // over the 3:00 and 9:00 knobs
                layout_.place(clock, cells[p].x(), cells[p].y() - kClockCaptionHeight, kDialCell,
                              kClockCaptionHeight);
                clock->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
                break;
        }
        clocks[p] = clock;

        auto* box = new QLineEdit(frame);
        box->setObjectName(indexed(dial == 1 ? "txtD1" : "txtD2", p));
        layout_.place(box, cells[p].x() + kReadingBoxInset, cells[p].y() + kKnob.height() + 1,
                      kDialCell - 2 * kReadingBoxInset, kReadingBoxHeight);
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
    layout_.place(viewed, kViewedNote);
}

void frmDials::buildCalculation(QWidget* central) {
    ui_.frameCalculation = new QGroupBox(QStringLiteral("Calculation"), central);
    ui_.frameCalculation->setObjectName(QStringLiteral("frameCalculation"));
    ui_.frameCalculation->setToolTip(QStringLiteral("Aligment Calculation Method"));
    layout_.place(ui_.frameCalculation, kCalculation);
    auto* group = new QButtonGroup(ui_.frameCalculation);
    const char* const captions[3] = {"Reverse Dial", "Rim and Face", "Jack Shaft"};
    for (int i = 0; i < 3; ++i) {
        ui_.optAcalc[i] = new QRadioButton(QLatin1String(captions[i]), ui_.frameCalculation);
        ui_.optAcalc[i]->setObjectName(indexed("optAcalc", i));
        layout_.place(ui_.optAcalc[i],
                      QRect(QPoint(8, kMethodOptionTop + kMethodOptionPitch * i), kMethodOption));
        group->addButton(ui_.optAcalc[i], i);
        connect(ui_.optAcalc[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) optAcalc_Click(i);
        });
    }
}

void frmDials::buildLengthGrid(QWidget* central) {
    ui_.frameLength = new QGroupBox(QStringLiteral("Length"), central);
    ui_.frameLength->setObjectName(QStringLiteral("frameLength"));
    layout_.place(ui_.frameLength, kLengthFrame);

    ui_.gridLength = new QTableWidget(ui_.frameLength);
    ui_.gridLength->setObjectName(QStringLiteral("gridLength"));
    ui_.gridLength->setToolTip(QStringLiteral("Length Grid"));
    ui_.gridLength->setAccessibleName(QStringLiteral("Length Grid"));
    ui_.gridLength->horizontalHeader()->hide();
    ui_.gridLength->verticalHeader()->hide();
    ui_.gridLength->setColumnCount(2);
    ui_.gridLength->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ui_.gridLength->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ui_.gridLength->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ui_.gridLength->setSelectionMode(QAbstractItemView::SingleSelection);
    ui_.gridLength->setTabKeyNavigation(false);

    ui_.txtLength = new QLineEdit(ui_.frameLength);
    ui_.txtLength->setObjectName(QStringLiteral("txtLength"));
    ui_.txtLength->setFrame(false);
    ui_.txtLength->setAlignment(Qt::AlignCenter);
    ui_.txtLength->setFocusPolicy(Qt::ClickFocus);
    ui_.txtLength->setAccessibleName(QStringLiteral("Length"));
    ui_.txtLength->hide();

    ui_.gridEditor = new GridCellEditor(
        ui_.gridLength, ui_.txtLength, GridCellEditor::Walk::Rows, [this] { return Loading; }, this);
    connect(ui_.gridEditor, &GridCellEditor::committed, this,
            [this](int row, int, const QString& typed) { gridLength_Commit(row, typed); });
}

void frmDials::buildButtons(QWidget* central) {
    constexpr int kButton = kWindowButton;
    ui_.cmdComments =
        pictureButton(commentsIcon(), QStringLiteral("Add Comments"), central, "cmdComments", kButton);
    ui_.cmdGrowth = pictureButton(thermometerIcon(), QStringLiteral("Thermal Growth Calcs"), central,
                                  "cmdGrowth", kButton);
    ui_.cmdTolerances = pictureButton(toleranceIcon(), QStringLiteral("Alignment Tolerance Calcs"), central,
                                      "cmdTolerances", kButton);
    layout_.place(ui_.cmdComments, kComments);
    layout_.place(ui_.cmdGrowth, kGrowthButton);
    layout_.place(ui_.cmdTolerances, kTolerancesButton);
    connect(ui_.cmdComments, &QPushButton::clicked, this, &frmDials::cmdComments_Click);
    connect(ui_.cmdGrowth, &QPushButton::clicked, this, &frmDials::cmdGrowth_Click);
    connect(ui_.cmdTolerances, &QPushButton::clicked, this, &frmDials::cmdTolerances_Click);

    ui_.cmdReset = new QPushButton(QStringLiteral("Reset Values"), central);
    ui_.cmdReset->setObjectName(QStringLiteral("cmdReset"));
    ui_.cmdReset->setToolTip(QStringLiteral("Reset ALL data values to 0"));
    layout_.place(ui_.cmdReset, kReset);
    connect(ui_.cmdReset, &QPushButton::clicked, this, &frmDials::cmdReset_Click);
}

void frmDials::buildResults(QWidget* central) {
    constexpr int kButton = kGraphButton;
    const QFont font = resultFont();

    ui_.Graph1 = new ResultGraph(central);
    ui_.Graph1->setObjectName(QStringLiteral("Graph1"));
    ui_.Graph1->setAccessibleName(QStringLiteral("Vertical graph"));
    ui_.Graph1->setTitle(QStringLiteral("Vertical (shims)"));
    layout_.place(ui_.Graph1, kGraph1);
    ui_.lblAcalc1 = makeLabel(QString(), central, "lblAcalc1");

    ui_.Graph2 = new ResultGraph(central);
    ui_.Graph2->setObjectName(QStringLiteral("Graph2"));
    ui_.Graph2->setAccessibleName(QStringLiteral("Horizontal graph"));
    ui_.Graph2->setTitle(QStringLiteral("Horizontal"));
    layout_.place(ui_.Graph2, kGraph2);
    ui_.lblAcalc2 = makeLabel(QString(), central, "lblAcalc2");

    for (QLabel* label : {ui_.lblAcalc1, ui_.lblAcalc2}) {
        label->setFont(font);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        label->setWordWrap(false);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
    layout_.place(ui_.lblAcalc1, kResult1);
    layout_.place(ui_.lblAcalc2, kResult2);

    ui_.cmdG1Inc =
        pictureButton(zoomIcon(true), QStringLiteral("Increase Scale"), central, "cmdG1Inc", kButton);
    ui_.cmdG1Dec =
        pictureButton(zoomIcon(false), QStringLiteral("Descrease Scale"), central, "cmdG1Dec", kButton);
    ui_.cmdScale = pictureButton(autoScaleIcon(), QStringLiteral("AutoScale"), central, "cmdScale", kButton);
    ui_.cmdG2Inc =
        pictureButton(zoomIcon(true), QStringLiteral("Increase Scale"), central, "cmdG2Inc", kButton);
    ui_.cmdG2Dec =
        pictureButton(zoomIcon(false), QStringLiteral("Decrease Scale"), central, "cmdG2Dec", kButton);
    ui_.cmdG1Inc->setAccessibleDescription(QStringLiteral("Vertical graph"));
    ui_.cmdG1Dec->setAccessibleDescription(QStringLiteral("Vertical graph"));
    ui_.cmdG2Inc->setAccessibleDescription(QStringLiteral("Horizontal graph"));
    ui_.cmdG2Dec->setAccessibleDescription(QStringLiteral("Horizontal graph"));
    layout_.place(ui_.cmdG1Inc, kGraph1Widen);
    layout_.place(ui_.cmdG1Dec, kGraph1Narrow);
    layout_.place(ui_.cmdScale, kAutoScale);
    ui_.cmdMoves =
        pictureButton(movesIcon(), QStringLiteral("Move Alternatives"), central, "cmdMoves", kButton);
    layout_.place(ui_.cmdMoves, kMovesButton);
    connect(ui_.cmdMoves, &QPushButton::clicked, this, &frmDials::cmdMoves_Click);
    layout_.place(ui_.cmdG2Inc, kGraph2Widen);
    layout_.place(ui_.cmdG2Dec, kGraph2Narrow);
    ui_.cmdScale->setAutoFillBackground(true);
    connect(ui_.cmdG1Inc, &QPushButton::clicked, this, &frmDials::cmdG1Inc_Click);
    connect(ui_.cmdG1Dec, &QPushButton::clicked, this, &frmDials::cmdG1Dec_Click);
    connect(ui_.cmdG2Inc, &QPushButton::clicked, this, &frmDials::cmdG2Inc_Click);
    connect(ui_.cmdG2Dec, &QPushButton::clicked, this, &frmDials::cmdG2Dec_Click);
    connect(ui_.cmdScale, &QPushButton::clicked, this, &frmDials::cmdScale_Click);
}

void frmDials::buildMiscellaneous(QWidget* central) {
    ui_.frameMisc = new QGroupBox(QStringLiteral("Miscellaneous"), central);
    ui_.frameMisc->setObjectName(QStringLiteral("frameMisc"));
    ui_.frameMisc->setAccessibleName(ui_.frameMisc->title());
    layout_.place(ui_.frameMisc, kMiscellaneous);

    ui_.frameUnits = new QGroupBox(QStringLiteral("Engineering Units"), ui_.frameMisc);
    ui_.frameUnits->setObjectName(QStringLiteral("frameUnits"));
    // Named explicitly: a frame inside a frame is otherwise announced by its outer frame's caption.
    ui_.frameUnits->setAccessibleName(ui_.frameUnits->title());
    layout_.place(ui_.frameUnits, kUnits);
    auto* units = new QButtonGroup(ui_.frameUnits);
    const char* const captions[2] = {"English", "Metric"};
    for (int i = 0; i < 2; ++i) {
        ui_.optEU[i] = new QRadioButton(QLatin1String(captions[i]), ui_.frameUnits);
        ui_.optEU[i]->setObjectName(indexed("optEU", i));
        layout_.place(ui_.optEU[i], i == 0 ? kEnglish : kMetric);
        units->addButton(ui_.optEU[i], i);
        connect(ui_.optEU[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) optEU_Click(i);
        });
    }

    const CaptionedBox misc =
        captionedBox(ui_.frameMisc, QStringLiteral("Sag (mils)"), QStringLiteral("txtMisc1"));
    ui_.lblMisc1 = misc.caption;
    ui_.lblMisc1->setObjectName(QStringLiteral("lblMisc1"));
    ui_.txtMisc1 = misc.box;
    ui_.txtMisc1->setAlignment(Qt::AlignCenter);
    layout_.place(ui_.lblMisc1, kMiscCaption);
    layout_.place(ui_.txtMisc1, kMiscBox);

    ui_.chkTgrowth = new QCheckBox(QStringLiteral("Thermal Growth"), ui_.frameMisc);
    ui_.chkTgrowth->setObjectName(QStringLiteral("chkTgrowth"));
    layout_.place(ui_.chkTgrowth, kGrowthSwitch);
    connect(ui_.chkTgrowth, &QCheckBox::toggled, this, &frmDials::chkTgrowth_Click);
    ui_.chkTolerance = new QCheckBox(QStringLiteral("Apply Tolerance"), ui_.frameMisc);
    ui_.chkTolerance->setObjectName(QStringLiteral("chkTolerance"));
    layout_.place(ui_.chkTolerance, kToleranceSwitch);
    connect(ui_.chkTolerance, &QCheckBox::toggled, this, &frmDials::chkTolerance_Click);

    // Screen readers on Linux announce a combo box by its current entry, not by its name: the
    // description says what the box chooses.
    ui_.cmbMachine = new QComboBox(ui_.frameMisc);
    ui_.cmbMachine->setObjectName(QStringLiteral("cmbMachine"));
    ui_.cmbMachine->addItem(QStringLiteral("2 Machines"));
    ui_.cmbMachine->setAccessibleName(QStringLiteral("Machines"));
    ui_.cmbMachine->setAccessibleDescription(QStringLiteral("Machines"));
    layout_.place(ui_.cmbMachine, kMachines);

    ui_.cmbRotation = new QComboBox(ui_.frameMisc);
    ui_.cmbRotation->setObjectName(QStringLiteral("cmbRotation"));
    ui_.cmbRotation->addItems({QStringLiteral("Full Rotation"), QStringLiteral("Half Rotation")});
    ui_.cmbRotation->setAccessibleName(QStringLiteral("Rotation"));
    ui_.cmbRotation->setAccessibleDescription(QStringLiteral("Rotation"));
    layout_.place(ui_.cmbRotation, kRotation);
    connect(ui_.cmbRotation, &QComboBox::currentIndexChanged, this, &frmDials::cmbRotation_Click);

    ui_.cmbFixMove = new QComboBox(ui_.frameMisc);
    ui_.cmbFixMove->setObjectName(QStringLiteral("cmbFixMove"));
    ui_.cmbFixMove->addItems({QStringLiteral("Fixed Mach"), QStringLiteral("Moveable Machine")});
    ui_.cmbFixMove->setToolTip(QStringLiteral("Indicators Attached to Machine"));
    ui_.cmbFixMove->setAccessibleName(QStringLiteral("Indicators Attached to Machine"));
    ui_.cmbFixMove->setAccessibleDescription(QStringLiteral("Indicators Attached to Machine"));
    layout_.place(ui_.cmbFixMove, kBracketSide);
    ui_.cmbFixMove->hide();
    // The list's items name the half the dials run on, easily misread as the bracket's shaft: the
    // caption says both, in full.
    ui_.lblFixMove = new QLabel(ui_.frameMisc);
    ui_.lblFixMove->setObjectName(QStringLiteral("lblFixMove"));
    ui_.lblFixMove->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    ui_.lblFixMove->setBuddy(ui_.cmbFixMove);
    layout_.place(ui_.lblFixMove, kBracketCaption);
    ui_.lblFixMove->hide();
    connect(ui_.cmbFixMove, &QComboBox::currentIndexChanged, this, &frmDials::cmbFixMove_Click);
}

}  // namespace corvane
