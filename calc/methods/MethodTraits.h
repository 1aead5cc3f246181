#pragma once

#include <array>
#include <string_view>

#include "project/ProjectRecord.h"

namespace corvane {

// What the one box beside the length grid holds: the reverse dial's bracket sag (a reading), or the
// diameter the face indicator sweeps (a length) of a face method, each kept in its own field.
enum class MiscField { Sag, FaceDia1, FaceDia2 };

// Everything the windows, the report and the command line show differently per method, in one
// row per method. A new method is a new row here and a calculation file beside it.
struct MethodTraits {
    std::string_view name;  // "Reverse Dial"
    // The lengths the method measures, in the order of the grid's rows: each names the place of
    // its letter over the machine drawing (0..4, left to right). The grid has one row per entry.
    int lengthCount;
    std::array<int, kLengthCount> letterPlaces;
    // The captions of the two reading frames.
    std::string_view dial1Title;
    std::string_view dial2Title;
    // Where the person stands who reads the dials, and from where the moves are given.
    std::string_view readingsViewpoint;
    std::string_view resultsViewpoint;
    MiscField miscField;
    // The moveable machine's feet the method gives moves and growth for (the reverse dial method
    // also the fixed machine's), left to right, with the record's growth index of the first one.
    int footCount;
    int firstGrowthIndex;
    std::array<std::string_view, 4> footNames;
    // The names of the moves table, where the short one would leave the machine unsaid.
    std::array<std::string_view, 4> footDescriptions;
    // Whether the dials may be read over half a turn (3:00 taken as the opposite of 9:00).
    bool hasRotationChoice;
    // Whether the brackets may stand on either shaft, so the technician says which.
    bool hasBracketSide;
    // Whether the fixed machine's feet may be marked as not to be moved.
    bool hasStationaryTicks;
    // Whether the drawing has a machine named by the fixed machine's name box (the jack shaft's
    // spacer has none).
    bool namesFixedMachine;
    // Whether the drawing captions its machines "Fixed" and "Moveable".
    bool captionsFixedMachine;
    bool captionsMoveableMachine;
    // Whether a bar sag of the rim dial is entered beside the face diameter.
    bool hasRimSag;
};

// The row of `method`; an unknown method has the reverse dial's row, as the windows fall back to it.
const MethodTraits& methodTraits(int method);

// The value of the sag / face-diameter box of a method, read or written in its own field.
float miscValue(const ProjectRecord& record, int method);
float& miscValue(ProjectRecord& record, int method);

}  // namespace corvane
