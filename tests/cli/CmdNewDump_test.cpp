#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include "project/OleDate.h"

namespace {

namespace fs = std::filesystem;

struct CliRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

std::string readText(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::vector<unsigned char> readBytes(const fs::path& file) {
    const std::string text = readText(file);
    return {text.begin(), text.end()};
}

fs::path fixture(const char* name) { return fs::path(CORVANE_FIXTURES) / name; }

class CliTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        folder_ = fs::temp_directory_path() /
                  ("corvane-cli-" + std::string(info->name()) + "-" + std::to_string(std::random_device{}()));
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    // Runs corvane-cli with arguments already quoted for the shell.
    CliRun cli(const std::string& arguments) {
        const fs::path out = folder_ / "stdout", err = folder_ / "stderr";
        const std::string command = std::string("'") + CORVANE_CLI + "' " + arguments + " >'" + out.string() +
                                    "' 2>'" + err.string() + "'";
        const int status = std::system(command.c_str());
        CliRun run;
        run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        run.out = readText(out);
        run.err = readText(err);
        return run;
    }
    std::string path(const std::string& name) const { return (folder_ / name).string(); }
    static std::string quoted(const std::string& text) { return "'" + text + "'"; }

    fs::path folder_;
};

TEST_F(CliTest, NewWritesTheDefaultProjectStampedNow) {
    const double before = corvane::nowOleDate();
    const CliRun run = cli("new " + quoted(path("fresh.qdl")));
    const double after = corvane::nowOleDate();

    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "");
    const auto bytes = readBytes(path("fresh.qdl"));
    auto expected = readBytes(fixture("default.qdl"));
    ASSERT_EQ(bytes.size(), 330u);
    EXPECT_TRUE(std::equal(bytes.begin(), bytes.end() - 8, expected.begin()));
    std::uint64_t bits = 0;
    for (int i = 0; i < 8; ++i) bits |= static_cast<std::uint64_t>(bytes[322 + i]) << (8 * i);
    const double stamp = std::bit_cast<double>(bits);
    const double oneSecond = 1.0 / 86400;
    EXPECT_GE(stamp, before - oneSecond);
    EXPECT_LE(stamp, after + oneSecond);
}

TEST_F(CliTest, NewOverwritesOnlyWhenForced) {
    const std::string file = path("job.qdl");
    { std::ofstream(file, std::ios::binary) << std::string(400, 'x'); }
    const CliRun refused = cli("new " + quoted(file));
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_NE(refused.err.find("already exists"), std::string::npos) << refused.err;
    EXPECT_EQ(std::count(refused.err.begin(), refused.err.end(), '\n'), 1);
    EXPECT_EQ(readText(file), std::string(400, 'x'));

    const CliRun forced = cli("new --force " + quoted(file));
    ASSERT_EQ(forced.exitCode, 0) << forced.err;
    // A fresh file: nothing of the old one is left behind the record.
    EXPECT_EQ(fs::file_size(file), 330u);
}

TEST_F(CliTest, BadArgumentsAndUnreadableFilesExitWithTwo) {
    fs::create_directory(path("folder.qdl"));
    const std::string cases[] = {
        "new",
        "new " + quoted(path("a.qdl")) + " " + quoted(path("b.qdl")),
        "new --bogus " + quoted(path("a.qdl")),
        "new " + quoted(path("notes.txt")),
        "new " + quoted(path("no/such/folder/a.qdl")),
        "dump",
        "dump --force " + quoted(fixture("default.qdl").string()),
        "dump " + quoted(path("missing.qdl")),
        "dump " + quoted(path("folder.qdl")),
    };
    for (const auto& arguments : cases) {
        const CliRun run = cli(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments;
        EXPECT_EQ(run.out, "") << arguments;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << arguments << ": " << run.err;
    }
    EXPECT_FALSE(fs::exists(path("a.qdl")));
    EXPECT_FALSE(fs::exists(path("notes.txt")));
}

TEST_F(CliTest, DumpShowsEveryFieldInFileOrder) {
    const CliRun run = cli("dump " + quoted(fixture("texts.qdl").string()));
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, R"({
  "Length": [[1.5, 4.5, 7.5, 10.5, 13.5], [2.5, 5.5, 8.5, 11.5, 14.5], [3.5, 6.5, 9.5, 12.5, 15.5]],
  "Dial1Reading": [[-10.25, -7.25, -4.25, -1.25], [-9.25, -6.25, -3.25, -0.25], [-8.25, -5.25, -2.25, 0.75]],
  "Dial2Reading": [[100.75, 103.75, 106.75, 109.75], [101.75, 104.75, 107.75, 110.75], [102.75, 105.75, 108.75, 111.75]],
  "Span": 12.5,
  "RPM": 1780,
  "Material": 3,
  "HotTemp": [150, 151, 152, 153],
  "ColdTemp": [60, 61, 62, 63],
  "Reserved1": -7,
  "FaceDia2": 8.5,
  "FaceDia1": 6.25,
  "Sag": -2,
  "Station": [0, 1, 1, 0],
  "FootHeight": [11, 12, 13, 14],
  "ReservedText": "raw \u0081\u008d\u008f\u0090\u009d",
  "Machine": "Pumpe P-101 Müller",
  "Technician": "José Ñúñez",
  "Comments": "Kupplung € 0,5 mm\r\nzweite Zeile \"ok\"\ttab",
  "M1Text": "Motor",
  "M2Text": "Pumpe ü",
  "Growth": [[0, 1.5, 3, 4.5, 6, 7.5], [0.5, 2, 3.5, 5, 6.5, 8], [1, 2.5, 4, 5.5, 7, 8.5]],
  "DateStamp": 45366.4375,
  "DateStampText": "15-Mar-2024 10:30:00"
}
)");
}

TEST_F(CliTest, DumpWritesSinglesShortestAndNonFiniteValuesAsText) {
    const CliRun run = cli("dump " + quoted(fixture("nonfinite.qdl").string()));
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::string lines[] = {
        R"(  "Length": [["NaN", "Infinity", "-Infinity", 5, 20], [20, 20, 0, 0, 0], [70, 30, 50, 0, 0]],)",
        R"(  "Dial1Reading": [[0, 20, 50, 30], [4.1666665, 0.1, 10, 0], [0, 5, 4, -1]],)",
        R"(  "Dial2Reading": [[0, -20, -50, -30], [1e+20, -0, -2, 0], [0, -3, -4, -1]],)",
        R"(  "Sag": 1e-07,)",
        R"(  "Growth": [["NaN", 0, 0, 0, 0, 0], [0, 0, 0, 0, 0, 0], [0, 0, 0, 0, 0, 0]],)",
        R"(  "DateStamp": "NaN",)",
        R"(  "DateStampText": null)",
    };
    for (const auto& line : lines)
        EXPECT_NE(run.out.find(line + "\n"), std::string::npos) << line << "\n" << run.out;
}

TEST_F(CliTest, DumpOfATruncatedFileShowsWhatItHolds) {
    const CliRun run = cli("dump " + quoted(fixture("truncated.qdl").string()));
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::string lines[] = {
        R"(  "Technician": "José Ñúñez",)",
        R"(  "Comments": "Kupplung €",)",
        R"(  "M1Text": "",)",
        R"(  "Growth": [[0, 0, 0, 0, 0, 0], [0, 0, 0, 0, 0, 0], [0, 0, 0, 0, 0, 0]],)",
        R"(  "DateStamp": 0,)",
    };
    for (const auto& line : lines)
        EXPECT_NE(run.out.find(line + "\n"), std::string::npos) << line << "\n" << run.out;
}

}  // namespace
