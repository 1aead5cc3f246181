#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextStream>
#include <cstring>

#include "cli/Commands.h"

namespace {

int run() {
    QCoreApplication::setApplicationName("corvane-cli");
    QStringList args = QCoreApplication::arguments();
    QTextStream err(stderr);
    const QString usage = "usage: corvane-cli new|dump|calc|report FILE.qdl [options]";
    if (args.size() < 2) {
        err << usage << "\n";
        return 2;
    }
    const QString command = args.at(1);
    const QStringList rest = args.mid(2);
    if (command == "new") return corvane::cli::runNew(rest);
    if (command == "dump") return corvane::cli::runDump(rest);
    if (command == "calc") return corvane::cli::runCalc(rest);
    if (command == "report") return corvane::cli::runReport(rest);
    err << "corvane-cli: unknown command '" << command << "'; " << usage << "\n";
    return 2;
}

}  // namespace

int main(int argc, char* argv[]) {
    // The report is drawn with fonts, which need Qt Gui and a platform; a terminal or a script has
    // no display, so the report draws off screen unless told otherwise.
    if (argc > 1 && std::strcmp(argv[1], "report") == 0) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication app(argc, argv);
        return run();
    }
    QCoreApplication app(argc, argv);
    return run();
}
