#include "project/RimFaceSag.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string_view>

#include "project/ReservedLines.h"

namespace corvane {

namespace {

constexpr std::string_view kMark = "CorvaneSag";
constexpr int kVersion = 1;

bool finiteFloat(double value) {
    return std::isfinite(value) && std::fabs(value) <= std::numeric_limits<float>::max();
}

}  // namespace

float rimFaceSag(const ProjectRecord& record) {
    const auto line = findReservedLine(record.ReservedText, kMark);
    if (!line) return 0;
    float sag = 0;
    readReservedPairs(*line, kVersion, [&sag](std::string_view key, std::string_view value) {
        if (key != "rimface") return;
        const auto number = readReservedNumber(value);
        if (number && finiteFloat(*number)) sag = static_cast<float>(*number);
    });
    return sag;
}

std::string encodeRimFaceSag(float sag, const std::string& reservedText) {
    if (sag == 0 || !finiteFloat(sag)) return putReservedLine(reservedText, kMark, {});
    // The shortest text that reads back as this float: 0.1, not the double nearest to it.
    char digits[32];
    const auto written = std::to_chars(digits, digits + sizeof digits, sag);
    const std::string body = std::to_string(kVersion) + ";rimface=" + std::string(digits, written.ptr);
    return putReservedLine(reservedText, kMark, body);
}

}  // namespace corvane
