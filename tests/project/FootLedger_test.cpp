#include "project/FootLedger.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

FootLedger sampleLedger() {
    FootLedger ledger;
    ledger.foot(2, FootSide::Left) = {4.5f, SoftFootKind::Parallel, 2.0f, 0.5f};
    ledger.foot(3, FootSide::Right) = {3.0f, SoftFootKind::Induced, 0.0f, std::nullopt};
    ledger.foot(0, FootSide::Right).asFound = 0.0f;  // measured and flat: kept apart from unmeasured
    ledger.stacks[2] = {10.0f, 5.0f, 2.3f};
    return ledger;
}

// One versioned line beside the view line; another program's text stays after both, through a
// second save and through clearing the ledger.
TEST(FootLedger, IsOneLineBesideTheViewLineWithForeignTextKept) {
    const std::string before = "CorvaneView=1;method=0\nnotes of another tool";
    const std::string line = "CorvaneFeet=1;f1R=0,,,;f3L=4.5,parallel,2,0.5;f4R=3,induced,,;s3=10,5,2.3";
    const std::string saved = encodeFootLedger(sampleLedger(), before);
    EXPECT_EQ(saved, "CorvaneView=1;method=0\n" + line + "\nnotes of another tool");
    EXPECT_EQ(decodeFootLedger(saved), sampleLedger());
    EXPECT_EQ(encodeFootLedger(sampleLedger(), saved), saved);
    EXPECT_EQ(encodeFootLedger(FootLedger{}, saved), before);
}

TEST(FootLedger, ReadsOnlyWhatItCanTrust) {
    FootLedger stackOnly;
    stackOnly.stacks[0] = {5.0f};
    FootLedger unjudged;
    unjudged.foot(1, FootSide::Left).asLeft = 1.5f;
    const std::pair<const char*, FootLedger> cases[] = {
        {"", FootLedger{}},
        {"notes of another tool", FootLedger{}},
        {"CorvaneFeet=2;s1=5", FootLedger{}},  // a later version is not guessed at
        // Unknown keys, feet and kinds are skipped; a shim must be a positive number.
        {"CorvaneFeet=1;s1=5,-2,0,x;s5=3;f5L=1;colour=red", stackOnly},
        {"CorvaneFeet=1;f2L=abc,wobbly,,1.5", unjudged},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(decodeFootLedger(text), expected) << text;
}

TEST(FootLedger, RemovableShimIsTheWholeStackOfAPosition) {
    const FootLedger ledger = sampleLedger();
    EXPECT_FLOAT_EQ(removableShim(ledger, 2), 17.3f);
    EXPECT_EQ(removableShim(ledger, 3), 0.0f);
    EXPECT_EQ(removableShim(ledger, 4), 0.0f);
}

}  // namespace
}  // namespace corvane
