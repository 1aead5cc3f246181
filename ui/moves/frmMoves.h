#pragma once

#include <array>

#include "calc/judging/MoveAlternatives.h"
#include "calc/methods/Alignment.h"
#include "project/MoveSetup.h"
#include "ui/common/JobToolWindow.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace corvane {

// "Move Alternatives": for each plane every pair of feet that can be held still, the moves of the
// four feet, whether each foot can do its move, the least moves into tolerance, and how to work the
// chosen pair with one dial. The feet's limits and the fixed machine's feet are part of the job.
class frmMoves : public JobToolWindow {
    Q_OBJECT
public:
    frmMoves(AppState& state, QWidget* mainWindow, OptionsSource currentOptions, JobEdited jobEdited);

    // Works everything out again from the job and the main window's choices, and shows it.
    void refresh() override;

private:
    friend class MovesWindowTestAdapter;

    struct Controls {
        QCheckBox* chkEither = nullptr;
        QGroupBox* frameFixedFeet = nullptr;
        QLineEdit* txtInboard = nullptr;
        QLineEdit* txtSpacing = nullptr;
        QTableWidget* tblLimits = nullptr;
        std::array<QTableWidget*, 2> tblAlternatives{};  // vertical, horizontal
        std::array<QLabel*, 2> lblTolerance{};
        std::array<QLabel*, 2> lblDial{};
        QLabel* lblChosen = nullptr;
        QLabel* lblProblem = nullptr;
        QPushButton* cmdChoose = nullptr;
        QPushButton* cmdClearChoice = nullptr;
    };

    void buildControls();
    QGroupBox* buildPlane(int plane, const QString& title);
    void showAlternatives();
    void showDial(int plane);
    void limitEdited(int row, int column);
    void fixedFeetEdited(QLineEdit* box);
    void chooseSelected();
    void clearChoice();
    void selectPair(std::array<int, 2> held);
    void storeSetup(const MoveSetup& setup);
    MoveSetup setup() const;
    std::array<int, 2> chosenPair() const;

    Controls ui_;
    CalcOptions options_;
    MoveAlternatives moves_;
    bool filling_ = false;
};

}  // namespace corvane
