#include "project/ProjectRecord.h"

#include "project/ReservedLines.h"

namespace corvane {

void setDefaults(ProjectRecord& r) {
    // Reverse dial: two dials read across the coupling in opposite directions.
    const float revLength[] = {20, 5, 10, 5, 20};
    const float revDial1[] = {0, 20, 50, 30};
    const float revDial2[] = {0, -20, -50, -30};
    for (int k = 0; k < 5; ++k) r.length(0, k) = revLength[k];
    for (int p = 0; p < 4; ++p) {
        r.dial1(0, p) = revDial1[p];
        r.dial2(0, p) = revDial2[p];
    }
    r.Sag = 0;
    r.Station = {1, 1, 0, 0};

    // Rim and face.
    r.length(1, 0) = 20;
    r.length(1, 1) = 20;
    const float rimDial1[] = {0, 10, 10, 0};
    const float rimDial2[] = {0, -2, -2, 0};
    for (int p = 0; p < 4; ++p) {
        r.dial1(1, p) = rimDial1[p];
        r.dial2(1, p) = rimDial2[p];
    }
    r.FaceDia1 = 10;

    // Jack shaft.
    r.length(2, 0) = 70;
    r.length(2, 1) = 30;
    r.length(2, 2) = 50;
    const float jackDial1[] = {0, 5, 4, -1};
    const float jackDial2[] = {0, -3, -4, -1};
    for (int p = 0; p < 4; ++p) {
        r.dial1(2, p) = jackDial1[p];
        r.dial2(2, p) = jackDial2[p];
    }
    r.FaceDia2 = 10;

    // Thermal growth: steel, ambient 72 F, operating 144 F, 10 in feet.
    r.Material = 0;
    for (int i = 0; i < 4; ++i) {
        r.ColdTemp[i] = 72;
        r.HotTemp[i] = 144;
        r.FootHeight[i] = 10;
    }

    // Tolerance: 10 in span at 3600 rpm.
    r.Span = 10;
    r.RPM = 3600;
}

void resetMeasuredData(ProjectRecord& r) {
    r.ReservedText.clear();
    r.Machine.clear();
    r.Technician.clear();
    r.Comments.clear();
    r.M1Text.clear();
    r.M2Text.clear();
    r.Sag = 0;
    r.RPM = 0;
    r.Span = 0;
    r.Dial1Reading.fill(0);
    r.Dial2Reading.fill(0);
    r.Growth.fill(0);
    r.FootHeight.fill(0);
    r.ColdTemp.fill(72);
    r.HotTemp.fill(72);
}

ProjectRecord nextJobOf(const ProjectRecord& job) {
    ProjectRecord next = job;
    next.Dial1Reading = {};
    next.Dial2Reading = {};
    next.Sag = 0;
    next.Comments.clear();
    // Of what the job keeps beside its fields, only how it was being looked at carries over: the
    // foot ledger and the like belong to the job that made them.
    const std::optional<std::string_view> view = findReservedLine(job.ReservedText, "CorvaneView");
    next.ReservedText = view ? putReservedLine("", "CorvaneView", *view) : std::string();
    return next;
}

}  // namespace corvane
