#pragma once

#include "calc/graph/PlotData.h"

namespace corvane {

// A straight line along the shafts in one plane: y(x) = offset + slope * (x - x0), x in inches from
// the graph's origin, y in mils. A plane's misalignment is the moveable shaft's line less the fixed
// shaft's; the verdict judges it and the move alternatives are worked from it, so neither depends on
// where a graph happens to draw its points.
struct ShaftLine {
    double x0 = 0;      // where `offset` is taken
    double offset = 0;  // mils at x0
    double slope = 0;   // mils per inch
    double at(double x) const { return offset + slope * (x - x0); }
};

// One machine's shaft in one plane as its graph draws it: the offset found at its outboard and its
// inboard foot, in mils as the graph shows them.
struct MachineShaft {
    float outboardX = 0;
    float outboardY = 0;
    float inboardX = 0;
    float inboardY = 0;
    // The line through both feet, taken at the outboard or at the inboard foot. Two feet at one
    // place give no line: its slope is then not a finite number.
    ShaftLine outboardLine() const;
    ShaftLine inboardLine() const;
};

// The shaft's points on its graph: the outboard foot, the inboard foot, then its line carried on
// from the outboard foot to `reach` (the nearest foot of the other machine, or the coupling plane).
// The feet are drawn at the offsets found there, to the last digit, so that the graph shows the moves
// the result lines give. Two feet at one place are drawn level, as the moves were worked out.
PlotData shaftPlot(const MachineShaft& shaft, float reach);

// The moveable shaft's line less the fixed shaft's, taken at `at`.
ShaftLine lineBetween(const ShaftLine& fixed, const ShaftLine& moveable, double at);

}  // namespace corvane
