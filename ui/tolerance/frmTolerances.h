#pragma once

#include <QDialog>
#include <functional>

#include "calc/format/Units.h"
#include "calc/methods/Alignment.h"
#include "ui/common/DisplayText.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace corvane {

class WindowZoom;

struct AppState;

// "Alignment Tolerance": turns the shaft speed and the coupling span into the acceptable offset
// that the result graphs draw as a band, and judges the alignment the main window shows against
// the tolerance table of its speed: the verdict's limits first, then the span rule's figure captioned
// as what it is, the band on the graphs. Closed with its Close button, Escape or the frame.
class frmTolerances : public QDialog {
    Q_OBJECT
public:
    // The choices the main window calculates with now (method, rotation, ..., units): the verdict
    // is the one of the results it shows. Without them, the record's own method is judged.
    using OptionsSource = std::function<CalcOptions()>;

    frmTolerances(AppState& state, QWidget* mainWindow, OptionsSource currentOptions = {});
    ~frmTolerances() override;

    // Called after the user changed the speed or the span, so that the main window shows the results
    // and the verdict of the new values at once.
    void setOnChange(std::function<void()> onChange) { onChange_ = std::move(onChange); }

    // state.Tolerance from Span and RPM; shows it in lblTolerance, and the verdict below it.
    void calcTolerance();
    // Shows the acceptable offset, the span and the verdict again, in the units chosen now.
    void showTolerance();

public slots:
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    friend class ToleranceWindowTestAdapter;

    QGroupBox* frameTolerance = nullptr;
    QLineEdit* txtRPM = nullptr;
    QLineEdit* txtSpan = nullptr;
    QLabel* lblSpan = nullptr;
    // The limits the verdict judges by at this speed, one line each.
    QLabel* lblLimits = nullptr;
    // What the acceptable offset below it is: the half-height of the graphs' band.
    QLabel* lblBandCaption = nullptr;
    QLabel* lblTolerance = nullptr;
    // The row of the tolerance table used, each plane against its limits, and the verdict: one
    // paragraph a line; its accessible description holds the lines as plain text.
    QLabel* lblVerdict = nullptr;
    QWidget* picCoupling = nullptr;
    QPushButton* cmdClose = nullptr;

    void txtRPM_LostFocus();
    void txtSpan_LostFocus();

    void buildControls();
    void formLoad();
    void placeOnMainWindow();
    void storeTyped(QLineEdit* box, float& field, Quantity quantity);
    DisplayFormat display() const;
    CalcOptions options() const;

    AppState& state_;
    OptionsSource currentOptions_;
    std::function<void()> onChange_;
    QWidget* mainWindow_;
    WindowZoom* zoom_ = nullptr;
    bool loaded_ = false;
};

}  // namespace corvane
