#pragma once

#include <QWidget>

#include "ui/widgets/ScaleLogic.h"

namespace corvane {

// What the knob and the thermometer share: a double value on a scale with a step, with the
// semantics of QAbstractSlider. valueChanged is emitted whenever the value really changes, by the
// user or the program, and never when it is set to the value it already holds, so a program that
// sets the value it just received ends the exchange. A value outside the scale is kept as it is;
// only the drawing stops at the end of the scale. Wheel and keys move it by steps (one step per
// notch or arrow key, ten for Page Up/Down, Home/End to the ends); the subclass draws it and turns
// a mouse drag into a value.
class ScaleWidget : public QWidget {
    Q_OBJECT
    Q_PROPERTY(double value READ value WRITE setValue NOTIFY valueChanged)
public:
    double value() const { return value_; }
    double minimum() const { return minimum_; }
    double maximum() const { return maximum_; }
    double step() const { return step_; }
    void setRange(double minimum, double maximum);
    void setStep(double step);

public slots:
    void setValue(double value);

signals:
    void valueChanged(double value);

protected:
    ScaleWidget(double minimum, double maximum, QWidget* parent);

    void wheelEvent(QWheelEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

    ScaleLogic logic() const { return {minimum_, maximum_, step_}; }

    bool dragging_ = false;
    double value_ = 0;
    double minimum_;
    double maximum_;
    double step_ = 1;

private:
    WheelNotches wheel_;
};

}  // namespace corvane
