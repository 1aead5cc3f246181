#pragma once

#include <QWidget>
#include <optional>

#include "calc/format/Units.h"
#include "calc/methods/Alignment.h"

class QCustomPlot;
class QCPCurve;
class QCPTextElement;

namespace corvane {

// One results graph: X axis "XAxis" (shaft position, in or mm), Y axis "YAxis-1" (mils or mm), the
// machine lines and the tolerance band. Everything it is given and gives back is in inches and
// mils, as the calculation has it; only the drawing is in the unit system set. The first machine line drawn
// is blue ("Plot-1"): the fixed machine's where there is one (reverse dial), else the moveable machine's; a
// moveable machine beside a fixed one is red ("Plot-2"); the band is black ("Plot-3"). Curves keep the order
// of their points, so a line can run right to left and the band can close on itself.
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

    enum class Line { FixedMachine, MoveableMachine, ToleranceBand, Target };
    // The points of a line as drawn, and whether it is shown; a machine line the graph does not
    // draw has no points and is hidden.
    PlotData lineData(Line line) const;
    bool lineVisible(Line line) const;
    // The band follows "Apply Tolerance": shown or hidden at once, drawn anew by each calculation.
    void setBandVisible(bool visible);
    // The line the machines are to come to for the chosen move alternative, green and dashed; none
    // hides it.
    void setTarget(const std::optional<PlotData>& line);

    // Shows what one calculation gives for this graph: X maximum, Y range when set, the machine
    // lines and the band.
    void apply(const GraphResult& result);
    void replot();

    // Draws the lines, the axes and their labels in `units` from now on, at once.
    void setUnits(UnitSystem units);
    UnitSystem units() const { return units_; }

    // Tool tip of the graph area (the readings' point of view).
    void setGraphToolTip(const QString& text);
    // The title over the graph: "Vertical (shims)", "Horizontal".
    void setTitle(const QString& title);
    QString title() const;
    QCustomPlot* plotWidget() const { return plot_; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void applyFonts();
    // The curve a line is drawn with, or none when it is not drawn.
    QCPCurve* curve(Line line) const;
    // The points a curve was given, in inches and mils.
    const PlotData& dataOf(const QCPCurve* curve) const;
    void setCurve(QCPCurve* curve, const PlotData& data);
    // Draws a curve's points in the unit system shown.
    void drawCurve(QCPCurve* curve);
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
    QCPTextElement* title_ = nullptr;
    QCPCurve* first_ = nullptr;   // "Plot-1", blue
    QCPCurve* second_ = nullptr;  // "Plot-2", red
    QCPCurve* band_ = nullptr;    // "Plot-3", black
    QCPCurve* target_ = nullptr;  // "Target", green
    // The last result had a fixed machine's line: the blue line is the fixed machine's.
    bool twoMachines_ = true;
    bool autoScale_ = false;
    UnitSystem units_ = UnitSystem::English;
    PlotData firstData_, secondData_, bandData_, targetData_;
};

}  // namespace corvane
