#include <QCommandLineParser>
#include <QFile>
#include <QTextStream>
#include <cmath>
#include <filesystem>
#include <span>
#include <string>

#include "calc/format/NumberFormat.h"
#include "cli/Commands.h"
#include "cli/Json.h"
#include "cmdline/Arguments.h"
#include "project/OleDate.h"
#include "project/ProjectCommands.h"
#include "project/ProjectFile.h"
#include "project/ProjectRecord.h"
#include "project/SafeWrite.h"

namespace corvane::cli {

namespace {

// The range of dates an OLE date can name: 1 January 100 to 31 December 9999.
constexpr double kOleDateMin = -657434.0;
constexpr double kOleDateMax = 2958466.0;

int fail(const QString& message) {
    QTextStream(stderr) << "corvane-cli: " << message << "\n";
    return 2;
}

// Parses "<command> [--force] FILE"; false with the reason in `error` on bad arguments.
bool parseFileArgument(const QString& command, const QStringList& arguments, bool allowForce, QString& file,
                       bool& force, QString& error) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption forceOption("force", "Overwrite an existing file.");
    if (allowForce) parser.addOption(forceOption);
    parser.addPositionalArgument("file", "The project file (.qdl).");
    if (!parser.parse(QStringList{"corvane-cli " + command} + arguments)) {
        error = parser.errorText();
        return false;
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 1) {
        error = QString("%1 takes exactly one project file, got %2").arg(command).arg(positional.size());
        return false;
    }
    file = positional.first();
    force = allowForce && parser.isSet(forceOption);
    return true;
}

std::string localPath(const QString& file) { return pathBytes(file); }

template <typename T>
std::string jsonArray(std::span<const T> values) {
    std::string out = "[";
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i) out += ", ";
        if constexpr (std::is_integral_v<T>) {
            out += std::to_string(values[i]);
        } else {
            out += jsonNumber(values[i]);
        }
    }
    return out + "]";
}

// A per-method field as one array per method: element (m, j) is stored at m + 3 * j.
std::string jsonPerMethod(std::span<const float> values) {
    const std::size_t perMethod = values.size() / kMethodCount;
    std::string out = "[";
    for (int m = 0; m < kMethodCount; ++m) {
        std::vector<float> row;
        for (std::size_t j = 0; j < perMethod; ++j) row.push_back(values[m + kMethodCount * j]);
        if (m) out += ", ";
        out += jsonArray<float>(row);
    }
    return out + "]";
}

std::string dumpJson(const ProjectRecord& r) {
    std::vector<std::pair<std::string, std::string>> fields = {
        {"Length", jsonPerMethod(r.Length)},
        {"Dial1Reading", jsonPerMethod(r.Dial1Reading)},
        {"Dial2Reading", jsonPerMethod(r.Dial2Reading)},
        {"Span", jsonNumber(r.Span)},
        {"RPM", jsonNumber(r.RPM)},
        {"Material", std::to_string(r.Material)},
        {"HotTemp", jsonArray<float>(r.HotTemp)},
        {"ColdTemp", jsonArray<float>(r.ColdTemp)},
        {"Reserved1", jsonNumber(r.Reserved1)},
        {"FaceDia2", jsonNumber(r.FaceDia2)},
        {"FaceDia1", jsonNumber(r.FaceDia1)},
        {"Sag", jsonNumber(r.Sag)},
        {"Station", jsonArray<std::int16_t>(r.Station)},
        {"FootHeight", jsonArray<float>(r.FootHeight)},
        {"ReservedText", jsonString(r.ReservedText)},
        {"Machine", jsonString(r.Machine)},
        {"Technician", jsonString(r.Technician)},
        {"Comments", jsonString(r.Comments)},
        {"M1Text", jsonString(r.M1Text)},
        {"M2Text", jsonString(r.M2Text)},
        {"Growth", jsonPerMethod(r.Growth)},
        {"DateStamp", jsonNumber(r.DateStamp)},
    };
    const bool datable = r.DateStamp >= kOleDateMin && r.DateStamp < kOleDateMax;
    fields.emplace_back("DateStampText", datable ? jsonString(formatDateTime(r.DateStamp)) : "null");

    std::string out = "{\n";
    for (std::size_t i = 0; i < fields.size(); ++i) {
        out += "  " + jsonString(fields[i].first) + ": " + fields[i].second;
        out += i + 1 < fields.size() ? ",\n" : "\n";
    }
    return out + "}\n";
}

}  // namespace

int runNew(const QStringList& arguments) {
    QString file, error;
    bool force = false;
    if (!parseFileArgument("new", arguments, true, file, force, error)) return fail(error);
    if (!hasProjectExtension(localPath(file))) return fail(QString("%1: %2").arg(file, kExtensionMessage));
    std::error_code ec;
    if (std::filesystem::exists(std::filesystem::symlink_status(localPath(file), ec)) && !force) {
        return fail(QString("%1 already exists; use --force to overwrite it").arg(file));
    }
    ProjectRecord record;
    setDefaults(record);
    record.DateStamp = nowOleDate();
    // A whole new file: an old one is either replaced completely or left exactly as it was.
    std::string reason;
    if (!writeFileSafely(localPath(file), encodeProject(record), OldTail::Discard, &reason))
        return fail(QString("cannot write %1: %2").arg(file, QString::fromStdString(reason)));
    return 0;
}

int runDump(const QStringList& arguments) {
    QString file, error;
    bool force = false;
    if (!parseFileArgument("dump", arguments, false, file, force, error)) return fail(error);
    ProjectRecord record;
    std::string reason;
    std::string foreign;
    if (!readProject(localPath(file), record, &reason, &foreign)) {
        return fail(QString("cannot read %1: %2").arg(file, QString::fromStdString(reason)));
    }
    if (!foreign.empty()) warnForeign(file, foreign);
    if (!writeOutput(dumpJson(record))) return 2;
    return foreign.empty() ? 0 : kForeignFileStatus;
}

}  // namespace corvane::cli
