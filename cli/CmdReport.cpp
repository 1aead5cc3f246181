// corvane-cli report: the alignment report of one or more project files, as one PDF.

#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <filesystem>
#include <vector>

#include "calc/judging/Tolerance.h"
#include "cli/Arguments.h"
#include "cli/CalcArguments.h"
#include "cli/Commands.h"
#include "project/ProjectCommands.h"
#include "project/ProjectFile.h"
#include "project/SafeWrite.h"
#include "report/Report.h"

namespace corvane::cli {

namespace {

int failed(const QString& message) {
    QTextStream(stderr) << "corvane-cli report: " << message << "\n";
    return 2;
}

}  // namespace

int runReport(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const CalcArguments calcArguments;
    const QCommandLineOption outputOption({"o", "output"}, "The PDF file to write.", "OUT.pdf");
    const QCommandLineOption stagesOption(
        "as-found-as-left",
        "The two files are one job as found and as left: the report opens with the table comparing them.");
    calcArguments.addTo(parser);
    parser.addOption(outputOption);
    parser.addOption(stagesOption);
    parser.addPositionalArgument("files", "The project files (.qdl), one section each, in this order.",
                                 "FILE.qdl [FILE.qdl ...]");
    parser.setApplicationDescription(
        "Writes the alignment report of the project files as one PDF: the readings, the moves and the graphs "
        "as the main window shows them.");
    const QCommandLineOption helpOption = parser.addHelpOption();
    if (!parser.parse(QStringList{"corvane-cli report"} + arguments)) return failed(parser.errorText());
    if (parser.isSet(helpOption)) {
        QTextStream(stdout) << parser.helpText().replace("corvane-cli [options]",
                                                         "corvane-cli report [options]");
        return 0;
    }
    const QStringList files = parser.positionalArguments();
    if (files.isEmpty()) return failed("takes one or more project files");
    const bool stages = parser.isSet(stagesOption);
    if (stages && files.size() != 2)
        return failed("--as-found-as-left takes two project files: as found, then as left");
    const QString out = parser.value(outputOption);
    if (out.isEmpty()) return failed("needs the PDF to write: -o OUT.pdf");
    // A report written over a project would lose the job.
    if (hasProjectExtension(pathBytes(out)))
        return failed(QString("will not write the report over a project file: %1").arg(out));

    ViewOptions chosen;
    UnitSystem units = UnitSystem::English;
    QString error;
    if (!calcArguments.read(parser, chosen, units, error)) return failed(error);

    std::vector<ReportSection> sections;
    for (const QString& file : files) {
        std::error_code same;
        if (std::filesystem::equivalent(pathBytes(file), pathBytes(out), same))
            return failed(QString("will not write the report over its input %1").arg(file));
        ProjectRecord record;
        std::string reason;
        if (!readProject(pathBytes(file), record, &reason))
            return failed(QString("cannot read %1: %2").arg(file, QString::fromStdString(reason)));
        std::optional<JobStage> stage;
        if (stages) stage = sections.empty() ? JobStage::AsFound : JobStage::AsLeft;
        sections.push_back(
            makeOpenedSection(QFileInfo(file).fileName().toStdString(), record, chosen, units, stage));
    }

    const QByteArray pdf = reportPdf(sections, ReportFormat{units}, &error);
    if (pdf.isEmpty()) return failed(QString("cannot make the report: %1").arg(error));
    std::string reason;
    if (!writeFileSafely(pathBytes(out), std::vector<unsigned char>(pdf.begin(), pdf.end()), OldTail::Discard,
                         &reason))
        return failed(QString("cannot write %1: %2").arg(out, QString::fromStdString(reason)));
    return 0;
}

}  // namespace corvane::cli
