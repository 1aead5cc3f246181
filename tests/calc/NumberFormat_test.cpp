#include "calc/format/NumberFormat.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace corvane {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

// A number reads as the nearest double to its decimal text, not digit * 10^k with its rounding
// errors; one too large reads as infinity, which callers refuse (a clamped finite value would slip
// through).
TEST(ValueOfText, ReadsTheLeadingNumberExactlyAndIgnoresTheRest) {
    const struct {
        const char* text;
        double expected;
    } cases[] = {
        // clang-format off
        {"12.5abc", 12.5}, {"1 000", 1000}, {"1,5", 1}, {"abc", 0}, {"", 0}, {".5", 0.5}, {"-.", 0},
        {" - 3 . 5 ", -3.5}, {"\t4\n2\r", 42}, {"1e", 1}, {"2.5E-2mils", 0.025}, {"1D3", 1}, {"1.2.3", 1.2},
        {"0x1A", 0}, {"e5", 0}, {"1e-400", 0}, {"0e999999999999", 0}, {"0.1", 0.1}, {"2.675", 2.675},
        {"123456789.123456789", 123456789.123456789}, {"1e999", kInf}, {"-1e999", -kInf}, {"0.01e311", kInf},
        {"1e308", 1e308},
        // clang-format on
    };
    for (const auto& c : cases) EXPECT_EQ(valueOfText(c.text), c.expected) << '"' << c.text << '"';
    EXPECT_FALSE(std::signbit(valueOfText("-1e-400")));
}

// The marks of the knobs' and thermometers' scales, as any number written shortest.
TEST(FormatScaleMark, SixSignificantDigitsWithoutTrailingZeros) {
    const std::pair<double, const char*> cases[] = {
        {-100, "-100"},   {0.2f, "0.2"}, {72.5, "72.5"},      {500000, "500000"},    {1e6, "1e+06"},
        {2e38f, "2e+38"}, {-0.0, "0"},   {2.5e-5, "2.5e-05"}, {123.4567, "123.457"}, {99.999951, "100"},
    };
    for (const auto& [value, text] : cases) EXPECT_EQ(formatScaleMark(value), text) << value;
}

// Typed into a box: a decimal comma counts where it can only be one; anything that is no number, is
// only partly one (a unit name may follow), or could be read two ways, is refused with the reason rather than
// stored as 0 or as a guess.
TEST(ReadTypedNumber, ReadsADecimalCommaAndRefusesWhatIsNoNumber) {
    const struct {
        const char* text;
        std::optional<double> value;
        const char* problem;
    } cases[] = {
        // clang-format off
        {"1,5", 1.5, ""}, {"-0,125", -0.125, ""}, {",5", 0.5, ""}, {"1,5 mm", 1.5, ""}, {" 0 ", 0, ""},
        {"12 mils", 12, ""}, {"3600 RPM", 3600, ""}, {"2e1", 20, ""},
        {"1o", std::nullopt, "\"1o\" is not a number"},
        {"12.5abc", std::nullopt, "\"12.5abc\" is not a number"},
        {"5-", std::nullopt, "\"5-\" is not a number"},
        {"abc", std::nullopt, "\"abc\" is not a number"},
        {"", std::nullopt, "An empty box is not a number"},
        {"-", std::nullopt, "\"-\" is not a number"},
        {"1,500", std::nullopt, "\"1,500\" could be read more than one way: write decimals with a point"},
        {"1,2,3", std::nullopt, "\"1,2,3\" could be read more than one way: write decimals with a point"},
        {"1,234.5", std::nullopt, "\"1,234.5\" could be read more than one way: write decimals with a point"},
        // clang-format on
    };
    for (const auto& c : cases) {
        const TypedNumber typed = readTypedNumber(c.text);
        EXPECT_EQ(typed.value, c.value) << '"' << c.text << '"';
        EXPECT_EQ(typed.problem, c.problem) << '"' << c.text << '"';
    }
}

// The doubles from 1.0005 on sit just below the half the user typed (1.0005 is 1.000499999...),
// where printf on the binary value would round down.
TEST(FormatValue, ChoosesTheDecimalsFromTheMagnitudeAndRoundsTheDecimalDigits) {
    const struct {
        double value;
        const char* expected;
    } cases[] = {
        // clang-format off
        {0.0, "0.00"}, {-0.0, "0.00"}, {-0.000003, "0.00  "}, {0.0000099999, "0.00  "}, {0.00001, "0.000"},
        {-0.0005, "-0.001"}, {-0.0004, "0.000"}, {0.99949, "0.999"}, {0.9996, "1.000"}, {9.9996, "10.000"},
        {10.0, "10.00"}, {-12.345, "-12.35"}, {99.996, "100.00"}, {100.0, "100.0"}, {999.96, "1000.0"},
        {1000.0, "1000."}, {1234.5, "1235."}, {99999.9, "100000."}, {-123456.0, "-1.235E+05"},
        {999950.0, "1.000E+06"}, {999949.0, "9.999E+05"}, {1e100, "1.000E+100"}, {1.0005, "1.001"},
        {0.1235, "0.124"}, {45.675, "45.68"}, {99.985, "99.99"}, {100.05, "100.1"}, {std::nan(""), "NaN"},
        {-kInf, "-Infinity"},
        // clang-format on
    };
    for (const auto& c : cases) EXPECT_EQ(formatValue(c.value), c.expected) << c.value;
}

TEST(FormatValue, ReadsASingleToItsSevenDigitsAndADoubleToFifteen) {
    const struct {
        float value;
        const char* asFloat;
        const char* asDouble;
    } cases[] = {
        {12.345f, "12.35", "12.35"},   {1.0005f, "1.001", "1.000"},   {1.2344999f, "1.235", "1.234"},
        {0.00001f, "0.000", "0.00  "}, {99.995f, "100.00", "100.00"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(formatValue(c.value), c.asFloat) << c.value;
        EXPECT_EQ(formatValue(static_cast<double>(c.value)), c.asDouble) << c.value;
    }
    EXPECT_EQ(formatValue(std::string_view("7.25 mils")), "7.250");
    EXPECT_EQ(formatValue(std::string_view("1 2 3 4 5 6")), "1.235E+05");
}

// Whole numbers (readings, sag) round halves away from zero and never show "-0"; in scientific
// form there is one mantissa digit per "0" and a carry moves the exponent.
TEST(FormatPattern, FillsDigitsPointsBlanksAndExponent) {
    const struct {
        double value;
        const char* pattern;
        const char* expected;
    } cases[] = {
        // clang-format off
        {12.5, "#####0", "13"}, {-12.5, "#####0", "-13"}, {12.4, "#####0", "12"}, {-0.4, "#####0", "0"},
        {-0.5, "#####0", "-1"}, {1234567.0, "#####0", "1234567"}, {std::nan(""), "#####0", "NaN"},
        {12.0, "0", "12"}, {15.0, "#0.", "15."}, {0.0, "#0.", "0."}, {6.0, "0 ", "6 "}, {5.0, "000", "005"},
        {0.5, "#.00", ".50"}, {0.0, "##", ""}, {1.0, "0.##", "1."}, {1.2, "0.#0", "1.20"},
        {999960.0, "#0.000E+00", "1.000E+06"}, {0.00012345, "#0.000E+00", "1.235E-04"},
        {0.0, "#0.000E+00", "0.000E+00"}, {-2.5e-10, "#0.000E+00", "-2.500E-10"},
        {123456.0, "00.00E+00", "12.35E+04"}, {123456.0, "0.0E-00", "1.2E05"}, {123.0, "0.00e+0", "1.23e+2"},
        // clang-format on
    };
    for (const auto& c : cases)
        EXPECT_EQ(formatPattern(c.value, c.pattern), c.expected) << c.value << " with \"" << c.pattern << '"';

    // 0.125 is a true tie: away from zero, not to even. 2.4999998f is 2.4999997616: its 7-digit text
    // is 2.500000, its 15-digit text 2.49999976158142.
    EXPECT_EQ(formatPattern(0.125f, "0.00"), "0.13");
    EXPECT_EQ(formatPattern(2.4999998f, "#####0"), "3");
    EXPECT_EQ(formatPattern(static_cast<double>(2.4999998f), "#####0", 15), "2");
    EXPECT_EQ(formatWhole(1e10f), "10000000000");
}

TEST(FormatDecimals, WholePartThenTheDecimalsBetweenTheLeastAndTheMost) {
    const struct {
        double value;
        int least, most;
        const char* expected;
    } cases[] = {
        // clang-format off
        {12.5, 0, 2, "12.5"}, {0.5, 2, 2, "0.50"},
        {0.125, 0, 2, "0.13"},         // a true tie goes away from zero
        {-0.125, 0, 2, "-0.13"},
        {2.2999999523162842, 0, 2, "2.3"},  // a typed 2.3 as a float holds it
        {1.0625, 1, 3, "1.063"}, {6.0, 1, 3, "6.0"}, {0.03, 2, 3, "0.03"},
        {9.996, 0, 2, "10"},           // the carry reaches the whole part
        {-0.004, 0, 2, "0"},           // rounded to nothing: no minus
        {-0.004, 2, 2, "0.00"}, {999999.994, 0, 2, "999999.99"},
        {std::nan(""), 0, 2, "NaN"}, {-INFINITY, 0, 2, "-Infinity"},
        // clang-format on
    };
    for (const auto& c : cases)
        EXPECT_EQ(formatDecimals(c.value, c.least, c.most), c.expected)
            << c.value << " with " << c.least << ".." << c.most << " decimals";
}

// The calendar arithmetic is the date tests' concern; here the text: month names, padding, seconds.
TEST(FormatDateTime, WritesDayMonthNameYearAndTheTimeToTheSecond) {
    EXPECT_EQ(formatDateTime(36526.0 + 59.6 / 86400.0), "01-Jan-2000 00:01:00");
    EXPECT_EQ(formatDateTime(-1.25), "29-Dec-1899 06:00:00");
    EXPECT_EQ(formatDateTime(-1e300), "01-Jan-0100 00:00:00");
    EXPECT_EQ(formatDateTime(std::nan("")), "30-Dec-1899 00:00:00");
}

}  // namespace
}  // namespace corvane
