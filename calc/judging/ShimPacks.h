#pragma once

// Shim packs: a vertical move made of the pre-cut shims of the technician's kit. A foot goes up by
// adding shims and down by pulling them; more than a few shims under one foot make a soft, springy
// stack, so each foot has a most it may stand on.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "calc/format/Units.h"
#include "calc/methods/Alignment.h"
#include "project/FootLedger.h"

namespace corvane {

struct KitShim {
    double thickness = 0;  // in the kit's unit: mils, or mm for a metric kit
    int onHand = 0;
};

// The technician's kit: a user preference, handed in.
struct ShimKit {
    UnitSystem units = UnitSystem::English;
    std::vector<KitShim> sizes;
    int mostUnderFoot = 4;
};

inline constexpr int kDefaultShimsOnHand = 10;
inline constexpr int kDefaultMostUnderFoot = 4;

// A common range of pre-cut stainless shims, as the shim-kit makers sell them: 1, 2, 3, 5, 10, 15,
// 20, 25, 50, 75, 100, 125 mils; 0.05, 0.10, 0.20, 0.25, 0.40, 0.50, 0.70, 1.00, 2.00 mm. Ten of
// each, at most four under a foot.
ShimKit defaultShimKit(UnitSystem units);

// The kit as a text the user edits and the settings keep: "1x10 2x10 5x4" (thickness x number on
// hand, a size alone meaning ten). Sizes sorted thinnest first.
std::string kitText(const ShimKit& kit);
// Reads kitText's form; a piece that is not a positive size (or a count that is not a whole number
// 0..999) is refused with the reason.
struct KitReading {
    std::optional<std::vector<KitShim>> sizes;
    std::string problem;
};
KitReading readKitText(std::string_view text);

// What to do at one foot position for its vertical move. Thicknesses in the kit's unit, thickest
// first.
struct ShimPack {
    int position = 0;  // 0..3, foot 1..4
    float move = 0;    // mils, up when >= 0
    std::vector<double> remove;
    std::vector<double> add;
    double residual = 0;  // the move less what the pack does, kit's unit
    // The residual is within half the thinnest shim of the kit: no pack within the limit does better.
    bool reached = true;
    std::vector<double> finalStack;  // the stack after the pack, thickest first
    std::string text;                // "add 10 + 5 = 15 mils for a move of 14.6; 0.4 mils over"
};

// The pack for one foot position: the kit's shims whose sum, less the shims pulled from `stack`
// (mils), comes nearest the move; then the fewest pieces handled, then the fewest left under the
// foot. The foot never ends with more than kit.mostUnderFoot shims: thin shims are pulled and
// replaced by a thicker one where the stack would otherwise grow past it. Exhaustive: every
// choice of shims to pull and every pack of up to the limit from the kit is tried.
ShimPack shimPack(int position, float moveMils, const std::vector<float>& stackMils, const ShimKit& kit);

// The vertical move of each foot position the result moves: all four feet for reverse dial, the
// moveable machine's two (feet 3 and 4) for the others. None where the method moves no foot or the
// calculation has no result.
std::array<std::optional<float>, kFootPositions> verticalMovesByPosition(const CalcResult& result,
                                                                         int method);

// The packs of every foot that moves, in foot order; the shims the earlier ones take are no longer
// on hand for the later ones.
std::vector<ShimPack> shimPacks(const std::array<std::optional<float>, kFootPositions>& moves,
                                const FootLedger& ledger, ShimKit kit);

}  // namespace corvane
