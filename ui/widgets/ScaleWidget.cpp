#include "ui/widgets/ScaleWidget.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "ui/widgets/ScaleAccessible.h"

namespace corvane {

ScaleWidget::ScaleWidget(double minimum, double maximum, QWidget* parent)
    : QWidget(parent), minimum_(minimum), maximum_(maximum) {
    installScaleAccessibility();
    setFocusPolicy(Qt::StrongFocus);
}

void ScaleWidget::setValue(double value) {
    // A non-finite number is no reading; the widget keeps what it shows.
    if (!std::isfinite(value) || value == value_) return;
    value_ = value;
    update();
    notifyScaleValueChanged(this, value_);
    emit valueChanged(value_);
}

void ScaleWidget::setRange(double minimum, double maximum) {
    if (!std::isfinite(minimum) || !std::isfinite(maximum)) return;
    if (maximum < minimum) std::swap(minimum, maximum);
    // The value stays as it is: a reading beyond the new scale is still the reading.
    minimum_ = minimum;
    maximum_ = maximum;
    update();
}

void ScaleWidget::setStep(double step) {
    if (!std::isfinite(step)) return;
    step_ = std::fabs(step);
}

void ScaleWidget::wheelEvent(QWheelEvent* event) {
    // A scroll that passes over the window must not turn a reading: the wheel works only on the
    // scale the user has chosen with a click or Tab.
    if (!hasFocus()) {
        event->ignore();
        return;
    }
    const int notches = wheel_.take(*event);
    if (notches != 0) setValue(logic().valueAfterSteps(value_, notches));
    event->accept();
}

void ScaleWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    const double fraction = fractionAtPoint(event->position());
    // The press is the start of the drag: the value it sets belongs to the drag.
    dragging_ = true;
    if (fraction >= 0) {
        dragFraction_ = fraction;
        setValue(logic().valueAtFraction(fraction));
    } else {
        dragFraction_ = logic().fractionOf(value_);
    }
    event->accept();
}

void ScaleWidget::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_ || !(event->buttons() & Qt::LeftButton)) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    const double fraction = fractionAtPoint(event->position());
    if (fraction >= 0) {
        dragFraction_ = dragTo(fraction, dragFraction_);
        setValue(logic().valueAtFraction(dragFraction_));
    }
    event->accept();
}

void ScaleWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) endDrag();
    QWidget::mouseReleaseEvent(event);
}

void ScaleWidget::keyPressEvent(QKeyEvent* event) {
    if (const auto next = logic().valueAfterKey(event->key(), value_)) {
        setValue(*next);
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void ScaleWidget::focusInEvent(QFocusEvent* event) {
    update();
    QWidget::focusInEvent(event);
}

void ScaleWidget::endDrag() {
    if (!dragging_) return;
    dragging_ = false;
    emit dragFinished();
}

void ScaleWidget::focusOutEvent(QFocusEvent* event) {
    endDrag();
    update();
    QWidget::focusOutEvent(event);
}

}  // namespace corvane
