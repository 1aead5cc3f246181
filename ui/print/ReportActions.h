#pragma once

#include "calc/methods/Alignment.h"
#include "project/AppState.h"
#include "report/Report.h"

class QWidget;

namespace corvane {

class DialogProvider;

// The open project's section of the report, with the window's method and options.
ReportSection windowReportSection(const AppState& state, const CalcOptions& options);

// File > Export Report...: asks where to write the PDF (proposing the project's name with .pdf beside
// it) and writes it there whole or not at all; a failure is reported in a message.
void exportReport(QWidget* window, const AppState& state, const CalcOptions& options,
                  DialogProvider& dialogs);

// File > Print Report...: the print preview of the report, from which the user prints it.
void printReport(QWidget* window, const AppState& state, const CalcOptions& options, DialogProvider& dialogs);

}  // namespace corvane
