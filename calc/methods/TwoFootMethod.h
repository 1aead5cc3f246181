#pragma once

// What the rim-and-face and jack-shaft methods share: two feet of the moveable machine per plane,
// one line through them, extended back to the plane at x = 0.

#include <string_view>

#include "calc/methods/Alignment.h"

namespace corvane::detail {

struct TwoFootLayout {
    float x[3];  // the plane at x = 0, the near/inboard foot, the far/outboard foot
    std::string_view verticalHead1, verticalHead2;
    std::string_view horizontalHead1, horizontalHead2;
    std::string_view horizontalAtOrAbove0, horizontalBelow0;  // direction words after the unit
    bool negateHorizontalPlot;  // rim and face plots -H, jack shaft plots H as it is
};

// Draws the moveable machine's line through its two feet, extended back to x = 0, sets the axes
// and writes both labels. The moves are final (growth already taken off).
void finishTwoFootResult(CalcResult& result, const TwoFootLayout& layout, float vertical1, float vertical2,
                         float horizontal1, float horizontal2, const CalcOptions& options);

}  // namespace corvane::detail
