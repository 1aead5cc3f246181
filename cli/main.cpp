#include <QCoreApplication>
#include <QTextStream>
#include <csignal>

#include "cli/Arguments.h"
#include "cli/Commands.h"

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("corvane-cli");
    // A reader that goes away (a pipe into `head`) must make the write fail and the command say so,
    // not end the program silently.
    std::signal(SIGPIPE, SIG_IGN);
    // Likewise a file that may not grow (a size limit) makes the write fail instead.
    std::signal(SIGXFSZ, SIG_IGN);
    // The arguments as the bytes they are: a file name need not be valid UTF-8.
    const QStringList args = corvane::cli::argumentsFromBytes(argc, argv);
    QTextStream err(stderr);
    const QString usage = "usage: corvane-cli new|dump|calc FILE.qdl [options]";
    if (args.size() < 2) {
        err << usage << "\n";
        return 2;
    }
    const QString command = args.at(1);
    const QStringList rest = args.mid(2);
    if (command == "new") return corvane::cli::runNew(rest);
    if (command == "dump") return corvane::cli::runDump(rest);
    if (command == "calc") return corvane::cli::runCalc(rest);
    err << "corvane-cli: unknown command '" << command << "'; " << usage << "\n";
    return 2;
}
