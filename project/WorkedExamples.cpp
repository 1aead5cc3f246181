#include "project/WorkedExamples.h"

#include "project/RimFaceSag.h"

namespace corvane {

namespace {

void setReadings(ProjectRecord& r, int m, std::array<float, 4> dial1, std::array<float, 4> dial2) {
    for (int p = 0; p < kPositionCount; ++p) {
        r.dial1(m, p) = dial1[static_cast<std::size_t>(p)];
        r.dial2(m, p) = dial2[static_cast<std::size_t>(p)];
    }
}

void setLengths(ProjectRecord& r, int m, std::array<float, kLengthCount> lengths) {
    for (int k = 0; k < kLengthCount; ++k) r.length(m, k) = lengths[static_cast<std::size_t>(k)];
}

}  // namespace

WorkedExample workedExample(int method) {
    WorkedExample ex;
    ProjectRecord& r = ex.record;
    setDefaults(r);
    r.M1Text = "Pump";
    r.M2Text = "Motor";
    r.Technician = "example";
    r.RPM = 1800;
    ex.view.method = method;
    switch (method) {
        case kMethodRimFace:
            r.Machine = "Worked example: rim and face";
            setLengths(r, method, {10, 30, 0, 0, 0});
            setReadings(r, method, {0, 6, 10, 4}, {0, -3, -4, -1});
            r.FaceDia1 = 8;
            r.ReservedText = encodeRimFaceSag(2, r.ReservedText);
            break;
        case kMethodJackShaft:
            r.Machine = "Worked example: jack shaft";
            setLengths(r, method, {30, 6, 20, 0, 0});
            setReadings(r, method, {0, 2, 3, 1}, {0, -1, -2, -1});
            r.FaceDia2 = 6;
            break;
        default:
            ex.view.method = kMethodReverseDial;
            r.Machine = "Worked example: reverse dial";
            setLengths(r, kMethodReverseDial, {24, 8, 6, 10, 30});
            setReadings(r, kMethodReverseDial, {0, 12, 18, 6}, {0, -8, -22, -14});
            r.Sag = 2;
            r.Station = {1, 1, 0, 0};
            break;
    }
    r.ReservedText = encodeViewOptions(ex.view, r.ReservedText);
    return ex;
}

}  // namespace corvane
