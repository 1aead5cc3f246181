#pragma once

#include <QByteArray>
#include <QDialog>
#include <memory>
#include <vector>

#include "calc/format/Units.h"
#include "history/HistoryDb.h"
#include "project/AppState.h"

class QCustomPlot;
class QLabel;
class QPushButton;
class QTableWidget;

namespace corvane {

class DialogProvider;

// Tools > Machine History: the machines of the history with their last date, last verdicts and number
// of jobs; the chosen machine's records in time order; the trend of its as-found offset and angle in
// each plane against the acceptable limits at its speed. A record opens as a new unsaved job.
class MachineHistoryWindow : public QDialog {
    Q_OBJECT
public:
    MachineHistoryWindow(const AppPaths& paths, DialogProvider& dialogs, UnitSystem units,
                         const QString& currentMachine, QWidget* parent = nullptr);
    ~MachineHistoryWindow() override;

signals:
    // The chosen record's project bytes, to become a new unsaved job.
    void openAsNewJob(const QByteArray& project);

private:
    friend class HistoryWindowTestAdapter;

    void loadMachines(const QString& select);
    void showMachine();
    void drawTrend();
    void openRecord();
    void reportMachine();
    QString chosenMachine() const;

    const AppPaths& paths_;
    DialogProvider& dialogs_;
    UnitSystem units_;
    std::unique_ptr<HistoryDb> history_;
    std::vector<MachineSummary> machineList_;
    std::vector<StageRecord> recordList_;
    QTableWidget* machines_ = nullptr;
    QTableWidget* records_ = nullptr;
    QCustomPlot* trend_ = nullptr;
    QPushButton* open_ = nullptr;
    QPushButton* report_ = nullptr;
    QLabel* problem_ = nullptr;
};

}  // namespace corvane
