#pragma once

#include <QStringList>
#include <vector>

#include "calc/judging/ReadingsCheck.h"
#include "calc/judging/Verdict.h"
#include "ui/main/MainWindowControls.h"

class QMainWindow;

namespace corvane {

// The main window's status bar: the readings check and the alignment verdict after every
// calculation, and what to know about the open file.
class MainStatusBar {
public:
    MainStatusBar(QMainWindow& window, MainWindowControls& ui);

    void showCheckAndVerdict(const std::vector<ReadingFinding>& findings, const AlignmentVerdict& verdict);
    // Nothing shown when there is no note.
    void showFileNotes(const QStringList& notes);

private:
    MainWindowControls& ui_;
};

}  // namespace corvane
