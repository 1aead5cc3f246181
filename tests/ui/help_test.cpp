// Guidance where the readings are typed, the rim-and-face sag box, the manual, the worked examples
// and the about window.

#include <QListWidget>
#include <QScopeGuard>
#include <QTest>

#include "MainWindowTestSupport.h"
#include "project/RimFaceSag.h"
#include "ui/about/frmAbout.h"
#include "ui/growth/frmGrowth.h"
#include "ui/help/ManualWindow.h"
#include "ui/tolerance/frmTolerances.h"

using namespace corvane;

class HelpTest : public QObject {
    Q_OBJECT
private slots:

    // Each method and rotation names the dial, the position and the zero in the reading boxes (the
    // reverse dial's full turn: the readings check's test). The rim-and-face sag is typed in its own
    // box, shown for rim and face only, kept in ReservedText apart from the reverse dial's sag, and
    // moves the vertical result; one undo takes it back out.
    void readingBoxesSayWhatTheyMeanAndTheRimSagHasItsOwnBox() {
        MainWindowUnderTest t;
        const MainWindowControls& c = t.w().controls();
        QVERIFY(!c.txtRimSag->isVisible());
        const struct {
            const char* name;
            int method, rotation;
            QString note, tipDial1At6, tipDial2At12;
        } cases[] = {
            {"reverse dial, half turn", 0, 1, "Zero: 9:00\nPlunger in: +",
             "Dial 1 at 6:00: not read on a half turn. Plunger in reads +.",
             "Dial 2 at 12:00: half the 3:00 reading minus this one, with half the sag, is the vertical "
             "offset. Plunger in reads +."},
            {"rim and face", 1, 0, "Zero: 12:00\nPlunger in: +",
             "Rim at 6:00: half of it, with half the sag, is the vertical offset at the coupling. Plunger in "
             "reads +.",
             "Face at 12:00: the zero: set the dial to 0 here before turning. Plunger in reads +."},
        };
        for (const auto& k : cases) {
            c.optAcalc[k.method]->click();
            if (k.method == 0) c.cmbRotation->setCurrentIndex(k.rotation);
            QVERIFY2(c.lblZero[0]->text() == k.note && c.lblZero[1]->text() == k.note, k.name);
            QCOMPARE(c.txtD1[2]->toolTip(), k.tipDial1At6);
            QCOMPARE(c.txtD2[0]->toolTip(), k.tipDial2At12);
        }

        QVERIFY(c.txtRimSag->isVisible());
        QCOMPARE(c.txtRimSag->text(), QStringLiteral("0"));
        typeInto(c.txtRimSag, QStringLiteral("4"), false);
        tabOut(c.txtRimSag);
        QCOMPARE(rimFaceSag(t.state.Project), 4.0f);
        QCOMPARE(t.state.Project.Sag, 0.0f);
        QVERIFY(t.state.Session.changed());
        // The default job with a sag of 4: the half rim reading is 7 instead of 5.
        QCOMPARE(c.lblAcalc1->text(),
                 QStringLiteral("NEAR Foot: move  11.00 mils  DOWN\r\nFAR Foot:  move  15.00 mils  DOWN"));
        QTRY_VERIFY(c.mnuEditUndo->isEnabled());
        c.mnuEditUndo->trigger();
        QCOMPARE(rimFaceSag(t.state.Project), 0.0f);
        QCOMPARE(c.txtRimSag->text(), QStringLiteral("0"));
        c.optAcalc[0]->click();
        QVERIFY(!c.txtRimSag->isVisible());
    }

    // What's This has a sentence for every control a technician types into or chooses with, in the
    // main window and in the growth and tolerance windows; F1 opens the manual at the section of the
    // box with the keyboard, and search lists the pages that hold every word.
    void theHelpMenuAndKeysGuideTheUser() {
        MainWindowUnderTest t;
        const MainWindowControls& c = t.w().controls();
        QList<QWidget*> controls = t.w().findChildren<QWidget*>();
        controls += t.w().growthWindow()->findChildren<QWidget*>();
        controls += t.w().toleranceWindow()->findChildren<QWidget*>();
        for (QWidget* w : controls) {
            const bool input = qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractButton*>(w) ||
                               qobject_cast<QComboBox*>(w) || qobject_cast<QTableWidget*>(w);
            if (!input || w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_")))
                continue;
            QVERIFY2(!w->whatsThis().isEmpty(), qPrintable(w->objectName()));
        }

        focusInActiveWindow(c.txtD1[1]);
        QTest::keyClick(c.txtD1[1], Qt::Key_F1);
        auto* manual = t.w().findChild<ManualWindow*>(QStringLiteral("frmManual"));
        QVERIFY(manual && manual->isVisible());
        QCOMPARE(manual->browser()->source().fileName(), QStringLiteral("readings.html"));
        QVERIFY(manual->browser()->toPlainText().contains(QStringLiteral("12:00 + 6:00 = 3:00 + 9:00")));

        manual->searchBox()->setText(QStringLiteral("sag pipe"));
        QStringList found;
        for (int i = 0; i < manual->contents()->count(); ++i) found << manual->contents()->item(i)->text();
        QCOMPARE(found, (QStringList{QStringLiteral("Measuring bar sag")}));
        manual->searchBox()->setText(QStringLiteral("no such words anywhere"));
        QCOMPARE(manual->contents()->item(0)->text(), QStringLiteral("Nothing found"));

        // A worked example comes as a new job without a file; saving it asks for a name instead of
        // writing over the job that was open.
        const QByteArray before = fileBytes(t.defaultProject());
        c.mnuExample[1]->trigger();
        QVERIFY(c.optAcalc[1]->isChecked());
        QCOMPARE(t.state.Project.Machine, std::string("Worked example: rim and face"));
        QVERIFY(t.state.CurrentFile.empty());
        QVERIFY(t.state.Session.changed());
        QCOMPARE(c.txtRimSag->text(), QStringLiteral("2"));
        QCOMPARE(c.lblAcalc1->text(),
                 QStringLiteral("NEAR Foot: move  11.00 mils  DOWN\r\nFAR Foot:  move  26.00 mils  DOWN"));

        const QString saved = t.env.folder.filePath(QStringLiteral("example.qdl"));
        t.dialogs().saveFileAnswers.push_back(saved);
        c.mnuFileSave->trigger();
        QCOMPARE(fileBytes(t.defaultProject()), before);
        QCOMPARE(readBack(saved).Machine, std::string("Worked example: rim and face"));
        QCOMPARE(t.state.CurrentFile, saved.toStdString());
        QVERIFY(!t.state.Session.changed());
    }

    // Enter means OK even with the focus on System Info, which it must not start; a click with no
    // information tool on the PATH still gives the user the essentials, in a message.
    void systemInfoAnswersAClickButNotEnter() {
        QTemporaryDir emptyBin;
        const QByteArray oldPath = qgetenv("PATH");
        const auto restorePath = qScopeGuard([&] { qputenv("PATH", oldPath); });
        qputenv("PATH", emptyBin.path().toLocal8Bit());
        ScriptedDialogs dialogs;
        frmAbout about(nullptr, &dialogs);
        about.setProperty(kScriptedDialogProperty, true);
        about.setResult(-1);
        about.show();
        QVERIFY(QTest::qWaitForWindowActive(&about));
        about.systemInfoButton()->setFocus();
        QTest::keyClick(about.systemInfoButton(), Qt::Key_Return);
        QCOMPARE(about.result(), int(QDialog::Accepted));
        QVERIFY(!about.isVisible());
        QVERIFY2(dialogs.messages.isEmpty(), "Enter started System Info");

        about.systemInfoButton()->click();
        QCOMPARE(dialogs.messages.size(), 1);
        const QString text = dialogs.messages.front();
        const QString head = "Operating system: " + QSysInfo::prettyProductName() +
                             "\nProcessor: " + QSysInfo::currentCpuArchitecture();
        QVERIFY2(text.startsWith(head) && text.endsWith("\nQt version: " + QString(qVersion())),
                 qPrintable(text));
    }
};

QTEST_MAIN(HelpTest)
#include "help_test.moc"
