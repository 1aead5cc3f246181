// Shim packs against answers worked out by hand from the kit.

#include "calc/judging/ShimPacks.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

using Sizes = std::vector<double>;

ShimKit englishKit(std::vector<KitShim> sizes, int most = 4) {
    return {UnitSystem::English, std::move(sizes), most};
}

// The default inch kit with the 15-mil shims used up.
ShimKit withoutFifteen() {
    ShimKit kit = defaultShimKit(UnitSystem::English);
    for (KitShim& s : kit.sizes)
        if (s.thickness == 15) s.onHand = 0;
    return kit;
}

TEST(ShimPacks, ComeNearestTheMoveWithTheFewestPieces) {
    const ShimKit inch = defaultShimKit(UnitSystem::English);
    const struct {
        const char* name;
        float move;  // mils
        std::vector<float> stack;
        ShimKit kit;
        Sizes remove, add;
        double residual;
        bool reached;
        Sizes finalStack;
        const char* text;
    } cases[] = {
        // clang-format off
        {"up, one thicker shim instead of two", 14.6f, {}, inch, {}, {15}, -0.4, true, {15},
         "add 15 mils for a move of 14.6; 0.4 mils over"},
        {"up, a size missing from the kit", 14.6f, {3}, withoutFifteen(), {}, {10, 5}, -0.4, true, {10, 5, 3},
         "add 10 + 5 = 15 mils for a move of 14.6; 0.4 mils over"},
        {"down, pulled from the stack", -12.3f, {5, 10, 2}, inch, {10, 2}, {}, -0.3, true, {5},
         "pull 10 + 2 = 12 mils for a move of 12.3 down; 0.3 mils left"},
        {"down, pulling overshoots and a shim goes back", -14.6f, {20}, inch, {20}, {5}, 0.4, true, {5},
         "pull 20 mils and put back 5 mils for a move of 14.6 down; 0.4 mils over"},
        {"up on a stack at the limit: a thin shim makes room", 10.0f, {5, 5, 5, 5}, inch, {5}, {15}, 0, true,
         {15, 5, 5, 5}, "pull 5 mils and add 15 mils for a move of 10; exact"},
        {"up past what four shims reach", 600.0f, {}, inch, {}, {125, 125, 125, 125}, 100, false,
         {125, 125, 125, 125}, "add 125 + 125 + 125 + 125 = 500 mils for a move of 600; 100 mils left (no "
         "pack of at most 4 shims comes nearer)"},
        {"down with nothing under the foot", -10.5f, {}, inch, {}, {}, -10.5, false, {},
         "no shims under the foot to pull for a move of 10.5 down; 10.5 mils left"},
        {"only two shims on hand", 30.0f, {}, englishKit({{10, 2}, {1, 50}}), {}, {10, 10, 1, 1}, 8, false,
         {10, 10, 1, 1}, "add 10 + 10 + 1 + 1 = 22 mils for a move of 30; 8 mils left (no pack of at most 4 "
         "shims comes nearer)"},
        // 0.37 mm: 0.25 + 0.10 is 0.02 short, 0.40 is 0.03 over.
        {"metric", 14.566929f, {}, defaultShimKit(UnitSystem::Metric), {}, {0.25, 0.10}, 0.02, true,
         {0.25, 0.10}, "add 0.25 + 0.10 = 0.35 mm for a move of 0.37; 0.02 mm left"},
        // clang-format on
    };
    for (const auto& c : cases) {
        const ShimPack pack = shimPack(2, c.move, c.stack, c.kit);
        EXPECT_EQ(pack.remove, c.remove) << c.name;
        EXPECT_EQ(pack.add, c.add) << c.name;
        EXPECT_NEAR(pack.residual, c.residual, 1e-9) << c.name;
        EXPECT_EQ(pack.reached, c.reached) << c.name;
        EXPECT_EQ(pack.finalStack, c.finalStack) << c.name;
        EXPECT_EQ(pack.text, c.text) << c.name;
    }
}

// The shims the first foot takes are gone for the second.
TEST(ShimPacks, ShareTheShimsOnHandInFootOrder) {
    FootLedger ledger;
    const std::vector<ShimPack> packs =
        shimPacks({std::nullopt, std::nullopt, 10.0f, 12.0f}, ledger, englishKit({{10, 1}, {2, 10}}));
    ASSERT_EQ(packs.size(), 2u);
    EXPECT_EQ(packs[0].position, 2);
    EXPECT_EQ(packs[0].add, (Sizes{10}));
    EXPECT_EQ(packs[1].add, (Sizes{2, 2, 2, 2}));
    EXPECT_EQ(packs[1].text,
              "add 2 + 2 + 2 + 2 = 8 mils for a move of 12; 4 mils left (no pack of at most 4 shims "
              "comes nearer)");
}

TEST(ShimPacks, KitTextReadsSizesAndCountsOrSaysWhatIsWrong) {
    const KitReading good = readKitText("2x5, 0.5  1*3 10");
    ASSERT_TRUE(good.sizes);
    ASSERT_EQ(good.sizes->size(), 4u);
    EXPECT_EQ((*good.sizes)[0].thickness, 0.5);
    EXPECT_EQ((*good.sizes)[0].onHand, 10);
    EXPECT_EQ((*good.sizes)[2].onHand, 5);
    EXPECT_EQ(kitText({UnitSystem::English, *good.sizes, 4}), "0.5x10 1x3 2x5 10x10");
    EXPECT_EQ(readKitText("5 abc").problem, "\"abc\" is not a shim size");
    EXPECT_EQ(readKitText("5x-1").problem, "\"5x-1\" does not give a number on hand from 0 to 999");
    EXPECT_EQ(readKitText("0x4").problem, "\"0x4\" is not a shim size");
}

}  // namespace
}  // namespace corvane
