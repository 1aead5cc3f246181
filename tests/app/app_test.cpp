// The desktop program's command line, run as a file manager or a terminal runs it: answers that end
// the program before any window opens.

#include <string>

#include "../ProcessTestSupport.h"

namespace {

using corvane::ProgramRun;

class App : public corvane::FolderTest {
protected:
    void SetUp() override {
        FolderTest::SetUp();
        std::filesystem::create_directories(folder_ / "runtime");
        std::filesystem::permissions(folder_ / "runtime", std::filesystem::perms::owner_all);
    }

    // Runs corvane with `environment` (env's options and assignments) and arguments quoted for the shell. A
    // program that opened its window instead of answering is stopped after ten seconds.
    ProgramRun run(const std::string& environment, const std::string& arguments) const {
        return runCommand("env " + environment + " XDG_RUNTIME_DIR=" + quoted("runtime") +
                          " XDG_CONFIG_HOME=" + quoted("config") + " XDG_DATA_HOME=" + quoted("data") +
                          " timeout 10 '" + CORVANE_APP + "' " + arguments);
    }
};

constexpr const char* kOffscreen = "QT_QPA_PLATFORM=offscreen";
// A terminal on a machine without a display: opening a window there fails.
constexpr const char* kNoDisplay = "-u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb";

TEST_F(App, VersionAndHelpAnswerEvenWithoutADisplay) {
    for (const char* environment : {kOffscreen, kNoDisplay}) {
        SCOPED_TRACE(environment);
        const ProgramRun version = run(environment, "--version");
        EXPECT_EQ(version.exitCode, 0);
        EXPECT_EQ(version.out, "corvane 1.5.6\n");
        EXPECT_EQ(version.err, "");

        const ProgramRun help = run(environment, "--help");
        EXPECT_EQ(help.exitCode, 0);
        EXPECT_NE(help.out.find("[options] [FILE.qdl]"), std::string::npos) << help.out;
        EXPECT_EQ(help.out.find("no-about"), std::string::npos) << "an option for test tools only";
        EXPECT_EQ(help.err, "");
    }
}

TEST_F(App, ACommandLineItCannotFollowIsRefusedWithExitTwo) {
    const struct {
        const char* name;
        std::string arguments;
        std::string err;
    } cases[] = {
        {"an unknown option", "--bogus job.qdl",
         "corvane: Unknown option 'bogus'.\nTry 'corvane --help' for more information.\n"},
        {"two projects", "a.qdl b.qdl",
         "corvane: One project at a time: 2 files were given.\nTry 'corvane --help' for more information.\n"},
    };
    for (const auto& c : cases) {
        for (const char* environment : {kOffscreen, kNoDisplay}) {
            SCOPED_TRACE(std::string(c.name) + ", " + environment);
            const ProgramRun r = run(environment, c.arguments);
            EXPECT_EQ(r.exitCode, 2);
            EXPECT_EQ(r.out, "");
            EXPECT_EQ(r.err, c.err);
        }
    }
}

// Under a file size limit every write at start fails: the program must report it and go on (here it
// waits at the message until it is stopped), not be ended by the system's signal.
TEST_F(App, AFileSizeLimitDoesNotEndTheProgram) {
    constexpr int kStoppedByTimeout = 124;
    const ProgramRun r = runCommand(
        "bash -c \"ulimit -f 0; exec env QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=" + quoted("runtime") +
        " XDG_CONFIG_HOME=" + quoted("config") + " XDG_DATA_HOME=" + quoted("data") + " timeout 3 '" +
        CORVANE_APP + "' --no-about\"");
    EXPECT_EQ(r.exitCode, kStoppedByTimeout) << r.err;
}

}  // namespace
