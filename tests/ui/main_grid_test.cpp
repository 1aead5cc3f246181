// Editing the distances A..E in the length grid with the mouse and the keyboard.

#include "MainWindowTestSupport.h"
#include "ui/widgets/ResultGraph.h"

using namespace corvane;

namespace {

QPoint cellCentre(QTableWidget* grid, int row, int column) {
    return grid->visualRect(grid->model()->index(row, column)).center();
}

// Makes (row, 1) current and types `text` over it, as a technician selects a cell and types.
void typeIntoCell(const MainWindowControls& c, int row, const QString& text) {
    QVERIFY(focusInActiveWindow(c.gridLength));
    QTest::mouseClick(c.gridLength->viewport(), Qt::LeftButton, {}, cellCentre(c.gridLength, row, 1));
    QCOMPARE(c.gridLength->currentRow(), row);
    QTest::keyClicks(c.gridLength, text.left(1));
    QVERIFY(c.txtLength->isVisible());
    QTest::keyClicks(c.txtLength, text.mid(1));
}

}  // namespace

class MainGridTest : public QObject {
    Q_OBJECT
private slots:

    void typingOverACellCommitsWithEnterAndWalksDown() {
        MainWindowUnderTest t;
        const MainWindowControls& c = t.w().controls();
        // A double click opens the cell on its own text (Escape throws the edit away).
        QVERIFY(focusInActiveWindow(c.gridLength));
        QTest::mouseDClick(c.gridLength->viewport(), Qt::LeftButton, {}, cellCentre(c.gridLength, 1, 1));
        QVERIFY(c.txtLength->isVisible());
        QCOMPARE(c.txtLength->text(), QStringLiteral("5.000"));
        QTest::keyClick(c.txtLength, Qt::Key_Escape);

        t.state.Session.markSaved(t.state.Project);
        typeIntoCell(c, 2, QStringLiteral("7"));
        QCOMPARE(c.txtLength->text(), QStringLiteral("7"));
        QTest::keyClick(c.txtLength, Qt::Key_Return);
        QVERIFY(!c.txtLength->isVisible());
        QCOMPARE(c.gridLength->item(2, 1)->text(), QStringLiteral("7.000"));
        QCOMPARE(t.state.Project.length(0, 2), 7.0f);
        QCOMPARE(c.gridLength->currentRow(), 3);
        QVERIFY(t.state.Session.changed());
        // Recalculated: the graphs end at the outer moveable foot, A + B + C + D + E.
        QCOMPARE(c.Graph1->xMax(), 57.0);

        // What is stored is what the cell shows.
        typeIntoCell(c, 0, QStringLiteral("12.3456"));
        QTest::keyClick(c.txtLength, Qt::Key_Return);
        QCOMPARE(c.gridLength->item(0, 1)->text(), QStringLiteral("12.35"));
        QCOMPARE(t.state.Project.length(0, 0), 12.35f);

        // A length no Single holds leaves the cell and the project as they were.
        typeIntoCell(c, 3, QStringLiteral("1e39"));
        t.state.Session.markSaved(t.state.Project);
        QTest::keyClick(c.txtLength, Qt::Key_Return);
        QCOMPARE(c.gridLength->item(3, 1)->text(), QStringLiteral("5.000"));
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
        const MainWindowControls& c = t.w().controls();
        c.optAcalc[method]->click();
        typeIntoCell(c, lastRow, QStringLiteral("9"));
        QTest::keyClick(c.txtLength, Qt::Key_Return);
        QCOMPARE(t.state.Project.length(method, lastRow), 9.0f);
        QCOMPARE(c.gridLength->currentRow(), 0);
        QCOMPARE(c.gridLength->currentColumn(), 1);
        // Shift+Enter walks back up.
        typeIntoCell(c, lastRow, QStringLiteral("8"));
        QTest::keyClick(c.txtLength, Qt::Key_Return, Qt::ShiftModifier);
        QCOMPARE(t.state.Project.length(method, lastRow), 8.0f);
        QCOMPARE(c.gridLength->currentRow(), lastRow - 1);
    }
};

QTEST_MAIN(MainGridTest)
#include "main_grid_test.moc"
