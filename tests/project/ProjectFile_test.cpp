#include "project/ProjectFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>

namespace corvane {
namespace {

namespace fs = std::filesystem;

std::vector<unsigned char> readBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

float floatAt(const std::vector<unsigned char>& bytes, std::size_t offset) {
    std::uint32_t bits = 0;
    for (int i = 0; i < 4; ++i) bits |= static_cast<std::uint32_t>(bytes.at(offset + i)) << (8 * i);
    return std::bit_cast<float>(bits);
}

double doubleAt(const std::vector<unsigned char>& bytes, std::size_t offset) {
    std::uint64_t bits = 0;
    for (int i = 0; i < 8; ++i) bits |= static_cast<std::uint64_t>(bytes.at(offset + i)) << (8 * i);
    return std::bit_cast<double>(bits);
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

class TempFolder : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        folder_ = fs::temp_directory_path() / ("corvane-file-" + std::string(info->name()) + "-" +
                                               std::to_string(std::random_device{}()));
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }
    std::string path(const std::string& name) const { return (folder_ / name).string(); }

    fs::path folder_;
};

TEST(ProjectLayout, SizeAndGrowthOffsetFollowTheTexts) {
    struct Case {
        const char* name;
        std::function<void(ProjectRecord&)> set;
        std::size_t size;
    };
    const Case cases[] = {
        {"all texts empty", [](ProjectRecord&) {}, 330},
        {"machine of three characters", [](ProjectRecord& r) { r.Machine = "abc"; }, 333},
        {"accents take one byte each", [](ProjectRecord& r) { r.Comments = "é€ü"; }, 333},
    };
    for (const auto& c : cases) {
        ProjectRecord r;
        c.set(r);
        r.growth(0, 0) = 1.5f;
        r.growth(2, 5) = -2.5f;
        r.DateStamp = 12345.5;
        const auto bytes = encodeProject(r);
        const std::size_t growthAt = c.size - 80;
        ASSERT_EQ(bytes.size(), c.size) << c.name;
        EXPECT_EQ(floatAt(bytes, growthAt), 1.5f) << c.name;
        EXPECT_EQ(floatAt(bytes, growthAt + 4 * 17), -2.5f) << c.name;
        EXPECT_EQ(doubleAt(bytes, c.size - 8), 12345.5) << c.name;
    }
}

// The fixture was written byte by byte from the layout, not by this code; corvane-cli's dump test
// reads every one of its fields.
TEST(ProjectLayout, MatchesFilesMadeFromTheLayoutIndependently) {
    const auto bytes = readBytes(fs::path(CORVANE_FIXTURES) / "texts.qdl");
    const ProjectRecord r = decodeProject(bytes.data(), bytes.size());
    EXPECT_EQ(r.length(2, 4), 15.5f);
    EXPECT_EQ(r.dial2(2, 0), 102.75f);
    EXPECT_EQ(r.Material, 3);
    EXPECT_EQ(r.FaceDia2, 8.5f);
    EXPECT_EQ(r.FaceDia1, 6.25f);
    EXPECT_EQ(r.Station, (std::array<std::int16_t, 4>{0, 1, 1, 0}));
    EXPECT_EQ(r.ReservedText, "raw \u0081\u008d\u008f\u0090\u009d");
    EXPECT_EQ(r.Comments, "Kupplung € 0,5 mm\r\nzweite Zeile \"ok\"\ttab");
    EXPECT_EQ(r.M2Text, "Pumpe ü");
    EXPECT_EQ(r.growth(1, 5), 8.0f);
    EXPECT_EQ(r.DateStamp, 45366.4375);
    // Writing it again gives the very same bytes, including the code page's unused ones.
    EXPECT_EQ(encodeProject(r), bytes);
}

TEST(Cp1252, ConvertsBothWaysAndKeepsEveryByte) {
    const struct {
        const char* utf8;
        const char* bytes;
    } cases[] = {
        {"plain", "plain"},
        {"é ü ÿ", "\xE9 \xFC \xFF"},
        {"€‚ƒ„…†‡ˆ‰Š‹ŒŽ", "\x80\x82\x83\x84\x85\x86\x87\x88\x89\x8A\x8B\x8C\x8E"},
        {"‘’“”•–—˜™š›œžŸ", "\x91\x92\x93\x94\x95\x96\x97\x98\x99\x9A\x9B\x9C\x9E\x9F"},
        {"\u00A0¿", "\xA0\xBF"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(utf8ToCp1252(c.utf8), c.bytes) << c.utf8;
        EXPECT_EQ(cp1252ToUtf8(c.bytes), c.utf8) << c.utf8;
    }
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(all)), all);
}

TEST(Cp1252, CharactersTheCodePageLacksBecomeQuestionMarks) {
    const std::pair<std::string, std::string> cases[] = {
        {"日本", "??"},          {"a😀b", "a?b"},  // four-byte character: one mark, not two
        {"\u0080", "?"},                          // C1 control that the code page uses for €
        {"x\xFFy", "x?y"},                        // not UTF-8 at all
        {"\xC3", "?"},                            // cut short
        {"\xED\xA0\x80", "???"},                  // surrogate
    };
    for (const auto& [utf8, bytes] : cases) EXPECT_EQ(utf8ToCp1252(utf8), bytes) << utf8;
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

// A file cut anywhere loads what it holds: every field wholly there keeps its value, a text keeps
// the bytes that are there, and everything after the cut is 0 or empty.
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
    const struct {
        std::size_t cut;
        std::string machine, m2;
        bool growth;
    } cases[] = {
        {247, "Café", "", false},  // inside the machine name
        {bytes.size() - 81, full.Machine, "Mülle", false},
        {bytes.size() - 4, full.Machine, full.M2Text, true},  // inside the date stamp
    };
    for (const auto& c : cases) {
        const ProjectRecord r = decodeProject(bytes.data(), c.cut);
        EXPECT_EQ(r.ReservedText, "r") << c.cut;
        EXPECT_EQ(r.Machine, c.machine) << c.cut;
        EXPECT_EQ(r.M2Text, c.m2) << c.cut;
        EXPECT_EQ(r.Growth, c.growth ? full.Growth : ProjectRecord{}.Growth) << c.cut;
        EXPECT_EQ(r.DateStamp, 0.0) << c.cut;
    }
    EXPECT_EQ(decodeProject(bytes.data(), bytes.size()), full);
}

TEST(ProjectDecode, HostileCountsTakeOnlyTheBytesThatAreThere) {
    struct Case {
        const char* name;
        std::vector<unsigned char> tail;  // after the 238 fixed bytes
        std::string reservedText;
        std::string machine;
    };
    const Case cases[] = {
        {"largest count, nothing after it", {0xFF, 0xFF}, "", ""},
        {"largest count, three bytes", {0xFF, 0xFF, 'a', 'b', 'c'}, "abc", ""},
        {"count one past the end", {3, 0, 'a', 'b'}, "ab", ""},
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
        EXPECT_EQ(r.DateStamp, 0.0) << c.name;
    }
}

TEST(SettingsFormat, LoadsAndSavesTheRecentList) {
    const auto bytes = readBytes(fs::path(CORVANE_FIXTURES) / "recent.ini");
    const std::array<std::string, 5> expected{"/home/tech/jobs/P-101.qdl", "/home/tech/jobs/Müller.qdl", "",
                                              "/tmp/x.qdl", ""};
    EXPECT_EQ(decodeSettings(bytes.data(), bytes.size()), expected);
    EXPECT_EQ(encodeSettings(expected), bytes);
    EXPECT_EQ(encodeSettings({}), std::vector<unsigned char>(10, 0));
    // Cut in the second entry: the first stays, the second keeps what is there.
    const auto cut = decodeSettings(bytes.data(), 2 + 25 + 2 + 5);
    EXPECT_EQ(cut, (std::array<std::string, 5>{expected[0], "/home", "", "", ""}));
}

using ProjectFileOnDisk = TempFolder;

TEST_F(ProjectFileOnDisk, SavingAShorterRecordLeavesTheOldTailAndLoadsEveryField) {
    ProjectRecord r = distinctRecord();
    r.Comments = "twenty characters!!!";
    ASSERT_TRUE(writeProject(path("job.qdl"), r));
    const auto longSize = fs::file_size(path("job.qdl"));
    r.Comments = "ten chars!";
    r.growth(2, 5) = -9.5f;
    ASSERT_TRUE(writeProject(path("job.qdl"), r));
    EXPECT_EQ(fs::file_size(path("job.qdl")), longSize);
    EXPECT_EQ(encodeProject(r).size() + 10, longSize);
    ProjectRecord back;
    back.Machine = "left over from the last project";
    ASSERT_TRUE(readProject(path("job.qdl"), back));
    EXPECT_EQ(back, r);
}

TEST_F(ProjectFileOnDisk, FailuresAreReportedWithAReasonAndLeaveTheRecordAlone) {
    ProjectRecord r = distinctRecord();
    fs::create_directory(path("folder.qdl"));
    for (const char* name : {"missing.qdl", "no/such/folder/job.qdl", "folder.qdl"}) {
        std::string readReason, writeReason;
        EXPECT_FALSE(readProject(path(name), r, &readReason)) << name;
        EXPECT_EQ(r, distinctRecord()) << name;
        EXPECT_FALSE(readReason.empty()) << name;
        if (std::string(name) != "missing.qdl") {
            EXPECT_FALSE(writeProject(path(name), r, &writeReason)) << name;
            EXPECT_FALSE(writeReason.empty()) << name;
        }
    }
}

TEST_F(ProjectFileOnDisk, AMissingSettingsFileReadsEmptyAndIsCreated) {
    std::array<std::string, 5> recent{"stale", "", "", "", ""};
    ASSERT_TRUE(readSettings(path("Corvane.ini"), recent));
    EXPECT_EQ(recent, (std::array<std::string, 5>{}));
    EXPECT_EQ(fs::file_size(path("Corvane.ini")), 0u);

    const std::array<std::string, 5> list{"/a/é.qdl", "/b.qdl", "", "", "/c.qdl"};
    ASSERT_TRUE(writeSettings(path("Corvane.ini"), list));
    ASSERT_TRUE(readSettings(path("Corvane.ini"), recent));
    EXPECT_EQ(recent, list);
}

}  // namespace
}  // namespace corvane
