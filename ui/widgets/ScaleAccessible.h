#pragma once

class QWidget;

namespace corvane {

// Lets screen readers and test or automation tools read and set the value of a Knob (role Dial)
// or a Thermometer (role Slider) through the standard value interface. Safe to call more than once.
void installScaleAccessibility();

// Tells assistive technology that a scale widget's value has changed.
void notifyScaleValueChanged(QWidget* widget, double value);

}  // namespace corvane
