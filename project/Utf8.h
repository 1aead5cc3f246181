#pragma once

#include <cstddef>
#include <string>

namespace corvane {

// The code point of the UTF-8 sequence at `s` (`left` bytes remain), with its length in bytes;
// length 0 when the bytes there are not valid UTF-8: a stray continuation byte, a sequence cut
// short, an overlong form, a surrogate or a value past U+10FFFF.
char32_t decodeUtf8(const unsigned char* s, std::size_t left, int& length);

// Appends the UTF-8 bytes of one code point.
void appendUtf8(std::string& out, char32_t cp);

}  // namespace corvane
