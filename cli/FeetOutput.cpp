#include "cli/FeetOutput.h"

#include "calc/judging/SoftFoot.h"
#include "cli/Json.h"
#include "project/FootLedger.h"

namespace corvane::cli {

bool KitArguments::read(const QCommandLineParser& parser, UnitSystem units, ShimKit& out,
                        QString& error) const {
    out = defaultShimKit(units);
    if (parser.isSet(kit)) {
        const KitReading reading = readKitText(parser.value(kit).toStdString());
        if (!reading.sizes) {
            error = QString("--kit: %1").arg(QString::fromStdString(reading.problem));
            return false;
        }
        out.sizes = *reading.sizes;
    }
    if (parser.isSet(most)) {
        bool ok = false;
        const int n = parser.value(most).toInt(&ok);
        if (!ok || n < 1 || n > 6) {
            error =
                QString("--most-shims takes a whole number from 1 to 6, not '%1'").arg(parser.value(most));
            return false;
        }
        out.mostUnderFoot = n;
    }
    return true;
}

namespace {

std::string lift(const std::optional<float>& mils, UnitSystem units) {
    if (!mils) return "null";
    return jsonNumber(displayValue(*mils, Quantity::Reading, units));
}

std::string judged(const std::optional<float>& mils, UnitSystem units) {
    if (!mils) return "null";
    return isSoftFoot(*mils, units) ? "true" : "false";
}

void appendThicknesses(std::string& out, const std::vector<double>& pieces) {
    out += '[';
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        if (i > 0) out += ", ";
        out += jsonNumber(pieces[i]);
    }
    out += ']';
}

}  // namespace

void appendFeet(std::string& out, const ProjectRecord& record, const CalcResult& result, int method,
                const ShimKit& kit, UnitSystem units) {
    const FootLedger ledger = decodeFootLedger(record.ReservedText);
    out += "{\"soft_foot\": [";
    for (int i = 0; i < kPhysicalFeet; ++i) {
        const FootCheck& f = ledger.feet[static_cast<std::size_t>(i)];
        // A foot nothing was recorded for is left out.
        if (f == FootCheck{}) continue;
        if (out.back() != '[') out += ", ";
        out += "{\"foot\": " + std::to_string(i / 2 + 1);
        out += ", \"side\": ";
        out += i % 2 == 0 ? "\"left\"" : "\"right\"";
        out += ", \"as_found\": " + lift(f.asFound, units);
        out += ", \"kind\": ";
        out += f.kind == SoftFootKind::Unjudged ? std::string("null")
                                                : jsonString(std::string(softFootKindKey(f.kind)));
        out += ", \"shim_added\": " + jsonNumber(displayValue(f.shimAdded, Quantity::Move, units));
        out += ", \"as_left\": " + lift(f.asLeft, units);
        out += ", \"soft_as_found\": " + judged(f.asFound, units);
        out += ", \"soft_as_left\": " + judged(f.asLeft, units);
        out += '}';
    }
    out += "], \"packs\": [";
    const std::vector<ShimPack> packs = shimPacks(verticalMovesByPosition(result, method), ledger, kit);
    for (std::size_t i = 0; i < packs.size(); ++i) {
        const ShimPack& p = packs[i];
        if (i > 0) out += ", ";
        out += "{\"foot\": " + std::to_string(p.position + 1);
        out += ", \"move\": " + jsonNumber(displayValue(p.move, Quantity::Move, units));
        out += ", \"stack\": ";
        std::vector<double> stack;
        for (const float s : ledger.stacks[static_cast<std::size_t>(p.position)])
            stack.push_back(displayValue(s, Quantity::Move, units));
        appendThicknesses(out, stack);
        out += ", \"remove\": ";
        appendThicknesses(out, p.remove);
        out += ", \"add\": ";
        appendThicknesses(out, p.add);
        out += ", \"residual\": " + jsonNumber(p.residual);
        out += ", \"reached\": ";
        out += p.reached ? "true" : "false";
        out += ", \"final_stack\": ";
        appendThicknesses(out, p.finalStack);
        out += ", \"text\": " + jsonString(p.text);
        out += '}';
    }
    out += "]}";
}

}  // namespace corvane::cli
