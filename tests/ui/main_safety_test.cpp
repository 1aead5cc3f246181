// What keeps a job safe around the main window: a second window on the same job, comments stored
// with bare line feeds, a stored window size that no screen has, and private recovery copies.

#include <sys/stat.h>

#include <QPlainTextEdit>
#include <QScreen>

#include "MainWindowTestSupport.h"
#include "ui/common/WindowPlacement.h"
#include "ui/main/RecoveryKeeper.h"
#include "ui/main/frmComments.h"
#include "ui/widgets/ElidedLabel.h"

using namespace corvane;

namespace {

unsigned modeOf(const QString& path) {
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & 07777 : 0;
}

}  // namespace

class MainSafetyTest : public QObject {
    Q_OBJECT
private slots:
    // Two windows on one job: the second is told at once, and a save over the other's save asks.
    void aSecondWindowOnTheJobIsWarnedAndASaveOverOtherWorkAsks() {
        MainWindowUnderTest t;
        const QString job = t.defaultProject();
        AppState otherState;
        otherState.Paths = t.state.Paths;
        frmDials other(otherState, t.env.dialogs);
        other.formLoad(false);
        QCOMPARE(QString::fromStdString(otherState.CurrentFile), job);
        QCOMPARE(t.dialogs().messages.size(), 1);
        QVERIFY(t.dialogs().messages[0].startsWith(QStringLiteral("Another Corvane window has\n") + job));
        QVERIFY(other.controls().lblFileNote->toolTip().contains(
            QStringLiteral("Another Corvane window has this project open")));
        QVERIFY(t.w().controls().lblFileNote->isHidden());

        typeInto(t.w().controls().txtMachine, QStringLiteral("first window"));
        t.w().controls().mnuFileSave->trigger();
        otherState.Project.Machine = "second window";
        other.jobEdited();
        t.dialogs().overwriteAnswers.push_back(OverwriteAnswer::Cancel);
        other.controls().mnuFileSave->trigger();
        QVERIFY(t.dialogs().overwriteAnswers.empty());
        QCOMPARE(readBack(job).Machine, std::string("first window"));
        QVERIFY(otherState.Session.changed());

        // The job's recovery copy, its lock and their folder are the user's alone.
        other.recovery().sync();
        QCOMPARE(modeOf(QString::fromStdString(t.state.Paths.recoveryCopies())), 0700u);
        QCOMPARE(modeOf(other.recovery().ownCopyFile()), 0600u);
        QCOMPARE(modeOf(other.recovery().ownCopyFile() + QStringLiteral(".lock")), 0600u);
        t.dialogs().saveAnswers.push_back(SaveAnswer::DontSave);
        other.close();
    }

    // Comments written elsewhere with bare LF breaks, close to the limit: they can still be edited and
    // keep their breaks (counted as CR LF, every key would be refused).
    void commentsWithBareLineFeedsCanBeEdited() {
        UiTestEnvironment env;
        AppState state;
        state.Paths = env.folder.paths();
        std::string stored;
        for (int i = 0; i < 700; ++i) stored += std::string(92, 'x') + "\n";  // 65,100 bytes; CR LF: 65,800
        state.Project.Comments = stored;
        frmComments comments(state, nullptr);
        comments.txtComments->moveCursor(QTextCursor::End);
        QTest::keyClicks(comments.txtComments, QStringLiteral("ok"));
        QVERIFY(comments.edited());
        comments.storeComments();
        QCOMPARE(state.Project.Comments, stored + "ok");
    }

    // A stored size from an 8K monitor or damaged settings: the window fits the screen it opens on.
    void aStoredWindowLargerThanTheScreenIsMadeToFit() {
        struct Case {
            const char* name;
            QRect wanted, available;
            QSize minimum;
            QRect fitted;
        };
        const Case cases[] = {
            {"fits already", {100, 50, 800, 587}, {0, 0, 1280, 1024}, {800, 587}, {100, 50, 800, 587}},
            {"8K window", {0, 0, 7680, 4320}, {0, 0, 1280, 1024}, {800, 587}, {0, 0, 1280, 1024}},
            {"off to the right", {3000, 900, 800, 600}, {0, 0, 1280, 1024}, {800, 587}, {480, 424, 800, 600}},
            {"screen below the minimum", {0, 0, 900, 700}, {0, 0, 640, 480}, {800, 587}, {0, 0, 800, 587}},
        };
        for (const Case& c : cases)
            QVERIFY2(fittedToScreen(c.wanted, c.available, c.minimum) == c.fitted, c.name);

        QWidget huge;
        huge.setGeometry(0, 0, 99999, 99999);
        const QByteArray stored = huge.saveGeometry();
        QWidget window;
        restoreWindowPlace(&window, stored);
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY2(window.width() <= screen.width() && window.height() <= screen.height(),
                 qPrintable(QStringLiteral("%1 x %2").arg(window.width()).arg(window.height())));
    }
};

QTEST_MAIN(MainSafetyTest)
#include "main_safety_test.moc"
