#pragma once

#include <array>

#include "calc/methods/Alignment.h"

namespace corvane {

// Reverse dial, first step: the moves of the four feet (1..4) while feet 1 and 2 are held still.
struct DialOffsets {
    std::array<float, 4> vertMove{};
    std::array<float, 4> horizMove{};
};
DialOffsets calcDialOffsets(const ProjectRecord& record, int rotation);

namespace detail {
// The whole reverse dial calculation: offsets, stationary feet, growth, graphs and texts.
CalcResult runReverseDial(const ProjectRecord& record, const CalcOptions& options);
}  // namespace detail

}  // namespace corvane
