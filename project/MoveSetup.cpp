#include "project/MoveSetup.h"

#include <string_view>

#include "project/ReservedLines.h"

namespace corvane {

namespace {

constexpr std::string_view kMark = "CorvaneMoves";
constexpr int kVersion = 1;

void putNumber(std::string& body, std::string_view key, const std::optional<double>& value) {
    if (!value) return;
    body += ';';
    body += key;
    body += '=';
    body += writeReservedNumber(*value);
}

// A length or a limit: finite and not below 0.
std::optional<double> readAmount(std::string_view text) {
    const std::optional<double> value = readReservedNumber(text);
    if (!value || *value < 0) return std::nullopt;
    return value;
}

}  // namespace

std::string encodeMoveSetup(const MoveSetup& setup, const std::string& reservedText) {
    if (setup == MoveSetup{}) return putReservedLine(reservedText, kMark, {});
    std::string body = std::to_string(kVersion);
    putNumber(body, "inboard", setup.fixedInboardToCoupling);
    putNumber(body, "spacing", setup.fixedFootSpacing);
    for (int i = 0; i < 4; ++i) {
        const std::string foot = std::to_string(i + 1);
        const FootLimits& f = setup.feet[static_cast<std::size_t>(i)];
        putNumber(body, "shim" + foot, f.shim);
        putNumber(body, "left" + foot, f.boltLeft);
        putNumber(body, "right" + foot, f.boltRight);
    }
    if (setup.held)
        body += ";held=" + std::to_string((*setup.held)[0]) + "," + std::to_string((*setup.held)[1]);
    return putReservedLine(reservedText, kMark, body);
}

MoveSetup decodeMoveSetup(const std::string& reservedText) {
    const std::optional<std::string_view> line = findReservedLine(reservedText, kMark);
    if (!line) return {};
    MoveSetup s;
    const bool known = readReservedPairs(*line, kVersion, [&s](std::string_view key, std::string_view value) {
        if (key == "inboard") s.fixedInboardToCoupling = readAmount(value);
        if (key == "spacing") s.fixedFootSpacing = readAmount(value);
        if (key == "held" && value.size() == 3 && value[1] == ',') {
            const auto p = readReservedInt(value.substr(0, 1), 1, 4),
                       q = readReservedInt(value.substr(2), 1, 4);
            if (p && q && *p < *q) s.held = std::array<int, 2>{*p, *q};
        }
        if (key.size() < 2) return;
        const auto foot = readReservedInt(key.substr(key.size() - 1), 1, 4);
        if (!foot) return;
        FootLimits& f = s.feet[static_cast<std::size_t>(*foot - 1)];
        const std::string_view name = key.substr(0, key.size() - 1);
        if (name == "shim") f.shim = readAmount(value);
        if (name == "left") f.boltLeft = readAmount(value);
        if (name == "right") f.boltRight = readAmount(value);
    });
    if (!known) return {};
    return s;
}

MoveSetup withLedgerShims(MoveSetup setup, const FootLedger& ledger) {
    for (int i = 0; i < kFootPositions; ++i) {
        const auto at = static_cast<std::size_t>(i);
        if (!setup.feet[at].shim && !ledger.stacks[at].empty())
            setup.feet[at].shim = removableShim(ledger, i);
    }
    return setup;
}

}  // namespace corvane
