#include "cli/CalcArguments.h"

namespace corvane::cli {

namespace {

bool pickSwitch(const QCommandLineParser& parser, const QCommandLineOption& on, const QCommandLineOption& off,
                std::optional<bool>& value, QString& error) {
    if (parser.isSet(on) && parser.isSet(off)) {
        error = QString("--%1 and --%2 contradict each other").arg(on.names().first(), off.names().first());
        return false;
    }
    if (parser.isSet(on)) value = true;
    if (parser.isSet(off)) value = false;
    return true;
}

bool pickChoice(const QCommandLineParser& parser, const QCommandLineOption& option, const QStringList& names,
                std::optional<int>& index, QString& error) {
    if (!parser.isSet(option)) return true;
    const QString value = parser.value(option);
    const auto at = static_cast<int>(names.indexOf(value));
    if (at >= 0) {
        index = at;
        return true;
    }
    error = QString("--%1 must be one of %2, not '%3'").arg(option.names().first(), names.join(", "), value);
    return false;
}

}  // namespace

void CalcArguments::addTo(QCommandLineParser& parser) const {
    parser.addOptions({method, rotation, bracket, growth, noGrowth, tolerance, noTolerance, units});
}

bool CalcArguments::read(const QCommandLineParser& parser, ViewChoices& asked, UnitSystem& unitSystem,
                         QString& error) const {
    std::optional<int> unitChoice;
    if (!pickChoice(parser, method, {"reverse-dial", "rim-face", "jack-shaft"}, asked.method, error) ||
        !pickChoice(parser, rotation, {"full", "half"}, asked.rotation, error) ||
        !pickChoice(parser, bracket, {"fixed", "moveable"}, asked.bracketSide, error) ||
        !pickChoice(parser, units, {"english", "metric"}, unitChoice, error) ||
        !pickSwitch(parser, growth, noGrowth, asked.growthOn, error) ||
        !pickSwitch(parser, tolerance, noTolerance, asked.toleranceOn, error))
        return false;
    unitSystem = unitChoice == 1 ? UnitSystem::Metric : UnitSystem::English;
    return true;
}

}  // namespace corvane::cli
