// Method, rotation and bracket-side choices with the layout each gives the window; the option boxes
// (stationary feet, thermal growth); the graph buttons, Reset and the option windows.

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
            QStringList gridValues;     // the method's own distances
            int reading, nine1, nine2;  // its own 3:00 and 9:00 readings of dial 1, 9:00 of dial 2
        } cases[] = {
            {0, "picRevDial", {"20.00", "5.000", "10.00", "5.000", "20.00"}, 20, 30, -30},
            {1, "picRimFace1", {"20.00", "20.00"}, 10, 0, 0},
            {2, "picJackShaft", {"70.00", "30.00", "50.00"}, 5, -1, -1},
        };
        for (const auto& k : cases) {
            MainWindowUnderTest t;
            frmDials& w = t.w();
            const MainWindowControls& c = w.controls();
            const ProjectRecord before = t.state.Project;
            // Start from another method so that every row is really applied.
            c.optAcalc[(k.method + 1) % 3]->click();
            c.optAcalc[k.method]->click();
            QCOMPARE(t.state.CalcMethod, k.method);
            for (MachineDrawing* picture : {c.picRevDial, c.picRimFace1, c.picRimFace2, c.picJackShaft})
                QCOMPARE(picture->isVisible(), picture->objectName() == k.drawing);
            QCOMPARE(c.cmbFixMove->isVisible(), k.method == 1);
            for (QWidget* reverseOnly :
                 std::initializer_list<QWidget*>{c.cmbRotation, c.cmbMachine, c.chkStation[0]})
                QCOMPARE(reverseOnly->isVisible(), k.method == 0);
            QCOMPARE(c.gridLength->rowCount(), int(k.gridValues.size()));
            for (int row = 0; row < k.gridValues.size(); ++row)
                QCOMPARE(c.gridLength->item(row, 1)->text(), k.gridValues[row]);
            QCOMPARE(c.gridLength->currentRow(), 1);
            // Each method keeps its own readings: the knobs still hold the last method's on the switch.
            QCOMPARE(c.txtD1[1]->text(), QString::number(k.reading));
            QCOMPARE(c.txtD1[3]->text(), QString::number(k.nine1));
            QCOMPARE(c.cwkDial2[3]->value(), double(k.nine2));
            QCOMPARE(t.state.Project.Dial1Reading, before.Dial1Reading);
            QCOMPARE(t.state.Project.Dial2Reading, before.Dial2Reading);
            QVERIFY(!t.state.Session.changed());
            // One letter per distance, left to right, each in a break of the drawing's dimension line.
            const MachineDrawing* shown = w.findChild<MachineDrawing*>(k.drawing);
            const std::vector<int> gaps = MachineDrawing::gapCentres(shown->kind());
            std::vector<QLabel*> letters;
            for (QLabel* label : c.lblLength)
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
        const MainWindowControls& c = t.w().controls();

        c.cmbRotation->setCurrentIndex(1);
        for (QWidget* six : std::initializer_list<QWidget*>{c.txtD1[2], c.txtD2[2], c.cwkDial1[2],
                                                            c.cwkDial2[2], c.lblClock1[2], c.lblClock2[2]})
            QVERIFY2(!six->isVisible(), qPrintable(six->objectName()));
        QCOMPARE(c.txtD1[3]->text(), QStringLiteral("0"));
        QCOMPARE(c.txtD2[3]->text(), QStringLiteral("0"));
        QVERIFY(c.txtD1[3]->isReadOnly() && !c.cwkDial1[3]->isEnabled());
        QCOMPARE(c.cwkDial2[3]->value(), 0.0);
        QCOMPARE(t.state.Project.dial1(0, 3), 30.0f);
        QCOMPARE(t.state.Project.dial2(0, 3), -30.0f);

        c.cmbRotation->setCurrentIndex(0);
        QCOMPARE(c.txtD1[3]->text(), QStringLiteral("30"));
        QVERIFY(!c.txtD1[3]->isReadOnly() && c.cwkDial1[3]->isEnabled());
        QCOMPARE(c.lblAcalc2->text(), kDefaultHorizontal);
        QVERIFY(c.lblClock1[2]->isVisible());
        QCOMPARE(t.dialogs().messages, QStringList());

        // The rotation choice belongs to the reverse dial method.
        c.cmbRotation->setCurrentIndex(1);
        c.optAcalc[1]->click();
        QVERIFY(c.txtD1[2]->isVisible() && c.cwkDial2[2]->isVisible() && !c.txtD1[3]->isReadOnly());
        c.optAcalc[0]->click();
        QVERIFY(!c.txtD1[2]->isVisible() && !c.cwkDial2[2]->isVisible());
    }

    // Without a pair of stationary feet no moves stay on screen: both results say why, the moveable
    // line goes, there is no verdict, and no message interrupts the ticking of the feet.
    void stationaryFeetOtherThanAPairLeaveNoStaleResults() {
        MainWindowUnderTest t;
        const MainWindowControls& c = t.w().controls();
        const QString why = QStringLiteral("No result: tick exactly two stationary feet");
        c.chkStation[2]->click();
        QCOMPARE(t.state.Project.Station[2], std::int16_t(1));
        QCOMPARE(c.lblAcalc1->text(), why);
        QCOMPARE(c.lblAcalc2->text(), why);
        for (ResultGraph* graph : {c.Graph1, c.Graph2})
            QVERIFY(!graph->lineVisible(ResultGraph::Line::MoveableMachine));
        QCOMPARE(c.lblVerdict->accessibleDescription(),
                 QStringLiteral("No verdict: 2 stationary machine feet must be checked"));
        QVERIFY(t.state.Session.changed());

        c.chkStation[0]->click();  // feet 2 and 3 stationary
        QCOMPARE(c.lblAcalc1->text(), QStringLiteral("Machine Foot 1: move  25.00 mils  DOWN\r\n"
                                                     "Machine Foot 4: move  25.00 mils  UP  "));
        QCOMPARE(c.lblAcalc2->text(), QStringLiteral("Machine Foot 1: move  5.000 mils  LEFT \r\n"
                                                     "Machine Foot 4: move  5.000 mils  RIGHT"));
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
        const MainWindowControls& c = w.controls();
        for (QLineEdit* box : c.txtGro) QVERIFY(!box->isVisible());
        c.chkTgrowth->click();
        QVERIFY(w.currentView().growthOn);
        for (QLineEdit* box : c.txtGro) QVERIFY(box->isVisible());
        t.state.Session.markSaved(t.state.Project);
        typeInto(c.txtGro[2], QStringLiteral("3"));
        typeInto(c.txtGro[3], QStringLiteral("5"));
        QCOMPARE(c.txtGro[3]->text(), QStringLiteral("5.000"));
        QCOMPARE(c.lblAcalc1->text(), QStringLiteral("Machine Foot 3: move  28.00 mils  DOWN\r\n"
                                                     "Machine Foot 4: move  30.00 mils  DOWN"));
        // A corrected growth value is part of the job: the save prompt must come for it.
        QVERIFY(t.state.Session.changed());
        // The growth window takes them off again while it is open; its Apply shows them in the boxes.
        t.dialogs().onModal = [&t](QDialog&) {
            t.state.Project.growth(0, 2) = 0;
            t.state.Project.growth(0, 3) = 0;
            return int(QDialog::Accepted);
        };
        c.cmdGrowth->click();
        QCOMPARE(t.dialogs().modalDialogs, QStringList{QStringLiteral("corvane::frmGrowth")});
        QCOMPARE(c.lblAcalc1->text(), kDefaultVertical);
        emit w.growthWindow()->growthApplied();
        QCOMPARE(c.txtGro[3]->text(), QStringLiteral("0.00"));

        // Rim and face uses the moveable machine's boxes only, and a correction reaches its own growth.
        c.optAcalc[1]->click();
        QVERIFY(!c.txtGro[0]->isVisible() && !c.txtGro[1]->isVisible());
        QVERIFY(c.txtGro[2]->isVisible() && c.txtGro[3]->isVisible());
        typeInto(c.txtGro[3], QStringLiteral("3"));
        QCOMPARE(t.state.Project.growth(1, 1), 3.0f);
        QCOMPARE(t.state.Project.growth(1, 3), 3.0f);
        QCOMPARE(t.state.Project.growth(0, 3), 0.0f);

        c.chkTgrowth->click();
        for (QLineEdit* box : c.txtGro) QVERIFY(!box->isVisible());
        // The Options menu opens the tolerance window.
        t.dialogs().onModal = {};
        c.mnuTolerance->trigger();
        QCOMPARE(t.dialogs().modalDialogs.last(), QStringLiteral("corvane::frmTolerances"));
    }

    // The zoom buttons scale their own graph about its centre; AutoScale fits both graphs to the
    // results at every calculation while it is on; off, the user's range survives a calculation.
    void zoomButtonsAndAutoScaleSetTheGraphRanges() {
        MainWindowUnderTest t;
        frmDials& w = t.w();
        const MainWindowControls& c = w.controls();
        c.Graph1->setYRange({-10, 10});
        c.Graph2->setYRange({-10, 10});
        c.cmdG1Dec->click();
        compareRange(c.Graph1->yRange(), -8, 8);
        c.cmdG1Inc->click();
        compareRange(c.Graph1->yRange(), -9.6, 9.6);
        compareRange(c.Graph2->yRange(), -10, 10);
        c.cmdG2Inc->click();
        compareRange(c.Graph2->yRange(), -12, 12);
        typeInto(c.txtD1[2], QStringLiteral("40"));
        compareRange(c.Graph1->yRange(), -9.6, 9.6);

        c.cmdScale->click();
        QVERIFY(w.currentView().autoScale);
        QCOMPARE(c.cmdScale->palette().color(QPalette::Button), QColor(0x00, 0xFF, 0x00));
        QVERIFY(c.Graph1->yAutoScale() && c.Graph2->yAutoScale());
        compareRange(c.Graph1->yRange(), -50, 50);  // largest move 37.5 mils
        compareRange(c.Graph2->yRange(), -10, 10);  // largest move 5 mils
        // Zooming is allowed while on; the next calculation fits again.
        c.cmdG1Dec->click();
        compareRange(c.Graph1->yRange(), -40, 40);
        typeInto(c.txtD1[2], QStringLiteral("50"));  // largest move 25 mils
        compareRange(c.Graph1->yRange(), -50, 50);

        c.cmdScale->click();
        QVERIFY(!w.currentView().autoScale);
        QCOMPARE(c.cmdScale->palette().color(QPalette::Button), QColor(0xFF, 0xFF, 0xFF));
        c.cmdG1Dec->click();
        typeInto(c.txtD1[2], QStringLiteral("40"));
        compareRange(c.Graph1->yRange(), -40, 40);
    }

    void resetClearsTheMeasuredDataOfEveryMethod() {
        MainWindowUnderTest t;
        const MainWindowControls& c = t.w().controls();
        t.state.Project.Machine = "Pump 7";
        t.state.Project.Comments = "checked";
        t.state.Project.growth(2, 3) = 4;
        // Asked first, with No the default: No keeps everything.
        const ProjectRecord before = t.state.Project;
        t.dialogs().yesNoAnswers = {false, true};
        c.cmdReset->click();
        QCOMPARE(t.state.Project, before);
        QCOMPARE(t.dialogs().questions,
                 QStringList{QStringLiteral("Clear all readings, names and growth values of this project?")});
        QCOMPARE(t.dialogs().yesNoDefaults,
                 std::vector<DialogProvider::Default>{DialogProvider::Default::No});
        c.cmdReset->click();
        const ProjectRecord& r = t.state.Project;
        QCOMPARE(r.Dial1Reading, decltype(r.Dial1Reading){});
        QCOMPARE(r.Dial2Reading, decltype(r.Dial2Reading){});
        QCOMPARE(r.Growth, decltype(r.Growth){});
        QCOMPARE(r.FootHeight, decltype(r.FootHeight){});
        QCOMPARE(r.HotTemp, (std::array<float, 4>{72, 72, 72, 72}));
        QCOMPARE(r.ColdTemp, r.HotTemp);
        QCOMPARE(r.Length, before.Length);
        QCOMPARE(r.Station, before.Station);
        QCOMPARE(r.RPM, 0.0f);
        QCOMPARE(r.Span, 10.0f);  // the refresh takes the span from the geometry again
        QCOMPARE(t.state.Tolerance, 0.0f);
        QVERIFY(r.Machine.empty() && r.Comments.empty());
        QCOMPARE(c.lblAcalc1->text(), QStringLiteral("Machine Foot 3: move  0.00 mils  UP  \r\n"
                                                     "Machine Foot 4: move  0.00 mils  UP  "));
        // The readings are gone from the job: it is changed, and one undo brings them back.
        QVERIFY(t.state.Session.changed());
        c.mnuEditUndo->trigger();
        QCOMPARE(t.state.Project.dial1(0, 1), 20.0f);
    }
};

QTEST_MAIN(MainMethodsTest)
#include "main_methods_test.moc"
