#include "project/ReservedLines.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

// Several subjects share the field: each line is replaced where it stands, a new one goes after
// ours and before another program's text, and that text is never touched or read as ours.
TEST(ReservedLines, KeepEachSubjectAndTheForeignText) {
    const std::string foreign = "notes of another tool\nCorvaneFeet=1;not ours, after foreign text";
    std::string field = putReservedLine(foreign, "CorvaneView", "1;method=1");
    EXPECT_EQ(field, "CorvaneView=1;method=1\n" + foreign);
    field = putReservedLine(field, "CorvaneSag", "1;rim=0.5");
    EXPECT_EQ(field, "CorvaneView=1;method=1\nCorvaneSag=1;rim=0.5\n" + foreign);
    field = putReservedLine(field, "CorvaneView", "1;method=2");
    EXPECT_EQ(field, "CorvaneView=1;method=2\nCorvaneSag=1;rim=0.5\n" + foreign);
    EXPECT_EQ(findReservedLine(field, "CorvaneSag"), "1;rim=0.5");
    EXPECT_EQ(findReservedLine(field, "CorvaneFeet"), std::nullopt);
    EXPECT_EQ(foreignReservedText(field), foreign);
    field = putReservedLine(field, "CorvaneView", "");
    EXPECT_EQ(field, "CorvaneSag=1;rim=0.5\n" + foreign);
    EXPECT_EQ(putReservedLine("CorvaneSag=1;rim=0.5", "CorvaneSag", ""), "");
}

TEST(ReservedLines, NumbersReadBackExactlyAndOnlyWhenWhole) {
    for (const double v : {0.0, 0.5, -12.25, 0.1, 1e-7, 123456.789})
        EXPECT_EQ(readReservedNumber(writeReservedNumber(v)), v) << writeReservedNumber(v);
    for (const char* bad : {"", "1o", "+1", "nan", "inf", "1e999", " 1"})
        EXPECT_EQ(readReservedNumber(bad), std::nullopt) << bad;
}

}  // namespace
}  // namespace corvane
