// The status bar: the readings check and the alignment verdict after every calculation, the
// reading boxes a finding is about marked where the technician types, and what to know about the
// open file.

#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>

#include "calc/judging/ReadingsCheck.h"
#include "calc/judging/Verdict.h"
#include "calc/methods/MethodTraits.h"
#include "project/ProjectCommands.h"
#include "project/ProjectFile.h"
#include "ui/common/DialogProvider.h"
#include "ui/main/RecoveryKeeper.h"
#include "ui/main/frmDials.h"
#include "ui/widgets/ElidedLabel.h"

namespace corvane {

namespace {

// Never colour alone: each state has its sign and its word as well.
enum class Tone { Good, Caution, Bad, Neutral };

void showTone(ElidedLabel* label, Tone tone, const QString& sign, const QString& text) {
    static const char* const kStyles[] = {
        "QLabel { color: #14501e; background: #d9f2dc; border: 1px solid #5aa863; padding: 1px 6px; }",
        "QLabel { color: #5a3a00; background: #fcebc4; border: 1px solid #d19a2a; padding: 1px 6px; }",
        "QLabel { color: #6d0f0f; background: #f8d4d4; border: 1px solid #c24a4a; padding: 1px 6px; }",
        "QLabel { color: palette(window-text); padding: 1px 6px; }",
    };
    // A style sheet set again, even the same, makes the label polish itself anew.
    const QString style = QLatin1String(kStyles[static_cast<int>(tone)]);
    if (label->styleSheet() != style) label->setStyleSheet(style);
    label->setFullText(sign + QLatin1Char(' ') + text);
    label->setAccessibleDescription(text);
}

const QString kTick = QStringLiteral("\u2714");
const QString kWarning = QStringLiteral("\u26A0");
const QString kCross = QStringLiteral("\u2716");
const QString kDash = QStringLiteral("\u2013");

// The mark of a box a finding is about: an amber frame, on top of whatever else the box shows.
const QString kMarkedBox = QStringLiteral("QLineEdit { border: 2px solid #d19a2a; background: #fff6df; }");

}  // namespace

void frmDials::buildStatusBar() {
    ui_.lblReadingsCheck = new ElidedLabel(this);
    ui_.lblReadingsCheck->setObjectName(QStringLiteral("lblReadingsCheck"));
    ui_.lblReadingsCheck->setAccessibleName(QStringLiteral("Readings check"));
    ui_.lblVerdict = new ElidedLabel(this);
    ui_.lblVerdict->setObjectName(QStringLiteral("lblVerdict"));
    ui_.lblVerdict->setAccessibleName(QStringLiteral("Alignment verdict"));
    statusBar()->setObjectName(QStringLiteral("statusBar"));
    statusBar()->setSizeGripEnabled(false);
    ui_.lblFileNote = new ElidedLabel(this);
    ui_.lblFileNote->setObjectName(QStringLiteral("lblFileNote"));
    ui_.lblFileNote->setAccessibleName(QStringLiteral("File note"));
    ui_.lblFileNote->hide();
    statusBar()->addWidget(ui_.lblFileNote, 1);
    statusBar()->addWidget(ui_.lblReadingsCheck, 1);
    // The verdict keeps room for its longest line; the check takes the rest and is cut when long.
    ui_.lblVerdict->setMinimumWidth(ui_.lblVerdict->fontMetrics().horizontalAdvance(QStringLiteral(
                                        "\u2716 Alignment: Out of tolerance at 7200 rpm (short coupling)")) +
                                    16);
    statusBar()->addPermanentWidget(ui_.lblVerdict);
}

void frmDials::showFileNotes() {
    if (state_.CurrentFile != heldFile_) {
        heldFile_ = state_.CurrentFile;
        otherHolds_ = !recovery_->holdProject(heldFile_);
        if (otherHolds_)
            dialogs_.showMessage(this,
                                 QStringLiteral("Another Corvane window has\n%1\nopen. Saved from both, "
                                                "each save would wipe the other's changes; Corvane "
                                                "asks before it saves over a file changed on disk.")
                                     .arg(QString::fromStdString(heldFile_)));
    }
    QStringList notes;
    if (commands_->readOnly())
        notes << QStringLiteral("%1 (%2): read-only, Save asks for a new name")
                     .arg(QLatin1String(kForeignFileWarning),
                          QString::fromStdString(commands_->foreignReason()));
    if (otherHolds_) notes << QStringLiteral("Another Corvane window has this project open");
    if (viewNotKept_)
        notes << QStringLiteral("The view options are not kept with this job: its reserved text is full");
    const QString text = notes.join(QStringLiteral("; "));
    if (text.isEmpty()) {
        ui_.lblFileNote->hide();
        return;
    }
    showTone(ui_.lblFileNote, Tone::Caution, kWarning, text);
    ui_.lblFileNote->setToolTip(notes.join(QLatin1Char('\n')));
    ui_.lblFileNote->show();
}

void frmDials::showCheckAndVerdict(const std::vector<ReadingFinding>& findings,
                                   const AlignmentVerdict& verdict) {
    // The readings check: the first finding in the bar, all of them in its tool tip.
    if (findings.empty()) {
        showTone(ui_.lblReadingsCheck, Tone::Good, kTick, QStringLiteral("Readings consistent"));
        ui_.lblReadingsCheck->setToolTip(QString());
    } else {
        QStringList all;
        for (const ReadingFinding& f : findings) all << QString::fromStdString(f.message);
        showTone(ui_.lblReadingsCheck, Tone::Caution, kWarning, all.first());
        // Every finding in the tool tip: the bar has room for the first only.
        ui_.lblReadingsCheck->setToolTip(all.join(QLatin1Char('\n')));
        ui_.lblReadingsCheck->setAccessibleDescription(all.join(QLatin1Char(' ')));
    }

    // Each reading box a finding names carries it.
    std::array<QStringList, 4> dial1, dial2;
    QStringList sag;
    for (const ReadingFinding& f : findings) {
        const QString message = QString::fromStdString(f.message);
        if (f.kind == FindingKind::SagSign) sag << message;
        for (int p = 0; p < kPositionCount; ++p)
            if (f.positions[static_cast<std::size_t>(p)]) (f.dial == 1 ? dial1 : dial2)[p] << message;
    }
    // A box's own explanation (what its reading means) follows the findings about it.
    const auto mark = [](QLineEdit* box, const QStringList& messages) {
        QStringList tip = messages;
        const QString guide = box->property("corvaneGuide").toString();
        if (!guide.isEmpty()) tip << guide;
        box->setToolTip(tip.join(QLatin1Char('\n')));
        const QString style = messages.isEmpty() ? QString() : kMarkedBox;
        if (box->styleSheet() != style) box->setStyleSheet(style);
        box->setProperty("corvaneFinding", !messages.isEmpty());
    };
    for (int p = 0; p < kPositionCount; ++p) {
        mark(ui_.txtD1[p], dial1[p]);
        mark(ui_.txtD2[p], dial2[p]);
    }
    mark(ui_.txtMisc1, methodTraits(state_.CalcMethod).miscField == MiscField::Sag ? sag : QStringList());
    mark(ui_.txtRimSag, state_.CalcMethod == kMethodRimFace ? sag : QStringList());

    const QString line = QString::fromStdString(verdictStatusLine(verdict));
    if (!verdict.given)
        showTone(ui_.lblVerdict, Tone::Neutral, kDash, line);
    else if (verdict.grade == AlignmentGrade::Out)
        showTone(ui_.lblVerdict, Tone::Bad, kCross, line);
    else if (verdict.grade == AlignmentGrade::Acceptable)
        showTone(ui_.lblVerdict, Tone::Caution, kTick, line);
    else
        showTone(ui_.lblVerdict, Tone::Good, kTick, line);
    QString tip = QString::fromStdString(verdictToolTip(verdict));
    if (!verdict.softFootNote.empty())
        tip += QLatin1Char('\n') + QString::fromStdString(verdict.softFootNote);
    ui_.lblVerdict->setToolTip(tip);
}

}  // namespace corvane
