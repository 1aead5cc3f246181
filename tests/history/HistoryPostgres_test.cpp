// The history on a PostgreSQL server of the tests' own (the postgres_server fixture): two programs
// recording at once both land, and a push sends only what the target lacks, so that it picks up after
// a kill. (A server that is not there is corvane-cli's history test.)

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QUrlQuery>
#include <QUuid>
#include <thread>

#include "history/HistoryDb.h"
#include "history/HistoryTestSupport.h"

namespace corvane {
namespace {

using historytest::stageOf;

QString serverUrl() {
    QFile state(qEnvironmentVariable("CORVANE_TEST_POSTGRES"));
    if (!state.open(QIODevice::ReadOnly))
        ADD_FAILURE() << "no test server: CORVANE_TEST_POSTGRES names no state file";
    return QString::fromUtf8(state.readLine()).trimmed();
}

// A database of its own for each test, on the fixture's server.
HistoryLocation freshDatabase() {
    const QString name = QStringLiteral("t_") + QUuid::createUuid().toString(QUuid::Id128);
    QUrl url(serverUrl());
    {
        QSqlDatabase d = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("admin"));
        const QUrlQuery q(url);
        d.setHostName(q.queryItemValue(QStringLiteral("host")));
        d.setPort(q.queryItemValue(QStringLiteral("port")).toInt());
        d.setUserName(q.queryItemValue(QStringLiteral("user")));
        d.setDatabaseName(QStringLiteral("postgres"));
        EXPECT_TRUE(d.open());
        QSqlQuery(d).exec(QStringLiteral("CREATE DATABASE ") + name);
    }
    QSqlDatabase::removeDatabase(QStringLiteral("admin"));
    url.setPath(QLatin1Char('/') + name);
    return {.kind = HistoryLocation::Kind::Postgres, .path = {}, .url = url};
}

std::size_t countOf(const HistoryLocation& l) {
    QString error;
    auto db = HistoryDb::open(l, &error);
    EXPECT_TRUE(db) << error.toStdString();
    return db ? db->records(QString(), &error)->size() : 0;
}

TEST(HistoryPostgres, AStageComesBackByteForByte) { historytest::expectAStageComesBack(freshDatabase()); }

TEST(HistoryPostgres, TwoProgramsRecordingAtOnceLoseNothing) {
    const HistoryLocation l = freshDatabase();
    ASSERT_EQ(countOf(l), 0u);  // made, schema and all, before the two start
    constexpr int kEach = 40;
    std::atomic<int> failures{0};
    auto writer = [&](const char* machine) {
        QString error;
        auto db = HistoryDb::open(l, &error);
        for (int i = 0; i < kEach; ++i)
            if (!db || !db->add(stageOf(machine, JobStage::AsFound, "2025-01-01T00:00:00Z"), &error))
                ++failures;
    };
    { std::jthread a(writer, "P-1"), b(writer, "P-2"); }
    EXPECT_EQ(failures, 0);
    EXPECT_EQ(countOf(l), 2u * kEach);
}

// corvane-cli killed in the middle of a push, then run again: everything once, and a push with
// nothing left to send sends nothing.
TEST(HistoryPostgres, APushKilledHalfWayIsFinishedByTheNext) {
    QTemporaryDir dir;
    const HistoryLocation laptop{.path = dir.filePath(QStringLiteral("laptop.sqlite")), .url = {}};
    const HistoryLocation plant = freshDatabase();
    QString error;
    {
        auto source = HistoryDb::open(laptop, &error);
        ASSERT_TRUE(source);
        for (int i = 0; i < 3000; ++i)
            ASSERT_TRUE(source->add(stageOf("K-1", JobStage::AsFound, "2025-03-01T00:00:00Z"), &error));
    }
    const QByteArray db = laptop.path.toUtf8(), to = plant.url.toString().toUtf8();
    const pid_t child = fork();
    if (child == 0) {
        execl(CORVANE_CLI, CORVANE_CLI, "history", "push", "--db", db.constData(), "--to", to.constData(),
              static_cast<char*>(nullptr));
        _exit(127);
    }
    ASSERT_GT(child, 0);
    // Killed once the first records have arrived (or when it is done already).
    for (int i = 0; i < 400 && countOf(plant) == 0; ++i) usleep(10000);
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    const std::size_t before = countOf(plant);
    EXPECT_EQ(before % 500, 0u) << "a push lands whole transactions";

    auto source = HistoryDb::open(laptop, &error);
    auto target = HistoryDb::open(plant, &error);
    ASSERT_TRUE(source && target);
    for (const std::size_t sent : {3000u - before, std::size_t{0}}) {
        PushOutcome outcome;
        ASSERT_TRUE(source->pushTo(*target, outcome, &error)) << error.toStdString();
        EXPECT_EQ(static_cast<std::size_t>(outcome.sent), sent);
        EXPECT_EQ(outcome.sent + outcome.alreadyThere, 3000);
        EXPECT_EQ(countOf(plant), 3000u);
    }
}

}  // namespace
}  // namespace corvane

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
