#include "cli/Commands.h"

#include <QTextStream>

namespace corvane::cli {

ParseOutcome parseCommand(QCommandLineParser& parser, const QString& command, const QStringList& arguments) {
    const QCommandLineOption helpOption = parser.addHelpOption();
    if (!parser.parse(QStringList{"corvane-cli " + command} + arguments)) return ParseOutcome::Mistaken;
    if (!parser.isSet(helpOption)) return ParseOutcome::Run;
    QTextStream(stdout) << parser.helpText().replace("corvane-cli [options]",
                                                     "corvane-cli " + command + " [options]");
    return ParseOutcome::HelpShown;
}

}  // namespace corvane::cli
