// The readings check: which dials and boxes a finding names, its numbers and its sentence.

#include "calc/judging/ReadingsCheck.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "MethodTestSupport.h"
#include "project/RimFaceSag.h"

namespace corvane {
namespace {

using namespace methodtest;
using K = FindingKind;
constexpr int kRD = kMethodReverseDial, kRF = kMethodRimFace, kJS = kMethodJackShaft;

// Readings at 12:00, 3:00, 6:00, 9:00.
using Readings = std::array<float, 4>;

struct Dials {
    int method = kRD;
    int rotation = 0;
    Readings dial1{0, 0, 0, 0};
    Readings dial2{0, 0, 0, 0};
    float sag = 0;
    float rimSag = 0;  // the rim-and-face bracket's own
};

std::vector<ReadingFinding> check(const Dials& s) {
    const Job j = job(s.method, [&](R& r, O& o) {
        readings(r, s.method, s.dial1, s.dial2);
        r.Sag = s.sag;
        r.ReservedText = encodeRimFaceSag(s.rimSag, r.ReservedText);
        o.rotation = s.rotation;
    });
    return checkReadings(j.record, j.options);
}

// A full turn obeys 12:00 + 6:00 = 3:00 + 9:00 within the larger of 1 mil and a tenth of the larger
// sum. Binary fractions keep every sum exact, so "at the limit" is exactly at it; a difference
// counts as over only when it shows over to the sentence's three decimals.
TEST(ReadingsCheck, ValidityRuleBoundaries) {
    const struct {
        const char* name;
        Readings dial1;
        bool fails;
        double sum12And6, sum3And9, allowed;
    } cases[] = {
        // clang-format off
        {"1 mil apart, small sums",        {0, 1, 0, 0},            false, 0, 1, 1},
        {"just over 1 mil",                {0, 1.0625f, 0, 0},      true,  0, 1.0625, 1},
        // 10 % of the smaller sum would be 4.5: the larger one sets the allowance.
        {"10 % of 50 exactly",             {0, 25, 45, 25},         false, 45, 50, 5},
        {"just over 10 %",                 {0, 25.03125f, 45, 25.03125f}, true, 45, 50.0625, 5.00625},
        {"negative sums: their size counts", {0, -25, -45, -25},    false, -45, -50, 5},  // not 1 mil
        // Typed decimals are stored as Singles: 2.13 - 1.13 comes out 1.0000001, 10.5 - 9.45 as
        // 1.0500002 against 1.05; still exactly at the limit as the user typed and sees them.
        {"1 mil once stored",              {0, 2.13f, 1.13f, 0},    false, 0, 0, 0},
        {"10 % once stored",               {0, 10.5f, 9.45f, 0},    false, 0, 0, 0},
        {"12:00 counts in the sum",        {10, 25, 35, 25},        false, 45, 50, 5},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        // The 12:00 case is read at 12:00 too; only the validity findings are looked at here.
        std::vector<ReadingFinding> found = check({.dial1 = c.dial1});
        std::erase_if(found, [](const ReadingFinding& f) { return f.kind != K::Validity; });
        ASSERT_EQ(found.size(), c.fails ? 1u : 0u);
        if (!c.fails) continue;
        const ReadingFinding& f = found[0];
        EXPECT_EQ(f.sum12And6, c.sum12And6);
        EXPECT_EQ(f.sum3And9, c.sum3And9);
        EXPECT_EQ(f.difference, c.sum12And6 - c.sum3And9);
        EXPECT_DOUBLE_EQ(f.allowed, c.allowed);
    }
}

// Each finding: kind, dial, the boxes it marks and the sentence, in dial order then the sag.
TEST(ReadingsCheck, FindingsPerMethodAndRotation) {
    struct Expected {
        K kind;
        int dial;
        std::array<bool, 4> boxes;
        std::string message;
    };
    constexpr std::array<bool, 4> at12{true, false, false, false}, all{true, true, true, true}, none{};
    const struct {
        const char* name;
        Dials setup;
        std::vector<Expected> expected;
    } cases[] = {
        {"consistent readings", {.dial1 = {0, 20, 50, 30}, .dial2 = {0, -20, -50, -30}, .sag = 2}, {}},
        {"full rotation: 12:00 not 0, dial 2 before the sag",
         {.dial1 = {5, 0, 0, 0}, .dial2 = {-2.5f, 0, -2.5f, 0}, .sag = -3},
         {{K::NotZeroed, 1, at12,
           "Dial 1: the 12:00 reading is 5, not 0: set the dial to 0 at 12:00 and take the readings again."},
          {K::Validity, 1, all,
           "Dial 1: 12:00 + 6:00 = 5 but 3:00 + 9:00 = 0 (5.0 mils apart): take the readings again."},
          {K::NotZeroed, 2, at12,
           "Dial 2: the 12:00 reading is -2.5, not 0: set the dial to 0 at 12:00 and take the readings "
           "again."},
          {K::Validity, 2, all,
           "Dial 2: 12:00 + 6:00 = -5 but 3:00 + 9:00 = 0 (5.0 mils apart): take the readings again."},
          {K::SagSign, 0, none,
           "The sag is -3 mils, but a sagging bracket reads low and its correction is positive: enter 3."}}},
        // The half turn reads 12:00 and 3:00 against a zero at 9:00 and has no 6:00 reading to check;
        // the 9:00 and 6:00 readings kept are those of a full turn, which are no finding of a half.
        {"half rotation: the full turn's 9:00 kept, no validity rule",
         {.rotation = 1, .dial1 = {7, 20, 99, 0}, .dial2 = {0, 0, 0, 0.25f}},
         {}},
        // The other methods always read a full turn, whatever the rotation list shows; the sag is not theirs.
        {"rim and face names its dials",
         {.method = kRF, .rotation = 1, .dial1 = {1, 1, 0, 0}, .dial2 = {0, 2, 0, 0}, .sag = -1},
         {{K::NotZeroed, 1, at12,
           "Rim dial: the 12:00 reading is 1, not 0: set the dial to 0 at 12:00 and take the readings "
           "again."},
          {K::Validity, 2, all,
           "Face dial: 12:00 + 6:00 = 0 but 3:00 + 9:00 = 2 (2.0 mils apart): take the readings again."}}},
        {"rim and face: a negative sag of its own",
         {.method = kRF, .rimSag = -2},
         {{K::SagSign, 0, none,
           "The sag is -2 mils, but a sagging bracket reads low and its correction is positive: enter 2."}}},
        {"jack shaft names its dials",
         {.method = kJS, .dial1 = {0.001f, 0, 0, 0}, .dial2 = {0, 0, 1.5f, -0.0625f}},
         {{K::NotZeroed, 1, at12,
           "Fixed face dial: the 12:00 reading is 1.0E-03, not 0: set the dial to 0 at 12:00 and take the "
           "readings again."},
          {K::Validity, 2, all,
           "Moveable face dial: 12:00 + 6:00 = 1.5 but 3:00 + 9:00 = -0.06 (1.563 mils apart): take the "
           "readings again."}}},
        // A number that is not finite has no result to check; the calculation already says so.
        {"non-finite readings are left to the calculation",
         {.dial1 = {NAN, 0, 0, 0}, .dial2 = {0, INFINITY, 0, 0}, .sag = -INFINITY},
         {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<ReadingFinding> found = check(c.setup);
        ASSERT_EQ(found.size(), c.expected.size());
        for (std::size_t i = 0; i < found.size(); ++i) {
            EXPECT_EQ(found[i].kind, c.expected[i].kind) << i;
            EXPECT_EQ(found[i].dial, c.expected[i].dial) << i;
            EXPECT_EQ(found[i].positions, c.expected[i].boxes) << i;
            // The sentence is built from the finding's numbers alone: it shows that they are right.
            EXPECT_EQ(found[i].message, c.expected[i].message) << i;
        }
    }
}

}  // namespace
}  // namespace corvane
