#include "cli/CalcArguments.h"

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

}  // namespace

void CalcArguments::addTo(QCommandLineParser& parser) const {
    parser.addOptions({method, rotation, bracket, growth, tolerance, units});
}

bool CalcArguments::read(const QCommandLineParser& parser, ViewOptions& view, UnitSystem& unitSystem,
                         QString& error) const {
    int unitChoice = 0;
    if (!pickChoice(parser, method, {"reverse-dial", "rim-face", "jack-shaft"}, view.method, error) ||
        !pickChoice(parser, rotation, {"full", "half"}, view.rotation, error) ||
        !pickChoice(parser, bracket, {"fixed", "moveable"}, view.bracketSide, error) ||
        !pickChoice(parser, units, {"english", "metric"}, unitChoice, error))
        return false;
    unitSystem = unitChoice == 1 ? UnitSystem::Metric : UnitSystem::English;
    view.growthOn = parser.isSet(growth);
    view.toleranceOn = parser.isSet(tolerance);
    return true;
}

}  // namespace corvane::cli
