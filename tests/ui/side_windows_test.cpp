// The windows beside the main window. In the moves and Feet windows what is chosen or typed is an
// edit of the job, seen on the main window's ticks, results, graphs and status bar, and taken back by
// one undo; the machine history records the job and gives it back.

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>

#include "MainWindowTestSupport.h"
#include "WindowTestAdapters.h"
#include "history/HistoryDb.h"
#include "project/FootLedger.h"
#include "project/MoveSetup.h"
#include "ui/history/HistoryAccess.h"
#include "ui/main/HistoryMenus.h"
#include "ui/widgets/ElidedLabel.h"
#include "ui/widgets/ResultGraph.h"

using namespace corvane;

namespace {

void settle() { QTest::qWait(1); }

QAction* action(frmDials& w, const char* name) { return w.findChild<QAction*>(QLatin1String(name)); }

std::vector<StageRecord> recorded(const QString& file) {
    QString error;
    auto db = HistoryDb::open({HistoryLocation::Kind::Sqlite, file, QUrl()}, &error);
    if (!db) return {};
    return db->records(QString(), &error).value_or(std::vector<StageRecord>{});
}

}  // namespace

class SideWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { qunsetenv("CORVANE_HISTORY"); }

    // The job stages and the machine history: File > Record, the Machine History window, a record
    // opened as a new unsaved job, and a new job from it.
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
        t.dialogs().driveModals([](QDialog& d) {
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
        typeInto(w.controls().txtD1[1], QStringLiteral("44"));
        QTest::keyClick(&w, Qt::Key_H, Qt::ControlModifier);
        QCOMPARE(t.dialogs().modalDialogs, QStringList{QStringLiteral("corvane::MachineHistoryWindow")});
        QCOMPARE(t.state.CurrentFile, next.toStdString());
        QCOMPARE(w.controls().txtD1[1]->text(), QStringLiteral("33"));
        QVERIFY(t.state.Session.changed());
        QVERIFY(!QFile::exists(next));

        // New from this job keeps the machine as typed, clears the readings and saves the new job.
        const QString fresh = t.env.folder.filePath(QStringLiteral("next.qdl"));
        t.dialogs().saveAnswers.push_back(SaveAnswer::DontSave);
        t.dialogs().saveFileAnswers.push_back(fresh);
        QVERIFY(focusInActiveWindow(w.controls().txtMachine));
        QTest::keyClick(&w, Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(w.controls().txtMachine->text(), QStringLiteral("  P-101 "));
        QCOMPARE(w.controls().txtD1[1]->text(), QStringLiteral("0"));
        QVERIFY(QFile::exists(fresh));
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

    // A foot's limit is one edit of the job that undo takes back. The default job lowers feet 3 and 4
    // by 25 mils with feet 1 and 2 held; holding 1 and 3 instead pivots the fixed machine about foot
    // 1: feet 2 and 4 up 12.5 mils.
    void aLimitIsOneEditAndChoosingAPairTicksItsFeetAndDrawsTheTarget() {
        MainWindowUnderTest t;
        const MainWindowControls& c = t.w().controls();
        c.cmdMoves->click();
        auto* window = t.w().findChild<frmMoves*>(QStringLiteral("frmMoves"));
        QVERIFY(window && QTest::qWaitForWindowExposed(window));
        const MovesWindowTestAdapter moves(*window);
        QTableWidget* limits = moves.tblLimits();
        limits->item(2, 0)->setText(QStringLiteral("15"));
        settle();
        QCOMPARE(decodeMoveSetup(t.state.Project.ReservedText).feet[2].shim, std::optional<double>(15.0));
        QCOMPARE(moves.tblAlternatives(0)->item(0, 6)->text(),
                 QStringLiteral("no: foot 3 must go down 25.00 mils, it has 15.00 mils of shim"));
        QVERIFY(t.state.Session.changed());
        // A limit that is no number is refused and the cell shows what the job keeps.
        limits->item(3, 2)->setText(QStringLiteral("lots"));
        settle();
        QVERIFY(!moves.lblProblem()->text().isEmpty());
        QCOMPARE(limits->item(3, 2)->text(), QString());
        c.mnuEditUndo->trigger();
        settle();
        QCOMPARE(t.state.Project.ReservedText.find("CorvaneMoves"), std::string::npos);
        QCOMPARE(moves.tblAlternatives(0)->item(0, 6)->text(), QStringLiteral("yes"));
        QVERIFY(!t.state.Session.changed());

        QTableWidget* vertical = moves.tblAlternatives(0);
        QCOMPARE(vertical->item(1, 2)->text(), QStringLiteral("12.50 UP"));
        QVERIFY(!c.Graph1->lineVisible(ResultGraph::Line::Target));
        vertical->setFocus();
        vertical->setCurrentCell(1, 0);
        QCOMPARE(moves.tblAlternatives(1)->currentRow(), 1);  // the planes hold one pair
        QTest::keyClick(vertical, Qt::Key_Return);
        settle();
        QCOMPARE(t.state.Project.Station, (std::array<std::int16_t, 4>{1, 0, 1, 0}));
        QVERIFY(c.chkStation[2]->isChecked());
        QVERIFY(!c.chkStation[1]->isChecked());
        QCOMPARE(c.lblAcalc1->text(),
                 QStringLiteral(
                     "Machine Foot 2: move  12.50 mils  UP  \r\nMachine Foot 4: move  12.50 mils  UP  "));
        QVERIFY(c.Graph1->lineVisible(ResultGraph::Line::Target));
        QCOMPARE(c.Graph1->lineData(ResultGraph::Line::Target), (PlotData{{0, 60}, {0, 0}}));
        QCOMPARE(moves.lblChosen()->text(), QStringLiteral("Chosen: feet 1, 3 held"));
        // Ticking other feet in the main window moves the choice with them.
        c.chkStation[2]->click();
        c.chkStation[3]->click();
        settle();
        QCOMPARE(decodeMoveSetup(t.state.Project.ReservedText).held, (std::array<int, 2>{1, 4}));
        QCOMPARE(moves.lblChosen()->text(), QStringLiteral("Chosen: feet 1, 4 held"));
    }

    // Foot 3 left rocks 4.5 mils: the bar says so, the job keeps it, undo takes it back. The default
    // job lowers feet 3 and 4 by 25 mils: with 20 + 10 under foot 3 both come out and a 5 goes back.
    void aSoftFootAndAStackGoIntoTheJobAndUndoTakesThemBack() {
        MainWindowUnderTest t;
        const MainWindowControls& c = t.w().controls();
        c.mnuFeet->trigger();
        QVERIFY(QTest::qWaitForWindowActive(t.w().feetWindow()));
        const FeetWindowTestAdapter feet(*t.w().feetWindow());
        QLineEdit* foot3Left = feet.asFound(4);
        QCOMPARE(foot3Left->accessibleName(), QStringLiteral("Foot 3 left lift"));

        typeInto(foot3Left, QStringLiteral("4.5"));
        QCOMPARE(
            c.lblReadingsCheck->fullText(),
            QStringLiteral("\u26A0 Soft foot at foot 3, left: 4.5 mils: correct it before taking readings."));
        QVERIFY(c.lblVerdict->fullText().endsWith(QStringLiteral(", on soft feet")));
        QCOMPARE(feet.judgement(4)->text(), QStringLiteral("\u26A0 Soft foot: 4.5 mils"));
        QTRY_VERIFY(t.state.Session.changed());

        typeInto(feet.txtStack(2), QStringLiteral("20 10"));
        QCOMPARE(feet.lblPack(2)->text(),
                 QStringLiteral("Pull 20 + 10 = 30 mils and put back 5 mils for a move of 25 down; exact"));
        QCOMPARE(removableShim(decodeFootLedger(t.state.Project.ReservedText), 2), 30.0f);
        // Each edit becomes its undo step once the key that made it is up.
        QTRY_COMPARE(c.mnuEditUndo->text(), QStringLiteral("Undo feet"));
        QTest::qWait(20);

        c.mnuEditUndo->trigger();
        QCOMPARE(feet.txtStack(2)->text(), QString());
        c.mnuEditUndo->trigger();
        QCOMPARE(foot3Left->text(), QString());
        QCOMPARE(c.lblReadingsCheck->fullText(), QStringLiteral("\u2714 Readings consistent"));

        // A negative lift or a stack with a word in it is refused and the job keeps what it had.
        typeInto(feet.asFound(0), QStringLiteral("-3"));
        QCOMPARE(feet.asFound(0)->text(), QString());
        typeInto(feet.txtStack(0), QStringLiteral("10 thick"));
        QCOMPARE(feet.txtStack(0)->text(), QString());
        QVERIFY(decodeFootLedger(t.state.Project.ReservedText).empty());

        // Tab walks foot by foot: each foot's left side, its right side, then the shims under it.
        QVERIFY(focusInActiveWindow(feet.asLeft(1)));
        for (const char* name : {"Foot 1 shims", "Foot 2 left lift", "Foot 2 left kind"}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->accessibleName(), QString::fromLatin1(name));
        }
    }
};

QTEST_MAIN(SideWindowsTest)
#include "side_windows_test.moc"
