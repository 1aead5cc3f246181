#pragma once

#include "calc/format/DisplayFormat.h"
#include "calc/methods/Alignment.h"
#include "project/ViewOptions.h"
#include "ui/main/MainPanel.h"

namespace corvane {

class MainPanels;
class MainSession;
class ToolWindows;

// How the main window shows the job: the method, rotation, bracket side and unit system, and the
// result switches (growth, tolerance band, AutoScale), kept with the job as its view options so
// that a reopened job shows the same moves.
class MainViewChoices {
public:
    MainViewChoices(frmDials& window, AppState& state, MainWindowControls& ui, MainFormState& form,
                    MainPanels& panels, MainSession& session, ToolWindows& tools);

    // Start-up: reverse dial in the units chosen last time, full rotation and the bracket on the
    // fixed machine, unless the job keeps its own choices.
    void start();
    void selectMethod(int index);
    void bracketSideChosen();
    void rotationChosen();
    void unitsChosen(int index);
    void growthSwitched();
    void toleranceSwitched();
    void autoScaleSwitched();

    // The window's choices as the job keeps them, and as the calculation takes them.
    ViewOptions current() const;
    CalcOptions calcOptions() const;
    // Part of the job but no edit of it: the options are saved with the next save, and looking at
    // another method does not ask to save.
    void store();
    // The choices the job was saved with (kept in its ReservedText), shown again; a project that
    // keeps none leaves the window as it is.
    void apply();
    void showMethod(int method);
    // The rotation's knobs and boxes: a half rotation has no 6:00 reading and takes the 9:00
    // readings as 0.
    void setupRotation();
    bool halfRotationShown() const;
    void showNineOClock();

private:
    // Everything that shows a value, shown again in the units chosen now; the record, the graphs'
    // ranges and the changed mark stay as they are.
    void showInUnits();
    DisplayFormat display() const;

    frmDials& window_;
    AppState& state_;
    MainWindowControls& ui_;
    MainFormState& form_;
    MainPanels& panels_;
    MainSession& session_;
    ToolWindows& tools_;
};

}  // namespace corvane
