#include "project/Cp1252.h"

#include <array>
#include <cstdint>
#include <string>

#include "project/Utf8.h"

namespace corvane {

namespace {

// Windows-1252 bytes 0x80..0x9F. The five bytes Windows leaves undefined (0x81, 0x8D, 0x8F,
// 0x90, 0x9D) map to the C1 control of the same value, so that any byte a file holds comes
// back unchanged when the project is saved again.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80..87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88..8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90..97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98..9F
};

constexpr char kReplacement = '?';

char32_t byteToCodePoint(unsigned char b) {
    if (b >= 0x80 && b <= 0x9F) return kHighControls[b - 0x80];
    return b;
}

// The byte for a code point, or -1 when the code page has none.
int codePointToByte(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == cp) return static_cast<int>(0x80 + i);
    }
    return -1;
}

// The code point at `pos`, advancing `pos` past it; a malformed sequence yields U+FFFD for one byte.
char32_t nextCodePoint(const std::string& s, std::size_t& pos) {
    int length = 0;
    const char32_t cp =
        decodeUtf8(reinterpret_cast<const unsigned char*>(s.data()) + pos, s.size() - pos, length);
    if (length == 0) {
        ++pos;
        return 0xFFFD;
    }
    pos += static_cast<std::size_t>(length);
    return cp;
}

}  // namespace

std::string utf8ToCp1252(const std::string& utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const int b = codePointToByte(nextCodePoint(utf8, pos));
        out += b < 0 ? kReplacement : static_cast<char>(b);
    }
    return out;
}

std::string cp1252ToUtf8(const std::string& bytes) {
    std::string out;
    out.reserve(bytes.size() * 2);
    for (char c : bytes) appendUtf8(out, byteToCodePoint(static_cast<unsigned char>(c)));
    return out;
}

std::string charactersCp1252Lacks(const std::string& utf8) {
    std::string lacking;
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const char32_t cp = nextCodePoint(utf8, pos);
        if (codePointToByte(cp) >= 0) continue;
        std::string character;
        appendUtf8(character, cp);
        if (lacking.find(character) == std::string::npos) lacking += character;
    }
    return lacking;
}

}  // namespace corvane
