#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <optional>
#include <vector>

#include "calc/judging/StageSummary.h"
#include "project/ProjectRecord.h"
#include "project/ViewOptions.h"

namespace corvane {

// One stage of a job as the history keeps it: the whole project as its file bytes, and beside it
// the values people search and compare by, worked out when it was recorded.
struct StageRecord {
    QString id;  // a UUID made where the stage was recorded: the same record never lands twice
    QString machine;
    QString technician;
    QDateTime recordedAt;  // UTC, to the millisecond
    JobStage stage = JobStage::AsFound;
    ViewOptions view;
    double rpm = 0;
    ToleranceTable table = ToleranceTable::ShortCoupling;
    bool hasResult = false;
    QString grade;  // "Excellent", "Acceptable", "Out of tolerance", "No verdict"
    QString verdictLine;
    // See StageSummary: offset and angle, or the two spacer angles; none without a result.
    std::optional<double> verticalFirst, verticalSecond, horizontalFirst, horizontalSecond;
    std::vector<float> verticalMoves, horizontalMoves;
    QString readingsCheck;  // the findings, one per line; empty when the readings agree
    QByteArray project;     // the .qdl bytes
};

// The record of one stage of a job given as its project file's bytes (kept exactly), summarised as a
// window opening it shows it: with the view its ReservedText keeps. The id is made here.
StageRecord makeStageRecord(const QByteArray& projectBytes, JobStage stage, const QDateTime& now);

// The bytes a save of the open job would write: the record with the window's view in its ReservedText.
QByteArray projectBytes(const ProjectRecord& record, const ViewOptions& view);

// "0.12 -3.5" and back: the moves as the shortest texts that read back exactly.
QString movesText(const std::vector<float>& moves);
std::vector<float> movesFromText(const QString& text);

}  // namespace corvane
