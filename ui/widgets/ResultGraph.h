#pragma once

#include <QWidget>

#include "calc/Alignment.h"

class QCustomPlot;
class QCPCurve;

namespace corvane {

// One results graph: X axis "XAxis" (shaft position, in), Y axis "YAxis-1" (mils), and three
// curves "Plot-1" (blue), "Plot-2" (red), "Plot-3" (black, the tolerance band). Curves keep the
// order of their points, so a line can run right to left and the band can close on itself.
class ResultGraph : public QWidget {
    Q_OBJECT
public:
    explicit ResultGraph(QWidget* parent = nullptr);

    void setXMax(double xMax);
    double xMin() const;
    double xMax() const;
    void setYRange(const YRange& range);
    YRange yRange() const;
    // The widget's own automatic-scaling setting; the range itself is always set by the caller.
    void setYAutoScale(bool on);
    bool yAutoScale() const { return autoScale_; }

    // plot = 1, 2 or 3.
    void setPlot(int plot, const PlotData& data);
    PlotData plotData(int plot) const;
    void setPlotVisible(int plot, bool visible);
    bool plotVisible(int plot) const;

    // Shows what one calculation gives for this graph: X maximum, Y range when set, the machine
    // lines, and the band when showBand.
    void apply(const GraphResult& result, bool showBand);
    void replot();

    // Tool tip of the graph area (the readings' point of view).
    void setGraphToolTip(const QString& text);
    QCustomPlot* plotWidget() const { return plot_; }

private:
    QCPCurve* curve(int plot) const;
    // Puts the ranges asked for on the axes; a range the plot cannot draw (empty or reversed) is
    // shown as the nearest one it can, while the values asked for are what is read back.
    void showXRange();
    void showYRange();
    // Plain-text summary of the plotted lines for assistive technology.
    void describe();

    double xMin_ = 0;
    double xMax_ = 10;
    YRange yRange_{-100, 100};

    QCustomPlot* plot_ = nullptr;
    QCPCurve* curves_[3] = {nullptr, nullptr, nullptr};
    bool autoScale_ = false;
};

}  // namespace corvane
