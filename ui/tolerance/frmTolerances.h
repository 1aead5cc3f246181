#pragma once

#include <QDialog>
#include <functional>

#include "calc/format/Units.h"
#include "calc/methods/Alignment.h"
#include "ui/common/DisplayText.h"

class QGroupBox;
class QLabel;
class QLineEdit;

namespace corvane {

class WindowScaler;

struct AppState;

// "Alignment Tolerance": turns the shaft speed and the coupling span into the acceptable offset
// that the result graphs draw as a band, and judges the alignment the main window shows against
// the tolerance table of its speed. No buttons: the user closes it with the frame's close control or
// Escape.
class frmTolerances : public QDialog {
    Q_OBJECT
public:
    // The choices the main window calculates with now (method, rotation, ..., units): the verdict
    // is the one of the results it shows. Without them, the record's own method is judged.
    using OptionsSource = std::function<CalcOptions()>;

    frmTolerances(AppState& state, QWidget* mainWindow, OptionsSource currentOptions = {});
    ~frmTolerances() override;

    // state.Tolerance from Span and RPM; shows it in lblTolerance, and the verdict below it.
    void calcTolerance();
    // Shows the acceptable offset, the span and the verdict again, in the units chosen now.
    void showTolerance();

    QGroupBox* frameTolerance = nullptr;
    QLineEdit* txtRPM = nullptr;
    QLineEdit* txtSpan = nullptr;
    QLabel* lblSpan = nullptr;
    QLabel* lblTolerance = nullptr;
    // The row of the tolerance table used, each plane against its limits, and the verdict: one
    // paragraph a line; its accessible description holds the lines as plain text.
    QLabel* lblVerdict = nullptr;
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
    DisplayFormat display() const;
    CalcOptions options() const;

    AppState& state_;
    OptionsSource currentOptions_;
    QWidget* mainWindow_;
    WindowScaler* scaler_ = nullptr;
    bool loaded_ = false;
};

}  // namespace corvane
