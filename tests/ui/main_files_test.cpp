// The technician's session in the main window: start-up on the default project, readings typed and
// walked through with Enter, a knob turned with the keys, header fields and comments; then the File
// menu: new, open from the command line, save as, recent files, and the save prompt on closing. Dialogs
// answer by script.

#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTimer>

#include "JobTestSupport.h"
#include "MainWindowTestSupport.h"
#include "ui/widgets/EntryBox.h"
#include "ui/widgets/Knob.h"

using namespace corvane;

class MainFilesTest : public QObject {
    Q_OBJECT
private slots:
    void startUpShowsTheDefaultProjectAndItsResults() {
        MainWindowUnderTest t;
        const MainWindowControls& c = t.w().controls();
        QCOMPARE(c.lblAcalc1->text(), kDefaultVertical);
        QCOMPARE(c.lblAcalc2->text(), kDefaultHorizontal);
        QCOMPARE(t.w().windowTitle(), QStringLiteral("CORVANE v.1.5.6   ") + t.defaultProject() +
                                          QStringLiteral("[*]  15-Mar-2023 12:00:00"));
        QVERIFY(c.Timer1->isActive());  // the clock in the title is kept running
        QVERIFY(QFileInfo::exists(t.defaultProject()));
        QVERIFY(!t.state.Session.changed());
        QCOMPARE(c.mnuFileMRU[0]->text(), t.defaultProject());
        for (int i = 1; i < kRecentFileCount; ++i) QVERIFY(!c.mnuFileMRU[i]->isVisible());
        QCOMPARE(c.txtD2[2]->text(), QStringLiteral("-50"));
        QCOMPARE(t.dialogs().messages, QStringList());
    }

    void typedReadingsWalkWithEnterAndRecalculate() {
        MainWindowUnderTest t;
        const MainWindowControls& c = t.w().controls();
        // 6:00 of dial 1 at 40: the moveable machine tilts, feet 3 and 4 go down 27.5 and 37.5 mils.
        t.state.Session.markSaved(t.state.Project);
        typeInto(c.txtD1[2], QStringLiteral("40"));
        QVERIFY(c.txtD1[3]->hasFocus());
        QCOMPARE(t.state.Project.dial1(0, 2), 40.0f);
        QCOMPARE(c.lblAcalc1->text(), QStringLiteral("Machine Foot 3: move  27.50 mils  DOWN\r\n"
                                                     "Machine Foot 4: move  37.50 mils  DOWN"));
        QVERIFY(t.state.Session.changed());
        typeInto(c.txtD1[3], QStringLiteral("30"));  // on from the last box of dial 1 to dial 2
        QVERIFY(c.txtD2[0]->hasFocus());
        // Focus on a box selects its whole text, so typing replaces the reading.
        QVERIFY(focusInActiveWindow(c.txtD1[1]));
        QTRY_COMPARE(c.txtD1[1]->selectedText(), QStringLiteral("20"));

        // Stored as typed, shown to two decimals, the knobs rescaled beyond their scale; no number, or
        // one too large for the project, is refused with a word beside the box and the reading stays.
        const struct {
            const char* typed;
            float stored;
            const char* shown;
            double knobMaximum;
            const char* refusal;
        } cases[] = {
            {"abc", 20, "20", 100, "\"abc\" is not a number: the value stays 20."},
            {"1o", 20, "20", 100, "\"1o\" is not a number: the value stays 20."},  // a slip on the way to 10
            {"12.345", 12.345f, "12.35", 100, ""},                                 // rounded for the eye only
            {"250", 250, "250", 500, ""},
            {"1e39", 250, "250", 500, "\"1e39\" is too large to hold: the value stays 250."},
        };
        for (const auto& k : cases) {
            typeInto(c.txtD1[1], QString::fromLatin1(k.typed));
            QCOMPARE(t.state.Project.dial1(0, 1), k.stored);
            QCOMPARE(c.txtD1[1]->text(), QString::fromLatin1(k.shown));
            QCOMPARE(c.cwkDial1[1]->value(), double(k.stored));
            for (Knob* knob : c.cwkDial1) QCOMPARE(knob->maximum(), k.knobMaximum);
            QCOMPARE(EntryBox::lastRefusal(c.txtD1[1]), QString::fromLatin1(k.refusal));
        }
    }

    void aKnobTurnedWithTheKeysStoresTheReadingAndMarksTheProject() {
        MainWindowUnderTest t;
        const MainWindowControls& c = t.w().controls();
        QVERIFY(focusInActiveWindow(c.cwkDial1[1]));
        t.state.Session.markSaved(t.state.Project);  // the mark must come from the knob
        QTest::keyClick(c.cwkDial1[1], Qt::Key_Up);  // one step of 1 mil on the +-100 scale
        QCOMPARE(t.state.Project.dial1(0, 1), 21.0f);
        QCOMPARE(c.txtD1[1]->text(), QStringLiteral("21"));
        QCOMPARE(c.lblAcalc2->text(), QStringLiteral("Machine Foot 3: move  5.250 mils  LEFT \r\n"
                                                     "Machine Foot 4: move  6.250 mils  LEFT "));
        // A reading set by knob is the user's work like a typed one: the save prompt must come.
        QVERIFY(t.state.Session.changed());
    }

    void aMachineNameSagAndFaceDiameterAreStoredWhenLeft() {
        MainWindowUnderTest t;
        const MainWindowControls& c = t.w().controls();
        // Saved first, so that the mark comes from the machine name, stored when left without Enter.
        c.mnuFileSave->trigger();
        typeInto(c.txtM2, QStringLiteral("Pump P-101"), false);
        tabOut(c.txtM2);
        QCOMPARE(t.state.Project.M2Text, std::string("Pump P-101"));
        QVERIFY(t.state.Session.changed());
        // A typed sag corrects both bottom readings: V1 = 26, V2 = 24.
        typeInto(c.txtMisc1, QStringLiteral("2"));
        QCOMPARE(t.state.Project.Sag, 2.0f);
        QCOMPARE(c.lblAcalc1->text(), QStringLiteral("Machine Foot 3: move  23.00 mils  DOWN\r\n"
                                                     "Machine Foot 4: move  19.00 mils  DOWN"));
        // The same box is the face diameter in rim and face, kept as typed.
        c.optAcalc[1]->click();
        typeInto(c.txtMisc1, QStringLiteral("10.123"));
        QCOMPARE(t.state.Project.FaceDia1, 10.123f);
        QCOMPARE(t.state.Project.Sag, 2.0f);
    }

    // The comments window marks the project; the file holds 65 535 characters of comments (a line
    // break takes two): an edit past that is refused whole and the window says so.
    void commentsStayWithinWhatTheFileHoldsAndSaySo() {
        MainWindowUnderTest t;
        const MainWindowControls& c = t.w().controls();
        const QString full = QString(65533, QLatin1Char('a')) + QStringLiteral("\n");  // 65 535 bytes
        t.dialogs().driveModals([&full](QDialog& d) {
            auto* text = d.findChild<QPlainTextEdit*>(QStringLiteral("txtComments"));
            auto* room = d.findChild<QLabel*>(QStringLiteral("lblRoom"));
            auto* warning = d.findChild<QLabel*>(QStringLiteral("lblWarning"));
            text->setPlainText(full);
            QCOMPARE(room->text(), QStringLiteral("65535 of 65535 characters used"));
            QVERIFY(warning->isHidden());
            text->moveCursor(QTextCursor::End);
            QTest::keyClicks(text, QStringLiteral("b"));
            QCOMPARE(text->toPlainText(), full);
            QVERIFY(!warning->isHidden());
            QVERIFY(warning->text().contains(QStringLiteral("at most 65535 characters")));
            // Characters the file cannot hold are named before they are lost.
            text->setPlainText(QStringLiteral("Ω 5 µm"));
            QVERIFY(warning->text().contains(QStringLiteral("cannot hold Ω;")));
        });
        c.cmdComments->click();
        QCOMPARE(t.state.Project.Comments, std::string("Ω 5 µm"));
        QVERIFY(t.state.Session.changed());

        t.dialogs().driveModals([&full](QDialog& d) {
            d.findChild<QPlainTextEdit*>(QStringLiteral("txtComments"))->setPlainText(full);
        });
        c.cmdComments->click();
        QCOMPARE(t.state.Project.Comments.size(), std::size_t(65535));
        QVERIFY(t.state.Project.Comments.ends_with("a\r\n"));  // the line break stored as CR LF
    }

    void newProjectAsksToSaveThenStartsFromDefaults() {
        MainWindowUnderTest t;
        const MainWindowControls& c = t.w().controls();
        typeInto(c.txtMachine, QStringLiteral("Pump 7"));
        typeInto(c.txtD1[1], QStringLiteral("33"));
        const QString job = t.env.folder.filePath(QStringLiteral("job.qdl"));
        t.dialogs().saveAnswers.push_back(SaveAnswer::DontSave);
        t.dialogs().saveFileAnswers.push_back(job);
        c.mnuFileNew->trigger();
        QCOMPARE(t.dialogs().questions, QStringList{QStringLiteral("Save the changes to Corvane.qdl?")});
        QCOMPARE(t.state.CurrentFile, job.toStdString());
        QVERIFY(QFile::exists(job));
        // A clean job: the default readings, the texts gone (an empty machine name shows its caption).
        QCOMPARE(c.txtD1[1]->text(), QStringLiteral("20"));
        QCOMPARE(c.txtMachine->text(), QStringLiteral("machine"));
        QVERIFY(t.state.Project.Machine.empty());
        QCOMPARE(c.lblAcalc1->text(), kDefaultVertical);
        QVERIFY(!t.state.Session.changed());
        QVERIFY(c.mnuFileMRU[1]->isVisible());
    }

    void aDeletedRecentFileFallsBackToTheDefaultProject() {
        MainWindowUnderTest t;
        const MainWindowControls& c = t.w().controls();
        const QString gone = t.env.folder.filePath(QStringLiteral("gone.qdl"));
        t.dialogs().saveFileAnswers.push_back(gone);
        c.mnuFileSaveAs->trigger();
        QCOMPARE(c.mnuFileMRU[0]->text(), gone);
        QVERIFY(QFile::remove(gone));
        c.mnuFileMRU[0]->trigger();
        QCOMPARE(t.dialogs().messages,
                 QStringList{QStringLiteral("File:  ") + gone + QStringLiteral("\ndoesnot exist. ")});
        QCOMPARE(c.mnuFileMRU[0]->text(), t.defaultProject());
        QCOMPARE(c.mnuFileMRU[1]->text(), gone);
        QCOMPARE(c.lblAcalc1->text(), kDefaultVertical);
    }

    void aProjectNamedOnTheCommandLineOpensAfterTheAboutWindow() {
        // As a file manager starts the program on a double-clicked project, and on one gone since.
        UiTestEnvironment env;
        const QString pump = env.folder.filePath(QStringLiteral("pump.qdl"));
        QVERIFY(writeProject(pump.toStdString(), job()));  // machine P-101
        const QString gone = env.folder.filePath(QStringLiteral("gone.qdl"));
        const QString fallback = env.folder.filePath(QStringLiteral("Corvane.qdl"));
        const struct {
            const char* name;
            QString given, shown, machine;
            QStringList messages;
        } cases[] = {
            {"an existing project", pump, pump, QStringLiteral("P-101"), {}},
            {"a missing one",
             gone,
             fallback,
             QStringLiteral("machine"),
             {QStringLiteral("File:  ") + gone + QStringLiteral("\ndoesnot exist. ")}},
        };
        for (const auto& c : cases) {
            env.dialogs.messages.clear();
            env.dialogs.modalDialogs.clear();
            QStringList messagesBeforeAbout{QStringLiteral("about window not shown")};
            env.dialogs.onModal = [&](QDialog&) {
                messagesBeforeAbout = env.dialogs.messages;
                return int(QDialog::Accepted);
            };
            AppState state;
            state.Paths = env.folder.paths();
            frmDials w(state, env.dialogs);
            w.formLoad(true, c.given.toStdString());
            QVERIFY2(messagesBeforeAbout.isEmpty(), c.name);
            QCOMPARE(env.dialogs.modalDialogs, QStringList{QStringLiteral("corvane::frmAbout")});
            QCOMPARE(env.dialogs.messages, c.messages);
            QCOMPARE(w.controls().txtMachine->text(), c.machine);
            QCOMPARE(w.controls().mnuFileMRU[0]->text(), c.shown);
            QVERIFY2(!state.Session.changed(), c.name);
        }
        QCOMPARE(readBack(pump).Machine, std::string("P-101"));
    }

    // Cancel in the save prompt keeps the window and the job; a failed save keeps the window open.
    void closingAsksToSaveAChangedProjectAndAFailedSaveKeepsTheWindowOpen() {
        MainWindowUnderTest t;
        const QString unreachable = t.env.folder.filePath(QStringLiteral("no-such-folder/job.qdl"));
        t.state.CurrentFile = unreachable.toStdString();
        typeInto(t.w().controls().txtD1[1], QStringLiteral("33"), false);  // closing takes it unleft
        t.dialogs().saveAnswers = {SaveAnswer::Cancel, SaveAnswer::Save};
        QVERIFY(!t.w().close());
        QCOMPARE(t.state.Project.dial1(0, 1), 33.0f);
        t.w().controls().mnuExit->trigger();
        QCOMPARE(t.dialogs().questions, QStringList(2, QStringLiteral("Save the changes to job.qdl?")));
        QVERIFY(t.w().isVisible());
        QVERIFY(t.state.Session.changed());
        QCOMPARE(t.dialogs().messages.size(), 1);
        QVERIFY(t.dialogs().messages[0].contains(unreachable));
        // Saved somewhere else, the program may close.
        const QString elsewhere = t.env.folder.filePath(QStringLiteral("job.qdl"));
        t.dialogs().saveFileAnswers.push_back(elsewhere);
        t.w().controls().mnuFileSaveAs->trigger();
        QVERIFY(t.w().close());
        QCOMPARE(readBack(elsewhere).dial1(0, 1), 33.0f);
    }

    void aDefaultProjectThatCouldNotBeWrittenIsOfferedForSavingOnClosing() {
        UiTestEnvironment env;
        AppState state;
        state.Paths.programFolder = env.folder.filePath(QStringLiteral("gone")).toStdString();
        frmDials w(state, env.dialogs);
        w.formLoad(false);
        QVERIFY(!env.dialogs.messages.isEmpty());
        QVERIFY(state.Session.changed());
        QCOMPARE(w.controls().lblAcalc1->text(), kDefaultVertical);
        env.dialogs.saveAnswers.push_back(SaveAnswer::DontSave);
        QVERIFY(w.close());
        QCOMPARE(env.dialogs.questions, QStringList{QStringLiteral("Save the changes to Corvane.qdl?")});
    }

    void saveFromTheKeyboardTakesTheReadingBeingTyped() {
        MainWindowUnderTest t;
        QLineEdit* box = t.w().controls().txtD2[1];
        typeInto(box, QStringLiteral("-44"), false);
        QTest::keyClick(box, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(readBack(t.defaultProject()).dial2(0, 1), -44.0f);
        QVERIFY(!t.state.Session.changed());
        QVERIFY(box->hasFocus());
    }

    // Leaving a name box marks the job changed only when its name really changed (walking through
    // must not bring up the save prompt); the handlers alone, with no input event to compare anew.
    void aNameBoxMarksTheJobChangedOnlyWhenItsNameChanged() {
        const struct {
            QLineEdit* MainWindowControls::*box;
            void (frmDials::*leave)();
            std::string ProjectRecord::*field;
        } boxes[] = {
            {&MainWindowControls::txtMachine, &frmDials::txtMachine_LostFocus, &ProjectRecord::Machine},
            {&MainWindowControls::txtTechnician, &frmDials::txtTechnician_LostFocus,
             &ProjectRecord::Technician},
            {&MainWindowControls::txtM1, &frmDials::txtM1_LostFocus, &ProjectRecord::M1Text},
            {&MainWindowControls::txtM2, &frmDials::txtM2_LostFocus, &ProjectRecord::M2Text},
        };
        for (const auto& b : boxes) {
            MainWindowUnderTest t;
            frmDials& w = t.w();
            const MainWindowControls& c = w.controls();
            QLineEdit* box = c.*b.box;
            QVERIFY(!t.state.Session.changed());
            box->setText(QString::fromStdString(t.state.Project.*b.field));
            (w.*b.leave)();
            QVERIFY2(!t.state.Session.changed(), qPrintable(box->objectName()));
            box->setText(QStringLiteral("Pump P-7"));
            (w.*b.leave)();
            QVERIFY2(t.state.Session.changed(), qPrintable(box->objectName()));
            QCOMPARE(t.state.Project.*b.field, std::string("Pump P-7"));
        }
    }
};

QTEST_MAIN(MainFilesTest)
#include "main_files_test.moc"
