#pragma once

#include <QString>

namespace corvane {

// Turns a file-dialog filter written as "Description|pattern" pairs ("Corvane Files (*.qdl)| *.qdl",
// several pairs joined by "|", patterns separated by ";") into the toolkit's form
// "Description (pattern pattern)", pairs joined by ";;". The pattern field decides which files are
// listed: a pattern list that the description already shows in parentheses is not repeated.
QString toQtFileFilter(const QString& filter);

}  // namespace corvane
