#include <qcustomplot.h>

#include <QMessageBox>
#include <QSignalSpy>
#include <QtTest>
#include <memory>

#include "UiTestSupport.h"
#include "ui/widgets/Knob.h"
#include "ui/widgets/ResultGraph.h"
#include "ui/widgets/Thermometer.h"

Q_DECLARE_METATYPE(corvane::PlotData)

using namespace corvane;

namespace {

// Knob and Thermometer promise the same value semantics; every such test runs on both.
struct Scale {
    std::unique_ptr<QWidget> widget;
    double value() const { return widget->property("value").toDouble(); }
    void setValue(double v) { widget->setProperty("value", v); }
    void setRange(double lo, double hi) {
        apply([&](auto& w) { w.setRange(lo, hi); });
    }
    void setStep(double step) {
        apply([&](auto& w) { w.setStep(step); });
    }
    template <class F>
    void apply(F f) {
        if (auto* k = qobject_cast<Knob*>(widget.get()))
            f(*k);
        else
            f(*static_cast<Thermometer*>(widget.get()));
    }
};

Scale makeScale(const QString& kind) {
    Scale s;
    if (kind == QLatin1String("knob"))
        s.widget = std::make_unique<Knob>();
    else
        s.widget = std::make_unique<Thermometer>();
    s.widget->resize(s.widget->sizeHint());
    s.setRange(-100, 100);
    s.setStep(1);
    s.setValue(0);
    return s;
}

void addKindRows() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("knob") << "knob";
    QTest::newRow("thermometer") << "thermometer";
}

PlotData points(std::vector<float> x, std::vector<float> y) { return PlotData{std::move(x), std::move(y)}; }

}  // namespace

class WidgetsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { useFixedLocale(); }

    // --- Knob and Thermometer

    // valueChanged only on a real change (or a handler pair would ping-pong), whoever sets the value;
    // a value beyond the scale is kept, through any change of scale.
    void valueChangedOnlyOnARealChangeAndBeyondTheScaleIsKept_data() { addKindRows(); }
    void valueChangedOnlyOnARealChangeAndBeyondTheScaleIsKept() {
        QFETCH(QString, kind);
        Scale s = makeScale(kind);
        QSignalSpy spy(s.widget.get(), SIGNAL(valueChanged(double)));
        s.setValue(12.5);
        s.setValue(12.5);
        s.setValue(0);
        s.setValue(-0.0);
        s.setValue(250);
        s.setRange(-10, 10);
        s.setRange(-500, 500);
        QCOMPARE(s.value(), 250.0);
        QCOMPARE(spy.count(), 3);
        QCOMPARE(spy.at(0).at(0).toDouble(), 12.5);
        QCOMPARE(spy.at(1).at(0).toDouble(), 0.0);
        QCOMPARE(spy.at(2).at(0).toDouble(), 250.0);
        s.setRange(-10, 10);
        s.widget->grab();  // painting a value beyond the scale must not trip over it
    }

    void keysAndWheelTurnByTheStep_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<double>("start");
        QTest::addColumn<double>("step");
        QTest::addColumn<int>("key");    // 0: wheel
        QTest::addColumn<int>("wheel");  // angle delta, when key is 0
        QTest::addColumn<double>("expected");
        for (const char* kind : {"knob", "thermometer"}) {
            auto row = [&](const char* name) {
                return &QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(kind, name)));
            };
            *row("Right") << kind << 0.0 << 1.0 << int(Qt::Key_Right) << 0 << 1.0;
            *row("Left") << kind << 0.0 << 2.5 << int(Qt::Key_Left) << 0 << -2.5;
            *row("PageUp ten steps") << kind << 3.0 << 1.0 << int(Qt::Key_PageUp) << 0 << 13.0;
            *row("Home") << kind << 3.0 << 1.0 << int(Qt::Key_Home) << 0 << -100.0;
            *row("End") << kind << 3.0 << 1.0 << int(Qt::Key_End) << 0 << 100.0;
            *row("Up stops at the end") << kind << 99.5 << 1.0 << int(Qt::Key_Up) << 0 << 100.0;
            *row("Up beyond the scale stays") << kind << 250.0 << 1.0 << int(Qt::Key_Up) << 0 << 250.0;
            *row("Down beyond the scale comes back")
                << kind << 250.0 << 1.0 << int(Qt::Key_Down) << 0 << 100.0;
            *row("two wheel notches down") << kind << 0.0 << 0.5 << 0 << -240 << -1.0;
            *row("part of a notch waits") << kind << 0.0 << 1.0 << 0 << 60 << 0.0;
        }
    }
    void keysAndWheelTurnByTheStep() {
        QFETCH(QString, kind);
        QFETCH(double, start);
        QFETCH(double, step);
        QFETCH(int, key);
        QFETCH(int, wheel);
        QFETCH(double, expected);
        Scale s = makeScale(kind);
        s.setStep(step);
        s.setValue(start);
        if (key != 0) {
            QTest::keyClick(s.widget.get(), Qt::Key(key));
        } else {
            const QPointF at(s.widget->width() / 2.0, s.widget->height() / 2.0);
            QWheelEvent event(at, s.widget->mapToGlobal(at), QPoint(), QPoint(0, wheel), Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(s.widget.get(), &event);
        }
        QCOMPARE(s.value(), expected);
    }

    void manySmallStepsLandOnTheScale_data() { addKindRows(); }
    void manySmallStepsLandOnTheScale() {
        QFETCH(QString, kind);
        Scale s = makeScale(kind);
        s.setRange(0, 10);
        s.setStep(0.1);
        s.setValue(0);
        for (int i = 0; i < 11; ++i) QTest::keyClick(s.widget.get(), Qt::Key_Up);
        QCOMPARE(s.value(), 1.1);  // exactly, not 1.0999999999999999
    }

    void knobTurnsToThePointedAngle_data() {
        QTest::addColumn<double>("degrees");  // pointer direction, counter-clockwise from 3 o'clock
        QTest::addColumn<double>("expected");
        QTest::newRow("12 o'clock is mid-scale") << 90.0 << 0.0;
        QTest::newRow("9 o'clock, a sixth of the way") << 180.0 << -67.0;
        QTest::newRow("lower right end") << -45.0 << 100.0;
        QTest::newRow("gap left of bottom takes the minimum") << 260.0 << -100.0;
        QTest::newRow("gap right of bottom takes the maximum") << 280.0 << 100.0;
    }
    void knobTurnsToThePointedAngle() {
        QFETCH(double, degrees);
        QFETCH(double, expected);
        Knob knob;
        knob.resize(80, 80 + knob.fontMetrics().height());
        knob.setRange(-100, 100);
        knob.setStep(1);
        knob.setValue(50);
        QTest::mouseClick(&knob, Qt::LeftButton, Qt::NoModifier, pointAt(knob, degrees));
        QCOMPARE(knob.value(), expected);
    }

    void knobDragDoesNotJumpAcrossTheGap() {
        Knob knob;
        knob.resize(80, 80 + knob.fontMetrics().height());
        knob.setRange(-100, 100);
        const auto at = [&](double degrees) { return pointAt(knob, degrees); };
        QTest::mousePress(&knob, Qt::LeftButton, Qt::NoModifier, at(-40));
        QCOMPARE(knob.value(), 96.0);
        // On through the bottom gap towards the minimum's side: the needle stops at the maximum.
        QTest::mouseMove(&knob, at(-90));
        QTest::mouseMove(&knob, at(240));
        QCOMPARE(knob.value(), 100.0);
        QTest::mouseRelease(&knob, Qt::LeftButton, Qt::NoModifier, at(240));
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

    // --- ResultGraph: the machine lines and the band are curves, drawn in the order given

    void plotsKeepThePointOrder_data() {
        QTest::addColumn<int>("plot");
        QTest::addColumn<PlotData>("data");
        QTest::newRow("machine line right to left")
            << 2 << points({40.5f, 20.25f, 0.0f}, {-3.5f, 1.0f, 7.125f});
        QTest::newRow("band closing on itself")
            << 3 << points({12, 20, 20, 12, 12}, {2.5f, 2.5f, -2.5f, -2.5f, 2.5f});
        QTest::newRow("zero-width band") << 3 << points({12, 12, 12, 12, 12}, {0, 0, 0, 0, 0});
        QTest::newRow("empty line") << 1 << points({}, {});
    }
    void plotsKeepThePointOrder() {
        QFETCH(int, plot);
        QFETCH(PlotData, data);
        ResultGraph g;
        g.setPlot(plot, points({1, 2, 3, 4, 5, 6, 7}, {1, 1, 1, 1, 1, 1, 1}));
        g.setPlot(plot, data);  // replaces, never appends
        QCOMPARE(g.plotData(plot), data);
    }

    void yRangeReadsBackExactly_data() {
        QTest::addColumn<double>("min");
        QTest::addColumn<double>("max");
        QTest::newRow("narrowed then widened") << -9.6 << 9.6;
        QTest::newRow("single value") << 0.0 << 0.0;
    }
    void yRangeReadsBackExactly() {
        QFETCH(double, min);
        QFETCH(double, max);
        ResultGraph g;
        g.setYRange({min, max});
        QCOMPARE(g.yRange().min, min);
        QCOMPARE(g.yRange().max, max);
        // The axis shows a range it can draw that holds what was asked for.
        const QCPRange shown = g.plotWidget()->yAxis->range();
        QVERIFY(shown.lower <= min && shown.upper >= max && shown.upper > shown.lower);
    }

    void applyShowsWhatTheCalculationGives_data() {
        QTest::addColumn<bool>("plot1Visible");
        QTest::addColumn<bool>("hasPlot2");
        QTest::addColumn<bool>("plot2Visible");
        QTest::addColumn<bool>("hasBand");
        QTest::addColumn<bool>("showBand");
        QTest::addColumn<bool>("hasYRange");
        QTest::newRow("reverse dial with band") << true << true << true << true << true << true;
        QTest::newRow("rim and face, band off") << true << false << false << true << false << false;
        QTest::newRow("no result") << false << true << false << false << false << true;
        QTest::newRow("band asked for, none computed") << true << true << true << false << true << false;
    }
    void applyShowsWhatTheCalculationGives() {
        QFETCH(bool, plot1Visible);
        QFETCH(bool, hasPlot2);
        QFETCH(bool, plot2Visible);
        QFETCH(bool, hasBand);
        QFETCH(bool, showBand);
        QFETCH(bool, hasYRange);
        ResultGraph g;
        const PlotData old = points({9, 9}, {9, 9});
        g.setPlot(2, old);
        g.setPlot(3, old);
        g.setYRange({-100, 100});

        GraphResult r;
        r.xMax = 42.5f;
        r.plot1 = points({0, 10, 42.5f}, {1, 2, 3});
        r.plot1Visible = plot1Visible;
        if (hasPlot2) r.plot2 = points({30, 20, 10}, {-1, -2, -3});
        r.plot2Visible = plot2Visible;
        if (hasBand) r.band = points({10, 20, 20, 10, 10}, {4, 4, -4, -4, 4});
        if (hasYRange) r.yRange = YRange{-5, 5};
        g.apply(r, showBand);

        QCOMPARE(g.xMax(), 42.5);
        QCOMPARE(g.yRange(), (hasYRange ? YRange{-5, 5} : YRange{-100, 100}));
        QCOMPARE(g.plotData(1), r.plot1);
        QCOMPARE(g.plotVisible(1), plot1Visible);
        QCOMPARE(g.plotData(2), hasPlot2 ? *r.plot2 : old);
        QCOMPARE(g.plotVisible(2), plot2Visible);
        QCOMPARE(g.plotVisible(3), showBand);
        QCOMPARE(g.plotData(3), hasBand && showBand ? *r.band : old);
    }

    // --- The real message boxes: the program's title, the right buttons, the answer read right

    void messageBoxesCarryTheProgramTitle_data() {
        QTest::addColumn<bool>("question");
        QTest::addColumn<int>("press");
        QTest::addColumn<bool>("expected");
        QTest::newRow("message, OK") << false << int(QMessageBox::Ok) << false;
        QTest::newRow("question, Yes") << true << int(QMessageBox::Yes) << true;
        QTest::newRow("question, No") << true << int(QMessageBox::No) << false;
    }
    void messageBoxesCarryTheProgramTitle() {
        QFETCH(bool, question);
        QFETCH(int, press);
        QFETCH(bool, expected);
        QString title, text;
        QMessageBox::StandardButtons buttons;
        QMessageBox::Icon icon = QMessageBox::Question;
        // Read the box while it is up, then answer it.
        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            title = box->windowTitle();
            text = box->text();
            buttons = box->standardButtons();
            icon = box->icon();
            box->button(QMessageBox::StandardButton(press))->click();
        });
        QtDialogProvider real;
        const QString said = QStringLiteral("Do you want to save\r\nyour current settings?");
        bool answer = false;
        if (question)
            answer = real.askYesNo(nullptr, said);
        else
            real.showMessage(nullptr, said);
        QCOMPARE(title, QStringLiteral("Corvane"));
        QCOMPARE(text, said);
        QCOMPARE(buttons, question ? QMessageBox::Yes | QMessageBox::No
                                   : QMessageBox::StandardButtons(QMessageBox::Ok));
        if (!question) QCOMPARE(icon, QMessageBox::NoIcon);
        QCOMPARE(answer, expected);
    }

private:
    // A point 25 pixels from the dial's centre (above the end labels), counter-clockwise from 3 o'clock.
    static QPoint pointAt(const Knob& knob, double degrees) {
        const QPoint centre(knob.width() / 2, (knob.height() - knob.fontMetrics().height()) / 2);
        const double a = qDegreesToRadians(degrees);
        return centre + QPoint(qRound(25 * std::cos(a)), -qRound(25 * std::sin(a)));
    }
};

QTEST_MAIN(WidgetsTest)
#include "widgets_test.moc"
