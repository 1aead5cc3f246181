#pragma once

#include <QWidget>

#include "ui/widgets/ScaleLogic.h"

namespace corvane {

// A vertical thermometer slider holding a double, with the same semantics as Knob: valueChanged
// only on a real change (so a program that sets the value it just received ends the exchange),
// values outside the scale kept, dragged by mouse, wheel and arrow keys.
class Thermometer : public QWidget {
    Q_OBJECT
    Q_PROPERTY(double value READ value WRITE setValue NOTIFY valueChanged)
public:
    explicit Thermometer(QWidget* parent = nullptr);

    double value() const { return value_; }
    double minimum() const { return minimum_; }
    double maximum() const { return maximum_; }
    double step() const { return step_; }
    void setRange(double minimum, double maximum);
    void setStep(double step);
    // Colour of the mercury column (red for operating, blue for ambient).
    void setFillColor(const QColor& color);

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
    double valueAtY(double y) const;
    ScaleLogic logic() const { return {minimum_, maximum_, step_}; }
    // The scale's pixel rows: the maximum at top(), the minimum at bottom().
    struct Geometry {
        double scaleTop = 0, scaleBottom = 0;
        double tubeX = 0, tubeWidth = 0;
        double bulbCentreY = 0, bulbRadius = 0;
        double labelRight = 0;
    };
    Geometry geometry() const;

    bool dragging_ = false;
    WheelNotches wheel_;

    double value_ = 0;
    double minimum_ = 0;
    double maximum_ = 100;
    double step_ = 1;
    QColor fill_{Qt::red};
};

}  // namespace corvane
