// What the window shows, what it saves and what the command line reports from the saved file agree;
// the tolerance window and the status bar follow every input at once.

#include <QProcess>
#include <QTest>

#include "MainWindowTestSupport.h"
#include "WindowTestAdapters.h"
#include "ui/widgets/ElidedLabel.h"
#include "ui/widgets/MachineDrawing.h"

using namespace corvane;

namespace {

struct Run {
    int exitCode = -1;
    QString out, err;
};

// corvane-cli as a script runs it, in a session without XDG_RUNTIME_DIR (cron, sudo).
Run runCli(const QStringList& arguments) {
    QProcess cli;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    cli.setProcessEnvironment(environment);
    cli.start(QStringLiteral(CORVANE_CLI), arguments);
    if (!cli.waitForFinished(60000)) recordTestFailure(QStringLiteral("corvane-cli did not finish"));
    return {cli.exitCode(), QString::fromUtf8(cli.readAllStandardOutput()),
            QString::fromUtf8(cli.readAllStandardError())};
}

QString pdfText(const QString& pdf) {
    QProcess tool;
    tool.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!tool.waitForFinished(30000)) recordTestFailure(QStringLiteral("pdftotext did not finish"));
    return QString::fromUtf8(tool.readAllStandardOutput()).simplified();
}

// The calc command's text as the window shows the same job: both result labels, the verdict and the
// readings check's findings.
QString windowAsCalcText(const MainWindowControls& c) {
    QString text = c.lblAcalc1->text().remove(QLatin1Char('\r')) + QStringLiteral("\n\n") +
                   c.lblAcalc2->text().remove(QLatin1Char('\r')) + QStringLiteral("\n\n") +
                   c.lblVerdict->accessibleDescription() + QLatin1Char('\n');
    if (c.lblReadingsCheck->accessibleDescription() != QStringLiteral("Readings consistent"))
        text += c.lblReadingsCheck->toolTip() + QLatin1Char('\n');
    return text;
}

}  // namespace

class SavedJobTest : public QObject {
    Q_OBJECT
private slots:
    // Each method with its choices, saved from the window: calc prints what the window showed, and
    // the report names the options as the job's own.
    void theCommandLineReportsAJobAsTheWindowSavedIt() {
        const struct {
            int method, rotation, bracket;
            int growthBox;         // a growth box of the method's moveable machine
            QStringList reported;  // how the report names the method and its choice
        } cases[] = {
            {0, 1, 0, 3, {"Method Reverse Dial", "Rotation Half Rotation"}},
            {1, 0, 1, 3, {"Method Rim and Face", "Bracket side Moveable Machine: Bracket on the"}},
            {2, 0, 0, 2, {"Method Jack Shaft"}},
        };
        for (const auto& job : cases) {
            const QString name = job.reported.join(QStringLiteral(", "));
            MainWindowUnderTest t;
            const MainWindowControls& c = t.w().controls();
            c.optAcalc[job.method]->click();
            c.cmbRotation->setCurrentIndex(job.rotation);
            c.cmbFixMove->setCurrentIndex(job.bracket);
            c.chkTgrowth->click();
            typeInto(c.txtGro[job.growthBox], QStringLiteral("3"));
            c.chkTolerance->click();
            const QString file = t.env.folder.filePath(QStringLiteral("pump 12.qdl"));
            t.dialogs().saveFileAnswers.push_back(file);
            c.mnuFileSaveAs->trigger();
            QVERIFY2(!t.state.Session.changed(), qPrintable(name));

            const Run calc = runCli({QStringLiteral("calc"), file});
            QCOMPARE(calc.err, QString());
            QCOMPARE(calc.out, windowAsCalcText(c));

            const QString pdf = t.env.folder.filePath(QStringLiteral("pump 12.pdf"));
            const Run report = runCli({QStringLiteral("report"), file, QStringLiteral("-o"), pdf});
            QCOMPARE(report.err, QString());
            QCOMPARE(report.exitCode, 0);
            const QString text = pdfText(pdf);
            for (const QString& expected :
                 job.reported +
                     QStringList{QStringLiteral("Thermal growth Applied"),
                                 QStringLiteral("Options As saved with the job"),
                                 QStringLiteral("Tolerance band Shown on both graphs"),
                                 QStringLiteral("Verdict ") + c.lblVerdict->accessibleDescription()})
                QVERIFY2(text.contains(expected), qPrintable(name + ": " + expected + "\n" + text));
        }
    }

    // The tolerance window leads with the verdict's limits, names the span rule's figure for what it
    // is, and a new speed there is judged in the status bar at once; Escape closes it.
    void theToleranceWindowShowsTheVerdictsLimitsAndTheResultsFollowIt() {
        MainWindowUnderTest t;
        frmDials& w = t.w();
        const MainWindowControls& c = w.controls();
        QCOMPARE(c.lblVerdict->accessibleDescription(),
                 QStringLiteral("Alignment: Out of tolerance at 3600 rpm (short coupling)"));
        t.dialogs().driveModals([&](QDialog&) {
            const ToleranceWindowTestAdapter tol(*w.toleranceWindow());
            QCOMPARE(tol.lblLimits()->text(),
                     QStringLiteral("Limits of the verdict: 3600 rpm row, short coupling (speed 3600 rpm)\n"
                                    "Offset: excellent 1.0 mils, acceptable 1.5 mils\n"
                                    "Angle: excellent 0.2 mils/in, acceptable 0.3 mils/in"));
            QCOMPARE(tol.lblBandCaption()->text(),
                     QStringLiteral("Band on the graphs (span \u00D7 1500 / speed)"));
            QVERIFY(tol.cmdClose()->isVisible());

            typeInto(tol.txtRPM(), QStringLiteral("1800"));
            QCOMPARE(c.lblVerdict->accessibleDescription(),
                     QStringLiteral("Alignment: Out of tolerance at 1800 rpm (short coupling)"));
            QVERIFY(tol.lblLimits()->text().startsWith(
                QStringLiteral("Limits of the verdict: 1800 rpm row, short coupling (speed 1800 rpm)\n"
                               "Offset: excellent 2.0 mils, acceptable 3.0 mils")));

            // The coupling span is distance C: the window follows a new C at once.
            w.gridLength_Commit(2, QStringLiteral("13.5"));
            QCOMPARE(t.state.Project.Span, 13.5f);
            QCOMPARE(tol.txtSpan()->text(), QStringLiteral("13.50"));

            QTest::keyClick(tol.txtRPM(), Qt::Key_Escape);
            QVERIFY(!w.toleranceWindow()->isVisible());
        });
        c.cmdTolerances->click();
        QCOMPARE(t.dialogs().modalDialogs, QStringList{QStringLiteral("corvane::frmTolerances")});
    }

    // A finding longer than the status bar ends in "…" and keeps the whole sentence for the tool tip
    // and the screen reader. The rim-and-face bracket list says in words where the bracket and the
    // dials are; the drawing follows it, and every box of a length names its unit.
    void theWindowSaysWhatItMeans() {
        MainWindowUnderTest t;
        const MainWindowControls& c = t.w().controls();
        typeInto(c.txtMisc1, QStringLiteral("-2"));
        const QString sentence = QStringLiteral(
            "The sag is -2 mils, but a sagging bracket reads low and its correction is positive: enter 2.");
        QCOMPARE(c.lblReadingsCheck->accessibleDescription(), sentence);
        QCOMPARE(c.lblReadingsCheck->toolTip(), sentence);
        const QString shown = c.lblReadingsCheck->text();
        QVERIFY2(shown.endsWith(QChar(0x2026)) || shown.endsWith(QStringLiteral("enter 2.")),
                 qPrintable(shown));
        const QRect room = c.lblReadingsCheck->contentsRect();
        QVERIFY2(c.lblReadingsCheck->fontMetrics().horizontalAdvance(shown) <= room.width(),
                 qPrintable(QStringLiteral("%1 in %2 px").arg(shown).arg(room.width())));

        QVERIFY(!c.lblFixMove->isVisible());
        c.optAcalc[1]->click();
        QVERIFY(c.lblFixMove->isVisible());
        QCOMPARE(c.lblFixMove->text(),
                 QStringLiteral("Bracket on the moveable shaft,\ndials on the fixed half"));
        c.cmbFixMove->setCurrentIndex(1);
        QCOMPARE(c.lblFixMove->text(),
                 QStringLiteral("Bracket on the fixed shaft,\ndials on the moveable half"));
        QVERIFY(c.picRimFace2->isVisible() && !c.picRimFace1->isVisible());
        QCOMPARE(c.lblMisc1->text(), QStringLiteral("Face Dia (in)"));
        QCOMPARE(c.frameLength->title(), QStringLiteral("Length (in)"));
        c.optEU[1]->click();
        QCOMPARE(c.lblMisc1->text(), QStringLiteral("Face Dia (mm)"));
        QCOMPARE(c.frameLength->title(), QStringLiteral("Length (mm)"));
    }
};

QTEST_MAIN(SavedJobTest)
#include "saved_job_test.moc"
