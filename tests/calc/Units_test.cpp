#include "calc/format/Units.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <optional>
#include <string>

#include "calc/format/NumberFormat.h"

namespace corvane {
namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();
constexpr UnitSystem kEnglish = UnitSystem::English;
constexpr UnitSystem kMetric = UnitSystem::Metric;
using Q = Quantity;

// A stored value shows at the precision the Single carries: the digits of float * 0.0254 beyond
// it would otherwise leak into the texts and the command line's numbers.
TEST(Units, DisplayValueIsTheShortestDecimalThatStoresBackAsTheSameSingle) {
    EXPECT_EQ(displayValue(4.7244096f, Q::Reading, kMetric), 0.12);
    EXPECT_EQ(displayValue(19.685039f, Q::Length, kMetric), 500.0);
    EXPECT_EQ(displayValue(4.1666665f, Q::Tolerance, kMetric), 0.10583333);
    EXPECT_EQ(displayValue(-459.67f, Q::Temperature, kMetric), -273.15);
    EXPECT_EQ(displayValue(4.1666665f, Q::Tolerance, kEnglish), double(4.1666665f));
    EXPECT_TRUE(std::isnan(displayValue(kNaN, Q::Move, kMetric)));
    EXPECT_EQ(displayValue(-kInf, Q::Length, kMetric), -double(kInf));
}

TEST(Units, StoredValuesShowInEachSystem) {
    const struct {
        float stored;
        Quantity quantity;
        const char* english;
        const char* metric;
    } cases[] = {
        // clang-format off
        {25, Q::Move, "25.00", "0.635"}, {4.1666665f, Q::Tolerance, "4.167", "0.106"},
        {1e6f, Q::Move, "1.000E+06", "25400."}, {-0.01f, Q::Offset, "-0.010", "0.000"},
        {20, Q::Length, "20.00", "508.0"}, {72, Q::Temperature, "72.00", "22.22"},
        {-18, Q::TemperatureDifference, "-18.00", "-10.00"},
        // Four decimals in English, so that steel 0.0065 and iron 0.0067 do not both show 0.007.
        {0.0065f, Q::ThermalCoefficient, "0.0065", "11.70"}, {0.0067f, Q::ThermalCoefficient, "0.0067", "12.06"},
        {1, Q::Angle, "1.000", "0.100"}, {3600, Q::Speed, "3600.", "3600."}, {kNaN, Q::Move, "NaN", "NaN"},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.english);
        EXPECT_EQ(formatStored(c.stored, c.quantity, kEnglish), c.english);
        EXPECT_EQ(formatStored(c.stored, c.quantity, kMetric), c.metric);
    }
}

TEST(Units, ReadingBoxesShowWholeMilsUpToTwoDecimalsOrHundredthsOfAMillimetre) {
    const struct {
        float stored;
        const char* whole;
        const char* upToTwo;
        const char* metric;
    } cases[] = {
        // clang-format off
        {0, "0", "0", "0.00"}, {10.5f, "11", "10.5", "0.27"}, {-25.5f, "-26", "-25.5", "-0.65"},
        {19.685039f, "20", "19.69", "0.50"}, {0.125f, "0", "0.13", "0.00"}, {-0.1f, "0", "-0.1", "0.00"},
        {-0.004f, "0", "0", "0.00"}, {1e6f, "1000000", "1000000", "25400.00"}, {kNaN, "NaN", "NaN", "NaN"},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        EXPECT_EQ(formatReading(c.stored, kEnglish, EnglishReadings::Whole), c.whole);
        EXPECT_EQ(formatReading(c.stored, kEnglish, EnglishReadings::UpToTwoDecimals), c.upToTwo);
        EXPECT_EQ(formatReading(c.stored, kMetric, EnglishReadings::Whole), c.metric);
        EXPECT_EQ(formatReading(c.stored, kMetric, EnglishReadings::UpToTwoDecimals), c.metric);
    }
}

TEST(Units, ATypedMetricValueIsStoredAsTheNearestSingleOfItsImperialValue) {
    const struct {
        const char* typed;
        Quantity quantity;
        float stored;
    } cases[] = {
        {"0.12", Q::Reading, 4.7244096f},
        {"500", Q::Length, 19.685039f},
        {"22.22", Q::Temperature, 71.996f},
        {" 1 2 . 7 mm", Q::Offset, 500},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        const std::optional<float> stored = storedValueOfText(c.typed, c.quantity, kMetric);
        ASSERT_TRUE(stored);
        EXPECT_EQ(*stored, c.stored);
    }
}

// Typing a value as it is shown and leaving the box shows it again unchanged: every dial reading from
// -50.00 to 50.00 mm, every length from 100.0 to 999.9 mm, every offset from 0.001 to 0.999 mm, and
// the ends of what a Single holds.
TEST(Units, MetricTextTypedAsShownShowsAgainUnchanged) {
    int failures = 0;
    const auto check = [&](const std::string& typed, Quantity quantity, const std::string& expected) {
        const std::optional<float> stored = storedValueOfText(typed, quantity, kMetric);
        const std::string shown = !stored ? "refused"
                                  : quantity == Q::Reading
                                      ? formatReading(*stored, kMetric, EnglishReadings::Whole)
                                      : formatStored(*stored, quantity, kMetric);
        if (shown != expected && ++failures <= 10) ADD_FAILURE() << typed << " shows " << shown;
    };
    const auto text = [](int count, int decimals) {  // 1234, 2: "12.34"
        char written[16];
        std::snprintf(written, sizeof written, "%.*f", decimals, count / std::pow(10.0, decimals));
        return std::string(written);
    };
    for (int hundredths = -5000; hundredths <= 5000; ++hundredths)
        check(text(hundredths, 2), Q::Reading, text(hundredths, 2));
    for (int tenths = 1000; tenths <= 9999; ++tenths) check(text(tenths, 1), Q::Length, text(tenths, 1));
    for (int thousandths = 1; thousandths <= 999; ++thousandths)
        check(text(thousandths, 3), Q::Offset, text(thousandths, 3));
    // clang-format off
    check("0.005", Q::Reading, "0.01"); check("-0.005", Q::Reading, "-0.01");  // away from zero, as typed
    check("-0.004", Q::Reading, "0.00"); check("-0", Q::Reading, "0.00");
    check("123456.78", Q::Reading, "123456.78"); check("12.345", Q::Length, "12.35");  // as 12.345 in does
    check("8.643E+39", Q::Length, "8.643E+39"); check("0.001", Q::Temperature, "0.001");
    check("-273.2", Q::Temperature, "-273.2"); check("-17.78", Q::TemperatureDifference, "-17.78");
    check("11.70", Q::ThermalCoefficient, "11.70");
    // clang-format on
    EXPECT_EQ(failures, 0);
}

// Whatever cannot be stored as a Single is refused, so that the box keeps the value it had; the
// range is the imperial value's, so a metric text can be refused where the same English is not.
TEST(Units, ValuesThatAreNotFiniteOrBeyondASingleAreRefused) {
    const struct {
        const char* typed;
        Quantity quantity;
        bool english;
        bool metric;
    } cases[] = {
        // clang-format off
        {"1e999", Q::Reading, false, false},
        {"1e37", Q::Move, true, false},  // 3.9E+38 mils
        {"8e39", Q::Length, false, true}, {"1e40", Q::Length, false, false},
        {"2e38", Q::Temperature, true, false},  // 3.6E+38 °F
        {"3.4028234e38", Q::Speed, true, true},
        {"3.4028235e38", Q::Speed, false, false},  // would round to the largest Single
        {"-1e37", Q::Growth, true, false},  // below the lowest Single, not -Infinity
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        EXPECT_EQ(storedValueOfText(c.typed, c.quantity, kEnglish).has_value(), c.english);
        EXPECT_EQ(storedValueOfText(c.typed, c.quantity, kMetric).has_value(), c.metric);
    }
    for (const UnitSystem units : {kEnglish, kMetric}) {
        EXPECT_FALSE(storedValue(std::nan(""), Q::Length, units));
        EXPECT_FALSE(storedValue(-double(kInf), Q::Move, units));
    }
}

// The units no result line, verdict or report shows; the degree sign as UTF-8.
TEST(Units, TemperaturesAndTheMaterialNameTheirUnits) {
    EXPECT_EQ(unitName(Q::Temperature, kEnglish), "\u00B0F");
    EXPECT_EQ(unitName(Q::Temperature, kMetric), "\xC2\xB0\x43");
    EXPECT_EQ(unitName(Q::ThermalCoefficient, kEnglish), "mils/in/\u00B0F");
    EXPECT_EQ(unitName(Q::ThermalCoefficient, kMetric), "\u00B5m/m/\u00B0C");
}

}  // namespace
}  // namespace corvane
