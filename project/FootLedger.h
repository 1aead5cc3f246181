#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

// The foot positions of the machine train, in shaft order: 0 and 1 the fixed machine's outer and
// inner foot, 2 and 3 the moveable machine's inner and outer foot (feet 1 to 4 on screen). Each
// position has two physical feet, left and right as seen from the fixed machine.
constexpr int kFootPositions = 4;
constexpr int kPhysicalFeet = 2 * kFootPositions;
// The most shims a stack under one foot position keeps: far more than any sound foot stands on.
constexpr std::size_t kMostShimsInStack = 12;

enum class FootSide { Left, Right };

// What the technician judges a soft foot to be: it decides how it is corrected (a parallel gap is
// shimmed, an angled one needs a stepped shim or machining, a springing foot a clean base, an
// induced one the pipe or coupling strain taken off first).
enum class SoftFootKind { Unjudged, Parallel, Angled, Springing, Induced };
inline constexpr int kSoftFootKindCount = 5;

// "parallel", "angled", "springing", "induced"; "" for Unjudged. The words of the file and of
// corvane-cli.
std::string_view softFootKindKey(SoftFootKind kind);
// "Parallel", "Angled", "Springing", "Induced (pipe or coupling strain)"; "Not judged".
std::string_view softFootKindName(SoftFootKind kind);

// One physical foot's soft-foot check. Lifts and shims in mils, as everything in the record; a
// lift that was not measured is none (not 0, which is a measured foot that does not rock).
struct FootCheck {
    std::optional<float> asFound;  // the lift with the bolt loosened, before correcting
    SoftFootKind kind = SoftFootKind::Unjudged;
    float shimAdded = 0;          // shim put under this foot alone to correct it
    std::optional<float> asLeft;  // the lift after correcting

    bool operator==(const FootCheck&) const = default;
};

// What a job keeps about its feet beyond the record's fixed fields: the soft-foot check of every
// physical foot and the shims under every foot position now.
struct FootLedger {
    std::array<FootCheck, kPhysicalFeet> feet{};
    // The shims under each foot position, in mils, in the order they were entered.
    std::array<std::vector<float>, kFootPositions> stacks{};

    bool operator==(const FootLedger&) const = default;
    bool empty() const { return *this == FootLedger{}; }

    FootCheck& foot(int position, FootSide side) { return feet[index(position, side)]; }
    const FootCheck& foot(int position, FootSide side) const { return feet[index(position, side)]; }
    static std::size_t index(int position, FootSide side) {
        return static_cast<std::size_t>(2 * position + (side == FootSide::Right ? 1 : 0));
    }
};

// "left", "right".
std::string_view footSideName(FootSide side);

// How much can come out from under a foot position: the whole stack there, in mils; 0 for a
// position outside 0..3. A machine cannot be lowered further at that foot without machining its
// base.
float removableShim(const FootLedger& ledger, int position);

// The ReservedText with the ledger kept in it as one line,
//   CorvaneFeet=1;f1L=4.5,parallel,2,0.5;f3R=,,,;s3=10,5
// in place of an earlier one; an empty ledger removes the line. Another program's text is kept.
std::string encodeFootLedger(const FootLedger& ledger, const std::string& reservedText);
// The ledger a ReservedText keeps; an empty one when it keeps none (a job from before the ledger,
// or a later version's line). Values that do not read as numbers are left out, not guessed.
FootLedger decodeFootLedger(std::string_view reservedText);

}  // namespace corvane
