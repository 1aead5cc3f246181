#include "ui/print/ReportActions.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>

#include "project/ProjectCommands.h"
#include "report/ReportFile.h"
#include "ui/common/DialogProvider.h"
#include "ui/widgets/ShimKitPreferences.h"

namespace corvane {

namespace {

// The project's own name with .pdf, in the project's folder.
QString proposedReportPath(const AppState& state) {
    const QFileInfo project(QString::fromStdString(state.CurrentFile));
    if (state.CurrentFile.empty()) return QDir::home().filePath(QStringLiteral("Alignment Report.pdf"));
    return project.dir().filePath(project.completeBaseName() + QStringLiteral(".pdf"));
}

}  // namespace

ReportSection windowReportSection(const AppState& state, const CalcOptions& options) {
    const QString file = QFileInfo(QString::fromStdString(state.CurrentFile)).fileName();
    ReportSection section = makeAssessedReportSection(file.toStdString(), state.Project, options);
    section.shimKit = preferredShimKit(state.Paths, options.units);
    return section;
}

void exportReport(QWidget* window, const AppState& state, const CalcOptions& options,
                  DialogProvider& dialogs) {
    const std::optional<QString> chosen = dialogs.chooseReportFile(window, proposedReportPath(state));
    if (!chosen || chosen->isEmpty()) return;
    // A PDF written under a project's name would destroy the job it reports.
    if (hasProjectExtension(QFile::encodeName(*chosen).toStdString())) {
        dialogs.showMessage(window, QStringLiteral("The report was not written: %1 is a project file name. "
                                                   "Choose a name ending in .pdf.")
                                        .arg(QDir::toNativeSeparators(*chosen)));
        return;
    }
    QString error;
    const QByteArray pdf =
        reportPdf({windowReportSection(state, options)}, DisplayFormat{options.units}, &error);
    if (pdf.isEmpty() || !writeFileReplacing(*chosen, pdf, &error)) {
        dialogs.showMessage(window, QStringLiteral("The report could not be written to %1:\n%2")
                                        .arg(QDir::toNativeSeparators(*chosen), error));
    }
}

void printReport(QWidget* window, const AppState& state, const CalcOptions& options,
                 DialogProvider& dialogs) {
    const std::vector<ReportSection> sections = {windowReportSection(state, options)};
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Shaft Alignment Report"));
    printer.setPageOrientation(QPageLayout::Portrait);
    const DisplayFormat format{options.units};
    dialogs.previewReport(window, printer,
                          [&sections, &format](QPrinter& target) { paintReport(target, sections, format); });
}

}  // namespace corvane
