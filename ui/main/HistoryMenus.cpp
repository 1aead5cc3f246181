#include "ui/main/HistoryMenus.h"

#include <QAction>
#include <QDateTime>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>

#include "history/HistoryDb.h"
#include "project/ProjectCommands.h"
#include "project/ProjectFile.h"
#include "ui/common/DialogProvider.h"
#include "ui/history/HistoryAccess.h"
#include "ui/history/HistoryPreferences.h"
#include "ui/history/MachineHistoryWindow.h"
#include "ui/main/frmDials.h"

namespace corvane {

namespace {

QMenu* menuNamed(frmDials& window, const char* name) {
    return window.menuBar()->findChild<QMenu*>(QLatin1String(name));
}

// Puts `action` into `menu` right after `after` (at the end when `after` is not in it).
void insertAfter(QMenu* menu, QAction* after, QAction* action) {
    const QList<QAction*> actions = menu->actions();
    const qsizetype at = actions.indexOf(after);
    if (at < 0 || at + 1 >= actions.size())
        menu->addAction(action);
    else
        menu->insertAction(actions[at + 1], action);
}

QAction* makeAction(frmDials& window, const QString& text, const char* name) {
    auto* action = new QAction(text, &window);
    action->setObjectName(QLatin1String(name));
    return action;
}

}  // namespace

void recordStage(frmDials& window, AppState& state, DialogProvider& dialogs, JobStage stage) {
    window.commitFocusedBox();
    const QString title = QString::fromLatin1(stageTitle(stage).data());
    if (machineName(state.Project).empty()) {
        dialogs.showMessage(&window,
                            QStringLiteral("Not recorded: the history files a job by its machine. Type the "
                                           "machine's name in the Machine box, then record %1 again.")
                                .arg(title.toLower()));
        return;
    }
    const StageRecord record = makeStageRecord(projectBytes(state.Project, window.currentView()), stage,
                                               QDateTime::currentDateTimeUtc());
    QString error;
    const std::unique_ptr<HistoryDb> history = openUsersHistory(state.Paths, &error);
    if (!history || !history->add(record, &error)) {
        dialogs.showMessage(&window,
                            QStringLiteral("%1 was not recorded; the job is as it was and can be recorded "
                                           "again.\n\n%2")
                                .arg(title, error));
        return;
    }
    window.statusBar()->showMessage(
        QStringLiteral("Recorded %1 for %2: %3").arg(title.toLower(), record.machine, record.grade), 8000);
}

void installHistoryMenus(frmDials& window, AppState& state, DialogProvider& dialogs) {
    QMenu* file = menuNamed(window, "mnuFile");
    QMenu* edit = menuNamed(window, "mnuEdit");
    QMenu* tools = menuNamed(window, "mnuTools");
    if (!file || !tools) return;
    const MainWindowControls& c = window.controls();

    QAction* next = makeAction(window, QStringLiteral("New From &This Job..."), "mnuFileNewFromJob");
    next->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N));
    QObject::connect(next, &QAction::triggered, &window, [&window, &state] {
        window.commitFocusedBox();
        window.commands().fileNewFrom(nextJobOf(state.Project), true);
    });
    insertAfter(file, c.mnuFileNew, next);

    QAction* lastRecord = c.mnuFileSave;
    const struct {
        JobStage stage;
        const char* text;
        const char* name;
    } stages[] = {{JobStage::AsFound, "Record As &Found", "mnuFileRecordAsFound"},
                  {JobStage::Intermediate, "Record &Intermediate", "mnuFileRecordIntermediate"},
                  {JobStage::AsLeft, "Record As &Left", "mnuFileRecordAsLeft"}};
    QAction* separator = new QAction(&window);
    separator->setSeparator(true);
    insertAfter(file, lastRecord, separator);
    lastRecord = separator;
    for (const auto& s : stages) {
        QAction* action = makeAction(window, QString::fromLatin1(s.text), s.name);
        const JobStage stage = s.stage;
        QObject::connect(action, &QAction::triggered, &window,
                         [&window, &state, &dialogs, stage] { recordStage(window, state, dialogs, stage); });
        insertAfter(file, lastRecord, action);
        lastRecord = action;
    }

    QAction* stagesReport = makeAction(window, QStringLiteral("Export As Foun&d and As Left Report..."),
                                       "mnuFileExportStagesReport");
    QObject::connect(stagesReport, &QAction::triggered, &window, [&window, &state, &dialogs] {
        window.commitFocusedBox();
        exportStagesReport(&window, state.Paths, QString::fromStdString(machineName(state.Project)),
                           window.currentOptions().units, dialogs);
    });
    insertAfter(file, c.mnuFileExportReport, stagesReport);

    if (edit) {
        edit->addSeparator();
        QAction* preferences = makeAction(window, QStringLiteral("&Preferences..."), "mnuEditPreferences");
        QObject::connect(preferences, &QAction::triggered, &window, [&window, &state, &dialogs] {
            HistoryPreferences dialog(state.Paths, &window);
            dialogs.runModal(dialog);
        });
        edit->addAction(preferences);
    }

    QAction* historyAction = makeAction(window, QStringLiteral("Machine &History..."), "mnuMachineHistory");
    historyAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    QObject::connect(historyAction, &QAction::triggered, &window, [&window, &state, &dialogs] {
        window.commitFocusedBox();
        MachineHistoryWindow history(state.Paths, dialogs, window.currentOptions().units,
                                     QString::fromStdString(machineName(state.Project)), &window);
        std::optional<QByteArray> chosen;
        QObject::connect(&history, &MachineHistoryWindow::openAsNewJob, &history,
                         [&history, &chosen](const QByteArray& bytes) {
                             chosen = bytes;
                             history.accept();
                         });
        dialogs.runModal(history);
        // The window is closed before the job is asked about: the save prompt and the file name come
        // over the main window.
        if (chosen)
            window.commands().fileNewFrom(
                decodeProject(reinterpret_cast<const unsigned char*>(chosen->constData()),
                              static_cast<std::size_t>(chosen->size())),
                false);
    });
    tools->addSeparator();
    tools->addAction(historyAction);
}

}  // namespace corvane
