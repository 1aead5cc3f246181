#pragma once

#include <QWidget>

#include "ui/widgets/ScaleWidget.h"

namespace corvane {

// A round dial with a needle and a scale, holding a double. Semantics of QAbstractSlider:
// valueChanged is emitted whenever the value really changes, by the user or the program, and
// never when it is set to the value it already holds. A value outside the scale is kept as it
// is; only the needle stops at the end of the scale. Turned by mouse drag, wheel and arrow keys
// (one value step per notch or key; Page Up/Down ten steps).
class Knob : public ScaleWidget {
    Q_OBJECT
public:
    explicit Knob(QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    double valueAtPoint(const QPointF& point) const;
    // Where a point lies on the scale (0..1), or a negative number when it is too close to the
    // centre to give a direction.
    double fractionAtPoint(const QPointF& point) const;
    // The user turns the knob: the needle stops at the ends of the scale.
    void turnTo(double fraction);
    QRectF dialRect() const;
    int labelHeight() const;

    double dragFraction_ = 0;
};

}  // namespace corvane
