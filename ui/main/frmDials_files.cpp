// The File menu, the other windows, and closing the program.

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateTime>
#include <QMenuBar>
#include <QTimer>

#include "calc/format/NumberFormat.h"
#include "project/ProjectCommands.h"
#include "ui/about/frmAbout.h"
#include "ui/common/DialogProvider.h"
#include "ui/growth/frmGrowth.h"
#include "ui/main/RecoveryKeeper.h"
#include "ui/main/frmComments.h"
#include "ui/main/frmDials.h"
#include "ui/moves/frmMoves.h"
#include "ui/print/ReportActions.h"
#include "ui/print/WindowPrinter.h"
#include "ui/tolerance/frmTolerances.h"

namespace corvane {

namespace {

QString indexed(const char* name, int index) {
    return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index);
}

}  // namespace

void frmDials::buildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    ui_.mnuFileNew = file->addAction(QStringLiteral("&New File..."), this, &frmDials::mnuFileNew_Click);
    ui_.mnuFileNew->setShortcut(QKeySequence::New);
    ui_.mnuFileOpen = file->addAction(QStringLiteral("&Open File..."), this, &frmDials::mnuFileOpen_Click);
    ui_.mnuFileOpen->setShortcut(QKeySequence::Open);
    file->addSeparator();
    ui_.mnuFileSaveAs = file->addAction(QStringLiteral("Save &As..."), this, &frmDials::mnuFileSaveAs_Click);
    ui_.mnuFileSaveAs->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    ui_.mnuFileSave = file->addAction(QStringLiteral("&Save"), this, &frmDials::mnuFileSave_Click);
    ui_.mnuFileSave->setShortcut(QKeySequence::Save);
    file->addSeparator();
    ui_.mnuFilePrint = file->addAction(QStringLiteral("&Print..."), this, &frmDials::mnuFilePrint_Click);
    ui_.mnuFilePrint->setShortcut(QKeySequence::Print);
    ui_.mnuFileExportReport = file->addAction(QStringLiteral("&Export Report..."), this, [this] {
        commitFocusedBox();
        exportReport(this, state_, currentOptions(), dialogs_);
    });
    ui_.mnuFileExportReport->setObjectName(QStringLiteral("mnuFileExportReport"));
    ui_.mnuFilePrintReport = file->addAction(QStringLiteral("Print &Report..."), this, [this] {
        commitFocusedBox();
        printReport(this, state_, currentOptions(), dialogs_);
    });
    ui_.mnuFilePrintReport->setObjectName(QStringLiteral("mnuFilePrintReport"));
    file->addSeparator();
    for (int i = 0; i < kRecentFileCount; ++i) {
        ui_.mnuFileMRU[i] = file->addAction(QString(), this, [this, i] { mnuFileMRU_Click(i); });
        ui_.mnuFileMRU[i]->setObjectName(indexed("mnuFileMRU", i));
        ui_.mnuFileMRU[i]->setVisible(false);
    }
    file->addSeparator();
    ui_.mnuExit = file->addAction(QStringLiteral("E&xit"), this, &frmDials::mnuExit_Click);

    QMenu* tools = menuBar()->addMenu(QStringLiteral("&Tools"));
    tools->setObjectName(QStringLiteral("mnuTools"));
    ui_.mnuGrowth = tools->addAction(QStringLiteral("&Thermal Growth..."), this, &frmDials::cmdGrowth_Click);
    ui_.mnuTolerance =
        tools->addAction(QStringLiteral("T&olerance..."), this, &frmDials::cmdTolerances_Click);
    ui_.mnuMoves = tools->addAction(QStringLiteral("&Move Alternatives..."), this, &frmDials::cmdMoves_Click);
    ui_.mnuFeet = tools->addAction(QStringLiteral("&Feet..."), this, &frmDials::cmdFeet_Click);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    ui_.mnuAbout = help->addAction(QStringLiteral("&About..."), this, &frmDials::mnuAbout_Click);

    const std::pair<QAction*, const char*> names[] = {{ui_.mnuFileNew, "mnuFileNew"},
                                                      {ui_.mnuFileOpen, "mnuFileOpen"},
                                                      {ui_.mnuFileSaveAs, "mnuFileSaveAs"},
                                                      {ui_.mnuFileSave, "mnuFileSave"},
                                                      {ui_.mnuFilePrint, "mnuFilePrint"},
                                                      {ui_.mnuExit, "mnuExit"},
                                                      {ui_.mnuGrowth, "mnuGrowth"},
                                                      {ui_.mnuTolerance, "mnuTolerance"},
                                                      {ui_.mnuMoves, "mnuMoves"},
                                                      {ui_.mnuFeet, "mnuFeet"},
                                                      {ui_.mnuAbout, "mnuAbout"}};
    for (const auto& [action, name] : names) action->setObjectName(QLatin1String(name));
}

void frmDials::mnuFileNew_Click() {
    commitFocusedBox();
    commands_->fileNew();
    showEditState();
}

void frmDials::mnuFileOpen_Click() {
    commitFocusedBox();
    commands_->fileOpen();
    showEditState();
}

void frmDials::mnuFileSave_Click() {
    commitFocusedBox();
    commands_->fileSave();
    recovery_->sync();
}

void frmDials::mnuFileSaveAs_Click() {
    commitFocusedBox();
    commands_->fileSaveAs();
    recovery_->sync();
}

void frmDials::mnuFilePrint_Click() {
    commitFocusedBox();
    printWindow(this, dialogs_);
}

void frmDials::mnuFileMRU_Click(int index) {
    commitFocusedBox();
    commands_->fileRecent(index);
    showEditState();
}

void frmDials::mnuExit_Click() { close(); }

void frmDials::closeEvent(QCloseEvent* event) {
    commitFocusedBox();
    // When the user asked to save and the save failed (it has said why), the window stays open so
    // that the job is not lost.
    if (!commands_->exitProgram()) {
        event->ignore();
        return;
    }
    ui_.Timer1->stop();
    // Saved, or the user chose not to: nothing is left to recover.
    recovery_->removeOwnCopy();
    event->accept();
}

void frmDials::offerRecovery() {
    for (const RecoveryCopy& copy : recovery_->abandonedCopies()) {
        // When the copy was made, as the window shows a date stamp (local time).
        const QDateTime made = QDateTime::fromSecsSinceEpoch(copy.madeSeconds);
        const double madeOle = static_cast<double>(QDate(1899, 12, 30).daysTo(made.date())) +
                               made.time().msecsSinceStartOfDay() / 86400000.0;
        const std::string question =
            restorePrompt(copy.projectFile, formatDateTime(madeOle), copy.projectNewer);
        if (!dialogs_.askYesNo(this, QString::fromStdString(question))) {
            recovery_->forget(copy);
            continue;
        }
        state_.Project = copy.record;
        state_.CurrentFile = copy.projectFile;
        commands_->setupMRUlist();
        applyViewOptions();
        refreshAll();
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

void frmDials::setRecentFileCaptions(const std::array<std::string, kRecentFileCount>& captions) {
    for (int i = 0; i < kRecentFileCount; ++i) {
        QString caption = QString::fromStdString(captions[i]);
        // A path is shown as it is: an ampersand in it is not a keyboard mnemonic.
        ui_.mnuFileMRU[i]->setText(caption.replace(QLatin1Char('&'), QStringLiteral("&&")));
        ui_.mnuFileMRU[i]->setVisible(!captions[i].empty());
    }
}

void frmDials::cmdComments_Click() {
    commitFocusedBox();
    frmComments comments(state_, this);
    dialogs_.runModal(comments);
    // Opened and closed without typing, the window leaves the job as it was.
    if (comments.edited()) comments.storeComments();
    showEditState();
}

void frmDials::cmdGrowth_Click() {
    commitFocusedBox();
    frmGrowth& growth = *growthWindow();
    growth.initGrowthPanel(ui_.cmbFixMove->currentIndex());
    dialogs_.runModal(growth);
    recalculate();
    showEditState();
}

void frmDials::cmdMoves_Click() {
    commitFocusedBox();
    frmMoves* window = movesWindow();
    window->show();
    window->raise();
    window->activateWindow();
}

void frmDials::cmdTolerances_Click() {
    commitFocusedBox();
    dialogs_.runModal(*toleranceWindow());
    showEditState();
}

void frmDials::mnuAbout_Click() {
    frmAbout about(this, &dialogs_);
    dialogs_.runModal(about);
}

}  // namespace corvane
