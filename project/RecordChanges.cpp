#include "project/RecordChanges.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "project/FootLedger.h"
#include "project/ProjectFile.h"
#include "project/ReservedLines.h"
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

constexpr std::size_t kFixedBytes = 330;

std::array<std::string ProjectRecord::*, 6> textFields() {
    return {&ProjectRecord::ReservedText, &ProjectRecord::Machine, &ProjectRecord::Technician,
            &ProjectRecord::Comments,     &ProjectRecord::M1Text,  &ProjectRecord::M2Text};
}

}  // namespace

std::vector<unsigned char> jobBytes(const ProjectRecord& record) {
    ProjectRecord fixed = jobPart(record);
    std::vector<std::string> texts;
    for (auto field : textFields()) {
        texts.push_back(std::move(fixed.*field));
        (fixed.*field).clear();
    }
    std::vector<unsigned char> bytes = encodeProject(fixed);
    for (const std::string& text : texts) {
        const auto n = static_cast<std::uint32_t>(text.size());
        for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<unsigned char>(n >> (8 * i)));
        bytes.insert(bytes.end(), text.begin(), text.end());
    }
    return bytes;
}

ProjectRecord jobFromBytes(const std::vector<unsigned char>& bytes) {
    if (bytes.size() < kFixedBytes) return decodeProject(bytes.data(), bytes.size());
    ProjectRecord r = decodeProject(bytes.data(), kFixedBytes);
    std::size_t pos = kFixedBytes;
    for (auto field : textFields()) {
        if (bytes.size() - pos < 4) break;
        std::uint32_t n = 0;
        for (int i = 0; i < 4; ++i) n |= static_cast<std::uint32_t>(bytes[pos + i]) << (8 * i);
        pos += 4;
        const std::size_t take = std::min<std::size_t>(n, bytes.size() - pos);
        r.*field = std::string(reinterpret_cast<const char*>(bytes.data() + pos), take);
        pos += take;
    }
    return r;
}

bool sameJob(const ProjectRecord& a, const ProjectRecord& b) { return jobBytes(a) == jobBytes(b); }

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
    else
        r.ReservedText = putReservedLine(edited.ReservedText, "CorvaneView", {});
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
    if (decodeFootLedger(a.ReservedText) != decodeFootLedger(b.ReservedText)) kinds.push_back("feet");
    if (kinds.size() == 1) return kinds[0];
    return "changes";
}

}  // namespace corvane
