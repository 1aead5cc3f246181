// corvane-cli calc: the alignment of a project file, as the main window would show it.

#include <QCommandLineParser>
#include <QTextStream>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "calc/format/Units.h"
#include "calc/judging/Assessment.h"
#include "calc/judging/MoveAlternatives.h"
#include "calc/judging/ReadingsCheck.h"
#include "calc/judging/Verdict.h"
#include "calc/methods/Alignment.h"
#include "cli/CalcArguments.h"
#include "cli/Commands.h"
#include "cli/FeetOutput.h"
#include "cli/Json.h"
#include "cmdline/Arguments.h"
#include "project/MoveSetup.h"
#include "project/ProjectFile.h"
#include "project/ProjectRecord.h"
#include "project/RunOptions.h"

namespace corvane::cli {

namespace {

int badArguments(const QString& message) {
    QTextStream(stderr) << "corvane-cli calc: " << message << "\n";
    return 2;
}

// Every number is written in the unit the output was asked for: as stored in English (mils,
// inches), and in metric as the shortest decimal that stores back as the same Single, so that a
// script reading millimetres gets what the windows show and no double noise of the conversion.
struct Numbers {
    UnitSystem units = UnitSystem::English;

    std::string operator()(float value, Quantity quantity) const {
        if (units == UnitSystem::English) return jsonNumber(value);
        return jsonNumber(displayValue(value, quantity, units));
    }
    // Axis ends, sums and judged values are doubles, most of them of a Single's value.
    std::string operator()(double value, Quantity quantity) const {
        const auto narrow = static_cast<float>(value);
        if (static_cast<double>(narrow) == value || !std::isfinite(value)) return (*this)(narrow, quantity);
        if (units == UnitSystem::English) return jsonNumber(value);
        // Worked out in double from Singles: shown to a Single's precision.
        return jsonNumber(static_cast<float>(toDisplay(value, quantity, units)));
    }
};

void appendString(std::string& out, std::string_view text) { out += jsonString(std::string(text)); }

template <typename Seq>
void appendArray(std::string& out, const Seq& values, Quantity quantity, const Numbers& number) {
    out += '[';
    bool first = true;
    for (const auto v : values) {
        if (!first) out += ", ";
        first = false;
        out += number(v, quantity);
    }
    out += ']';
}

// A plotted line: positions along the shafts, offsets across them.
void appendPlot(std::string& out, const PlotData& plot, const Numbers& number) {
    out += "{\"x\": ";
    appendArray(out, plot.x, Quantity::Length, number);
    out += ", \"y\": ";
    appendArray(out, plot.y, Quantity::Offset, number);
    out += '}';
}

void appendGraph(std::string& out, const GraphResult& g, const Numbers& number) {
    out += "{\"x_max\": ";
    out += number(g.xMax, Quantity::Length);
    out += ", \"y_range\": ";
    if (g.yRange) {
        appendArray(out, std::array<double, 2>{g.yRange->min, g.yRange->max}, Quantity::Offset, number);
    } else {
        out += "null";
    }
    // A hidden machine line is no result: it is written as null rather than as stale or empty points.
    // The first line is the fixed machine's where there is one (reverse dial), else the moveable
    // machine's; the second is the moveable machine's beside a fixed one.
    const std::optional<PlotData>& first = g.fixedMachine ? g.fixedMachine : g.moveableMachine;
    const bool second = g.fixedMachine && g.moveableMachine;
    out += ", \"plot1\": ";
    if (first) {
        appendPlot(out, *first, number);
    } else {
        out += "null";
    }
    out += ", \"plot2\": ";
    if (second) {
        appendPlot(out, *g.moveableMachine, number);
    } else {
        out += "null";
    }
    out += ", \"plot2_visible\": ";
    out += second ? "true" : "false";
    out += ", \"band\": ";
    if (g.band.state != ToleranceBand::State::NotAsked) {
        appendPlot(out, g.band.corners, number);
    } else {
        out += "null";
    }
    out += '}';
}

std::string_view kindName(FindingKind kind) {
    switch (kind) {
        case FindingKind::NotZeroed:
            return "not-zeroed";
        case FindingKind::Validity:
            return "validity";
        case FindingKind::SoftFoot:
            return "soft-foot";
        default:
            return "sag-sign";
    }
}

std::string_view gradeKey(AlignmentGrade grade) {
    switch (grade) {
        case AlignmentGrade::Excellent:
            return "excellent";
        case AlignmentGrade::Acceptable:
            return "acceptable";
        default:
            return "out";
    }
}

void appendNamed(std::string& out, std::string_view name, std::string_view number, bool first = false) {
    if (!first) out += ", ";
    appendString(out, name);
    out += ": ";
    out += number;
}

// "checks": the findings of the readings check, each with the numbers its sentence shows.
void appendChecks(std::string& out, const std::vector<ReadingFinding>& findings, const Numbers& number) {
    constexpr Quantity kReading = Quantity::Reading;
    out += '[';
    for (std::size_t i = 0; i < findings.size(); ++i) {
        const ReadingFinding& f = findings[i];
        if (i > 0) out += ", ";
        out += "{\"kind\": ";
        appendString(out, kindName(f.kind));
        out += ", \"dial\": ";
        out += f.dial == 0 ? std::string("null") : std::to_string(f.dial);
        out += ", \"message\": ";
        appendString(out, f.message);
        out += ", \"values\": {";
        switch (f.kind) {
            case FindingKind::NotZeroed:
                appendNamed(out, "reading", number(f.reading, kReading), true);
                break;
            case FindingKind::Validity:
                appendNamed(out, "sum_12_6", number(f.sum12And6, kReading), true);
                appendNamed(out, "sum_3_9", number(f.sum3And9, kReading));
                appendNamed(out, "difference", number(f.difference, kReading));
                appendNamed(out, "allowed", number(f.allowed, kReading));
                break;
            case FindingKind::SagSign:
                appendNamed(out, "sag", number(f.reading, kReading), true);
                break;
            case FindingKind::SoftFoot:
                appendNamed(out, "foot", std::to_string(f.footPosition + 1), true);
                appendNamed(out, "side", jsonString(std::string(footSideName(f.footSide))));
                appendNamed(out, "lift", number(f.reading, kReading));
                break;
        }
        out += "}}";
    }
    out += ']';
}

// "verdict": the grade per plane and overall, or why there is none.
void appendVerdict(std::string& out, const AlignmentVerdict& v, const Numbers& number) {
    if (!v.given) {
        out += "{\"grade\": null, \"reason\": ";
        appendString(out, v.reason);
        out += '}';
        return;
    }
    const bool spacer = v.table == ToleranceTable::Spacer;
    out += "{\"table\": ";
    appendString(out, spacer ? "spacer" : "short-coupling");
    out += ", \"rpm_row\": ";
    out += std::to_string(v.row.rpm);
    for (const Plane plane : {Plane::Vertical, Plane::Horizontal}) {
        const PlaneVerdict& p = v.plane(plane);
        out += plane == Plane::Vertical ? ", \"vertical\": {" : ", \"horizontal\": {";
        if (spacer) {
            appendNamed(out, "fixed_angle", number(p.fixedAngle, Quantity::Angle), true);
            appendNamed(out, "moveable_angle", number(p.moveableAngle, Quantity::Angle));
        } else {
            appendNamed(out, "offset", number(p.offset, Quantity::Offset), true);
            appendNamed(out, "angle", number(p.angle, Quantity::Angle));
        }
        out += ", \"grade\": ";
        appendString(out, gradeKey(p.grade));
        out += '}';
    }
    out += ", \"grade\": ";
    appendString(out, gradeKey(v.grade));
    out += ", \"reason\": null}";
}

// "options": the choices the run used and where they came from.
void appendOptions(std::string& out, const RunView& run) {
    const ViewOptions& v = run.view;
    constexpr std::string_view methods[] = {"reverse-dial", "rim-face", "jack-shaft"};
    out += "{\"method\": ";
    appendString(out, v.method >= 0 && v.method <= 2 ? methods[v.method] : "none");
    out += ", \"rotation\": ";
    appendString(out, v.rotation == 1 ? "half" : "full");
    out += ", \"bracket\": ";
    appendString(out, v.bracketSide == 1 ? "moveable" : "fixed");
    out += ", \"growth\": ";
    out += v.growthOn ? "true" : "false";
    out += ", \"tolerance\": ";
    out += v.toleranceOn ? "true" : "false";
    out += ", \"source\": ";
    appendString(out, optionsSourceName(run.source));
    out += '}';
}

// Moves and residuals are worked in double from the result's Singles; written as Singles, like the
// result's own moves, without the noise of the last binary digits.
float single(double value) { return static_cast<float>(value); }

void appendMoves(std::string& out, const double* moves, std::size_t count, const Numbers& number) {
    std::vector<float> singles;
    for (std::size_t i = 0; i < count; ++i) singles.push_back(single(moves[i]));
    appendArray(out, singles, Quantity::Move, number);
}

// "alternatives": per plane the six pairs of held feet in their fixed order.
void appendAlternatives(std::string& out, const MoveAlternatives& a, const Numbers& number) {
    if (!a.given) {
        out += "null";
        return;
    }
    out += '{';
    for (const Plane plane : {Plane::Vertical, Plane::Horizontal}) {
        out += plane == Plane::Vertical ? "\"vertical\": [" : ", \"horizontal\": [";
        bool first = true;
        for (const MoveAlternative& alt : a.plane(plane).alternatives) {
            if (!first) out += ", ";
            first = false;
            out += "{\"held\": [" + std::to_string(alt.held[0]) + ", " + std::to_string(alt.held[1]) + "]";
            out += ", \"moves\": ";
            if (alt.computable) {
                appendMoves(out, alt.moves.data(), 4, number);
                appendNamed(out, "largest", number(single(alt.largest), Quantity::Move));
            } else {
                out += "null, \"largest\": null";
            }
            out += ", \"workable\": ";
            out += alt.workable ? "true" : "false";
            out += ", \"why\": ";
            if (alt.why.empty()) {
                out += "null";
            } else {
                appendString(out, alt.why);
            }
            out += '}';
        }
        out += ']';
    }
    out += '}';
}

void appendToleranceMove(std::string& out, const ToleranceMove& tm, ToleranceTable table, bool either,
                         const Numbers& number) {
    const bool spacer = table == ToleranceTable::Spacer;
    const char* first = spacer ? "fixed_angle" : "offset";
    const char* second = spacer ? "moveable_angle" : "angle";
    out += "{\"moves\": ";
    if (!tm.found) {
        out += "null, \"largest\": null, \"";
        out += first;
        out += "\": null, \"";
        out += second;
        out += "\": null, \"why\": ";
        appendString(out, tm.why);
        out += '}';
        return;
    }
    appendMoves(out, tm.moves.data() + 2, 2, number);
    if (either) {
        out += ", \"fixed_moves\": ";
        appendMoves(out, tm.moves.data(), 2, number);
    }
    appendNamed(out, "largest", number(single(tm.largest), Quantity::Move));
    const double v0 = spacer ? tm.residual.fixedAngle : tm.residual.offset;
    const double v1 = spacer ? tm.residual.moveableAngle : tm.residual.angle;
    appendNamed(out, first, number(single(v0), spacer ? Quantity::Angle : Quantity::Offset));
    appendNamed(out, second, number(single(v1), Quantity::Angle));
    out += ", \"why\": null}";
}

// "least_move": per plane the least move into the acceptable and the excellent limits.
void appendLeastMove(std::string& out, const MoveAlternatives& a, const Numbers& number) {
    if (!a.given) {
        out += "null";
        return;
    }
    out += '{';
    for (const Plane plane : {Plane::Vertical, Plane::Horizontal}) {
        const PlaneMoves& pm = a.plane(plane);
        out += plane == Plane::Vertical ? "\"vertical\": {\"acceptable\": "
                                        : ", \"horizontal\": {\"acceptable\": ";
        appendToleranceMove(out, pm.acceptable, a.table, a.eitherMachine, number);
        out += ", \"excellent\": ";
        appendToleranceMove(out, pm.excellent, a.table, a.eitherMachine, number);
        out += '}';
    }
    out += '}';
}

std::string toJson(const ProjectRecord& record, const CalcOptions& options, const CalcResult& r,
                   const std::vector<ReadingFinding>& findings, const AlignmentVerdict& verdict,
                   const ShimKit& kit, const MoveAlternatives& moves, const RunView& run) {
    const UnitSystem units = options.units;
    const Numbers number{units};
    std::string out = "{\"vertical_text\": ";
    appendString(out, r.verticalText);
    out += ", \"horizontal_text\": ";
    appendString(out, r.horizontalText);
    out += ", \"vertical_moves\": ";
    appendArray(out, r.verticalMoves, Quantity::Move, number);
    out += ", \"horizontal_moves\": ";
    appendArray(out, r.horizontalMoves, Quantity::Move, number);
    out += ", \"aborted\": ";
    const bool aborted = r.status == CalcStatus::Aborted;
    out += aborted ? "true" : "false";
    out += ", \"abort_message\": ";
    if (aborted) {
        appendString(out, r.abortMessage);
    } else {
        out += "null";
    }
    out += ", \"growth_written\": ";
    if (r.growthWritten) {
        appendArray(out, *r.growthWritten, Quantity::Growth, number);
    } else {
        out += "null";
    }
    // An aborted calculation draws nothing.
    out += ", \"graph1\": ";
    if (aborted) {
        out += "null";
    } else {
        appendGraph(out, r.graph1, number);
    }
    out += ", \"graph2\": ";
    if (aborted) {
        out += "null";
    } else {
        appendGraph(out, r.graph2, number);
    }
    out += ", \"checks\": ";
    appendChecks(out, findings, number);
    out += ", \"verdict\": ";
    appendVerdict(out, verdict, number);
    out += ", \"feet\": ";
    appendFeet(out, record, r, options.method, kit, units);
    // Last, so that the keys before it read as they always have.
    out += ", \"units\": ";
    appendString(out, units == UnitSystem::Metric ? "metric" : "english");
    out += ", \"options\": ";
    appendOptions(out, run);
    // The move alternatives came later: after the keys that scripts already read.
    out += ", \"alternatives\": ";
    appendAlternatives(out, moves, number);
    out += ", \"least_move\": ";
    appendLeastMove(out, moves, number);
    out += "}\n";
    return out;
}

// The label's lines as a terminal shows them.
std::string terminalLines(const std::string& label) {
    std::string out;
    out.reserve(label.size() + 1);
    for (std::size_t i = 0; i < label.size(); ++i) {
        if (label[i] == '\r' && i + 1 < label.size() && label[i + 1] == '\n') continue;
        out += label[i];
    }
    out += '\n';
    return out;
}

// The alternatives under the results, a block per plane and a blank line after each.
std::string alternativesText(const MoveAlternatives& moves, UnitSystem units) {
    std::string text;
    for (const Plane plane : {Plane::Vertical, Plane::Horizontal}) {
        const PlaneMoves& pm = moves.plane(plane);
        text += plane == Plane::Vertical ? "Vertical alternatives (feet 1, 2, 3, 4):\n"
                                         : "Horizontal alternatives (feet 1, 2, 3, 4):\n";
        for (const MoveAlternative& alt : pm.alternatives) text += "  " + alternativeText(alt, units) + "\n";
        text += "  Least move into tolerance";
        text += moves.eitherMachine ? ", either machine:\n" : ", moveable machine:\n";
        text += "    " +
                toleranceMoveText(pm.acceptable, "acceptable", moves.table, moves.eitherMachine, units) +
                "\n";
        text += "    " +
                toleranceMoveText(pm.excellent, "excellent", moves.table, moves.eitherMachine, units) + "\n";
        text += '\n';
    }
    return text;
}

}  // namespace

int runCalc(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const CalcArguments calcArguments;
    const KitArguments kitArguments;
    const QCommandLineOption autoScaleOption("autoscale", "Scale the graphs to the results.");
    const QCommandLineOption jsonOption("json", "Write one JSON object.");
    const QCommandLineOption alternativesOption(
        "alternatives", "List every pair of held feet and the least move into tolerance under the results.");
    const QCommandLineOption eitherOption("either-machine",
                                          "Let the least move into tolerance move the fixed machine too.");
    calcArguments.addTo(parser);
    kitArguments.addTo(parser);
    parser.addOptions({autoScaleOption, jsonOption, alternativesOption, eitherOption});
    parser.addPositionalArgument("file", "The project file (.qdl).");
    parser.setApplicationDescription(
        "Works out the foot moves of a project file, as the main window shows them, then judges the "
        "alignment and checks the readings.");
    if (const ParseOutcome parsed = parseCommand(parser, "calc", arguments); parsed != ParseOutcome::Run)
        return parsed == ParseOutcome::HelpShown ? 0 : badArguments(parser.errorText());
    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 1)
        return badArguments(QString("takes exactly one project file, got %1").arg(positional.size()));

    ViewChoices asked;
    UnitSystem units = UnitSystem::English;
    QString error;
    if (!calcArguments.read(parser, asked, units, error)) return badArguments(error);
    if (parser.isSet(autoScaleOption)) asked.autoScale = true;
    ShimKit kit;
    if (!kitArguments.read(parser, units, kit, error)) return badArguments(error);

    const QString file = positional.first();
    ProjectRecord record;
    std::string readError;
    std::string foreign;
    if (!readProject(pathBytes(file), record, &readError, &foreign))
        return badArguments(QString("cannot read '%1': %2").arg(file, QString::fromStdString(readError)));
    if (!foreign.empty()) warnForeign(file, foreign);

    // The job runs as it was saved from the window, unless the command line asks otherwise.
    const RunView run = viewForRun(record.ReservedText, asked);
    CalcOptions options = openingOptions(record, run.view);
    options.units = units;

    const Assessment assessment = assess(record, options);
    const CalcResult& result = assessment.result;
    const std::vector<ReadingFinding>& findings = assessment.findings;
    const AlignmentVerdict& verdict = assessment.verdict;
    const MoveSetup setup = decodeMoveSetup(record.ReservedText);
    const MoveAlternatives moves =
        moveAlternatives(record, options, result, verdict, setup, parser.isSet(eitherOption));
    const bool failed = !result.hasResult();
    // An answer that could not be written is no answer: a script must not take it for one.
    const int done = !foreign.empty() ? kForeignFileStatus : failed ? 1 : 0;
    if (parser.isSet(jsonOption))
        return writeOutput(toJson(record, options, result, findings, verdict, kit, moves, run)) ? done : 2;
    std::string text;
    if (result.status == CalcStatus::Aborted) {
        QTextStream(stderr) << QString::fromStdString(terminalLines(result.abortMessage));
    } else {
        // No result is a failure for a script, even though the labels say why.
        text = terminalLines(result.verticalText) + "\n" + terminalLines(result.horizontalText) + "\n";
    }
    if (parser.isSet(alternativesOption) && moves.given) text += alternativesText(moves, units);
    // The verdict and the findings close the output, after a blank line; the readings check
    // depends on the readings alone, so it is there even when the calculation stopped.
    text += verdictStatusLine(verdict);
    text += '\n';
    for (const ReadingFinding& f : findings) {
        text += f.message;
        text += '\n';
    }
    return writeOutput(text) ? done : 2;
}

}  // namespace corvane::cli
