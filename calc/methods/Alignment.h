#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "calc/format/Units.h"
#include "calc/graph/PlotData.h"
#include "calc/graph/ShaftLine.h"
#include "project/ProjectRecord.h"
#include "project/ViewOptions.h"

namespace corvane {

// The tolerance band of one graph after a calculation.
struct ToleranceBand {
    enum class State {
        NotAsked,  // the band is off: the graph's band stays as it is (and hidden)
        Drawn,     // the rectangle at the coupling: `corners`
        Cleared,   // asked for, but its numbers are not finite: an old band must not stay on screen
    };
    State state = State::NotAsked;
    PlotData corners;  // X = (x1, x2, x2, x1, x1), Y = (T, T, -T, -T, T)
    bool operator==(const ToleranceBand&) const = default;
};

// Everything one calculation draws on one graph. A machine line that is none is hidden.
struct GraphResult {
    float xMax = 0;                           // new X axis maximum; not finite: the axis stays as it is
    std::optional<YRange> yRange;             // new Y range; none when AutoScale is clear or it has none
    std::optional<PlotData> fixedMachine;     // the fixed machine's shaft (reverse dial only)
    std::optional<PlotData> moveableMachine;  // the moveable machine's shaft
    ToleranceBand band;
};

// The choices of the main window that a calculation reads.
struct CalcOptions {
    int method = 0;          // CalcMethod
    int rotation = 0;        // cmbRotation: 0 "Full Rotation", 1 "Half Rotation", -1 none
    int bracketSide = 0;     // cmbFixMove: 0 "Fixed Mach", 1 "Moveable Machine", -1 none
    bool growthOn = false;   // GrowthOn
    bool autoScale = false;  // AutoScale
    bool toleranceOn = false;
    float tolerance = 0;        // Tolerance, mils
    YRange graph1Y{-100, 100};  // the graphs' current Y ranges
    YRange graph2Y{-100, 100};
    // The unit of the texts (result lines, findings, verdict); every number of the result stays in
    // mils and inches, as the record holds them.
    UnitSystem units = UnitSystem::English;
};

// The options of a calculation for a view of the job, the acceptable offset and the graphs' ranges:
// what the main window and corvane-cli both hand over.
CalcOptions calcOptionsFor(const ViewOptions& view, float tolerance, YRange graph1Y, YRange graph2Y);
// The options a window that has just opened the job calculates with: the acceptable offset of the
// method's span at the job's speed, and the graphs on the ranges of their dials' knobs.
CalcOptions openingOptions(const ProjectRecord& record, const ViewOptions& view);

// Where the feet stand along the shafts, inches from the graph's origin: the fixed machine's
// outboard and inboard foot, then the moveable machine's inboard and outboard foot. The readings
// place the fixed machine's feet for reverse dial only; the other methods leave them unknown.
struct FootPlaces {
    std::array<double, 4> x{};
    bool fixedKnown = false;
    // Where the verdict takes the offset: the coupling centre (reverse dial), the coupling face
    // (rim and face), the fixed coupling (jack shaft). The jack shaft's spacer ends at spacerEnd.
    double judgedAt = 0;
    double spacerEnd = 0;
};

enum class CalcStatus {
    NotRun,    // the method index is outside 0..2: nothing on screen changes
    Result,    // moves, both texts and the machine lines
    NoResult,  // an input leaves no finite result: both texts say why; no moves, no machine lines
    Aborted,   // reverse dial without two stationary feet: the message only; the screen keeps what
               // it shows and the record is not touched
};

// The outcome of calcAlignment: a value that the windows, the command line and the report show;
// nothing is drawn here.
struct CalcResult {
    CalcStatus status = CalcStatus::NotRun;
    std::string abortMessage;    // Aborted
    std::string verticalText;    // lblAcalc1, lines joined by CR LF, none after the last
    std::string horizontalText;  // lblAcalc2
    // Result: reverse dial feet 1..4; rim and face near, far; jack shaft inboard, outboard.
    std::vector<float> verticalMoves;
    std::vector<float> horizontalMoves;
    // Reverse dial with GrowthOn: the values to store as Growth(m,4) and Growth(m,5).
    std::optional<std::array<float, 2>> growthWritten;
    GraphResult graph1;  // vertical
    GraphResult graph2;  // horizontal
    // Result: each plane's misalignment and where the feet stand.
    std::optional<ShaftLine> verticalLine;
    std::optional<ShaftLine> horizontalLine;
    FootPlaces feet;

    bool hasResult() const { return status == CalcStatus::Result; }
};

inline constexpr const char* kAbortMessage =
    "Aborting Reverse Dial calculations\r\nYou must check 2 stationary machine feet.";
// What the result places say while the stationary feet are not a pair: the last moves no longer
// belong to the feet ticked, and one of them may be a foot now marked as not to be moved.
inline constexpr const char* kNoStationaryPair = "No result: tick exactly two stationary feet";

// Runs the calculation of options.method on the record. Pure: the caller stores growthWritten.
CalcResult calcAlignment(const ProjectRecord& record, const CalcOptions& options);

}  // namespace corvane
