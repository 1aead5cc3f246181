#include "ui/widgets/GridCellEditor.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QtTest>

#include "UiTestSupport.h"

using namespace corvane;
using Walk = GridCellEditor::Walk;

namespace {

// A grid laid out like one of the program's two: the length grid (labels A..E, one value column,
// the editor a sibling of the grid) or the height grid (foot numbers over three value rows, four
// feet, the editor on the grid's viewport).
struct GridWindow {
    QWidget window;
    QTableWidget* grid = nullptr;
    QLineEdit* editor = nullptr;
    GridCellEditor* cells = nullptr;
    bool busy = false;

    explicit GridWindow(Walk walk) {
        grid = new QTableWidget(&window);
        grid->horizontalHeader()->hide();
        grid->verticalHeader()->hide();
        grid->setSelectionMode(QAbstractItemView::SingleSelection);
        grid->setTabKeyNavigation(false);
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(grid);
        auto* after = new QLineEdit(&window);  // the next control in tab order
        after->setObjectName(QStringLiteral("after"));
        layout->addWidget(after);
        if (walk == Walk::Rows) {
            grid->setRowCount(5);
            grid->setColumnCount(2);
            for (int r = 0; r < 5; ++r) {
                auto* label = new QTableWidgetItem(QString(QChar('A' + r)));
                label->setFlags(Qt::ItemIsEnabled);
                grid->setItem(r, 0, label);
                grid->setItem(r, 1, new QTableWidgetItem(QStringLiteral("%1.000").arg(r + 1)));
            }
            editor = new QLineEdit(&window);
        } else {
            grid->setRowCount(4);
            grid->setColumnCount(5);
            for (int c = 0; c < 5; ++c) {
                auto* foot = new QTableWidgetItem(c == 0 ? QStringLiteral("Foot") : QString::number(c));
                foot->setFlags(Qt::NoItemFlags);
                grid->setItem(0, c, foot);
            }
            for (int r = 1; r < 4; ++r) {
                auto* label = new QTableWidgetItem(QStringLiteral("row %1").arg(r));
                label->setFlags(Qt::NoItemFlags);
                grid->setItem(r, 0, label);
                for (int c = 1; c < 5; ++c)
                    grid->setItem(r, c, new QTableWidgetItem(QStringLiteral("%1.0").arg(10 * r + c)));
            }
            editor = new QLineEdit(grid->viewport());
        }
        editor->setObjectName(QStringLiteral("editor"));
        cells = new GridCellEditor(
            grid, editor, walk, [this] { return busy; }, &window);
        window.resize(360, 260);
        window.show();
        if (!QTest::qWaitForWindowActive(&window))
            recordTestFailure(QStringLiteral("grid window not active"));
    }

    QString text(int row, int column) const { return grid->item(row, column)->text(); }
    QPoint centreOf(int row, int column) const {
        return grid->visualRect(grid->model()->index(row, column)).center();
    }
    void click(int row, int column) {
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, centreOf(row, column));
    }
    void doubleClick(int row, int column) {
        click(row, column);
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, centreOf(row, column));
    }
    // Opens an edit of (row, column) by typing into the grid, as a user does.
    void typeAt(int row, int column, const QString& typed) {
        cells->setCurrentCell(row, column);
        grid->setFocus();
        // Each key goes where the focus is at that moment: the first to the grid, the rest to
        // the editor it opened.
        for (const QChar ch : typed) QTest::keyClick(QApplication::focusWidget(), ch.toLatin1());
    }
    QPoint current() const { return {grid->currentColumn(), grid->currentRow()}; }
};

}  // namespace

class GridCellEditorTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { useFixedLocale(); }
    void init() { guard_ = std::make_unique<ModalDialogGuard>(); }
    void cleanup() { guard_.reset(); }

    // The windows' own tests walk their grids with Enter and Shift+Enter, wrap, and discard with
    // Escape; here are the keys and moves they do not reach.
    void doubleClickOpensTheEditorOverTheCell() {
        GridWindow w(Walk::Rows);
        w.doubleClick(1, 1);
        QVERIFY(w.cells->isOpen());
        QCOMPARE(w.editor->text(), QStringLiteral("2.000"));
        QVERIFY(!w.editor->hasSelectedText());
        const QRect cell(
            w.grid->viewport()->mapTo(&w.window, w.grid->visualRect(w.grid->model()->index(1, 1)).topLeft()),
            w.grid->visualRect(w.grid->model()->index(1, 1)).size());
        QVERIFY2(cell.contains(w.editor->geometry()), "editor outside its cell");
        QTest::keyClick(w.editor, Qt::Key_Escape);
        QVERIFY(w.window.isVisible());  // Escape closed the edit, not the window
    }

    // A character starts the edit with itself, Enter and F2 with the cell's text; the caret at the end.
    void keysOnTheGridStartAnEdit_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("expectedText");
        QTest::newRow("a digit") << int(Qt::Key_7) << "7";
        QTest::newRow("a minus sign") << int(Qt::Key_Minus) << "-";
        QTest::newRow("Enter") << int(Qt::Key_Return) << "3.000";
        QTest::newRow("F2") << int(Qt::Key_F2) << "3.000";
    }
    void keysOnTheGridStartAnEdit() {
        QFETCH(int, key);
        QFETCH(QString, expectedText);
        GridWindow w(Walk::Rows);
        w.cells->setCurrentCell(2, 1);
        w.grid->setFocus();
        QTest::keyClick(w.grid, Qt::Key(key));
        QVERIFY(w.cells->isOpen());
        QCOMPARE(w.editor->text(), expectedText);
        QCOMPARE(w.editor->cursorPosition(), int(expectedText.size()));
        QVERIFY(w.editor->hasFocus());
        QCOMPARE(w.current(), QPoint(1, 2));
    }

    // Keypad Enter and Tab commit and walk on like Enter; with Shift there is no cell before the first.
    void enterCommitsAndWalks_data() {
        QTest::addColumn<int>("walk");
        QTest::addColumn<QPoint>("start");  // (column, row)
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QPoint>("expected");
        QTest::addColumn<bool>("commits");
        const int rows = int(Walk::Rows), columns = int(Walk::Columns);
        const int none = Qt::NoModifier, shift = Qt::ShiftModifier;
        QTest::newRow("rows: keypad Enter moves down")
            << rows << QPoint(1, 1) << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << QPoint(1, 2) << true;
        QTest::newRow("rows: Tab acts as Enter")
            << rows << QPoint(1, 3) << int(Qt::Key_Tab) << none << QPoint(1, 4) << true;
        QTest::newRow("rows: Shift+Enter on the first row stays")
            << rows << QPoint(1, 0) << int(Qt::Key_Return) << shift << QPoint(1, 0) << false;
        QTest::newRow("columns: Shift+Enter on the first foot stays")
            << columns << QPoint(1, 2) << int(Qt::Key_Return) << shift << QPoint(1, 2) << false;
    }
    void enterCommitsAndWalks() {
        QFETCH(int, walk);
        QFETCH(QPoint, start);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QPoint, expected);
        QFETCH(bool, commits);
        GridWindow w{Walk(walk)};
        const QString before = w.text(start.y(), start.x());
        w.typeAt(start.y(), start.x(), QStringLiteral("7"));
        QSignalSpy committed(w.cells, &GridCellEditor::committed);
        QSignalSpy entered(w.cells, &GridCellEditor::cellEntered);
        QTest::keyClick(w.editor, Qt::Key(key), Qt::KeyboardModifiers(modifiers));

        QCOMPARE(w.current(), expected);
        QVERIFY(w.grid->hasFocus());
        if (commits) {
            QCOMPARE(committed.count(), 1);
            QCOMPARE(committed.at(0).at(0).toInt(), start.y());
            QCOMPARE(committed.at(0).at(1).toInt(), start.x());
            QCOMPARE(committed.at(0).at(2).toDouble(), 7.0);
            QCOMPARE(w.text(start.y(), start.x()), QStringLiteral("7.000"));
            QVERIFY(!w.cells->isOpen());
            QCOMPARE(entered.count(), 1);
            QCOMPARE(entered.at(0).at(0).toInt(), expected.y());
            QCOMPARE(entered.at(0).at(1).toInt(), expected.x());
        } else {
            // Nothing to walk to: the edit waits, open but without the focus, until the cell is left.
            QCOMPARE(committed.count(), 0);
            QCOMPARE(w.text(start.y(), start.x()), before);
            QVERIFY(w.cells->isOpen());
            QVERIFY(!w.editor->hasFocus());
            w.click(start.y() + 1, start.x());
            QCOMPARE(committed.count(), 1);
            QCOMPARE(w.text(start.y(), start.x()), QStringLiteral("7.000"));
        }
    }

    void leavingTheCellByMouseOrArrowCommits_data() {
        QTest::addColumn<bool>("byMouse");
        QTest::newRow("click on another cell") << true;
        QTest::newRow("arrow key on the grid") << false;
    }
    void leavingTheCellByMouseOrArrowCommits() {
        QFETCH(bool, byMouse);
        GridWindow w(Walk::Rows);
        QSignalSpy committed(w.cells, &GridCellEditor::committed);
        w.typeAt(3, 1, QStringLiteral("5"));
        if (byMouse) {
            w.click(0, 1);
        } else {
            // Shift+Enter on row 3 would commit by itself; focus the grid as a click elsewhere would.
            w.grid->setFocus();
            QTest::keyClick(w.grid, Qt::Key_Up);
        }
        QCOMPARE(committed.count(), 1);
        QCOMPARE(committed.at(0).at(0).toInt(), 3);
        QCOMPARE(w.text(3, 1), QStringLiteral("5.000"));
        QVERIFY(!w.cells->isOpen());
    }

    void labelsAreNeverCurrent() {
        GridWindow w(Walk::Rows);
        w.cells->setCurrentCell(1, 1);
        w.click(3, 0);
        QCOMPARE(w.current(), QPoint(1, 3));
        w.grid->setFocus();
        QTest::keyClick(w.grid, Qt::Key_Left);
        QCOMPARE(w.current(), QPoint(1, 3));
        w.grid->setCurrentCell(4, 0);  // even the grid's own move
        QCOMPARE(w.current(), QPoint(1, 4));
        GridWindow h(Walk::Columns);
        h.cells->setCurrentCell(2, 3);
        h.click(0, 2);  // the foot numbers
        QCOMPARE(h.current(), QPoint(3, 2));
    }

    void whileBusyLeavingACellCommitsNothing() {
        GridWindow w(Walk::Rows);
        w.typeAt(1, 1, QStringLiteral("8"));
        QSignalSpy committed(w.cells, &GridCellEditor::committed);
        QSignalSpy entered(w.cells, &GridCellEditor::cellEntered);
        w.busy = true;
        w.cells->setCurrentCell(3, 1);
        w.cells->setCurrentCell(1, 1);
        w.busy = false;
        QCOMPARE(committed.count(), 0);
        QCOMPARE(w.text(1, 1), QStringLiteral("2.000"));
        QCOMPARE(entered.count(), 2);  // the window still hears of every move
        // The edit went with the refill: it must not land in the next cell that is left.
        QVERIFY(!w.cells->isOpen());
        w.cells->setCurrentCell(2, 1);
        QCOMPARE(committed.count(), 0);
        QCOMPARE(w.text(1, 1), QStringLiteral("2.000"));
    }

    void reopeningAnOpenEditKeepsWhatWasTyped() {
        GridWindow w(Walk::Rows);
        w.typeAt(0, 1, QStringLiteral("42"));
        QTest::keyClick(w.editor, Qt::Key_Return, Qt::ShiftModifier);  // stays open, unfocused
        QVERIFY(w.cells->isOpen());
        w.grid->setFocus();
        QTest::keyClick(w.grid, Qt::Key_Return);
        QCOMPARE(w.editor->text(), QStringLiteral("42"));
        QVERIFY(w.editor->hasFocus());
    }

    void commitStoresAnOpenEditInPlace() {
        GridWindow w(Walk::Columns);
        QSignalSpy committed(w.cells, &GridCellEditor::committed);
        w.typeAt(2, 2, QStringLiteral("150"));
        w.cells->commit();
        QCOMPARE(committed.count(), 1);
        QCOMPARE(w.text(2, 2), QStringLiteral("150.0"));
        QCOMPARE(w.current(), QPoint(2, 2));
        QVERIFY(!w.cells->isOpen());
    }

private:
    std::unique_ptr<ModalDialogGuard> guard_;
};

QTEST_MAIN(GridCellEditorTest)
#include "gridcelleditor_test.moc"
