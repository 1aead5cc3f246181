#include "cli/Arguments.h"

#include <cstdio>
#include <cstring>

namespace corvane::cli {

namespace {

// The code point of the valid UTF-8 sequence at `s`, with its length; length 0 when the bytes
// there are not valid UTF-8 (overlong forms, surrogates and values past U+10FFFF included).
char32_t decodeOne(const unsigned char* s, std::size_t left, int& length) {
    length = 0;
    const unsigned char b = s[0];
    int n = 0;
    char32_t cp = 0, min = 0;
    if (b < 0x80) {
        length = 1;
        return b;
    }
    if ((b & 0xE0) == 0xC0) {
        n = 2, cp = b & 0x1F, min = 0x80;
    } else if ((b & 0xF0) == 0xE0) {
        n = 3, cp = b & 0x0F, min = 0x800;
    } else if ((b & 0xF8) == 0xF0) {
        n = 4, cp = b & 0x07, min = 0x10000;
    } else {
        return 0;
    }
    if (left < static_cast<std::size_t>(n)) return 0;
    for (int i = 1; i < n; ++i) {
        if ((s[i] & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (s[i] & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    length = n;
    return cp;
}

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

}  // namespace

QString argumentFromBytes(const char* bytes) {
    const auto* s = reinterpret_cast<const unsigned char*>(bytes);
    std::size_t left = std::strlen(bytes);
    QString out;
    while (left > 0) {
        int length = 0;
        const char32_t cp = decodeOne(s, left, length);
        if (length == 0) {
            out += QChar(static_cast<char16_t>(0xDC00 + s[0]));
            length = 1;
        } else {
            out += QString::fromUcs4(&cp, 1);
        }
        s += length;
        left -= static_cast<std::size_t>(length);
    }
    return out;
}

QStringList argumentsFromBytes(int argc, char** argv) {
    QStringList out;
    for (int i = 0; i < argc; ++i) out << argumentFromBytes(argv[i]);
    return out;
}

std::string pathBytes(const QString& argument) {
    std::string out;
    for (qsizetype i = 0; i < argument.size(); ++i) {
        const char16_t u = argument[i].unicode();
        if (u >= 0xDC80 && u <= 0xDCFF) {
            out += static_cast<char>(u - 0xDC00);
        } else if (QChar::isHighSurrogate(u) && i + 1 < argument.size() &&
                   QChar::isLowSurrogate(argument[i + 1].unicode())) {
            appendUtf8(out, QChar::surrogateToUcs4(u, argument[i + 1].unicode()));
            ++i;
        } else {
            appendUtf8(out, u);
        }
    }
    return out;
}

bool writeOutput(const std::string& text) {
    const bool written = std::fwrite(text.data(), 1, text.size(), stdout) == text.size();
    return std::fflush(stdout) == 0 && written && !std::ferror(stdout);
}

}  // namespace corvane::cli
