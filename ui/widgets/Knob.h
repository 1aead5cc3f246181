#pragma once

#include <QWidget>

#include "ui/widgets/ScaleLogic.h"

namespace corvane {

// A round dial with a needle and a scale, holding a double. Semantics of QAbstractSlider:
// valueChanged is emitted whenever the value really changes, by the user or the program, and
// never when it is set to the value it already holds. A value outside the scale is kept as it
// is; only the needle stops at the end of the scale. Turned by mouse drag, wheel and arrow keys
// (one value step per notch or key; Page Up/Down ten steps).
class Knob : public QWidget {
    Q_OBJECT
    Q_PROPERTY(double value READ value WRITE setValue NOTIFY valueChanged)
public:
    explicit Knob(QWidget* parent = nullptr);

    double value() const { return value_; }
    double minimum() const { return minimum_; }
    double maximum() const { return maximum_; }
    double step() const { return step_; }
    void setRange(double minimum, double maximum);
    void setStep(double step);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

public slots:
    void setValue(double value);

signals:
    void valueChanged(double value);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    double valueAtPoint(const QPointF& point) const;
    // Where a point lies on the scale (0..1), or a negative number when it is too close to the
    // centre to give a direction.
    double fractionAtPoint(const QPointF& point) const;
    // The user turns the knob: the needle stops at the ends of the scale.
    void turnTo(double fraction);
    ScaleLogic logic() const { return {minimum_, maximum_, step_}; }
    QRectF dialRect() const;
    int labelHeight() const;

    bool dragging_ = false;
    double dragFraction_ = 0;
    WheelNotches wheel_;

    double value_ = 0;
    double minimum_ = -100;
    double maximum_ = 100;
    double step_ = 1;
};

}  // namespace corvane
