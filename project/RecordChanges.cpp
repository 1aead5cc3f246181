#include "project/RecordChanges.h"

#include <vector>

#include "project/RimFaceSag.h"
#include "project/ViewOptions.h"

namespace corvane {

namespace {

// The record with everything the program keeps up by itself set to one value.
ProjectRecord jobPart(ProjectRecord r) {
    r.Span = 0;
    r.DateStamp = 0;
    for (int m = 0; m < kMethodCount; ++m) r.growth(m, 4) = r.growth(m, 5) = 0;
    r.ReservedText = encodeViewOptions(ViewOptions{}, r.ReservedText);
    return r;
}

}  // namespace

bool sameJob(const ProjectRecord& a, const ProjectRecord& b) { return jobPart(a) == jobPart(b); }

ProjectRecord withKeptState(const ProjectRecord& edited, const ProjectRecord& current) {
    ProjectRecord r = edited;
    r.Span = current.Span;
    r.DateStamp = current.DateStamp;
    for (int m = 0; m < kMethodCount; ++m) {
        r.growth(m, 4) = current.growth(m, 4);
        r.growth(m, 5) = current.growth(m, 5);
    }
    // The view line stays as the window shows it; what else the field holds is the job's.
    if (const auto view = decodeViewOptions(current.ReservedText))
        r.ReservedText = encodeViewOptions(*view, edited.ReservedText);
    else if (decodeViewOptions(r.ReservedText))
        r.ReservedText = current.ReservedText;
    return r;
}

std::string describeChange(const ProjectRecord& before, const ProjectRecord& after) {
    const ProjectRecord a = jobPart(before), b = jobPart(after);
    std::vector<const char*> kinds;
    if (a.Dial1Reading != b.Dial1Reading || a.Dial2Reading != b.Dial2Reading) kinds.push_back("reading");
    if (a.Length != b.Length) kinds.push_back("length");
    if (a.Growth != b.Growth) kinds.push_back("growth");
    if (a.Sag != b.Sag || rimFaceSag(a) != rimFaceSag(b) || a.FaceDia1 != b.FaceDia1 ||
        a.FaceDia2 != b.FaceDia2)
        kinds.push_back("sag or face diameter");
    if (a.Station != b.Station) kinds.push_back("stationary feet");
    if (a.RPM != b.RPM) kinds.push_back("speed");
    if (a.HotTemp != b.HotTemp || a.ColdTemp != b.ColdTemp || a.FootHeight != b.FootHeight)
        kinds.push_back("temperatures and heights");
    if (a.Material != b.Material) kinds.push_back("material");
    if (a.Machine != b.Machine || a.Technician != b.Technician || a.M1Text != b.M1Text ||
        a.M2Text != b.M2Text)
        kinds.push_back("names");
    if (a.Comments != b.Comments) kinds.push_back("comments");
    if (kinds.size() == 1) return kinds[0];
    return "changes";
}

}  // namespace corvane
