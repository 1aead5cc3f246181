#include "ui/main/MainStatusBar.h"

#include <QMainWindow>
#include <QStatusBar>

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

}  // namespace

MainStatusBar::MainStatusBar(QMainWindow& window, MainWindowControls& ui) : ui_(ui) {
    QStatusBar* bar = window.statusBar();
    ui_.lblReadingsCheck = new ElidedLabel(&window);
    ui_.lblReadingsCheck->setObjectName(QStringLiteral("lblReadingsCheck"));
    ui_.lblReadingsCheck->setAccessibleName(QStringLiteral("Readings check"));
    ui_.lblVerdict = new ElidedLabel(&window);
    ui_.lblVerdict->setObjectName(QStringLiteral("lblVerdict"));
    ui_.lblVerdict->setAccessibleName(QStringLiteral("Alignment verdict"));
    bar->setObjectName(QStringLiteral("statusBar"));
    bar->setSizeGripEnabled(false);
    ui_.lblFileNote = new ElidedLabel(&window);
    ui_.lblFileNote->setObjectName(QStringLiteral("lblFileNote"));
    ui_.lblFileNote->setAccessibleName(QStringLiteral("File note"));
    ui_.lblFileNote->hide();
    bar->addWidget(ui_.lblFileNote, 1);
    bar->addWidget(ui_.lblReadingsCheck, 1);
    // The verdict keeps room for its longest line; the check takes the rest and is cut when long.
    ui_.lblVerdict->setMinimumWidth(ui_.lblVerdict->fontMetrics().horizontalAdvance(QStringLiteral(
                                        "\u2716 Alignment: Out of tolerance at 7200 rpm (short coupling)")) +
                                    16);
    bar->addPermanentWidget(ui_.lblVerdict);
}

void MainStatusBar::showFileNotes(const QStringList& notes) {
    const QString text = notes.join(QStringLiteral("; "));
    if (text.isEmpty()) {
        ui_.lblFileNote->hide();
        return;
    }
    showTone(ui_.lblFileNote, Tone::Caution, kWarning, text);
    ui_.lblFileNote->setToolTip(notes.join(QLatin1Char('\n')));
    ui_.lblFileNote->show();
}

void MainStatusBar::showCheckAndVerdict(const std::vector<ReadingFinding>& findings,
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
