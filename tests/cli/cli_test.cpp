// corvane-cli run as a script runs it: on fixture files and on projects written by the tests.

#include <functional>

#include "ProcessTestSupport.h"
#include "project/OleDate.h"
#include "project/ProjectFile.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;
using CliRun = ProgramRun;
using Edit = std::function<void(ProjectRecord&)>;

std::string fixture(const char* name) { return "'" + (fs::path(CORVANE_FIXTURES) / name).string() + "'"; }

// Growth 0.5 and 0.1 mils under the stationary feet.
void addGrowth(ProjectRecord& p) {
    p.growth(0, 0) = 0.5f;
    p.growth(0, 1) = 0.1f;
}

// The JSON of a calculation without its "feet" and move alternatives, which their own tests read.
std::string withoutFeetAndMoves(std::string json) {
    const std::size_t feet = json.find(", \"feet\": "), units = json.find(", \"units\": ", feet);
    if (feet != std::string::npos && units != std::string::npos) json.erase(feet, units - feet);
    const std::size_t moves = json.find(", \"alternatives\": ");
    return moves == std::string::npos ? json : json.substr(0, moves) + "}\n";
}

class Cli : public FolderTest {
protected:
    // The text of a PDF as pdftotext (poppler-utils) reads it, blanks and page breaks folded to one blank.
    std::string pdfText(const std::string& pdf) const {
        return runCommand("(pdftotext -layout " + quoted(pdf) + " - | tr -s '[:space:]' ' ')").out;
    }

    // Runs corvane-cli with arguments already quoted for the shell.
    CliRun run(const std::string& arguments) const {
        return runCommand(std::string("'") + CORVANE_CLI + "' " + arguments);
    }

    // A default project written by the tool unless there is one, then changed by `edit`.
    void newJob(const std::string& name, const Edit& edit = {}) const {
        EXPECT_TRUE(fs::exists(path(name)) || run("new " + quoted(name)).exitCode == 0);
        if (!edit) return;
        ProjectRecord record;
        EXPECT_TRUE(readProject(path(name), record));
        edit(record);
        EXPECT_TRUE(writeProject(path(name), record));
    }
    // The default job, changed by `edit`, calculated with `options`.
    CliRun calc(const std::string& options, const Edit& edit = {}) const {
        newJob("job.qdl", edit);
        return run("calc " + quoted("job.qdl") + " " + options);
    }
};

// `new` writes the default project stamped now. An existing file is replaced only when forced. On a full
// disk the forced replacement fails, says so, and the old file stays byte for byte; when it succeeds
// nothing of the longer old file is left.
TEST_F(Cli, NewWritesTheDefaultProjectAndReplacesAFileOnlyWhenForced) {
    const std::string old(400, 'o');
    { std::ofstream(path("job.qdl"), std::ios::binary) << old; }
    const CliRun refused = run("new " + quoted("job.qdl"));
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_TRUE(holds(refused.err, {"already exists"}));
    EXPECT_EQ(readText(path("job.qdl")), old);

    // ulimit -f 0 is a disk without a free block; the message goes through a pipe, which it does not touch.
    const CliRun full =
        runCommand("bash -c \"set -o pipefail; (ulimit -f 0; exec '" + std::string(CORVANE_CLI) +
                   "' new --force " + quoted("job.qdl") + ") 2>&1 | cat\"");
    EXPECT_EQ(full.exitCode, 2);
    EXPECT_TRUE(holds(full.out, {"cannot write"}));
    EXPECT_EQ(readText(path("job.qdl")), old);
    EXPECT_EQ(filesInFolder(), 3) << "the project and the captured outputs, no temporary file";

    const double before = nowOleDate();
    ASSERT_EQ(run("new --force " + quoted("job.qdl")), (CliRun{0, "", ""}));
    const double after = nowOleDate();
    const std::string bytes = readText(path("job.qdl"));
    ASSERT_EQ(bytes.size(), 330u);
    EXPECT_EQ(bytes.substr(0, 322), readText(fs::path(CORVANE_FIXTURES) / "default.qdl").substr(0, 322));
    ProjectRecord record;
    ASSERT_TRUE(readProject(path("job.qdl"), record));
    EXPECT_GE(record.DateStamp, before - 1.0 / 86400);
    EXPECT_LE(record.DateStamp, after + 1.0 / 86400);
}

TEST_F(Cli, VersionGoesToStandardOutput) {
    EXPECT_EQ(run("--version"), (CliRun{0, "corvane-cli 1.5.6\n", ""}));
}

TEST_F(Cli, BadArgumentsAndUnusableFilesExitTwoWithOneLine) {
    newJob("job.qdl");
    const std::string job = " " + quoted("job.qdl");
    const std::string cases[] = {
        // clang-format off
        "", "new", "new " + quoted("a.qdl") + " " + quoted("b.qdl"), "new " + quoted("notes.txt"),
        "new " + quoted("no/such/folder/a.qdl"), "dump " + quoted("missing.qdl"), "calc" + job + job,
        "calc" + job + " --method tangent", "calc" + job + " --units imperial", "calc" + job + " --fast",
        "calc " + quoted("missing.qdl"),
        // clang-format on
    };
    for (const auto& arguments : cases) {
        SCOPED_TRACE(arguments);
        const CliRun r = run(arguments);
        EXPECT_EQ(r.exitCode, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << "one line: " << r.err;
    }
    EXPECT_FALSE(fs::exists(path("a.qdl")) || fs::exists(path("notes.txt")));
}

TEST_F(Cli, DumpShowsEveryFieldInFileOrder) {
    const CliRun r = run("dump " + fixture("texts.qdl"));
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, R"({
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

// Singles print shortest; what JSON cannot hold (NaN, infinities, a stamp that is no date) prints as text.
TEST_F(Cli, DumpOfNonFiniteValuesIsStillJson) {
    // NaN lengths are no project's: the warning and status 3, and still every value.
    const CliRun r = run("dump " + fixture("nonfinite.qdl"));
    ASSERT_EQ(r.exitCode, 3) << r.err;
    EXPECT_TRUE(holds(
        r.out,
        {R"(  "Length": [["NaN", "Infinity", "-Infinity", 5, 20], [20, 20, 0, 0, 0], [70, 30, 50, 0, 0]],)",
         R"(  "Dial1Reading": [[0, 20, 50, 30], [4.1666665, 0.1, 10, 0], [0, 5, 4, -1]],)",
         R"(  "Dial2Reading": [[0, -20, -50, -30], [1e+20, -0, -2, 0], [0, -3, -4, -1]],)",
         R"(  "Sag": 1e-07,)", R"(  "DateStamp": "NaN",)", "  \"DateStampText\": null\n"}));
}

TEST_F(Cli, CalcPrintsBothLabelsAndTheVerdict) {
    EXPECT_EQ(calc(""),
              (CliRun{0,
                      "Machine Foot 3: move  25.00 mils  DOWN\nMachine Foot 4: move  25.00 mils  DOWN\n\n"
                      "Machine Foot 3: move  5.000 mils  LEFT \nMachine Foot 4: move  5.000 mils  LEFT \n"
                      "\nAlignment: Out of tolerance at 3600 rpm (short coupling)\n",
                      ""}));
}

TEST_F(Cli, CalcJsonCarriesTextsMovesAndGraphsInOrderInEitherUnits) {
    // Growth 0.5 and 0.1 under the stationary feet tilts the reference: feet 3 and 4 need 0.3 and 0.7
    // mils more shims out. The verdict: the moveable line through (40, 25.3) and (60, 25.7) against the
    // level fixed one, 25.1 mils at the coupling centre (30) and 0.02 mils/in, as worked from the
    // floats 25.3f and 25.7f (the offset is then exactly the float 25.099998).
    CliRun r = calc("--json --growth --autoscale --tolerance", addGrowth);
    EXPECT_EQ(r.exitCode, 0);
    const std::string band =
        "\"band\": {\"x\": [25, 35, 35, 25, 25], \"y\": [4.1666665, 4.1666665, -4.1666665, -4.1666665, "
        "4.1666665]}";
    EXPECT_EQ(
        withoutFeetAndMoves(r.out),
        "{\"vertical_text\": \"Machine Foot 3: move  25.30 mils  DOWN\\r\\nMachine Foot 4: move  "
        "25.70 mils  DOWN\", \"horizontal_text\": \"Machine Foot 3: move  5.000 mils  LEFT \\r\\nMachine "
        "Foot 4: move  5.000 mils  LEFT \", \"vertical_moves\": [0, 0, -25.3, -25.7], \"horizontal_moves\": "
        "[0, 0, -5, -5], \"aborted\": false, \"abort_message\": null, \"growth_written\": [0.5, 0.1], "
        "\"graph1\": {\"x_max\": 60, \"y_range\": [-50, 50], \"plot1\": {\"x\": [0, 20, 40], \"y\": [0, 0, "
        "0]}, \"plot2\": {\"x\": [60, 40, 20], \"y\": [25.7, 25.3, 24.899998]}, \"plot2_visible\": true, " +
            band +
            "}, \"graph2\": {\"x_max\": 60, \"y_range\": [-10, 10], \"plot1\": {\"x\": [0, 20, 40], \"y\": "
            "[0, 0, 0]}, \"plot2\": {\"x\": [60, 40, 20], \"y\": [-5, -5, -5]}, \"plot2_visible\": true, " +
            band +
            "}, \"checks\": [], \"verdict\": {\"table\": \"short-coupling\", \"rpm_row\": 3600, "
            "\"vertical\": {\"offset\": 25.099998, \"angle\": 0.02000007629394531, \"grade\": \"out\"}, "
            "\"horizontal\": {\"offset\": -5, \"angle\": 0, \"grade\": \"out\"}, \"grade\": \"out\", "
            "\"reason\": null}, \"units\": \"english\", \"options\": {\"method\": \"reverse-dial\", "
            "\"rotation\": \"full\", \"bracket\": \"fixed\", \"growth\": true, \"tolerance\": true, "
            "\"source\": \"command line\"}}\n");

    // The same answer in metric, converted by hand: mils times 0.0254 to millimetres, inches times 25.4,
    // mils/in over 10 to mm/100 mm. A stored Single shows as the shortest decimal that stands for it
    // (25.3 mils is 0.64262 mm), a value worked out in double to a Single's precision.
    r = calc("--json --units metric --growth --autoscale --tolerance");
    EXPECT_EQ(r.exitCode, 0);
    const std::string metricBand =
        "\"band\": {\"x\": [635, 889, 889, 635, 635], \"y\": [0.10583333, 0.10583333, -0.10583333, "
        "-0.10583333, 0.10583333]}";
    EXPECT_EQ(
        withoutFeetAndMoves(r.out),
        "{\"vertical_text\": \"Machine Foot 3: move  0.643 mm  DOWN\\r\\nMachine Foot 4: move  0.653 mm  "
        "DOWN\", \"horizontal_text\": \"Machine Foot 3: move  0.127 mm  LEFT \\r\\nMachine Foot 4: move  "
        "0.127 mm  LEFT \", \"vertical_moves\": [0, 0, -0.64262, -0.65278], \"horizontal_moves\": [0, 0, "
        "-0.127, -0.127], \"aborted\": false, \"abort_message\": null, \"growth_written\": [0.0127, "
        "0.00254], \"graph1\": {\"x_max\": 1524, \"y_range\": [-1.27, 1.27], \"plot1\": {\"x\": [0, "
        "508, 1016], \"y\": [0, 0, 0]}, \"plot2\": {\"x\": [1524, 1016, 508], \"y\": [0.65278, 0.64262, "
        "0.63245994]}, \"plot2_visible\": true, " +
            metricBand +
            "}, \"graph2\": {\"x_max\": 1524, \"y_range\": [-0.254, 0.254], \"plot1\": {\"x\": [0, 508, "
            "1016], \"y\": [0, 0, 0]}, \"plot2\": {\"x\": [1524, 1016, 508], \"y\": [-0.127, -0.127, "
            "-0.127]}, \"plot2_visible\": true, " +
            metricBand +
            "}, \"checks\": [], \"verdict\": {\"table\": \"short-coupling\", \"rpm_row\": 3600, "
            "\"vertical\": {\"offset\": 0.63753996, \"angle\": 0.0020000075, \"grade\": \"out\"}, "
            "\"horizontal\": {\"offset\": -0.127, \"angle\": 0, \"grade\": \"out\"}, \"grade\": \"out\", "
            "\"reason\": null}, \"units\": \"metric\", "
            "\"options\": {\"method\": \"reverse-dial\", \"rotation\": \"full\", \"bracket\": \"fixed\", "
            "\"growth\": true, \"tolerance\": true, \"source\": \"command line\"}}\n");
}

TEST_F(Cli, CalcWithoutAResultSaysWhyAndExitsOne) {
    CliRun r = calc("", [](ProjectRecord& p) { p.Station = {0, 0, 0, 1}; });
    EXPECT_EQ(r, (CliRun{1, "No verdict: 2 stationary machine feet must be checked\n",
                         "Aborting Reverse Dial calculations\nYou must check 2 stationary machine feet.\n"}));
    r = calc("--json --growth");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(
        withoutFeetAndMoves(r.out),
        "{\"vertical_text\": \"\", \"horizontal_text\": \"\", \"vertical_moves\": [], "
        "\"horizontal_moves\": [], \"aborted\": true, \"abort_message\": \"Aborting Reverse Dial "
        "calculations\\r\\nYou must check 2 stationary machine feet.\", \"growth_written\": null, "
        "\"graph1\": null, \"graph2\": null, \"checks\": [], \"verdict\": {\"grade\": null, \"reason\": "
        "\"No verdict: 2 stationary machine feet must be checked\"}, \"units\": \"english\", "
        "\"options\": {\"method\": \"reverse-dial\", \"rotation\": \"full\", \"bracket\": \"fixed\", "
        "\"growth\": true, \"tolerance\": false, \"source\": \"command line\"}}\n");
    EXPECT_TRUE(r.out.ends_with(", \"alternatives\": null, \"least_move\": null}\n")) << "nothing to move";

    // Not aborted, yet no result: the graphs are written with their scale and null lines.
    r = calc("--method rim-face --json --autoscale", [](ProjectRecord& p) { p.FaceDia1 = 0; });
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(
        holds(r.out, {"\"vertical_moves\": [], ",
                      "\"graph1\": {\"x_max\": 40, \"y_range\": null, \"plot1\": null, \"plot2\": null, "
                      "\"plot2_visible\": false, \"band\": null}"}));
}

// The default job needs feet 3 and 4 down 25 and left 5 with the fixed machine held; holding foot 1
// and foot 3 pivots the fixed machine about foot 1: foot 2 up 12.5 (25 * 20/40), foot 4 up 12.5. The
// least move into the acceptable 1.5 mils and 0.3 mils/in at the centre (30): -20.5 and -14.5 leave
// 1.5 and 0.3 (worked by hand in the calculation's tests).
TEST_F(Cli, CalcListsTheMoveAlternatives) {
    CliRun r = calc("--json");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(
        holds(r.out, {"\"alternatives\": {\"vertical\": [{\"held\": [1, 2], \"moves\": [0, 0, -25, -25], "
                      "\"largest\": 25, \"workable\": true, \"why\": null}, {\"held\": [1, 3], \"moves\": "
                      "[0, 12.5, 0, 12.5], \"largest\": 12.5, \"workable\": true, \"why\": null}, ",
                      "\"least_move\": {\"vertical\": {\"acceptable\": {\"moves\": [-20.5, -14.5], "
                      "\"largest\": 20.5, \"offset\": 1.5, \"angle\": 0.3, \"why\": null}, "}));

    // A job that keeps the shim under foot 3 and the fixed machine's feet (rim and face).
    r = calc("--alternatives --method rim-face",
             [](ProjectRecord& p) { p.ReservedText = "CorvaneMoves=1;inboard=10;spacing=20;shim3=5"; });
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(
        holds(r.out, {"Vertical alternatives (feet 1, 2, 3, 4):\n"
                      "  held 1, 2: 0.00, 0.00, -9.000, -13.00 mils, largest 13.00 mils; not workable: "
                      "foot 3 must go down 9.000 mils, it has 5.000 mils of shim\n",
                      "  held 3, 4: -1.000, 3.000, 0.00, 0.00 mils, largest 3.000 mils\n"}));
}

// A file name is bytes: one that is not valid UTF-8 (Latin-1 "Prüfstand") still names that file.
TEST_F(Cli, FileNamesThatAreNotUtf8ReachTheRightFile) {
    const std::string name = "Pr\374fstand.qdl";
    ASSERT_EQ(run("new " + quoted(name)).exitCode, 0);
    EXPECT_TRUE(fs::exists(path(name)));
    EXPECT_EQ(filesInFolder(), 3) << "the project and the two captured outputs, nothing else";
    EXPECT_EQ(run("calc " + quoted(name)).exitCode, 0) << "the file was found and calculated";
}

// Output that cannot be written is a failure, whether the disk is full or the reader has gone.
TEST_F(Cli, OutputThatCannotBeWrittenExitsTwo) {
    newJob("job.qdl");
    for (const std::string command : {"dump", "calc", "calc --json"}) {
        SCOPED_TRACE(command);
        const std::string cli = std::string("'") + CORVANE_CLI + "' " + command + " " + quoted("job.qdl");
        EXPECT_EQ(runCommand("(" + cli + " >/dev/full)").exitCode, 2);
        // The reader closes the pipe before the tool writes; the tool's status is written to standard error.
        EXPECT_EQ(runCommand("({ sleep 0.2; " + cli + " 2>/dev/null; echo $? >&2; } | true)").err, "2\n");
    }
}

TEST_F(Cli, ReportMakesOnePdfWithASectionPerFileInTheOrderGivenAndTheOptionsAsked) {
    newJob("as-found.qdl");
    newJob("as-left.qdl", [](ProjectRecord& p) { p.Machine = "Pump P-9 as left"; });
    const CliRun r = run("report " + quoted("as-found.qdl") + " " + quoted("as-left.qdl") +
                         " --method rim-face --growth --tolerance --units metric -o " + quoted("job.pdf"));
    ASSERT_EQ(r, (CliRun{0, "", ""}));
    // The list of files, then a section per file in the order given, with the options asked for, the
    // verdict and the readings check; every value in millimetres.
    const std::string text = pdfText("job.pdf");
    EXPECT_TRUE(
        holds(text, {"1 as-found.qdl", "2 as-left.qdl", "File as-found.qdl", "Method Rim and Face",
                     "Units Metric (mm, °C)", "Thermal growth Applied", "Tolerance band Shown on both graphs",
                     "Verdict Alignment: Out of tolerance at 3600 rpm (short coupling)",
                     "Readings check Readings consistent", "Machine Pump P-9 as left", "File as-left.qdl"}));
    EXPECT_EQ(text.find("mils"), std::string::npos);
    // "-" is standard output.
    EXPECT_EQ(run("report " + quoted("as-found.qdl") + " -o -").out.substr(0, 5), "%PDF-");
}

// Whatever stops a report, the error names it, the exit code is 2, and OUT keeps what it held; a link
// to a project is the project.
TEST_F(Cli, AReportThatCannotBeMadeLeavesOutAsItWas) {
    newJob("job.qdl");
    { std::ofstream(path("out.pdf"), std::ios::binary) << "old report"; }
    fs::copy_file(path("job.qdl"), path("other.qdl"));
    fs::create_symlink(path("other.qdl"), path("link.pdf"));
    const std::string job = quoted("job.qdl");
    const struct {
        std::string arguments, named;
    } cases[] = {
        {job + " " + quoted("missing.qdl") + " -o " + quoted("out.pdf"), "missing.qdl"},
        {job + " -o '/proc/corvane-report.pdf'", "/proc/corvane-report.pdf"},
        {job + " -o " + job, "job.qdl"},
        {job + " -o " + quoted("link.pdf"), "will not write over the project file " + path("other.qdl")},
        {job + " --bracket left -o " + quoted("out.pdf"), "--bracket"},
        {job + " -o " + quoted("a.pdf") + " -o " + quoted("out.pdf"), "-o was given more than once"},
        {"-o " + quoted("out.pdf"), "project files"},
    };
    const std::string project = readText(path("job.qdl"));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments);
        const CliRun r = run("report " + c.arguments);
        EXPECT_EQ(r.exitCode, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_TRUE(holds(r.err, {"corvane-cli report: ", c.named}));
        EXPECT_EQ(readText(path("out.pdf")), "old report");
        EXPECT_EQ(readText(path("job.qdl")), project);
        EXPECT_EQ(readText(path("other.qdl")), project);
        EXPECT_EQ(filesInFolder(), 6);
    }
}

// A file that does not look like a project is still shown, after the warning, with its own status.
TEST_F(Cli, ForeignFilesArePrintedWithAWarningAndExitThree) {
    { std::ofstream(path("notes.qdl"), std::ios::binary) << std::string(2000, 'x'); }
    for (const std::string& command :
         {std::string("dump"), std::string("calc"), "report -o " + quoted("notes.pdf")}) {
        SCOPED_TRACE(command);
        const CliRun r = run(command + " " + quoted("notes.qdl"));
        EXPECT_EQ(r.exitCode, 3);
        EXPECT_TRUE(holds(
            r.err, {"corvane-cli: " + path("notes.qdl") +
                    ": This file does not look like a Corvane project (its texts run past its end)\n"}));
    }
    EXPECT_EQ(run("dump " + quoted("notes.qdl")).out.substr(0, 14), "{\n  \"Length\": ");
    EXPECT_TRUE(fs::exists(path("notes.pdf")));
}

// The readings check needs no result: its findings come with the numbers their sentences show,
// after the verdict, in the JSON and in the text.
TEST_F(Cli, CalcReportsTheReadingsCheckAndTheVerdict) {
    CliRun r = calc("--json", [](ProjectRecord& p) {
        p.dial1(0, 0) = 5;
        p.dial2(0, 2) = -44;
        p.Sag = -2;
        p.RPM = 0;
    });
    EXPECT_EQ(r.exitCode, 0);
    const std::string notZeroed =
        "Dial 1: the 12:00 reading is 5, not 0: set the dial to 0 at 12:00 and take the readings again.";
    const std::string validity =
        "Dial 2: 12:00 + 6:00 = -44 but 3:00 + 9:00 = -50 (6.0 mils apart): take the readings again.";
    const std::string sag =
        "The sag is -2 mils, but a sagging bracket reads low and its correction is positive: enter 2.";
    const std::string tail =
        ", \"checks\": [{\"kind\": \"not-zeroed\", \"dial\": 1, \"message\": \"" + notZeroed +
        "\", \"values\": {\"reading\": 5}}, {\"kind\": \"validity\", \"dial\": 2, \"message\": \"" +
        validity +
        "\", \"values\": {\"sum_12_6\": -44, \"sum_3_9\": -50, \"difference\": 6, \"allowed\": 5}}, "
        "{\"kind\": \"sag-sign\", \"dial\": null, \"message\": \"" +
        sag +
        "\", \"values\": {\"sag\": -2}}], \"verdict\": {\"grade\": null, \"reason\": \"No verdict: "
        "the speed is 0\"}, \"units\": \"english\", "
        "\"options\": {\"method\": \"reverse-dial\", \"rotation\": \"full\", \"bracket\": \"fixed\", "
        "\"growth\": false, \"tolerance\": false, \"source\": \"defaults\"}}\n";
    EXPECT_TRUE(withoutFeetAndMoves(r.out).ends_with(tail)) << r.out;

    r = calc("", {});
    const std::string text =
        "\nNo verdict: the speed is 0\n" + notZeroed + "\n" + validity + "\n" + sag + "\n";
    EXPECT_TRUE(r.out.ends_with(text)) << r.out;

    // The jack shaft judges the spacer's angle at each coupling: vertically the shaft lies level at
    // -28 mils, so the spacer falls 28 mils over its 70 inches (-0.4 mils/in) and meets the moveable
    // shaft at +0.4; horizontally the line through (100, -54) and (150, -74) has slope -0.4 and meets
    // the moveable coupling at -42: -0.6 and -0.4 + 0.6.
    r = calc("--json --method jack-shaft", [](ProjectRecord& p) { p.RPM = 3600; });
    EXPECT_EQ(r.exitCode, 0);
    const std::string spacer =
        ", \"checks\": [], \"verdict\": {\"table\": \"spacer\", \"rpm_row\": 3600, \"vertical\": "
        "{\"fixed_angle\": -0.4, \"moveable_angle\": 0.4, \"grade\": \"acceptable\"}, \"horizontal\": "
        "{\"fixed_angle\": -0.6, \"moveable_angle\": 0.19999999999999996, \"grade\": \"out\"}, \"grade\": "
        "\"out\", \"reason\": null}, \"units\": \"english\", \"options\": {\"method\": \"jack-shaft\", "
        "\"rotation\": \"full\", \"bracket\": \"fixed\", \"growth\": false, \"tolerance\": false, "
        "\"source\": \"command line\"}}\n";
    EXPECT_TRUE(withoutFeetAndMoves(r.out).ends_with(spacer)) << r.out;
}

// A job saved from the window keeps its method and choices (and the rim-and-face bar sag); calc and
// report run it so, each file on its own, and an option asked for on the command line wins for that run.
TEST_F(Cli, AJobRunsWithTheOptionsItWasSavedWithUnlessTheCommandLineAsks) {
    newJob("job.qdl", addGrowth);
    const auto saved = [](const std::string& reserved) {
        return [reserved](ProjectRecord& p) { p.ReservedText = reserved; };
    };
    const std::string rimFaceMoveable = "CorvaneView=1;method=1;bracket=1";
    const struct {
        std::string reserved, arguments, firstLine;
    } cases[] = {
        {"", "--rotation half", "Machine Foot 3: move  10.00 mils  DOWN\n"},
        {"", "--method rim-face --bracket moveable", "NEAR Foot: move  1.000 mils  UP  \n"},
        {"CorvaneSag=1;rimface=4", "--method rim-face", "NEAR Foot: move  11.00 mils  DOWN\n"},
        {rimFaceMoveable, "", "NEAR Foot: move  1.000 mils  UP  \n"},
        {rimFaceMoveable, "--method reverse-dial", "Machine Foot 3: move  25.00 mils  DOWN\n"},
        {"CorvaneView=1;rotation=1", "", "Machine Foot 3: move  10.00 mils  DOWN\n"},
        {"CorvaneView=1;growth=1", "", "Machine Foot 3: move  25.30 mils  DOWN\n"},
        {"CorvaneView=1;growth=1", "--no-growth", "Machine Foot 3: move  25.00 mils  DOWN\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reserved + " " + c.arguments);
        const CliRun r = calc(c.arguments, saved(c.reserved));
        EXPECT_EQ(r.exitCode, 0) << r.err;
        EXPECT_EQ(r.out.substr(0, r.out.find('\n') + 1), c.firstLine);
    }
    EXPECT_TRUE(holds(calc("--json", saved(rimFaceMoveable + ";tolerance=1")).out,
                      {"\"options\": {\"method\": \"rim-face\", \"rotation\": \"full\", \"bracket\": "
                       "\"moveable\", \"growth\": false, \"tolerance\": true, \"source\": \"project\"}, "
                       "\"alternatives\": "}));
    EXPECT_EQ(calc("--growth --no-growth"),
              (CliRun{2, "", "corvane-cli calc: --growth and --no-growth contradict each other\n"}));

    // Two files in one report: the saved jack shaft as saved, the plain job as always.
    newJob("plain.qdl");
    ASSERT_EQ(run("report " + quoted("job.qdl") + " " + quoted("plain.qdl") + " -o " + quoted("both.pdf")),
              (CliRun{0, "", ""}));
    const std::string text = pdfText("both.pdf");
    EXPECT_TRUE(
        holds(text, {"File job.qdl", "Method Rim and Face", "Bracket side Moveable Machine: Bracket on the",
                     "Options As saved with the job", "Tolerance band Shown on both graphs", "File plain.qdl",
                     "Method Reverse Dial", "Thermal growth Not applied", "Speed 3600 rpm",
                     "Limits Limits of the verdict: 3600 rpm row, short coupling (speed 3600 rpm)",
                     "Offset: excellent 1.0 mils, acceptable 1.5 mils", "Tolerance band Not shown"}));
    EXPECT_EQ(text.find("Options", text.find("File plain.qdl")), std::string::npos);
}

// The default job moves feet 3 and 4 25 mils down. Under foot 3: 20 + 10; pulling only the 20 leaves
// 5 to go, so both come out and a 5 goes back. Under foot 4 six 5s, more than four: pulling five of
// them is exact. Foot 3 left rocked 4.5 mils and was left at 0.5.
TEST_F(Cli, CalcJsonCarriesTheFootLedgerAndThePacks) {
    CliRun r = calc("--json", [](ProjectRecord& p) {
        p.ReservedText = "CorvaneFeet=1;f3L=4.5,parallel,2,0.5;s3=20,10;s4=5,5,5,5,5,5\nother";
    });
    EXPECT_EQ(r.exitCode, 0);
    const std::string feet =
        "\"feet\": {\"soft_foot\": [{\"foot\": 3, \"side\": \"left\", \"as_found\": 4.5, \"kind\": "
        "\"parallel\", \"shim_added\": 2, \"as_left\": 0.5, \"soft_as_found\": true, \"soft_as_left\": "
        "false}], \"packs\": [{\"foot\": 1, \"move\": 0, \"stack\": [], \"remove\": [], \"add\": [], "
        "\"residual\": 0, \"reached\": true, \"final_stack\": [], \"text\": \"no move: leave the shims as "
        "they are\"}, {\"foot\": 2, \"move\": 0, \"stack\": [], \"remove\": [], \"add\": [], \"residual\": "
        "0, \"reached\": true, \"final_stack\": [], \"text\": \"no move: leave the shims as they are\"}, "
        "{\"foot\": 3, \"move\": -25, \"stack\": [20, 10], \"remove\": [20, 10], \"add\": [5], "
        "\"residual\": 0, \"reached\": true, \"final_stack\": [5], \"text\": \"pull 20 + 10 = 30 mils and "
        "put back 5 mils for a move of 25 down; exact\"}, {\"foot\": 4, \"move\": -25, \"stack\": [5, 5, "
        "5, 5, 5, 5], \"remove\": [5, 5, 5, 5, 5], \"add\": [], \"residual\": 0, \"reached\": true, "
        "\"final_stack\": [5], \"text\": \"pull 5 + 5 + 5 + 5 + 5 = 25 mils for a move of 25 down; "
        "exact\"}]}, \"units\": \"english\", ";
    EXPECT_TRUE(holds(r.out, {feet}));
    EXPECT_EQ(calc("--json --kit '5 abc'"),
              (CliRun{2, "", "corvane-cli calc: --kit: \"abc\" is not a shim size\n"}));
}

}  // namespace
}  // namespace corvane
