// The moves window: choosing a pair of held feet and a foot's limit are edits of the job, seen on the
// main window's ticks, results and graphs, and taken back by one undo.

#include <QAction>
#include <QTest>

#include "MainWindowTestSupport.h"
#include "WindowTestAdapters.h"
#include "project/MoveSetup.h"
#include "ui/widgets/ResultGraph.h"

using namespace corvane;

namespace {

void settle() { QTest::qWait(1); }

frmMoves* openMoves(frmDials& w) {
    w.controls().cmdMoves->click();
    auto* moves = w.findChild<frmMoves*>(QStringLiteral("frmMoves"));
    if (moves && !QTest::qWaitForWindowExposed(moves)) return nullptr;
    return moves;
}

}  // namespace

class MovesTest : public QObject {
    Q_OBJECT
private slots:
    // The default job: feet 3 and 4 down 25 mils with feet 1 and 2 held. Holding 1 and 3 instead
    // pivots the fixed machine about foot 1: feet 2 and 4 up 12.5 mils.
    void choosingAPairTicksItsFeetAndDrawsTheTarget() {
        MainWindowUnderTest t;
        frmDials& w = t.w();
        const MainWindowControls& c = w.controls();
        frmMoves* window = openMoves(w);
        QVERIFY(window);
        const MovesWindowTestAdapter moves(*window);
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

    void aFootLimitIsOneEditThatUndoTakesBack() {
        MainWindowUnderTest t;
        frmDials& w = t.w();
        frmMoves* window = openMoves(w);
        QVERIFY(window);
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

        w.controls().mnuEditUndo->trigger();
        settle();
        QCOMPARE(t.state.Project.ReservedText.find("CorvaneMoves"), std::string::npos);
        QCOMPARE(moves.tblAlternatives(0)->item(0, 6)->text(), QStringLiteral("yes"));
        QVERIFY(!t.state.Session.changed());
    }
};

QTEST_MAIN(MovesTest)
#include "moves_test.moc"
