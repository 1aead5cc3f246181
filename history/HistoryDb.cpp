#include "history/HistoryDb.h"

#include <QAtomicInteger>
#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>
#include <QUrlQuery>
#include <QVariant>
#include <map>

namespace corvane {

namespace {

QAtomicInteger<int> connectionCount;

const QString kTimeFormat = QStringLiteral("yyyy-MM-dd'T'HH:mm:ss.zzz'Z'");

// Every column of a record, in the order the queries below read them.
const QString kColumns = QStringLiteral(
    "id, machine, machine_key, technician, recorded_at, stage, method, rotation, bracket_side, growth_on, "
    "tolerance_on, autoscale, rpm, coupling, has_result, grade, verdict_line, vertical_first, "
    "vertical_second, "
    "horizontal_first, horizontal_second, vertical_moves, horizontal_moves, readings_check");

// Machines are told apart without regard to case: "P-101" and "p-101 " are one pump.
QString machineKey(const QString& machine) { return machine.trimmed().toCaseFolded(); }

QString timeText(const QDateTime& t) { return t.toUTC().toString(kTimeFormat); }
// Read by position: a history of thousands of records is listed at once, and the general date parser
// takes far longer than the rest of the row.
QDateTime timeOf(const QString& text) {
    if (text.size() != 24 || text[4] != QLatin1Char('-') || text[10] != QLatin1Char('T') ||
        text[23] != QLatin1Char('Z'))
        return QDateTime::fromString(text, Qt::ISODateWithMs);
    auto number = [&text](int from, int count) {
        int v = 0;
        for (int i = from; i < from + count; ++i) v = v * 10 + (text[i].unicode() - '0');
        return v;
    };
    return QDateTime(QDate(number(0, 4), number(5, 2), number(8, 2)),
                     QTime(number(11, 2), number(14, 2), number(17, 2), number(20, 3)), Qt::UTC);
}

// A text column is never NULL: an empty QString would be bound as one.
QVariant textValue(const QString& text) {
    return text.isNull() ? QVariant(QString(QLatin1String(""))) : QVariant(text);
}

QVariant optionalValue(const std::optional<double>& v) {
    return v ? QVariant(*v) : QVariant(QMetaType::fromType<double>());
}
std::optional<double> optionalOf(const QVariant& v) {
    if (v.isNull()) return std::nullopt;
    return v.toDouble();
}

StageRecord recordOf(const QSqlQuery& q, bool withProject) {
    StageRecord r;
    r.id = q.value(0).toString();
    r.machine = q.value(1).toString();
    r.technician = q.value(3).toString();
    r.recordedAt = timeOf(q.value(4).toString());
    r.stage = stageFromKey(q.value(5).toString().toStdString()).value_or(JobStage::Intermediate);
    r.view.method = q.value(6).toInt();
    r.view.rotation = q.value(7).toInt();
    r.view.bracketSide = q.value(8).toInt();
    r.view.growthOn = q.value(9).toInt() != 0;
    r.view.toleranceOn = q.value(10).toInt() != 0;
    r.view.autoScale = q.value(11).toInt() != 0;
    r.rpm = q.value(12).toDouble();
    r.table = q.value(13).toString() == QLatin1String("spacer") ? ToleranceTable::Spacer
                                                                : ToleranceTable::ShortCoupling;
    r.hasResult = q.value(14).toInt() != 0;
    r.grade = q.value(15).toString();
    r.verdictLine = q.value(16).toString();
    r.verticalFirst = optionalOf(q.value(17));
    r.verticalSecond = optionalOf(q.value(18));
    r.horizontalFirst = optionalOf(q.value(19));
    r.horizontalSecond = optionalOf(q.value(20));
    r.verticalMoves = movesFromText(q.value(21).toString());
    r.horizontalMoves = movesFromText(q.value(22).toString());
    r.readingsCheck = q.value(23).toString();
    if (withProject) r.project = q.value(24).toByteArray();
    return r;
}

// Parts of a PostgreSQL URL that libpq reads as connection keywords; anything else in the query is
// passed on as it is, so that sslmode, service and the like work.
QString postgresOptions(const QUrl& url) {
    QStringList options;
    bool timeout = false;
    for (const auto& [key, value] : QUrlQuery(url).queryItems(QUrl::FullyDecoded)) {
        if (key == QLatin1String("host") || key == QLatin1String("port") || key == QLatin1String("user") ||
            key == QLatin1String("dbname"))
            continue;
        if (key == QLatin1String("connect_timeout")) timeout = true;
        options << key + QLatin1Char('=') + value;
    }
    // A server that does not answer is a message after a few seconds, not a program that hangs.
    if (!timeout) options << QStringLiteral("connect_timeout=5");
    return options.join(QLatin1Char(';'));
}

}  // namespace

HistoryDb::HistoryDb(const HistoryLocation& location, const QString& connection)
    : location_(location),
      connection_(connection),
      postgres_(location.kind == HistoryLocation::Kind::Postgres) {}

HistoryDb::~HistoryDb() {
    {
        QSqlDatabase d = QSqlDatabase::database(connection_, false);
        if (d.isOpen()) d.close();
    }
    QSqlDatabase::removeDatabase(connection_);
}

QSqlDatabase HistoryDb::db() const { return QSqlDatabase::database(connection_, false); }

QString HistoryDb::failure(const QString& what, const QString& driverText) const {
    const QString lower = driverText.toLower();
    QString why = driverText.trimmed();
    if (lower.contains(QLatin1String("database is locked")) || lower.contains(QLatin1String("busy")))
        why = QStringLiteral("it is locked by another program; try again in a moment");
    else if (lower.contains(QLatin1String("readonly")) || lower.contains(QLatin1String("read-only")) ||
             lower.contains(QLatin1String("read only")))
        why = QStringLiteral("it is read-only");
    return QStringLiteral("history %1: %2: %3").arg(location_.display(), what, why);
}

std::unique_ptr<HistoryDb> HistoryDb::open(const HistoryLocation& location, QString* error) {
    const QString connection =
        QStringLiteral("corvane-history-%1").arg(connectionCount.fetchAndAddRelaxed(1));
    std::unique_ptr<HistoryDb> history(new HistoryDb(location, connection));
    const bool postgres = location.kind == HistoryLocation::Kind::Postgres;
    const QString driver = postgres ? QStringLiteral("QPSQL") : QStringLiteral("QSQLITE");
    if (!QSqlDatabase::isDriverAvailable(driver)) {
        if (error)
            *error =
                QStringLiteral("history %1: the Qt SQL driver %2 is not installed (Debian package %3)")
                    .arg(location.display(), driver,
                         postgres ? QStringLiteral("libqt6sql6-psql") : QStringLiteral("libqt6sql6-sqlite"));
        return nullptr;
    }
    QSqlDatabase d = QSqlDatabase::addDatabase(driver, connection);
    if (postgres) {
        const QUrl& url = location.url;
        const QUrlQuery query(url);
        const QString host = query.hasQueryItem(QStringLiteral("host"))
                                 ? query.queryItemValue(QStringLiteral("host"))
                                 : url.host();
        if (!host.isEmpty()) d.setHostName(host);
        const QString port = query.queryItemValue(QStringLiteral("port"));
        if (!port.isEmpty())
            d.setPort(port.toInt());
        else if (url.port() > 0)
            d.setPort(url.port());
        QString name = url.path(QUrl::FullyDecoded);
        if (name.startsWith(QLatin1Char('/'))) name = name.mid(1);
        if (query.hasQueryItem(QStringLiteral("dbname")))
            name = query.queryItemValue(QStringLiteral("dbname"));
        if (!name.isEmpty()) d.setDatabaseName(name);
        const QString user = query.hasQueryItem(QStringLiteral("user"))
                                 ? query.queryItemValue(QStringLiteral("user"))
                                 : url.userName();
        if (!user.isEmpty()) d.setUserName(user);
        d.setConnectOptions(postgresOptions(url));
    } else {
        const QFileInfo file(location.path);
        if (file.isDir()) {
            if (error)
                *error =
                    QStringLiteral("history %1: is a folder, not a database file").arg(location.display());
            return nullptr;
        }
        // Made on first use, folder and all.
        if (!file.exists() && !QDir().mkpath(file.absolutePath())) {
            if (error)
                *error = QStringLiteral("history %1: cannot make the folder %2")
                             .arg(location.display(), QDir::toNativeSeparators(file.absolutePath()));
            return nullptr;
        }
        d.setDatabaseName(location.path);
        QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000");
        if (file.exists() && !file.isWritable()) options += QStringLiteral(";QSQLITE_OPEN_READONLY");
        d.setConnectOptions(options);
    }
    if (!d.open()) {
        if (error)
            *error = history->failure(postgres ? QStringLiteral("cannot reach the database")
                                               : QStringLiteral("cannot open the file"),
                                      d.lastError().text());
        return nullptr;
    }
    if (!history->prepare(error)) return nullptr;
    return history;
}

std::optional<int> HistoryDb::storedVersion(QString* error) {
    QSqlQuery q(db());
    if (!db().tables().contains(QStringLiteral("corvane_schema"))) {
        // An empty file is a new history; tables of some other program are not ours to change.
        const QStringList others = db().tables();
        if (!others.isEmpty() && !postgres_) {
            if (error)
                *error =
                    failure(QStringLiteral("cannot use it"), QStringLiteral("it is not a Corvane history"));
            return std::nullopt;
        }
        return 0;
    }
    if (!q.exec(QStringLiteral("SELECT MAX(version) FROM corvane_schema")) || !q.next()) {
        if (error) *error = failure(QStringLiteral("cannot read its version"), q.lastError().text());
        return std::nullopt;
    }
    return q.value(0).toInt();
}

bool HistoryDb::prepare(QString* error) {
    QSqlQuery q(db());
    if (!postgres_) {
        // A kill in the middle of a recording leaves the last complete transaction; readers never
        // wait for a writer. A read-only file keeps the mode it has.
        q.exec(QStringLiteral("PRAGMA journal_mode=WAL"));
        q.exec(QStringLiteral("PRAGMA foreign_keys=ON"));
    }
    std::optional<int> version = storedVersion(error);
    if (!version) return false;
    if (*version > kSchemaVersion) {
        if (error)
            *error =
                failure(QStringLiteral("cannot use it"),
                        QStringLiteral("it was made by a newer Corvane (schema %1; this one knows up to %2)")
                            .arg(*version)
                            .arg(kSchemaVersion));
        return false;
    }
    if (*version == kSchemaVersion) return true;
    if (!begin(error)) return false;
    // Another program may have upgraded it between the look above and the lock.
    if (postgres_) q.exec(QStringLiteral("SELECT pg_advisory_xact_lock(7202607)"));
    version = storedVersion(error);
    if (!version) {
        rollback();
        return false;
    }
    if (*version < kSchemaVersion && !upgrade(*version, error)) {
        rollback();
        return false;
    }
    return commit(error);
}

// Each step brings the schema one version on; the caller holds the transaction.
bool HistoryDb::upgrade(int from, QString* error) {
    const QString real = postgres_ ? QStringLiteral("DOUBLE PRECISION") : QStringLiteral("REAL");
    const QString bytes = postgres_ ? QStringLiteral("BYTEA") : QStringLiteral("BLOB");
    std::vector<QString> steps;
    if (from < 1) {
        steps.push_back(QStringLiteral("CREATE TABLE corvane_schema (version INTEGER NOT NULL)"));
        // For a spacer coupling the first and second plane values are the angles at the fixed and at the
        // moveable coupling; for a short coupling the offset and the angle.
        steps.push_back(
            QStringLiteral("CREATE TABLE stage_record ("
                           "id TEXT PRIMARY KEY, machine TEXT NOT NULL, machine_key TEXT NOT NULL, "
                           "technician TEXT NOT NULL, recorded_at TEXT NOT NULL, stage TEXT NOT NULL, "
                           "method INTEGER NOT NULL, rotation INTEGER NOT NULL, "
                           "bracket_side INTEGER NOT NULL, growth_on INTEGER NOT NULL, "
                           "tolerance_on INTEGER NOT NULL, autoscale INTEGER NOT NULL, rpm %1 NOT NULL, "
                           "coupling TEXT NOT NULL, has_result INTEGER NOT NULL, grade TEXT NOT NULL, "
                           "verdict_line TEXT NOT NULL, vertical_first %1, vertical_second %1, "
                           "horizontal_first %1, horizontal_second %1, vertical_moves TEXT NOT NULL, "
                           "horizontal_moves TEXT NOT NULL, project %2 NOT NULL)")
                .arg(real, bytes));
        steps.push_back(QStringLiteral("INSERT INTO corvane_schema (version) VALUES (1)"));
    }
    if (from < 2) {
        // Version 2: the readings check beside the verdict, and the look-up of one machine's records.
        steps.push_back(
            QStringLiteral("ALTER TABLE stage_record ADD COLUMN readings_check TEXT NOT NULL DEFAULT ''"));
        steps.push_back(
            QStringLiteral("CREATE INDEX stage_record_machine ON stage_record (machine_key, recorded_at)"));
        steps.push_back(QStringLiteral("UPDATE corvane_schema SET version = 2"));
    }
    QSqlQuery q(db());
    for (const QString& step : steps) {
        if (!q.exec(step)) {
            if (error)
                *error = failure(QStringLiteral("cannot bring its schema up to date"), q.lastError().text());
            return false;
        }
    }
    return true;
}

bool HistoryDb::begin(QString* error) {
    QSqlQuery q(db());
    // SQLite: take the write lock at once, so that two writers queue instead of one failing later.
    if (q.exec(postgres_ ? QStringLiteral("BEGIN") : QStringLiteral("BEGIN IMMEDIATE"))) return true;
    if (error) *error = failure(QStringLiteral("cannot write to it"), q.lastError().text());
    return false;
}

bool HistoryDb::commit(QString* error) {
    QSqlQuery q(db());
    if (q.exec(QStringLiteral("COMMIT"))) return true;
    if (error) *error = failure(QStringLiteral("cannot write to it"), q.lastError().text());
    rollback();
    return false;
}

void HistoryDb::rollback() {
    QSqlQuery q(db());
    q.exec(QStringLiteral("ROLLBACK"));
}

bool HistoryDb::prepareInsert(QSqlQuery& q) {
    return q.prepare(
        QStringLiteral("INSERT INTO stage_record (%1, project) VALUES "
                       "(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?) "
                       "ON CONFLICT (id) DO NOTHING")
            .arg(kColumns));
}

bool HistoryDb::insert(QSqlQuery& q, const StageRecord& r, QString* error) {
    const QVariantList values = {
        r.id,
        textValue(r.machine),
        machineKey(r.machine),
        textValue(r.technician),
        timeText(r.recordedAt),
        QString::fromLatin1(stageKey(r.stage).data(), static_cast<qsizetype>(stageKey(r.stage).size())),
        r.view.method,
        r.view.rotation,
        r.view.bracketSide,
        r.view.growthOn ? 1 : 0,
        r.view.toleranceOn ? 1 : 0,
        r.view.autoScale ? 1 : 0,
        r.rpm,
        r.table == ToleranceTable::Spacer ? QStringLiteral("spacer") : QStringLiteral("short"),
        r.hasResult ? 1 : 0,
        textValue(r.grade),
        textValue(r.verdictLine),
        optionalValue(r.verticalFirst),
        optionalValue(r.verticalSecond),
        optionalValue(r.horizontalFirst),
        optionalValue(r.horizontalSecond),
        textValue(movesText(r.verticalMoves)),
        textValue(movesText(r.horizontalMoves)),
        textValue(r.readingsCheck),
        r.project,
    };
    for (int i = 0; i < static_cast<int>(values.size()); ++i) q.bindValue(i, values[i]);
    if (q.exec()) return true;
    if (error) *error = failure(QStringLiteral("cannot record the stage"), q.lastError().text());
    return false;
}

bool HistoryDb::add(const StageRecord& record, QString* error) {
    if (record.id.isEmpty() || record.machine.trimmed().isEmpty()) {
        if (error) *error = QStringLiteral("the job has no machine name: type one in the Machine box");
        return false;
    }
    if (!begin(error)) return false;
    QSqlQuery q(db());
    if (!prepareInsert(q) || !insert(q, record, error)) {
        if (error && error->isEmpty())
            *error = failure(QStringLiteral("cannot record the stage"), q.lastError().text());
        rollback();
        return false;
    }
    return commit(error);
}

bool HistoryDb::add(const std::vector<StageRecord>& records, QString* error) {
    if (!begin(error)) return false;
    QSqlQuery q(db());
    if (!prepareInsert(q)) {
        if (error) *error = failure(QStringLiteral("cannot record the stages"), q.lastError().text());
        rollback();
        return false;
    }
    for (const StageRecord& r : records) {
        if (!insert(q, r, error)) {
            rollback();
            return false;
        }
    }
    return commit(error);
}

std::optional<std::vector<MachineSummary>> HistoryDb::machines(QString* error) {
    QSqlQuery q(db());
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT machine_key, machine, recorded_at, stage, grade FROM stage_record "
                               "ORDER BY machine_key, recorded_at, id"))) {
        if (error) *error = failure(QStringLiteral("cannot list the machines"), q.lastError().text());
        return std::nullopt;
    }
    std::vector<MachineSummary> list;
    QString key;
    int found = 0, left = 0;
    while (q.next()) {
        const QString k = q.value(0).toString();
        if (list.empty() || k != key) {
            if (!list.empty()) list.back().jobs = std::max(found, left);
            list.emplace_back();
            key = k;
            found = left = 0;
        }
        MachineSummary& m = list.back();
        m.machine = q.value(1).toString();
        m.last = timeOf(q.value(2).toString());
        const QString stage = q.value(3).toString();
        if (stage == QLatin1String("as-found")) {
            m.lastFoundGrade = q.value(4).toString();
            ++found;
        } else if (stage == QLatin1String("as-left")) {
            m.lastLeftGrade = q.value(4).toString();
            ++left;
        }
    }
    if (!list.empty()) list.back().jobs = std::max(found, left);
    return list;
}

std::optional<std::vector<StageRecord>> HistoryDb::records(const QString& machine, QString* error) {
    QSqlQuery q(db());
    q.setForwardOnly(true);
    const bool all = machine.trimmed().isEmpty();
    q.prepare(QStringLiteral("SELECT %1 FROM stage_record %2 ORDER BY recorded_at, id")
                  .arg(kColumns, all ? QString() : QStringLiteral("WHERE machine_key = ?")));
    if (!all) q.addBindValue(machineKey(machine));
    if (!q.exec()) {
        if (error) *error = failure(QStringLiteral("cannot list the records"), q.lastError().text());
        return std::nullopt;
    }
    std::vector<StageRecord> list;
    while (q.next()) list.push_back(recordOf(q, false));
    return list;
}

std::optional<StageRecord> HistoryDb::find(const QString& id, QString* error) {
    QSqlQuery q(db());
    q.prepare(QStringLiteral("SELECT %1, project FROM stage_record WHERE id = ?").arg(kColumns));
    q.addBindValue(id.trimmed());
    if (!q.exec()) {
        if (error) *error = failure(QStringLiteral("cannot read the record"), q.lastError().text());
        return std::nullopt;
    }
    if (!q.next()) {
        if (error) *error = QStringLiteral("history %1: has no record %2").arg(location_.display(), id);
        return std::nullopt;
    }
    return recordOf(q, true);
}

std::optional<StageRecord> HistoryDb::latest(const QString& machine, JobStage stage, QString* error) {
    QSqlQuery q(db());
    q.prepare(QStringLiteral("SELECT %1, project FROM stage_record WHERE machine_key = ? AND stage = ? "
                             "ORDER BY recorded_at DESC, id DESC LIMIT 1")
                  .arg(kColumns));
    q.addBindValue(machineKey(machine));
    q.addBindValue(
        QString::fromLatin1(stageKey(stage).data(), static_cast<qsizetype>(stageKey(stage).size())));
    if (!q.exec()) {
        if (error) *error = failure(QStringLiteral("cannot read the records"), q.lastError().text());
        return std::nullopt;
    }
    if (!q.next()) {
        if (error)
            *error = QStringLiteral("history %1: has no %2 record of %3")
                         .arg(location_.display(),
                              QString::fromLatin1(stageKey(stage).data(),
                                                  static_cast<qsizetype>(stageKey(stage).size())),
                              machine.trimmed());
        return std::nullopt;
    }
    return recordOf(q, true);
}

bool HistoryDb::pushTo(HistoryDb& target, PushOutcome& outcome, QString* error,
                       const std::function<void(int, int)>& progress) {
    outcome = {};
    QSet<QString> there;
    {
        QSqlQuery q(target.db());
        q.setForwardOnly(true);
        if (!q.exec(QStringLiteral("SELECT id FROM stage_record"))) {
            if (error)
                *error = target.failure(QStringLiteral("cannot list its records"), q.lastError().text());
            return false;
        }
        while (q.next()) there.insert(q.value(0).toString());
    }
    std::vector<StageRecord> missing;
    {
        QSqlQuery q(db());
        q.setForwardOnly(true);
        if (!q.exec(QStringLiteral("SELECT %1, project FROM stage_record ORDER BY recorded_at, id")
                        .arg(kColumns))) {
            if (error) *error = failure(QStringLiteral("cannot read the records"), q.lastError().text());
            return false;
        }
        while (q.next()) {
            if (there.contains(q.value(0).toString()))
                ++outcome.alreadyThere;
            else
                missing.push_back(recordOf(q, true));
        }
    }
    constexpr std::size_t kBatch = 500;
    const int toSend = static_cast<int>(missing.size());
    for (std::size_t first = 0; first < missing.size(); first += kBatch) {
        if (!target.begin(error)) return false;
        QSqlQuery q(target.db());
        if (!target.prepareInsert(q)) {
            if (error)
                *error = target.failure(QStringLiteral("cannot receive records"), q.lastError().text());
            target.rollback();
            return false;
        }
        const std::size_t end = std::min(missing.size(), first + kBatch);
        for (std::size_t i = first; i < end; ++i) {
            if (!target.insert(q, missing[i], error)) {
                target.rollback();
                return false;
            }
        }
        if (!target.commit(error)) return false;
        outcome.sent = static_cast<int>(end);
        if (progress) progress(outcome.sent, toSend);
    }
    return true;
}

}  // namespace corvane
