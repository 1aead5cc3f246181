// Guidance where the readings are typed: where each dial is zeroed and the sign of its readings,
// what each reading box means, the rim-and-face bar sag, What's This on every control, and the
// Help menu's manual and worked examples.

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QWhatsThis>

#include "calc/methods/DialGuide.h"
#include "project/ProjectCommands.h"
#include "project/RimFaceSag.h"
#include "project/WorkedExamples.h"
#include "ui/common/DialogProvider.h"
#include "ui/help/HelpTexts.h"
#include "ui/help/ManualWindow.h"
#include "ui/main/frmDials.h"
#include "ui/widgets/ElidedLabel.h"
#include "ui/widgets/MachineDrawing.h"

namespace corvane {

namespace {

// In the dial frames, the free corner right of the 6:00 knob, above its clock caption; in
// "Miscellaneous", right of the result switches.
constexpr QRect kZeroNote{136, 135, 67, 30};
constexpr QRect kRimSagCaption{282, 22, 88, 20};
constexpr QRect kRimSagBox{300, 44, 54, 22};

QString fromStd(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

void frmDials::buildGuidance(QWidget* central) {
    for (int dial = 1; dial <= 2; ++dial) {
        QGroupBox* frame = dial == 1 ? ui_.frameDial1 : ui_.frameDial2;
        auto* note = new QLabel(frame);
        note->setObjectName(dial == 1 ? QStringLiteral("lblZero1") : QStringLiteral("lblZero2"));
        QFont small = note->font();
        small.setPointSizeF(small.pointSizeF() * 0.8);
        note->setFont(small);
        note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        layout_.place(note, kZeroNote);
        ui_.lblZero[static_cast<std::size_t>(dial - 1)] = note;
    }

    const CaptionedBox sag =
        captionedBox(ui_.frameMisc, QStringLiteral("Rim sag (mils)"), QStringLiteral("txtRimSag"));
    ui_.lblRimSag = sag.caption;
    ui_.lblRimSag->setObjectName(QStringLiteral("lblRimSag"));
    ui_.txtRimSag = sag.box;
    ui_.txtRimSag->setAlignment(Qt::AlignCenter);
    ui_.txtRimSag->setProperty("corvaneGuide",
                               QStringLiteral("Bar sag of the rim dial, added to its 6:00 reading"));
    layout_.place(ui_.lblRimSag, kRimSagCaption);
    layout_.place(ui_.txtRimSag, kRimSagBox);
    ui_.lblRimSag->hide();
    ui_.txtRimSag->hide();
    QWidget::setTabOrder(ui_.txtMisc1, ui_.txtRimSag);

    // Help: the manual first, the worked examples, What's This, then About.
    QMenu* help = menuBar()->findChild<QMenu*>(QStringLiteral("mnuHelp"));
    QAction* about = ui_.mnuAbout;
    ui_.mnuHelpContents = new QAction(QStringLiteral("&Contents"), this);
    ui_.mnuHelpContents->setObjectName(QStringLiteral("mnuHelpContents"));
    ui_.mnuHelpContents->setShortcut(QKeySequence::HelpContents);
    connect(ui_.mnuHelpContents, &QAction::triggered, this, &frmDials::mnuHelpContents_Click);
    help->insertAction(about, ui_.mnuHelpContents);
    QMenu* examples = new QMenu(QStringLiteral("&Worked Examples"), help);
    examples->setObjectName(QStringLiteral("mnuExamples"));
    const char* const names[3] = {"&Reverse Dial", "Rim and &Face", "&Jack Shaft"};
    for (int m = 0; m < 3; ++m) {
        ui_.mnuExample[static_cast<std::size_t>(m)] =
            examples->addAction(QLatin1String(names[m]), this, [this, m] { mnuExample_Click(m); });
        ui_.mnuExample[static_cast<std::size_t>(m)]->setObjectName(QStringLiteral("mnuExample%1").arg(m));
    }
    help->insertMenu(about, examples);
    ui_.mnuWhatsThis = QWhatsThis::createAction(this);
    ui_.mnuWhatsThis->setObjectName(QStringLiteral("mnuWhatsThis"));
    help->insertAction(about, ui_.mnuWhatsThis);
    help->insertSeparator(about);
    setWindowFlag(Qt::WindowContextHelpButtonHint);

    explainControls(central, kMethodReverseDial);
    for (QWidget* w : {static_cast<QWidget*>(ui_.lblReadingsCheck), static_cast<QWidget*>(ui_.lblVerdict)})
        w->setWhatsThis(whatsThisFor(w->objectName(), kMethodReverseDial));
}

void frmDials::showGuidance() {
    const int m = state_.CalcMethod;
    if (m < 0 || m >= kMethodCount) return;
    const CalcOptions options = currentOptions();
    for (int dial = 1; dial <= 2; ++dial) {
        QLabel* note = ui_.lblZero[static_cast<std::size_t>(dial - 1)];
        note->setText(fromStd(zeroingNote(m, options.rotation)));
        note->setToolTip(fromStd(zeroingLine(m, options.rotation)));
        auto& boxes = dial == 1 ? ui_.txtD1 : ui_.txtD2;
        // The readings check adds its findings in front of it.
        for (int p = 0; p < kPositionCount; ++p)
            boxes[static_cast<std::size_t>(p)]->setProperty(
                "corvaneGuide", fromStd(readingTip(m, dial, p, options.rotation, options.bracketSide)));
    }
    const bool rimFace = m == kMethodRimFace;
    ui_.lblRimSag->setVisible(rimFace);
    ui_.txtRimSag->setVisible(rimFace);
    ui_.txtMisc1->setWhatsThis(whatsThisFor(QStringLiteral("txtMisc1"), m));
}

void frmDials::fillRimSag() {
    ui_.lblRimSag->setText(QStringLiteral("Rim sag (%1)").arg(toQString(display().unit(Quantity::Reading))));
    ui_.txtRimSag->setAccessibleName(ui_.lblRimSag->text());
    ui_.txtRimSag->setText(toQString(display().readingBoxText(rimFaceSag(state_.Project))));
    const QString fixed = QString::fromStdString(state_.Project.M1Text);
    const QString moveable = QString::fromStdString(state_.Project.M2Text);
    for (MachineDrawing* d : {ui_.picRevDial, ui_.picRimFace1, ui_.picRimFace2, ui_.picJackShaft})
        d->setMachineNames(fixed, moveable);
}

void frmDials::txtRimSag_LostFocus() {
    const float shown = rimFaceSag(state_.Project);
    const std::optional<float> value = EntryBox::takeValue(ui_.txtRimSag, Quantity::Reading, display().units,
                                                           toQString(display().readingBoxText(shown)));
    if (value && *value != shown) {
        state_.Project.ReservedText = encodeRimFaceSag(*value, state_.Project.ReservedText);
    }
    fillRimSag();
    recalculate();
    jobEdited();
}

void frmDials::mnuHelpContents_Click() {
    QWidget* focus = QApplication::focusWidget();
    const QString name = focus && focus->window() == this ? focus->objectName() : QString();
    ManualWindow::showSection(this, manualSectionFor(name, state_.CalcMethod));
}

void frmDials::mnuExample_Click(int method) {
    if (method < 0 || method >= kMethodCount) return;
    commitFocusedBox();
    // The open job is offered for saving first; the example never takes its file.
    if (!commands_->saveIfChanged()) return;
    const WorkedExample example = workedExample(method);
    state_.Project = example.record;
    state_.Project.DateStamp = dialogs_.currentDate();
    state_.CurrentFile.clear();
    applyViewOptions();
    refreshAll();
    // A job without a file: changed until it is saved under a name of its own.
    state_.Session.start(state_.Project, true);
    startHistory();
    Timer1_Timer();
    const char* const anchors[3] = {"#example-reverse-dial", "#example-rim-face", "#example-jack-shaft"};
    ManualWindow::showSection(this, QStringLiteral("examples.html") + QLatin1String(anchors[method]));
}

}  // namespace corvane
