#pragma once

#include <QDialog>

#include "calc/Units.h"

class QGroupBox;
class QLabel;
class QLineEdit;

namespace corvane {

class WindowScaler;

struct AppState;

// "Alignment Tolerance": turns the shaft speed and the coupling span into the acceptable offset
// that the result graphs draw as a band. No buttons: the user closes it with the frame's close
// control or Escape.
class frmTolerances : public QDialog {
    Q_OBJECT
public:
    frmTolerances(AppState& state, QWidget* mainWindow);
    ~frmTolerances() override;

    // state.Tolerance from Span and RPM; shows it in lblTolerance.
    void calcTolerance();

    QGroupBox* frameTolerance = nullptr;
    QLineEdit* txtRPM = nullptr;
    QLineEdit* txtSpan = nullptr;
    QLabel* lblTolerance = nullptr;
    QWidget* picCoupling = nullptr;

    void txtRPM_LostFocus();
    void txtSpan_LostFocus();

public slots:
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void formLoad();
    void placeOnMainWindow();
    void storeTyped(QLineEdit* box, float& field, Quantity quantity);

    AppState& state_;
    QWidget* mainWindow_;
    WindowScaler* scaler_ = nullptr;
    bool loaded_ = false;
};

}  // namespace corvane
