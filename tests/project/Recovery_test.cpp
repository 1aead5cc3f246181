#include "project/Recovery.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "ProcessTestSupport.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;
using RecoveryOnDisk = FolderTest;

ProjectRecord job() {
    ProjectRecord r;
    setDefaults(r);
    r.Machine = "Pumpe P-101";
    r.Comments = "zweite\r\nZeile";
    r.dial1(0, 1) = 33.5f;
    r.DateStamp = 45000.25;
    return r;
}

// Whatever a crash during the write or a stray file leaves, only a whole copy is offered (a record
// is at least 330 bytes); it gives back the path (a line break is a legal file name) and the record.
TEST(Recovery, OnlyAWholeCopyGivesBackThePathAndTheRecord) {
    const std::string path = "/home/tech/jobs/pump\n7 ü.qdl";
    const std::vector<unsigned char> whole = encodeRecovery(path, job());
    const auto copy = decodeRecovery(whole);
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->projectFile, path);
    EXPECT_EQ(copy->record, job());
    const auto head = whole.begin() + 51;  // "CORVANE RECOVERY 1\n29\n" and the path
    EXPECT_TRUE(decodeRecovery({whole.begin(), head + 330}));
    // Cut inside the record, inside the path, and a file of notes.
    const std::string notes = "just some notes";
    const std::vector<unsigned char> broken[] = {
        {}, {whole.begin(), head + 329}, {whole.begin(), head - 10}, {notes.begin(), notes.end()}};
    for (const auto& bytes : broken) EXPECT_FALSE(decodeRecovery(bytes)) << bytes.size();
}

TEST_F(RecoveryOnDisk, CopiesAreFoundNewestFirst) {
    ASSERT_TRUE(writeRecovery((folder_ / "a.recovery").string(), "/old.qdl", job()));
    ASSERT_TRUE(writeRecovery((folder_ / "b.recovery").string(), "/new.qdl", job()));
    fs::last_write_time(folder_ / "a.recovery", fs::file_time_type::clock::now() - std::chrono::hours(1));
    std::ofstream(folder_ / "c.recovery") << "half a copy";
    std::ofstream(folder_ / "d.qdl") << "not a copy";
    const auto copies = findRecoveryCopies(folder_.string());
    ASSERT_EQ(copies.size(), 2u);
    EXPECT_EQ(copies[0].projectFile, "/new.qdl");
    EXPECT_EQ(copies[1].projectFile, "/old.qdl");
    EXPECT_EQ(copies[1].copyFile, (folder_ / "a.recovery").string());
}

// A copy holds every text of a job: only its user may read it, even in a folder others can see into
// and over an older copy that others could read.
TEST_F(RecoveryOnDisk, ACopyIsPrivateAndTellsWhetherTheProjectWasSavedSince) {
    const fs::path project = folder_ / "job.qdl";
    std::ofstream(project) << "saved";
    std::ofstream(folder_ / "a.recovery") << "old";
    fs::permissions(folder_ / "a.recovery",
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::others_read);
    ASSERT_TRUE(writeRecovery((folder_ / "a.recovery").string(), project.string(), job()));
    EXPECT_EQ(fs::status(folder_ / "a.recovery").permissions(),
              fs::perms::owner_read | fs::perms::owner_write);

    for (const bool newer : {false, true}) {
        fs::last_write_time(
            project, fs::last_write_time(folder_ / "a.recovery") + std::chrono::seconds(newer ? 5 : -5));
        const auto copies = findRecoveryCopies(folder_.string());
        ASSERT_EQ(copies.size(), 1u);
        EXPECT_EQ(copies[0].projectNewer, newer);
    }
    EXPECT_EQ(
        restorePrompt("/j/job.qdl", "07-Dec-2026 01:15:00", true),
        "Corvane closed without saving /j/job.qdl. Restore the unsaved changes?\n\nThe changes were kept on "
        "07-Dec-2026 01:15:00.\nThe project file was saved after that: restoring puts this older work in "
        "place of what it holds now.");
}

}  // namespace
}  // namespace corvane
