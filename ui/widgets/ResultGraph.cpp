#include "ui/widgets/ResultGraph.h"

#include <qcustomplot.h>

#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "calc/format/DisplayFormat.h"
#include "calc/format/NumberFormat.h"

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

QString qtText(const std::string& text) { return QString::fromStdString(text); }

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

    QCPAxis* x = plot_->xAxis;
    QCPAxis* y = plot_->yAxis;
    x->setObjectName(QStringLiteral("XAxis"));
    y->setObjectName(QStringLiteral("YAxis-1"));
    x->setLabel(QStringLiteral("in"));
    y->setLabel(QStringLiteral("mils"));
    for (QCPAxis* axis : {x, y}) {
        axis->setLabelPadding(1);
        axis->grid()->setSubGridVisible(false);
    }
    // The title tells the two graphs apart at a glance; it is empty until the window names it.
    plot_->plotLayout()->insertRow(0);
    title_ = new QCPTextElement(plot_, QString());
    title_->setMargins(QMargins(0, 1, 0, 0));
    plot_->plotLayout()->addElement(0, 0, title_);
    applyFonts();
    // The zero line of the Y axis is the aligned position: drawn a little stronger.
    y->grid()->setZeroLinePen(QPen(QColor(120, 120, 120), 1));

    // Both machine lines share one style; the tolerance band is drawn thin and dashed.
    const QColor colours[kPlots] = {QColor(0, 0, 255), QColor(255, 0, 0), QColor(0, 0, 0)};
    QCPCurve* curves[kPlots] = {};
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
        curves[i] = c;
    }
    first_ = curves[0];
    second_ = curves[1];
    band_ = curves[2];
    band_->setVisible(false);
    target_ = new QCPCurve(x, y);
    target_->setName(QStringLiteral("Target"));
    target_->setObjectName(QStringLiteral("Target"));
    target_->setPen(QPen(QColor(0, 150, 0), 2, Qt::DashLine));
    target_->setVisible(false);

    showXRange();
    showYRange();
    describe();
}

QCPCurve* ResultGraph::curve(Line line) const {
    switch (line) {
        case Line::FixedMachine:
            return twoMachines_ ? first_ : nullptr;
        case Line::MoveableMachine:
            return twoMachines_ ? second_ : first_;
        case Line::ToleranceBand:
            return band_;
        case Line::Target:
            return target_;
    }
    return nullptr;
}

void ResultGraph::showXRange() {
    plot_->xAxis->setRange(
        drawable(toDisplay(xMin_, Quantity::Length, units_), toDisplay(xMax_, Quantity::Length, units_)));
}

void ResultGraph::showYRange() {
    plot_->yAxis->setRange(drawable(toDisplay(yRange_.min, Quantity::Offset, units_),
                                    toDisplay(yRange_.max, Quantity::Offset, units_)));
}

void ResultGraph::setUnits(UnitSystem units) {
    units_ = units;
    plot_->xAxis->setLabel(qtText(DisplayFormat{units}.unit(Quantity::Length)));
    plot_->yAxis->setLabel(qtText(DisplayFormat{units}.unit(Quantity::Offset)));
    for (QCPCurve* c : {first_, second_, band_, target_}) drawCurve(c);
    showXRange();
    showYRange();
    describe();
    replot();
}

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

const PlotData& ResultGraph::dataOf(const QCPCurve* c) const {
    return c == first_ ? firstData_ : c == second_ ? secondData_ : c == band_ ? bandData_ : targetData_;
}

void ResultGraph::setCurve(QCPCurve* c, const PlotData& data) {
    (c == first_ ? firstData_ : c == second_ ? secondData_ : c == band_ ? bandData_ : targetData_) = data;
    drawCurve(c);
}

void ResultGraph::drawCurve(QCPCurve* c) {
    const PlotData& data = dataOf(c);
    const qsizetype n = static_cast<qsizetype>(std::min(data.x.size(), data.y.size()));
    QVector<double> keys(n), values(n);
    for (qsizetype i = 0; i < n; ++i) {
        keys[i] = toDisplay(data.x[static_cast<size_t>(i)], Quantity::Length, units_);
        values[i] = toDisplay(data.y[static_cast<size_t>(i)], Quantity::Offset, units_);
    }
    // Without a parameter of its own each point gets its index, which keeps the given order.
    c->setData(keys, values);
}

PlotData ResultGraph::lineData(Line line) const {
    const QCPCurve* c = curve(line);
    if (!c) return {};
    const PlotData& data = dataOf(c);
    const std::size_t n = std::min(data.x.size(), data.y.size());
    return PlotData{{data.x.begin(), data.x.begin() + static_cast<std::ptrdiff_t>(n)},
                    {data.y.begin(), data.y.begin() + static_cast<std::ptrdiff_t>(n)}};
}

bool ResultGraph::lineVisible(Line line) const {
    const QCPCurve* c = curve(line);
    return c && c->visible();
}

void ResultGraph::setBandVisible(bool visible) {
    band_->setVisible(visible);
    describe();
}

void ResultGraph::setTarget(const std::optional<PlotData>& line) {
    setCurve(target_, line.value_or(PlotData{}));
    target_->setVisible(line.has_value());
    describe();
    replot();
}

void ResultGraph::apply(const GraphResult& result) {
    setXMax(result.xMax);
    if (result.yRange) setYRange(*result.yRange);
    twoMachines_ = result.fixedMachine.has_value();
    const std::optional<PlotData>& blue = twoMachines_ ? result.fixedMachine : result.moveableMachine;
    const std::optional<PlotData>& red = twoMachines_ ? result.moveableMachine : std::nullopt;
    // A line with no result is emptied as well as hidden: nothing old can show through again.
    setCurve(first_, blue.value_or(PlotData{}));
    first_->setVisible(blue.has_value());
    setCurve(second_, red.value_or(PlotData{}));
    second_->setVisible(red.has_value());
    switch (result.band.state) {
        case ToleranceBand::State::NotAsked:
            band_->setVisible(false);
            break;
        case ToleranceBand::State::Drawn:
            setCurve(band_, result.band.corners);
            band_->setVisible(true);
            break;
        case ToleranceBand::State::Cleared:
            // A band asked for but not computed shows nothing rather than the band of an older result.
            setCurve(band_, PlotData{});
            band_->setVisible(true);
            break;
    }
    describe();
    replot();
}

void ResultGraph::setTitle(const QString& title) {
    title_->setText(title);
    replot();
}

QString ResultGraph::title() const { return title_->text(); }

void ResultGraph::applyFonts() {
    // The axes read a little smaller than the window's text, and grow and shrink with it.
    QFont small = font();
    small.setPointSizeF(std::max(6.0, small.pointSizeF() * 0.85));
    for (QCPAxis* axis : {plot_->xAxis, plot_->yAxis}) {
        axis->setLabelFont(small);
        axis->setTickLabelFont(small);
    }
    QFont heading = small;
    heading.setBold(true);
    title_->setFont(heading);
}

void ResultGraph::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        applyFonts();
        replot();
    }
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
    const QCPCurve* curves[kPlots] = {first_, second_, band_};
    for (int i = 0; i < kPlots; ++i) {
        if (!curves[i]->visible()) continue;
        QStringList points;
        const PlotData& data = dataOf(curves[i]);
        for (std::size_t k = 0; k < std::min(data.x.size(), data.y.size()); ++k)
            points << QStringLiteral("(%1, %2)")
                          .arg(qtText(DisplayFormat{units_}.boxText(data.x[k], Quantity::Length)),
                               qtText(DisplayFormat{units_}.boxText(data.y[k], Quantity::Offset)));
        parts << QStringLiteral("%1: %2").arg(
            QLatin1String(kPlotNames[i]), points.isEmpty() ? QStringLiteral("no points") : points.join(' '));
    }
    if (target_->visible()) {
        QStringList points;
        for (std::size_t k = 0; k < std::min(targetData_.x.size(), targetData_.y.size()); ++k)
            points << QStringLiteral("(%1, %2)")
                          .arg(qtText(DisplayFormat{units_}.boxText(targetData_.x[k], Quantity::Length)),
                               qtText(DisplayFormat{units_}.boxText(targetData_.y[k], Quantity::Offset)));
        parts << QStringLiteral("Target: %1").arg(points.join(' '));
    }
    parts << QStringLiteral("Y from %1 to %2 %3")
                 .arg(qtText(DisplayFormat{units_}.boxText(yRange_.min, Quantity::Offset)),
                      qtText(DisplayFormat{units_}.boxText(yRange_.max, Quantity::Offset)),
                      qtText(DisplayFormat{units_}.unit(Quantity::Offset)));
    const QString text = parts.join(QStringLiteral("; "));
    setAccessibleDescription(text);
}

}  // namespace corvane
