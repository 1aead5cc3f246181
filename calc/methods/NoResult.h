#pragma once

// The state of a calculation that shows no number, and the inputs that lead to it.

#include <optional>
#include <string_view>

#include "calc/methods/Alignment.h"

namespace corvane::detail {

// Finite inputs whose result overflows.
inline constexpr std::string_view kTooLarge = "No result: the numbers are too large to calculate with";

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

// The tolerance rectangle on both graphs when ToleranceOn is set; cleared when its own numbers are
// not finite, so that no stale band stays on screen.
void addToleranceBands(CalcResult& result, const ProjectRecord& record, const CalcOptions& options);

}  // namespace corvane::detail
