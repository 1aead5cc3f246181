#pragma once

#include <string>
#include <string_view>

#include "calc/format/Units.h"

namespace corvane::detail {

inline constexpr std::string_view kLineBreak = "\r\n";

// Vertical direction words shared by every method; the two of a pair pad to one width, so that the
// lines of a label stay in columns in the fixed-pitch font whatever the unit before them.
inline constexpr std::string_view kUp = "  UP  ";
inline constexpr std::string_view kDown = "  DOWN";

// head + magnitude of the move in `units` + its unit + the direction of its sign (a move of 0 takes
// atOrAbove0): "Machine Foot 3: move  25.000 mils  DOWN", "...  0.635 mm  DOWN".
void appendMoveLine(std::string& text, std::string_view head, float move, UnitSystem units,
                    std::string_view atOrAbove0, std::string_view below0);

}  // namespace corvane::detail
