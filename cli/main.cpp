#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextStream>
#include <csignal>
#include <cstring>

#include "cli/Commands.h"
#include "cmdline/Arguments.h"
#include "project/Version.h"

namespace {

int run(const QStringList& args) {
    QCoreApplication::setApplicationName("corvane-cli");
    QTextStream err(stderr);
    const QString usage =
        "usage: corvane-cli new|dump|calc|report FILE.qdl [options]\n       corvane-cli history "
        "add|list|show|export|report|push ...";
    // A mistake is told in one line, for a script's log.
    const QString oneLine =
        "usage: corvane-cli new|dump|calc|report FILE.qdl [options], or corvane-cli history "
        "add|list|show|export|report|push ...";
    if (args.size() < 2) {
        err << oneLine << "\n";
        return 2;
    }
    const QString command = args.at(1);
    if (command == "--version") {
        return corvane::cli::writeOutput(std::string("corvane-cli ") + corvane::kVersionText + "\n") ? 0 : 1;
    }
    if (command == "--help" || command == "-h") {
        return corvane::cli::writeOutput(usage.toStdString() + "\n       corvane-cli --version\n") ? 0 : 1;
    }
    const QStringList rest = args.mid(2);
    if (command == "new") return corvane::cli::runNew(rest);
    if (command == "dump") return corvane::cli::runDump(rest);
    if (command == "calc") return corvane::cli::runCalc(rest);
    if (command == "report") return corvane::cli::runReport(rest);
    if (command == "history") return corvane::cli::runHistory(rest);
    err << "corvane-cli: unknown command '" << command << "'; " << oneLine << "\n";
    return 2;
}

// The tool speaks through its own output and error lines only. Qt's notes about the session it runs
// in (no XDG_RUNTIME_DIR under cron or sudo, fonts of an off-screen platform) are no news to a
// script and would read as a failure in its log; Qt's critical and fatal messages still show.
void quietToolkit(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) QTextStream(stderr) << message << "\n";
}

}  // namespace

int main(int argc, char* argv[]) {
    qInstallMessageHandler(quietToolkit);
    // A reader that goes away (a pipe into `head`) must make the write fail and the command say so,
    // not end the program silently; likewise a file that may not grow (a size limit).
    std::signal(SIGPIPE, SIG_IGN);
    std::signal(SIGXFSZ, SIG_IGN);
    // The arguments as the bytes they are: a file name need not be valid UTF-8.
    const QStringList args = corvane::cli::argumentsFromBytes(argc, argv);
    // The report is drawn with fonts, which need Qt Gui and a platform; a terminal or a script has
    // no display, so the report draws off screen unless told otherwise.
    const bool report =
        argc > 1 &&
        (std::strcmp(argv[1], "report") == 0 ||
         (std::strcmp(argv[1], "history") == 0 && argc > 2 && std::strcmp(argv[2], "report") == 0));
    if (report) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication app(argc, argv);
        return run(args);
    }
    QCoreApplication app(argc, argv);
    return run(args);
}
