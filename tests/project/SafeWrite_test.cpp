#include "project/SafeWrite.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <random>

namespace corvane {
namespace {

namespace fs = std::filesystem;

std::vector<unsigned char> bytesOf(const std::string& text) { return {text.begin(), text.end()}; }

std::string contentOf(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Every write past `bytes` into any file fails with EFBIG, as a disk that is full would refuse it,
// while the limit is in force. The signal the system sends for it is ignored, as the program would.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previous_);
    }

private:
    rlimit saved_{};
    void (*previous_)(int) = nullptr;
};

class SafeWriteTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() / ("corvane-safe-" + std::to_string(std::random_device{}()));
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

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

    fs::path folder_;
};

TEST_F(SafeWriteTest, ReplacesTheContentKeepingALongerOldTailOnlyWhenAsked) {
    struct Case {
        const char* name;
        const char* old;  // nullptr: no file yet
        const char* written;
        OldTail tail;
        const char* expected;
    };
    const Case cases[] = {
        {"new file", nullptr, "head", OldTail::Keep, "head"},
        {"longer old file keeps its tail", "0123456789", "abc", OldTail::Keep, "abc3456789"},
        {"longer old file cut when discarded", "0123456789", "abc", OldTail::Discard, "abc"},
        {"shorter old file", "01", "abcdef", OldTail::Keep, "abcdef"},
        {"empty content", "0123", "", OldTail::Keep, "0123"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove(file("f.qdl"));
        if (c.old) put("f.qdl", c.old);
        std::string error;
        ASSERT_TRUE(writeFileSafely(file("f.qdl"), bytesOf(c.written), c.tail, &error)) << error;
        EXPECT_EQ(contentOf(file("f.qdl")), c.expected);
        EXPECT_EQ(names(), std::vector<std::string>{"f.qdl"});
    }
}

TEST_F(SafeWriteTest, AFailedWriteLeavesTheOldFileExactlyAsItWasAndNoTemporaryFile) {
    const std::string old(4000, 'o');
    put("job.qdl", old);
    std::string error;
    bool written = true;
    {
        const FileSizeLimit full(100);
        written = writeFileSafely(file("job.qdl"), bytesOf(std::string(500, 'n')), OldTail::Keep, &error);
    }
    EXPECT_FALSE(written);
    EXPECT_EQ(error, "File too large");
    EXPECT_EQ(contentOf(file("job.qdl")), old);
    EXPECT_EQ(names(), std::vector<std::string>{"job.qdl"});
}

TEST_F(SafeWriteTest, KeepsThePermissionsOfTheOldFile) {
    put("shared.qdl", "old");
    fs::permissions(file("shared.qdl"),
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_TRUE(writeFileSafely(file("shared.qdl"), bytesOf("new"), OldTail::Keep));
    EXPECT_EQ(fs::status(file("shared.qdl")).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(SafeWriteTest, WritesThroughASymbolicLinkWhichStaysALink) {
    fs::create_directories(folder_ / "real");
    put("real/target.qdl", "old content");
    fs::create_symlink("real/target.qdl", file("link.qdl"));
    ASSERT_TRUE(writeFileSafely(file("link.qdl"), bytesOf("NEW"), OldTail::Keep));
    EXPECT_TRUE(fs::is_symlink(file("link.qdl")));
    EXPECT_EQ(contentOf(folder_ / "real/target.qdl"), "NEW content");
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
    EXPECT_EQ(contentOf(file("locked.qdl")), "old");
}

}  // namespace
}  // namespace corvane
