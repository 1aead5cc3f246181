// The desktop program's command line, run as a file manager or a terminal runs it: answers that end
// the program before any window opens.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

namespace {

namespace fs = std::filesystem;

struct AppRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

std::string readText(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class App : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() / ("corvane-app-" + std::to_string(std::random_device{}()));
        fs::create_directories(folder_ / "runtime");
        fs::permissions(folder_ / "runtime", fs::perms::owner_all);
    }
    void TearDown() override { fs::remove_all(folder_); }

    // Runs corvane with `environment` (env's options and assignments) and arguments quoted for the shell. A
    // program that opened its window instead of answering is stopped after ten seconds.
    AppRun run(const std::string& environment, const std::string& arguments) const {
        const fs::path out = folder_ / "stdout", err = folder_ / "stderr";
        const std::string command =
            "env " + environment + " XDG_RUNTIME_DIR='" + (folder_ / "runtime").string() +
            "' XDG_CONFIG_HOME='" + (folder_ / "config").string() + "' XDG_DATA_HOME='" +
            (folder_ / "data").string() + "' timeout 10 '" + CORVANE_APP + "' " + arguments + " >'" +
            out.string() + "' 2>'" + err.string() + "' </dev/null";
        const int status = std::system(command.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, readText(out), readText(err)};
    }

    fs::path folder_;
};

constexpr const char* kOffscreen = "QT_QPA_PLATFORM=offscreen";
// A terminal on a machine without a display: opening a window there fails.
constexpr const char* kNoDisplay = "-u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb";

TEST_F(App, VersionAndHelpAnswerEvenWithoutADisplay) {
    for (const char* environment : {kOffscreen, kNoDisplay}) {
        SCOPED_TRACE(environment);
        const AppRun version = run(environment, "--version");
        EXPECT_EQ(version.exitCode, 0);
        EXPECT_EQ(version.out, "corvane 1.5.6\n");
        EXPECT_EQ(version.err, "");

        const AppRun help = run(environment, "--help");
        EXPECT_EQ(help.exitCode, 0);
        EXPECT_NE(help.out.find("Usage: "), std::string::npos) << help.out;
        EXPECT_NE(help.out.find("[options] [FILE.qdl]"), std::string::npos) << help.out;
        EXPECT_NE(help.out.find("--version"), std::string::npos) << help.out;
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
        {"an option that takes no value", "--no-about=yes",
         "corvane: Unexpected value after '--no-about'.\nTry 'corvane --help' for more information.\n"},
        {"two projects", "a.qdl b.qdl",
         "corvane: One project at a time: 2 files were given.\nTry 'corvane --help' for more information.\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const AppRun r = run(kOffscreen, c.arguments);
        EXPECT_EQ(r.exitCode, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, c.err);
    }
}

}  // namespace
