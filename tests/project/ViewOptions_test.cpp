#include "project/ViewOptions.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

// One versioned line, read back as written; what another program left in the field stays after it,
// through later saves, and is never read as ours.
TEST(ViewOptions, AreOneVersionedLineBeforeWhatElseTheFieldHeld) {
    const ViewOptions rimFace{.method = 1, .bracketSide = 1, .growthOn = true, .toleranceOn = true};
    const std::string line = "CorvaneView=1;method=1;rotation=0;bracket=1;growth=1;tolerance=1;autoscale=0";
    EXPECT_EQ(encodeViewOptions(rimFace, ""), line);
    const std::string shared = encodeViewOptions(rimFace, "notes of another tool");
    EXPECT_EQ(shared, line + "\nnotes of another tool");
    EXPECT_EQ(decodeViewOptions(shared), rimFace);
    EXPECT_EQ(encodeViewOptions(ViewOptions{.method = 2, .rotation = 1}, shared),
              "CorvaneView=1;method=2;rotation=1;bracket=0;growth=0;tolerance=0;autoscale=0\n"
              "notes of another tool");
    EXPECT_EQ(decodeViewOptions("notes of another tool"), std::nullopt);
}

TEST(ViewOptions, ReadOnlyWhatTheyCanTrust) {
    const std::pair<const char*, std::optional<ViewOptions>> cases[] = {
        {"", std::nullopt},
        {"CorvaneView=2;method=1", std::nullopt},  // a later version is not guessed at
        {"CorvaneView=x;method=1", std::nullopt},
        {"CorvaneView=1;method=2;colour=red;growth=1", ViewOptions{.method = 2, .growthOn = true}},
        {"CorvaneView=1;method=7;rotation=-1;bracket=2;growth=yes", ViewOptions{}},
        {"CorvaneView=1;autoscale=1\nmethod=2", ViewOptions{.autoScale = true}},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(decodeViewOptions(text), expected) << text;
}

// Another program's text that leaves no room for the view line stays whole; the line is left out.
TEST(ViewOptions, AFullFieldKeepsTheOtherProgramsTextWhole) {
    const std::string foreign(65500, 'f');
    const std::string stored = encodeViewOptions(ViewOptions{.method = 2}, foreign);
    EXPECT_EQ(stored, foreign);
    EXPECT_FALSE(decodeViewOptions(stored));
    const std::string roomy(65400, 'f');
    EXPECT_EQ(decodeViewOptions(encodeViewOptions(ViewOptions{.method = 2}, roomy)),
              ViewOptions{.method = 2});
}

}  // namespace
}  // namespace corvane
