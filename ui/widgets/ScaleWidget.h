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

    // A mouse drag is under way: its value changes are one move of the user's.
    bool isDragging() const { return dragging_; }

signals:
    void valueChanged(double value);
    // The button came up (or the focus went) after a drag.
    void dragFinished();

protected:
    ScaleWidget(double minimum, double maximum, QWidget* parent);

    void wheelEvent(QWheelEvent* event) override;
    // A press puts the value where the pointer is; a drag follows it.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

    ScaleLogic logic() const { return {minimum_, maximum_, step_}; }

    // Where a point lies along the drawn scale, 0 at the minimum and 1 at the maximum (beyond them
    // past the ends); negative when the point gives no position.
    virtual double fractionAtPoint(const QPointF& point) const = 0;
    // Where a drag goes from the last place on the scale to the pointer's; the knob keeps its needle
    // from jumping across the gap at the bottom of its dial.
    virtual double dragTo(double fraction, double /*previous*/) const { return fraction; }

    bool dragging_ = false;
    double value_ = 0;
    double minimum_;
    double maximum_;
    double step_ = 1;

private:
    void endDrag();

    WheelNotches wheel_;
    double dragFraction_ = 0;
};

}  // namespace corvane
