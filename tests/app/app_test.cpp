// The desktop program's command line, run as a file manager or a terminal runs it: answers that end
// the program before any window opens.

#include "../ProcessTestSupport.h"

namespace {

using corvane::ProgramRun;

class App : public corvane::FolderTest {
protected:
    // Runs corvane after `shell` with `environment` (env's options and assignments) and quoted arguments; a
    // program that opened its window instead of answering is stopped after `seconds`.
    ProgramRun run(const std::string& environment, const std::string& arguments,
                   const std::string& shell = "", int seconds = 10) const {
        return runCommand("mkdir -p -m 700 " + quoted("runtime") + "; " + shell + "env " + environment +
                          " XDG_RUNTIME_DIR=" + quoted("runtime") + " XDG_CONFIG_HOME=" + quoted("config") +
                          " XDG_DATA_HOME=" + quoted("data") + " timeout " + std::to_string(seconds) + " '" +
                          CORVANE_APP + "' " + arguments);
    }
};

constexpr const char* kOffscreen = "QT_QPA_PLATFORM=offscreen";
// A terminal on a machine without a display: opening a window there fails.
constexpr const char* kNoDisplay = "-u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb";

TEST_F(App, AnswersAndRefusalsNeedNoDisplay) {
    const std::string tryHelp = "Try 'corvane --help' for more information.\n";
    const struct {
        std::string arguments;
        ProgramRun expected;
    } cases[] = {
        {"--version", {0, "corvane 1.5.6\n", ""}},
        {"--bogus job.qdl", {2, "", "corvane: Unknown option 'bogus'.\n" + tryHelp}},
        {"a.qdl b.qdl", {2, "", "corvane: One project at a time: 2 files were given.\n" + tryHelp}},
    };
    for (const char* environment : {kOffscreen, kNoDisplay}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(c.arguments + ", " + environment);
            EXPECT_EQ(run(environment, c.arguments), c.expected);
        }
        const ProgramRun help = run(environment, "--help");
        EXPECT_EQ(help.exitCode, 0);
        EXPECT_EQ(help.err, "");
        EXPECT_TRUE(holds(help.out, {"[options] [FILE.qdl]"}));
        EXPECT_EQ(help.out.find("no-about"), std::string::npos) << "an option for test tools only";
    }
}

// Under a file size limit every write at start fails: the program must report it and go on (here it
// waits at the message until it is stopped), not be ended by the system's signal.
TEST_F(App, AFileSizeLimitDoesNotEndTheProgram) {
    const ProgramRun r = run(kOffscreen, "--no-about", "ulimit -f 0; exec ", 3);
    EXPECT_EQ(r.exitCode, 124) << "not stopped by the timeout: " << r.err;
}

}  // namespace
