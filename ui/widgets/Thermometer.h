#pragma once

#include <QWidget>

#include "ui/widgets/ScaleWidget.h"

namespace corvane {

// A vertical thermometer slider holding a double, with the same semantics as Knob: valueChanged
// only on a real change (so a program that sets the value it just received ends the exchange),
// values outside the scale kept, dragged by mouse, wheel and arrow keys.
class Thermometer : public ScaleWidget {
    Q_OBJECT
public:
    explicit Thermometer(QWidget* parent = nullptr);

    // Colour of the mercury column (red for operating, blue for ambient).
    void setFillColor(const QColor& color);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    // Up the column: 0 at the scale's bottom mark, 1 at its top mark.
    double fractionAtPoint(const QPointF& point) const override;

private:
    // The scale's pixel rows: the maximum at top(), the minimum at bottom().
    struct Geometry {
        double scaleTop = 0, scaleBottom = 0;
        double tubeX = 0, tubeWidth = 0;
        double bulbCentreY = 0, bulbRadius = 0;
        double labelRight = 0;
    };
    Geometry geometry() const;

    QColor fill_{Qt::red};
};

}  // namespace corvane
