// Metric and English: the main window and the windows it opens shown and typed in millimetres and
// degrees Celsius, while the record keeps mils, inches and degrees Fahrenheit.

#include <qcustomplot.h>

#include "MainWindowTestSupport.h"
#include "WindowTestAdapters.h"
#include "ui/widgets/GridCellEditor.h"
#include "ui/widgets/Knob.h"
#include "ui/widgets/ResultGraph.h"
#include "ui/widgets/Thermometer.h"

using namespace corvane;

namespace {

// Every text of the main window that shows a value or names a unit.
QStringList shownTexts(const frmDials& w) {
    const MainWindowControls& c = w.controls();
    QStringList texts;
    for (const QLineEdit* box : c.txtD1) texts << box->text();
    for (const QLineEdit* box : c.txtD2) texts << box->text();
    for (int row = 0; row < c.gridLength->rowCount(); ++row) texts << c.gridLength->item(row, 1)->text();
    for (const QLineEdit* box : c.txtGro) texts << box->text() << box->accessibleName();
    texts << c.lblMisc1->text() << c.txtMisc1->text() << c.lblGrowth->text() << c.lblAcalc1->text()
          << c.lblAcalc2->text();
    for (const ResultGraph* graph : {c.Graph1, c.Graph2}) {
        const QCustomPlot* plot = graph->plotWidget();
        texts << plot->xAxis->label() << plot->yAxis->label() << graph->accessibleDescription()
              << QString::number(plot->xAxis->range().upper) << QString::number(plot->yAxis->range().upper);
    }
    for (const Knob* knob : c.cwkDial1)
        texts << QString::number(knob->value()) << QString::number(knob->maximum())
              << QString::number(knob->step());
    return texts;
}

void chooseUnits(frmDials& w, int index) {
    QVERIFY(focusInActiveWindow(w.controls().optEU[index]));
    QTest::mouseClick(w.controls().optEU[index], Qt::LeftButton);
    QVERIFY(w.controls().optEU[index]->isChecked());
}

}  // namespace

class MainUnitsTest : public QObject {
    Q_OBJECT
private slots:
    // The default reverse dial job: readings 0, 20, 50, 30 and their negatives (0.508, 1.27 and
    // 0.762 mm), lengths 20, 5, 10, 5, 20 in (508, 127, 254 mm), feet 3 and 4 moving 25 mils down
    // (0.635 mm) and 5 mils left (0.127 mm).
    void metricShowsMillimetresChangesNothingAndIsThereAgainAtTheNextStart() {
        MainWindowUnderTest t;
        frmDials& w = t.w();
        const MainWindowControls& c = w.controls();
        QVERIFY(c.optEU[0]->isChecked());
        c.chkTgrowth->click();  // the growth boxes and their caption
        const QStringList english = shownTexts(w);
        const ProjectRecord record = t.state.Project;
        t.state.Session.markSaved(t.state.Project);

        chooseUnits(w, 1);
        QCOMPARE(t.state.EngUnits, 1);
        QVERIFY(!t.state.Session.changed());
        QVERIFY(t.state.Project == record);
        // One of each kind of text (the unit tables themselves are the units' tests): a reading, a
        // length, a result line, a knob's scale.
        QCOMPARE(c.txtD1[2]->text(), QStringLiteral("1.27"));
        QCOMPARE(c.gridLength->item(0, 1)->text(), QStringLiteral("508.0"));
        QCOMPARE(c.lblAcalc1->text(), QStringLiteral("Machine Foot 3: move  0.635 mm  DOWN\r\n"
                                                     "Machine Foot 4: move  0.635 mm  DOWN"));
        QCOMPARE(c.cwkDial1[2]->maximum(), 2.0);
        // The graphs: the lines drawn in millimetres, their data still in mils.
        const auto red = c.Graph1->plotWidget()->findChild<QCPCurve*>(QStringLiteral("Plot-2"))->data();
        QCOMPARE(red->size(), 3);
        QVERIFY(qFuzzyCompare(red->at(0)->key, 1524.0) &&
                qFuzzyCompare(red->at(0)->value, 0.635));  // 60 in, 25 mils
        QCOMPARE(c.Graph1->lineData(ResultGraph::Line::MoveableMachine).y[0], 25.0f);

        // Back to English: every text as it was, still nothing changed.
        chooseUnits(w, 0);
        QCOMPARE(shownTexts(w), english);
        QVERIFY(!t.state.Session.changed());
        QVERIFY(t.state.Project == record);

        // Typed in millimetres: 0.50 at 3:00 and 500 for A are stored as the Singles nearest to
        // 19.685039 mils and 19.685039 in, and show as typed.
        chooseUnits(w, 1);
        typeInto(c.txtD1[1], QStringLiteral("0.50"));
        QCOMPARE(c.txtD1[1]->text(), QStringLiteral("0.50"));
        QCOMPARE(t.state.Project.dial1(0, 1), 19.685039f);
        QVERIFY(focusInActiveWindow(c.gridLength));
        c.gridEditor->setCurrentCell(0, 1);
        QTest::keyClicks(c.gridLength, QStringLiteral("5"));
        QTest::keyClicks(c.txtLength, QStringLiteral("00"));
        QTest::keyClick(c.txtLength, Qt::Key_Return);
        QCOMPARE(c.gridLength->item(0, 1)->text(), QStringLiteral("500.0"));
        QCOMPARE(t.state.Project.length(0, 0), 19.685039f);
        QVERIFY(t.state.Session.changed());
        QCOMPARE(c.lblAcalc2->text(), QStringLiteral("Machine Foot 3: move  0.125 mm  LEFT \r\n"
                                                     "Machine Foot 4: move  0.117 mm  LEFT "));
        // In English the same values read in mils and inches.
        chooseUnits(w, 0);
        QCOMPARE(c.txtD1[1]->text(), QStringLiteral("19.69"));
        QCOMPARE(c.gridLength->item(0, 1)->text(), QStringLiteral("19.69"));
        chooseUnits(w, 1);

        // The growth window in the same units: 10 in feet (254 mm), 144 F (62.22 C), a difference of
        // 72 F (40 C), steel's 4.68 mils (0.119 mm), a thermometer of whole steps of degrees Celsius.
        t.dialogs().driveModals([&](QDialog&) {
            const GrowthWindowTestAdapter g(*w.growthWindow());
            QCOMPARE(g.gridHeight()->item(1, 1)->text(), QStringLiteral("254.0"));
            QCOMPARE(g.gridGrowth()->item(0, 1)->text(), QStringLiteral("0.119"));
            QCOMPARE(g.txtHotT()->text(), QStringLiteral("62.22"));
            QCOMPARE(g.lblDeltaT()->text(), QStringLiteral("Delta T (\u00B0C): 40.00"));
            QCOMPARE(g.cwHotT()->maximum(), 100.0);
        });
        const ProjectRecord typed = t.state.Project;
        w.cmdGrowth_Click();
        QCOMPARE(t.dialogs().modalDialogs.last(), QStringLiteral("corvane::frmGrowth"));
        QVERIFY(t.state.Project == typed);

        // The tolerance window's span, offset and verdict in millimetres (A is 500 mm now, C still 10 in).
        t.dialogs().driveModals([&](QDialog&) {
            const ToleranceWindowTestAdapter tol(*w.toleranceWindow());
            QCOMPARE(tol.txtSpan()->text(), QStringLiteral("254.0"));
            QCOMPARE(tol.lblTolerance()->text(), QStringLiteral("Acceptable Offset:  0.106 mm"));
            QVERIFY(tol.lblVerdict()->accessibleDescription().contains(
                QStringLiteral("Vertical: offset 0.635 mm")));
        });
        w.cmdTolerances_Click();
        QCOMPARE(t.dialogs().modalDialogs.last(), QStringLiteral("corvane::frmTolerances"));
        // The rim-and-face face diameter.
        c.optAcalc[1]->click();
        QCOMPARE(c.txtMisc1->text(), QStringLiteral("254.0"));

        // Restarted on the same folder, the window comes up in metric.
        AppState again;
        again.Paths = t.state.Paths;
        frmDials restarted(again, t.dialogs());
        restarted.formLoad(false);
        QVERIFY(restarted.controls().optEU[1]->isChecked());
        QVERIFY(restarted.controls().lblAcalc1->text().contains(QStringLiteral(" mm  ")));
    }
};

QTEST_MAIN(MainUnitsTest)
#include "main_units_test.moc"
