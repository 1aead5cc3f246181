#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "project/ProjectFile.h"
#include "project/ProjectRecord.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;

struct CliRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

std::string slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class CliCalc : public testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "corvane-calc-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
        project_ = dir_ / "job.qdl";
        ASSERT_EQ(run("new '" + project_.string() + "'").exitCode, 0) << "corvane-cli new failed";
    }
    void TearDown() override { fs::remove_all(dir_); }

    CliRun run(const std::string& arguments) const {
        const fs::path out = dir_ / "stdout", err = dir_ / "stderr";
        const std::string command = std::string("'") + CORVANE_CLI + "' " + arguments + " >'" + out.string() +
                                    "' 2>'" + err.string() + "'";
        const int status = std::system(command.c_str());
        CliRun r;
        r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        r.out = slurp(out);
        r.err = slurp(err);
        return r;
    }
    CliRun calc(const std::string& options) const {
        return run("calc '" + project_.string() + "' " + options);
    }

    void change(const std::function<void(ProjectRecord&)>& edit) const {
        ProjectRecord record;
        ASSERT_TRUE(readProject(project_.string(), record));
        edit(record);
        ASSERT_TRUE(writeProject(project_.string(), record));
    }

    fs::path dir_;
    fs::path project_;
};

TEST_F(CliCalc, PrintsBothLabelsOfTheDefaultReverseDial) {
    const CliRun r = calc("");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out,
              "Machine Foot 3: move  25.00 mils  DOWN\n"
              "Machine Foot 4: move  25.00 mils  DOWN\n"
              "\n"
              "Machine Foot 3: move  5.000 mils  LEFT \n"
              "Machine Foot 4: move  5.000 mils  LEFT \n");
    EXPECT_EQ(r.err, "");
}

TEST_F(CliCalc, OptionsReachTheCalculation) {
    struct Case {
        const char* options;
        const char* firstLine;
    };
    for (const Case& c :
         {Case{"--rotation half", "Machine Foot 3: move  10.00 mils  DOWN\n"},
          Case{"--method rim-face", "NEAR Foot: move  9.000 mils  DOWN\n"},
          Case{"--method rim-face --bracket moveable", "NEAR Foot: move  1.000 mils  UP  \n"},
          Case{"--method jack-shaft --bracket moveable", "InBoard Foot:   move  28.00 mils  UP  \n"}}) {
        SCOPED_TRACE(c.options);
        const CliRun r = calc(c.options);
        EXPECT_EQ(r.exitCode, 0);
        EXPECT_EQ(r.out.substr(0, r.out.find('\n') + 1), c.firstLine);
    }
}

TEST_F(CliCalc, JsonCarriesTextsMovesAndGraphsInOrder) {
    change([](ProjectRecord& p) {
        p.growth(0, 0) = 0.5f;
        p.growth(0, 1) = 0.1f;
    });
    const CliRun r = calc("--json --growth --autoscale --tolerance");
    EXPECT_EQ(r.exitCode, 0);
    // Growth 0.5 and 0.1 under the stationary feet tilts the reference: feet 3 and 4 need 0.3 and 0.7
    // mils more shims out.
    EXPECT_EQ(
        r.out,
        "{\"vertical_text\": \"Machine Foot 3: move  25.30 mils  DOWN\\r\\nMachine Foot 4: move  "
        "25.70 mils  DOWN\", "
        "\"horizontal_text\": \"Machine Foot 3: move  5.000 mils  LEFT \\r\\nMachine Foot 4: move  5.000 "
        "mils  LEFT \", "
        "\"vertical_moves\": [0, 0, -25.3, -25.7], \"horizontal_moves\": [0, 0, -5, -5], "
        "\"aborted\": false, \"abort_message\": null, \"growth_written\": [0.5, 0.1], "
        "\"graph1\": {\"x_max\": 60, \"y_range\": [-50, 50], "
        "\"plot1\": {\"x\": [0, 20, 40], \"y\": [0, 0, 0]}, "
        "\"plot2\": {\"x\": [60, 40, 20], \"y\": [25.7, 25.3, 24.899998]}, \"plot2_visible\": true, "
        "\"band\": {\"x\": [25, 35, 35, 25, 25], \"y\": [4.1666665, 4.1666665, -4.1666665, -4.1666665, "
        "4.1666665]}}, "
        "\"graph2\": {\"x_max\": 60, \"y_range\": [-10, 10], "
        "\"plot1\": {\"x\": [0, 20, 40], \"y\": [0, 0, 0]}, "
        "\"plot2\": {\"x\": [60, 40, 20], \"y\": [-5, -5, -5]}, \"plot2_visible\": true, "
        "\"band\": {\"x\": [25, 35, 35, 25, 25], \"y\": [4.1666665, 4.1666665, -4.1666665, -4.1666665, "
        "4.1666665]}}}\n");
}

TEST_F(CliCalc, AbortedReverseDialExitsOne) {
    change([](ProjectRecord& p) { p.Station = {0, 0, 0, 1}; });
    CliRun r = calc("");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "Aborting Reverse Dial calculations\nYou must check 2 stationary machine feet.\n");

    r = calc("--json --growth");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out,
              "{\"vertical_text\": \"\", \"horizontal_text\": \"\", \"vertical_moves\": [], "
              "\"horizontal_moves\": [], \"aborted\": true, \"abort_message\": \"Aborting Reverse Dial "
              "calculations\\r\\nYou must check 2 stationary machine feet.\", \"growth_written\": null, "
              "\"graph1\": null, \"graph2\": null}\n");
}

TEST_F(CliCalc, NoResultSaysWhyAndExitsOne) {
    change([](ProjectRecord& p) { p.FaceDia1 = 0; });
    CliRun r = calc("--method rim-face");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "No result: the face diameter is 0\n\nNo result: the face diameter is 0\n");

    r = calc("--method rim-face --json --autoscale");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.out.find("\"vertical_moves\": [], "), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\"graph1\": {\"x_max\": 40, \"y_range\": null, \"plot1\": null, \"plot2\": null, "
                         "\"plot2_visible\": false, \"band\": null}"),
              std::string::npos)
        << r.out;
}

TEST_F(CliCalc, NonFiniteReadingsNeverPrintAsNumbers) {
    change([](ProjectRecord& p) { p.dial1(0, 1) = NAN; });
    const CliRun r = calc("--json");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out.find("nan"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("No result: a dial reading is not a finite number"), std::string::npos) << r.out;
}

TEST_F(CliCalc, BadArgumentsExitTwoWithOneLine) {
    const std::string file = " '" + project_.string() + "'";
    const std::string missing = " '" + (dir_ / "missing.qdl").string() + "'";
    const std::vector<std::string> cases = {
        "calc",
        "calc" + file + file,
        "calc" + file + " --method tangent",
        "calc" + file + " --rotation quarter",
        "calc" + file + " --bracket both",
        "calc" + file + " --fast",
        "calc" + file + " --method",
        "calc" + missing,
    };
    for (const std::string& args : cases) {
        SCOPED_TRACE(args);
        const CliRun r = run(args);
        EXPECT_EQ(r.exitCode, 2);
        EXPECT_EQ(r.out, "");
        ASSERT_FALSE(r.err.empty());
        EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << "one line: " << r.err;
    }
}

}  // namespace
}  // namespace corvane
