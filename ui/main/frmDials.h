#pragma once

#include <QMainWindow>
#include <array>
#include <memory>

#include "calc/methods/Alignment.h"
#include "project/AppState.h"
#include "project/ViewOptions.h"
#include "ui/common/DesignLayout.h"
#include "ui/common/DisplayText.h"
#include "ui/main/MainPanel.h"

namespace corvane {

class DialogProvider;
class MainPanels;
class MainSession;
class MainViewChoices;
class ProjectCommands;
class RecoveryKeeper;
class ToolWindows;
class WindowZoom;
class frmFeet;
class frmGrowth;
class frmMoves;
class frmTolerances;

// The main window: readings, lengths, options, header texts and results of the open project for the
// selected method, composed of panels that build and show their part of the job. Every handler
// writes the record in place and recalculates; while the window fills its own controls from the
// record (Loading) the handlers neither write back nor recalculate.
class frmDials : public QMainWindow {
    Q_OBJECT
public:
    static constexpr const char* kResetQuestion =
        "Clear all readings, names and growth values of this project?";

    frmDials(AppState& state, DialogProvider& dialogs, QWidget* parent = nullptr);
    ~frmDials() override;

    // Start-up: loads the last project (or the default one), selects the reverse dial method and fills
    // the window. The about window is shown first when showAbout is set. A startFile (named on the
    // command line) is opened instead of the last project, as Open would open it.
    void formLoad(bool showAbout, const std::string& startFile = {});

    // Puts the whole record on screen for the selected method and recalculates.
    void refreshAll();
    void showGridAndReadings();
    void scaleKnobs();
    void fillTXTfields();
    void pickToleranceSpan();
    // Runs the calculation of the selected method (calcAlignment) and shows its result.
    void recalculate();
    // The result texts and target lines, and the moves and feet windows brought up to date.
    void showResultTexts(const CalcResult& result);
    // The window's choices as the calculation takes them, and as the job keeps them.
    CalcOptions currentOptions() const;
    ViewOptions currentView() const;
    void Timer1_Timer();

    // Method, rotation, bracket side, options and header fields.
    void optAcalc_Click(int index);
    void cmbFixMove_Click();
    void cmbRotation_Click();
    void setupRotation();
    // The method, rotation, bracket side and result switches the job was saved with (kept in its
    // ReservedText), shown again; a project that keeps none leaves the window as it is.
    void applyViewOptions();
    // A project was opened or created by a file command: its view, then the whole record.
    void showOpenedProject();
    void optEU_Click(int index);
    void chkStation_Click(int index);
    void chkTgrowth_Click();
    void chkTolerance_Click();
    void txtMachine_LostFocus();
    void txtTechnician_LostFocus();
    void txtM1_LostFocus();
    void txtM2_LostFocus();
    void txtMisc1_LostFocus();
    void txtRimSag_LostFocus();

    // Readings, growth, lengths and reset.
    void cwkDial1_ValueChanged(int p, double value);
    void cwkDial2_ValueChanged(int p, double value);
    void txtD1_LostFocus(int p);
    void txtD2_LostFocus(int p);
    void txtGro_LostFocus(int index);
    void gridLength_Commit(int row, const QString& typed);
    void cmdReset_Click();

    // Graph buttons.
    void cmdG1Inc_Click();
    void cmdG1Dec_Click();
    void cmdG2Inc_Click();
    void cmdG2Dec_Click();
    void cmdScale_Click();

    // Other windows, and Help: the manual at the section of the control with the keyboard, and the
    // worked examples, each opened as a new project that is not yet saved anywhere.
    void cmdComments_Click();
    void cmdGrowth_Click();
    void cmdTolerances_Click();
    void cmdMoves_Click();
    void cmdFeet_Click();
    void mnuAbout_Click();
    void mnuHelpContents_Click();
    void mnuExample_Click(int method);
    // The moves window changed the job: its ticks shown, the result worked out again, one edit.
    void movesEdited();

    // File menu.
    void mnuFileNew_Click();
    void mnuFileOpen_Click();
    void mnuFileSave_Click();
    void mnuFileSaveAs_Click();
    void mnuFilePrint_Click();
    void mnuFileMRU_Click(int index);
    void mnuExit_Click();

    // Runs the lost-focus handler of the box that has the focus when its text was edited, so that a
    // command started from the menu or a shortcut sees what the user typed.
    void commitFocusedBox();

    // Undo and redo (Edit menu): the job as an edit left it, put back with what the program keeps up
    // by itself as it is now; the history starts anew with each opened project.
    void undoEdit();
    void redoEdit();
    void startHistory();
    // A save made the job as it is now the one it is compared with.
    void markSaved();
    // Every handler that changes the job reports it here: the session makes a step of whatever
    // differs from the last one.
    void jobEdited();
    // The Edit menu's actions and the title bar's mark as the session's history allows them.
    void showEditState();

    // Called by the file commands.
    void setRecentFileCaptions(const std::array<std::string, kRecentFileCount>& captions);
    void showDateStamp(const QString& formatted);

    // The growth, tolerance, moves and feet windows, built at their first use.
    frmGrowth* growthWindow();
    frmTolerances* toleranceWindow();
    frmMoves* movesWindow();
    frmFeet* feetWindow();
    ProjectCommands& commands();
    RecoveryKeeper& recovery();
    // Offers to restore the job of a program that closed without saving it (after a crash or a
    // power cut): the newest such job first; on Yes it becomes the open, unsaved project.
    void offerRecovery();

    // The controls, for the window's tests and for tools that drive it from outside.
    const MainWindowControls& controls() const { return ui_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Start-up, in two steps: everything filled from the record while Loading, then the graphs and
    // the clock.
    void loadWindow(bool showAbout, const std::string& startFile);
    void showLoadedWindow();
    void typedReading(int dial, int p);
    void knobTurned(int dial, int p, double value);
    // How the window shows values: in the unit system the user chose.
    DisplayFormat display() const { return displayFormat(state_.EngUnits); }

    AppState& state_;
    DialogProvider& dialogs_;
    MainWindowControls ui_;
    QWidget* canvas_ = nullptr;
    // Where each control sits, in design units; the window's zoom maps them to the screen.
    DesignLayout layout_;
    WindowZoom* zoom_ = nullptr;
    MainFormState form_;
    std::unique_ptr<MainPanels> panels_;
    std::unique_ptr<MainSession> session_;
    std::unique_ptr<ToolWindows> tools_;
    std::unique_ptr<MainViewChoices> view_;
    // Set while the program moves a knob inside a handler that calculates once at its end (a typed
    // reading, a change of rotation), so that one change gives one calculation and one message.
    bool knobCalcDeferred_ = false;
    // The stationary feet are being ticked: a calculation without a pair says why in its results
    // only, without a message for each tick.
    bool tickingFeet_ = false;
};

}  // namespace corvane
