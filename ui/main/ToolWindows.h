#pragma once

#include <memory>

#include "project/AppState.h"

class QWidget;

namespace corvane {

class DialogProvider;
class frmDials;
class frmFeet;
class frmGrowth;
class frmMoves;
class frmTolerances;

// The windows the main window opens beside itself (thermal growth, tolerance, move alternatives,
// feet), each built at its first use and kept up to date with what the main window shows.
class ToolWindows {
public:
    ToolWindows(AppState& state, frmDials& window, DialogProvider& dialogs);
    ~ToolWindows();

    frmGrowth* growth();
    frmTolerances* tolerances();
    frmMoves* moves();
    frmFeet* feet();
    // A modeless window brought up in front.
    static void bringUp(QWidget* window);
    // The modal windows, each run with what is still being typed taken first, the job's edits
    // made steps of its history.
    void runComments();
    void runGrowth();
    void runTolerances();
    void runAbout();

    // The growth window follows the bracket side.
    void followBracketSide(int side);
    // The tolerance of the coupling span picked now.
    void calcTolerance();
    // The tolerance shown again (in the units shown now), when the window is built (`visibleOnly`:
    // when it is shown).
    void showTolerance(bool visibleOnly);
    // The moves and packs follow a result just shown.
    void refreshMoves();
    void showLedger();

private:
    AppState& state_;
    frmDials& window_;
    DialogProvider& dialogs_;
    std::unique_ptr<frmGrowth> growth_;
    std::unique_ptr<frmTolerances> tolerances_;
    std::unique_ptr<frmMoves> moves_;
    std::unique_ptr<frmFeet> feet_;
};

}  // namespace corvane
