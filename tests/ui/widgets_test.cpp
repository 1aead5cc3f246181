#include <qcustomplot.h>

#include <QAccessible>
#include <QMessageBox>
#include <QSignalSpy>
#include <QtTest>
#include <memory>

#include "UiTestSupport.h"
#include "ui/widgets/FileFilter.h"
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
    void setValue(double v) {
        if (auto* k = qobject_cast<Knob*>(widget.get()))
            k->setValue(v);
        else
            static_cast<Thermometer*>(widget.get())->setValue(v);
    }
    void setRange(double lo, double hi) {
        if (auto* k = qobject_cast<Knob*>(widget.get()))
            k->setRange(lo, hi);
        else
            static_cast<Thermometer*>(widget.get())->setRange(lo, hi);
    }
    void setStep(double s) {
        if (auto* k = qobject_cast<Knob*>(widget.get()))
            k->setStep(s);
        else
            static_cast<Thermometer*>(widget.get())->setStep(s);
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

void addKinds() { QTest::addColumn<QString>("kind"); }

PlotData points(std::vector<float> x, std::vector<float> y) { return PlotData{std::move(x), std::move(y)}; }

}  // namespace

class WidgetsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { useFixedLocale(); }

    // --- Knob and Thermometer

    void valueChangedOnlyOnARealChange_data() {
        addKinds();
        QTest::newRow("knob") << "knob";
        QTest::newRow("thermometer") << "thermometer";
    }
    void valueChangedOnlyOnARealChange() {
        QFETCH(QString, kind);
        Scale s = makeScale(kind);
        QSignalSpy spy(s.widget.get(), SIGNAL(valueChanged(double)));
        s.setValue(12.5);
        s.setValue(12.5);
        s.setValue(0);
        s.setValue(-0.0);  // the same number: no event, or a handler pair would ping-pong
        QCOMPARE(spy.count(), 2);
        QCOMPARE(spy.at(0).at(0).toDouble(), 12.5);
        QCOMPARE(spy.at(1).at(0).toDouble(), 0.0);
    }

    void programValueBeyondTheScaleIsKept_data() { valueChangedOnlyOnARealChange_data(); }
    void programValueBeyondTheScaleIsKept() {
        QFETCH(QString, kind);
        Scale s = makeScale(kind);
        QSignalSpy spy(s.widget.get(), SIGNAL(valueChanged(double)));
        s.setValue(250);
        QCOMPARE(s.value(), 250.0);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toDouble(), 250.0);
        // A new, smaller scale clips nothing and reports nothing.
        s.setRange(-10, 10);
        QCOMPARE(s.value(), 250.0);
        s.setRange(-500, 500);
        QCOMPARE(s.value(), 250.0);
        QCOMPARE(spy.count(), 1);
        // Painting a value beyond the scale must not trip over it.
        s.widget->grab();
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
            *row("Up") << kind << 0.0 << 1.0 << int(Qt::Key_Up) << 0 << 1.0;
            *row("Right") << kind << 0.0 << 1.0 << int(Qt::Key_Right) << 0 << 1.0;
            *row("Down") << kind << 0.0 << 1.0 << int(Qt::Key_Down) << 0 << -1.0;
            *row("Left") << kind << 0.0 << 2.5 << int(Qt::Key_Left) << 0 << -2.5;
            *row("PageUp ten steps") << kind << 3.0 << 1.0 << int(Qt::Key_PageUp) << 0 << 13.0;
            *row("PageDown ten steps") << kind << 3.0 << 1.0 << int(Qt::Key_PageDown) << 0 << -7.0;
            *row("Home") << kind << 3.0 << 1.0 << int(Qt::Key_Home) << 0 << -100.0;
            *row("End") << kind << 3.0 << 1.0 << int(Qt::Key_End) << 0 << 100.0;
            *row("Up stops at the end") << kind << 99.5 << 1.0 << int(Qt::Key_Up) << 0 << 100.0;
            *row("PageDown stops at the end") << kind << -95.0 << 1.0 << int(Qt::Key_PageDown) << 0 << -100.0;
            *row("Up beyond the scale stays") << kind << 250.0 << 1.0 << int(Qt::Key_Up) << 0 << 250.0;
            *row("Down beyond the scale comes back")
                << kind << 250.0 << 1.0 << int(Qt::Key_Down) << 0 << 100.0;
            *row("wheel notch up") << kind << 0.0 << 0.5 << 0 << 120 << 0.5;
            *row("wheel notch down") << kind << 0.0 << 0.5 << 0 << -120 << -0.5;
            *row("two wheel notches") << kind << 0.0 << 1.0 << 0 << 240 << 2.0;
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

    void manySmallStepsLandOnTheScale_data() { valueChangedOnlyOnARealChange_data(); }
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
        QTest::newRow("3 o'clock, five sixths") << 0.0 << 67.0;
        QTest::newRow("lower left end") << 225.0 << -100.0;
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
        const QPoint centre = dialCentre(knob);
        const double a = qDegreesToRadians(degrees);
        const QPoint at = centre + QPoint(qRound(25 * std::cos(a)), -qRound(25 * std::sin(a)));
        QTest::mousePress(&knob, Qt::LeftButton, Qt::NoModifier, at);
        QTest::mouseRelease(&knob, Qt::LeftButton, Qt::NoModifier, at);
        QCOMPARE(knob.value(), expected);
    }

    void knobDragDoesNotJumpAcrossTheGap() {
        Knob knob;
        knob.resize(80, 80 + knob.fontMetrics().height());
        knob.setRange(-100, 100);
        const QPoint c = dialCentre(knob);
        auto at = [&](double degrees) {
            const double a = qDegreesToRadians(degrees);
            return c + QPoint(qRound(25 * std::cos(a)), -qRound(25 * std::sin(a)));
        };
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

    void scalesAreAccessibleWithTheirValues_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("role");
        QTest::newRow("knob") << "knob" << int(QAccessible::Dial);
        QTest::newRow("thermometer") << "thermometer" << int(QAccessible::Slider);
    }
    void scalesAreAccessibleWithTheirValues() {
        QFETCH(QString, kind);
        QFETCH(int, role);
        Scale s = makeScale(kind);
        s.widget->setAccessibleName(QStringLiteral("Dial 1 - 3:00"));
        s.setStep(0.5);
        s.setValue(12.5);
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(s.widget.get());
        QVERIFY(iface);
        QCOMPARE(int(iface->role()), role);
        QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("Dial 1 - 3:00"));
        QVERIFY(iface->state().focusable);
        QAccessibleValueInterface* value = iface->valueInterface();
        QVERIFY(value);
        QCOMPARE(value->currentValue().toDouble(), 12.5);
        QCOMPARE(value->minimumValue().toDouble(), -100.0);
        QCOMPARE(value->maximumValue().toDouble(), 100.0);
        QCOMPARE(value->minimumStepSize().toDouble(), 0.5);
        QSignalSpy spy(s.widget.get(), SIGNAL(valueChanged(double)));
        value->setCurrentValue(-7.4);
        QCOMPARE(s.value(), -7.4);
        QCOMPARE(spy.count(), 1);
    }

    // --- ResultGraph

    void graphCarriesTheNamedAxesAndPlots() {
        ResultGraph g;
        QCustomPlot* plot = g.plotWidget();
        QCOMPARE(plot->xAxis->objectName(), QStringLiteral("XAxis"));
        QCOMPARE(plot->yAxis->objectName(), QStringLiteral("YAxis-1"));
        QCOMPARE(plot->plottableCount(), 3);
        const QColor colours[3] = {QColor(0, 0, 255), QColor(255, 0, 0), QColor(0, 0, 0)};
        for (int i = 0; i < 3; ++i) {
            auto* curve = qobject_cast<QCPCurve*>(plot->plottable(i));
            QVERIFY(curve);
            QCOMPARE(curve->name(), QStringLiteral("Plot-%1").arg(i + 1));
            QCOMPARE(curve->pen().color(), colours[i]);
        }
        // Both machine lines are drawn alike; the band differs from them.
        QCOMPARE(plot->plottable(0)->pen().width(), plot->plottable(1)->pen().width());
        QVERIFY(plot->plottable(2)->pen().style() != plot->plottable(0)->pen().style());
        QVERIFY(g.plotVisible(1));
        QVERIFY(!g.plotVisible(3));
        QCOMPARE(g.xMin(), 0.0);
    }

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
        QTest::newRow("symmetric") << -10.0 << 10.0;
        QTest::newRow("narrowed") << -8.0 << 8.0;
        QTest::newRow("narrowed then widened") << -9.6 << 9.6;
        QTest::newRow("tiny") << -0.2 << 0.2;
        QTest::newRow("off centre") << -3.3 << 17.75;
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

    void xMaxLeavesTheMinimum() {
        ResultGraph g;
        g.setXMax(35.5);
        QCOMPARE(g.xMin(), 0.0);
        QCOMPARE(g.xMax(), 35.5);
        QCOMPARE(g.plotWidget()->xAxis->range().lower, 0.0);
        QCOMPARE(g.plotWidget()->xAxis->range().upper, 35.5);
        g.setXMax(0);  // all lengths 0
        QCOMPARE(g.xMax(), 0.0);
        QCOMPARE(g.xMin(), 0.0);
        QVERIFY(g.plotWidget()->xAxis->range().upper > g.plotWidget()->xAxis->range().lower);
        g.setXMax(12);
        QCOMPARE(g.plotWidget()->xAxis->range().lower, 0.0);
        QCOMPARE(g.plotWidget()->xAxis->range().upper, 12.0);
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

    // --- File dialog filter

    void fileFilterInTheToolkitsForm_data() {
        QTest::addColumn<QString>("given");
        QTest::addColumn<QString>("expected");
        QTest::newRow("project files") << "Corvane Files (*.qdl)| *.qdl"
                                       << "Corvane Files (*.qdl)";
        QTest::newRow("description without pattern") << "Corvane Files|*.qdl"
                                                     << "Corvane Files (*.qdl)";
        QTest::newRow("pattern decides") << "Projects (*.txt)|*.qdl"
                                         << "Projects (*.qdl)";
        QTest::newRow("two pairs") << "Corvane Files (*.qdl)|*.qdl|All Files (*.*)|*.*"
                                   << "Corvane Files (*.qdl);;All Files (*.*)";
        QTest::newRow("pattern list") << "Data|*.qdl;*.bak"
                                      << "Data (*.qdl *.bak)";
        QTest::newRow("description only") << "Everything"
                                          << "Everything (*)";
        QTest::newRow("empty") << ""
                               << "";
    }
    void fileFilterInTheToolkitsForm() {
        QFETCH(QString, given);
        QFETCH(QString, expected);
        QCOMPARE(toQtFileFilter(given), expected);
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

    // --- Test support: a scripted question with no answer must not block

    void scriptedDialogsAnswerInOrderAndRecord() {
        ScriptedDialogs d;
        d.pushYesNo(true);
        d.pushYesNo(false);
        d.pushSaveFile(std::nullopt);
        d.pushOpenFile(QStringLiteral("/tmp/a.qdl"));
        QVERIFY(d.askYesNo(nullptr, QStringLiteral("first")));
        QVERIFY(!d.askYesNo(nullptr, QStringLiteral("second")));
        QCOMPARE(d.chooseSaveFile(nullptr, QStringLiteral("/tmp"), QStringLiteral("f")), std::nullopt);
        QCOMPARE(d.chooseOpenFile(nullptr, QStringLiteral("/tmp"), QStringLiteral("f")),
                 std::optional<QString>(QStringLiteral("/tmp/a.qdl")));
        d.showMessage(nullptr, QStringLiteral("note"));
        QCOMPARE(d.questions, QStringList({QStringLiteral("first"), QStringLiteral("second")}));
        QCOMPARE(d.messages, QStringList({QStringLiteral("note")}));
        QCOMPARE(d.fileRequests.size(), size_t(2));
        QVERIFY(d.fileRequests[0].save);
        QCOMPARE(d.unusedAnswers(), 0);
        QVERIFY(d.errors.isEmpty());
    }

private:
    static QPoint dialCentre(const Knob& knob) {
        const int labels = knob.fontMetrics().height();
        return QPoint(knob.width() / 2, (knob.height() - labels) / 2);
    }
};

QTEST_MAIN(WidgetsTest)
#include "widgets_test.moc"
