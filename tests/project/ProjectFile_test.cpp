#include "project/ProjectFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "ProcessTestSupport.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;
using Recent = std::array<std::string, 5>;

std::vector<unsigned char> readBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Every field a value of its own, so that a field written at the wrong place shows.
ProjectRecord distinctRecord() {
    ProjectRecord r;
    for (std::size_t i = 0; i < r.Length.size(); ++i) r.Length[i] = 100.0f + i;
    for (std::size_t i = 0; i < r.Dial1Reading.size(); ++i) r.Dial1Reading[i] = 200.0f + i;
    for (std::size_t i = 0; i < r.Dial2Reading.size(); ++i) r.Dial2Reading[i] = -300.0f - i;
    r.Span = 401;
    r.RPM = 402;
    r.Material = -2;
    r.HotTemp = {501, 502, 503, 504};
    r.ColdTemp = {601, 602, 603, 604};
    r.Reserved1 = 701;
    r.FaceDia2 = 702;
    r.FaceDia1 = 703;
    r.Sag = 704;
    r.Station = {1, 0, -1, 32767};
    r.FootHeight = {801, 802, 803, 804};
    r.ReservedText = "r";
    r.Machine = "Café pump";
    r.Technician = "Jürgen";
    r.Comments = "Cost 5 €\r\nsecond line";
    r.M1Text = "M1";
    r.M2Text = "Müller";
    for (std::size_t i = 0; i < r.Growth.size(); ++i) r.Growth[i] = 0.25f * i;
    r.DateStamp = 45366.4375;
    return r;
}

using ProjectFileOnDisk = FolderTest;

// The fixture was written byte by byte from the layout, not by this code: texts with characters of
// more than one UTF-8 byte, the growth block after them and the stamp last.
TEST(ProjectLayout, MatchesFilesMadeFromTheLayoutIndependently) {
    const auto bytes = readBytes(fs::path(CORVANE_FIXTURES) / "texts.qdl");
    const ProjectRecord r = decodeProject(bytes.data(), bytes.size());
    EXPECT_EQ(r.dial2(2, 0), 102.75f);
    EXPECT_EQ(r.Comments, "Kupplung € 0,5 mm\r\nzweite Zeile \"ok\"\ttab");
    EXPECT_EQ(r.M2Text, "Pumpe ü");
    EXPECT_EQ(r.growth(1, 5), 8.0f);
    EXPECT_EQ(r.DateStamp, 45366.4375);
    // Writing it again gives the very same bytes, including the code page's unused ones.
    EXPECT_EQ(encodeProject(r), bytes);
}

// Accents go both ways, every code page byte round-trips, anything else is one "?" per character.
TEST(Cp1252, ConvertsBothWaysAndMarksWhatItCannotHold) {
    const std::pair<std::string, std::string> both[] = {{"é ü ÿ", "\xE9 \xFC \xFF"},
                                                        {"€‚Ž‘ŸŒ", "\x80\x82\x8E\x91\x9F\x8C"}};
    for (const auto& [utf8, bytes] : both) {
        EXPECT_EQ(utf8ToCp1252(utf8), bytes) << utf8;
        EXPECT_EQ(cp1252ToUtf8(bytes), utf8) << utf8;
    }
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(all)), all);
    const std::pair<std::string, std::string> lacking[] = {{"日本", "??"},  {"a😀b", "a?b"},
                                                           {"\u0080", "?"}, {"x\xFFy", "x?y"},
                                                           {"\xC3", "?"},   {"\xED\xA0\x80", "???"}};
    for (const auto& [utf8, bytes] : lacking) EXPECT_EQ(utf8ToCp1252(utf8), bytes) << utf8;
    // What the comments window warns about: each character that would become "?", once.
    const std::pair<std::string, std::string> named[] = {
        {"Müller € 0,5 mm", ""}, {"日本 日", "日本"}, {"a😀b😀", "😀"}, {"Ω ≤ 5 µm", "Ω≤"}};
    for (const auto& [utf8, lacking] : named) EXPECT_EQ(charactersCp1252Lacks(utf8), lacking) << utf8;
}

TEST(ProjectDecode, ATextLongerThanTheCountCanHoldIsCut) {
    ProjectRecord r;
    r.Comments = std::string(70000, 'x');
    r.M1Text = "after";
    r.growth(0, 0) = 3.0f;
    const auto bytes = encodeProject(r);
    ASSERT_EQ(bytes.size(), 330u + 65535 + 5);
    const ProjectRecord back = decodeProject(bytes.data(), bytes.size());
    EXPECT_EQ(back.Comments, std::string(65535, 'x'));
    EXPECT_EQ(back.M1Text, "after");
    EXPECT_EQ(back.growth(0, 0), 3.0f);
}

// A file cut anywhere keeps every whole field and the text bytes there; the rest is 0 or empty.
TEST(ProjectDecode, AFileCutAnywhereLoadsWhatItHolds) {
    const ProjectRecord full = distinctRecord();
    const auto bytes = encodeProject(full);
    std::vector<std::size_t> ends{0};  // where each fixed field ends
    const std::pair<int, std::size_t> fields[] = {{41, 4}, {1, 2}, {12, 4}, {4, 2}, {4, 4}};
    for (const auto& [count, size] : fields)
        for (int i = 0; i < count; ++i) ends.push_back(ends.back() + size);
    ASSERT_EQ(ends.back(), 238u);
    for (std::size_t cut = 0; cut <= 238; ++cut) {
        const auto again = encodeProject(decodeProject(bytes.data(), cut));
        const auto whole =
            static_cast<std::ptrdiff_t>(*std::prev(std::upper_bound(ends.begin(), ends.end(), cut)));
        ASSERT_EQ(again.size(), 330u);
        ASSERT_TRUE(std::equal(bytes.begin(), bytes.begin() + whole, again.begin())) << "cut after " << cut;
        ASSERT_EQ(std::count(again.begin() + whole, again.end(), 0), 330 - whole) << "cut after " << cut;
    }
    // Cut inside the machine name, inside the last text, inside the date stamp.
    EXPECT_EQ(decodeProject(bytes.data(), 247).Machine, "Café");
    const ProjectRecord inText = decodeProject(bytes.data(), bytes.size() - 81);
    EXPECT_EQ(inText.M2Text, "Mülle");
    EXPECT_EQ(inText.Growth, ProjectRecord{}.Growth);
    const ProjectRecord inDate = decodeProject(bytes.data(), bytes.size() - 4);
    EXPECT_EQ(inDate.Growth, full.Growth);
    EXPECT_EQ(inDate.DateStamp, 0.0);
    EXPECT_EQ(decodeProject(bytes.data(), bytes.size()), full);
}

TEST(ProjectDecode, HostileCountsTakeOnlyTheBytesThatAreThere) {
    const struct {
        const char* name;
        std::vector<unsigned char> tail;  // after the 238 fixed bytes
        std::string reservedText, machine;
    } cases[] = {
        {"largest count, three bytes", {0xFF, 0xFF, 'a', 'b', 'c'}, "abc", ""},
        {"half a count", {2, 0, 'a', 'b', 0x07}, "ab", ""},
        {"second text runs out", {1, 0, 'a', 0xFF, 0x7F, 'x'}, "a", "x"},
    };
    for (const auto& c : cases) {
        std::vector<unsigned char> data(238, 0);
        data.insert(data.end(), c.tail.begin(), c.tail.end());
        const ProjectRecord r = decodeProject(data.data(), data.size());
        EXPECT_EQ(r.ReservedText, c.reservedText) << c.name;
        EXPECT_EQ(r.Machine, c.machine) << c.name;
        EXPECT_EQ(r.Technician, "") << c.name;
        EXPECT_EQ(r.Growth, ProjectRecord{}.Growth) << c.name;
    }
}

TEST_F(ProjectFileOnDisk, SavingAShorterRecordLeavesTheOldTailAndLoadsEveryField) {
    ProjectRecord r = distinctRecord();
    r.Comments = "twenty characters!!!";
    ASSERT_TRUE(writeProject(path("job.qdl"), r));
    r.Comments = "ten chars!";
    r.growth(2, 5) = -9.5f;
    ASSERT_TRUE(writeProject(path("job.qdl"), r));
    // The file keeps its length; what the shorter record no longer holds is zeroed, not just past its end.
    std::vector<unsigned char> expected = encodeProject(r);
    expected.resize(expected.size() + 10, 0);
    EXPECT_EQ(readBytes(path("job.qdl")), expected);
    ProjectRecord back;
    back.Machine = "left over from the last project";
    ASSERT_TRUE(readProject(path("job.qdl"), back));
    EXPECT_EQ(back, r);
}

// Writes that fail are the safe write's to report (SafeWrite_test). A pipe is refused at once, not
// waited on.
TEST_F(ProjectFileOnDisk, ReadFailuresAreReportedWithAReasonAndLeaveTheRecordAlone) {
    ProjectRecord r = distinctRecord();
    fs::create_directory(path("folder.qdl"));
    ASSERT_EQ(::mkfifo(path("pipe.qdl").c_str(), 0600), 0);
    const std::pair<const char*, const char*> cases[] = {
        {"missing.qdl", "No such file or directory"},
        {"no/such/folder/job.qdl", "No such file or directory"},
        {"folder.qdl", "Is a directory"},
        {"pipe.qdl", "not a regular file"}};
    for (const auto& [name, why] : cases) {
        std::string reason;
        EXPECT_FALSE(readProject(path(name), r, &reason)) << name;
        EXPECT_EQ(r, distinctRecord()) << name;
        EXPECT_EQ(reason, why) << name;
    }
}

// The recent list: the layout's bytes (names Windows-1252 can hold stored in it), a cut file keeping
// what it holds, an absent file read as empty, and names in any other script coming back as they were.
TEST_F(ProjectFileOnDisk, TheRecentListFile) {
    const auto bytes = readBytes(fs::path(CORVANE_FIXTURES) / "recent.ini");
    const Recent expected{"/home/tech/jobs/P-101.qdl", "/home/tech/jobs/Müller.qdl", "", "/tmp/x.qdl", ""};
    EXPECT_EQ(decodeSettings(bytes.data(), bytes.size()), expected);
    EXPECT_EQ(encodeSettings(expected), bytes);
    EXPECT_EQ(decodeSettings(bytes.data(), 2 + 25 + 2 + 5), (Recent{expected[0], "/home", "", "", ""}));

    Recent recent{"stale", "", "", "", ""};
    ASSERT_TRUE(readSettings(path("Corvane.ini"), recent));
    EXPECT_EQ(recent, Recent{});
    const Recent scripts{"/jobs/Насос-P101.qdl", "/jobs/泵.qdl", "/jobs/Müller.qdl", "", ""};
    ASSERT_TRUE(writeSettings(path("Corvane.ini"), scripts));
    ASSERT_TRUE(readSettings(path("Corvane.ini"), recent));
    EXPECT_EQ(recent, scripts);
}

// What a file that is no project (a text, a file of another program, one cut short) gives away.
TEST(ProjectPlausibility, FilesThatAreNoProjectAreRecognised) {
    ProjectRecord good;
    setDefaults(good);
    good.DateStamp = 45366.4375;
    struct Case {
        const char* name;
        std::vector<unsigned char> bytes;
        std::string why;  // empty: a project
    };
    std::string text;
    for (int i = 0; i < 40; ++i) text += "Shaft alignment notes, line " + std::to_string(i) + ".\n";
    ProjectRecord nanReading = good, hugeLength = good, station = good, material = good, stamp = good,
                  unsaved = good, hidden = good;
    nanReading.dial2(1, 3) = std::nanf("");
    hugeLength.length(2, 4) = 7.27e31f;
    station.Station[2] = 2;
    material.Material = 4;
    stamp.DateStamp = 1999;
    unsaved.DateStamp = 0;
    hidden.Reserved1 = std::nanf("");
    auto cut = encodeProject(good);
    cut.resize(cut.size() - 1);
    const Case cases[] = {
        {"a project", encodeProject(good), ""},
        {"never saved (stamp 0)", encodeProject(unsaved), ""},
        {"a NaN in the hidden field", encodeProject(hidden), ""},
        {"a text file", std::vector<unsigned char>(text.begin(), text.end()), "its texts run past its end"},
        {"cut short by one byte", cut, "its texts run past its end"},
        {"an empty file", {}, "it ends before its texts"},
        {"a NaN reading", encodeProject(nanReading), "it holds readings no dial gives"},
        {"a length no train has", encodeProject(hugeLength), "it holds lengths no machine train has"},
        {"stationary foot 2", encodeProject(station), "its stationary feet are no choice of the program"},
        {"material 4", encodeProject(material), "its material is no choice of the program"},
        {"stamp at the lower bound", encodeProject(stamp), "its date stamp is no date"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(implausibleProject(c.bytes.data(), c.bytes.size()), c.why) << c.name;
}

}  // namespace
}  // namespace corvane
