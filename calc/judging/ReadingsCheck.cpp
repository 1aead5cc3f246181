#include "calc/judging/ReadingsCheck.h"

#include <algorithm>
#include <cmath>

#include "calc/format/NumberFormat.h"
#include "calc/judging/SoftFoot.h"
#include "project/RimFaceSag.h"

namespace corvane {

namespace {

constexpr std::string_view kClock[kPositionCount] = {"12:00", "3:00", "6:00", "9:00"};

// Whole numbers without a point, fractions to between `least` and `most` places. A value outside
// what a dial can show keeps its digits in powers of ten, so that a reading that is "not 0" never
// shows as 0 and a wild one does not run to twenty digits.
std::string numberText(double value, int least, int most, double smallest) {
    const double size = std::fabs(value);
    if (value != 0 && (size < smallest || size >= 1e6)) return formatPattern(value, "0.0##E+00");
    return formatDecimals(value, least, most);
}

// A reading or a sum of readings as the technician would write it: "50", "12.25" mils; in
// millimetres with the hundredths a metric dial reads, as its box shows them: "1.27", "0.50".
std::string readingText(double mils, UnitSystem units) {
    if (units == UnitSystem::Metric)
        return numberText(toDisplay(mils, Quantity::Reading, units), 2, 2, 0.005);
    return numberText(mils, 0, 2, 0.005);
}

// How far the two sums are apart: "6.0", "1.063" mils; "0.152", "0.03" mm.
std::string differenceText(double mils, UnitSystem units) {
    if (units == UnitSystem::Metric)
        return numberText(toDisplay(mils, Quantity::Reading, units), 2, 3, 0.0005);
    return numberText(mils, 1, 3, 0.0005);
}

bool finite(double v) { return std::isfinite(v); }

// A dial that turns a full circle reads the same total across both diameters: its tip rides one
// circle, so what it gains between 12:00 and 6:00 it gains between 3:00 and 9:00 too. A play in
// the bracket, a slipping tip or a misread number breaks the sum. Readings are never better than a
// mil or so, and a large offset carries a proportionally larger reading error: hence the allowance
// of 1 mil or a tenth of the larger sum. The difference counts as over it when it shows over it to
// the three decimals of the sentence: a typed 2.3 is stored as 2.2999999, and readings exactly 1 mil
// apart must not be told "1.0 mils apart: take the readings again" because of that.
constexpr double kHalfShownDigit = 0.0005;

// The soft foot, at most two findings per dial and the sag: room for all of them at the first, so
// that the list is allocated once.
constexpr std::size_t kMostFindings = 6;

ReadingFinding& addFinding(std::vector<ReadingFinding>& out, FindingKind kind, int method, int dial) {
    if (out.empty()) out.reserve(kMostFindings);
    ReadingFinding& f = out.emplace_back();
    f.kind = kind;
    f.method = method;
    f.dial = dial;
    return f;
}

void checkValidity(std::vector<ReadingFinding>& out, int method, int dial, const float* r, UnitSystem units) {
    const double sum12And6 = static_cast<double>(r[0]) + r[2];
    const double sum3And9 = static_cast<double>(r[1]) + r[3];
    const double difference = sum12And6 - sum3And9;
    if (!finite(sum12And6) || !finite(sum3And9) || !finite(difference)) return;
    const double allowed = std::max(1.0, std::max(std::fabs(sum12And6), std::fabs(sum3And9)) / 10.0);
    if (!(std::fabs(difference) >= allowed + kHalfShownDigit)) return;
    ReadingFinding& f = addFinding(out, FindingKind::Validity, method, dial);
    f.positions = {true, true, true, true};
    f.sum12And6 = sum12And6;
    f.sum3And9 = sum3And9;
    f.difference = difference;
    f.allowed = allowed;
    f.message = describeFinding(f, units);
}

void checkZero(std::vector<ReadingFinding>& out, int method, int dial, int position, float reading,
               UnitSystem units) {
    if (reading == 0 || !finite(reading)) return;
    ReadingFinding& f = addFinding(out, FindingKind::NotZeroed, method, dial);
    f.positions[static_cast<std::size_t>(position)] = true;
    f.zeroPosition = position;
    f.reading = reading;
    f.message = describeFinding(f, units);
}

}  // namespace

std::string_view dialName(int method, int dial) {
    switch (method) {
        case kMethodRimFace:
            return dial == 1 ? "Rim dial" : "Face dial";
        case kMethodJackShaft:
            return dial == 1 ? "Fixed face dial" : "Moveable face dial";
        default:
            return dial == 1 ? "Dial 1" : "Dial 2";
    }
}

std::vector<ReadingFinding> checkReadings(const ProjectRecord& record, const CalcOptions& options) {
    std::vector<ReadingFinding> out;
    const int m = options.method;
    if (m < 0 || m >= kMethodCount) return out;
    if (const auto soft = worstSoftFoot(decodeFootLedger(record.ReservedText), options.units)) {
        ReadingFinding& f = addFinding(out, FindingKind::SoftFoot, m, 0);
        f.reading = soft->lift;
        f.footPosition = soft->position;
        f.footSide = soft->side;
        f.message = describeFinding(f, options.units);
    }
    // Only the reverse dial offers a half rotation; the other methods always read a full turn.
    const bool reverseDial = m == kMethodReverseDial;
    const bool full = !reverseDial || options.rotation == 0;
    if (full) {
        for (int dial = 1; dial <= 2; ++dial) {
            float r[kPositionCount];
            for (int p = 0; p < kPositionCount; ++p)
                r[p] = dial == 1 ? record.dial1(m, p) : record.dial2(m, p);
            // The full turn is zeroed at 12:00: whatever the dial shows there is taken as 0 by the
            // calculation, so a dial not set to 0 skews every reading. The half turn is zeroed at
            // 9:00 by definition; the 9:00 reading the job keeps is the full turn's.
            checkZero(out, m, dial, 0, r[0], options.units);
            checkValidity(out, m, dial, r, options.units);
        }
    }
    // The sag is added to the 6:00 readings: a bracket that sags reads low at the bottom, so its
    // correction is positive. A negative entry doubles the error it was meant to remove.
    const float sag = reverseDial ? record.Sag : m == kMethodRimFace ? rimFaceSag(record) : 0.0f;
    if (sag < 0 && finite(sag)) {
        ReadingFinding& f = addFinding(out, FindingKind::SagSign, m, 0);
        f.reading = sag;
        f.message = describeFinding(f, options.units);
    }
    return out;
}

std::string describeFinding(const ReadingFinding& f, UnitSystem units) {
    const std::string_view unit = unitName(Quantity::Reading, units);
    std::string text;
    text.reserve(112);
    switch (f.kind) {
        case FindingKind::NotZeroed: {
            const std::string_view clock = kClock[static_cast<std::size_t>(std::clamp(f.zeroPosition, 0, 3))];
            text += dialName(f.method, f.dial);
            text += ": the ";
            text += clock;
            text += " reading is ";
            text += readingText(f.reading, units);
            text += ", not 0: set the dial to 0 at ";
            text += clock;
            text += " and take the readings again.";
            break;
        }
        case FindingKind::Validity:
            text += dialName(f.method, f.dial);
            text += ": 12:00 + 6:00 = ";
            text += readingText(f.sum12And6, units);
            text += " but 3:00 + 9:00 = ";
            text += readingText(f.sum3And9, units);
            text += " (";
            text += differenceText(std::fabs(f.difference), units);
            text += ' ';
            text += unit;
            text += " apart): take the readings again.";
            break;
        case FindingKind::SagSign:
            text += "The sag is ";
            text += readingText(f.reading, units);
            text += ' ';
            text += unit;
            text += ", but a sagging bracket reads low and its correction is positive: enter ";
            text += readingText(std::fabs(f.reading), units);
            text += '.';
            break;
        case FindingKind::SoftFoot:
            text +=
                describeSoftFoot({f.footPosition, f.footSide, static_cast<float>(f.reading), false}, units);
            break;
    }
    return text;
}

}  // namespace corvane
