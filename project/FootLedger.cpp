#include "project/FootLedger.h"

#include <charconv>
#include <cmath>
#include <system_error>

#include "project/ReservedLines.h"

namespace corvane {

namespace {

constexpr std::string_view kMark = "CorvaneFeet";
constexpr int kVersion = 1;
// A stack taller than this is not a stack of shims but a typing slip; the rest is not read.
constexpr std::size_t kMostShimsKept = kMostShimsInStack;

constexpr std::string_view kKindKeys[kSoftFootKindCount] = {"", "parallel", "angled", "springing", "induced"};

// The shortest text that reads back as this Single: "4.5", not the 4.5000000000001 of its double.
std::string floatText(float value) {
    char buffer[32];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return ec == std::errc{} ? std::string(buffer, end) : std::string("0");
}

std::optional<float> readFloat(std::string_view text) {
    const std::optional<double> v = readReservedNumber(text);
    if (!v || std::fabs(*v) > 3.0e38) return std::nullopt;
    return static_cast<float>(*v);
}

// Splits "a,b,c" at its commas; an empty text has one empty field.
std::vector<std::string_view> fields(std::string_view text) {
    std::vector<std::string_view> out;
    for (;;) {
        const std::size_t comma = text.find(',');
        out.push_back(text.substr(0, comma));
        if (comma == std::string_view::npos) return out;
        text.remove_prefix(comma + 1);
    }
}

// "f3L" is foot 3, left: position 2. -1 when the key is not a foot's.
int physicalFootOfKey(std::string_view key) {
    if (key.size() != 3 || key[0] != 'f' || key[1] < '1' || key[1] > '4') return -1;
    if (key[2] != 'L' && key[2] != 'R') return -1;
    return 2 * (key[1] - '1') + (key[2] == 'R' ? 1 : 0);
}

void readFoot(FootCheck& foot, std::string_view value) {
    const std::vector<std::string_view> f = fields(value);
    if (!f.empty()) foot.asFound = readFloat(f[0]);
    if (f.size() > 1) {
        for (int k = 1; k < kSoftFootKindCount; ++k)
            if (f[1] == kKindKeys[k]) foot.kind = static_cast<SoftFootKind>(k);
    }
    if (f.size() > 2) foot.shimAdded = readFloat(f[2]).value_or(0.0f);
    if (f.size() > 3) foot.asLeft = readFloat(f[3]);
}

}  // namespace

std::string_view softFootKindKey(SoftFootKind kind) { return kKindKeys[static_cast<int>(kind)]; }

std::string_view softFootKindName(SoftFootKind kind) {
    switch (kind) {
        case SoftFootKind::Parallel:
            return "Parallel";
        case SoftFootKind::Angled:
            return "Angled";
        case SoftFootKind::Springing:
            return "Springing";
        case SoftFootKind::Induced:
            return "Induced (pipe or coupling strain)";
        default:
            return "Not judged";
    }
}

std::string_view footSideName(FootSide side) { return side == FootSide::Left ? "left" : "right"; }

float removableShim(const FootLedger& ledger, int position) {
    if (position < 0 || position >= kFootPositions) return 0;
    double total = 0;
    for (const float shim : ledger.stacks[static_cast<std::size_t>(position)]) total += shim;
    return static_cast<float>(total);
}

std::string encodeFootLedger(const FootLedger& ledger, const std::string& reservedText) {
    if (ledger.empty()) return putReservedLine(reservedText, kMark, {});
    std::string body = std::to_string(kVersion);
    for (int i = 0; i < kPhysicalFeet; ++i) {
        const FootCheck& foot = ledger.feet[static_cast<std::size_t>(i)];
        if (foot == FootCheck{}) continue;
        body += ";f";
        body += static_cast<char>('1' + i / 2);
        body += i % 2 == 0 ? 'L' : 'R';
        body += '=';
        if (foot.asFound) body += floatText(*foot.asFound);
        body += ',';
        body += softFootKindKey(foot.kind);
        body += ',';
        if (foot.shimAdded != 0) body += floatText(foot.shimAdded);
        body += ',';
        if (foot.asLeft) body += floatText(*foot.asLeft);
    }
    for (int p = 0; p < kFootPositions; ++p) {
        const std::vector<float>& stack = ledger.stacks[static_cast<std::size_t>(p)];
        if (stack.empty()) continue;
        body += ";s";
        body += static_cast<char>('1' + p);
        body += '=';
        for (std::size_t k = 0; k < stack.size(); ++k) {
            if (k > 0) body += ',';
            body += floatText(stack[k]);
        }
    }
    return putReservedLine(reservedText, kMark, body);
}

FootLedger decodeFootLedger(std::string_view reservedText) {
    FootLedger ledger;
    const std::optional<std::string_view> line = findReservedLine(reservedText, kMark);
    if (!line) return ledger;
    FootLedger read;
    const bool known =
        readReservedPairs(*line, kVersion, [&read](std::string_view key, std::string_view value) {
            if (const int foot = physicalFootOfKey(key); foot >= 0) {
                readFoot(read.feet[static_cast<std::size_t>(foot)], value);
                return;
            }
            if (key.size() == 2 && key[0] == 's' && key[1] >= '1' && key[1] <= '4') {
                std::vector<float>& stack = read.stacks[static_cast<std::size_t>(key[1] - '1')];
                stack.clear();
                for (const std::string_view shim : fields(value)) {
                    // A shim is a positive thickness; anything else is not one.
                    const std::optional<float> t = readFloat(shim);
                    if (t && *t > 0 && stack.size() < kMostShimsKept) stack.push_back(*t);
                }
            }
        });
    return known ? read : ledger;
}

}  // namespace corvane
