#include <QCoreApplication>
#include <QTextStream>

#include "cli/Commands.h"

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("corvane-cli");
    QStringList args = QCoreApplication::arguments();
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
