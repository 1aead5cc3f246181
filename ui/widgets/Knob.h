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
    // Along the arc of the scale; a point too close to the centre gives no direction.
    double fractionAtPoint(const QPointF& point) const override;
    // Dragging across the gap at the bottom stops the needle at the end it came from.
    double dragTo(double fraction, double previous) const override;

private:
    QRectF dialRect() const;
    int labelHeight() const;
};

}  // namespace corvane
