#pragma once

#include <QCommandLineParser>
#include <QStringList>

// The commands of corvane-cli. Each gets the arguments after the command name and returns the
// process exit code: 0 success, 1 an aborted calculation, 2 bad arguments or an unusable file, 3 a
// file that does not look like a Corvane project (what it holds is still printed).
namespace corvane::cli {

int runNew(const QStringList& arguments);
int runDump(const QStringList& arguments);
int runCalc(const QStringList& arguments);
int runReport(const QStringList& arguments);
int runHistory(const QStringList& arguments);

enum class ParseOutcome { Run, HelpShown, Mistaken };
// Parses the arguments of `corvane-cli <command>` with a --help option. With --help the command's
// own usage is printed and nothing is to run; a mistake is left in parser.errorText().
ParseOutcome parseCommand(QCommandLineParser& parser, const QString& command, const QStringList& arguments);

}  // namespace corvane::cli
