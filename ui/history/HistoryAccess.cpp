#include "ui/history/HistoryAccess.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QRegularExpression>
#include <QSettings>

#include "project/ProjectFile.h"
#include "report/Report.h"
#include "report/ReportFile.h"
#include "ui/common/DialogProvider.h"

namespace corvane {

namespace {

const QString kDatabaseKey = QStringLiteral("history/database");

QSettings preferencesOf(const AppPaths& paths) {
    return QSettings(QString::fromStdString(paths.preferences()),
                     paths.preferencesFile.empty() ? QSettings::IniFormat : QSettings::NativeFormat);
}

struct WaitCursor {
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
};

}  // namespace

QString historyPreference(const AppPaths& paths) {
    return preferencesOf(paths).value(kDatabaseKey).toString();
}

void setHistoryPreference(const AppPaths& paths, const QString& database) {
    QSettings settings = preferencesOf(paths);
    if (database.trimmed().isEmpty())
        settings.remove(kDatabaseKey);
    else
        settings.setValue(kDatabaseKey, database.trimmed());
    settings.sync();
}

std::unique_ptr<HistoryDb> openUsersHistory(const AppPaths& paths, QString* error) {
    const std::optional<HistoryLocation> location =
        resolveHistoryLocation(QString(), historyPreference(paths), error);
    if (!location) return nullptr;
    const WaitCursor wait;
    return HistoryDb::open(*location, error);
}

void exportStagesReport(QWidget* parent, const AppPaths& paths, const QString& machine, UnitSystem units,
                        DialogProvider& dialogs) {
    QString error;
    const std::unique_ptr<HistoryDb> history = openUsersHistory(paths, &error);
    std::vector<ReportSection> sections;
    for (const JobStage stage : {JobStage::AsFound, JobStage::AsLeft}) {
        if (!history) break;
        const std::optional<StageRecord> r = history->latest(machine, stage, &error);
        if (!r) {
            sections.clear();
            break;
        }
        const ProjectRecord record =
            decodeProject(reinterpret_cast<const unsigned char*>(r->project.constData()),
                          static_cast<std::size_t>(r->project.size()));
        const ViewOptions view = decodeViewOptions(record.ReservedText).value_or(ViewOptions{});
        const QString name = QStringLiteral("%1, %2").arg(QString::fromLatin1(stageTitle(stage).data()),
                                                          r->recordedAt.toLocalTime().toString(Qt::ISODate));
        sections.push_back(makeOpenedSection(name.toStdString(), record, view, units, stage));
    }
    if (sections.size() != 2) {
        dialogs.showMessage(parent,
                            QStringLiteral("No report of %1 as found and as left:\n%2").arg(machine, error));
        return;
    }
    const QString proposed =
        QDir::home().filePath(QString(machine).replace(QRegularExpression(QStringLiteral("[^\\w.-]+")), "_") +
                              QStringLiteral(" as found and as left.pdf"));
    const std::optional<QString> chosen = dialogs.chooseReportFile(parent, proposed);
    if (!chosen || chosen->isEmpty()) return;
    const QByteArray pdf = reportPdf(sections, DisplayFormat{units}, &error);
    if (pdf.isEmpty() || !writeFileReplacing(*chosen, pdf, &error))
        dialogs.showMessage(parent, QStringLiteral("The report could not be written to %1:\n%2")
                                        .arg(QDir::toNativeSeparators(*chosen), error));
}

QLabel* makeProblemLabel(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(QStringLiteral("lblHistoryProblem"));
    label->setWordWrap(true);
    label->setStyleSheet(QStringLiteral("color: #9a2a12"));
    label->setVisible(false);
    return label;
}

}  // namespace corvane
