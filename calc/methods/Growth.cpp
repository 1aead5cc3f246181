#include "calc/methods/Growth.h"

namespace corvane {

float growthCoefficient(int material) {
    // Steel, aluminium, cast iron, concrete: mils of rise per inch of height per degree F.
    static constexpr float kCoefficient[] = {0.0065f, 0.0131f, 0.0067f, 0.006f};
    return material >= 0 && material < 4 ? kCoefficient[material] : 0.0f;
}

float footGrowth(float hotTemp, float coldTemp, float footHeight, int material) {
    float growth =
        static_cast<float>((static_cast<double>(hotTemp) - static_cast<double>(coldTemp)) * footHeight);
    if (material >= 0 && material < 4) growth = growth * growthCoefficient(material);
    return growth;
}

void storeAppliedGrowth(ProjectRecord& record, int method, const std::array<float, kGrowthFeet>& footGrowth) {
    if (method < 0 || method >= kMethodCount) return;
    for (int f = 0; f < kGrowthFeet; ++f) record.growth(method, f) = footGrowth[f];
    if (method == kMethodRimFace || method == kMethodJackShaft) {
        record.growth(method, 2) = record.growth(method, 0);
        record.growth(method, 3) = record.growth(method, 1);
    }
}

int growthFootOfBox(int method, int box) {
    if (method == kMethodReverseDial) return box;
    if (method == kMethodRimFace || method == kMethodJackShaft) return box >= 2 ? box - 2 : -1;
    return -1;
}

void storeTypedGrowth(ProjectRecord& record, int method, int box, float growth) {
    const int foot = growthFootOfBox(method, box);
    if (foot < 0) return;
    record.growth(method, foot) = growth;
    // The two-foot methods subtract the growth stored for feet 3 and 4; a correction typed in the
    // main window must reach them as the growth window's Apply does.
    if (method != kMethodReverseDial) record.growth(method, foot + 2) = growth;
}

}  // namespace corvane
