#pragma once

#include <QDialog>
#include <array>

#include "calc/format/Units.h"
#include "ui/common/DisplayText.h"

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace corvane {

struct AppState;
class GridCellEditor;
class MachineDrawing;
class Thermometer;
class WindowZoom;

// "Thermal Growth": how far each foot rises between ambient and operating temperature, from the
// casing material, the foot heights and the two temperatures of every foot. Temperatures, heights
// and material go into the project at once; the computed growth only on "Apply Growth Values".
class frmGrowth : public QDialog {
    Q_OBJECT
public:
    frmGrowth(AppState& state, QWidget* mainWindow);
    ~frmGrowth() override;

    // Rebuilds the window from the record for the selected method. bracketSide is the main
    // window's cmbFixMove index (-1 when nothing is selected); it picks the rim-and-face picture.
    void initGrowthPanel(int bracketSide);

signals:
    // The growth values were written into the project: the main window shows them (fillTXTfields).
    void growthApplied();

public slots:
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    friend class GrowthWindowTestAdapter;

    // Controls, named as the window's handlers know them.
    QTableWidget* gridHeight = nullptr;
    QLineEdit* txtHeight = nullptr;
    QTableWidget* gridGrowth = nullptr;
    Thermometer* cwColdT = nullptr;
    Thermometer* cwHotT = nullptr;
    QLineEdit* txtColdT = nullptr;
    QLineEdit* txtHotT = nullptr;
    QLabel* lblDeltaT = nullptr;
    std::array<QRadioButton*, 4> optMaterial{};
    std::array<MachineDrawing*, 4> picMachine{};
    QPushButton* cmdApplyGrowth = nullptr;
    QPushButton* cmdExit = nullptr;
    QGroupBox* frameGrowth = nullptr;
    QGroupBox* frameTemperature = nullptr;
    QGroupBox* frameMaterial = nullptr;
    GridCellEditor* heightEditor = nullptr;

    // Window state.
    int FootCount = 4;
    std::array<float, 6> FootGrowth{};
    bool Busy = false;

    // Handlers.
    void optMaterial_Click(int index);
    void txtHotT_LostFocus();
    void txtColdT_LostFocus();
    void cmdApplyGrowth_Click();
    void cmdExit_Click();

    void buildControls();
    void setupGrowthGrids();
    // Column widths and row heights of both grids, at the window's zoom.
    void sizeGrowthGrids();
    // initGrowthPanel's filling of the window, while Busy.
    void preparePanel(int bracketSide);
    void showFootTemperatures();
    void showDeltaT(int foot);
    void calcFootGrowth();
    void calcFootGrowth(int foot);
    void refreshHeightCell();
    void placeOnMainWindow();
    void gridHeight_EnterCell(int row, int column);
    void gridHeight_LeaveCell(int row, int column, const QString& typed);
    // How values are shown and read: in the main window's unit system.
    DisplayFormat display() const;
    void temperatureMoved(bool hot, double value);
    void storeTypedTemperature(bool hot);
    void setHeightCell(int row, int foot);
    void commitPendingEdits();
    int currentFoot() const;

    AppState& state_;
    QWidget* mainWindow_;
    QButtonGroup* materials_ = nullptr;
    WindowZoom* zoom_ = nullptr;
    int bracketSide_ = 0;
};

}  // namespace corvane
