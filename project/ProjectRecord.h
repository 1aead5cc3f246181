#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace corvane {

// Method index m: 0 "Reverse Dial", 1 "Rim and Face", 2 "Jack Shaft".
constexpr int kMethodCount = 3;
constexpr int kMethodReverseDial = 0;
constexpr int kMethodRimFace = 1;
constexpr int kMethodJackShaft = 2;

// Clock positions p: 0 "12:00", 1 "3:00", 2 "6:00", 3 "9:00".
constexpr int kPositionCount = 4;
// Length columns k: 0..4 = "A".."E".
constexpr int kLengthCount = 5;
// Growth feet f: 0..3 the four feet, 4 and 5 copies of the two stationary feet.
constexpr int kGrowthFeet = 6;

// The one project of the program: every field of a job, in file order.
// Two-dimensional fields keep the method index varying fastest: element (m, j) is at m + 3 * j.
// Texts are held as UTF-8; the file stores them in Windows-1252.
struct ProjectRecord {
    std::array<float, kMethodCount * kLengthCount> Length{};
    std::array<float, kMethodCount * kPositionCount> Dial1Reading{};
    std::array<float, kMethodCount * kPositionCount> Dial2Reading{};
    float Span = 0;
    float RPM = 0;
    std::int16_t Material = 0;
    std::array<float, 4> HotTemp{};
    std::array<float, 4> ColdTemp{};
    float Reserved1 = 0;
    float FaceDia2 = 0;  // method 2
    float FaceDia1 = 0;  // method 1
    float Sag = 0;       // method 0
    std::array<std::int16_t, 4> Station{};
    std::array<float, 4> FootHeight{};
    std::string ReservedText;
    std::string Machine;
    std::string Technician;
    std::string Comments;
    std::string M1Text;
    std::string M2Text;
    std::array<float, kMethodCount * kGrowthFeet> Growth{};
    double DateStamp = 0;

    float& length(int m, int k) { return Length[m + 3 * k]; }
    float length(int m, int k) const { return Length[m + 3 * k]; }
    float& dial1(int m, int p) { return Dial1Reading[m + 3 * p]; }
    float dial1(int m, int p) const { return Dial1Reading[m + 3 * p]; }
    float& dial2(int m, int p) { return Dial2Reading[m + 3 * p]; }
    float dial2(int m, int p) const { return Dial2Reading[m + 3 * p]; }
    float& growth(int m, int f) { return Growth[m + 3 * f]; }
    float growth(int m, int f) const { return Growth[m + 3 * f]; }

    bool operator==(const ProjectRecord&) const = default;
};

// Fills the default project. Leaves untouched what a new project inherits from the open one:
// Length(1, C..E), Length(2, D..E), Growth, Reserved1, the six texts and DateStamp.
void setDefaults(ProjectRecord& record);

// "Reset Values": every reading, text and growth value of every method goes, the foot heights go, and
// both temperatures of every foot become 72 °F. The lengths, material, face diameters, stationary
// feet, Reserved1 and the date stamp stay.
void resetMeasuredData(ProjectRecord& record);

// The next job on the same machine: the machine and machine names, technician, lengths, face
// diameters, stationary feet, speed, growth and its temperatures, and the view's choices stay; every
// reading, the sag, the comments and anything else kept with the job go. The date is the caller's.
ProjectRecord nextJobOf(const ProjectRecord& job);

}  // namespace corvane
