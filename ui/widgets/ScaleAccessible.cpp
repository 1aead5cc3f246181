#include "ui/widgets/ScaleAccessible.h"

#include <QAccessible>
#include <QAccessibleValueChangeEvent>
#include <QAccessibleWidget>

#include "calc/format/NumberFormat.h"
#include "ui/widgets/Knob.h"
#include "ui/widgets/Thermometer.h"

namespace corvane {

namespace {

template <class Scale>
class ScaleAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    ScaleAccessible(Scale* scale, QAccessible::Role role) : QAccessibleWidget(scale, role) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return QString::fromStdString(formatValue(scale()->value()));
        return QAccessibleWidget::text(t);
    }

    QVariant currentValue() const override { return scale()->value(); }
    // A value set from outside counts as the user's turn of the control: the window reacts to it
    // exactly as to a drag, and the value is taken as given.
    void setCurrentValue(const QVariant& value) override {
        bool ok = false;
        const double v = value.toDouble(&ok);
        if (ok) scale()->setValue(v);
    }
    QVariant maximumValue() const override { return scale()->maximum(); }
    QVariant minimumValue() const override { return scale()->minimum(); }
    QVariant minimumStepSize() const override { return scale()->step(); }

private:
    Scale* scale() const { return static_cast<Scale*>(widget()); }
};

QAccessibleInterface* scaleFactory(const QString& className, QObject* object) {
    if (!object || !object->isWidgetType()) return nullptr;
    if (className == QLatin1String(Knob::staticMetaObject.className()))
        if (auto* knob = qobject_cast<Knob*>(object))
            return new ScaleAccessible<Knob>(knob, QAccessible::Dial);
    if (className == QLatin1String(Thermometer::staticMetaObject.className()))
        if (auto* thermometer = qobject_cast<Thermometer*>(object))
            return new ScaleAccessible<Thermometer>(thermometer, QAccessible::Slider);
    return nullptr;
}

}  // namespace

void installScaleAccessibility() {
    // The toolkit keeps each factory once, however often it is installed.
    QAccessible::installFactory(&scaleFactory);
}

void notifyScaleValueChanged(QWidget* widget, double value) {
    if (!QAccessible::isActive()) return;
    QAccessibleValueChangeEvent event(widget, value);
    QAccessible::updateAccessibility(&event);
}

}  // namespace corvane
