#pragma once

// Pieces the three alignment methods share: the result lines, the "no result" state, the
// automatic Y range, the tolerance band and the finishing of the two-foot methods.

#include <cmath>
#include <optional>
#include <string>
#include <string_view>

#include "calc/Alignment.h"

namespace corvane::detail {

CalcResult runReverseDial(const ProjectRecord& record, const CalcOptions& options);
CalcResult calcRimFace(const ProjectRecord& record, const CalcOptions& options);
CalcResult calcJackShaft(const ProjectRecord& record, const CalcOptions& options);

inline constexpr std::string_view kLineBreak = "\r\n";

// Vertical direction words shared by every method; each pads to one width for the fixed-pitch label.
inline constexpr std::string_view kSuffixUp = " mils  UP  ";
inline constexpr std::string_view kSuffixDown = " mils  DOWN";

// head + magnitude of the move + the suffix of its sign (a move of 0 takes suffixAtOrAbove0).
void appendMoveLine(std::string& text, std::string_view head, float move, std::string_view suffixAtOrAbove0,
                    std::string_view suffixBelow0);

// Puts the result into the state that shows no number: both labels say why, the moves and machine
// lines are dropped, and the Y ranges are left as the user has them. The X maximum stays as the
// lengths give it; when they are not finite neither is it, and the graph keeps its axis.
void markNoResult(CalcResult& result, std::string_view reason);

// markNoResult, then the tolerance band, which does not depend on the failed numbers.
CalcResult noResult(CalcResult& result, const ProjectRecord& record, const CalcOptions& options,
                    std::string_view reason);

// Names the first input of the method that is not a finite number (a NaN or an infinity from a file):
// a result worked from it would be meaningless even where it comes out finite.
std::optional<std::string_view> nonFiniteInput(const ProjectRecord& record, const CalcOptions& options);
// Finite inputs whose result overflows.
inline constexpr std::string_view kTooLarge = "No result: the numbers are too large to calculate with";

// -niceScaleMax(largest) .. +niceScaleMax(largest): the maximum is set first and the minimum is the
// negative of the maximum as the axis holds it. None when that end is not finite.
std::optional<YRange> autoRange(float largest);

// The tolerance rectangle on both graphs when ToleranceOn is set.
void addToleranceBands(CalcResult& result, const ProjectRecord& record, const CalcOptions& options);

inline bool isFinite(float v) { return std::isfinite(v); }

template <typename... T>
bool allFinite(T... values) {
    return (isFinite(values) && ...);
}

// A negative zero would reach the graphs and the JSON as "-0"; the sum with +0 turns it into +0
// and leaves every other value alone.
inline float plain(float v) { return v + 0.0f; }

// The rim-and-face and jack-shaft methods: two feet of the moveable machine per plane.
struct TwoFootLayout {
    float x[3];  // the plane at x = 0, the near/inboard foot, the far/outboard foot
    std::string_view verticalHead1, verticalHead2;
    std::string_view horizontalHead1, horizontalHead2;
    std::string_view horizontalAtOrAbove0, horizontalBelow0;
    bool negateHorizontalPlot;  // rim and face plots -H, jack shaft plots H as it is
};

// Draws the moveable machine's line through its two feet, extended back to x = 0, sets the axes
// and writes both labels. The moves are final (growth already taken off).
void finishTwoFootResult(CalcResult& result, const TwoFootLayout& layout, float vertical1, float vertical2,
                         float horizontal1, float horizontal2, const CalcOptions& options);

}  // namespace corvane::detail
