#include "cli/CalcArguments.h"

#include <cmath>

namespace corvane::cli {

namespace {

bool pickChoice(const QCommandLineParser& parser, const QCommandLineOption& option, const QStringList& names,
                int& index, QString& error) {
    if (!parser.isSet(option)) return true;
    const QString value = parser.value(option);
    index = static_cast<int>(names.indexOf(value));
    if (index >= 0) return true;
    error = QString("--%1 must be one of %2, not '%3'").arg(option.names().first(), names.join(", "), value);
    return false;
}

// The window's graphs start on the knob scale of their dial: symmetric about 0 and wide enough
// for the largest reading of that dial.
YRange knobRange(const ProjectRecord& record, int method, bool secondDial) {
    float top = 0;
    for (int p = 0; p < kPositionCount; ++p) {
        const float reading = secondDial ? record.dial2(method, p) : record.dial1(method, p);
        if (std::fabs(reading) > top) top = std::fabs(reading);
    }
    const double scale = niceScaleMax(top);
    return YRange{-scale, scale};
}

}  // namespace

void CalcArguments::addTo(QCommandLineParser& parser) const {
    parser.addOptions({method, rotation, bracket, growth, tolerance});
}

bool CalcArguments::read(const QCommandLineParser& parser, CalcOptions& options, QString& error) const {
    if (!pickChoice(parser, method, {"reverse-dial", "rim-face", "jack-shaft"}, options.method, error) ||
        !pickChoice(parser, rotation, {"full", "half"}, options.rotation, error) ||
        !pickChoice(parser, bracket, {"fixed", "moveable"}, options.bracketSide, error))
        return false;
    options.growthOn = parser.isSet(growth);
    options.toleranceOn = parser.isSet(tolerance);
    return true;
}

void completeFromRecord(const ProjectRecord& record, CalcOptions& options) {
    options.tolerance = calcTolerance(toleranceSpan(record, options.method), record.RPM);
    options.graph1Y = knobRange(record, options.method, false);
    options.graph2Y = knobRange(record, options.method, true);
}

}  // namespace corvane::cli
