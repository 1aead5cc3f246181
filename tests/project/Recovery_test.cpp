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

// A copy holds every text of a job: only its user may read it, even over an older copy that others
// could read. Copies are found newest first, each telling whether its project was saved since.
TEST_F(RecoveryOnDisk, CopiesArePrivateAndFoundNewestFirst) {
    const fs::path project = folder_ / "job.qdl", older = folder_ / "a.recovery";
    std::ofstream(project) << "saved";
    std::ofstream(older) << "old";
    fs::permissions(older, fs::perms::owner_read | fs::perms::owner_write | fs::perms::others_read);
    ASSERT_TRUE(writeRecovery(older.string(), project.string(), job()));
    EXPECT_EQ(fs::status(older).permissions(), fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_TRUE(writeRecovery((folder_ / "b.recovery").string(), "/new.qdl", job()));
    std::ofstream(folder_ / "c.recovery") << "half a copy";
    fs::last_write_time(older, fs::file_time_type::clock::now() - std::chrono::hours(1));
    for (const bool newer : {false, true}) {
        fs::last_write_time(project, fs::last_write_time(older) + std::chrono::seconds(newer ? 5 : -5));
        const auto copies = findRecoveryCopies(folder_.string());
        ASSERT_EQ(copies.size(), 2u);
        EXPECT_EQ(copies[0].projectFile, "/new.qdl");
        EXPECT_EQ(copies[1].projectFile, project.string());
        EXPECT_EQ(copies[1].copyFile, older.string());
        EXPECT_EQ(copies[1].projectNewer, newer);
    }
    EXPECT_EQ(
        restorePrompt("/j/job.qdl", "07-Dec-2026 01:15:00", true),
        "Corvane closed without saving /j/job.qdl. Restore the unsaved changes?\n\nThe changes were kept on "
        "07-Dec-2026 01:15:00.\nThe project file was saved after that: restoring puts this older work in "
        "place of what it holds now.");
}

}  // namespace
}  // namespace corvane
