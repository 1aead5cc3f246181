#include "project/SafeWrite.h"

#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>

#include "ProcessTestSupport.h"

// Every sync of this test program passes through here, so that a test can make it fail the way a
// disk that loses the data would.
namespace {
bool failSyncs = false;
}  // namespace

extern "C" int fsync(int fd) {
    if (failSyncs) {
        errno = EIO;
        return -1;
    }
    return static_cast<int>(::syscall(SYS_fsync, fd));
}

namespace corvane {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

std::vector<unsigned char> bytesOf(const std::string& text) { return {text.begin(), text.end()}; }

class SafeWriteTest : public FolderTest {
protected:
    fs::path file(const std::string& name) const { return folder_ / name; }
    void put(const std::string& name, const std::string& text) const {
        std::ofstream(file(name), std::ios::binary) << text;
    }
    // Nothing but the named files: no temporary file was left behind.
    std::vector<std::string> names() const {
        std::vector<std::string> out;
        for (const auto& entry : fs::directory_iterator(folder_)) out.push_back(entry.path().filename());
        std::sort(out.begin(), out.end());
        return out;
    }
};

TEST_F(SafeWriteTest, ReplacesTheContentKeepingALongerOldTailOnlyWhenAsked) {
    const struct {
        const char* name;
        const char* old;  // nullptr: no file yet
        const char* written;
        OldTail tail;
        std::string expected;
    } cases[] = {
        {"new file", nullptr, "head", OldTail::Keep, "head"},
        {"longer old file keeps its length, zeroed", "0123456789", "abc", OldTail::Keep,
         "abc\0\0\0\0\0\0\0"s},
        {"longer old file cut when discarded", "0123456789", "abc", OldTail::Discard, "abc"},
        {"shorter old file", "01", "abcdef", OldTail::Keep, "abcdef"},
        {"empty content", "0123", "", OldTail::Keep, "\0\0\0\0"s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove(file("f.qdl"));
        if (c.old) put("f.qdl", c.old);
        std::string error;
        ASSERT_TRUE(writeFileSafely(file("f.qdl"), bytesOf(c.written), c.tail, &error)) << error;
        EXPECT_EQ(readText(file("f.qdl")), c.expected);
        EXPECT_EQ(names(), std::vector<std::string>{"f.qdl"});
    }
}

// A disk that fills up, or loses the data before the rename (a failed sync), leaves the old file as
// it was and no temporary file.
TEST_F(SafeWriteTest, AFailedWriteLeavesTheOldFileExactlyAsItWasAndNoTemporaryFile) {
    const std::string old = "the old job";
    put("job.qdl", old);
    const struct {
        rlim_t fileSizeLimit;
        bool syncFails;
        const char* error;
    } cases[] = {{100, false, "File too large"}, {RLIM_INFINITY, true, "Input/output error"}};
    std::signal(SIGXFSZ, SIG_IGN);  // as the program does: a write past the size limit just fails
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    for (const auto& c : cases) {
        // Every write past the limit fails with EFBIG, as a full disk would refuse it.
        rlimit limit = saved;
        limit.rlim_cur = c.fileSizeLimit;
        setrlimit(RLIMIT_FSIZE, &limit);
        failSyncs = c.syncFails;
        std::string error;
        const bool written =
            writeFileSafely(file("job.qdl"), bytesOf(std::string(500, 'n')), OldTail::Keep, &error);
        failSyncs = false;
        setrlimit(RLIMIT_FSIZE, &saved);
        EXPECT_FALSE(written) << c.error;
        EXPECT_EQ(error, c.error);
        EXPECT_EQ(readText(file("job.qdl")), old) << c.error;
        EXPECT_EQ(names(), std::vector<std::string>{"job.qdl"}) << c.error;
    }
}

// Through a link the target is written, with its permissions, and the link stays a link.
TEST_F(SafeWriteTest, WritesThroughASymbolicLinkKeepingItAndThePermissions) {
    fs::create_directories(folder_ / "real");
    put("real/target.qdl", "old content");
    const auto shared = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(file("real/target.qdl"), shared);
    fs::create_symlink("real/target.qdl", file("link.qdl"));
    ASSERT_TRUE(writeFileSafely(file("link.qdl"), bytesOf("NEW"), OldTail::Keep));
    EXPECT_TRUE(fs::is_symlink(file("link.qdl")));
    EXPECT_EQ(readText(folder_ / "real/target.qdl"), "NEW\0\0\0\0\0\0\0\0"s);
    EXPECT_EQ(fs::status(file("real/target.qdl")).permissions(), shared);
}

TEST_F(SafeWriteTest, RefusesWhatItCannotReplaceWholly) {
    std::string error;
    EXPECT_FALSE(writeFileSafely(file("missing/f.qdl"), bytesOf("x"), OldTail::Keep, &error));
    EXPECT_EQ(error, "No such file or directory");
    fs::create_directories(file("folder.qdl"));
    EXPECT_FALSE(writeFileSafely(file("folder.qdl"), bytesOf("x"), OldTail::Keep, &error));
    EXPECT_EQ(error, "Is a directory");
    if (geteuid() == 0) GTEST_SKIP() << "the superuser may write any file";
    put("locked.qdl", "old");
    fs::permissions(file("locked.qdl"), fs::perms::owner_read);
    EXPECT_FALSE(writeFileSafely(file("locked.qdl"), bytesOf("x"), OldTail::Keep, &error));
    EXPECT_EQ(readText(file("locked.qdl")), "old");
}

// Whether the unprivileged user "nobody" (with `groups` as its extra groups) can save `target`, tried
// in a child process: 1 yes, 0 no, 99 when the child could not become nobody. The tests run as root,
// where no permission is ever refused.
int nobodySaves(const fs::path& target, const std::vector<gid_t>& groups) {
    const pid_t child = ::fork();
    if (child == 0) {
        constexpr uid_t kNobody = 65534;
        if (::setgroups(groups.size(), groups.data()) != 0 || ::setgid(kNobody) != 0 ||
            ::setuid(kNobody) != 0)
            ::_exit(99);
        ::_exit(writeFileSafely(target, bytesOf("new"), OldTail::Keep) ? 1 : 0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return exitCodeOf(status);
}

TEST_F(SafeWriteTest, AnUnprivilegedUserCannotReplaceAReadOnlyFileNorLeaveTheGroup) {
    if (geteuid() != 0) GTEST_SKIP() << "needs root to act as another user";
    fs::permissions(folder_, fs::perms::all);
    put("locked.qdl", "old");
    ASSERT_EQ(::chown(file("locked.qdl").c_str(), 65534, 65534), 0);
    fs::permissions(file("locked.qdl"), fs::perms::owner_read | fs::perms::group_read);
    EXPECT_EQ(nobodySaves(file("locked.qdl"), {}), 0);
    EXPECT_EQ(readText(file("locked.qdl")), "old");

    // A file shared by a group (0664, root's, group 2000) saved by a member of the group stays in it.
    constexpr gid_t kTeam = 2000;
    put("shared.qdl", "old");
    ASSERT_EQ(::chown(file("shared.qdl").c_str(), 0, kTeam), 0);
    ASSERT_EQ(::chmod(file("shared.qdl").c_str(), 0664), 0);
    EXPECT_EQ(nobodySaves(file("shared.qdl"), {kTeam}), 1);
    struct stat info {};
    ASSERT_EQ(::stat(file("shared.qdl").c_str(), &info), 0);
    EXPECT_EQ(readText(file("shared.qdl")), "new");
    EXPECT_EQ(info.st_gid, kTeam);
    EXPECT_EQ(info.st_mode & 07777, 0664u);
}

TEST_F(SafeWriteTest, ALinkIsFollowedOnlyWhereTheSystemWouldFollowIt) {
    put("victim.qdl", "someone's job");
    // A shared sticky folder, as /tmp is.
    fs::create_directories(folder_ / "shared");
    fs::permissions(folder_ / "shared", fs::perms::all | fs::perms::sticky_bit);
    fs::create_symlink(file("victim.qdl"), folder_ / "shared/report.pdf");
    std::string error;
    if (geteuid() == 0) {
        // Planted by another user: not followed.
        ASSERT_EQ(::lchown((folder_ / "shared/report.pdf").c_str(), 65534, 65534), 0);
        EXPECT_FALSE(
            writeFileSafely(folder_ / "shared/report.pdf", bytesOf("PDF"), OldTail::Discard, &error));
        EXPECT_EQ(error, "will not follow the link " + (folder_ / "shared/report.pdf").string() +
                             ": another user made it in the shared folder " + (folder_ / "shared").string());
        EXPECT_EQ(readText(file("victim.qdl")), "someone's job");
    }
    // An export never turns a project into something else, whatever name the link has.
    fs::create_symlink(file("victim.qdl"), file("report.pdf"));
    EXPECT_FALSE(
        writeFileSafely(file("report.pdf"), bytesOf("PDF"), OldTail::Discard, &error, WriteKind::NoProject));
    EXPECT_EQ(error, "will not write over the project file " + file("victim.qdl").string());
    EXPECT_EQ(readText(file("victim.qdl")), "someone's job");
    EXPECT_TRUE(fs::is_symlink(file("report.pdf")));
}

TEST_F(SafeWriteTest, DevicesAndPipesAreWrittenDirectlyNeverReplaced) {
    ASSERT_EQ(::mkfifo(file("out.pdf").c_str(), 0600), 0);
    std::string error;
    // Nobody reads the pipe: refused at once instead of waiting forever.
    EXPECT_FALSE(writeFileSafely(file("out.pdf"), bytesOf("PDF"), OldTail::Discard, &error));
    EXPECT_EQ(error, "nothing is reading from the pipe " + file("out.pdf").string());
    EXPECT_TRUE(fs::is_fifo(file("out.pdf")));

    const int reader = ::open(file("out.pdf").c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    EXPECT_TRUE(writeFileSafely(file("out.pdf"), bytesOf("PDF"), OldTail::Discard, &error)) << error;
    char got[8] = {};
    EXPECT_EQ(::read(reader, got, sizeof got), 3);
    EXPECT_EQ(std::string(got), "PDF");
    ::close(reader);
    EXPECT_TRUE(fs::is_fifo(file("out.pdf")));

    if (geteuid() == 0) {
        // A null device of our own: written to, and still a device afterwards.
        ASSERT_EQ(::mknod(file("null").c_str(), S_IFCHR | 0666, makedev(1, 3)), 0);
        EXPECT_TRUE(writeFileSafely(file("null"), bytesOf("PDF"), OldTail::Discard, &error)) << error;
        EXPECT_TRUE(fs::is_character_file(file("null")));
    }
}

TEST_F(SafeWriteTest, TemporaryFilesLeftByAKilledSaveGoWithTheNextSave) {
    put("job.qdl", "old");
    put(".job.qdl.Ab12Cd", "half a job");  // a save killed a while ago
    put(".job.qdl.Xy34Zw", "new");         // a save that may still be running
    put(".other.qdl.Ab12Cd", "another file's");
    const auto anHourAgo = fs::file_time_type::clock::now() - std::chrono::hours(1);
    fs::last_write_time(file(".job.qdl.Ab12Cd"), anHourAgo);
    fs::last_write_time(file(".other.qdl.Ab12Cd"), anHourAgo);
    ASSERT_TRUE(writeFileSafely(file("job.qdl"), bytesOf("new"), OldTail::Keep));
    EXPECT_EQ(names(), (std::vector<std::string>{".job.qdl.Xy34Zw", ".other.qdl.Ab12Cd", "job.qdl"}));
}

}  // namespace
}  // namespace corvane
