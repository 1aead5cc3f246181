// The Feet window: typed lifts and shims go into the job through the main window's edit path,
// the status bar names the soft foot, undo takes it back, and the keys walk the feet in order.

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "MainWindowTestSupport.h"
#include "WindowTestAdapters.h"
#include "project/FootLedger.h"
#include "ui/widgets/ElidedLabel.h"

using namespace corvane;

class FeetTest : public QObject {
    Q_OBJECT
private slots:
    // Foot 3 left rocks 4.5 mils: the bar says so, the job keeps it, undo takes it back. The default
    // job lowers feet 3 and 4 by 25 mils: with 20 + 10 under foot 3 both come out and a 5 goes back.
    void aSoftFootAndAStackGoIntoTheJobAndUndoTakesThemBack() {
        MainWindowUnderTest t;
        const MainWindowControls& c = t.w().controls();
        c.mnuFeet->trigger();
        frmFeet* window = t.w().feetWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        const FeetWindowTestAdapter feet(*window);
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
        QVERIFY(decodeFootLedger(t.state.Project.ReservedText).empty());
        QCOMPARE(c.lblReadingsCheck->fullText(), QStringLiteral("\u2714 Readings consistent"));
    }

    // A negative lift or a stack with a word in it is refused and the job keeps what it had.
    void whatIsNoSizeIsRefused() {
        MainWindowUnderTest t;
        frmFeet* window = t.w().feetWindow();
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window));
        const FeetWindowTestAdapter feet(*window);
        typeInto(feet.asFound(0), QStringLiteral("-3"));
        QCOMPARE(feet.asFound(0)->text(), QString());
        typeInto(feet.txtStack(0), QStringLiteral("10 thick"));
        QCOMPARE(feet.txtStack(0)->text(), QString());
        QVERIFY(decodeFootLedger(t.state.Project.ReservedText).empty());
    }

    // Tab walks foot by foot: each foot's left side, its right side, then the shims under it.
    void tabWalksFootByFoot() {
        MainWindowUnderTest t;
        frmFeet* window = t.w().feetWindow();
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QVERIFY(focusInActiveWindow(FeetWindowTestAdapter(*window).asLeft(1)));
        const QStringList expected = {QStringLiteral("Foot 1 shims"), QStringLiteral("Foot 2 left lift"),
                                      QStringLiteral("Foot 2 left kind")};
        for (const QString& name : expected) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->accessibleName(), name);
        }
    }
};

QTEST_MAIN(FeetTest)
#include "feet_test.moc"
