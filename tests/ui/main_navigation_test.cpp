// Looking never changes a job: walking every box of every window leaves the record and the saved
// bytes exactly as they were. A job reopens with the view it was saved with; projects saved before
// the view was kept open as they always did.

#include <QApplication>
#include <QDir>
#include <QPlainTextEdit>

#include "MainWindowTestSupport.h"
#include "WindowTestAdapters.h"
#include "calc/graph/ToleranceBand.h"
#include "project/ProjectCommands.h"
#include "ui/widgets/ResultGraph.h"

using namespace corvane;

namespace {

// Presses Tab `count` times in whatever has the focus, opening and leaving each grid cell editor it
// meets on the way with Enter (the editor shows the cell's own text; Enter walks on without a key).
void walk(int count) {
    for (int i = 0; i < count; ++i) {
        QWidget* focus = QApplication::focusWidget();
        if (!focus) return;
        if (auto* grid = qobject_cast<QTableWidget*>(focus)) {
            QTest::keyClick(grid, Qt::Key_Return);
            if (QWidget* editor = QApplication::focusWidget(); editor && editor != grid)
                QTest::keyClick(editor, Qt::Key_Return);
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
}

// A job whose values show rounded somewhere: half mils, a length and growth with more digits than
// their boxes show, temperatures and heights with decimals. Passing through a box must store nothing.
ProjectRecord roundedJob() {
    ProjectRecord r;
    setDefaults(r);
    r.dial1(0, 1) = 10.5f;
    r.dial1(0, 2) = 13.25f;
    r.dial2(0, 1) = -25.5f;
    r.dial2(0, 3) = 12.345f;
    r.Sag = 1.5f;
    r.length(0, 1) = 5.123456f;
    r.growth(0, 2) = 0.123456f;
    r.HotTemp[1] = 150.555f;
    r.FootHeight[2] = 10.4444f;
    r.RPM = 1780.55f;
    r.Machine = "P-101";
    r.DateStamp = 45000.5;
    return r;
}

}  // namespace

class MainNavigationTest : public QObject {
    Q_OBJECT
private slots:
    void walkingEveryBoxOfEveryWindowChangesNothing() {
        MainWindowUnderTest t;
        frmDials& w = t.w();
        const MainWindowControls& c = w.controls();
        const QString job = t.env.folder.filePath(QStringLiteral("job.qdl"));
        QVERIFY(writeProject(job.toStdString(), roundedJob()));
        t.dialogs().openFileAnswers.push_back(job);
        c.mnuFileOpen->trigger();
        QCOMPARE(c.txtD1[1]->text(), QStringLiteral("10.5"));
        QCOMPARE(c.txtD2[3]->text(), QStringLiteral("12.35"));
        const ProjectRecord before = t.state.Project;
        const QByteArray bytes = fileBytes(job);

        QVERIFY(focusInActiveWindow(c.txtMachine));
        walk(80);
        // The growth, tolerance and comments windows, each walked and closed.
        t.dialogs().driveModals([](QDialog& d) {
            if (auto* window = qobject_cast<frmGrowth*>(&d)) {
                QTableWidget* grid = GrowthWindowTestAdapter(*window).gridHeight();
                grid->setFocus();
                walk(2);
                grid->setFocus();
                for (int i = 0; i < 12; ++i) {  // along every foot of every row
                    QTest::keyClick(grid, Qt::Key_Return);
                    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
                    if (i % 4 == 3) QTest::keyClick(grid, Qt::Key_Down);
                }
                walk(10);
                return;
            }
            d.findChildren<QWidget*>().constFirst()->setFocus();
            walk(10);
        });
        for (QPushButton* button : {c.cmdGrowth, c.cmdTolerances, c.cmdComments}) button->click();
        QVERIFY(focusInActiveWindow(c.txtD1[0]));
        walk(30);

        QCOMPARE(t.state.Project, before);
        QVERIFY(!t.state.Session.changed());
        QCOMPARE(t.dialogs().messages, QStringList());
        QVERIFY(w.close());  // nothing to ask
        QCOMPARE(fileBytes(job), bytes);
    }

    // A rim-and-face job saved with growth, tolerance and the moveable bracket side reopens with the
    // same choices and so the same moves; switching methods to look does not ask to save.
    void aReopenedJobShowsWhatWasSaved() {
        MainWindowUnderTest t;
        frmDials& w = t.w();
        const MainWindowControls& c = w.controls();
        c.optAcalc[1]->click();
        c.cmbFixMove->setCurrentIndex(1);
        c.chkTgrowth->click();
        c.chkTolerance->click();
        c.cmdScale->click();
        typeInto(c.txtGro[3], QStringLiteral("2"));
        const QString vertical = c.lblAcalc1->text(), horizontal = c.lblAcalc2->text();
        const YRange range = c.Graph1->yRange();
        const QString job = t.env.folder.filePath(QStringLiteral("rimface.qdl"));
        t.dialogs().saveFileAnswers.push_back(job);
        c.mnuFileSaveAs->trigger();
        QVERIFY(!t.state.Session.changed());
        c.optAcalc[0]->click();
        QVERIFY(!t.state.Session.changed());
        t.dialogs().saveAnswers.clear();
        QVERIFY(w.close());

        // The next start opens the last job: as it was saved.
        AppState state;
        state.Paths = t.state.Paths;
        frmDials reopened(state, t.dialogs());
        reopened.formLoad(false);
        const MainWindowControls& r = reopened.controls();
        QCOMPARE(state.CurrentFile, job.toStdString());
        QVERIFY(r.optAcalc[1]->isChecked());
        QCOMPARE(r.cmbFixMove->currentIndex(), 1);
        QVERIFY(r.chkTgrowth->isChecked() && reopened.currentView().growthOn);
        QVERIFY(r.chkTolerance->isChecked() && reopened.currentView().toleranceOn);
        QVERIFY(reopened.currentView().autoScale);
        QCOMPARE(r.lblAcalc1->text(), vertical);
        QCOMPARE(r.lblAcalc2->text(), horizontal);
        QCOMPARE(r.Graph1->yRange(), range);
        QVERIFY(r.Graph1->lineVisible(ResultGraph::Line::ToleranceBand));
        QVERIFY(!state.Session.changed());
    }

    // Every fixture (none keeps a view, one keeps another program's text in the field) opens with the
    // record as stored and the moves of the reverse dial method with the options of a fresh start.
    void projectsSavedBeforeOpenAsTheyAlwaysDid() {
        const QString feet14[] = {
            QStringLiteral(
                "Machine Foot 1: move  8.088 mils  UP  \r\nMachine Foot 4: move  15.86 mils  UP  "),
            QStringLiteral(
                "Machine Foot 1: move  0.760 mils  RIGHT\r\nMachine Foot 4: move  3.960 mils  RIGHT")};
        const QString noLength = QStringLiteral("No result: a length is not a finite number");
        const struct {
            const char* name;
            QString vertical, horizontal;
        } fixtures[] = {
            {"default.qdl", kDefaultVertical, kDefaultHorizontal},
            {"texts.qdl", feet14[0], feet14[1]},
            {"nonfinite.qdl", noLength, noLength},
            {"truncated.qdl", feet14[0], feet14[1]},
        };
        for (const auto& [name, vertical, horizontal] : fixtures) {
            const QString fixture = QDir(QStringLiteral(CORVANE_FIXTURES)).filePath(QLatin1String(name));
            UiTestEnvironment env;
            const QString file = env.folder.filePath(QLatin1String(name));
            QVERIFY(QFile::copy(fixture, file));
            AppState state;
            state.Paths = env.folder.paths();
            writeSettings(state.Paths.settingsFile(), {file.toStdString(), "", "", "", ""});
            frmDials w(state, env.dialogs);
            w.formLoad(false);
            ProjectRecord stored;
            QVERIFY(readProject(file.toStdString(), stored));
            if (!dateStampInRange(stored.DateStamp)) stored.DateStamp = state.Project.DateStamp;
            // Every refresh takes the span from the method's geometry, as it always has.
            stored.Span = toleranceSpan(stored, kMethodReverseDial);
            // Compared as bytes: a stored NaN is still the same NaN.
            QVERIFY2(encodeProject(state.Project) == encodeProject(stored), name);
            QVERIFY2(w.controls().optAcalc[0]->isChecked() && !w.currentView().growthOn &&
                         !w.currentView().toleranceOn && !w.currentView().autoScale,
                     name);
            QCOMPARE(w.controls().cmbRotation->currentIndex(), 0);
            QCOMPARE(w.controls().lblAcalc1->text(), vertical);
            QCOMPARE(w.controls().lblAcalc2->text(), horizontal);
            QCOMPARE(fileBytes(file), fileBytes(fixture));
        }
    }
};

QTEST_MAIN(MainNavigationTest)
#include "main_navigation_test.moc"
