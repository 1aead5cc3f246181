#pragma once

#include <array>

#include "project/ProjectRecord.h"

namespace corvane {

// Mils of rise per inch of height per degree F; 0 outside 0..3, which means unscaled.
float growthCoefficient(int material);
// Growth of one foot in mils: (hot - cold) * height in double, stored as float, times the coefficient.
float footGrowth(float hotTemp, float coldTemp, float footHeight, int material);

// The growth window's Apply: the six computed values become the method's growth. The two-foot
// methods keep their feet as feet 0 and 1 (the main window's boxes) and as feet 2 and 3 (read by
// their calculations).
void storeAppliedGrowth(ProjectRecord& record, int method, const std::array<float, kGrowthFeet>& footGrowth);

// The foot a growth box of the main window (0..3, left to right) holds for a method, or -1 when
// the method does not use that box (the fixed machine's boxes of the two-foot methods).
int growthFootOfBox(int method, int box);
// A growth typed into box `box`: stored for its foot, and for the two-foot methods also where their
// calculations read it, as Apply does.
void storeTypedGrowth(ProjectRecord& record, int method, int box, float growth);

}  // namespace corvane
