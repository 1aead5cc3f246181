#include "cli/Json.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace corvane::cli {

namespace {

// JSON has no NaN or infinity; they are written as strings so that a stored value still shows.
template <typename T>
std::string numberText(T value) {
    if (std::isnan(value)) return "\"NaN\"";
    if (std::isinf(value)) return value > 0 ? "\"Infinity\"" : "\"-Infinity\"";
    // The shortest text that reads back to the same value: a Single as a Single (0.1, not
    // 0.100000001490116).
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

}  // namespace

std::string jsonNumber(float value) { return numberText(value); }
std::string jsonNumber(double value) { return numberText(value); }

std::string jsonString(const std::string& utf8) {
    std::string out = "\"";
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        char escape[8];
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (c < 0x20 || c == 0x7F) {
                    std::snprintf(escape, sizeof escape, "\\u%04x", c);
                    out += escape;
                } else if (c == 0xC2 && i + 1 < utf8.size() &&
                           static_cast<unsigned char>(utf8[i + 1]) >= 0x80 &&
                           static_cast<unsigned char>(utf8[i + 1]) < 0xA0) {
                    // C1 controls (from the code page's unused bytes) are invisible: show their code.
                    std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned char>(utf8[i + 1]));
                    out += escape;
                    ++i;
                } else {
                    out += static_cast<char>(c);
                }
        }
    }
    return out + "\"";
}


}  // namespace corvane::cli
