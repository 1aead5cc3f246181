#include "ui/history/MachineHistoryWindow.h"

#include <qcustomplot.h>

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

#include "calc/format/NumberFormat.h"
#include "calc/judging/Verdict.h"
#include "ui/common/DialogProvider.h"
#include "ui/history/HistoryAccess.h"

namespace corvane {

namespace {

QTableWidget* makeTable(QWidget* parent, const QString& name, const QStringList& headers) {
    auto* table = new QTableWidget(0, static_cast<int>(headers.size()), parent);
    table->setObjectName(name);
    table->setAccessibleName(name == QLatin1String("tblMachines") ? QStringLiteral("Machines")
                                                                  : QStringLiteral("Records of the machine"));
    table->setHorizontalHeaderLabels(headers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setTabKeyNavigation(false);  // Tab leaves the table for the next control
    table->verticalHeader()->setVisible(false);
    table->horizontalHeader()->setStretchLastSection(true);
    table->setAlternatingRowColors(true);
    return table;
}

void setRow(QTableWidget* table, int row, const QStringList& cells) {
    for (int c = 0; c < cells.size(); ++c) table->setItem(row, c, new QTableWidgetItem(cells[c]));
}

QString localTime(const QDateTime& t) { return t.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")); }

// A judged value in the window's units, as the verdict shows it.
QString valueText(const std::optional<double>& v, JudgedValue judged, UnitSystem units) {
    if (!v) return QStringLiteral("\u2013");
    const Quantity q = judged == JudgedValue::Offset ? Quantity::Offset : Quantity::Angle;
    return QString::fromStdString(formatValue(toDisplay(*v, q, units)));
}

}  // namespace

MachineHistoryWindow::MachineHistoryWindow(const AppPaths& paths, DialogProvider& dialogs, UnitSystem units,
                                           const QString& currentMachine, QWidget* parent)
    : QDialog(parent), paths_(paths), dialogs_(dialogs), units_(units) {
    setObjectName(QStringLiteral("MachineHistoryWindow"));
    setWindowTitle(QStringLiteral("Machine History"));
    auto* layout = new QVBoxLayout(this);
    problem_ = makeProblemLabel(this);
    layout->addWidget(problem_);

    auto* split = new QSplitter(Qt::Vertical, this);
    auto* tables = new QSplitter(Qt::Horizontal, split);
    machines_ = makeTable(tables, QStringLiteral("tblMachines"),
                          {QStringLiteral("Machine"), QStringLiteral("Last"), QStringLiteral("As found"),
                           QStringLiteral("As left"), QStringLiteral("Jobs")});
    const QString offset = QString::fromLatin1(unitName(Quantity::Offset, units).data());
    const QString angle = QString::fromLatin1(unitName(Quantity::Angle, units).data());
    records_ =
        makeTable(tables, QStringLiteral("tblRecords"),
                  {QStringLiteral("Recorded"), QStringLiteral("Stage"), QStringLiteral("Verdict"),
                   QStringLiteral("V offset (%1)").arg(offset), QStringLiteral("V angle (%1)").arg(angle),
                   QStringLiteral("H offset (%1)").arg(offset), QStringLiteral("H angle (%1)").arg(angle),
                   QStringLiteral("Technician")});
    tables->setStretchFactor(1, 2);
    trend_ = new QCustomPlot(split);
    trend_->setObjectName(QStringLiteral("plotTrend"));
    trend_->setAccessibleName(QStringLiteral("Trend of the as-found offset and angle"));
    trend_->setMinimumHeight(220);
    split->addWidget(tables);
    split->addWidget(trend_);
    layout->addWidget(split, 1);
    tables->setSizes({380, 620});
    split->setSizes({300, 320});

    auto* buttons = new QDialogButtonBox(this);
    open_ = buttons->addButton(QStringLiteral("&Open as New Job"), QDialogButtonBox::ActionRole);
    open_->setObjectName(QStringLiteral("cmdOpenRecord"));
    report_ =
        buttons->addButton(QStringLiteral("&Report As Found / As Left..."), QDialogButtonBox::ActionRole);
    report_->setObjectName(QStringLiteral("cmdReportMachine"));
    QPushButton* close = buttons->addButton(QDialogButtonBox::Close);
    close->setObjectName(QStringLiteral("cmdClose"));
    for (QPushButton* b : {open_, report_, close}) b->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(open_, &QPushButton::clicked, this, &MachineHistoryWindow::openRecord);
    connect(report_, &QPushButton::clicked, this, &MachineHistoryWindow::reportMachine);
    layout->addWidget(buttons);

    connect(machines_, &QTableWidget::itemSelectionChanged, this, &MachineHistoryWindow::showMachine);
    // Enter or a double click on a record opens it, as the button does.
    connect(records_, &QTableWidget::itemActivated, this, &MachineHistoryWindow::openRecord);
    setTabOrder(machines_, records_);
    setTabOrder(records_, open_);
    setTabOrder(open_, report_);
    setTabOrder(report_, close);
    resize(1000, 640);

    QString error;
    history_ = openUsersHistory(paths_, &error);
    if (!history_) {
        problem_->setText(error);
        problem_->setVisible(true);
    }
    loadMachines(currentMachine);
    machines_->setFocus();
}

MachineHistoryWindow::~MachineHistoryWindow() = default;

void MachineHistoryWindow::loadMachines(const QString& select) {
    machineList_.clear();
    if (history_) {
        QString error;
        if (auto list = history_->machines(&error)) {
            machineList_ = std::move(*list);
        } else {
            problem_->setText(error);
            problem_->setVisible(true);
        }
    }
    const QSignalBlocker quiet(machines_);
    machines_->setRowCount(static_cast<int>(machineList_.size()));
    int chosen = machineList_.empty() ? -1 : 0;
    for (int i = 0; i < static_cast<int>(machineList_.size()); ++i) {
        const MachineSummary& m = machineList_[static_cast<std::size_t>(i)];
        setRow(machines_, i,
               {m.machine, localTime(m.last), m.lastFoundGrade, m.lastLeftGrade, QString::number(m.jobs)});
        if (m.machine.trimmed().compare(select.trimmed(), Qt::CaseInsensitive) == 0) chosen = i;
    }
    machines_->resizeColumnsToContents();
    if (chosen >= 0) machines_->selectRow(chosen);
    showMachine();
}

QString MachineHistoryWindow::chosenMachine() const {
    const int row = machines_->currentRow();
    if (row < 0 || row >= static_cast<int>(machineList_.size())) return {};
    return machineList_[static_cast<std::size_t>(row)].machine;
}

void MachineHistoryWindow::showMachine() {
    recordList_.clear();
    const QString machine = chosenMachine();
    if (history_ && !machine.isEmpty()) {
        QString error;
        if (auto list = history_->records(machine, &error)) recordList_ = std::move(*list);
    }
    records_->setRowCount(static_cast<int>(recordList_.size()));
    for (int i = 0; i < static_cast<int>(recordList_.size()); ++i) {
        const StageRecord& r = recordList_[static_cast<std::size_t>(i)];
        setRow(records_, i,
               {localTime(r.recordedAt), QString::fromLatin1(stageTitle(r.stage).data()), r.grade,
                valueText(r.verticalFirst, firstValue(r.table), units_),
                valueText(r.verticalSecond, secondValue(r.table), units_),
                valueText(r.horizontalFirst, firstValue(r.table), units_),
                valueText(r.horizontalSecond, secondValue(r.table), units_), r.technician});
    }
    records_->resizeColumnsToContents();
    if (!recordList_.empty()) records_->selectRow(static_cast<int>(recordList_.size()) - 1);
    open_->setEnabled(!recordList_.empty());
    report_->setEnabled(!machine.isEmpty());
    drawTrend();
}

void MachineHistoryWindow::drawTrend() {
    trend_->clearGraphs();
    trend_->clearItems();
    trend_->yAxis2->setVisible(true);
    const QString offsetUnit = QString::fromLatin1(unitName(Quantity::Offset, units_).data());
    const QString angleUnit = QString::fromLatin1(unitName(Quantity::Angle, units_).data());
    const bool spacer = !recordList_.empty() && recordList_.back().table == ToleranceTable::Spacer;
    trend_->yAxis->setLabel(spacer ? QStringLiteral("Fixed coupling angle (%1)").arg(angleUnit)
                                   : QStringLiteral("Offset (%1)").arg(offsetUnit));
    trend_->yAxis2->setLabel(spacer ? QStringLiteral("Moveable coupling angle (%1)").arg(angleUnit)
                                    : QStringLiteral("Angle (%1)").arg(angleUnit));
    auto ticker = QSharedPointer<QCPAxisTickerDateTime>::create();
    ticker->setDateTimeFormat(QStringLiteral("yyyy-MM-dd"));
    trend_->xAxis->setTicker(ticker);
    trend_->legend->setVisible(true);

    struct Series {
        QString name;
        QString spacerName;
        QColor colour;
        bool second;
        bool vertical;
    };
    const Series series[] = {{QStringLiteral("Vertical offset"), QStringLiteral("Vertical fixed angle"),
                              QColor(0x1f, 0x3a, 0x5f), false, true},
                             {QStringLiteral("Horizontal offset"), QStringLiteral("Horizontal fixed angle"),
                              QColor(0x2a, 0x8a, 0x3a), false, false},
                             {QStringLiteral("Vertical angle"), QStringLiteral("Vertical moveable angle"),
                              QColor(0x1f, 0x3a, 0x5f), true, true},
                             {QStringLiteral("Horizontal angle"), QStringLiteral("Horizontal moveable angle"),
                              QColor(0x2a, 0x8a, 0x3a), true, false}};
    double first = 0, last = 0, rpm = 0;
    bool any = false;
    for (const Series& s : series) {
        QCPGraph* g = trend_->addGraph(trend_->xAxis, s.second ? trend_->yAxis2 : trend_->yAxis);
        g->setName(spacer ? s.spacerName : s.name);
        g->setPen(QPen(s.colour, 2, s.second ? Qt::DashLine : Qt::SolidLine));
        g->setScatterStyle(
            QCPScatterStyle(s.second ? QCPScatterStyle::ssSquare : QCPScatterStyle::ssDisc, 6));
        const JudgedValue judged =
            s.second ? secondValue(spacer ? ToleranceTable::Spacer : ToleranceTable::ShortCoupling)
                     : firstValue(spacer ? ToleranceTable::Spacer : ToleranceTable::ShortCoupling);
        const Quantity q = judged == JudgedValue::Offset ? Quantity::Offset : Quantity::Angle;
        for (const StageRecord& r : recordList_) {
            if (r.stage != JobStage::AsFound) continue;
            const std::optional<double> v = s.vertical ? (s.second ? r.verticalSecond : r.verticalFirst)
                                                       : (s.second ? r.horizontalSecond : r.horizontalFirst);
            if (!v) continue;
            const double x = static_cast<double>(r.recordedAt.toSecsSinceEpoch());
            g->addData(x, toDisplay(*v, q, units_));
            if (!any) first = x;
            last = x;
            rpm = r.rpm;
            any = true;
        }
    }
    // The acceptable limits at the machine's speed, either side of zero.
    if (any && rpm > 0) {
        const ToleranceRow& row = toleranceRowFor(static_cast<float>(rpm));
        const ToleranceTable table = spacer ? ToleranceTable::Spacer : ToleranceTable::ShortCoupling;
        for (const bool second : {false, true}) {
            const JudgedValue judged = second ? secondValue(table) : firstValue(table);
            const Quantity q = judged == JudgedValue::Offset ? Quantity::Offset : Quantity::Angle;
            const double limit = toDisplay(limitsFor(row, judged).acceptable, q, units_);
            for (const double sign : {1.0, -1.0}) {
                auto* line = new QCPItemStraightLine(trend_);
                line->point1->setAxes(trend_->xAxis, second ? trend_->yAxis2 : trend_->yAxis);
                line->point2->setAxes(trend_->xAxis, second ? trend_->yAxis2 : trend_->yAxis);
                line->point1->setCoords(0, sign * limit);
                line->point2->setCoords(1, sign * limit);
                line->setPen(QPen(QColor(0x9a, 0x2a, 0x12), 1, second ? Qt::DotLine : Qt::DashLine));
            }
        }
    }
    const double pad = std::max(86400.0, (last - first) * 0.05);
    trend_->xAxis->setRange(first - pad, last + pad);
    bool scaled[2] = {false, false};
    for (int i = 0; i < trend_->graphCount(); ++i) {
        QCPGraph* g = trend_->graph(i);
        if (g->data()->isEmpty()) continue;
        const int axis = g->valueAxis() == trend_->yAxis ? 0 : 1;
        g->rescaleValueAxis(scaled[axis]);
        scaled[axis] = true;
    }
    // A little room above and below, so that no point sits on the frame.
    for (QCPAxis* axis : {trend_->yAxis, trend_->yAxis2}) axis->scaleRange(1.15, axis->range().center());
    if (!any) {
        trend_->yAxis->setRange(-1, 1);
        trend_->yAxis2->setRange(-1, 1);
    }
    if (any && rpm > 0) {
        const ToleranceRow& row = toleranceRowFor(static_cast<float>(rpm));
        const ToleranceTable table = spacer ? ToleranceTable::Spacer : ToleranceTable::ShortCoupling;
        const auto widen = [&](QCPAxis* axis, JudgedValue judged) {
            const Quantity q = judged == JudgedValue::Offset ? Quantity::Offset : Quantity::Angle;
            const double limit = toDisplay(limitsFor(row, judged).acceptable, q, units_) * 1.25;
            const QCPRange r = axis->range();
            axis->setRange(std::min(r.lower, -limit), std::max(r.upper, limit));
        };
        widen(trend_->yAxis, firstValue(table));
        widen(trend_->yAxis2, secondValue(table));
    }
    trend_->replot();
}

void MachineHistoryWindow::openRecord() {
    const int row = records_->currentRow();
    if (!history_ || row < 0 || row >= static_cast<int>(recordList_.size())) return;
    QString error;
    const std::optional<StageRecord> r =
        history_->find(recordList_[static_cast<std::size_t>(row)].id, &error);
    if (!r) {
        dialogs_.showMessage(this, error);
        return;
    }
    emit openAsNewJob(r->project);
}

void MachineHistoryWindow::reportMachine() {
    const QString machine = chosenMachine();
    if (!machine.isEmpty()) exportStagesReport(this, paths_, machine, units_, dialogs_);
}

}  // namespace corvane
