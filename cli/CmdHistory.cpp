// corvane-cli history: the job stages and every machine's history, on the command line.

#include <QCommandLineParser>
#include <QDateTime>
#include <QFileInfo>
#include <QSettings>
#include <QTextStream>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "calc/format/NumberFormat.h"
#include "cli/Commands.h"
#include "cli/Json.h"
#include "cmdline/Arguments.h"
#include "history/HistoryDb.h"
#include "project/ProjectCommands.h"
#include "project/ProjectFile.h"
#include "project/SafeWrite.h"
#include "project/ViewOptions.h"
#include "report/Report.h"

namespace corvane::cli {

namespace {

const QString kUsage = QStringLiteral(
    "usage: corvane-cli history add FILE.qdl --stage as-found|intermediate|as-left\n"
    "       corvane-cli history list [--machine NAME] [--json]\n"
    "       corvane-cli history show ID [--json]\n"
    "       corvane-cli history export ID -o FILE.qdl\n"
    "       corvane-cli history report MACHINE -o OUT.pdf [--units english|metric]\n"
    "       corvane-cli history push --to URL\n"
    "Each takes --db PATH|sqlite:PATH|postgresql://URL (else CORVANE_HISTORY, else the desktop program's\n"
    "choice, else history.sqlite in the user's data folder).\n");

int failed(const QString& command, const QString& message) {
    QTextStream(stderr) << "corvane-cli history " << command << ": " << message << "\n";
    return 2;
}

std::string utf8(const QString& text) { return text.toStdString(); }

std::string optionalJson(const std::optional<double>& v) { return v ? jsonNumber(*v) : std::string("null"); }

std::string movesJson(const std::vector<float>& moves) {
    std::string text = "[";
    for (std::size_t i = 0; i < moves.size(); ++i) text += (i ? ", " : "") + jsonNumber(moves[i]);
    return text + "]";
}

std::string timeText(const QDateTime& t) { return utf8(t.toUTC().toString(Qt::ISODateWithMs)); }

std::string recordJson(const StageRecord& r, const std::string& indent) {
    const std::string i2 = indent + "  ";
    std::string s = "{\n";
    auto field = [&](const char* key, const std::string& value, bool last = false) {
        s += i2 + jsonString(key) + ": " + value + (last ? "\n" : ",\n");
    };
    field("id", jsonString(utf8(r.id)));
    field("machine", jsonString(utf8(r.machine)));
    field("technician", jsonString(utf8(r.technician)));
    field("recorded", jsonString(timeText(r.recordedAt)));
    field("stage", jsonString(std::string(stageKey(r.stage))));
    field("method", std::to_string(r.view.method));
    field("rpm", jsonNumber(r.rpm));
    field("coupling", jsonString(r.table == ToleranceTable::Spacer ? "spacer" : "short"));
    field("verdict", jsonString(utf8(r.grade)));
    field("verdictLine", jsonString(utf8(r.verdictLine)));
    field("verticalFirst", optionalJson(r.verticalFirst));
    field("verticalSecond", optionalJson(r.verticalSecond));
    field("horizontalFirst", optionalJson(r.horizontalFirst));
    field("horizontalSecond", optionalJson(r.horizontalSecond));
    field("verticalMoves", movesJson(r.verticalMoves));
    field("horizontalMoves", movesJson(r.horizontalMoves));
    field("readingsCheck", jsonString(utf8(r.readingsCheck)), true);
    return s + indent + "}";
}

// The user's choice in the desktop program's preferences, for a command that names no database.
QString preferredDatabase() {
    return QSettings(QStringLiteral("Corvane"), QStringLiteral("Corvane"))
        .value(QStringLiteral("history/database"))
        .toString();
}

std::unique_ptr<HistoryDb> openHistory(const QString& chosen, QString& error) {
    const std::optional<HistoryLocation> location =
        resolveHistoryLocation(chosen, preferredDatabase(), &error);
    if (!location) return nullptr;
    return HistoryDb::open(*location, &error);
}

struct Parsed {
    QCommandLineParser parser;
    QCommandLineOption db{"db", "The history: a path, sqlite:PATH or a postgresql:// URL.", "database"};
    QCommandLineOption output{{"o", "output"}, "The file to write.", "file"};
    QCommandLineOption stage{"stage", "as-found, intermediate or as-left.", "stage"};
    QCommandLineOption machine{"machine", "Only this machine's records.", "name"};
    QCommandLineOption json{"json", "Write JSON."};
    QCommandLineOption to{"to", "The history to send to.", "database"};
    QCommandLineOption units{"units", "english (the default) or metric.", "units"};

    bool parse(const QString& command, const QStringList& arguments, QString& error) {
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser.addOptions({db, output, stage, machine, json, to, units});
        if (!parser.parse(QStringList{"corvane-cli history " + command} + arguments)) {
            error = parser.errorText();
            return false;
        }
        return true;
    }
};

int runAdd(Parsed& p) {
    const QStringList files = p.parser.positionalArguments();
    if (files.size() != 1) return failed("add", "takes one project file");
    const std::optional<JobStage> stage = stageFromKey(utf8(p.parser.value(p.stage)));
    if (!stage) return failed("add", "needs --stage as-found, intermediate or as-left");
    // The file's bytes as they are, so that an export gives back the very file.
    std::ifstream file(pathBytes(files[0]), std::ios::binary);
    if (!file.is_open() || std::filesystem::is_directory(pathBytes(files[0])))
        return failed("add", QString("cannot read %1: no such file or not readable").arg(files[0]));
    const std::string content((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (file.bad()) return failed("add", QString("cannot read %1").arg(files[0]));
    const QByteArray bytes(content.data(), static_cast<qsizetype>(content.size()));
    const StageRecord stageRecord = makeStageRecord(bytes, *stage, QDateTime::currentDateTimeUtc());
    if (stageRecord.machine.isEmpty())
        return failed(
            "add", QString("%1 has no machine name: the history files a job by its machine").arg(files[0]));
    QString error;
    const std::unique_ptr<HistoryDb> history = openHistory(p.parser.value(p.db), error);
    if (!history || !history->add(stageRecord, &error)) return failed("add", error);
    return writeOutput(utf8(stageRecord.id) + "\n") ? 0 : 2;
}

int runList(Parsed& p) {
    if (!p.parser.positionalArguments().isEmpty()) return failed("list", "takes no file; use --machine NAME");
    QString error;
    const std::unique_ptr<HistoryDb> history = openHistory(p.parser.value(p.db), error);
    if (!history) return failed("list", error);
    const std::optional<std::vector<StageRecord>> records =
        history->records(p.parser.value(p.machine), &error);
    if (!records) return failed("list", error);
    std::string out;
    if (p.parser.isSet(p.json)) {
        out = "[";
        for (std::size_t i = 0; i < records->size(); ++i)
            out += (i ? ",\n  " : "\n  ") + recordJson((*records)[i], "  ");
        out += records->empty() ? "]\n" : "\n]\n";
    } else {
        for (const StageRecord& r : *records)
            out += utf8(r.id) + "  " + timeText(r.recordedAt) + "  " + std::string(stageKey(r.stage)) + "  " +
                   utf8(r.grade) + "  " + utf8(r.machine) +
                   (r.technician.isEmpty() ? "" : "  (" + utf8(r.technician) + ")") + "\n";
    }
    return writeOutput(out) ? 0 : 2;
}

int runShow(Parsed& p) {
    const QStringList ids = p.parser.positionalArguments();
    if (ids.size() != 1) return failed("show", "takes one record id");
    QString error;
    const std::unique_ptr<HistoryDb> history = openHistory(p.parser.value(p.db), error);
    if (!history) return failed("show", error);
    const std::optional<StageRecord> r = history->find(ids[0], &error);
    if (!r) return failed("show", error);
    if (p.parser.isSet(p.json)) return writeOutput(recordJson(*r, "") + "\n") ? 0 : 2;
    std::string out;
    out += "Id: " + utf8(r->id) + "\n";
    out += "Machine: " + utf8(r->machine) + "\n";
    out += "Technician: " + utf8(r->technician) + "\n";
    out += "Recorded: " + timeText(r->recordedAt) + "\n";
    out += "Stage: " + std::string(stageTitle(r->stage)) + "\n";
    out += "Verdict: " + utf8(r->verdictLine) + "\n";
    const bool spacer = r->table == ToleranceTable::Spacer;
    auto value = [](const std::optional<double>& v) { return v ? formatValue(*v) : std::string("-"); };
    const char* first = spacer ? "angle at fixed coupling (mils/in)" : "offset (mils)";
    const char* second = spacer ? "angle at moveable coupling (mils/in)" : "angle (mils/in)";
    out += std::string("Vertical ") + first + ": " + value(r->verticalFirst) + "\n";
    out += std::string("Vertical ") + second + ": " + value(r->verticalSecond) + "\n";
    out += std::string("Horizontal ") + first + ": " + value(r->horizontalFirst) + "\n";
    out += std::string("Horizontal ") + second + ": " + value(r->horizontalSecond) + "\n";
    out += "Readings check: " +
           (r->readingsCheck.isEmpty() ? std::string("the readings agree") : utf8(r->readingsCheck)) + "\n";
    return writeOutput(out) ? 0 : 2;
}

int runExport(Parsed& p) {
    const QStringList ids = p.parser.positionalArguments();
    if (ids.size() != 1) return failed("export", "takes one record id");
    const QString out = p.parser.value(p.output);
    if (out.isEmpty()) return failed("export", "needs the project file to write: -o FILE.qdl");
    QString error;
    const std::unique_ptr<HistoryDb> history = openHistory(p.parser.value(p.db), error);
    if (!history) return failed("export", error);
    const std::optional<StageRecord> r = history->find(ids[0], &error);
    if (!r) return failed("export", error);
    std::string reason;
    if (!writeFileSafely(pathBytes(out), std::vector<unsigned char>(r->project.begin(), r->project.end()),
                         OldTail::Discard, &reason))
        return failed("export", QString("cannot write %1: %2").arg(out, QString::fromStdString(reason)));
    return 0;
}

int runHistoryReport(Parsed& p) {
    const QStringList names = p.parser.positionalArguments();
    if (names.size() != 1) return failed("report", "takes one machine name");
    const QString out = p.parser.value(p.output);
    if (out.isEmpty()) return failed("report", "needs the PDF to write: -o OUT.pdf");
    if (hasProjectExtension(pathBytes(out)))
        return failed("report", QString("will not write the report over a project file: %1").arg(out));
    const QString unitText = p.parser.value(p.units);
    if (!unitText.isEmpty() && unitText != "english" && unitText != "metric")
        return failed("report", "--units takes english or metric");
    const UnitSystem units = unitText == "metric" ? UnitSystem::Metric : UnitSystem::English;
    QString error;
    const std::unique_ptr<HistoryDb> history = openHistory(p.parser.value(p.db), error);
    if (!history) return failed("report", error);
    std::vector<ReportSection> sections;
    for (const JobStage stage : {JobStage::AsFound, JobStage::AsLeft}) {
        const std::optional<StageRecord> r = history->latest(names[0], stage, &error);
        if (!r) return failed("report", error);
        const ProjectRecord record =
            decodeProject(reinterpret_cast<const unsigned char*>(r->project.constData()),
                          static_cast<std::size_t>(r->project.size()));
        const ViewOptions view = decodeViewOptions(record.ReservedText).value_or(ViewOptions{});
        const std::string name = std::string(stageTitle(stage)) + ", " + timeText(r->recordedAt);
        sections.push_back(makeOpenedSection(name, record, view, units, stage));
    }
    const QByteArray pdf = reportPdf(sections, DisplayFormat{units}, &error);
    if (pdf.isEmpty()) return failed("report", QString("cannot make the report: %1").arg(error));
    std::string reason;
    if (!writeFileSafely(pathBytes(out), std::vector<unsigned char>(pdf.begin(), pdf.end()), OldTail::Discard,
                         &reason))
        return failed("report", QString("cannot write %1: %2").arg(out, QString::fromStdString(reason)));
    return 0;
}

int runPush(Parsed& p) {
    if (!p.parser.isSet(p.to)) return failed("push", "needs the history to send to: --to URL");
    QString error;
    const std::optional<HistoryLocation> targetLocation = parseHistoryLocation(p.parser.value(p.to), &error);
    if (!targetLocation) return failed("push", error);
    const std::unique_ptr<HistoryDb> source = openHistory(p.parser.value(p.db), error);
    if (!source) return failed("push", error);
    const std::unique_ptr<HistoryDb> target = HistoryDb::open(*targetLocation, &error);
    if (!target) return failed("push", error);
    PushOutcome outcome;
    if (!source->pushTo(*target, outcome, &error))
        return failed(
            "push",
            QString("%1 (%2 sent before; run the push again to send the rest)").arg(error).arg(outcome.sent));
    return writeOutput(std::to_string(outcome.sent) + " sent, " + std::to_string(outcome.alreadyThere) +
                       " already there\n")
               ? 0
               : 2;
}

}  // namespace

int runHistory(const QStringList& arguments) {
    if (arguments.isEmpty()) {
        QTextStream(stderr) << kUsage;
        return 2;
    }
    const QString command = arguments.first();
    if (command == "--help" || command == "-h") return writeOutput(utf8(kUsage)) ? 0 : 2;
    Parsed p;
    QString error;
    if (!p.parse(command, arguments.mid(1), error)) return failed(command, error);
    if (command == "add") return runAdd(p);
    if (command == "list") return runList(p);
    if (command == "show") return runShow(p);
    if (command == "export") return runExport(p);
    if (command == "report") return runHistoryReport(p);
    if (command == "push") return runPush(p);
    QTextStream(stderr) << "corvane-cli history: unknown command '" << command << "'\n" << kUsage;
    return 2;
}

}  // namespace corvane::cli
