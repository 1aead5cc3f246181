// The machine history: recording a stage, listing a big history and one machine's records, and a
// push of a laptop's records to a plant's PostgreSQL server. Run with --benchmark_repetitions=N for
// medians. The push needs a server: CORVANE_BENCH_POSTGRES names its URL (an empty database).

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QTemporaryDir>

#include "history/HistoryDb.h"
#include "project/ProjectFile.h"

namespace {

using namespace corvane;

QByteArray jobBytes(int machine) {
    ProjectRecord r;
    setDefaults(r);
    r.Machine = "Pump P-" + std::to_string(machine);
    r.Technician = "Ann";
    r.RPM = 1800;
    const std::vector<unsigned char> bytes = encodeProject(r);
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
}

// 10,000 records of 500 machines, a stage every few days.
std::vector<StageRecord> bigHistory() {
    std::vector<StageRecord> records;
    const QDateTime start = QDateTime::fromString(QStringLiteral("2015-01-01T00:00:00Z"), Qt::ISODate);
    for (int i = 0; i < 10000; ++i) {
        const JobStage stage = i % 2 == 0 ? JobStage::AsFound : JobStage::AsLeft;
        records.push_back(makeStageRecord(jobBytes(i % 500), stage, start.addSecs(3600LL * i)));
    }
    return records;
}

HistoryLocation fileIn(const QTemporaryDir& dir) {
    HistoryLocation l;
    l.path = dir.filePath(QStringLiteral("history.sqlite"));
    return l;
}

void recordStageSqlite(benchmark::State& state) {
    QTemporaryDir dir;
    QString error;
    auto db = HistoryDb::open(fileIn(dir), &error);
    const QByteArray bytes = jobBytes(7);
    for (auto _ : state) {
        // What File > Record does once the history is open: summarise, then write one transaction.
        const StageRecord r = makeStageRecord(bytes, JobStage::AsFound, QDateTime::currentDateTimeUtc());
        if (!db->add(r, &error)) state.SkipWithError(error.toUtf8().constData());
    }
}
BENCHMARK(recordStageSqlite)->Unit(benchmark::kMillisecond);

struct BigSqlite {
    QTemporaryDir dir;
    std::unique_ptr<HistoryDb> db;
    BigSqlite() {
        QString error;
        db = HistoryDb::open(fileIn(dir), &error);
        db->add(bigHistory(), &error);
    }
};

BigSqlite& big() {
    static BigSqlite history;
    return history;
}

// The Machine History window's first list: 500 machines summed up from 10,000 records.
void listFiveHundredMachines(benchmark::State& state) {
    QString error;
    for (auto _ : state) {
        const auto machines = big().db->machines(&error);
        if (!machines || machines->size() != 500) state.SkipWithError("the big history is not as made");
    }
}
BENCHMARK(listFiveHundredMachines)->Unit(benchmark::kMillisecond);

// corvane-cli history list: every one of the 10,000 records.
void listTenThousandRecords(benchmark::State& state) {
    QString error;
    for (auto _ : state) {
        const auto records = big().db->records(QString(), &error);
        if (!records || records->size() != 10000) state.SkipWithError("the big history is not as made");
    }
}
BENCHMARK(listTenThousandRecords)->Unit(benchmark::kMillisecond);

void oneMachinesTrend(benchmark::State& state) {
    QString error;
    for (auto _ : state) {
        const auto records = big().db->records(QStringLiteral("pump p-123"), &error);
        if (!records || records->size() != 20) state.SkipWithError("the machine has not its 20 records");
    }
}
BENCHMARK(oneMachinesTrend)->Unit(benchmark::kMillisecond);

void pushTenThousandToPostgres(benchmark::State& state) {
    const QString url = qEnvironmentVariable("CORVANE_BENCH_POSTGRES");
    if (url.isEmpty()) {
        state.SkipWithError("CORVANE_BENCH_POSTGRES names no server");
        return;
    }
    QString error;
    const auto target = parseHistoryLocation(url, &error);
    for (auto _ : state) {
        state.PauseTiming();
        // A fresh laptop each time: its records are new to the server.
        BigSqlite laptop;
        auto plant = HistoryDb::open(*target, &error);
        state.ResumeTiming();
        PushOutcome outcome;
        if (!plant || !laptop.db->pushTo(*plant, outcome, &error) || outcome.sent != 10000)
            state.SkipWithError(error.toUtf8().constData());
    }
}
BENCHMARK(pushTenThousandToPostgres)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
