#include <qcustomplot.h>

#include <QImage>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QtTest>
#include <memory>

#include "UiTestSupport.h"
#include "ui/widgets/GridCellEditor.h"
#include "ui/widgets/Knob.h"
#include "ui/widgets/MachineDrawing.h"
#include "ui/widgets/ResultGraph.h"
#include "ui/widgets/Thermometer.h"

using namespace corvane;

namespace {

// Knob and Thermometer promise the same value semantics; every such check runs on both.
template <class W>
void checkScale() {
    const auto make = [](double step, double start) {
        auto w = std::make_unique<W>();
        w->resize(w->sizeHint());
        w->setRange(-100, 100);
        w->setStep(step);
        w->setValue(start);
        return w;
    };
    // valueChanged only on a real change; a value beyond the scale survives rescaling and painting.
    auto w = make(1, 0);
    QSignalSpy spy(w.get(), &W::valueChanged);
    for (double v : {12.5, 12.5, 0.0, -0.0, 250.0}) w->setValue(v);
    w->setRange(-10, 10);
    w->setRange(-500, 500);
    QCOMPARE(w->value(), 250.0);
    QCOMPARE(spy.count(), 3);
    QCOMPARE(spy.at(1).at(0).toDouble(), 0.0);
    w->setRange(-10, 10);
    w->grab();

    const struct {
        double start, step;
        int key;       // 0: wheel
        int wheel;     // angle delta, when key is 0
        bool focused;  // the wheel turns only the scale the user has chosen
        double expected;
    } cases[] = {
        {0, 2.5, Qt::Key_Left, 0, true, -2.5}, {3, 1, Qt::Key_PageUp, 0, true, 13},
        {3, 1, Qt::Key_Home, 0, true, -100},   {99.5, 1, Qt::Key_Up, 0, true, 100},
        {250, 1, Qt::Key_Up, 0, true, 250},    {250, 1, Qt::Key_Down, 0, true, 100},
        {0, 0.5, 0, -240, true, -1},           {0, 1, 0, 60, true, 0},  // part of a notch waits
        {0, 0.5, 0, -240, false, 0},                                    // a scroll passing over the window
    };
    for (const auto& c : cases) {
        auto s = make(c.step, c.start);
        if (c.focused && !focusInActiveWindow(s.get())) QFAIL("cannot focus the scale");
        if (c.key != 0) {
            QTest::keyClick(s.get(), Qt::Key(c.key));
        } else {
            const QPointF at(s->width() / 2.0, s->height() / 2.0);
            QWheelEvent event(at, s->mapToGlobal(at), QPoint(), QPoint(0, c.wheel), Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(s.get(), &event);
        }
        QCOMPARE(s->value(), c.expected);
    }
    // Many small steps land on the scale: exactly 1.1, not 1.0999999999999999.
    auto fine = make(0.1, 0);
    for (int i = 0; i < 11; ++i) QTest::keyClick(fine.get(), Qt::Key_Up);
    QCOMPARE(fine->value(), 1.1);
}

bool isWhite(QRgb c) { return qRed(c) > 245 && qGreen(c) > 245 && qBlue(c) > 245; }

PlotData points(std::vector<float> x, std::vector<float> y) { return PlotData{std::move(x), std::move(y)}; }

// A point 25 pixels from the dial's centre (above the end labels), counter-clockwise from 3 o'clock.
QPoint pointAt(const Knob& knob, double degrees) {
    const QPoint centre(knob.width() / 2, (knob.height() - knob.fontMetrics().height()) / 2);
    const double a = qDegreesToRadians(degrees);
    return centre + QPoint(qRound(25 * std::cos(a)), -qRound(25 * std::sin(a)));
}

// A grid laid out like the length grid: labels A..E beside one value column, the editor a sibling.
struct GridWindow {
    ModalDialogGuard guard;
    QWidget window;
    QTableWidget* grid = new QTableWidget(5, 2, &window);
    QLineEdit* editor = new QLineEdit(&window);
    GridCellEditor* cells = nullptr;
    bool busy = false;

    GridWindow() {
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

class WidgetsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { useFixedLocale(); }

    void knobAndThermometerValuesStepsAndKeys() {
        checkScale<Knob>();
        checkScale<Thermometer>();
    }

    // The knob follows the pointer but never jumps the gap at its bottom; the thermometer follows the
    // dragged height, one change per move.
    void knobAndThermometerFollowThePointer() {
        const std::pair<double, double> clicks[] = {{90, 0}, {180, -67}, {260, -100}, {280, 100}};
        Knob knob;
        knob.resize(80, 80 + knob.fontMetrics().height());
        knob.setRange(-100, 100);
        for (const auto& [degrees, expected] : clicks) {
            knob.setValue(50);
            QTest::mouseClick(&knob, Qt::LeftButton, Qt::NoModifier, pointAt(knob, degrees));
            QCOMPARE(knob.value(), expected);
        }
        // Dragged on through the bottom gap towards the minimum's side: the needle stays at the maximum.
        QTest::mousePress(&knob, Qt::LeftButton, Qt::NoModifier, pointAt(knob, -40));
        QCOMPARE(knob.value(), 96.0);
        QTest::mouseMove(&knob, pointAt(knob, -90));
        QTest::mouseMove(&knob, pointAt(knob, 240));
        QCOMPARE(knob.value(), 100.0);
        QTest::mouseRelease(&knob, Qt::LeftButton, Qt::NoModifier, pointAt(knob, 240));

        Thermometer t;
        t.resize(70, 220);
        t.setRange(50, 150);
        t.setValue(72);
        QSignalSpy spy(&t, &Thermometer::valueChanged);
        QTest::mousePress(&t, Qt::LeftButton, Qt::NoModifier, QPoint(35, 0));
        QCOMPARE(t.value(), 150.0);
        QTest::mouseMove(&t, QPoint(35, 219));
        QCOMPARE(t.value(), 50.0);
        QTest::mouseRelease(&t, Qt::LeftButton, Qt::NoModifier, QPoint(35, 219));
        QCOMPARE(spy.count(), 2);
    }

    // The machine lines and the band are curves: drawn in the order given, a new result replacing
    // the old; the first line drawn is blue, the second red.
    void linesKeepThePointOrderAndTheYRangeReadsBackExactly() {
        using Line = ResultGraph::Line;
        GraphResult reverse;
        reverse.fixedMachine = points({0, 20, 40}, {1, 2, 3});
        reverse.moveableMachine = points({40.5f, 20.25f, 0.0f}, {-3.5f, 1.0f, 7.125f});
        reverse.band = {ToleranceBand::State::Drawn,
                        points({12, 20, 20, 12, 12}, {2.5f, 2.5f, -2.5f, -2.5f, 2.5f})};
        GraphResult twoFoot;
        twoFoot.moveableMachine = points({0, 10, 30}, {5, 4, 3});
        ResultGraph g;
        g.setYRange({-100, 100});
        g.apply(reverse);
        QCOMPARE(g.lineData(Line::FixedMachine), *reverse.fixedMachine);
        QCOMPARE(g.lineData(Line::MoveableMachine), *reverse.moveableMachine);
        QCOMPARE(g.lineData(Line::ToleranceBand), reverse.band.corners);
        QVERIFY(g.lineVisible(Line::ToleranceBand));
        auto* blue = g.plotWidget()->findChild<QCPCurve*>(QStringLiteral("Plot-1"));
        QVERIFY(blue);
        QCOMPARE(blue->pen().color(), QColor(0, 0, 255));
        QCOMPARE(blue->dataCount(), 3);
        QCOMPARE(blue->data()->at(0)->value, 1.0);
        g.apply(twoFoot);
        // Without a fixed machine the moveable machine is the blue line; no red line is left over.
        QCOMPARE(blue->data()->at(0)->value, 5.0);
        QCOMPARE(g.lineData(Line::MoveableMachine), *twoFoot.moveableMachine);
        QVERIFY(!g.lineVisible(Line::FixedMachine));
        QVERIFY(!g.lineVisible(Line::ToleranceBand));
        // No line in the result: the line is emptied and hidden, the scale kept; a band asked for but
        // not computed is cleared rather than left as it was.
        g.apply(reverse);
        GraphResult none;
        none.xMax = 42.5f;
        none.band.state = ToleranceBand::State::Cleared;
        g.apply(none);
        QCOMPARE(g.xMax(), 42.5);
        QCOMPARE(g.yRange(), (YRange{-100, 100}));
        QVERIFY(!g.lineVisible(Line::MoveableMachine));
        QVERIFY(g.lineData(Line::MoveableMachine).x.empty());
        QVERIFY(g.lineData(Line::ToleranceBand).x.empty());
        for (const YRange range : {YRange{-9.6, 9.6}, YRange{0, 0}}) {
            ResultGraph g;
            g.setYRange(range);
            QCOMPARE(g.yRange(), range);
            // The axis shows a range it can draw that holds what was asked for.
            const QCPRange shown = g.plotWidget()->yAxis->range();
            QVERIFY(shown.lower <= range.min && shown.upper >= range.max && shown.upper > shown.lower);
        }
    }

    // The main window centres its length letters on the gaps: one gap per letter, between marks
    // drawn left to right where markPositions says, the label spot left blank, the picture not blank.
    void marksAndGapsLineUpWithTheLetters() {
        const std::pair<MachineDrawing::Kind, int> kinds[] = {{MachineDrawing::Kind::ReverseDial, 5},
                                                              {MachineDrawing::Kind::RimFaceFixed, 2},
                                                              {MachineDrawing::Kind::RimFaceMoveable, 2},
                                                              {MachineDrawing::Kind::JackShaft, 3}};
        for (const auto& [kind, gaps] : kinds) {
            const std::vector<int> centres = MachineDrawing::gapCentres(kind);
            const std::vector<int> marks = MachineDrawing::markPositions(kind);
            QCOMPARE(int(centres.size()), gaps);
            QCOMPARE(int(marks.size()), gaps + 1);
            for (std::size_t i = 0; i < centres.size(); ++i)
                QVERIFY2(centres[i] - marks[i] >= 10 && marks[i + 1] - centres[i] >= 10,
                         "no room for a letter");

            MachineDrawing drawing(kind);
            const QImage image = drawing.grab().toImage().convertToFormat(QImage::Format_RGB32);
            QCOMPARE(image.size(), QSize(MachineDrawing::kWidth, MachineDrawing::kHeight));
            const int y = MachineDrawing::kHeight - MachineDrawing::kMarkBand + 3;
            for (int x : marks)
                QVERIFY2(qGray(image.pixel(x, y)) < 110, qPrintable(QString("no mark at %1").arg(x)));
            for (int c : centres)
                for (int x = c - 6; x <= c + 6; ++x)
                    QVERIFY2(isWhite(image.pixel(x, y)),
                             qPrintable(QString("drawing on the letter at %1").arg(x)));
            int drawn = 0;
            for (int row = 0; row < y - 3; ++row)
                for (int x = 1; x < image.width() - 1; ++x) drawn += isWhite(image.pixel(x, row)) ? 0 : 1;
            QVERIFY2(drawn > image.width() * 20, "picture nearly blank");
        }
    }

    // The grid cell editor (the windows' own tests walk their grids): a character starts the edit
    // with itself, Enter and F2 with the cell's text, the caret at the end; the cell's own text left
    // without a keystroke commits nothing, however the cell rounds what it shows.
    void keysOnTheGridStartAnEdit() {
        const std::pair<Qt::Key, QString> cases[] = {
            {Qt::Key_7, "7"}, {Qt::Key_Minus, "-"}, {Qt::Key_Return, "3.000"}, {Qt::Key_F2, "3.000"}};
        for (const auto& [key, expected] : cases) {
            GridWindow w;
            QSignalSpy committed(w.cells, &GridCellEditor::committed);
            w.cells->setCurrentCell(2, 1);
            w.grid->setFocus();
            QTest::keyClick(w.grid, key);
            QVERIFY(w.cells->isOpen());
            QCOMPARE(w.editor->text(), expected);
            QCOMPARE(w.editor->cursorPosition(), int(expected.size()));
            QVERIFY(w.editor->hasFocus());
            QCOMPARE(w.grid->currentRow(), 2);
            if (expected.size() == 1) continue;
            QTest::keyClick(w.editor, Qt::Key_Return);
            QCOMPARE(committed.count(), 0);
            QCOMPARE(w.text(2), QStringLiteral("3.000"));
        }
    }

    // An edit thrown away, by Escape (which closes the edit, not the window) or by the grid being
    // refilled while busy, lands nowhere when the next cell is left; the window still hears of every
    // move.
    void aDiscardedEditLandsNowhere() {
        for (const bool escape : {true, false}) {
            GridWindow w;
            w.typeAt(1, QStringLiteral("55"));
            QSignalSpy committed(w.cells, &GridCellEditor::committed);
            QSignalSpy entered(w.cells, &GridCellEditor::cellEntered);
            if (escape) {
                QTest::keyClick(w.editor, Qt::Key_Escape);
                QVERIFY(w.window.isVisible());
            } else {
                w.busy = true;
                w.cells->setCurrentCell(3, 1);
                w.cells->setCurrentCell(1, 1);
                w.busy = false;
                QCOMPARE(entered.count(), 2);
            }
            QVERIFY(!w.cells->isOpen());
            w.cells->setCurrentCell(2, 1);
            QCOMPARE(committed.count(), 0);
            QCOMPARE(w.text(1), QStringLiteral("2.000"));
        }
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

    // The real question boxes: the program's title, the default that loses nothing on Enter, Escape
    // as the safe way out, and the answer read right (Yes 1 / No 0, or the SaveAnswer).
    void questionsCarryTheProgramTitleAndTheSafeDefault() {
        const struct {
            bool savePrompt;  // or a Yes/No question with No as its default
            QString button;   // clicked, or else `key` pressed
            Qt::Key key;
            int expected;
        } cases[] = {
            {false, {}, Qt::Key_Return, 0},
            {true, {}, Qt::Key_Return, int(SaveAnswer::Save)},
            {true, {}, Qt::Key_Escape, int(SaveAnswer::Cancel)},
            {true, QStringLiteral("Don't Save"), Qt::Key_unknown, int(SaveAnswer::DontSave)},
        };
        for (const auto& c : cases) {
            QString title;
            QTimer::singleShot(0, this, [&] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                if (!box) return;
                title = box->windowTitle();
                for (QAbstractButton* button : box->buttons())
                    if (!c.button.isEmpty() && button->text() == c.button) return button->click();
                QTest::keyClick(box, c.key);
            });
            QtDialogProvider ask;
            QCOMPARE(c.savePrompt ? int(ask.askToSave(nullptr, "Save?"))
                                  : int(ask.askYesNo(nullptr, "Clear?", DialogProvider::Default::No)),
                     c.expected);
            QCOMPARE(title, QStringLiteral("Corvane"));
        }
    }
};

QTEST_MAIN(WidgetsTest)
#include "widgets_test.moc"
