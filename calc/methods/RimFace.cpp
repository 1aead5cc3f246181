#include "calc/methods/RimFace.h"

#include "calc/methods/TwoFootMethod.h"
#include "project/RimFaceSag.h"

namespace corvane::detail {

// One bracket carries a rim and a face indicator across the coupling. The face reading over the face
// diameter gives the angle of the moveable shaft, the half rim reading its offset at the coupling;
// which way the offset counts depends on the machine the bracket is clamped to.
CalcResult calcRimFace(const ProjectRecord& r, const CalcOptions& options) {
    const int m = kMethodRimFace;
    CalcResult result;

    const float a = r.length(m, 0);
    const float b = r.length(m, 1);
    const float d = r.FaceDia1;
    const TwoFootLayout layout{.x = {0, a, a + b},
                               .verticalHead1 = "NEAR Foot: move  ",
                               .verticalHead2 = "FAR Foot:  move  ",
                               .horizontalHead1 = "NEAR Foot: move  ",
                               .horizontalHead2 = "FAR Foot:  move  ",
                               .horizontalAtOrAbove0 = "   LEFT",
                               .horizontalBelow0 = "  RIGHT",
                               .negateHorizontalPlot = true,
                               .feetTogether = "No result: distance B is 0"};
    // Without a bracket side no face reading is used and the moves stay 0.
    const bool sideChosen = options.bracketSide == 0 || options.bracketSide == 1;
    if (!twoFootInputsUsable(result, layout, r, options, sideChosen ? std::optional(d) : std::nullopt))
        return result;

    // Each move is worked in double from the stored readings and lengths and rounded to float once.
    // The bar sags under the weight of the indicators: at 6:00 the rim dial reads low by the sag,
    // which is added back to the bottom reading as the reverse dial adds its sag.
    const double r6 = static_cast<double>(rimFaceSag(r)) + r.dial1(m, 2);
    const double rh = static_cast<double>(r.dial1(m, 1)) - r.dial1(m, 3);
    const double f6 = r.dial2(m, 2);
    const double fh = static_cast<double>(r.dial2(m, 1)) - r.dial2(m, 3);

    float vn = 0, vf = 0, hn = 0, hf = 0;
    if (sideChosen) {
        // "Fixed Mach": the bracket sits on the moveable shaft, so the rim offset counts against it.
        const double s = options.bracketSide == 0 ? -1.0 : 1.0;
        const double ad = a, abd = static_cast<double>(a) + b;
        vn = static_cast<float>(f6 * ad / d + s * r6 / 2);
        vf = static_cast<float>(f6 * abd / d + s * r6 / 2);
        hn = static_cast<float>(fh * ad / d + s * rh / 2);
        hf = static_cast<float>(fh * abd / d + s * rh / 2);
    }
    finishTwoFootResult(result, layout, r, options, vn, vf, hn, hf);
    return result;
}

}  // namespace corvane::detail
