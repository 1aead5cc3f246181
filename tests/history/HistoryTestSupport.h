#pragma once

// Records for the history tests: the project bytes of a job of a named machine, and its stage.

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include "history/StageRecord.h"
#include "project/ProjectFile.h"

namespace corvane::historytest {

inline QByteArray jobBytes(const std::string& machine) {
    ProjectRecord r;
    setDefaults(r);
    r.Machine = machine;
    r.Technician = "Ann";
    r.Comments = "As found.\r\nMotor 4 bolts";
    const std::vector<unsigned char> bytes = encodeProject(r);
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
}

inline StageRecord stageOf(const std::string& machine, JobStage stage, const QString& when) {
    return makeStageRecord(jobBytes(machine), stage, QDateTime::fromString(when, Qt::ISODate));
}

}  // namespace corvane::historytest
