#pragma once

#include <QDateTime>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "history/HistoryLocation.h"
#include "history/StageRecord.h"

namespace corvane {

// One machine of the history: its name as last recorded, the time of its last record, the verdict of
// its last as-found and as-left stages ("" when it has none), and its number of jobs (a job being an
// as-found or an as-left stage, whichever it has more of).
struct MachineSummary {
    QString machine;
    QDateTime last;
    QString lastFoundGrade;
    QString lastLeftGrade;
    int jobs = 0;
};

struct PushOutcome {
    int sent = 0;          // records the target did not have
    int alreadyThere = 0;  // records it had
};

// An open history database. Every failure is a false or an empty answer with a sentence in `error`
// that names the database and what is wrong (cannot be reached, locked, read-only, made by a newer
// Corvane); nothing here ever throws, and a failed write leaves the history as it was.
class HistoryDb {
public:
    // The schema this program writes; an older one is upgraded in place, in one transaction.
    static constexpr int kSchemaVersion = 2;

    // Opens (and on first use makes) the database, in WAL mode for SQLite, and brings its schema up
    // to date. None, with the reason, when it cannot be used.
    static std::unique_ptr<HistoryDb> open(const HistoryLocation& location, QString* error);
    ~HistoryDb();
    HistoryDb(const HistoryDb&) = delete;
    HistoryDb& operator=(const HistoryDb&) = delete;

    const HistoryLocation& location() const { return location_; }

    // Adds the record; a record whose id is there already is left as it is (and counts as done).
    bool add(const StageRecord& record, QString* error);
    // Adds them all in one transaction (an import, a test's fixture): all or none.
    bool add(const std::vector<StageRecord>& records, QString* error);
    std::optional<std::vector<MachineSummary>> machines(QString* error);
    // The records of one machine (any case, blanks around ignored), or of all when `machine` is
    // empty, oldest first; without their project bytes, which `find` reads.
    std::optional<std::vector<StageRecord>> records(const QString& machine, QString* error);
    // The whole record with this id; none with "no record ..." in `error` when there is none.
    std::optional<StageRecord> find(const QString& id, QString* error);
    // The machine's latest record of this stage, whole; none when it has none.
    std::optional<StageRecord> latest(const QString& machine, JobStage stage, QString* error);
    // Sends the target every record it lacks, oldest first, a few hundred to a transaction: an
    // interruption keeps what was sent, and a repeat sends only the rest.
    bool pushTo(HistoryDb& target, PushOutcome& outcome, QString* error,
                const std::function<void(int sent, int toSend)>& progress = {});

private:
    HistoryDb(const HistoryLocation& location, const QString& connection);
    bool prepare(QString* error);
    bool upgrade(int from, QString* error);
    std::optional<int> storedVersion(QString* error);
    bool begin(QString* error);
    bool commit(QString* error);
    void rollback();
    bool prepareInsert(QSqlQuery& query);
    bool insert(QSqlQuery& query, const StageRecord& record, QString* error);
    QString failure(const QString& what, const QString& driverText) const;
    QSqlDatabase db() const;

    HistoryLocation location_;
    QString connection_;
    bool postgres_ = false;
};

}  // namespace corvane
