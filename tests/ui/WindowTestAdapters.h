#pragma once

// One adapter per window, its friend: the controls that the window keeps to itself, for its tests to
// drive as a user does.

#include "ui/feet/frmFeet.h"
#include "ui/growth/frmGrowth.h"
#include "ui/history/HistoryPreferences.h"
#include "ui/history/MachineHistoryWindow.h"
#include "ui/moves/frmMoves.h"
#include "ui/tolerance/frmTolerances.h"

namespace corvane {

template <class Window>
class TestAdapter {
public:
    explicit TestAdapter(const Window& window) : w_(window) {}

protected:
    const Window& w_;
};

class GrowthWindowTestAdapter : public TestAdapter<frmGrowth> {
public:
    using TestAdapter::TestAdapter;
    QTableWidget* gridHeight() const { return w_.gridHeight; }
    QLineEdit* txtHeight() const { return w_.txtHeight; }
    QTableWidget* gridGrowth() const { return w_.gridGrowth; }
    Thermometer* cwColdT() const { return w_.cwColdT; }
    Thermometer* cwHotT() const { return w_.cwHotT; }
    QLineEdit* txtColdT() const { return w_.txtColdT; }
    QLineEdit* txtHotT() const { return w_.txtHotT; }
    QLabel* lblDeltaT() const { return w_.lblDeltaT; }
    QRadioButton* optMaterial(int k) const { return w_.optMaterial.at(static_cast<std::size_t>(k)); }
    MachineDrawing* picMachine(int k) const { return w_.picMachine.at(static_cast<std::size_t>(k)); }
    QPushButton* cmdApplyGrowth() const { return w_.cmdApplyGrowth; }
    QPushButton* cmdExit() const { return w_.cmdExit; }
};

class ToleranceWindowTestAdapter : public TestAdapter<frmTolerances> {
public:
    using TestAdapter::TestAdapter;
    QLineEdit* txtRPM() const { return w_.txtRPM; }
    QLineEdit* txtSpan() const { return w_.txtSpan; }
    QLabel* lblLimits() const { return w_.lblLimits; }
    QLabel* lblBandCaption() const { return w_.lblBandCaption; }
    QLabel* lblTolerance() const { return w_.lblTolerance; }
    QLabel* lblVerdict() const { return w_.lblVerdict; }
    QPushButton* cmdClose() const { return w_.cmdClose; }
};

class MovesWindowTestAdapter : public TestAdapter<frmMoves> {
public:
    using TestAdapter::TestAdapter;
    QTableWidget* tblLimits() const { return w_.ui_.tblLimits; }
    // 0 vertical, 1 horizontal.
    QTableWidget* tblAlternatives(int plane) const {
        return w_.ui_.tblAlternatives.at(static_cast<std::size_t>(plane));
    }
    QLabel* lblChosen() const { return w_.ui_.lblChosen; }
    QLabel* lblProblem() const { return w_.ui_.lblProblem; }
};

class FeetWindowTestAdapter : public TestAdapter<frmFeet> {
public:
    using TestAdapter::TestAdapter;
    // Physical foot 0..7: foot 1 left, foot 1 right, foot 2 left, ...
    QLineEdit* asFound(int foot) const { return w_.feet.at(static_cast<std::size_t>(foot)).asFound; }
    QLineEdit* asLeft(int foot) const { return w_.feet.at(static_cast<std::size_t>(foot)).asLeft; }
    QLabel* judgement(int foot) const { return w_.feet.at(static_cast<std::size_t>(foot)).judgement; }
    // Foot position 0..3.
    QLineEdit* txtStack(int position) const { return w_.txtStack.at(static_cast<std::size_t>(position)); }
    QLabel* lblPack(int position) const { return w_.lblPack.at(static_cast<std::size_t>(position)); }
};

class HistoryWindowTestAdapter : public TestAdapter<MachineHistoryWindow> {
public:
    using TestAdapter::TestAdapter;
    QTableWidget* machines() const { return w_.machines_; }
    QTableWidget* records() const { return w_.records_; }
};

class HistoryPreferencesTestAdapter : public TestAdapter<HistoryPreferences> {
public:
    using TestAdapter::TestAdapter;
    QLineEdit* databaseBox() const { return w_.database_; }
    QLabel* problemLabel() const { return w_.problem_; }
};

}  // namespace corvane
