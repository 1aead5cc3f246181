#pragma once

// What the technician is told about each dial where the readings are typed and in the drawings:
// its short name, the shaft its bracket is clamped on, the surface its plunger bears on, where it
// is zeroed and what each reading means. Every method's words are here, in one table.

#include <string>
#include <string_view>

namespace corvane {

struct DialGuide {
    std::string_view label;      // drawn at the indicator: "Dial 1", "Rim", "Face", "Fixed face"
    std::string_view clampedOn;  // "moveable shaft"
    std::string_view bearsOn;    // "fixed shaft's rim"
};

// Dial 1 or 2 of a method; the rim-and-face bracket depends on the machine whose half it reads
// (bracketSide 0 "Fixed Mach": the fixed machine's half, 1 the moveable machine's).
DialGuide dialGuide(int method, int dial, int bracketSide);

// One short line for a reading frame: where the dial is zeroed, which way it turns and the sign of
// a plunger moving in. Rotation 1 (half) applies to the reverse dial only.
std::string zeroingLine(int method, int rotation);

// The same in two short lines for the corner of a reading frame: "Zero: 12:00\nPlunger in: +".
std::string zeroingNote(int method, int rotation);

// The tool tip of a reading box: the clock position, the dial and what its value means.
std::string readingTip(int method, int dial, int position, int rotation, int bracketSide);

// The names the clock positions 0..3 go by.
std::string_view clockName(int position);

}  // namespace corvane
