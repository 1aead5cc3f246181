#pragma once

#include <QString>
#include <QStringList>
#include <string>

// A file name on the command line is a string of bytes, not necessarily UTF-8: a project saved
// under an old encoding must still be found. Each argument is decoded as UTF-8, and every byte
// that is not part of valid UTF-8 is kept as a lone surrogate (U+DC80..U+DCFF) that maps back to
// that byte, so that the exact bytes reach the file system.
namespace corvane::cli {

QString argumentFromBytes(const char* bytes);
QStringList argumentsFromBytes(int argc, char** argv);
// The bytes of a path as the command line gave them.
std::string pathBytes(const QString& argument);

// Writes everything to standard output and flushes it; false when the output could not take it
// (a full disk, a closed pipe): the command must then not report success.
// The reason is said on standard error.
bool writeOutput(const std::string& text);

// The exit status of dump, calc and report for a file that does not look like a project: what was
// read is still printed, after kForeignFileWarning on standard error (warnForeign).
constexpr int kForeignFileStatus = 3;
void warnForeign(const QString& file, const std::string& why);

}  // namespace corvane::cli
