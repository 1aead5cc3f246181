#include "calc/methods/DialGuide.h"

#include <array>

#include "project/ProjectRecord.h"

namespace corvane {

namespace {

constexpr std::array<std::string_view, 4> kClock = {"12:00", "3:00", "6:00", "9:00"};

bool valid(int method) { return method >= 0 && method < kMethodCount; }

// A rim reading's meaning by position for a full turn zeroed at 12:00; the sag note only where the
// method has a sag to add.
std::string rimMeaning(int position, std::string_view where) {
    switch (position) {
        case 0:
            return "the zero: set the dial to 0 here before turning";
        case 1:
        case 3:
            return "half of 3:00 minus 9:00 is the side offset " + std::string(where);
        case 2:
            return "half of it, with half the sag, is the vertical offset " + std::string(where);
    }
    return {};
}

std::string faceMeaning(int position, std::string_view across) {
    switch (position) {
        case 0:
            return "the zero: set the dial to 0 here before turning";
        case 1:
        case 3:
            return "3:00 minus 9:00 over the face diameter is the side angle " + std::string(across);
        case 2:
            return "over the face diameter it is the vertical angle " + std::string(across);
    }
    return {};
}

}  // namespace

std::string_view clockName(int position) {
    return position >= 0 && position < 4 ? kClock[static_cast<std::size_t>(position)] : std::string_view{};
}

DialGuide dialGuide(int method, int dial, int bracketSide) {
    const bool first = dial == 1;
    switch (method) {
        case kMethodReverseDial:
            // Each dial rides on one shaft and reads the other: dial 1 reads the fixed shaft at the
            // plane nearer the fixed machine.
            return first ? DialGuide{"Dial 1", "moveable shaft", "fixed shaft's rim"}
                         : DialGuide{"Dial 2", "fixed shaft", "moveable shaft's rim"};
        case kMethodRimFace: {
            const bool fixedHalf = bracketSide != 1;
            const std::string_view shaft = fixedHalf ? "moveable shaft" : "fixed shaft";
            if (first) return {"Rim", shaft, fixedHalf ? "fixed half's rim" : "moveable half's rim"};
            return {"Face", shaft, fixedHalf ? "fixed half's face" : "moveable half's face"};
        }
        case kMethodJackShaft:
            return first ? DialGuide{"Fixed face", "fixed half", "spacer flange"}
                         : DialGuide{"Moveable face", "moveable half", "spacer flange"};
    }
    return {};
}

std::string zeroingLine(int method, int rotation) {
    if (!valid(method)) return {};
    if (method == kMethodReverseDial && rotation == 1)
        return "Zero at 9:00, turn to 12:00 and 3:00. Plunger in reads +.";
    return "Zero at 12:00, turn a full circle. Plunger in reads +.";
}

std::string zeroingNote(int method, int rotation) {
    if (!valid(method)) return {};
    const bool half = method == kMethodReverseDial && rotation == 1;
    return half ? "Zero: 9:00\nPlunger in: +" : "Zero: 12:00\nPlunger in: +";
}

std::string readingTip(int method, int dial, int position, int rotation, int bracketSide) {
    if (!valid(method) || position < 0 || position > 3 || (dial != 1 && dial != 2)) return {};
    const DialGuide g = dialGuide(method, dial, bracketSide);
    std::string tip = std::string(g.label) + " at " + std::string(clockName(position)) + ": ";
    if (method == kMethodReverseDial && rotation == 1) {
        switch (position) {
            case 3:
                tip += "the zero: set the dial to 0 here before turning";
                break;
            case 1:
                tip += "half of it is the side offset at this dial";
                break;
            case 0:
                tip += "half the 3:00 reading minus this one, with half the sag, is the vertical offset";
                break;
            default:
                tip += "not read on a half turn";
                break;
        }
    } else if (method == kMethodReverseDial) {
        tip += rimMeaning(position, "at this dial");
    } else if (method == kMethodRimFace) {
        tip += dial == 1 ? rimMeaning(position, "at the coupling") : faceMeaning(position, "of the shafts");
    } else {
        tip += faceMeaning(position, dial == 1 ? "at the fixed machine" : "at the moveable machine");
    }
    tip += ". Plunger in reads +.";
    return tip;
}

}  // namespace corvane
