// The job stages and the machine history from the main window: File > Record, the Machine History
// window, and a record opened as a new unsaved job.

#include <QAction>
#include <QMenuBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "MainWindowTestSupport.h"
#include "WindowTestAdapters.h"
#include "history/HistoryDb.h"
#include "project/ProjectFile.h"
#include "ui/history/HistoryAccess.h"
#include "ui/main/HistoryMenus.h"

using namespace corvane;

namespace {

QAction* action(frmDials& w, const char* name) { return w.findChild<QAction*>(QLatin1String(name)); }

std::vector<StageRecord> recorded(const QString& file) {
    HistoryLocation l;
    l.path = file;
    QString error;
    auto db = HistoryDb::open(l, &error);
    if (!db) return {};
    return db->records(QString(), &error).value_or(std::vector<StageRecord>{});
}

}  // namespace

class HistoryWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init() { qunsetenv("CORVANE_HISTORY"); }

    void recordingKeepsTheJobAsItIsAndNeedsAMachineName() {
        MainWindowUnderTest t;
        frmDials& w = t.w();
        installHistoryMenus(w, t.state, t.dialogs());
        const QString file = t.env.folder.filePath(QStringLiteral("plant/history.sqlite"));
        setHistoryPreference(t.state.Paths, file);

        // Without a machine name there is nothing to file the job under: said, nothing recorded.
        action(w, "mnuFileRecordAsFound")->trigger();
        QCOMPARE(t.dialogs().messages.size(), 1);
        QVERIFY(t.dialogs().messages[0].startsWith(QStringLiteral("Not recorded: the history files a job")));
        QVERIFY(recorded(file).empty());

        typeInto(w.controls().txtMachine, QStringLiteral("  P-101 "));
        typeInto(w.controls().txtD1[1], QStringLiteral("33"));
        const ProjectRecord before = t.state.Project;
        const bool changedBefore = t.state.Session.changed();
        action(w, "mnuFileRecordAsFound")->trigger();
        action(w, "mnuFileRecordAsLeft")->trigger();
        QCOMPARE(t.dialogs().messages.size(), 1);
        QCOMPARE(t.state.Project, before);
        QCOMPARE(t.state.Session.changed(), changedBefore);
        const std::vector<StageRecord> records = recorded(file);
        QCOMPARE(records.size(), std::size_t(2));
        QCOMPARE(records[0].machine, QStringLiteral("P-101"));
        QCOMPARE(records[0].stage, JobStage::AsFound);
        QCOMPARE(records[1].stage, JobStage::AsLeft);

        // The history window lists the machine and its records, and opens one as a new unsaved job.
        const QString next = t.env.folder.filePath(QStringLiteral("from-history.qdl"));
        t.dialogs().saveAnswers.push_back(SaveAnswer::DontSave);
        t.dialogs().saveFileAnswers.push_back(next);
        t.dialogs().onModal = [](QDialog& dialog) {
            return ScriptedDialogs::runShown(dialog, [](QDialog& d) {
                const HistoryWindowTestAdapter history(static_cast<MachineHistoryWindow&>(d));
                QCOMPARE(history.machines()->rowCount(), 1);
                QCOMPARE(history.machines()->item(0, 0)->text(), QStringLiteral("P-101"));
                QCOMPARE(history.machines()->item(0, 4)->text(), QStringLiteral("1"));
                QCOMPARE(history.records()->rowCount(), 2);
                QCOMPARE(history.records()->item(0, 1)->text(), QStringLiteral("As found"));
                history.records()->setFocus();
                history.records()->selectRow(0);
                QTest::keyClick(history.records(), Qt::Key_Return);
            });
        };
        typeInto(w.controls().txtD1[1], QStringLiteral("44"));
        QTest::keyClick(&w, Qt::Key_H, Qt::ControlModifier);
        QCOMPARE(t.dialogs().modalDialogs, QStringList{QStringLiteral("corvane::MachineHistoryWindow")});
        QCOMPARE(t.state.CurrentFile, next.toStdString());
        QCOMPARE(w.controls().txtD1[1]->text(), QStringLiteral("33"));
        QVERIFY(t.state.Session.changed());
        QVERIFY(!QFile::exists(next));
    }

    void newFromThisJobKeepsTheMachineAndClearsTheReadings() {
        MainWindowUnderTest t;
        frmDials& w = t.w();
        installHistoryMenus(w, t.state, t.dialogs());
        typeInto(w.controls().txtMachine, QStringLiteral("Fan 7"));
        typeInto(w.controls().txtD1[1], QStringLiteral("33"));
        const QString next = t.env.folder.filePath(QStringLiteral("next.qdl"));
        t.dialogs().saveAnswers.push_back(SaveAnswer::DontSave);
        t.dialogs().saveFileAnswers.push_back(next);
        QTest::keyClick(&w, Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(w.controls().txtMachine->text(), QStringLiteral("Fan 7"));
        QCOMPARE(w.controls().txtD1[1]->text(), QStringLiteral("0"));
        QVERIFY(QFile::exists(next));
        QVERIFY(!t.state.Session.changed());
    }

    void preferencesRefuseAPasswordInTheUrl() {
        MainWindowUnderTest t;
        HistoryPreferences dialog(t.state.Paths);
        const HistoryPreferencesTestAdapter preferences(dialog);
        preferences.databaseBox()->setText(QStringLiteral("postgresql://tech:secret@db/plant"));
        dialog.accept();
        QVERIFY(preferences.problemLabel()->text().contains(QStringLiteral("password file")));
        QCOMPARE(historyPreference(t.state.Paths), QString());
        preferences.databaseBox()->setText(QStringLiteral("postgresql://tech@db/plant"));
        dialog.accept();
        QCOMPARE(historyPreference(t.state.Paths), QStringLiteral("postgresql://tech@db/plant"));
    }
};

QTEST_MAIN(HistoryWindowTest)
#include "history_window_test.moc"
