#pragma once

#include "calc/judging/StageSummary.h"
#include "project/AppState.h"

namespace corvane {

class DialogProvider;
class frmDials;

// The job stages and the machine history in the main window's menus: File > Record As Found,
// Record Intermediate, Record As Left, New From This Job and Export As Found and As Left Report;
// Edit > Preferences; Tools > Machine History.
void installHistoryMenus(frmDials& window, AppState& state, DialogProvider& dialogs);

// File > Record ...: the open job as it is on screen, into the user's history. Nothing of the job
// changes and it need not be saved first; a failure says why and may simply be tried again.
void recordStage(frmDials& window, AppState& state, DialogProvider& dialogs, JobStage stage);

}  // namespace corvane
