#pragma once

#include <array>

#include "project/AppState.h"

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
class QToolButton;

namespace corvane {

class ElidedLabel;
class GridCellEditor;
class Knob;
class MachineDrawing;
class ResultGraph;

// The controls of the main window, named as the technician's documentation names them. Each panel
// of the window fills in the controls it builds; the window's tests and tools that drive it from
// outside reach them through frmDials::controls().
struct MainWindowControls {
    std::array<QLineEdit*, 4> txtD1{};
    std::array<QLineEdit*, 4> txtD2{};
    std::array<QLineEdit*, 4> txtGro{};
    std::array<Knob*, 4> cwkDial1{};
    std::array<Knob*, 4> cwkDial2{};
    std::array<QLabel*, 4> lblClock1{};  // the clock position beside each knob of dial 1
    std::array<QLabel*, 4> lblClock2{};
    std::array<QCheckBox*, 4> chkStation{};
    std::array<QRadioButton*, 3> optAcalc{};
    std::array<QRadioButton*, 2> optEU{};
    QComboBox* cmbFixMove = nullptr;
    QLabel* lblFixMove = nullptr;  // what the bracket choice means: its shaft and the dials' half
    QComboBox* cmbRotation = nullptr;
    QComboBox* cmbMachine = nullptr;
    QCheckBox* chkTolerance = nullptr;
    QCheckBox* chkTgrowth = nullptr;
    QLabel* lblAcalc1 = nullptr;
    QLabel* lblAcalc2 = nullptr;
    QLabel* lblMisc1 = nullptr;
    QLabel* lblCompany = nullptr;
    QLabel* lblStationary = nullptr;
    QLabel* lblMachine1 = nullptr;
    QLabel* lblMachine2 = nullptr;
    std::array<QLabel*, 5> lblLength{};
    QLineEdit* txtMisc1 = nullptr;
    QLineEdit* txtMachine = nullptr;
    QLineEdit* txtTechnician = nullptr;
    QLineEdit* txtM1 = nullptr;
    QLineEdit* txtM2 = nullptr;
    QLineEdit* txtLength = nullptr;
    QTableWidget* gridLength = nullptr;
    GridCellEditor* gridEditor = nullptr;
    ResultGraph* Graph1 = nullptr;
    ResultGraph* Graph2 = nullptr;
    QPushButton* cmdScale = nullptr;
    QPushButton* cmdG1Inc = nullptr;
    QPushButton* cmdG1Dec = nullptr;
    QPushButton* cmdG2Inc = nullptr;
    QPushButton* cmdG2Dec = nullptr;
    QPushButton* cmdReset = nullptr;
    QPushButton* cmdComments = nullptr;
    QPushButton* cmdGrowth = nullptr;
    QPushButton* cmdTolerances = nullptr;
    QPushButton* cmdMoves = nullptr;  // by the results: the move alternatives
    QToolButton* cmdFeet = nullptr;   // by the stationary-foot ticks: the Feet window
    QGroupBox* frameHeader = nullptr;
    QGroupBox* frameDial1 = nullptr;
    QGroupBox* frameDial2 = nullptr;
    QGroupBox* frameMachine = nullptr;
    QGroupBox* frameLength = nullptr;
    QGroupBox* frameCalculation = nullptr;
    QGroupBox* frameMisc = nullptr;
    QGroupBox* frameUnits = nullptr;
    QLabel* lblGrowth = nullptr;              // caption of the growth boxes
    ElidedLabel* lblReadingsCheck = nullptr;  // status bar: the readings check
    ElidedLabel* lblVerdict = nullptr;        // status bar: the alignment verdict
    ElidedLabel* lblFileNote = nullptr;       // status bar: what to know about the open file, if anything
    MachineDrawing* picRevDial = nullptr;
    MachineDrawing* picRimFace1 = nullptr;
    MachineDrawing* picRimFace2 = nullptr;
    MachineDrawing* picJackShaft = nullptr;
    QTimer* Timer1 = nullptr;

    QAction* mnuFileNew = nullptr;
    QAction* mnuFileOpen = nullptr;
    QAction* mnuFileSaveAs = nullptr;
    QAction* mnuFileSave = nullptr;
    QAction* mnuFilePrint = nullptr;
    QAction* mnuFileExportReport = nullptr;
    QAction* mnuFilePrintReport = nullptr;
    std::array<QAction*, kRecentFileCount> mnuFileMRU{};
    QAction* mnuExit = nullptr;
    QAction* mnuViewZoomIn = nullptr;
    QAction* mnuViewZoomOut = nullptr;
    QAction* mnuViewActualSize = nullptr;
    QAction* mnuEditUndo = nullptr;
    QAction* mnuEditRedo = nullptr;
    QAction* mnuGrowth = nullptr;
    QAction* mnuTolerance = nullptr;
    QAction* mnuMoves = nullptr;
    QAction* mnuFeet = nullptr;
    QAction* mnuAbout = nullptr;

    // Guidance where the readings are typed, the rim-and-face sag and the manual.
    std::array<QLabel*, 2> lblZero{};  // where each dial is zeroed and the sign of its readings
    QLabel* lblRimSag = nullptr;
    QLineEdit* txtRimSag = nullptr;
    QAction* mnuHelpContents = nullptr;
    QAction* mnuWhatsThis = nullptr;
    std::array<QAction*, 3> mnuExample{};
};

}  // namespace corvane
