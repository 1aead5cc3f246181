// The graph buttons (zoom and automatic scaling) and the reset of all measured data.

#include <QTest>

#include "MainWindowTestSupport.h"
#include "ui/growth/frmGrowth.h"
#include "ui/widgets/ResultGraph.h"

using namespace corvane;

namespace {

void compareRange(const YRange& actual, double min, double max) {
    QVERIFY2(std::abs(actual.min - min) < 1e-5 && std::abs(actual.max - max) < 1e-5,
             qPrintable(
                 QString("range %1..%2, expected %3..%4").arg(actual.min).arg(actual.max).arg(min).arg(max)));
}

}  // namespace

class MainResultsTest : public QObject {
    Q_OBJECT
private slots:

    void zoomButtonsScaleTheirOwnGraphAboutItsCentre() {
        MainWindowUnderTest t;
        frmDials& w = t.w();
        w.Graph1->setYRange({-10, 10});
        w.Graph2->setYRange({-10, 10});
        w.cmdG1Dec->click();
        compareRange(w.Graph1->yRange(), -8, 8);
        w.cmdG1Inc->click();
        compareRange(w.Graph1->yRange(), -9.6, 9.6);
        compareRange(w.Graph2->yRange(), -10, 10);
        w.cmdG2Inc->click();
        compareRange(w.Graph2->yRange(), -12, 12);
        // Without automatic scaling the user's zoom survives a recalculation.
        typeInto(w.txtD1[2], QStringLiteral("40"));
        compareRange(w.Graph1->yRange(), -9.6, 9.6);
    }

    void autoScaleFitsBothGraphsToTheResultsWhileItIsOn() {
        MainWindowUnderTest t;
        frmDials& w = t.w();
        w.cmdScale->click();
        QVERIFY(w.AutoScale);
        QCOMPARE(w.cmdScale->palette().color(QPalette::Button), QColor(0x00, 0xFF, 0x00));
        QVERIFY(w.Graph1->yAutoScale() && w.Graph2->yAutoScale());
        compareRange(w.Graph1->yRange(), -50, 50);  // largest move 25 mils
        compareRange(w.Graph2->yRange(), -10, 10);  // largest move 5 mils
        // Zooming is allowed while on; the next calculation fits again.
        w.cmdG1Dec->click();
        compareRange(w.Graph1->yRange(), -40, 40);
        typeInto(w.txtD1[2], QStringLiteral("40"));  // largest move 37.5 mils
        compareRange(w.Graph1->yRange(), -50, 50);

        w.cmdScale->click();
        QVERIFY(!w.AutoScale);
        QCOMPARE(w.cmdScale->palette().color(QPalette::Button), QColor(0xFF, 0xFF, 0xFF));
        w.cmdG1Dec->click();
        typeInto(w.txtD1[2], QStringLiteral("50"));
        compareRange(w.Graph1->yRange(), -40, 40);
    }

    void resetClearsTheMeasuredDataOfEveryMethod() {
        MainWindowUnderTest t;
        frmDials& w = t.w();
        t.state.Project.Machine = "Pump 7";
        t.state.Project.Comments = "checked";
        t.state.Project.growth(2, 3) = 4;
        const auto lengths = t.state.Project.Length;
        const auto stations = t.state.Project.Station;
        w.cmdReset->click();
        const ProjectRecord& r = t.state.Project;
        QCOMPARE(r.Dial1Reading, decltype(r.Dial1Reading){});
        QCOMPARE(r.Dial2Reading, decltype(r.Dial2Reading){});
        QCOMPARE(r.Growth, decltype(r.Growth){});
        QCOMPARE(r.FootHeight, decltype(r.FootHeight){});
        QCOMPARE(r.HotTemp, (std::array<float, 4>{72, 72, 72, 72}));
        QCOMPARE(r.ColdTemp, r.HotTemp);
        QCOMPARE(r.Length, lengths);
        QCOMPARE(r.Station, stations);
        QCOMPARE(r.RPM, 0.0f);
        QCOMPARE(r.Span, 10.0f);  // the refresh takes the span from the geometry again
        QCOMPARE(t.state.Tolerance, 0.0f);
        QVERIFY(r.Machine.empty() && r.Comments.empty());
        QCOMPARE(
            w.lblAcalc1->text(),
            QStringLiteral("Machine Foot 3: move  0.00 mils  UP  \r\nMachine Foot 4: move  0.00 mils  UP  "));
        QVERIFY(!t.state.Changed);
    }

    void growthWindowIsPreparedShownAndFollowedByARecalculation() {
        MainWindowUnderTest t;
        frmDials& w = t.w();
        w.chkTgrowth->click();
        // The growth window applies 3 and 5 mils to the moveable feet while it is open.
        t.dialogs().onModal = [&t](QDialog&) {
            t.state.Project.growth(0, 2) = 3;
            t.state.Project.growth(0, 3) = 5;
            return int(QDialog::Accepted);
        };
        w.cmdGrowth->click();
        QCOMPARE(t.dialogs().modalDialogs, QStringList{QStringLiteral("corvane::frmGrowth")});
        const QString grown = QStringLiteral(
            "Machine Foot 3: move  28.00 mils  DOWN\r\nMachine Foot 4: move  30.00 mils  DOWN");
        QCOMPARE(w.lblAcalc1->text(), grown);
        // Its Apply shows the new values in the growth boxes.
        emit w.growthWindow()->growthApplied();
        QCOMPARE(w.txtGro[3]->text(), QStringLiteral("5.000"));

        // The tolerance window is shown without a recalculation afterwards.
        t.dialogs().onModal = [&t](QDialog&) {
            t.state.Project.dial1(0, 2) = 40;
            return int(QDialog::Rejected);
        };
        w.mnuTolerance->trigger();
        QCOMPARE(t.dialogs().modalDialogs.last(), QStringLiteral("corvane::frmTolerances"));
        QCOMPARE(w.lblAcalc1->text(), grown);
    }
};

QTEST_MAIN(MainResultsTest)
#include "main_results_test.moc"
