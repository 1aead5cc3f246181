// A job with unsaved changes survives the program being killed: the next start offers to restore it.
// The crash is real: the test runs itself as a second program, types a reading, waits for the
// recovery copy and kills itself.

#include "project/Recovery.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <csignal>

#include "MainWindowTestSupport.h"
#include "project/ProjectCommands.h"
#include "ui/main/RecoveryKeeper.h"

using namespace corvane;

namespace {

constexpr const char* kCrashChild = "--crash-after-typing";

QStringList copiesIn(const QString& programFolder) {
    return QDir(programFolder + QStringLiteral("/recovery"))
        .entryList({QStringLiteral("*.recovery")}, QDir::Files);
}

// Starts a program on `folder` with the answers queued; returns the window.
std::unique_ptr<frmDials> startOn(const QString& folder, AppState& state, ScriptedDialogs& dialogs) {
    state.Paths = AppPaths{folder.toStdString(), {}, {}};
    auto window = std::make_unique<frmDials>(state, dialogs);
    window->formLoad(false);
    window->show();
    window->offerRecovery();
    return window;
}

// The killed program: starts on `folder`, types 33 at 3:00 of dial 1, waits for its recovery copy,
// and dies without a word.
int crashAfterTyping(const QString& folder) {
    useFixedLocale();
    ScriptedDialogs dialogs;
    AppState state;
    const auto window = startOn(folder, state, dialogs);
    typeInto(window->controls().txtD1[1], QStringLiteral("33"));
    for (int i = 0; i < 100 && copiesIn(folder).isEmpty(); ++i) QTest::qWait(100);
    std::raise(SIGKILL);
    return 1;
}

void killAProgramWithUnsavedWork(const QString& folder) {
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), {QLatin1String(kCrashChild), folder});
    if (!child.waitForFinished(30000)) recordTestFailure(QStringLiteral("the program to kill did not end"));
    if (child.exitStatus() != QProcess::CrashExit)
        recordTestFailure(QStringLiteral("the program was not killed"));
}

}  // namespace

class RecoveryTest : public QObject {
    Q_OBJECT
private slots:
    // Yes restores the killed program's job; No discards the copy and the next start asks nothing.
    void aKilledProgramsJobIsOfferedBack() {
        for (const bool restore : {true, false}) {
            UiTestEnvironment env;
            killAProgramWithUnsavedWork(env.folder.path());
            AppState state;
            env.dialogs.yesNoAnswers = {restore};
            auto w = startOn(env.folder.path(), state, env.dialogs);
            QCOMPARE(env.dialogs.questions.size(), 1);
            QCOMPARE(w->controls().txtD1[1]->text(), restore ? QStringLiteral("33") : QStringLiteral("20"));
            QCOMPARE(state.Session.changed(), restore);
            if (!restore) {
                QVERIFY(copiesIn(env.folder.path()).isEmpty());
                QVERIFY(w->close());
                w.reset();
                AppState again;
                env.dialogs.questions.clear();
                w = startOn(env.folder.path(), again, env.dialogs);
                QCOMPARE(env.dialogs.questions, QStringList());
                continue;
            }
            const QString project = env.folder.filePath(QStringLiteral("Corvane.qdl"));
            // The question says when the changes were kept (the copy's time, to the second).
            const QRegularExpression question(QRegularExpression::anchoredPattern(
                QRegularExpression::escape(
                    QStringLiteral("Corvane closed without saving ") + project +
                    QStringLiteral(". Restore the unsaved changes?\n\nThe changes were "
                                   "kept on ")) +
                QStringLiteral("\\d\\d-[A-Z][a-z][a-z]-\\d{4} \\d\\d:\\d\\d:\\d\\d\\.")));
            QVERIFY2(question.match(env.dialogs.questions[0]).hasMatch(),
                     qPrintable(env.dialogs.questions[0]));
            QCOMPARE(state.Project.dial1(0, 1), 33.0f);
            QCOMPARE(state.CurrentFile, project.toStdString());
            // The restored job is now this program's: its own copy replaced the dead program's.
            const QStringList copies = copiesIn(env.folder.path());
            QCOMPARE(copies.size(), 1);
            QVERIFY(QDir(env.folder.path() + "/recovery").filePath(copies[0]) == w->recovery().ownCopyFile());
            w->controls().mnuFileSave->trigger();
            QVERIFY(copiesIn(env.folder.path()).isEmpty());
            QVERIFY(w->close());
        }
    }

    // A copy waits for a quiet moment, follows later changes, and goes with a normal end; a program
    // still running keeps its job to itself.
    void theCopyFollowsTheJobAndAnotherProgramLeavesItAlone() {
        UiTestEnvironment env;
        AppState state;
        auto w = startOn(env.folder.path(), state, env.dialogs);
        typeInto(w->controls().txtD1[1], QStringLiteral("41"));
        QVERIFY(copiesIn(env.folder.path()).isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(copiesIn(env.folder.path()).size(), 1,
                                  (RecoveryKeeper::kQuietSeconds + 3) * 1000);
        auto copies = findRecoveryCopies(state.Paths.recoveryCopies());
        QCOMPARE(copies.at(0).record.dial1(0, 1), 41.0f);

        AppState other;
        ScriptedDialogs otherDialogs;
        auto second = startOn(env.folder.path(), other, otherDialogs);
        QCOMPARE(otherDialogs.questions, QStringList());

        typeInto(w->controls().txtD1[1], QStringLiteral("42"));
        w->recovery().sync();
        copies = findRecoveryCopies(state.Paths.recoveryCopies());
        QCOMPARE(copies.at(0).record.dial1(0, 1), 42.0f);

        env.dialogs.saveAnswers = {SaveAnswer::DontSave};
        QVERIFY(w->close());
        QVERIFY(copiesIn(env.folder.path()).isEmpty());
        QVERIFY(second->close());
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc == 3 && QLatin1String(argv[1]) == QLatin1String(kCrashChild))
        return crashAfterTyping(QString::fromLocal8Bit(argv[2]));
    RecoveryTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "recovery_test.moc"
