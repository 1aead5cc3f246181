// Editing the distances A..E in the length grid with the mouse and the keyboard.

#include <QTest>

#include "MainWindowTestSupport.h"
#include "ui/widgets/ResultGraph.h"

using namespace corvane;

namespace {

QPoint cellCentre(QTableWidget* grid, int row, int column) {
    return grid->visualRect(grid->model()->index(row, column)).center();
}

// Makes (row, 1) current and types `text` over it, as a technician selects a cell and types.
void typeIntoCell(frmDials& w, int row, const QString& text) {
    QVERIFY(focusInActiveWindow(w.controls().gridLength));
    QTest::mouseClick(w.controls().gridLength->viewport(), Qt::LeftButton, {},
                      cellCentre(w.controls().gridLength, row, 1));
    QCOMPARE(w.controls().gridLength->currentRow(), row);
    QTest::keyClicks(w.controls().gridLength, text.left(1));
    QVERIFY(w.controls().txtLength->isVisible());
    QTest::keyClicks(w.controls().txtLength, text.mid(1));
}

}  // namespace

class MainGridTest : public QObject {
    Q_OBJECT
private slots:

    // (Escape throws an edit away: the cell editor's test.)
    void doubleClickOpensTheCellOnItsText() {
        MainWindowUnderTest t;
        frmDials& w = t.w();
        QVERIFY(focusInActiveWindow(w.controls().gridLength));
        QTest::mouseDClick(w.controls().gridLength->viewport(), Qt::LeftButton, {},
                           cellCentre(w.controls().gridLength, 1, 1));
        QVERIFY(w.controls().txtLength->isVisible());
        QCOMPARE(w.controls().txtLength->text(), QStringLiteral("5.000"));
    }

    void typingOverACellCommitsWithEnterAndWalksDown() {
        MainWindowUnderTest t;
        frmDials& w = t.w();
        t.state.Session.markSaved(t.state.Project);
        typeIntoCell(w, 2, QStringLiteral("7"));
        QCOMPARE(w.controls().txtLength->text(), QStringLiteral("7"));
        QTest::keyClick(w.controls().txtLength, Qt::Key_Return);
        QVERIFY(!w.controls().txtLength->isVisible());
        QCOMPARE(w.controls().gridLength->item(2, 1)->text(), QStringLiteral("7.000"));
        QCOMPARE(t.state.Project.length(0, 2), 7.0f);
        QCOMPARE(w.controls().gridLength->currentRow(), 3);
        QVERIFY(t.state.Session.changed());
        // Recalculated: the graphs end at the outer moveable foot, A + B + C + D + E.
        QCOMPARE(w.controls().Graph1->xMax(), 57.0);

        // What is stored is what the cell shows.
        typeIntoCell(w, 0, QStringLiteral("12.3456"));
        QTest::keyClick(w.controls().txtLength, Qt::Key_Return);
        QCOMPARE(w.controls().gridLength->item(0, 1)->text(), QStringLiteral("12.35"));
        QCOMPARE(t.state.Project.length(0, 0), 12.35f);

        // A length no Single holds leaves the cell and the project as they were.
        typeIntoCell(w, 3, QStringLiteral("1e39"));
        t.state.Session.markSaved(t.state.Project);
        QTest::keyClick(w.controls().txtLength, Qt::Key_Return);
        QCOMPARE(w.controls().gridLength->item(3, 1)->text(), QStringLiteral("5.000"));
        QCOMPARE(t.state.Project.length(0, 3), 5.0f);
        QVERIFY(!t.state.Session.changed());
    }

    void enterOnTheLastRowWrapsToTheFirst_data() {
        QTest::addColumn<int>("method");
        QTest::addColumn<int>("lastRow");
        QTest::newRow("reverse dial") << 0 << 4;
        QTest::newRow("rim and face") << 1 << 1;
        QTest::newRow("jack shaft") << 2 << 2;
    }

    void enterOnTheLastRowWrapsToTheFirst() {
        QFETCH(int, method);
        QFETCH(int, lastRow);
        MainWindowUnderTest t;
        frmDials& w = t.w();
        w.controls().optAcalc[method]->click();
        typeIntoCell(w, lastRow, QStringLiteral("9"));
        QTest::keyClick(w.controls().txtLength, Qt::Key_Return);
        QCOMPARE(t.state.Project.length(method, lastRow), 9.0f);
        QCOMPARE(w.controls().gridLength->currentRow(), 0);
        QCOMPARE(w.controls().gridLength->currentColumn(), 1);
        // Shift+Enter walks back up.
        typeIntoCell(w, lastRow, QStringLiteral("8"));
        QTest::keyClick(w.controls().txtLength, Qt::Key_Return, Qt::ShiftModifier);
        QCOMPARE(t.state.Project.length(method, lastRow), 8.0f);
        QCOMPARE(w.controls().gridLength->currentRow(), lastRow - 1);
    }
};

QTEST_MAIN(MainGridTest)
#include "main_grid_test.moc"
