#include "project/ReservedLines.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace corvane {

namespace {

bool isLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// The mark of a line of ours ("CorvaneView"), or empty when the line is not ours.
std::string_view markOf(std::string_view line) {
    constexpr std::string_view kPrefix = "Corvane";
    if (!line.starts_with(kPrefix)) return {};
    std::size_t i = kPrefix.size();
    while (i < line.size() && isLetter(line[i])) ++i;
    if (i == kPrefix.size() || i == line.size() || line[i] != '=') return {};
    return line.substr(0, i);
}

// Length of our own lines at the start of the field, with the line break after the last one.
std::size_t ownedLength(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t end = text.find('\n', pos);
        const std::string_view line = text.substr(pos, end == std::string_view::npos ? end : end - pos);
        if (markOf(line).empty()) break;
        pos = end == std::string_view::npos ? text.size() : end + 1;
    }
    return pos;
}

}  // namespace

std::optional<std::string_view> findReservedLine(std::string_view text, std::string_view mark) {
    const std::string_view owned = text.substr(0, ownedLength(text));
    std::size_t pos = 0;
    while (pos < owned.size()) {
        const std::size_t end = owned.find('\n', pos);
        const std::string_view line = owned.substr(pos, end == std::string_view::npos ? end : end - pos);
        if (markOf(line) == mark) return line.substr(mark.size() + 1);
        pos = end == std::string_view::npos ? owned.size() : end + 1;
    }
    return std::nullopt;
}

std::string_view foreignReservedText(std::string_view text) { return text.substr(ownedLength(text)); }

std::string putReservedLine(std::string_view text, std::string_view mark, std::string_view body) {
    const std::size_t ownedEnd = ownedLength(text);
    const std::string_view owned = text.substr(0, ownedEnd);
    std::string lines;
    bool placed = false;
    const auto add = [&lines](std::string_view line) {
        if (!lines.empty()) lines += '\n';
        lines += line;
    };
    std::size_t pos = 0;
    while (pos < owned.size()) {
        const std::size_t end = owned.find('\n', pos);
        const std::string_view line = owned.substr(pos, end == std::string_view::npos ? end : end - pos);
        pos = end == std::string_view::npos ? owned.size() : end + 1;
        if (markOf(line) != mark) {
            add(line);
        } else if (!placed && !body.empty()) {
            add(std::string(mark) + "=" + std::string(body));
            placed = true;
        }
    }
    if (!placed && !body.empty()) add(std::string(mark) + "=" + std::string(body));
    const std::string_view foreign = text.substr(ownedEnd);
    if (!lines.empty() && !foreign.empty()) lines += '\n';
    lines += foreign;
    return lines;
}

std::optional<int> readReservedInt(std::string_view text, int low, int high) {
    if (text.empty() || text.size() > 9) return std::nullopt;
    int v = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        v = v * 10 + (c - '0');
    }
    if (v < low || v > high) return std::nullopt;
    return v;
}

std::optional<double> readReservedNumber(std::string_view text) {
    if (text.empty() || text.size() > 32 || text.front() == '+') return std::nullopt;
    double v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc{} || end != text.data() + text.size() || !std::isfinite(v)) return std::nullopt;
    return v;
}

std::string writeReservedNumber(double value) {
    char buffer[32];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return ec == std::errc{} ? std::string(buffer, end) : std::string("0");
}

}  // namespace corvane
