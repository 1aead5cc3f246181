#pragma once

// Records for the history tests: a job of a named machine whose project bytes are told apart by its
// technician, and the bytes of a file with things a decoder would drop (a tail after the texts).

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include "history/StageRecord.h"
#include "project/ProjectFile.h"

namespace corvane::historytest {

inline QByteArray jobBytes(const std::string& machine, const std::string& technician) {
    ProjectRecord r;
    setDefaults(r);
    r.Machine = machine;
    r.Technician = technician;
    r.Comments = "As found.\r\nMotor 4 bolts";
    const std::vector<unsigned char> bytes = encodeProject(r);
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
}

inline StageRecord stageOf(const std::string& machine, JobStage stage, const QString& when,
                           const std::string& technician = "Ann") {
    return makeStageRecord(jobBytes(machine, technician), stage, QDateTime::fromString(when, Qt::ISODate));
}

}  // namespace corvane::historytest
