#include "calc/methods/JackShaft.h"

#include "calc/methods/TwoFootMethod.h"

namespace corvane::detail {

// A face indicator at each end of the jack shaft gives the angle of the shaft against each machine;
// the two angles, each carried over its distance, add up to the offset at the moveable machine's feet.
CalcResult calcJackShaft(const ProjectRecord& r, const CalcOptions& options) {
    const int m = kMethodJackShaft;
    CalcResult result;

    const float a = r.length(m, 0);
    const float b = r.length(m, 1);
    const float c = r.length(m, 2);
    const float d = r.FaceDia2;
    // The distance sums are kept as floats, like every stored length.
    const float ab = a + b;
    const float abc = ab + c;
    const float bc = b + c;
    const TwoFootLayout layout{.x = {0, ab, abc},
                               .verticalHead1 = "InBoard Foot:   move  ",
                               .verticalHead2 = "OutBoard Foot:  move  ",
                               .horizontalHead1 = "InBoard Foot:    move  ",
                               .horizontalHead2 = "OutBoard Foot:   move  ",
                               .horizontalAtOrAbove0 = "  RIGHT",
                               .horizontalBelow0 = "  LEFT ",
                               .negateHorizontalPlot = false,
                               .feetTogether = "No result: distance C is 0"};
    if (!twoFootInputsUsable(result, layout, r, options, d)) return result;

    const double f6 = r.dial1(m, 2);
    const double fh = static_cast<double>(r.dial1(m, 1)) - r.dial1(m, 3);
    const double m6 = r.dial2(m, 2);
    const double mh = static_cast<double>(r.dial2(m, 1)) - r.dial2(m, 3);
    const double dd = d;
    // Each distance over the face diameter is the lever of that face reading; worked in double and
    // rounded to float once.
    const double inboardM = b / dd, inboardF = ab / dd;
    const double outboardM = bc / dd, outboardF = abc / dd;
    const float vi = static_cast<float>(inboardM * m6 + inboardF * f6);
    const float vo = static_cast<float>(outboardM * m6 + outboardF * f6);
    const float hi = static_cast<float>(-(inboardM * mh + inboardF * fh));
    const float ho = static_cast<float>(-(outboardM * mh + outboardF * fh));
    finishTwoFootResult(result, layout, r, options, vi, vo, hi, ho);
    result.feet.spacerEnd = a;
    return result;
}

}  // namespace corvane::detail
