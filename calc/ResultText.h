#pragma once

#include <string>
#include <string_view>

namespace corvane::detail {

inline constexpr std::string_view kLineBreak = "\r\n";

// Vertical direction words shared by every method; each pads to one width for the fixed-pitch label.
inline constexpr std::string_view kSuffixUp = " mils  UP  ";
inline constexpr std::string_view kSuffixDown = " mils  DOWN";

// head + magnitude of the move + the suffix of its sign (a move of 0 takes suffixAtOrAbove0).
void appendMoveLine(std::string& text, std::string_view head, float move, std::string_view suffixAtOrAbove0,
                    std::string_view suffixBelow0);

}  // namespace corvane::detail
