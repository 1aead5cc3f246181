// Method, rotation and bracket-side choices with the layout each gives the window; the option boxes
// (stationary feet, thermal growth); the graph buttons, Reset and the option windows.

#include <QTest>
#include <functional>

#include "MainWindowTestSupport.h"
#include "ui/growth/frmGrowth.h"
#include "ui/widgets/ElidedLabel.h"
#include "ui/widgets/Knob.h"
#include "ui/widgets/MachineDrawing.h"
#include "ui/widgets/ResultGraph.h"

using namespace corvane;

namespace {

void compareRange(const YRange& actual, double min, double max) {
    QVERIFY2(std::abs(actual.min - min) < 1e-5 && std::abs(actual.max - max) < 1e-5,
             qPrintable(
                 QString("range %1..%2, expected %3..%4").arg(actual.min).arg(actual.max).arg(min).arg(max)));
}

}  // namespace

class MainMethodsTest : public QObject {
    Q_OBJECT
private slots:

    // The default job after one choice made on its control, with the texts the result labels must
    // show written out: a choice the window passes on wrongly (or not at all) shows other moves.
    void eachChoiceReachesTheResultLabels() {
        const struct {
            const char* choice;
            std::function<void(const MainWindowControls&)> make;
            QString vertical, horizontal;
        } cases[] = {
            {"half rotation", [](const MainWindowControls& c) { c.cmbRotation->setCurrentIndex(1); },
             "Machine Foot 3: move  10.00 mils  DOWN\r\nMachine Foot 4: move  10.00 mils  DOWN",
             "Machine Foot 3: move  10.00 mils  RIGHT\r\nMachine Foot 4: move  10.00 mils  RIGHT"},
            {"rim and face, bracket on the moveable machine",
             [](const MainWindowControls& c) {
                 QTest::mouseClick(c.optAcalc[1], Qt::LeftButton);
                 c.cmbFixMove->setCurrentIndex(1);
             },
             "NEAR Foot: move  1.000 mils  UP  \r\nFAR Foot:  move  3.000 mils  DOWN",
             {}},
            {"metric",
             [](const MainWindowControls& c) { QTest::mouseClick(c.optEU[1], Qt::LeftButton); },
             "Machine Foot 3: move  0.635 mm  DOWN\r\nMachine Foot 4: move  0.635 mm  DOWN",
             {}},
        };
        for (const auto& c : cases) {
            MainWindowUnderTest t;
            const MainWindowControls& controls = t.w().controls();
            c.make(controls);
            QCOMPARE(controls.lblAcalc1->text(), c.vertical);
            if (!c.horizontal.isEmpty()) QCOMPARE(controls.lblAcalc2->text(), c.horizontal);
        }
    }

    void eachMethodLaysOutTheWindowForItself() {
        const struct {
            int method;
            const char* drawing;
            QStringList gridValues;  // the method's own distances
            int reading;             // its own 3:00 reading of dial 1
        } cases[] = {
            {0, "picRevDial", {"20.00", "5.000", "10.00", "5.000", "20.00"}, 20},
            {1, "picRimFace1", {"20.00", "20.00"}, 10},
            {2, "picJackShaft", {"70.00", "30.00", "50.00"}, 5},
        };
        for (const auto& c : cases) {
            MainWindowUnderTest t;
            frmDials& w = t.w();
            // Start from another method so that every row is really applied.
            w.controls().optAcalc[(c.method + 1) % 3]->click();
            w.controls().optAcalc[c.method]->click();
            QCOMPARE(t.state.CalcMethod, c.method);
            for (MachineDrawing* picture : {w.controls().picRevDial, w.controls().picRimFace1,
                                            w.controls().picRimFace2, w.controls().picJackShaft})
                QCOMPARE(picture->isVisible(), picture->objectName() == c.drawing);
            QCOMPARE(w.controls().cmbFixMove->isVisible(), c.method == 1);
            for (QWidget* reverseOnly : std::initializer_list<QWidget*>{
                     w.controls().cmbRotation, w.controls().cmbMachine, w.controls().chkStation[0]})
                QCOMPARE(reverseOnly->isVisible(), c.method == 0);
            QCOMPARE(w.controls().gridLength->rowCount(), int(c.gridValues.size()));
            for (int row = 0; row < c.gridValues.size(); ++row) {
                QCOMPARE(w.controls().gridLength->item(row, 1)->text(), c.gridValues[row]);
            }
            QCOMPARE(w.controls().gridLength->currentRow(), 1);
            // Each method keeps its own readings.
            QCOMPARE(w.controls().txtD1[1]->text(), QString::number(c.reading));
            // One letter per distance, left to right, each in a break of the drawing's dimension line.
            const MachineDrawing* shown = w.findChild<MachineDrawing*>(c.drawing);
            const std::vector<int> gaps = MachineDrawing::gapCentres(shown->kind());
            std::vector<QLabel*> letters;
            for (QLabel* label : w.controls().lblLength)
                if (label->isVisible()) letters.push_back(label);
            std::sort(letters.begin(), letters.end(), [](QLabel* a, QLabel* b) { return a->x() < b->x(); });
            QCOMPARE(letters.size(), gaps.size());
            for (size_t i = 0; i < gaps.size(); ++i) {
                QCOMPARE(letters[i]->text(), QString(QChar('A' + int(i))));
                QCOMPARE(letters[i]->x() + letters[i]->width() / 2 - shown->x(), gaps[i]);
            }
        }
    }

    // Full -> Half -> Full: the half turn shows its dials zeroed at 9:00 without touching the job's
    // 9:00 readings, and the full turn comes back with them and its own moves.
    void switchingTheRotationKeepsTheNineOClockReadings() {
        MainWindowUnderTest t;
        frmDials& w = t.w();
        const MainWindowControls& c = w.controls();
        const QString fullHorizontal = c.lblAcalc2->text();
        const float nine1 = t.state.Project.dial1(0, 3), nine2 = t.state.Project.dial2(0, 3);
        QVERIFY(nine1 != 0 || nine2 != 0);

        c.cmbRotation->setCurrentIndex(1);
        for (QWidget* six : std::initializer_list<QWidget*>{c.txtD1[2], c.txtD2[2], c.cwkDial1[2],
                                                            c.cwkDial2[2], c.lblClock1[2], c.lblClock2[2]})
            QVERIFY2(!six->isVisible(), qPrintable(six->objectName()));
        QCOMPARE(c.txtD1[3]->text(), QStringLiteral("0"));
        QCOMPARE(c.txtD2[3]->text(), QStringLiteral("0"));
        QVERIFY(c.txtD1[3]->isReadOnly() && !c.cwkDial1[3]->isEnabled());
        QCOMPARE(c.cwkDial2[3]->value(), 0.0);
        QCOMPARE(t.state.Project.dial1(0, 3), nine1);
        QCOMPARE(t.state.Project.dial2(0, 3), nine2);
        QCOMPARE(c.lblAcalc1->text(), calculated(t).vertical);

        c.cmbRotation->setCurrentIndex(0);
        QCOMPARE(c.txtD1[3]->text(), QString::number(nine1));
        QVERIFY(!c.txtD1[3]->isReadOnly() && c.cwkDial1[3]->isEnabled());
        QCOMPARE(c.lblAcalc2->text(), fullHorizontal);
        QVERIFY(c.lblClock1[2]->isVisible());
        QCOMPARE(t.dialogs().messages, QStringList());

        // The rotation choice belongs to the reverse dial method.
        c.cmbRotation->setCurrentIndex(1);
        c.optAcalc[1]->click();
        QVERIFY(c.txtD1[2]->isVisible() && c.cwkDial2[2]->isVisible() && !c.txtD1[3]->isReadOnly());
        c.optAcalc[0]->click();
        QVERIFY(!c.txtD1[2]->isVisible() && !c.cwkDial2[2]->isVisible());
    }

    void switchingMethodKeepsEveryMethodsReadings() {
        MainWindowUnderTest t;
        frmDials& w = t.w();
        const ProjectRecord before = t.state.Project;
        // The 9:00 knobs still hold the reverse dial's 30 and -30 when the jack shaft is selected; its
        // own -1 and -1 must survive the switch.
        w.controls().optAcalc[2]->click();
        QCOMPARE(w.controls().txtD1[3]->text(), QStringLiteral("-1"));
        QCOMPARE(w.controls().cwkDial2[3]->value(), -1.0);
        w.controls().optAcalc[1]->click();
        w.controls().optAcalc[0]->click();
        QCOMPARE(t.state.Project.Dial1Reading, before.Dial1Reading);
        QCOMPARE(t.state.Project.Dial2Reading, before.Dial2Reading);
        QCOMPARE(w.controls().lblAcalc1->text(), calculated(t).vertical);
        QVERIFY(!t.state.Session.changed());
    }

    // Without a pair of stationary feet no moves stay on screen: both results say why, the moveable
    // line goes, there is no verdict, and no message interrupts the ticking of the feet.
    void stationaryFeetOtherThanAPairLeaveNoStaleResults() {
        MainWindowUnderTest t;
        frmDials& w = t.w();
        const MainWindowControls& c = w.controls();
        const QString why = QStringLiteral("No result: tick exactly two stationary feet");
        w.controls().chkStation[2]->click();
        QCOMPARE(t.state.Project.Station[2], std::int16_t(1));
        QCOMPARE(c.lblAcalc1->text(), why);
        QCOMPARE(c.lblAcalc2->text(), why);
        for (ResultGraph* graph : {c.Graph1, c.Graph2})
            QVERIFY(!graph->lineVisible(ResultGraph::Line::MoveableMachine));
        QCOMPARE(c.lblVerdict->accessibleDescription(),
                 QStringLiteral("No verdict: 2 stationary machine feet must be checked"));
        QVERIFY(t.state.Session.changed());

        c.chkStation[0]->click();  // feet 2 and 3 stationary
        QCOMPARE(c.lblAcalc1->text(), calculated(t).vertical);
        QCOMPARE(c.lblAcalc2->text(), calculated(t).horizontal);
        QVERIFY(c.Graph1->lineVisible(ResultGraph::Line::MoveableMachine));
        QCOMPARE(t.dialogs().messages, QStringList());

        // One foot only, then a reading typed: the results say why, and the message comes once.
        c.chkStation[1]->click();
        QCOMPARE(c.lblAcalc1->text(), why);
        typeInto(c.txtD1[1], QStringLiteral("22"));
        QCOMPARE(t.dialogs().messages,
                 QStringList{QStringLiteral(
                     "Aborting Reverse Dial calculations\r\nYou must check 2 stationary machine feet.")});
        QCOMPARE(c.lblAcalc2->text(), why);
    }

    void thermalGrowthBoxesFollowTheMethodAndCorrectTheMoves() {
        MainWindowUnderTest t;
        frmDials& w = t.w();
        for (QLineEdit* box : w.controls().txtGro) QVERIFY(!box->isVisible());
        w.controls().chkTgrowth->click();
        QVERIFY(w.currentView().growthOn);
        for (QLineEdit* box : w.controls().txtGro) QVERIFY(box->isVisible());
        t.state.Session.markSaved(t.state.Project);
        typeInto(w.controls().txtGro[2], QStringLiteral("3"));
        typeInto(w.controls().txtGro[3], QStringLiteral("5"));
        QCOMPARE(w.controls().txtGro[3]->text(), QStringLiteral("5.000"));
        QCOMPARE(w.controls().lblAcalc1->text(), calculated(t).vertical);
        // A corrected growth value is part of the job: the save prompt must come for it.
        QVERIFY(t.state.Session.changed());

        // The two-foot methods use the moveable machine's boxes only, and a correction reaches the
        // growth their calculations subtract.
        w.controls().optAcalc[1]->click();
        QVERIFY(!w.controls().txtGro[0]->isVisible() && !w.controls().txtGro[1]->isVisible());
        QVERIFY(w.controls().txtGro[2]->isVisible() && w.controls().txtGro[3]->isVisible());
        typeInto(w.controls().txtGro[3], QStringLiteral("3"));
        QCOMPARE(t.state.Project.growth(1, 1), 3.0f);
        QCOMPARE(t.state.Project.growth(1, 3), 3.0f);
        QCOMPARE(t.state.Project.growth(0, 3), 5.0f);

        w.controls().chkTgrowth->click();
        for (QLineEdit* box : w.controls().txtGro) QVERIFY(!box->isVisible());
    }

    // The graph buttons, the reset and the two option windows.
    void zoomButtonsScaleTheirOwnGraphAboutItsCentre() {
        MainWindowUnderTest t;
        frmDials& w = t.w();
        w.controls().Graph1->setYRange({-10, 10});
        w.controls().Graph2->setYRange({-10, 10});
        w.controls().cmdG1Dec->click();
        compareRange(w.controls().Graph1->yRange(), -8, 8);
        w.controls().cmdG1Inc->click();
        compareRange(w.controls().Graph1->yRange(), -9.6, 9.6);
        compareRange(w.controls().Graph2->yRange(), -10, 10);
        w.controls().cmdG2Inc->click();
        compareRange(w.controls().Graph2->yRange(), -12, 12);
        // Without AutoScale the user's range survives a recalculation.
        typeInto(w.controls().txtD1[2], QStringLiteral("40"));
        compareRange(w.controls().Graph1->yRange(), -9.6, 9.6);
    }

    void autoScaleFitsBothGraphsToTheResultsWhileItIsOn() {
        MainWindowUnderTest t;
        frmDials& w = t.w();
        w.controls().cmdScale->click();
        QVERIFY(w.currentView().autoScale);
        QCOMPARE(w.controls().cmdScale->palette().color(QPalette::Button), QColor(0x00, 0xFF, 0x00));
        QVERIFY(w.controls().Graph1->yAutoScale() && w.controls().Graph2->yAutoScale());
        compareRange(w.controls().Graph1->yRange(), -50, 50);  // largest move 25 mils
        compareRange(w.controls().Graph2->yRange(), -10, 10);  // largest move 5 mils
        // Zooming is allowed while on; the next calculation fits again.
        w.controls().cmdG1Dec->click();
        compareRange(w.controls().Graph1->yRange(), -40, 40);
        typeInto(w.controls().txtD1[2], QStringLiteral("40"));  // largest move 37.5 mils
        compareRange(w.controls().Graph1->yRange(), -50, 50);

        w.controls().cmdScale->click();
        QVERIFY(!w.currentView().autoScale);
        QCOMPARE(w.controls().cmdScale->palette().color(QPalette::Button), QColor(0xFF, 0xFF, 0xFF));
        w.controls().cmdG1Dec->click();
        typeInto(w.controls().txtD1[2], QStringLiteral("50"));
        compareRange(w.controls().Graph1->yRange(), -40, 40);
    }

    void resetClearsTheMeasuredDataOfEveryMethod() {
        MainWindowUnderTest t;
        frmDials& w = t.w();
        t.state.Project.Machine = "Pump 7";
        t.state.Project.Comments = "checked";
        t.state.Project.growth(2, 3) = 4;
        const auto lengths = t.state.Project.Length;
        const auto stations = t.state.Project.Station;
        // Asked first, with No the default: No keeps everything.
        const ProjectRecord before = t.state.Project;
        t.dialogs().yesNoAnswers = {false, true};
        w.controls().cmdReset->click();
        QCOMPARE(t.state.Project, before);
        QCOMPARE(t.dialogs().questions,
                 QStringList{QStringLiteral("Clear all readings, names and growth values of this project?")});
        QCOMPARE(t.dialogs().yesNoDefaults,
                 std::vector<DialogProvider::Default>{DialogProvider::Default::No});
        w.controls().cmdReset->click();
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
        QCOMPARE(w.controls().lblAcalc1->text(), calculated(t).vertical);
        // The readings are gone from the job: it is changed, and one undo brings them back.
        QVERIFY(t.state.Session.changed());
        w.controls().mnuEditUndo->trigger();
        QCOMPARE(t.state.Project.dial1(0, 1), 20.0f);
    }

    void growthWindowIsPreparedShownAndFollowedByARecalculation() {
        MainWindowUnderTest t;
        frmDials& w = t.w();
        w.controls().chkTgrowth->click();
        // The growth window applies 3 and 5 mils to the moveable feet while it is open.
        t.dialogs().onModal = [&t](QDialog&) {
            t.state.Project.growth(0, 2) = 3;
            t.state.Project.growth(0, 3) = 5;
            return int(QDialog::Accepted);
        };
        w.controls().cmdGrowth->click();
        QCOMPARE(t.dialogs().modalDialogs, QStringList{QStringLiteral("corvane::frmGrowth")});
        const QString grown = w.controls().lblAcalc1->text();
        QCOMPARE(grown, calculated(t).vertical);
        // Its Apply shows the new values in the growth boxes.
        emit w.growthWindow()->growthApplied();
        QCOMPARE(w.controls().txtGro[3]->text(), QStringLiteral("5.000"));

        // The Options menu opens the tolerance window.
        t.dialogs().onModal = {};
        w.controls().mnuTolerance->trigger();
        QCOMPARE(t.dialogs().modalDialogs.last(), QStringLiteral("corvane::frmTolerances"));
    }
};

QTEST_MAIN(MainMethodsTest)
#include "main_methods_test.moc"
