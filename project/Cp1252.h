#pragma once

#include <cstddef>
#include <string>

namespace corvane {

// Project and settings files keep their texts in Windows-1252, one byte a character, behind a
// 16-bit byte count: a text can hold at most this many characters.
constexpr std::size_t kMaxTextBytes = 0xFFFF;

// Windows-1252 <-> UTF-8. A character the code page cannot hold becomes "?".
std::string utf8ToCp1252(const std::string& utf8);
std::string cp1252ToUtf8(const std::string& bytes);

// The characters of a UTF-8 text that Windows-1252 cannot hold (they would be stored as "?"),
// each once, in the order they first appear; empty when the whole text can be stored.
std::string charactersCp1252Lacks(const std::string& utf8);

}  // namespace corvane
