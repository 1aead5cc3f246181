#include "calc/methods/MethodTraits.h"

namespace corvane {

namespace {

constexpr std::string_view kFixedToMoveable = "As viewed from fixed to moveable machine.";
constexpr std::string_view kResultsFixedToMoveable =
    "All indicator readings and movements are taken as viewed from the fixed to the moveable machine";

constexpr std::array<MethodTraits, kMethodCount> kTraits = {{
    {"Reverse Dial",
     5,
     {0, 1, 2, 3, 4},
     "Dial Indicator 1",
     "Dial Indicator 2",
     kFixedToMoveable,
     kResultsFixedToMoveable,
     MiscField::Sag,
     4,
     0,
     {"Foot 1", "Foot 2", "Foot 3", "Foot 4"},
     {"Foot 1 (fixed machine, outer)", "Foot 2 (fixed machine, inner)", "Foot 3 (moveable machine, inner)",
      "Foot 4 (moveable machine, outer)"},
     true,
     false,
     true,
     true,
     false,
     false,
     false},
    {"Rim and Face",
     2,
     {3, 4},
     "Rim Readings",
     "Face Readings",
     kFixedToMoveable,
     kResultsFixedToMoveable,
     MiscField::FaceDia1,
     2,
     2,
     {"Near foot", "Far foot"},
     {"Near foot", "Far foot"},
     false,
     true,
     false,
     true,
     true,
     true,
     true},
    {"Jack Shaft",
     3,
     {1, 3, 4},
     "Fixed Indicators",
     "Moveable Indicators",
     "As viewed from fixed machine face reading.",
     "All indicator readings and moves are based upon looking from fixed to moveable machine",
     MiscField::FaceDia2,
     2,
     2,
     {"Inboard foot", "Outboard foot"},
     {"Inboard foot", "Outboard foot"},
     false,
     false,
     false,
     false,
     false,
     true,
     false},
}};

}  // namespace

const MethodTraits& methodTraits(int method) {
    if (method < 0 || method >= kMethodCount) method = kMethodReverseDial;
    return kTraits[static_cast<std::size_t>(method)];
}

namespace {

template <typename Record>
auto& miscField(Record& record, int method) {
    switch (methodTraits(method).miscField) {
        case MiscField::FaceDia1:
            return record.FaceDia1;
        case MiscField::FaceDia2:
            return record.FaceDia2;
        case MiscField::Sag:
            break;
    }
    return record.Sag;
}

}  // namespace

float& miscValue(ProjectRecord& record, int method) { return miscField(record, method); }

float miscValue(const ProjectRecord& record, int method) { return miscField(record, method); }

}  // namespace corvane
