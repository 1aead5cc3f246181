#include "project/ViewOptions.h"

#include <string_view>

namespace corvane {

namespace {

constexpr std::string_view kMark = "CorvaneView=";
constexpr int kVersion = 1;

// The part of the field that is not ours: everything after our line, or the whole field.
std::string_view foreignPart(std::string_view text) {
    if (!text.starts_with(kMark)) return text;
    const std::size_t end = text.find('\n');
    return end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
}

bool readInt(std::string_view text, int low, int high, int& out) {
    if (text.empty() || text.size() > 3) return false;
    int v = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        v = v * 10 + (c - '0');
    }
    if (v < low || v > high) return false;
    out = v;
    return true;
}

}  // namespace

std::string encodeViewOptions(const ViewOptions& v, const std::string& reservedText) {
    const auto flag = [](bool on) { return on ? '1' : '0'; };
    std::string out(kMark);
    out += std::to_string(kVersion);
    out += ";method=" + std::to_string(v.method);
    out += ";rotation=" + std::to_string(v.rotation);
    out += ";bracket=" + std::to_string(v.bracketSide);
    out += ";growth=";
    out += flag(v.growthOn);
    out += ";tolerance=";
    out += flag(v.toleranceOn);
    out += ";autoscale=";
    out += flag(v.autoScale);
    const std::string_view rest = foreignPart(reservedText);
    if (!rest.empty()) {
        out += '\n';
        out += rest;
    }
    return out;
}

std::optional<ViewOptions> decodeViewOptions(const std::string& reservedText) {
    std::string_view text = reservedText;
    if (!text.starts_with(kMark)) return std::nullopt;
    text = text.substr(0, text.find('\n'));
    ViewOptions v;
    bool first = true;
    while (!text.empty()) {
        const std::size_t end = text.find(';');
        const std::string_view pair = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        const std::size_t eq = pair.find('=');
        if (eq == std::string_view::npos) continue;
        const std::string_view key = pair.substr(0, eq), value = pair.substr(eq + 1);
        int n = 0;
        if (first) {
            first = false;
            // A later version may mean something else by the same keys: it is not guessed at.
            if (!readInt(value, 0, 999, n) || n != kVersion) return std::nullopt;
            continue;
        }
        if (key == "method" && readInt(value, 0, 2, n)) v.method = n;
        if (key == "rotation" && readInt(value, 0, 1, n)) v.rotation = n;
        if (key == "bracket" && readInt(value, 0, 1, n)) v.bracketSide = n;
        if (key == "growth" && readInt(value, 0, 1, n)) v.growthOn = n == 1;
        if (key == "tolerance" && readInt(value, 0, 1, n)) v.toleranceOn = n == 1;
        if (key == "autoscale" && readInt(value, 0, 1, n)) v.autoScale = n == 1;
    }
    return v;
}

}  // namespace corvane
