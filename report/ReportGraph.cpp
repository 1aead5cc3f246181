#include "report/ReportGraph.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <vector>

#include "calc/graph/Ranges.h"

namespace corvane::report {

namespace {

// Room around the plot for the tick labels and the axis titles.
constexpr double kLeftRoom = mm(13);
constexpr double kBottomRoom = mm(9);
constexpr double kTopRoom = mm(5.5);
constexpr double kRightRoom = mm(3);

std::vector<const PlotData*> drawnPlots(const GraphResult& graph, bool showBand) {
    std::vector<const PlotData*> plots;
    if (graph.fixedMachine) plots.push_back(&*graph.fixedMachine);
    if (graph.moveableMachine) plots.push_back(&*graph.moveableMachine);
    if (showBand && graph.band.state == ToleranceBand::State::Drawn) plots.push_back(&graph.band.corners);
    return plots;
}

bool isNiceStep(double step) {
    const double mantissa = step / std::pow(10.0, std::floor(std::log10(step)));
    for (const double nice : {1.0, 2.0, 5.0, 10.0})
        if (std::fabs(mantissa - nice) < 1e-9) return true;
    return false;
}

// A 1-2-5 step that cuts `span` into about `parts` pieces.
double niceStep(double span, int parts) {
    const double raw = span / parts;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double factor : {1.0, 2.0, 5.0})
        if (factor * magnitude >= raw * (1 - 1e-9)) return factor * magnitude;
    return 10 * magnitude;
}

// Ticks of the symmetric Y axis: its ends are on the 1-2-5 series, so one of these divisions lands on
// them with a step of the same series.
double yStep(double yMax) {
    for (const int parts : {5, 4, 2})
        if (isNiceStep(yMax / parts)) return yMax / parts;
    return niceStep(yMax, 4);
}

}  // namespace

GraphRanges graphRanges(const GraphResult& graph, bool showBand, const DisplayFormat& format) {
    GraphRanges r;
    r.xMin = 0;
    r.xMax = std::isfinite(graph.xMax) ? format.shownLength(graph.xMax) : 0;
    double largest = 0;
    for (const PlotData* plot : drawnPlots(graph, showBand)) {
        for (const float x : plot->x)
            if (std::isfinite(x)) {
                r.xMin = std::min(r.xMin, format.shownLength(x));
                r.xMax = std::max(r.xMax, format.shownLength(x));
            }
        for (const float y : plot->y)
            if (std::isfinite(y)) largest = std::max(largest, std::fabs(format.shownReading(y)));
    }
    if (!(r.xMax - r.xMin > 1e-9)) r.xMax = r.xMin + 1;
    r.yMax = niceStepAbove(largest);
    if (!(r.yMax > 0) || !std::isfinite(r.yMax)) r.yMax = 1;
    return r;
}

void paintGraph(QPainter& p, const QRectF& area, const GraphResult& graph, bool showBand,
                const DisplayFormat& format, const Style& style, const QString& noResult) {
    const QRectF plot(area.left() + kLeftRoom, area.top() + kTopRoom, area.width() - kLeftRoom - kRightRoom,
                      area.height() - kTopRoom - kBottomRoom);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    p.setFont(style.small);
    if (!noResult.isEmpty()) {
        p.setPen(QPen(style.rule, mm(0.2)));
        p.drawRect(plot);
        p.setPen(style.muted);
        p.drawText(plot, Qt::AlignCenter | Qt::TextWordWrap, noResult);
        p.restore();
        return;
    }

    const GraphRanges r = graphRanges(graph, showBand, format);
    const auto mapX = [&](double x) { return plot.left() + (x - r.xMin) / (r.xMax - r.xMin) * plot.width(); };
    const auto mapY = [&](double y) { return plot.center().y() - y / r.yMax * plot.height() / 2; };
    const double tickText = lineHeight(style.small);

    // Grid and tick labels.
    const double ys = yStep(r.yMax);
    const int yTicks = static_cast<int>(std::lround(r.yMax / ys));
    for (int i = -yTicks; i <= yTicks; ++i) {
        const double value = i * ys;
        const double y = mapY(value);
        p.setPen(QPen(i == 0 ? style.muted : style.rule, i == 0 ? mm(0.3) : mm(0.1)));
        p.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        p.setPen(style.ink);
        p.drawText(QRectF(area.left(), y - tickText / 2, kLeftRoom - mm(1.5), tickText),
                   Qt::AlignRight | Qt::AlignVCenter, QString::fromStdString(format.axisTick(value)));
    }
    const double xs = niceStep(r.xMax - r.xMin, 6);
    for (double value = std::ceil(r.xMin / xs - 1e-9) * xs; value <= r.xMax + xs * 1e-9; value += xs) {
        const double x = mapX(value);
        p.setPen(QPen(style.rule, mm(0.1)));
        p.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
        p.setPen(style.ink);
        p.drawText(QRectF(x - mm(10), plot.bottom() + mm(0.8), mm(20), tickText),
                   Qt::AlignHCenter | Qt::AlignTop,
                   QString::fromStdString(format.axisTick(std::fabs(value) < xs * 1e-9 ? 0.0 : value)));
    }
    p.setPen(QPen(style.ink, mm(0.2)));
    p.drawRect(plot);
    p.setPen(style.muted);
    p.drawText(QRectF(area.left(), area.top(), kLeftRoom - mm(1.5), mm(3)), Qt::AlignRight | Qt::AlignVCenter,
               QString::fromStdString(format.readingUnit()));
    p.drawText(
        QRectF(plot.left(), plot.bottom() + mm(0.8) + tickText, plot.width(), tickText),
        Qt::AlignHCenter | Qt::AlignTop,
        QStringLiteral("Position along the shafts (%1)").arg(QString::fromStdString(format.lengthUnit())));

    // The lines, clipped to the plot like the window's graph.
    p.setClipRect(plot.adjusted(-mm(1.2), -mm(1.2), mm(1.2), mm(1.2)));
    const auto polyline = [&](const PlotData& data) {
        QPolygonF line;
        const std::size_t n = std::min(data.x.size(), data.y.size());
        for (std::size_t i = 0; i < n; ++i)
            if (std::isfinite(data.x[i]) && std::isfinite(data.y[i]))
                line << QPointF(mapX(format.shownLength(data.x[i])), mapY(format.shownReading(data.y[i])));
        return line;
    };
    if (showBand && graph.band.state == ToleranceBand::State::Drawn) {
        p.setPen(QPen(kBandColour, mm(0.3), Qt::DashLine));
        p.drawPolyline(polyline(graph.band.corners));
    }
    const auto machineLine = [&](const PlotData& data, const QColor& colour) {
        const QPolygonF line = polyline(data);
        p.setPen(QPen(colour, mm(0.5), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(line);
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        for (const QPointF& point : line) p.drawEllipse(point, mm(0.8), mm(0.8));
        p.setBrush(Qt::NoBrush);
    };
    // The first line is blue, the second red, as on screen: the fixed machine's and then the
    // moveable machine's, or the moveable machine's alone.
    if (graph.fixedMachine) {
        machineLine(*graph.fixedMachine, kPlot1Colour);
        if (graph.moveableMachine) machineLine(*graph.moveableMachine, kPlot2Colour);
    } else if (graph.moveableMachine) {
        machineLine(*graph.moveableMachine, kPlot1Colour);
    }
    p.restore();
}

}  // namespace corvane::report
