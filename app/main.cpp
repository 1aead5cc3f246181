// The desktop program: one project state, the real dialogs, and the main window.

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <QTextStream>
#include <csignal>
#include <cstdio>
#include <string>

#include "cmdline/Arguments.h"
#include "project/AppState.h"
#include "project/Version.h"
#include "ui/common/DialogProvider.h"
#include "ui/common/UserPreferences.h"
#include "ui/common/WindowPlacement.h"
#include "ui/common/ZoomStyle.h"
#include "ui/main/HistoryMenus.h"
#include "ui/main/frmDials.h"

namespace {

// An installed program finds its desktop entry at this place relative to its own folder (set by the
// build from the install folders); a build or a copy on a USB stick has none there.
constexpr const char* kDesktopEntryFromProgram = CORVANE_DESKTOP_ENTRY_FROM_PROGRAM;

// The settings file and the default project live beside the program when that folder can be
// written (a copy on a USB stick keeps its projects with it), else in the user's data folder. An
// installed program always uses the user's data folder: its folder is shared by every program of
// the system (and writable by the administrator, or by the user in ~/.local/bin).
QString programFolder() {
    const QString exeFolder = QCoreApplication::applicationDirPath();
    const bool installed =
        QFileInfo::exists(QDir(exeFolder).filePath(QLatin1String(kDesktopEntryFromProgram)));
    if (!installed && QFileInfo(exeFolder).isWritable()) {
        QFile probe(QDir(exeFolder).filePath(QStringLiteral(".corvane-write-test")));
        if (probe.open(QIODevice::WriteOnly)) {
            probe.close();
            probe.remove();
            return exeFolder;
        }
    }
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(data);
    return data;
}

// What the command line asks for.
struct Invocation {
    enum class Kind { Run, Help, Version, Error };
    Kind kind = Kind::Run;
    bool showAbout = true;
    bool toolkitHelp = false;  // --help-all: the toolkit's options too, which only it can list
    std::string projectFile;   // the bytes of the name as given; empty: the last project
    QString error;
};

Invocation readArguments(QCommandLineParser& parser, const QStringList& arguments) {
    parser.setApplicationDescription(
        QStringLiteral("Corvane: shaft alignment from dial-indicator readings."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    // Only for automated screenshots and accessibility checks, which cannot click the about
    // window away; not shown to users.
    QCommandLineOption noAbout(QStringLiteral("no-about"), QStringLiteral("Start without the about window."));
    noAbout.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(noAbout);
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("The project to open (.qdl)."),
                                 QStringLiteral("[FILE.qdl]"));

    Invocation call;
    if (!parser.parse(arguments)) {
        call.kind = Invocation::Kind::Error;
        call.error = parser.errorText();
        return call;
    }
    call.toolkitHelp = parser.isSet(QStringLiteral("help-all"));
    if (parser.isSet(help) || call.toolkitHelp) {
        call.kind = Invocation::Kind::Help;
        return call;
    }
    if (parser.isSet(version)) {
        call.kind = Invocation::Kind::Version;
        return call;
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        call.kind = Invocation::Kind::Error;
        call.error = QStringLiteral("One project at a time: %1 files were given.").arg(files.size());
        return call;
    }
    call.showAbout = !parser.isSet(noAbout);
    if (!files.isEmpty()) call.projectFile = corvane::cli::pathBytes(files.front());
    return call;
}

// The arguments without the toolkit's own options (-platform offscreen, -style fusion, ...), which
// only the toolkit knows and takes out when it starts.
QStringList withoutToolkitOptions(const QStringList& arguments) {
    static const QStringList withValue = {"platform",
                                          "platformpluginpath",
                                          "platformtheme",
                                          "plugin",
                                          "qwindowgeometry",
                                          "geometry",
                                          "qwindowtitle",
                                          "title",
                                          "qwindowicon",
                                          "icon",
                                          "name",
                                          "display",
                                          "session",
                                          "style",
                                          "stylesheet",
                                          "fontengine"};
    static const QStringList flags = {"reverse", "widgetcount", "nograb", "dograb", "sync", "testability"};
    QStringList out;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        QString name = arguments[i];
        if (i == 0 || !name.startsWith(QLatin1Char('-')) || name == QLatin1String("-")) {
            out << arguments[i];
            continue;
        }
        name.remove(0, name.startsWith(QLatin1String("--")) ? 2 : 1);
        const qsizetype eq = name.indexOf(QLatin1Char('='));
        if (eq >= 0) name.truncate(eq);
        if (flags.contains(name) || name == QLatin1String("qmljsdebugger")) continue;
        if (withValue.contains(name)) {
            if (eq < 0) ++i;
            continue;
        }
        out << arguments[i];
    }
    return out;
}

// Help, version or a usage error; needs a QCoreApplication.
int answer(QCommandLineParser& parser, const Invocation& call) {
    if (call.kind == Invocation::Kind::Error) {
        QTextStream(stderr) << "corvane: " << call.error << "\nTry 'corvane --help' for more information.\n";
        return 2;
    }
    QTextStream out(stdout);
    if (call.kind == Invocation::Kind::Help) {
        // The toolkit lists its own options, and then ends the program.
        if (call.toolkitHelp) parser.process(QCoreApplication::arguments());
        out << parser.helpText();
    } else {
        out << "corvane " << corvane::kVersionText << "\n";
    }
    out.flush();
    // A full disk or a closed pipe shows only once the buffered text reaches it.
    const bool written = std::fflush(stdout) == 0 && !std::ferror(stdout);
    return out.status() == QTextStream::Ok && written ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    // A file that may not grow (a size limit) makes the write fail and be reported, and the job stays
    // open, instead of the system ending the program with the work in it.
    std::signal(SIGXFSZ, SIG_IGN);
    {
        // Help and version answer without a display, from any terminal.
        QCommandLineParser parser;
        const Invocation early =
            readArguments(parser, withoutToolkitOptions(corvane::cli::argumentsFromBytes(argc, argv)));
        // A usage error too: it needs no window, and there may be no display to make one on.
        if ((early.kind == Invocation::Kind::Help && !early.toolkitHelp) ||
            early.kind == Invocation::Kind::Version || early.kind == Invocation::Kind::Error) {
            QCoreApplication core(argc, argv);
            return answer(parser, early);
        }
    }

    // Takes the toolkit's own options (-style, -platform, ...) out of argv first.
    QApplication app(argc, argv);
    // Check and option boxes grow with the windows' zoom.
    QApplication::setStyle(new corvane::ZoomStyle(QApplication::style()->name()));
    QCoreApplication::setOrganizationName(QStringLiteral("Corvane"));
    QCoreApplication::setApplicationName(QStringLiteral("Corvane"));
    QCoreApplication::setApplicationVersion(QLatin1String(corvane::kVersionText));
    // Ties the windows to the menu entry, for the task bar's icon and name.
    QGuiApplication::setDesktopFileName(QStringLiteral(CORVANE_APP_ID));
    QIcon icon;
    for (const QFileInfo& size : QDir(QStringLiteral(":/icons")).entryInfoList()) {
        icon.addFile(size.filePath() + QStringLiteral("/apps/corvane.png"));
    }
    QApplication::setWindowIcon(icon);

    QCommandLineParser parser;
    const Invocation call = readArguments(parser, corvane::cli::argumentsFromBytes(argc, argv));
    if (call.kind != Invocation::Kind::Run) return answer(parser, call);

    corvane::AppState state;
    state.Paths.programFolder = QDir::toNativeSeparators(programFolder()).toStdString();
    // Recovery copies are the user's own, wherever the program itself lives.
    state.Paths.recoveryFolder = QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
                                     .filePath(QStringLiteral("recovery"))
                                     .toStdString();
    // The unit system, like every preference of the user's own, in the user's settings of the desktop.
    state.Paths.preferencesFile =
        QSettings(QStringLiteral("Corvane"), QStringLiteral("Corvane")).fileName().toStdString();

    corvane::QtDialogProvider dialogs;
    corvane::frmDials window(state, dialogs);
    // The program's own icon, as in the menu, also for the windows it opens over this one.
    window.setWindowIcon(icon);
    corvane::installHistoryMenus(window, state, dialogs);
    window.formLoad(call.showAbout, call.projectFile);
    // Where and how large the user last had the window.
    corvane::restoreWindowPlace(&window, corvane::windowGeometry(state.Paths));
    window.show();
    // Asked over the window, so that the user sees which program is asking and what it shows.
    window.offerRecovery();
    const int status = app.exec();
    corvane::setWindowGeometry(state.Paths, window.saveGeometry());
    return status;
}
