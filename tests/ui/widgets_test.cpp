#include <qcustomplot.h>

#include <QMessageBox>
#include <QSignalSpy>
#include <QtTest>
#include <memory>

#include "UiTestSupport.h"
#include "ui/widgets/Knob.h"
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

PlotData points(std::vector<float> x, std::vector<float> y) { return PlotData{std::move(x), std::move(y)}; }

// A point 25 pixels from the dial's centre (above the end labels), counter-clockwise from 3 o'clock.
QPoint pointAt(const Knob& knob, double degrees) {
    const QPoint centre(knob.width() / 2, (knob.height() - knob.fontMetrics().height()) / 2);
    const double a = qDegreesToRadians(degrees);
    return centre + QPoint(qRound(25 * std::cos(a)), -qRound(25 * std::sin(a)));
}

}  // namespace

class WidgetsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { useFixedLocale(); }

    void knobAndThermometerValuesStepsAndKeys() {
        checkScale<Knob>();
        checkScale<Thermometer>();
    }

    void knobFollowsThePointerButNeverJumpsTheGap() {
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
    }

    void thermometerFollowsTheDraggedHeight() {
        Thermometer t;
        t.resize(70, 220);
        t.setRange(50, 150);
        t.setStep(0.5);
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
        for (const YRange range : {YRange{-9.6, 9.6}, YRange{0, 0}}) {
            ResultGraph g;
            g.setYRange(range);
            QCOMPARE(g.yRange().min, range.min);
            QCOMPARE(g.yRange().max, range.max);
            // The axis shows a range it can draw that holds what was asked for.
            const QCPRange shown = g.plotWidget()->yAxis->range();
            QVERIFY(shown.lower <= range.min && shown.upper >= range.max && shown.upper > shown.lower);
        }
    }

    // No line or Y range in the result: the line is emptied and hidden, the scale kept; a band asked
    // for but not computed is cleared rather than left as it was.
    void applyHidesWhatTheCalculationDoesNotGive() {
        using Line = ResultGraph::Line;
        ResultGraph g;
        g.setYRange({-100, 100});
        GraphResult shown;
        shown.moveableMachine = points({0, 10, 42.5f}, {1, 2, 3});
        shown.band = {ToleranceBand::State::Drawn, points({0, 5, 5, 0, 0}, {1, 1, -1, -1, 1})};
        g.apply(shown);
        GraphResult none;
        none.xMax = 42.5f;
        none.band.state = ToleranceBand::State::Cleared;
        g.apply(none);
        QCOMPARE(g.xMax(), 42.5);
        QCOMPARE(g.yRange(), (YRange{-100, 100}));
        QVERIFY(!g.lineVisible(Line::MoveableMachine));
        QVERIFY(g.lineData(Line::MoveableMachine).x.empty());
        QVERIFY(g.lineData(Line::ToleranceBand).x.empty());
    }

    // The real question boxes: the program's title, the default that loses nothing on Enter, Escape
    // as the safe way out, and the answer read right.
    void questionsCarryTheProgramTitleAndTheSafeDefault() {
        using D = DialogProvider::Default;
        const struct {
            const char* name;
            std::function<int()> ask;  // the answer as a number: Yes 1 / No 0, or the SaveAnswer
            std::function<void(QMessageBox*)> user;
            int expected;
        } cases[] = {
            {"Enter on a No-default question",
             [] { return int(QtDialogProvider().askYesNo(nullptr, "Clear?", D::No)); },
             [](QMessageBox* b) { QTest::keyClick(b, Qt::Key_Return); }, 0},
            {"Enter in the save prompt", [] { return int(QtDialogProvider().askToSave(nullptr, "Save?")); },
             [](QMessageBox* b) { QTest::keyClick(b, Qt::Key_Return); }, int(SaveAnswer::Save)},
            {"Escape in the save prompt", [] { return int(QtDialogProvider().askToSave(nullptr, "Save?")); },
             [](QMessageBox* b) { QTest::keyClick(b, Qt::Key_Escape); }, int(SaveAnswer::Cancel)},
            {"Don't Save clicked", [] { return int(QtDialogProvider().askToSave(nullptr, "Save?")); },
             [](QMessageBox* b) {
                 for (QAbstractButton* button : b->buttons())
                     if (button->text() == QStringLiteral("Don't Save")) button->click();
             },
             int(SaveAnswer::DontSave)},
        };
        for (const auto& c : cases) {
            QString title;
            QTimer::singleShot(0, this, [&] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                if (!box) return;
                title = box->windowTitle();
                c.user(box);
            });
            QCOMPARE(c.ask(), c.expected);
            QCOMPARE(title, QStringLiteral("Corvane"));
        }
    }
};

QTEST_MAIN(WidgetsTest)
#include "widgets_test.moc"
