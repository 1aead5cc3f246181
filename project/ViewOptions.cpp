#include "project/ViewOptions.h"

#include <string_view>

#include "project/Cp1252.h"
#include "project/ReservedLines.h"

namespace corvane {

namespace {

constexpr std::string_view kMark = "CorvaneView";
constexpr int kVersion = 1;

}  // namespace

std::string encodeViewOptions(const ViewOptions& v, const std::string& reservedText) {
    const auto flag = [](bool on) { return on ? '1' : '0'; };
    std::string body = std::to_string(kVersion);
    body += ";method=" + std::to_string(v.method);
    body += ";rotation=" + std::to_string(v.rotation);
    body += ";bracket=" + std::to_string(v.bracketSide);
    body += ";growth=";
    body += flag(v.growthOn);
    body += ";tolerance=";
    body += flag(v.toleranceOn);
    body += ";autoscale=";
    body += flag(v.autoScale);
    std::string text = putReservedLine(reservedText, kMark, body);
    // The field holds at most kMaxTextBytes: another program's text stays whole, and our line is
    // what is left out when both do not fit.
    if (utf8ToCp1252(text).size() > kMaxTextBytes) return putReservedLine(reservedText, kMark, "");
    return text;
}

std::optional<ViewOptions> decodeViewOptions(const std::string& reservedText) {
    const std::optional<std::string_view> line = findReservedLine(reservedText, kMark);
    if (!line) return std::nullopt;
    ViewOptions v;
    const bool known = readReservedPairs(*line, kVersion, [&v](std::string_view key, std::string_view value) {
        const auto choice = [value](int high) { return readReservedInt(value, 0, high); };
        if (key == "method" && choice(2)) v.method = *choice(2);
        if (key == "rotation" && choice(1)) v.rotation = *choice(1);
        if (key == "bracket" && choice(1)) v.bracketSide = *choice(1);
        if (key == "growth" && choice(1)) v.growthOn = *choice(1) == 1;
        if (key == "tolerance" && choice(1)) v.toleranceOn = *choice(1) == 1;
        if (key == "autoscale" && choice(1)) v.autoScale = *choice(1) == 1;
    });
    if (!known) return std::nullopt;
    return v;
}

}  // namespace corvane
