#include "history/StageRecord.h"

#include <QStringList>
#include <QUuid>
#include <charconv>
#include <cmath>

#include "project/ProjectFile.h"
#include "project/ReservedLines.h"

namespace corvane {

QByteArray projectBytes(const ProjectRecord& record, const ViewOptions& view) {
    ProjectRecord job = record;
    // The stage is reopened as it was being looked at.
    job.ReservedText = encodeViewOptions(view, job.ReservedText);
    const std::vector<unsigned char> bytes = encodeProject(job);
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
}

StageRecord makeStageRecord(const QByteArray& bytes, JobStage stage, const QDateTime& now) {
    const ProjectRecord job = decodeProject(reinterpret_cast<const unsigned char*>(bytes.constData()),
                                            static_cast<std::size_t>(bytes.size()));
    const ViewOptions view = decodeViewOptions(job.ReservedText).value_or(ViewOptions{});
    const StageSummary summary = summarizeStage(job, view);

    StageRecord r;
    r.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    r.machine = QString::fromStdString(machineName(job));
    r.technician = QString::fromStdString(job.Technician).trimmed();
    r.recordedAt = now.toUTC();
    r.stage = stage;
    r.view = view;
    r.rpm = summary.rpm;
    r.table = summary.table;
    r.hasResult = summary.hasResult;
    r.grade = QString::fromStdString(summary.grade);
    r.verdictLine = QString::fromStdString(summary.verdictLine);
    if (summary.hasResult) {
        auto finite = [](double v) { return std::isfinite(v) ? std::optional<double>(v) : std::nullopt; };
        r.verticalFirst = finite(summary.verticalFirst);
        r.verticalSecond = finite(summary.verticalSecond);
        r.horizontalFirst = finite(summary.horizontalFirst);
        r.horizontalSecond = finite(summary.horizontalSecond);
        r.verticalMoves = summary.verticalMoves;
        r.horizontalMoves = summary.horizontalMoves;
    }
    QStringList findings;
    for (const std::string& f : summary.findings) findings << QString::fromStdString(f);
    r.readingsCheck = findings.join(QLatin1Char('\n'));
    r.project = bytes;
    return r;
}

QString movesText(const std::vector<float>& moves) {
    // The shortest text of the float itself, so that "0.1" stays "0.1" and still reads back exactly.
    QStringList parts;
    for (const float m : moves) {
        char buffer[32];
        const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, m);
        parts << (ec == std::errc{} ? QString::fromLatin1(buffer, end - buffer) : QStringLiteral("0"));
    }
    return parts.join(QLatin1Char(' '));
}

std::vector<float> movesFromText(const QString& text) {
    std::vector<float> moves;
    for (const QString& part : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QByteArray bytes = part.toLatin1();
        float v = 0;
        const auto [end, ec] = std::from_chars(bytes.data(), bytes.data() + bytes.size(), v);
        moves.push_back(ec == std::errc{} && end == bytes.data() + bytes.size() ? v : 0.0f);
    }
    return moves;
}

}  // namespace corvane
