#include "project/MoveSetup.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

TEST(MoveSetup, KeepsItsLineBesideTheOthersAndRemovesItWhenEmpty) {
    MoveSetup setup;
    setup.fixedInboardToCoupling = 10;
    setup.fixedFootSpacing = 24.5;
    setup.feet[2].shim = 15;
    setup.feet[3].boltLeft = 5;
    setup.held = std::array<int, 2>{1, 3};
    const std::string before = "CorvaneView=1;method=1\r\nnotes of another program";
    const std::string text = encodeMoveSetup(setup, before);
    EXPECT_EQ(text.substr(text.find("CorvaneMoves=")).substr(0, 64),
              "CorvaneMoves=1;inboard=10;spacing=24.5;shim3=15;left4=5;held=1,3");
    EXPECT_EQ(text.substr(text.size() - 24), "notes of another program");
    EXPECT_EQ(decodeMoveSetup(text), setup);
    EXPECT_EQ(encodeMoveSetup(MoveSetup{}, text), before);
}

TEST(MoveSetup, IgnoresWhatItCannotRead) {
    MoveSetup shim3;
    shim3.feet[2].shim = 15;
    const std::pair<const char*, MoveSetup> cases[] = {
        {"CorvaneMoves=2;shim3=15", {}},                   // a later version
        {"CorvaneMoves=1;shim3=-1;left9=2;held=3,1", {}},  // below 0, no foot 9, pair not ascending
        {"CorvaneMoves=1;shim3=nan;shim3=15", shim3},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(decodeMoveSetup(text), expected) << text;
}

}  // namespace
}  // namespace corvane
