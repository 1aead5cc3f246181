#pragma once

#include <QMainWindow>
#include <array>
#include <memory>
#include <optional>

#include "calc/format/Units.h"
#include "calc/judging/ReadingsCheck.h"
#include "calc/judging/Verdict.h"
#include "calc/methods/Alignment.h"
#include "project/AppState.h"
#include "project/ViewOptions.h"
#include "ui/common/DesignLayout.h"
#include "ui/common/DisplayText.h"
#include "ui/main/MainWindowControls.h"
#include "ui/widgets/EntryBox.h"

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;
class QTimer;

namespace corvane {

class DialogProvider;
class GridCellEditor;
class Knob;
class MachineDrawing;
class ProjectCommands;
class RecoveryKeeper;
class ResultGraph;
class UserPrompts;
class WindowZoom;
class frmFeet;
class frmGrowth;
class frmTolerances;
class frmMoves;

// The main window: readings, lengths, options, header texts and results of the open project for the
// selected method. Every handler writes the record in place and recalculates; while the window fills
// its own controls from the record (Loading) the handlers neither write back nor recalculate.
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
    // The window's choices as the calculation takes them.
    CalcOptions currentOptions() const;
    void Timer1_Timer();

    // Method, rotation and bracket side.
    void optAcalc_Click(int index);
    void cmbFixMove_Click();
    void cmbRotation_Click();
    void setupRotation();
    // The method, rotation, bracket side and result switches the job was saved with (kept in its
    // ReservedText), shown again; a project that keeps none leaves the window as it is.
    void applyViewOptions();
    // A project was opened or created by a file command: its view, then the whole record.
    void showOpenedProject();

    // Options and header fields.
    void optEU_Click(int index);
    void chkStation_Click(int index);
    void chkTgrowth_Click();
    void chkTolerance_Click();
    void txtMachine_LostFocus();
    void txtTechnician_LostFocus();
    void txtM1_LostFocus();
    void txtM2_LostFocus();
    void txtMisc1_LostFocus();

    // Readings, growth and reset.
    void cwkDial1_ValueChanged(int p, double value);
    void cwkDial2_ValueChanged(int p, double value);
    void txtD1_LostFocus(int p);
    void txtD2_LostFocus(int p);
    void txtGro_LostFocus(int index);
    void cmdReset_Click();

    // Length grid: a committed cell edit.
    void gridLength_Commit(int row, const QString& typed);

    // Graph buttons.
    void cmdG1Inc_Click();
    void cmdG1Dec_Click();
    void cmdG2Inc_Click();
    void cmdG2Dec_Click();
    void cmdScale_Click();

    // Other windows.
    void cmdComments_Click();
    void cmdGrowth_Click();
    void cmdTolerances_Click();
    void cmdMoves_Click();
    void cmdFeet_Click();
    void mnuAbout_Click();
    // Help: the manual at the section of the control with the keyboard, and the worked examples,
    // each opened as a new project that is not yet saved anywhere.
    void mnuHelpContents_Click();
    void mnuExample_Click(int method);
    void txtRimSag_LostFocus();

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
    void restoreJob(const ProjectRecord& job);
    void startHistory();
    // A save made the job as it is now the one it is compared with.
    void markSaved();
    // Every handler that changes the job reports it here: the session makes a step of whatever
    // differs from the last one.
    void jobEdited();

    // Called by the file commands.
    void setRecentFileCaptions(const std::array<std::string, kRecentFileCount>& captions);
    void showDateStamp(const QString& formatted);

    // The growth and tolerance windows, built at their first use.
    frmGrowth* growthWindow();
    frmTolerances* toleranceWindow();
    frmMoves* movesWindow();
    frmFeet* feetWindow();
    ProjectCommands& commands() { return *commands_; }
    RecoveryKeeper& recovery() { return *recovery_; }
    // Offers to restore the job of a program that closed without saving it (after a crash or a
    // power cut): the newest such job first; on Yes it becomes the open, unsaved project.
    void offerRecovery();

    // The controls, for the window's tests and for tools that drive it from outside.
    const MainWindowControls& controls() const { return ui_; }
    // The window's choices of method, rotation, bracket side and result switches.
    ViewOptions currentView() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Start-up, in two steps: everything filled from the record while Loading, then the graphs and
    // the clock.
    void loadWindow(bool showAbout, const std::string& startFile);
    void showLoadedWindow();
    // Construction, by area of the window.
    void buildHeader(QWidget* central);
    void buildMachineModel(QWidget* central);
    void buildDials(QWidget* central);
    void buildDialFrame(QWidget* central, int dial);
    void buildLengthGrid(QWidget* central);
    void buildCalculation(QWidget* central);
    void buildResults(QWidget* central);
    void buildMiscellaneous(QWidget* central);
    void buildButtons(QWidget* central);
    void buildMenus();
    void buildStatusBar();
    void buildEditMenu();
    // The zeroing notes, the rim-and-face sag box, the Help entries and What's This texts.
    void buildGuidance(QWidget* central);
    // The notes, tool tips and sag box for the method, rotation and bracket side shown now.
    void showGuidance();
    void fillRimSag();
    void buildViewMenu();
    // The Edit menu's actions as the session's history allows them.
    void showEditState();
    // The status bar's note on the open file: a file that is no project (open read-only), one that
    // another Corvane has open, view options that did not fit in the record.
    void showFileNotes();
    // What the window sizes itself at each zoom: the canvas in the room it has, the length grid, the
    // buttons' pictures, the status bar's room for the verdict.
    void showZoomed();
    // The readings check and the verdict of the calculation just shown, in the status bar and on
    // the reading boxes a finding is about.
    // The two result labels of a calculation that ran.
    void showResultTexts(const CalcResult& result);
    void showCheckAndVerdict(const std::vector<ReadingFinding>& findings, const AlignmentVerdict& verdict);
    void arrangeTabOrder();
    // Select on entry, Enter walks on, leaving commits through the box's lost-focus handler.
    void setUpEntryBox(QLineEdit* box);
    CaptionedBox captionedBox(QWidget* parent, const QString& caption, const QString& boxName);
    void applyMethodLayout(int method);
    void placeLengthLabels();
    void fillLengthGrid();
    // Column widths, row heights and size of the length grid at the present zoom.
    void sizeLengthGrid();
    void setAutoScaleButtonColour();
    // Commits an open edit of the length grid, as leaving the cell would.
    void commitGridEdit();
    void placeFootControls();
    void setGrowthBoxesVisible();
    // A half rotation has no 6:00 reading: its knobs, boxes and captions are hidden.
    void showRotationControls();
    bool halfRotationShown() const;
    // The caption of the bracket choice: on which shaft the bracket is, on which half the dials run.
    void showBracketCaption();
    // The 9:00 boxes and knobs: 0 in a half rotation, the job's readings in a full one.
    void showNineOClock();
    // Keeps the window's view options with the job, so that a reopened job shows the same moves.
    void storeViewOptions();
    // The chosen move alternative drawn on the graphs as the target line, and the moves window
    // brought up to date with the result just shown.
    void showMoveChoice(const CalcResult& result);
    // The moves window changed the job: its ticks shown, the result worked out again, one edit.
    void movesEdited();
    MachineDrawing* shownDrawing() const;

    // Runs the lost-focus handler of one box.
    void runLostFocus(QLineEdit* box);
    void typedReading(int dial, int p);
    void knobTurned(int dial, int p, double value);
    void stepGraphRange(ResultGraph* graph, bool widen);
    // How the window shows values: in the unit system the user chose.
    DisplayFormat display() const;
    // Everything that shows a value, shown again in the units chosen now; the record, the graphs'
    // ranges and the changed mark stay as they are.
    void showInUnits();

    AppState& state_;
    DialogProvider& dialogs_;
    MainWindowControls ui_;
    QWidget* canvas_ = nullptr;
    // Where each control sits, in design units; the window's zoom maps them to the screen.
    DesignLayout layout_;
    WindowZoom* zoom_ = nullptr;
    // Form state. Loading: the window fills its controls from the record, and the change handlers
    // neither write back nor calculate. Each flag is set for a scope by a ScopedFlag.
    bool Loading = false;
    bool GrowthOn = false;
    bool ToleranceOn = false;
    bool AutoScale = false;
    std::unique_ptr<UserPrompts> prompts_;
    std::unique_ptr<ProjectCommands> commands_;
    std::unique_ptr<RecoveryKeeper> recovery_;
    std::unique_ptr<frmGrowth> growth_;
    std::unique_ptr<frmTolerances> tolerances_;
    std::unique_ptr<frmMoves> moves_;
    std::unique_ptr<frmFeet> feet_;
    // Set while the program moves a knob inside a handler that calculates once at its end (a typed
    // reading, a change of rotation), so that one change gives one calculation and one message.
    bool knobCalcDeferred_ = false;
    // Set while a change of method puts the 9:00 knobs to 0: the knobs still hold the old method's
    // readings, and the refresh that follows sets them from the new method's record.
    bool switchingMethod_ = false;
    // The stationary feet are being ticked: a calculation without a pair says why in its results
    // only, without a message for each tick.
    bool tickingFeet_ = false;
    // For the file note: the file this window marks as open, whether another program had it open
    // then, and whether the last view options found no room in the record.
    std::string heldFile_;
    bool otherHolds_ = false;
    bool viewNotKept_ = false;
};

}  // namespace corvane
