#include "calc/graph/ShaftLine.h"

#include "calc/format/FloatValues.h"

namespace corvane {

using detail::plain;
using detail::widen;

namespace {

// The line taken at (x, y), its slope worked towards the other foot.
ShaftLine lineFrom(float x, float y, float otherX, float otherY) {
    return ShaftLine{x, y, (widen(otherY) - y) / (widen(otherX) - x)};
}

}  // namespace

ShaftLine MachineShaft::outboardLine() const { return lineFrom(outboardX, outboardY, inboardX, inboardY); }

ShaftLine MachineShaft::inboardLine() const { return lineFrom(inboardX, inboardY, outboardX, outboardY); }

PlotData shaftPlot(const MachineShaft& shaft, float reach) {
    ShaftLine line = shaft.outboardLine();
    if (shaft.inboardX == shaft.outboardX) line.slope = 0;
    const float carried = detail::narrow(line.at(reach));
    return PlotData{{shaft.outboardX, shaft.inboardX, reach},
                    {plain(shaft.outboardY), plain(shaft.inboardY), plain(carried)}};
}

ShaftLine lineBetween(const ShaftLine& fixed, const ShaftLine& moveable, double at) {
    return ShaftLine{at, moveable.at(at) - fixed.at(at), moveable.slope - fixed.slope};
}

}  // namespace corvane
