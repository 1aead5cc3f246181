#include "ui/widgets/ResultGraph.h"

#include <qcustomplot.h>

#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "calc/NumberFormat.h"

namespace corvane {

namespace {

constexpr int kPlots = 3;
const char* const kPlotNames[kPlots] = {"Plot-1", "Plot-2", "Plot-3"};

// A span the plot can draw: lower below upper, neither infinite.
QCPRange drawable(double lower, double upper) {
    if (lower > upper) std::swap(lower, upper);
    if (!(upper - lower > 1e-9 * std::max(1.0, std::fabs(lower)))) {
        const double pad = std::max(1.0, std::fabs(lower) * 0.1);
        lower -= pad;
        upper += pad;
    }
    return {lower, upper};
}

QString number(double v) { return QString::fromStdString(formatValue(v)); }
QString number(float v) { return QString::fromStdString(formatValue(v)); }

}  // namespace

ResultGraph::ResultGraph(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    plot_ = new QCustomPlot(this);
    plot_->setObjectName(QStringLiteral("plot"));
    layout->addWidget(plot_);
    // The graph is read, not driven: no dragging or zooming with the mouse, so the ranges stay
    // the ones the program set and reads back.
    plot_->setInteractions(QCP::Interactions());
    plot_->setNoAntialiasingOnDrag(true);
    plot_->setAntialiasedElements(QCP::aePlottables);

    QFont small = font();
    small.setPointSizeF(std::max(6.0, small.pointSizeF() * 0.85));
    QCPAxis* x = plot_->xAxis;
    QCPAxis* y = plot_->yAxis;
    x->setObjectName(QStringLiteral("XAxis"));
    y->setObjectName(QStringLiteral("YAxis-1"));
    x->setLabel(QStringLiteral("in"));
    y->setLabel(QStringLiteral("mils"));
    for (QCPAxis* axis : {x, y}) {
        axis->setLabelFont(small);
        axis->setTickLabelFont(small);
        axis->setLabelPadding(1);
        axis->grid()->setSubGridVisible(false);
    }
    // The zero line of the Y axis is the aligned position: drawn a little stronger.
    y->grid()->setZeroLinePen(QPen(QColor(120, 120, 120), 1));

    // Both machine lines share one style; the tolerance band is drawn thin and dashed.
    const QColor colours[kPlots] = {QColor(0, 0, 255), QColor(255, 0, 0), QColor(0, 0, 0)};
    for (int i = 0; i < kPlots; ++i) {
        auto* c = new QCPCurve(x, y);
        c->setName(QLatin1String(kPlotNames[i]));
        c->setObjectName(QLatin1String(kPlotNames[i]));
        if (i < 2) {
            c->setPen(QPen(colours[i], 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            c->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssDisc, colours[i], 6));
        } else {
            c->setPen(QPen(colours[i], 1, Qt::DashLine));
            c->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssNone));
        }
        curves_[i] = c;
    }
    curves_[2]->setVisible(false);

    showXRange();
    showYRange();
    describe();
}

QCPCurve* ResultGraph::curve(int plot) const {
    return (plot >= 1 && plot <= kPlots) ? curves_[plot - 1] : nullptr;
}

void ResultGraph::showXRange() { plot_->xAxis->setRange(drawable(xMin_, xMax_)); }

void ResultGraph::showYRange() { plot_->yAxis->setRange(drawable(yRange_.min, yRange_.max)); }

void ResultGraph::setXMax(double xMax) {
    if (!std::isfinite(xMax)) return;
    xMax_ = xMax;
    showXRange();
}

double ResultGraph::xMin() const { return xMin_; }

double ResultGraph::xMax() const { return xMax_; }

void ResultGraph::setYRange(const YRange& range) {
    if (!std::isfinite(range.min) || !std::isfinite(range.max)) return;
    yRange_ = range;
    showYRange();
    describe();
}

YRange ResultGraph::yRange() const { return yRange_; }

void ResultGraph::setYAutoScale(bool on) { autoScale_ = on; }

void ResultGraph::setPlot(int plot, const PlotData& data) {
    QCPCurve* c = curve(plot);
    if (!c) return;
    const qsizetype n = static_cast<qsizetype>(std::min(data.x.size(), data.y.size()));
    QVector<double> keys(n), values(n);
    for (qsizetype i = 0; i < n; ++i) {
        keys[i] = data.x[static_cast<size_t>(i)];
        values[i] = data.y[static_cast<size_t>(i)];
    }
    // Without a parameter of its own each point gets its index, which keeps the given order.
    c->setData(keys, values);
    describe();
}

PlotData ResultGraph::plotData(int plot) const {
    PlotData out;
    const QCPCurve* c = curve(plot);
    if (!c) return out;
    for (auto it = c->data()->constBegin(); it != c->data()->constEnd(); ++it) {
        out.x.push_back(static_cast<float>(it->key));
        out.y.push_back(static_cast<float>(it->value));
    }
    return out;
}

void ResultGraph::setPlotVisible(int plot, bool visible) {
    if (QCPCurve* c = curve(plot)) c->setVisible(visible);
    describe();
}

bool ResultGraph::plotVisible(int plot) const {
    const QCPCurve* c = curve(plot);
    return c && c->visible();
}

void ResultGraph::apply(const GraphResult& result, bool showBand) {
    setXMax(result.xMax);
    if (result.yRange) setYRange(*result.yRange);
    setPlot(1, result.plot1);
    setPlotVisible(1, result.plot1Visible);
    if (result.plot2) setPlot(2, *result.plot2);
    setPlotVisible(2, result.plot2Visible);
    // A band asked for but not computed shows nothing rather than the band of an older result.
    if (showBand) setPlot(3, result.band ? *result.band : PlotData{});
    setPlotVisible(3, showBand);
    replot();
}

void ResultGraph::replot() {
    // Several changes in one event are drawn once, when the event loop is next idle.
    plot_->replot(QCustomPlot::rpQueuedReplot);
}

void ResultGraph::setGraphToolTip(const QString& text) {
    setToolTip(text);
    plot_->setToolTip(text);
}

void ResultGraph::describe() {
    QStringList parts;
    for (int i = 1; i <= kPlots; ++i) {
        if (!plotVisible(i)) continue;
        const PlotData data = plotData(i);
        QStringList points;
        for (size_t k = 0; k < data.x.size(); ++k)
            points << QStringLiteral("(%1, %2)").arg(number(data.x[k]), number(data.y[k]));
        parts << QStringLiteral("%1: %2").arg(
            QLatin1String(kPlotNames[i - 1]),
            points.isEmpty() ? QStringLiteral("no points") : points.join(' '));
    }
    parts << QStringLiteral("Y from %1 to %2 mils").arg(number(yRange_.min), number(yRange_.max));
    const QString text = parts.join(QStringLiteral("; "));
    setAccessibleDescription(text);
}

}  // namespace corvane
