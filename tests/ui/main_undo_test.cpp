// Undo and redo in the main window: each edit one step, the display and the results following, and
// the project changed exactly when it differs from what was last opened or saved.

#include <QApplication>
#include <QPlainTextEdit>

#include "MainWindowTestSupport.h"
#include "ui/widgets/Knob.h"

using namespace corvane;

namespace {

// Lets the window compare the job once the user's event is done, as the event loop does.
void settle() { QTest::qWait(1); }

// A menu command, with the window settled after it.
void step(QAction* action) {
    action->trigger();
    settle();
}

}  // namespace

class MainUndoTest : public QObject {
    Q_OBJECT
private slots:
    // A typed reading and a name, undone and redone in order: record, boxes and results come back.
    void eachEditIsOneStepBackAndForward() {
        MainWindowUnderTest t;
        const MainWindowControls& c = t.w().controls();
        const ProjectRecord opened = t.state.Project;
        QVERIFY(!c.mnuEditUndo->isEnabled());

        typeInto(c.txtD1[2], QStringLiteral("40"));
        settle();
        const ProjectRecord afterReading = t.state.Project;
        const QString resultsAfterReading = c.lblAcalc1->text();
        typeInto(c.txtTechnician, QStringLiteral("J. Ortega"));
        settle();

        step(c.mnuEditUndo);
        QCOMPARE(t.state.Project.Technician, std::string());
        QCOMPARE(c.txtTechnician->text(), QStringLiteral("technician"));
        QCOMPARE(t.state.Project.dial1(0, 2), 40.0f);
        step(c.mnuEditUndo);
        QCOMPARE(t.state.Project.dial1(0, 2), 50.0f);
        QCOMPARE(c.txtD1[2]->text(), QStringLiteral("50"));
        QCOMPARE(c.cwkDial1[2]->value(), 50.0);
        QCOMPARE(c.lblAcalc1->text(), kDefaultVertical);
        QVERIFY(sameJobAs(t.state.Project, opened));
        QVERIFY(!t.state.Session.changed());
        QVERIFY(!c.mnuEditUndo->isEnabled());

        step(c.mnuEditRedo);
        QCOMPARE(t.state.Project.dial1(0, 2), 40.0f);
        QCOMPARE(c.lblAcalc1->text(), resultsAfterReading);
        QVERIFY(sameJobAs(t.state.Project, afterReading));
        QVERIFY(t.state.Session.changed());
        step(c.mnuEditRedo);
        QCOMPARE(t.state.Project.Technician, std::string("J. Ortega"));
    }

    // Enter walks on to the next box; Ctrl+Z there takes the typed reading back, Ctrl+Shift+Z brings
    // it again, and the title bar's "*" follows the job. A box's own unfinished edit goes first.
    void undoKeysWorkFromTheNextBoxAndTheTitleMarksChanges() {
        MainWindowUnderTest t;
        frmDials& w = t.w();
        const MainWindowControls& c = w.controls();
        QVERIFY(!w.isWindowModified());
        typeInto(c.txtD1[1], QStringLiteral("33"));
        settle();
        QVERIFY(w.isWindowModified());
        QWidget* next = QApplication::focusWidget();
        QCOMPARE(next, c.txtD1[2]);

        QTest::keyClick(next, Qt::Key_Z, Qt::ControlModifier);
        settle();
        QCOMPARE(t.state.Project.dial1(0, 1), 20.0f);
        QCOMPARE(c.txtD1[1]->text(), QStringLiteral("20"));
        QVERIFY(!w.isWindowModified());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        settle();
        QCOMPARE(t.state.Project.dial1(0, 1), 33.0f);
        QVERIFY(w.isWindowModified());

        // Typing in a box: its own edit is undone first, the job stays.
        QVERIFY(focusInActiveWindow(c.txtTechnician));
        QTest::keyClicks(c.txtTechnician, QStringLiteral("X"));
        QTest::keyClick(c.txtTechnician, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(c.txtTechnician->text(), QStringLiteral("technician"));
        QCOMPARE(t.state.Project.dial1(0, 1), 33.0f);

        c.mnuFileSave->trigger();
        settle();
        QVERIFY(!w.isWindowModified());
    }

    // A drag sends many value changes; undo takes the whole drag back at once.
    void aKnobDragIsOneStep() {
        MainWindowUnderTest t;
        const MainWindowControls& c = t.w().controls();
        Knob* knob = c.cwkDial2[1];
        const QPoint centre = knob->rect().center() - QPoint(0, 8);
        QTest::mousePress(knob, Qt::LeftButton, {}, centre + QPoint(-10, 0));
        for (int dx = -8; dx <= 10; dx += 2) QTest::mouseMove(knob, centre + QPoint(dx, -12));
        QTest::mouseRelease(knob, Qt::LeftButton, {}, centre + QPoint(10, -12));
        settle();
        QVERIFY(t.state.Project.dial2(0, 1) != -20.0f);
        step(c.mnuEditUndo);
        QCOMPARE(t.state.Project.dial2(0, 1), -20.0f);
        QVERIFY(!c.mnuEditUndo->isEnabled());
    }

    // The comments window makes its step; a new project starts a new history.
    void otherWindowsMakeStepsAndOpeningClearsTheHistory() {
        MainWindowUnderTest t;
        const MainWindowControls& c = t.w().controls();
        t.dialogs().driveModals([](QDialog& d) {
            d.findChild<QPlainTextEdit*>(QStringLiteral("txtComments"))
                ->setPlainText(QStringLiteral("shimmed"));
        });
        c.cmdComments->click();
        settle();
        step(c.mnuEditUndo);
        QCOMPARE(t.state.Project.Comments, std::string());

        const QString job = t.env.folder.filePath(QStringLiteral("other.qdl"));
        t.dialogs().saveFileAnswers.push_back(job);
        t.dialogs().saveAnswers.push_back(SaveAnswer::DontSave);
        typeInto(c.txtD1[1], QStringLiteral("33"));
        settle();
        step(c.mnuFileNew);
        QVERIFY(!c.mnuEditUndo->isEnabled());
        QVERIFY(!c.mnuEditRedo->isEnabled());
        QVERIFY(!t.state.Session.changed());
    }

private:
    static bool sameJobAs(const ProjectRecord& a, const ProjectRecord& b) {
        return a.Dial1Reading == b.Dial1Reading && a.Dial2Reading == b.Dial2Reading && a.Length == b.Length &&
               a.Technician == b.Technician;
    }
};

QTEST_MAIN(MainUndoTest)
#include "main_undo_test.moc"
