#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "project/ProjectRecord.h"

namespace corvane {

struct YRange {
    double min = 0;
    double max = 0;
    bool operator==(const YRange&) const = default;
};

// Points of one plot, joined in the order given (not sorted by x).
struct PlotData {
    std::vector<float> x;
    std::vector<float> y;
    bool operator==(const PlotData&) const = default;
};

// Everything one calculation draws on one graph.
struct GraphResult {
    float xMax = 0;                 // new X axis maximum
    std::optional<YRange> yRange;   // new Y range; none when AutoScale is clear or there is no result
    PlotData plot1;                 // first machine line
    bool plot1Visible = true;       // false when there is no result to show
    std::optional<PlotData> plot2;  // second machine line (reverse dial only)
    bool plot2Visible = false;
    std::optional<PlotData> band;   // tolerance rectangle, when ToleranceOn
};

// The choices of the main window that a calculation reads.
struct CalcOptions {
    int method = 0;          // CalcMethod
    int rotation = 0;        // cmbRotation: 0 "Full Rotation", 1 "Half Rotation", -1 none
    int bracketSide = 0;     // cmbFixMove: 0 "Fixed Mach", 1 "Moveable Machine", -1 none
    bool growthOn = false;   // GrowthOn
    bool autoScale = false;  // AutoScale
    bool toleranceOn = false;
    float tolerance = 0;     // Tolerance, mils
    YRange graph1Y{-100, 100};  // the graphs' current Y ranges
    YRange graph2Y{-100, 100};
};

// The outcome of calcAlignment: a value that the window shows; nothing is drawn here.
struct CalcResult {
    bool ran = false;      // false when the method index is outside 0..2: nothing changes
    bool aborted = false;  // reverse dial with fewer than two stationary feet
    std::string abortMessage;
    std::string verticalText;    // lblAcalc1, lines joined by CR LF, none after the last
    std::string horizontalText;  // lblAcalc2
    bool hasResult = true;       // false when an input leaves no finite result (texts then say why)
    // Reverse dial: feet 1..4. Rim and face: near, far. Jack shaft: inboard, outboard.
    std::vector<float> verticalMoves;
    std::vector<float> horizontalMoves;
    // Reverse dial with GrowthOn: the values to store as Growth(m,4) and Growth(m,5).
    std::optional<std::array<float, 2>> growthWritten;
    GraphResult graph1;  // vertical
    GraphResult graph2;  // horizontal
};

inline constexpr const char* kAbortMessage =
    "Aborting Reverse Dial calculations\r\nYou must check 2 stationary machine feet.";

// Runs the calculation of options.method on the record. Pure: the caller stores growthWritten.
// When aborted is set, nothing else in the result is meant to be shown (hasResult is false too): the
// window keeps its previous texts and plots. When hasResult is clear, both texts hold one line saying
// why, the moves are empty, the machine lines are hidden and empty, and yRange is none; xMax is not
// finite when a length is not (leave the axis as it is then). The band is empty (no points) when
// ToleranceOn is set but its own corners are not finite, so that no stale band stays on screen.
CalcResult calcAlignment(const ProjectRecord& record, const CalcOptions& options);

// Reverse dial, first step: the moves of the four feet (1..4) while feet 1 and 2 are held still.
struct DialOffsets {
    std::array<float, 4> vertMove{};
    std::array<float, 4> horizMove{};
};
DialOffsets calcDialOffsets(const ProjectRecord& record, int rotation);

// 1-2-5 series.
float niceScaleMax(double v);
float niceScaleMin(double v);
// The zoom buttons: narrow (widen == false) or widen the range by a tenth of its span each side.
YRange zoomRange(YRange range, bool widen);
// The tolerance rectangle for a method: X = (x1, x2, x2, x1, x1), Y = (T, T, -T, -T, T).
PlotData toleranceBand(const ProjectRecord& record, int method, float tolerance);

// Acceptable offset in mils: Span * 1500 / RPM, 0 when RPM is 0.
float calcTolerance(float span, float rpm);
// The coupling span of a method: C for reverse dial, A for the other two.
float toleranceSpan(const ProjectRecord& record, int method);

// Thermal growth.
float growthCoefficient(int material);  // mils per inch per degree F; 0 outside 0..3 means unscaled
// Growth of one foot in mils: (hot - cold) * height in double, stored as float, times the coefficient.
float footGrowth(float hotTemp, float coldTemp, float footHeight, int material);

}  // namespace corvane
