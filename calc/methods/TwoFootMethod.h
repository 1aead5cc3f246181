#pragma once

// What the rim-and-face and jack-shaft methods share: two feet of the moveable machine per plane,
// one line through them, extended back to the plane at x = 0.

#include <optional>
#include <string_view>

#include "calc/methods/Alignment.h"

namespace corvane::detail {

struct TwoFootLayout {
    float x[3];  // the plane at x = 0, the near/inboard foot, the far/outboard foot
    std::string_view verticalHead1, verticalHead2;
    std::string_view horizontalHead1, horizontalHead2;
    std::string_view horizontalAtOrAbove0, horizontalBelow0;  // direction words after the unit
    bool negateHorizontalPlot;      // rim and face plots -H, jack shaft plots H as it is
    std::string_view feetTogether;  // why there is no result when both feet stand at one place
};

// Sets both graphs' X maximum to the far foot, then stops at an input that leaves no line: one that
// is not a finite number, a face diameter of 0 (`faceDiameter`, when a face reading is used), or both
// feet at one place. False when it stopped, with `result` saying why.
bool twoFootInputsUsable(CalcResult& result, const TwoFootLayout& layout, const ProjectRecord& record,
                         const CalcOptions& options, std::optional<float> faceDiameter);

// Takes the feet's growth off the vertical moves (when GrowthOn), draws the moveable machine's line
// through its two feet, extended back to x = 0, sets the axes, the shaft lines and the tolerance
// bands, and writes both labels.
void finishTwoFootResult(CalcResult& result, const TwoFootLayout& layout, const ProjectRecord& record,
                         const CalcOptions& options, float vertical1, float vertical2, float horizontal1,
                         float horizontal2);

}  // namespace corvane::detail
