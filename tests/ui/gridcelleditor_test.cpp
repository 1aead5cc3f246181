#include "ui/widgets/GridCellEditor.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QtTest>

#include "UiTestSupport.h"

using namespace corvane;

namespace {

// A grid laid out like the length grid: labels A..E beside one value column, the editor a sibling.
struct GridWindow {
    QWidget window;
    QTableWidget* grid = new QTableWidget(5, 2, &window);
    QLineEdit* editor = new QLineEdit(&window);
    GridCellEditor* cells = nullptr;
    bool busy = false;

    GridWindow() {
        grid->horizontalHeader()->hide();
        grid->verticalHeader()->hide();
        grid->setSelectionMode(QAbstractItemView::SingleSelection);
        grid->setTabKeyNavigation(false);
        for (int r = 0; r < 5; ++r) {
            auto* label = new QTableWidgetItem(QString(QChar('A' + r)));
            label->setFlags(Qt::ItemIsEnabled);
            grid->setItem(r, 0, label);
            grid->setItem(r, 1, new QTableWidgetItem(QStringLiteral("%1.000").arg(r + 1)));
        }
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(grid);
        layout->addWidget(new QLineEdit(&window));  // the next control in tab order
        cells = new GridCellEditor(
            grid, editor, GridCellEditor::Walk::Rows, [this] { return busy; }, &window);
        window.resize(360, 260);
        window.show();
        if (!QTest::qWaitForWindowActive(&window))
            recordTestFailure(QStringLiteral("grid window not active"));
    }

    QString text(int row) const { return grid->item(row, 1)->text(); }
    // Types into the grid as a user does: the first key to the grid, the rest to the editor it opened.
    void typeAt(int row, const QString& typed) {
        cells->setCurrentCell(row, 1);
        grid->setFocus();
        for (const QChar ch : typed) QTest::keyClick(QApplication::focusWidget(), ch.toLatin1());
    }
};

}  // namespace

// The windows' own tests walk their grids with Enter and wrap; here is what they do not reach.
class GridCellEditorTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { useFixedLocale(); }
    void init() { guard_ = std::make_unique<ModalDialogGuard>(); }
    void cleanup() { guard_.reset(); }

    // A character starts the edit with itself, Enter and F2 with the cell's text; the caret at the end.
    void keysOnTheGridStartAnEdit() {
        const std::pair<Qt::Key, QString> cases[] = {
            {Qt::Key_7, "7"}, {Qt::Key_Minus, "-"}, {Qt::Key_Return, "3.000"}, {Qt::Key_F2, "3.000"}};
        for (const auto& [key, expected] : cases) {
            GridWindow w;
            w.cells->setCurrentCell(2, 1);
            w.grid->setFocus();
            QTest::keyClick(w.grid, key);
            QVERIFY(w.cells->isOpen());
            QCOMPARE(w.editor->text(), expected);
            QCOMPARE(w.editor->cursorPosition(), int(expected.size()));
            QVERIFY(w.editor->hasFocus());
            QCOMPARE(w.grid->currentRow(), 2);
        }
    }

    // Escape closes the edit, not the window, and nothing of it lands when the cell is left.
    void escapeThrowsTheEditAwayAndLeavesTheWindowOpen() {
        GridWindow w;
        QSignalSpy committed(w.cells, &GridCellEditor::committed);
        w.typeAt(1, QStringLiteral("55"));
        QVERIFY(w.cells->isOpen());
        QTest::keyClick(w.editor, Qt::Key_Escape);
        QVERIFY(!w.cells->isOpen());
        QVERIFY(w.window.isVisible());
        w.cells->setCurrentCell(3, 1);
        QCOMPARE(committed.count(), 0);
        QCOMPARE(w.text(1), QStringLiteral("2.000"));
    }

    void whileBusyLeavingACellCommitsNothing() {
        GridWindow w;
        w.typeAt(1, QStringLiteral("8"));
        QSignalSpy committed(w.cells, &GridCellEditor::committed);
        QSignalSpy entered(w.cells, &GridCellEditor::cellEntered);
        w.busy = true;
        w.cells->setCurrentCell(3, 1);
        w.cells->setCurrentCell(1, 1);
        w.busy = false;
        QCOMPARE(entered.count(), 2);  // the window still hears of every move
        // The edit went with the refill: it must not land in the next cell that is left.
        QVERIFY(!w.cells->isOpen());
        w.cells->setCurrentCell(2, 1);
        QCOMPARE(committed.count(), 0);
        QCOMPARE(w.text(1), QStringLiteral("2.000"));
    }

    // Shift+Enter on the first row leaves the edit open, unfocused; reopening carries on with it.
    void reopeningAnOpenEditKeepsWhatWasTyped() {
        GridWindow w;
        QSignalSpy committed(w.cells, &GridCellEditor::committed);
        w.typeAt(0, QStringLiteral("42"));
        QTest::keyClick(w.editor, Qt::Key_Return, Qt::ShiftModifier);
        QVERIFY(w.cells->isOpen());
        QVERIFY(!w.editor->hasFocus());
        QCOMPARE(committed.count(), 0);
        w.grid->setFocus();
        QTest::keyClick(w.grid, Qt::Key_Return);
        QCOMPARE(w.editor->text(), QStringLiteral("42"));
        QVERIFY(w.editor->hasFocus());
        w.cells->setCurrentCell(2, 1);
        QCOMPARE(committed.count(), 1);
        QCOMPARE(committed.at(0), (QList<QVariant>{0, 1, QStringLiteral("42")}));
    }

    // An edit opened on the cell's own text and left without a key changes nothing, however the
    // cell rounds what it shows. (A typed edit commits: the length grid's test.)
    void anEditLeftWithoutAKeystrokeCommitsNothing() {
        GridWindow w;
        w.grid->item(1, 1)->setText(QStringLiteral("12.35"));
        QSignalSpy committed(w.cells, &GridCellEditor::committed);
        w.cells->setCurrentCell(1, 1);
        w.grid->setFocus();
        QTest::keyClick(w.grid, Qt::Key_Return);
        QVERIFY(w.cells->isOpen());
        QTest::keyClick(w.editor, Qt::Key_Return);
        QCOMPARE(committed.count(), 0);
        QCOMPARE(w.text(1), QStringLiteral("12.35"));
    }

private:
    std::unique_ptr<ModalDialogGuard> guard_;
};

QTEST_MAIN(GridCellEditorTest)
#include "gridcelleditor_test.moc"
