// The File menu as the technician uses it: new, open, save as, recent files, and the save prompt
// when the program is closed. File dialogs and questions are answered by the script.

#include <QFile>
#include <QTest>

#include "MainWindowTestSupport.h"
#include "calc/NumberFormat.h"
#include "project/ProjectCommands.h"
#include "project/ProjectFile.h"

using namespace corvane;

namespace {

ProjectRecord readBack(const QString& path) {
    ProjectRecord record;
    if (!readProject(path.toStdString(), record)) recordTestFailure(QStringLiteral("cannot read ") + path);
    return record;
}

}  // namespace

class MainFilesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    void newProjectAsksToSaveThenStartsFromDefaults() {
        MainWindowUnderTest t;
        frmDials& w = t.w();
        typeInto(w.txtMachine, QStringLiteral("Pump 7"));
        typeInto(w.txtD1[1], QStringLiteral("33"));
        const QString job = t.env.folder.filePath(QStringLiteral("job.qdl"));
        t.dialogs().yesNoAnswers.push_back(false);
        t.dialogs().saveFileAnswers.push_back(job);
        w.mnuFileNew->trigger();
        QCOMPARE(t.dialogs().questions, QStringList{QString::fromLatin1(kSavePrompt)});
        QCOMPARE(t.state.CurrentFile, job.toStdString());
        QVERIFY(QFile::exists(job));
        // The readings start again from the defaults; the texts of the previous job stay.
        QCOMPARE(w.txtD1[1]->text(), QStringLiteral("20"));
        QCOMPARE(w.txtMachine->text(), QStringLiteral("Pump 7"));
        QCOMPARE(w.lblAcalc1->text(), QString::fromLatin1(kDefaultVertical));
        QVERIFY(!t.state.Changed);
        QCOMPARE(w.mnuFileMRU[1]->text(), t.defaultProject());
        QVERIFY(w.mnuFileMRU[1]->isVisible());
        // "No" kept the default project as it was.
        QCOMPARE(readBack(t.defaultProject()).dial1(0, 1), 20.0f);
    }

    void openShowsTheChosenProject() {
        MainWindowUnderTest t;
        frmDials& w = t.w();
        ProjectRecord record;
        setDefaults(record);
        record.Machine = "Compressor C-2";
        record.dial1(0, 1) = 33;
        record.DateStamp = 45001.25;
        const QString path = t.env.folder.filePath(QStringLiteral("compressor.qdl"));
        QVERIFY(writeProject(path.toStdString(), record));
        t.dialogs().openFileAnswers.push_back(path);
        w.mnuFileOpen->trigger();
        QCOMPARE(t.dialogs().fileRequests[0].folder, t.env.folder.path() + QLatin1Char('/'));
        QCOMPARE(t.dialogs().fileRequests[0].filter, QStringLiteral("Corvane Files (*.qdl)| *.qdl"));
        QCOMPARE(w.txtMachine->text(), QStringLiteral("Compressor C-2"));
        QCOMPARE(w.txtD1[1]->text(), QStringLiteral("33"));
        QCOMPARE(w.lblCompany->text(), QString::fromStdString(formatDateTime(45001.25)));
        QVERIFY(!t.state.Changed);
        QCOMPARE(w.mnuFileMRU[0]->text(), path);
    }

    void aDeletedRecentFileFallsBackToTheDefaultProject() {
        MainWindowUnderTest t;
        frmDials& w = t.w();
        const QString gone = t.env.folder.filePath(QStringLiteral("gone.qdl"));
        t.dialogs().saveFileAnswers.push_back(gone);
        w.mnuFileSaveAs->trigger();
        QCOMPARE(w.mnuFileMRU[0]->text(), gone);
        QVERIFY(QFile::remove(gone));
        w.mnuFileMRU[0]->trigger();
        QCOMPARE(t.dialogs().messages,
                 QStringList{QString::fromStdString(missingFileMessage(gone.toStdString()))});
        QCOMPARE(w.mnuFileMRU[0]->text(), t.defaultProject());
        QCOMPARE(w.mnuFileMRU[1]->text(), gone);
        QCOMPARE(w.lblAcalc1->text(), QString::fromLatin1(kDefaultVertical));
    }

    void closingAsksToSaveOnlyAChangedProjectAndAFailedSaveKeepsTheWindowOpen() {
        {
            // Nothing changed: no question (an unexpected one fails the test).
            MainWindowUnderTest t;
            t.w().close();
            QCOMPARE(t.dialogs().questions, QStringList());
        }
        MainWindowUnderTest t;
        frmDials& w = t.w();
        const QString unreachable = t.env.folder.filePath(QStringLiteral("no-such-folder/job.qdl"));
        t.state.CurrentFile = unreachable.toStdString();
        // Typed but not yet left: closing still takes the reading.
        typeInto(w.txtD1[1], QStringLiteral("33"), false);
        t.dialogs().yesNoAnswers.push_back(true);
        w.mnuExit->trigger();
        QCOMPARE(t.dialogs().questions, QStringList{QString::fromLatin1(kSavePrompt)});
        QVERIFY(w.isVisible());
        QVERIFY(t.state.Changed);
        QCOMPARE(t.dialogs().messages.size(), 1);
        QVERIFY(t.dialogs().messages[0].contains(unreachable));
        // Saved somewhere else, the program may close.
        const QString elsewhere = t.env.folder.filePath(QStringLiteral("job.qdl"));
        t.dialogs().saveFileAnswers.push_back(elsewhere);
        w.mnuFileSaveAs->trigger();
        QVERIFY(w.close());
        QCOMPARE(readBack(elsewhere).dial1(0, 1), 33.0f);
    }

    void aDefaultProjectThatCouldNotBeWrittenIsOfferedForSavingOnClosing() {
        UiTestEnvironment env;
        AppState state;
        state.Paths.programFolder = env.folder.filePath(QStringLiteral("gone")).toStdString();
        frmDials w(state, env.dialogs);
        w.formLoad(false);
        QVERIFY(!env.dialogs.messages.isEmpty());
        QVERIFY(state.Changed);
        QCOMPARE(w.lblAcalc1->text(), QString::fromLatin1(kDefaultVertical));
        env.dialogs.yesNoAnswers.push_back(false);
        QVERIFY(w.close());
        QCOMPARE(env.dialogs.questions, QStringList{QString::fromLatin1(kSavePrompt)});
    }

    void saveFromTheKeyboardTakesTheReadingBeingTyped() {
        MainWindowUnderTest t;
        frmDials& w = t.w();
        typeInto(w.txtD2[1], QStringLiteral("-44"), false);
        QTest::keyClick(w.txtD2[1], Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(readBack(t.defaultProject()).dial2(0, 1), -44.0f);
        QVERIFY(!t.state.Changed);
        QVERIFY(w.txtD2[1]->hasFocus());
    }

    void titleBarClockTicks() {
        MainWindowUnderTest t;
        t.dialogs().fixedDate += 1.0 / 86400;
        QTRY_VERIFY_WITH_TIMEOUT(t.w().windowTitle().endsWith(QStringLiteral("  15-Mar-2023 12:00:01")),
                                 2500);
    }
};

QTEST_MAIN(MainFilesTest)
#include "main_files_test.moc"
