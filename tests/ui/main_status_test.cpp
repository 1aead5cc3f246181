// The readings check and the verdict in the main window's status bar, and the boxes a finding marks.

#include "MainWindowTestSupport.h"
#include "ui/widgets/ElidedLabel.h"

using namespace corvane;

namespace {

bool marked(const QLineEdit* box) { return box->property("corvaneFinding").toBool(); }

}  // namespace

class MainStatusTest : public QObject {
    Q_OBJECT
private slots:
    // A 6:00 reading that breaks 12:00 + 6:00 = 3:00 + 9:00 is flagged where it was typed and in the
    // bar, in the units shown; fixed, the bar says the readings are consistent; levelled, the verdict turns.
    void aBadReadingIsFlaggedThenTheVerdictTurns() {
        MainWindowUnderTest t;
        const MainWindowControls& c = t.w().controls();
        QCOMPARE(c.lblReadingsCheck->fullText(), QStringLiteral("\u2714 Readings consistent"));
        // The default job is 25 mils out at the coupling at 3600 rpm.
        QCOMPARE(c.lblVerdict->fullText(),
                 QStringLiteral("\u2716 Alignment: Out of tolerance at 3600 rpm (short coupling)"));

        typeInto(c.txtD1[2], QStringLiteral("70"));
        const QString finding = QStringLiteral(
            "Dial 1: 12:00 + 6:00 = 70 but 3:00 + 9:00 = 50 (20.0 mils apart): take the readings again.");
        QCOMPARE(c.lblReadingsCheck->fullText(), QStringLiteral("\u26A0 ") + finding);
        QCOMPARE(c.lblReadingsCheck->toolTip(), finding);
        for (int p = 0; p < 4; ++p) {
            QVERIFY(marked(c.txtD1[p]));
            QVERIFY(c.txtD1[p]->toolTip().startsWith(finding + QLatin1Char('\n')));
            QVERIFY(!marked(c.txtD2[p]));
        }
        // Told again in millimetres at once, in the bar and on its box.
        c.optEU[1]->click();
        QVERIFY(c.lblReadingsCheck->fullText().contains(QStringLiteral("mm")));
        QVERIFY(!c.lblReadingsCheck->fullText().contains(QStringLiteral("mils")));
        QVERIFY(c.txtD1[2]->toolTip().contains(QStringLiteral("mm")));
        c.optEU[0]->click();

        typeInto(c.txtD1[2], QStringLiteral("50"));
        QCOMPARE(c.lblReadingsCheck->fullText(), QStringLiteral("\u2714 Readings consistent"));
        QVERIFY(!marked(c.txtD1[2]));
        QCOMPARE(
            c.txtD1[2]->toolTip(),
            QStringLiteral("Dial 1 at 6:00: half of it, with half the sag, is the vertical offset at this "
                           "dial. Plunger in reads +."));
        // Both dials level: nothing to move, and the alignment is excellent.
        for (QLineEdit* box : {c.txtD1[1], c.txtD1[2], c.txtD1[3], c.txtD2[1], c.txtD2[2], c.txtD2[3]})
            typeInto(box, QStringLiteral("0"));
        QVERIFY(c.lblVerdict->fullText().startsWith(QStringLiteral("\u2714 Alignment: Excellent")));
    }

    // Without a speed the bar says why there is no verdict; a negative sag marks the sag box.
    void noVerdictSaysWhyAndTheSagBoxIsMarked() {
        MainWindowUnderTest t;
        const MainWindowControls& c = t.w().controls();
        t.state.Project.RPM = 0;
        t.state.Project.Sag = -3;
        t.w().refreshAll();
        QCOMPARE(c.lblVerdict->fullText(), QStringLiteral("\u2013 No verdict: the speed is 0"));
        QVERIFY(marked(c.txtMisc1));
        QVERIFY(c.txtMisc1->toolTip().contains(QStringLiteral("enter 3")));
        QVERIFY(c.lblReadingsCheck->fullText().startsWith(QStringLiteral("\u26A0 The sag is -3")));
    }
};

QTEST_MAIN(MainStatusTest)
#include "main_status_test.moc"
