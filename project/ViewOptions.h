#pragma once

#include <optional>
#include <string>

namespace corvane {

// How a job was being looked at when it was saved: the method and its choices, and the three
// switches of the results. They change the moves shown, so a job reopens with them; they are kept
// in the record's ReservedText, which nothing else uses.
struct ViewOptions {
    int method = 0;       // 0 reverse dial, 1 rim and face, 2 jack shaft
    int rotation = 0;     // 0 full, 1 half
    int bracketSide = 0;  // 0 "Fixed Mach", 1 "Moveable Machine"
    bool growthOn = false;
    bool toleranceOn = false;
    bool autoScale = false;

    bool operator==(const ViewOptions&) const = default;
};

// The text kept in ReservedText: one line of key=value pairs after a version mark,
//   CorvaneView=1;method=1;rotation=0;bracket=1;growth=1;tolerance=1;autoscale=0
// followed, after a line break, by whatever else the field held before (kept as it was). When both
// would not fit in the field, the line is left out and the rest kept whole: decodeViewOptions of
// the result then gives none.
std::string encodeViewOptions(const ViewOptions& view, const std::string& reservedText);
// The options a ReservedText holds; none when it holds none (a project from before they were
// kept, or a text of another program): the project then opens as it always has. Keys that are
// missing keep their defaults, keys that are unknown and values out of range are ignored.
std::optional<ViewOptions> decodeViewOptions(const std::string& reservedText);

}  // namespace corvane
