#include "ui/main/MainSession.h"

#include <QApplication>
#include <QDateTime>
#include <QTimer>

#include "calc/format/NumberFormat.h"
#include "project/ProjectCommands.h"
#include "project/ProjectFile.h"
#include "project/Version.h"
#include "project/WorkedExamples.h"
#include "ui/common/DialogProvider.h"
#include "ui/help/HelpTexts.h"
#include "ui/help/ManualWindow.h"
#include "ui/main/MainMenus.h"
#include "ui/main/MainPanels.h"
#include "ui/main/MainStatusBar.h"
#include "ui/main/MainWindowPrompts.h"
#include "ui/main/RecoveryKeeper.h"
#include "ui/main/frmDials.h"

namespace corvane {

MainSession::MainSession(AppState& state, DialogProvider& dialogs, frmDials& window, MainPanels& panels)
    : state_(state), dialogs_(dialogs), window_(window), panels_(panels) {
    MainWindowControls& ui = panels.controls();
    ui.Timer1 = new QTimer(&window);
    ui.Timer1->setObjectName(QStringLiteral("Timer1"));
    ui.Timer1->setInterval(1000);
    QObject::connect(ui.Timer1, &QTimer::timeout, &window, &frmDials::Timer1_Timer);
    prompts_ = std::make_unique<MainWindowPrompts>(window, dialogs);
    commands_ = std::make_unique<ProjectCommands>(state, *prompts_);
    recovery_ = std::make_unique<RecoveryKeeper>(state, QString::fromStdString(state.Paths.recoveryCopies()),
                                                 &window);
}

MainSession::~MainSession() = default;

void MainSession::fileNew() {
    window_.commitFocusedBox();
    commands_->fileNew();
    showEditState();
}

void MainSession::fileOpen() {
    window_.commitFocusedBox();
    commands_->fileOpen();
    showEditState();
}

void MainSession::fileSave() {
    window_.commitFocusedBox();
    commands_->fileSave();
    recovery_->sync();
}

void MainSession::fileSaveAs() {
    window_.commitFocusedBox();
    commands_->fileSaveAs();
    recovery_->sync();
}

void MainSession::fileRecent(int index) {
    window_.commitFocusedBox();
    commands_->fileRecent(index);
    showEditState();
}

bool MainSession::close() {
    window_.commitFocusedBox();
    // When the user asked to save and the save failed (it has said why), the window stays open so
    // that the job is not lost.
    if (!commands_->exitProgram()) return false;
    window_.controls().Timer1->stop();
    // Saved, or the user chose not to: nothing is left to recover.
    recovery_->removeOwnCopy();
    return true;
}

void MainSession::offerRecovery() {
    for (const RecoveryCopy& copy : recovery_->abandonedCopies()) {
        // When the copy was made, as the window shows a date stamp (local time).
        const QDateTime made = QDateTime::fromSecsSinceEpoch(copy.madeSeconds);
        const double madeOle = static_cast<double>(QDate(1899, 12, 30).daysTo(made.date())) +
                               made.time().msecsSinceStartOfDay() / 86400000.0;
        const std::string question =
            restorePrompt(copy.projectFile, formatDateTime(madeOle), copy.projectNewer);
        if (!dialogs_.askYesNo(&window_, QString::fromStdString(question))) {
            recovery_->forget(copy);
            continue;
        }
        state_.Project = copy.record;
        state_.CurrentFile = copy.projectFile;
        commands_->setupMRUlist();
        window_.applyViewOptions();
        window_.refreshAll();
        commands_->rememberFileOnDisk();
        state_.Session.start(state_.Project, true);
        showEditState();
        showFileNotes();
        // The restored job is kept by this program's own copy before the old one goes, so that a
        // second crash right now still leaves one.
        recovery_->sync();
        recovery_->forget(copy);
        // One job at a time: any other left-over job is offered at the next start.
        break;
    }
    recovery_->releaseUnanswered();
}

void MainSession::openExample(int method) {
    if (method < 0 || method >= kMethodCount) return;
    window_.commitFocusedBox();
    // The open job is offered for saving first; the example never takes its file.
    if (!commands_->saveIfChanged()) return;
    const WorkedExample example = workedExample(method);
    state_.Project = example.record;
    state_.Project.DateStamp = dialogs_.currentDate();
    state_.CurrentFile.clear();
    window_.applyViewOptions();
    window_.refreshAll();
    // A job without a file: changed until it is saved under a name of its own.
    state_.Session.start(state_.Project, true);
    start();
    window_.Timer1_Timer();
    const char* const anchors[3] = {"#example-reverse-dial", "#example-rim-face", "#example-jack-shaft"};
    ManualWindow::showSection(&window_, QStringLiteral("examples.html") + QLatin1String(anchors[method]));
}

void MainSession::showTitle() {
    const QString version = QLatin1String(kVersionText) + QLatin1Char(' ');
    // "[*]" is where the title bar shows "*" while the job has changes not saved.
    window_.setWindowTitle(QStringLiteral("CORVANE v.") + version + QStringLiteral("  ") +
                           QString::fromStdString(state_.CurrentFile) + QStringLiteral("[*]  ") +
                           QString::fromStdString(formatDateTime(dialogs_.currentDate())));
    window_.setWindowModified(state_.Session.changed());
}

void MainSession::showManual() {
    QWidget* focus = QApplication::focusWidget();
    const QString name = focus && focus->window() == &window_ ? focus->objectName() : QString();
    ManualWindow::showSection(&window_, manualSectionFor(name, state_.CalcMethod));
}

void MainSession::edited() {
    state_.Session.noteEdit(state_.Project);
    showEditState();
}

void MainSession::undo() {
    // A value still being typed belongs to the job before the step is undone.
    window_.commitFocusedBox();
    if (const std::optional<ProjectRecord> job = state_.Session.undo(state_.Project)) {
        state_.Project = *job;
        window_.refreshAll();
    }
    showEditState();
}

void MainSession::redo() {
    window_.commitFocusedBox();
    if (const std::optional<ProjectRecord> job = state_.Session.redo(state_.Project)) {
        state_.Project = *job;
        window_.refreshAll();
    }
    showEditState();
}

void MainSession::start() {
    // A job opened unsaved (a default project that could not be written, a restored copy) stays
    // changed until it is saved.
    state_.Session.start(state_.Project, state_.Session.changed());
    viewNotKept_ = false;
    showEditState();
    showFileNotes();
}

void MainSession::saved() {
    showEditState();
    showFileNotes();
}

void MainSession::showEditState() {
    panels_.menus().showEditState(state_.Session);
    // The title bar's "*" after the file name.
    window_.setWindowModified(state_.Session.changed());
}

void MainSession::setViewNotKept(bool notKept) {
    if (notKept == viewNotKept_) return;
    viewNotKept_ = notKept;
    showFileNotes();
}

void MainSession::showFileNotes() {
    if (state_.CurrentFile != heldFile_) {
        heldFile_ = state_.CurrentFile;
        otherHolds_ = !recovery_->holdProject(heldFile_);
        if (otherHolds_)
            dialogs_.showMessage(&window_,
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
    panels_.status().showFileNotes(notes);
}

}  // namespace corvane
