#include "ui/widgets/Thermometer.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "calc/format/NumberFormat.h"

namespace corvane {

namespace {

QString scaleLabel(double v) { return QString::fromStdString(formatScaleMark(v)); }

}  // namespace

Thermometer::Thermometer(QWidget* parent) : ScaleWidget(0, 100, parent) {
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
}

void Thermometer::setFillColor(const QColor& color) {
    fill_ = color;
    update();
}

QSize Thermometer::sizeHint() const {
    const QFontMetrics fm = fontMetrics();
    return {fm.horizontalAdvance(QStringLiteral("-10000")) + 34, 12 * fm.height() + 20};
}

QSize Thermometer::minimumSizeHint() const {
    const QFontMetrics fm = fontMetrics();
    return {fm.horizontalAdvance(QStringLiteral("-1000")) + 28, 6 * fm.height()};
}

Thermometer::Geometry Thermometer::geometry() const {
    const QFontMetricsF fm(font());
    Geometry g;
    double labelWidth = fm.horizontalAdvance(scaleLabel((minimum_ + maximum_) / 2));
    for (int i = 0; i <= 5; ++i)
        labelWidth =
            std::max(labelWidth, fm.horizontalAdvance(scaleLabel(minimum_ + (maximum_ - minimum_) * i / 5)));
    g.tubeWidth = std::clamp(width() * 0.16, 7.0, 14.0);
    g.bulbRadius = g.tubeWidth * 1.05;
    // Labels, ticks, tube and bulb side by side, the group centred in the widget.
    const double group = labelWidth + 11 + g.tubeWidth / 2 + g.bulbRadius + 2;
    const double left = std::max(2.0, (width() - group) / 2);
    g.labelRight = left + labelWidth;
    g.tubeX = g.labelRight + 11;
    g.bulbCentreY = height() - g.bulbRadius - 3;
    g.scaleTop = fm.height() / 2 + 3;
    g.scaleBottom = g.bulbCentreY - g.bulbRadius - 3;
    if (g.scaleBottom < g.scaleTop + 1) g.scaleBottom = g.scaleTop + 1;
    return g;
}

double Thermometer::fractionAtPoint(const QPointF& point) const {
    const Geometry g = geometry();
    return std::clamp((g.scaleBottom - point.y()) / (g.scaleBottom - g.scaleTop), 0.0, 1.0);
}

void Thermometer::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QPalette& pal = palette();
    const bool enabled = isEnabled();
    const QColor ink = pal.color(enabled ? QPalette::Active : QPalette::Disabled, QPalette::WindowText);
    const QColor fill = enabled ? fill_ : pal.color(QPalette::Disabled, QPalette::WindowText);
    const Geometry g = geometry();
    const QFontMetricsF fm(font());

    if (hasFocus()) {
        p.setPen(QPen(pal.color(QPalette::Highlight), 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 4, 4);
    }

    const double tubeCentreX = g.tubeX + g.tubeWidth / 2;
    const double span = g.scaleBottom - g.scaleTop;

    // Scale: labelled major ticks as far apart as the font allows, minor ticks between them.
    int divisions = 5;
    while (divisions > 1 && span / divisions < fm.height() * 1.4)
        divisions = divisions > 2 ? divisions / 2 : 1;
    const int minorPerDivision = span / divisions >= 40 ? 5 : (span / divisions >= 16 ? 2 : 1);
    const int ticks = divisions * minorPerDivision;
    const double tickRight = g.tubeX - 1;
    for (int i = 0; i <= ticks; ++i) {
        const bool major = i % minorPerDivision == 0;
        const double y = g.scaleBottom - span * i / ticks;
        p.setPen(QPen(ink, major ? 1.2 : 0.8));
        p.drawLine(QPointF(tickRight - (major ? 7 : 4), y), QPointF(tickRight, y));
        if (major) {
            const double v = minimum_ + (maximum_ - minimum_) * i / ticks;
            // Labels of a scale that is not a whole number of steps are shown to the precision
            // that tells them apart.
            const QString text =
                scaleLabel(std::fabs(v) < 1e-12 * std::max(1.0, std::fabs(maximum_)) ? 0.0 : v);
            p.drawText(QRectF(0, y - fm.height() / 2, g.labelRight, fm.height()),
                       Qt::AlignRight | Qt::AlignVCenter, text);
        }
    }

    // Glass: the tube and the bulb as one outline.
    QPainterPath glass;
    const double tubeTop = g.scaleTop - 3;
    glass.addRoundedRect(QRectF(g.tubeX, tubeTop, g.tubeWidth, g.bulbCentreY - tubeTop), g.tubeWidth / 2,
                         g.tubeWidth / 2);
    glass.addEllipse(QPointF(tubeCentreX, g.bulbCentreY), g.bulbRadius, g.bulbRadius);
    glass.setFillRule(Qt::WindingFill);
    QLinearGradient glassShade(g.tubeX - g.bulbRadius, 0, g.tubeX + g.tubeWidth + g.bulbRadius, 0);
    glassShade.setColorAt(0, pal.color(QPalette::Base).darker(108));
    glassShade.setColorAt(0.4, pal.color(QPalette::Base));
    glassShade.setColorAt(1, pal.color(QPalette::Base).darker(115));
    p.setPen(Qt::NoPen);
    p.setBrush(glassShade);
    p.drawPath(glass.simplified());

    // Column: from the bulb up to the value; a value beyond the scale fills to the end.
    const double inset = std::max(1.5, g.tubeWidth * 0.22);
    const double level = g.scaleBottom - span * logic().fractionOf(value_);
    QPainterPath column;
    column.addRect(QRectF(g.tubeX + inset, level, g.tubeWidth - 2 * inset, g.bulbCentreY - level));
    column.addEllipse(QPointF(tubeCentreX, g.bulbCentreY), g.bulbRadius - inset, g.bulbRadius - inset);
    column.setFillRule(Qt::WindingFill);
    QLinearGradient shade(g.tubeX - g.bulbRadius, 0, g.tubeX + g.tubeWidth + g.bulbRadius, 0);
    shade.setColorAt(0, fill.lighter(130));
    shade.setColorAt(0.5, fill);
    shade.setColorAt(1, fill.darker(130));
    p.setBrush(shade);
    p.drawPath(column.simplified());

    p.setPen(QPen(pal.color(QPalette::Mid).darker(120), 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(glass.simplified());
}

}  // namespace corvane
