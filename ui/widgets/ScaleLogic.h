#pragma once

#include <Qt>
#include <optional>

class QWheelEvent;

namespace corvane {

// What a scale widget (Knob, Thermometer) does with its value when the user turns it: the
// needle or column stops at the ends of the scale, and a drag lands on the steps of the scale.
// A value the program sets is never touched by any of this.
struct ScaleLogic {
    double minimum = 0;
    double maximum = 100;
    double step = 1;

    // Where on the scale a value sits: 0 at the minimum, 1 at the maximum, held inside 0..1 (an
    // empty scale puts everything at 0).
    double fractionOf(double value) const;
    // The value of a point on the scale (fraction 0..1), on a step, inside the scale.
    double valueAtFraction(double fraction) const;
    // The value after the user's key: Up/Right a step up, Down/Left a step down, Page Up/Down
    // ten steps, Home/End the ends. nullopt for any other key.
    std::optional<double> valueAfterKey(int key, double value) const;
    // `notches` steps from value, inside the scale.
    double valueAfterSteps(double value, double notches) const;

    double clampToScale(double value) const;
};

// Turns wheel deltas into whole notches; smooth-scrolling devices send parts of a notch, which
// are saved up until a whole one is there.
class WheelNotches {
public:
    int take(const QWheelEvent& event);

private:
    int pending_ = 0;
};

}  // namespace corvane
