#include "cli/Commands.h"

#include <QTextStream>

namespace corvane::cli {

Parsed parseCommand(QCommandLineParser& parser, const QString& command, const QStringList& arguments) {
    const QCommandLineOption helpOption = parser.addHelpOption();
    if (!parser.parse(QStringList{"corvane-cli " + command} + arguments)) return Parsed::Mistaken;
    if (!parser.isSet(helpOption)) return Parsed::Run;
    QTextStream(stdout) << parser.helpText().replace("corvane-cli [options]",
                                                     "corvane-cli " + command + " [options]");
    return Parsed::HelpShown;
}

}  // namespace corvane::cli
