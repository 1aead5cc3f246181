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
#include "ui/main/MainWindowControls.h"
#include "ui/widgets/DesignLayout.h"
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
class QUndoStack;

namespace corvane {

class DialogProvider;
class GridCellEditor;
class Knob;
class MachineDrawing;
class ProjectCommands;
class RecoveryKeeper;
class ResultGraph;
class UserPrompts;
class frmGrowth;
class frmTolerances;

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

    // Undo and redo: the job as an edit left it, put back with what the program keeps up by itself
    // as it is now; the history starts anew with each opened project; a save is the new state the
    // job is compared with.
    void restoreJob(const ProjectRecord& job);
    void startHistory();
    void markSaved();
    // Makes a step of whatever the user changed in the job since the last one.
    void noteEdits();

    // The size of the window as a part of its design size, in steps, or at once.
    void zoomBy(int steps);
    void zoomTo(double scale);
    // The scale the controls are shown at (1 at the design size).
    double scale() const { return layout_.scale(); }

    // Called by the file commands.
    void setRecentFileCaptions(const std::array<std::string, kRecentFileCount>& captions);
    void showDateStamp(const QString& formatted);

    // The growth and tolerance windows, built at their first use.
    frmGrowth* growthWindow();
    frmTolerances* toleranceWindow();
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
    void resizeEvent(QResizeEvent* event) override;

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
    void updateChanged();
    // The scale a window of `size` shows its controls at, and showing them at it.
    double scaleForSize(QSize size) const;
    void applyScale(double scale);
    // The readings check and the verdict of the calculation just shown, in the status bar and on
    // the reading boxes a finding is about.
    void showCheckAndVerdict(const std::vector<ReadingFinding>& findings, const AlignmentVerdict& verdict);
    void arrangeTabOrder();
    // Select on entry, Enter walks on, leaving commits through the box's lost-focus handler.
    void setUpEntryBox(QLineEdit* box);
    CaptionedBox captionedBox(QWidget* parent, const QString& caption, const QString& boxName);
    void applyMethodLayout(int method);
    void placeLengthLabels();
    void fillLengthGrid();
    // Column widths, row heights and size of the length grid at the present scale.
    void sizeLengthGrid();
    void setScaleButtonColour();
    // Commits an open edit of the length grid, as leaving the cell would.
    void commitGridEdit();
    void placeFootControls();
    void setGrowthBoxesVisible();
    // A half rotation has no 6:00 reading: its knobs and boxes are hidden.
    void showRotationControls();
    // Keeps the window's view options with the job, so that a reopened job shows the same moves.
    void storeViewOptions();
    MachineDrawing* shownDrawing() const;

    // Runs the lost-focus handler of one box.
    void runLostFocus(QLineEdit* box);
    void typedReading(int dial, int p);
    void knobTurned(int dial, int p, double value);
    void zoomGraph(ResultGraph* graph, bool widen);
    // The unit system the window shows and reads values in.
    UnitSystem units() const;
    // The unit of a quantity as the captions name it: "mils", "mm", ...
    QString unitText(Quantity quantity) const;
    // A stored reading as its knob shows it.
    double knobValue(float reading) const;
    // Everything that shows a value, shown again in the units chosen now; the record, the graphs'
    // ranges and the changed mark stay as they are.
    void showInUnits();
    // A reading or sag as its box shows it; any other stored value as its place shows it.
    QString readingText(float reading) const;
    QString storedText(float value, Quantity quantity) const;

    AppState& state_;
    DialogProvider& dialogs_;
    MainWindowControls ui_;
    QWidget* canvas_ = nullptr;
    QSize designSize_;
    double baseFontPoints_ = 9;
    // Where each control sits, in design units, and the scale they are shown at.
    DesignLayout layout_;
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
    QUndoStack* undo_ = nullptr;
    struct Edits {
        ProjectRecord lastStep;  // the job as the last undo step left it
        ProjectRecord saved;     // the job as last opened or saved
        bool unsavedWithoutEdit = false;
        bool noteScheduled = false;
    } edits_;
    // Set while the program moves a knob inside a handler that calculates once at its end (a typed
    // reading, a change of rotation), so that one change gives one calculation and one message.
    bool knobCalcDeferred_ = false;
    // Set while a change of method puts the 9:00 knobs to 0: the knobs still hold the old method's
    // readings, and the refresh that follows sets them from the new method's record.
    bool switchingMethod_ = false;
};

}  // namespace corvane
