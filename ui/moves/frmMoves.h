#pragma once

#include <QDialog>
#include <array>
#include <functional>

#include "calc/judging/MoveAlternatives.h"
#include "calc/methods/Alignment.h"
#include "project/MoveSetup.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace corvane {

struct AppState;
class WindowZoom;

// "Move Alternatives": for each plane every pair of feet that can be held still, the moves of the
// four feet, whether each foot can do its move, the least moves into tolerance, and how to work the
// chosen pair with one dial. The feet's limits and the fixed machine's feet are part of the job:
// each change goes to the record and is reported to the main window as an edit.
class frmMoves : public QDialog {
    Q_OBJECT
public:
    using OptionsSource = std::function<CalcOptions()>;
    // Called after the window changed the job (its limits, feet or chosen pair).
    using JobEdited = std::function<void()>;

    frmMoves(AppState& state, QWidget* mainWindow, OptionsSource currentOptions, JobEdited jobEdited);
    ~frmMoves() override;

    // Works everything out again from the job and the main window's choices, and shows it.
    void refresh();

    // The controls, for the window's tests.
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
    const Controls& controls() const { return ui_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
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
    UnitSystem units() const;
    MoveSetup setup() const;
    std::array<int, 2> chosenPair() const;

    AppState& state_;
    QWidget* mainWindow_;
    OptionsSource currentOptions_;
    JobEdited jobEdited_;
    WindowZoom* zoom_ = nullptr;
    Controls ui_;
    CalcOptions options_;
    MoveAlternatives moves_;
    bool filling_ = false;
    bool placed_ = false;
};

}  // namespace corvane
