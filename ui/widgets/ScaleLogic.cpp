#include "ui/widgets/ScaleLogic.h"

#include <QWheelEvent>
#include <algorithm>
#include <cmath>

namespace corvane {

double ScaleLogic::clampToScale(double value) const {
    const double low = std::min(minimum, maximum);
    const double high = std::max(minimum, maximum);
    return std::clamp(value, low, high);
}

double ScaleLogic::fractionOf(double value) const {
    const double span = maximum - minimum;
    if (!(span > 0) || std::isnan(value)) return 0;
    return std::clamp((value - minimum) / span, 0.0, 1.0);
}

double ScaleLogic::valueAtFraction(double fraction) const {
    double value = minimum + std::clamp(fraction, 0.0, 1.0) * (maximum - minimum);
    if (step > 0) {
        // Snap to the steps counted from the minimum; the maximum itself is always reachable,
        // even when the span is not a whole number of steps.
        const double snapped = minimum + std::round((value - minimum) / step) * step;
        value = (fraction >= 1.0) ? maximum : snapped;
    }
    return clampToScale(value);
}

double ScaleLogic::valueAfterSteps(double value, double notches) const {
    if (!(step > 0) || notches == 0) return value;
    double moved = value + notches * step;
    // Repeated steps must not collect binary round-off: a value within a hair of a step of the
    // scale is put exactly on it, so that eleven steps of 0.1 from 0 read 1.1.
    const double onGrid = minimum + std::round((moved - minimum) / step) * step;
    if (std::fabs(moved - onGrid) <= step * 1e-9) moved = onGrid;
    // A value the program left beyond an end comes back onto the scale at that end when the
    // user turns towards the scale; turning further out leaves it where it is.
    moved = clampToScale(moved);
    if ((notches > 0 && moved < value) || (notches < 0 && moved > value)) return value;
    return moved;
}

std::optional<double> ScaleLogic::valueAfterKey(int key, double value) const {
    switch (key) {
        case Qt::Key_Up:
        case Qt::Key_Right:
            return valueAfterSteps(value, 1);
        case Qt::Key_Down:
        case Qt::Key_Left:
            return valueAfterSteps(value, -1);
        case Qt::Key_PageUp:
            return valueAfterSteps(value, 10);
        case Qt::Key_PageDown:
            return valueAfterSteps(value, -10);
        case Qt::Key_Home:
            return minimum;
        case Qt::Key_End:
            return maximum;
        default:
            return std::nullopt;
    }
}

int WheelNotches::take(const QWheelEvent& event) {
    const QPoint delta = event.angleDelta();
    int d = delta.y() != 0 ? delta.y() : delta.x();
    if (event.inverted()) d = -d;
    pending_ += d;
    const int notches = pending_ / QWheelEvent::DefaultDeltasPerStep;
    pending_ -= notches * QWheelEvent::DefaultDeltasPerStep;
    return notches;
}

}  // namespace corvane
