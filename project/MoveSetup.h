#pragma once

#include <array>
#include <optional>
#include <string>

#include "project/FootLedger.h"

namespace corvane {

// What one foot can do, as the technician finds it at the machine; unknown when not given. In mils.
// The shim under a foot is how far it can go down; the bolt clearance each side is how far it can
// go left or right (left and right as the result lines say them).
struct FootLimits {
    std::optional<double> shim;
    std::optional<double> boltLeft;
    std::optional<double> boltRight;
    bool operator==(const FootLimits&) const = default;
};

// What a job keeps for the move alternatives beyond the fixed record.
struct MoveSetup {
    // Rim and face and jack shaft do not place the fixed machine's feet: the technician gives the
    // distance from its inboard foot to the coupling and its foot spacing, in inches.
    std::optional<double> fixedInboardToCoupling;
    std::optional<double> fixedFootSpacing;
    std::array<FootLimits, 4> feet;  // feet 1..4
    // The feet held still in the chosen alternative (1-based, ascending), for the methods whose
    // held feet are not the stationary-feet ticks.
    std::optional<std::array<int, 2>> held;

    bool fixedFeetGiven() const { return fixedInboardToCoupling.has_value() && fixedFootSpacing.has_value(); }
    bool operator==(const MoveSetup&) const = default;
};

// The text kept in ReservedText, one line among the others of ours:
//   CorvaneMoves=1;inboard=10;spacing=24;shim3=15;left4=5;right4=5;held=1,3
// A setup with nothing given removes the line, so a job that never used it keeps its bytes.
std::string encodeMoveSetup(const MoveSetup& setup, const std::string& reservedText);
// The setup a ReservedText holds; an empty one when it holds none or a later version. Values that
// are not finite numbers of their range are ignored.
MoveSetup decodeMoveSetup(const std::string& reservedText);

// The limits the moves are judged against: the technician's own figures, and under a foot for which
// none is given, the shims the foot ledger records there (a foot cannot go lower than the shims
// under it allow without machining the base). A position the ledger keeps no shims for stays
// unknown: an empty stack is as likely not filled in as bare.
MoveSetup withLedgerShims(MoveSetup setup, const FootLedger& ledger);

}  // namespace corvane
