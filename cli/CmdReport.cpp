// corvane-cli report: the alignment report of one or more project files, as one PDF.

#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <filesystem>
#include <vector>

#include "calc/graph/ToleranceBand.h"
#include "cli/CalcArguments.h"
#include "cli/Commands.h"
#include "cli/FeetOutput.h"
#include "cmdline/Arguments.h"
#include "project/ProjectCommands.h"
#include "project/ProjectFile.h"
#include "project/RunOptions.h"
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
    const KitArguments kitArguments;
    const QCommandLineOption outputOption({"o", "output"}, "The PDF file to write.", "OUT.pdf");
    const QCommandLineOption stagesOption(
        "as-found-as-left",
        "The two files are one job as found and as left: the report opens with the table comparing them.");
    calcArguments.addTo(parser);
    kitArguments.addTo(parser);
    parser.addOption(outputOption);
    parser.addOption(stagesOption);
    parser.addPositionalArgument("files", "The project files (.qdl), one section each, in this order.",
                                 "FILE.qdl [FILE.qdl ...]");
    parser.setApplicationDescription(
        "Writes the alignment report of the project files as one PDF: the readings, the moves and the graphs "
        "as the main window shows them.");
    if (const ParseOutcome parsed = parseCommand(parser, "report", arguments); parsed != ParseOutcome::Run)
        return parsed == ParseOutcome::HelpShown ? 0 : failed(parser.errorText());
    const QStringList files = parser.positionalArguments();
    if (files.isEmpty()) return failed("takes one or more project files");
    if (parser.values(outputOption).size() > 1)
        return failed("takes one PDF to write: -o was given more than once");
    const bool stages = parser.isSet(stagesOption);
    if (stages && files.size() != 2)
        return failed("--as-found-as-left takes two project files: as found, then as left");
    const QString out = parser.value(outputOption);
    if (out.isEmpty()) return failed("needs the PDF to write: -o OUT.pdf (- for standard output)");
    const bool toStandardOutput = out == "-";
    // A report written over a project would lose the job.
    if (hasProjectExtension(pathBytes(out)))
        return failed(QString("will not write the report over a project file: %1").arg(out));

    ViewChoices asked;
    UnitSystem units = UnitSystem::English;
    QString error;
    if (!calcArguments.read(parser, asked, units, error)) return failed(error);
    ShimKit kit;
    if (!kitArguments.read(parser, units, kit, error)) return failed(error);

    std::vector<ReportSection> sections;
    bool anyForeign = false;
    for (const QString& file : files) {
        std::error_code same;
        if (!toStandardOutput && std::filesystem::equivalent(pathBytes(file), pathBytes(out), same))
            return failed(QString("will not write the report over its input %1").arg(file));
        ProjectRecord record;
        std::string reason;
        std::string foreign;
        if (!readProject(pathBytes(file), record, &reason, &foreign))
            return failed(QString("cannot read %1: %2").arg(file, QString::fromStdString(reason)));
        if (!foreign.empty()) {
            warnForeign(file, foreign);
            anyForeign = true;
        }
        // Each job as it was saved from the window, unless the command line asks otherwise.
        const RunView run = viewForRun(record.ReservedText, asked);
        CalcOptions options = openingOptions(record, run.view);
        options.units = units;
        // The span the tolerance was worked out from, as the window's refresh sets it.
        record.Span = toleranceSpan(record, options.method);
        sections.push_back(
            makeAssessedReportSection(QFileInfo(file).fileName().toStdString(), record, options));
        if (run.source != OptionsSource::Defaults) sections.back().optionsSource = run.source;
        sections.back().shimKit = kit;
        if (stages)
            sections.back().stage =
                std::string(stageTitle(sections.size() == 1 ? JobStage::AsFound : JobStage::AsLeft));
    }

    const QByteArray pdf = reportPdf(sections, DisplayFormat{units}, &error);
    if (pdf.isEmpty()) return failed(QString("cannot make the report: %1").arg(error));
    const int done = anyForeign ? kForeignFileStatus : 0;
    if (toStandardOutput) return writeOutput(pdf.toStdString()) ? done : 2;
    std::string reason;
    // The project-file guard holds for the file a link finally names too.
    if (!writeFileSafely(pathBytes(out), std::vector<unsigned char>(pdf.begin(), pdf.end()), OldTail::Discard,
                         &reason, WriteKind::NoProject))
        return failed(QString("cannot write %1: %2").arg(out, QString::fromStdString(reason)));
    return done;
}

}  // namespace corvane::cli
