// The alignment report as a reader gets it: the PDF's text read back with pdftotext, page by page.

#include "report/Report.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <string>
#include <vector>

#include "calc/MethodTestSupport.h"
#include "calc/graph/ToleranceBand.h"
#include "report/MachineSketch.h"
#include "report/ReportFile.h"
#include "report/ReportGraph.h"

namespace corvane {
namespace {

// The text of each page, blanks and line breaks folded to single blanks so that a line can be found
// whatever columns pdftotext gives it.
struct PdfText {
    std::vector<std::string> pages;

    std::string all() const {
        std::string out;
        for (const auto& page : pages) out += page + " ";
        return out;
    }
    bool has(const std::string& text) const { return all().find(text) != std::string::npos; }
    // Whole words of the document, in order.
    std::vector<std::string> words() const {
        std::vector<std::string> out;
        for (const QString& w : QString::fromStdString(all()).split(QLatin1Char(' '), Qt::SkipEmptyParts))
            out.push_back(w.toStdString());
        return out;
    }
    bool hasWord(const std::string& word) const { return std::ranges::count(words(), word) > 0; }
};

PdfText readPdf(const QByteArray& pdf) {
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("report.pdf"));
    QFile out(file);
    EXPECT_TRUE(out.open(QIODevice::WriteOnly) && out.write(pdf) == pdf.size());
    out.close();
    QProcess tool;
    tool.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), file, QStringLiteral("-")});
    EXPECT_TRUE(tool.waitForFinished(30000)) << "pdftotext (poppler-utils) must be installed";
    EXPECT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
    PdfText text;
    QStringList pages = QString::fromUtf8(tool.readAllStandardOutput()).split(QLatin1Char('\f'));
    if (!pages.isEmpty() && pages.back().trimmed().isEmpty()) pages.pop_back();
    for (const QString& page : pages) text.pages.push_back(page.simplified().toStdString());
    return text;
}

// The default reverse dial project with readings that no tick of the graphs can be mistaken for.
ProjectRecord jobRecord() {
    ProjectRecord r;
    setDefaults(r);
    methodtest::readings(r, kMethodReverseDial, {13, 37, 64, 11}, {-17, -23, -46, -9});
    r.Machine = "Boiler feed pump BFP-2";
    r.Technician = "Ana Müller";
    r.M1Text = "Motor M-2";
    r.M2Text = "Pump P-2";
    r.Comments = "Soft foot checked.";
    r.DateStamp = 45366.4375;  // 15-Mar-2024 10:30:00
    r.RPM = 1800;
    return r;
}

ReportSection jobSection(const std::string& file = "bfp-2.qdl", const ProjectRecord& record = jobRecord(),
                         const CalcOptions& options = CalcOptions{}) {
    CalcOptions o = options;
    o.tolerance = calcTolerance(toleranceSpan(record, o.method), record.RPM);
    return makeReportSection(file, record, o);
}

TEST(Report, OneProjectShowsTheHeaderEveryReadingTheResultsAndTheFooter) {
    const PdfText text = readPdf(reportPdf({jobSection()}, DisplayFormat{}));
    ASSERT_EQ(text.pages.size(), 2u);
    for (const char* field : {"Shaft Alignment Report", "Machine Boiler feed pump BFP-2",
                              "Technician Ana Müller", "Date 15-Mar-2024 10:30:00", "File bfp-2.qdl",
                              "Fixed machine Motor M-2", "Moveable machine Pump P-2", "Method Reverse Dial",
                              "Rotation Full Rotation", "Units English (mils, in, °F)", "Sag: 0 mils",
                              "A = 20.00 in", "B = 5.000 in", "C = 10.00 in", "D = 5.000 in", "E = 20.00 in"})
        EXPECT_TRUE(text.has(field)) << field;
    for (const char* reading : {"13", "37", "64", "11", "-17", "-23", "-46", "-9"})
        EXPECT_TRUE(text.hasWord(reading)) << reading;
    // V1 = 64/2 = 32, V2 = 46/2 = 23, H1 = (37-11)/2 = 13, H2 = (23-9)/2 = 7 over C = 10: the moveable
    // line is 32 - 0.9 (x - 25) vertically and 13 - 0.6 (x - 25) across; feet 3 and 4 at 40 and 60.
    for (const char* line : {"Machine Foot 3: move 18.50 mils DOWN", "Machine Foot 4: move 8.000 mils LEFT",
                             "Foot 3 (moveable machine, inner) 18.50 mils DOWN 4.000 mils RIGHT",
                             "Foot 1 (fixed machine, outer) stationary stationary",
                             "Acceptable Offset: 8.333 mils", "Comments Soft foot checked."})
        EXPECT_TRUE(text.has(line)) << line;
    EXPECT_NE(text.pages[0].find("Corvane 1.5.6 · Shaft Alignment Report bfp-2.qdl Page 1 of 2"),
              std::string::npos);
    EXPECT_TRUE(text.pages[1].find("Page 2 of 2") != std::string::npos);
    EXPECT_FALSE(text.has("Verdict") || text.has("Readings check")) << "none given";
}

// Each method draws its own arrangement and reports its own feet, with its own direction words; the
// result lines themselves are the calculation's (CalcAlignment tests). The growth table puts each
// foot's growth under that foot: the two-foot methods keep theirs where their calculations read them,
// after the fixed machine's two.
TEST(Report, EachMethodsFeetDirectionsAndGrowthMatchItsResultLines) {
    const struct {
        int method;
        methodtest::Edit edit;
        std::vector<std::string> present, absent;
    } cases[] = {
        {kMethodRimFace,
         [](ProjectRecord& r, CalcOptions& o) {
             o.growthOn = true, r.growth(1, 2) = 1.25f, r.growth(1, 3) = 3.75f;
         },
         {"Bracket side Fixed Mach", "Rim Readings", "Face diameter: 10.00 in",
          "Near foot 10.25 mils DOWN 9.000 mils RIGHT", "Far foot 16.75 mils DOWN 13.00 mils RIGHT",
          "A = 20.00 in", "B = 20.00 in", "Near foot Far foot", "Vertical growth (mils) 1.250 3.750"},
         {"Rotation", "C = "}},
        {kMethodJackShaft,
         {},
         {"Set-up Face indicator at each coupling", "Fixed Indicators", "Moveable Indicators",
          "Inboard foot 28.00 mils UP 54.00 mils LEFT", "Outboard foot 28.00 mils UP 74.00 mils LEFT",
          "A = 70.00 in", "C = 50.00 in"},
         {"Bracket side", "D = "}},
    };
    for (const auto& c : cases) {
        const methodtest::Job j = methodtest::job(c.method, c.edit);
        const PdfText text =
            readPdf(reportPdf({jobSection("job.qdl", j.record, j.options)}, DisplayFormat{}));
        for (const auto& line : c.present)
            EXPECT_TRUE(text.has(line)) << c.method << ": " << line << "\n" << text.all();
        for (const auto& line : c.absent) EXPECT_FALSE(text.has(line)) << c.method << ": " << line;
    }
}

// Several projects open with their list and follow in the order given; a verdict and a readings check
// show where the core gives them, nothing where it does not.
TEST(Report, SeveralProjectsOpenWithTheirListAndShowTheVerdictsAndFindingsGiven) {
    ReportSection judged = jobSection("as-found.qdl");
    judged.verdict =
        ReportVerdict{"Acceptable",
                      "Alignment: Acceptable at 1800 rpm (short coupling)",
                      {"Vertical: offset 1.2 mils, angle 0.21 mils/in", "Horizontal: offset 0.4 mils"}};
    judged.findings =
        std::vector<std::string>{"Dial 1: 12:00 + 6:00 = 77 but 3:00 + 9:00 = 48: take the readings again."};
    ProjectRecord asLeft = jobRecord();
    asLeft.Machine = "After overhaul";
    ReportSection consistent = jobSection("as-left.qdl", asLeft);
    consistent.findings = std::vector<std::string>{};
    const PdfText text = readPdf(reportPdf({judged, consistent, jobSection("third.qdl")}, DisplayFormat{}));
    ASSERT_EQ(text.pages.size(), 7u);
    // File, date, machine, method, verdict and the page the section starts on.
    for (const char* row :
         {"1 as-found.qdl 15-Mar-2024 10:30:00 Boiler feed pump BFP-2 Reverse Dial Acceptable 2",
          "2 as-left.qdl 15-Mar-2024 10:30:00 After overhaul Reverse Dial — 4",
          "3 third.qdl 15-Mar-2024 10:30:00 Boiler feed pump BFP-2 Reverse Dial — 6"})
        EXPECT_NE(text.pages[0].find(row), std::string::npos) << row << "\n" << text.pages[0];
    const char* const order[] = {"as-found.qdl", "as-left.qdl", "third.qdl"};
    for (int i = 0; i < 3; ++i) {
        const std::string& first = text.pages[static_cast<std::size_t>(1 + 2 * i)];
        EXPECT_NE(first.find(std::string("Project ") + std::to_string(i + 1) + " of 3"), std::string::npos);
        EXPECT_NE(first.find(std::string("File ") + order[i]), std::string::npos);
    }
    EXPECT_NE(text.pages[6].find("Page 7 of 7"), std::string::npos);
    for (const char* line :
         {"Verdict Alignment: Acceptable at 1800 rpm (short coupling)",
          "Vertical: offset 1.2 mils, angle 0.21 mils/in", "Horizontal: offset 0.4 mils",
          "Readings check • Dial 1: 12:00 + 6:00 = 77 but 3:00 + 9:00 = 48: take the readings again.",
          "Readings check Readings consistent"})
        EXPECT_TRUE(text.has(line)) << line << "\n" << text.all();
}

// 5 000 characters of numbered words: every word is there, once and in order, over the pages it takes.
TEST(Report, ALongCommentRunsOnOverFurtherPagesWithNothingLost) {
    ProjectRecord record = jobRecord();
    record.Comments.clear();
    std::string written, found;
    for (int i = 1; record.Comments.size() < 5000; ++i) {
        record.Comments += "w" + std::to_string(i) + (i % 40 == 0 ? "\r\n" : " ");
        written += "w" + std::to_string(i) + " ";
    }
    const PdfText text = readPdf(reportPdf({jobSection("bfp-2.qdl", record)}, DisplayFormat{}));
    EXPECT_GT(text.pages.size(), 2u);  // the job alone takes two
    for (const auto& word : text.words())
        if (word.size() > 1 && word[0] == 'w' && word.find_first_not_of("0123456789", 1) == std::string::npos)
            found += word + " ";
    EXPECT_EQ(found, written);
    // A name longer than its field wraps in the header instead of running off the page.
    record.Machine = std::string(300, 'M');
    const PdfText name = readPdf(reportPdf({jobSection("bfp-2.qdl", record)}, DisplayFormat{}));
    std::string letters;
    for (const char ch : name.pages[0]) letters += ch == 'M' ? "M" : "";
    EXPECT_GE(letters.size(), 300u);
}

// In metric every value shows in millimetres and degrees Celsius: readings in hundredths as the
// boxes show them (13 mils is 0.3302 mm, -46 is -1.1684), lengths to a tenth (20 in is 508.0 mm),
// moves as the result lines (18.5 mils is 0.4699 mm, 4 is 0.1016), the offset of 8.333 mils as
// 0.212 mm; the verdict and the readings check come in the same units.
TEST(Report, MetricReportShowsMillimetresWithItsVerdictAndFindings) {
    CalcOptions options;
    options.units = UnitSystem::Metric;
    ReportSection section = jobSection("bfp-2.qdl", jobRecord(), options);
    addVerdictAndFindings(section);
    const PdfText text = readPdf(reportPdf({section}, DisplayFormat{UnitSystem::Metric}));
    for (const char* line :
         {"Units Metric (mm, °C)", "Dial readings (mm)", "Sag: 0.00 mm", "A = 508.0 mm",
          "Foot 3 (moveable machine, inner) 0.470 mm DOWN 0.102 mm RIGHT", "Coupling span 254.0 mm",
          "Acceptable Offset: 0.212 mm", "Position along the shafts (mm)",
          "Verdict Alignment: Out of tolerance at 1800 rpm (short coupling)",
          "• Dial 1: 12:00 + 6:00 = 1.96 but 3:00 + 9:00 = 1.22 (0.737 mm apart)"})
        EXPECT_TRUE(text.has(line)) << line << "\n" << text.all();
    for (const char* reading : {"0.33", "-1.17"}) EXPECT_TRUE(text.hasWord(reading)) << reading;
    EXPECT_FALSE(text.has("mils") || text.has("°F") || text.hasWord("in") || text.has("(in)")) << text.all();
}

// An aborted calculation still makes a report that says why, with no moves and no graph lines.
TEST(Report, AnAbortedCalculationIsReportedAsSuch) {
    ProjectRecord record = jobRecord();
    record.Station = {0, 0, 0, 1};
    const PdfText text = readPdf(reportPdf({jobSection("bfp-2.qdl", record)}, DisplayFormat{}));
    EXPECT_TRUE(text.has("Aborting Reverse Dial calculations You must check 2 stationary machine feet."));
    EXPECT_TRUE(text.has("Stationary feet (hatched): 4."));
    EXPECT_FALSE(text.has("Machine Foot") || text.has("Fixed machine Moveable machine"));
}

// The report painted on paper of the given size and margins (millimetres), as its PDF text.
PdfText onPaper(QPageSize::PageSizeId paper, double margin, const std::vector<ReportSection>& sections) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    EXPECT_TRUE(buffer.open(QIODevice::WriteOnly));
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(QPageLayout(QPageSize(paper), QPageLayout::Portrait,
                                         QMarginsF(margin, margin, margin, margin), QPageLayout::Millimeter));
        EXPECT_TRUE(paintReport(writer, sections, DisplayFormat{}));
    }
    return readPdf(bytes);
}

// Rim and face, A 10, B 20, face diameter 8, bracket on the fixed machine, 3600 rpm (offset limits
// 1.0 / 1.5 mils, angle 0.2 / 0.3 mils/in). As found, rim {0, 3, 2, -1} and face {0, 1, 0.5, -0.5}:
// vertical offset R6/2 = 1, angle -1.25/20 = -0.0625; horizontal offset 2, angle -0.1875 (the
// verdict test works these out); the feet Vn = -0.375, Vf = 0.875, Hn = -0.125, Hf = 3.625.
// As left, every reading 0.
TEST(Report, AsFoundAndAsLeftOpenWithTheirComparison) {
    ProjectRecord found;
    setDefaults(found);
    methodtest::readings(found, kMethodRimFace, {0, 3, 2, -1}, {0, 1, 0.5f, -0.5f});
    found.length(kMethodRimFace, 0) = 10;
    found.length(kMethodRimFace, 1) = 20;
    found.FaceDia1 = 8;
    found.RPM = 3600;
    found.Machine = "P-101";
    ProjectRecord left = found;
    left.Dial1Reading = {};
    left.Dial2Reading = {};
    ViewOptions view;
    view.method = kMethodRimFace;
    const std::vector<ReportSection> sections = {
        makeOpenedSection("found.qdl", found, view, UnitSystem::English, JobStage::AsFound),
        makeOpenedSection("left.qdl", left, view, UnitSystem::English, JobStage::AsLeft)};
    const PdfText text = readPdf(reportPdf(sections, DisplayFormat{}));
    ASSERT_EQ(text.pages.size(), 5u);
    const std::string& first = text.pages[0];
    for (const char* row :
         {"As found and as left", "Machine: P-101. As found: found.qdl. As left: left.qdl.",
          "Vertical offset 1.000 0.00 mils", "Vertical angle -0.063 0.00 mils/in",
          "Vertical verdict Excellent Excellent", "Horizontal offset 2.000 0.00 mils",
          "Horizontal angle -0.188 0.00 mils/in", "Horizontal verdict Out of tolerance Excellent",
          "Verdict Out of tolerance Excellent", "Near foot 0.375 mils DOWN 0.125 mils RIGHT",
          "Far foot 0.875 mils UP 3.625 mils LEFT"})
        EXPECT_NE(first.find(row), std::string::npos) << row << "\n in: " << first;
    EXPECT_EQ(first.find("List of projects"), std::string::npos);
    // Each stage's own section is headed by its name.
    EXPECT_NE(text.pages[1].find("Shaft Alignment Report As found"), std::string::npos) << text.pages[1];
    EXPECT_NE(text.pages[3].find("Shaft Alignment Report As left"), std::string::npos) << text.pages[3];
}

// Laid out for the area A4 and Letter share: the same pages and words on Letter paper. A page smaller
// than both is shrunk, never cut.
TEST(Report, LetterPaperShowsTheSamePages) {
    const std::vector<ReportSection> sections = {jobSection()};
    const PdfText onA4 = readPdf(reportPdf(sections, DisplayFormat{}));
    const PdfText onLetter = onPaper(QPageSize::Letter, 12.7, sections);
    ASSERT_EQ(onLetter.pages.size(), onA4.pages.size());
    EXPECT_EQ(onLetter.words(), onA4.words());
    EXPECT_EQ(onPaper(QPageSize::A5, 10, sections).words(), onA4.words());
}

// A report saved over an older, longer one leaves nothing of the old one behind: a PDF reader
// looks for the cross-reference table at the end of the file.
TEST(ReportFile, AShorterReportReplacesALongerFileWhole) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("job.pdf"));
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(100000, 'x') + "OLD-TAIL");
    }
    const QByteArray pdf = "%PDF-1.4 short report %%EOF\n";
    ASSERT_TRUE(writeFileReplacing(path, pdf));
    QFile back(path);
    ASSERT_TRUE(back.open(QIODevice::ReadOnly));
    EXPECT_EQ(back.readAll(), pdf);
}

// The printed graphs: the range each shows and where its lines run. A graph mirrored left to right
// or upside down reads as the opposite move, and no text test can see that.
TEST(ReportGraph, RangesHoldEveryPointDrawnOnThe125Series) {
    const struct {
        const char* name;
        PlotData fixed, moveable;
        bool band;
        UnitSystem units;
        double xMin, xMax, yMax;
    } cases[] = {
        // clang-format off
        {"moveable line only", {}, {{0, 40}, {-10, 30}}, false, UnitSystem::English, 0, 40, 50},
        {"fixed line behind the coupling", {{-12, 0}, {4, 0}}, {{0, 40}, {0, 8}}, false, UnitSystem::English,
         -12, 40, 10},
        {"band shown", {}, {{0, 40}, {-10, 30}}, true, UnitSystem::English, 0, 40, 100},
        {"metric", {}, {{0, 40}, {-10, 30}}, false, UnitSystem::Metric, 0, 1016, 1},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        GraphResult graph;
        graph.xMax = 40;
        if (!c.fixed.x.empty()) graph.fixedMachine = c.fixed;
        graph.moveableMachine = c.moveable;
        graph.band.state = ToleranceBand::State::Drawn;
        graph.band.corners = PlotData{{20, 24, 24, 20, 20}, {60, 60, -60, -60, 60}};
        const report::GraphRanges r = report::graphRanges(graph, c.band, DisplayFormat{c.units});
        EXPECT_DOUBLE_EQ(r.xMin, c.xMin);
        EXPECT_DOUBLE_EQ(r.xMax, c.xMax);
        EXPECT_DOUBLE_EQ(r.yMax, c.yMax);
    }
}

TEST(ReportGraph, EachLineRunsFromItsFirstPointToItsLastInItsDirection) {
    const struct {
        const char* name;
        float yStart, yEnd;
    } cases[] = {{"rising", -10, 30}, {"falling", 30, -10}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        GraphResult graph;
        graph.xMax = 40;
        graph.moveableMachine = PlotData{{0, 40}, {c.yStart, c.yEnd}};
        // A graph of 120 x 80 mm, as the page has it, at 5 pixels a millimetre.
        const QRectF area(0, 0, report::mm(120), report::mm(80));
        const double scale = 5 / report::mm(1);
        QImage image(600, 400, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter p(&image);
            p.scale(scale, scale);
            report::paintGraph(p, area, graph, false, DisplayFormat{}, report::makeStyle(), QString());
        }
        // The machine line is the only coloured ink: find its two ends.
        int left = image.width(), right = -1, leftY = 0, rightY = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor px = image.pixelColor(x, y);
                const auto [low, high] = std::minmax({px.red(), px.green(), px.blue()});
                if (high - low < 150) continue;
                if (x < left) left = x, leftY = y;
                if (x > right) right = x, rightY = y;
            }
        ASSERT_GE(right, 0) << "no line drawn";
        const int highEnd = c.yEnd > c.yStart ? rightY : leftY;
        const int lowEnd = c.yEnd > c.yStart ? leftY : rightY;
        EXPECT_LT(highEnd, lowEnd);
        // The plot stands 5.5 mm below the top and 9 mm above the bottom, 13 mm from the left and
        // 3 mm from the right; Y runs -50..50 mils over its height.
        const double plotTop = 5.5 * 5, plotBottom = 400 - 9 * 5, zero = (plotTop + plotBottom) / 2;
        const double half = (plotBottom - plotTop) / 2;
        EXPECT_NEAR(highEnd, zero - 0.6 * half, 5);
        EXPECT_NEAR(lowEnd, zero + 0.2 * half, 5);
        // From the plane at 0 (the plot's left edge) to the last foot at 40 (its right edge); the
        // round points reach 1 mm past each end.
        EXPECT_NEAR(left, 13 * 5 - 4, 3);
        EXPECT_NEAR(right, 600 - 3 * 5 + 4, 3);
    }
}

// The drawing marks the stationary feet asked for, at those feet and nowhere else: under each foot of
// the moveable machine (feet 3 and 4 of the reverse dial drawing at x 282 and 366) in turn.
TEST(MachineSketch, MarksOnlyTheStationaryFeetAskedFor) {
    const auto draw = [](const std::array<bool, 4>& feet) {
        QImage image(MachineSketch::kWidth, MachineSketch::kHeight, QImage::Format_RGB32);
        QPainter p(&image);
        MachineSketch::Options options;
        options.stationaryFeet = feet;
        MachineSketch::paint(p, MachineKind::ReverseDial, QRectF(0, 0, image.width(), image.height()),
                             options);
        return image;
    };
    const QImage plain = draw({false, false, false, false});
    const struct {
        std::array<bool, 4> feet;
        int x;
    } cases[] = {{{false, false, true, false}, 282}, {{false, false, false, true}, 366}};
    for (const auto& c : cases) {
        const QImage marked = draw(c.feet);
        int changed = 0;
        for (int y = 0; y < plain.height(); ++y)
            for (int x = 0; x < plain.width(); ++x) {
                if (marked.pixel(x, y) == plain.pixel(x, y)) continue;
                ++changed;
                EXPECT_LE(std::abs(x - c.x), 15) << "drawn at " << x << "," << y;
            }
        EXPECT_GT(changed, 150) << c.x;
    }
}

// The foot ledger prints as its own part: each foot checked with its verdict, and per foot the shims
// on file, what comes out and goes in for the move, and the stack left. Foot 3 moves 18.5 mils down
// on a 20-mil shim: pulled, a 2 goes back (a 1 would take it 0.5 too far, the 2 leaves 0.5 to go).
TEST(Report, TheFootLedgerPrintsAsItsOwnPart) {
    ProjectRecord record = jobRecord();
    record.ReservedText = "CorvaneFeet=1;f3L=4.5,parallel,2,0.5;f4R=3,,,;s3=20";
    const PdfText text = readPdf(reportPdf({jobSection("bfp-2.qdl", record)}, DisplayFormat{}));
    for (const char* line : {"Soft foot: a lift over 2.0 mils is corrected before the readings.",
                             "3 left 4.5 Parallel 2.000 0.5 Corrected",
                             "4 right 3.0 Not judged \u2013 \u2013 Soft foot", "3 20 20 2 2"})
        EXPECT_TRUE(text.has(line)) << line << "\n" << text.all();
    EXPECT_FALSE(readPdf(reportPdf({jobSection()}, DisplayFormat{})).has("Soft foot: a lift over"));
}

}  // namespace
}  // namespace corvane

int main(int argc, char** argv) {
    // Fonts need Qt Gui; a test run has no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
