#pragma once

// Records for the history tests: the project bytes of a job of a named machine, its stage, and the
// round trip of a stage through either kind of history.

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <tuple>

#include "history/HistoryDb.h"
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

// A stage added to a new history twice (a retry after an unclear failure) is one record, and it
// comes back with its values and its file byte for byte, even the bytes after the texts that a decode
// and encode would drop.
inline void expectAStageComesBack(const HistoryLocation& location) {
    QString error;
    auto db = HistoryDb::open(location, &error);
    ASSERT_TRUE(db) << error.toStdString();
    QByteArray bytes = jobBytes("P-101");
    bytes.append("\0\x01\x80\xfftail", 8);
    const StageRecord r = makeStageRecord(bytes, JobStage::AsLeft, QDateTime::currentDateTimeUtc());
    ASSERT_TRUE(db->add(r, &error)) << error.toStdString();
    ASSERT_TRUE(db->add(r, &error)) << error.toStdString();
    const auto back = db->find(r.id, &error);
    ASSERT_TRUE(back) << error.toStdString();
    EXPECT_EQ(back->project, bytes);
    EXPECT_EQ(
        std::tie(back->machine, back->technician, back->stage, back->recordedAt, back->grade,
                 back->verticalMoves, back->verticalFirst),
        std::tie(r.machine, r.technician, r.stage, r.recordedAt, r.grade, r.verticalMoves, r.verticalFirst));
    EXPECT_EQ(db->records(QString(), &error)->size(), 1u);
}

}  // namespace corvane::historytest
