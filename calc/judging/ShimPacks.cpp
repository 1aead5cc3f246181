#include "calc/judging/ShimPacks.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <functional>
#include <system_error>
#include <tuple>

#include "calc/format/NumberFormat.h"

namespace corvane {

namespace {

// The search counts in whole grains so that sums are exact: a hundredth of a mil, a micrometre.
// Both are far below any shim and any dial.
double grainsPerUnit(UnitSystem units) { return units == UnitSystem::Metric ? 1000.0 : 100.0; }

using Grains = std::int64_t;

Grains toGrains(double value, UnitSystem units) { return std::llround(value * grainsPerUnit(units)); }
// Divided, not multiplied by the grain: 35 grains give the double nearest 0.35, as typed.
double fromGrains(Grains g, UnitSystem units) { return static_cast<double>(g) / grainsPerUnit(units); }

// A stored length in mils in the kit's unit.
double inKitUnit(float mils, UnitSystem units) {
    if (units == UnitSystem::English) return mils;
    return displayValue(mils, Quantity::Move, units);
}

struct Pieces {
    Grains sum = 0;
    std::vector<Grains> pieces;  // thickest first
};

// Every pack of at most `most` shims the kit has on hand, the empty one included.
std::vector<Pieces> kitPacks(const std::vector<std::pair<Grains, int>>& sizes, int most) {
    std::vector<Pieces> out;
    Pieces current;
    const std::function<void(std::size_t)> walk = [&](std::size_t i) {
        if (i == sizes.size()) {
            out.push_back(current);
            return;
        }
        const auto [size, onHand] = sizes[i];
        const int room = most - static_cast<int>(current.pieces.size());
        const int take = std::min(onHand, room);
        for (int n = 0; n <= take; ++n) {
            walk(i + 1);
            if (n == take) break;
            current.pieces.push_back(size);
            current.sum += size;
        }
        current.pieces.resize(current.pieces.size() - static_cast<std::size_t>(take));
        current.sum -= size * take;
    };
    walk(0);
    return out;
}

// Every choice of shims to pull from a stack (thickest first), each once whatever the order.
std::vector<Pieces> pulls(const std::vector<Grains>& stack) {
    std::vector<std::pair<Grains, int>> distinct;
    for (const Grains g : stack) {
        if (!distinct.empty() && distinct.back().first == g)
            ++distinct.back().second;
        else
            distinct.emplace_back(g, 1);
    }
    return kitPacks(distinct, static_cast<int>(stack.size()));
}

struct Choice {
    Grains residual = 0;
    const Pieces* pull = nullptr;
    const Pieces* add = nullptr;
    std::size_t finalCount = 0;

    // Nearest the move, then fewest shims handled, then fewest left under the foot, then the
    // fewest pulled; the thicker shims first on a tie, so that the answer does not depend on the
    // order of the search.
    auto key() const {
        return std::make_tuple(std::llabs(residual), pull->pieces.size() + add->pieces.size(), finalCount,
                               pull->pieces.size());
    }
    bool betterThan(const Choice& other) const {
        if (key() != other.key()) return key() < other.key();
        if (add->pieces != other.add->pieces) return add->pieces > other.add->pieces;
        return pull->pieces > other.pull->pieces;
    }
};

std::string thicknessText(double value, UnitSystem units) {
    return units == UnitSystem::Metric ? formatDecimals(value, 2, 3) : formatDecimals(value, 0, 2);
}

std::string amountText(double value, UnitSystem units) {
    return units == UnitSystem::Metric ? formatDecimals(value, 2, 3) : formatDecimals(value, 0, 2);
}

// "10 + 5 = 15 mils", "15 mils".
std::string piecesText(const std::vector<double>& pieces, UnitSystem units) {
    std::string text;
    double total = 0;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        if (i > 0) text += " + ";
        text += thicknessText(pieces[i], units);
        total += pieces[i];
    }
    if (pieces.size() > 1) text += " = " + thicknessText(total, units);
    text += ' ';
    text += unitName(Quantity::Move, units);
    return text;
}

std::vector<double> inUnits(const std::vector<Grains>& pieces, UnitSystem units) {
    std::vector<double> out;
    out.reserve(pieces.size());
    for (const Grains g : pieces) out.push_back(fromGrains(g, units));
    return out;
}

void describe(ShimPack& pack, double move, UnitSystem units, int most) {
    const std::string unit(unitName(Quantity::Move, units));
    const bool down = move < 0;
    if (pack.remove.empty() && pack.add.empty() && valueOfText(amountText(move, units)) == 0) {
        pack.text = "no move: leave the shims as they are";
        return;
    }
    std::string text;
    if (pack.remove.empty() && pack.add.empty()) {
        text = down && pack.finalStack.empty() ? "no shims under the foot to pull" : "no pack to change";
    } else {
        if (!pack.remove.empty()) text = "pull " + piecesText(pack.remove, units);
        if (!pack.add.empty()) {
            if (!text.empty())
                text += down ? " and put back " : " and add ";
            else
                text = "add ";
            text += piecesText(pack.add, units);
        }
    }
    text += " for a move of " + amountText(std::fabs(move), units);
    if (down) text += " down";
    const std::string residual = amountText(std::fabs(pack.residual), units);
    if (valueOfText(residual) == 0) {
        text += "; exact";
    } else {
        // Left: the foot still has that far to go; over: the pack takes it that far past the move.
        const bool left = (pack.residual > 0) == (move > 0);
        text += "; " + residual + " " + unit + (left ? " left" : " over");
    }
    if (!pack.reached && !(pack.remove.empty() && pack.add.empty()))
        text += " (no pack of at most " + std::to_string(most) + " shims comes nearer)";
    pack.text = std::move(text);
}

}  // namespace

ShimKit defaultShimKit(UnitSystem units) {
    ShimKit kit;
    kit.units = units;
    kit.mostUnderFoot = kDefaultMostUnderFoot;
    const std::vector<double> english = {1, 2, 3, 5, 10, 15, 20, 25, 50, 75, 100, 125};
    const std::vector<double> metric = {0.05, 0.10, 0.20, 0.25, 0.40, 0.50, 0.70, 1.00, 2.00};
    for (const double t : units == UnitSystem::Metric ? metric : english)
        kit.sizes.push_back({t, kDefaultShimsOnHand});
    return kit;
}

std::string kitText(const ShimKit& kit) {
    std::vector<KitShim> sizes = kit.sizes;
    std::stable_sort(sizes.begin(), sizes.end(),
                     [](const KitShim& a, const KitShim& b) { return a.thickness < b.thickness; });
    std::string text;
    for (const KitShim& s : sizes) {
        if (!text.empty()) text += ' ';
        text += formatDecimals(s.thickness, 0, 3);
        text += 'x';
        text += std::to_string(s.onHand);
    }
    return text;
}

KitReading readKitText(std::string_view text) {
    KitReading out;
    std::vector<KitShim> sizes;
    std::size_t pos = 0;
    while (pos < text.size()) {
        while (pos < text.size() && (text[pos] == ' ' || text[pos] == ',' || text[pos] == ';')) ++pos;
        if (pos >= text.size()) break;
        std::size_t end = pos;
        while (end < text.size() && text[end] != ' ' && text[end] != ',' && text[end] != ';') ++end;
        const std::string_view piece = text.substr(pos, end - pos);
        pos = end;
        const std::size_t x = piece.find_first_of("xX*");
        const std::string_view size = piece.substr(0, x);
        double thickness = 0;
        const auto [stop, ec] = std::from_chars(size.data(), size.data() + size.size(), thickness);
        if (ec != std::errc{} || stop != size.data() + size.size() || !(thickness > 0) || thickness > 10000) {
            out.problem = "\"" + std::string(piece) + "\" is not a shim size";
            return out;
        }
        int count = kDefaultShimsOnHand;
        if (x != std::string_view::npos) {
            const std::string_view n = piece.substr(x + 1);
            if (n.empty() || n.size() > 3 || n.find_first_not_of("0123456789") != std::string_view::npos) {
                out.problem = "\"" + std::string(piece) + "\" does not give a number on hand from 0 to 999";
                return out;
            }
            count = std::stoi(std::string(n));
        }
        sizes.push_back({thickness, count});
    }
    std::stable_sort(sizes.begin(), sizes.end(),
                     [](const KitShim& a, const KitShim& b) { return a.thickness < b.thickness; });
    out.sizes = std::move(sizes);
    return out;
}

ShimPack shimPack(int position, float moveMils, const std::vector<float>& stackMils, const ShimKit& kit) {
    const UnitSystem units = kit.units;
    const int most = std::max(1, kit.mostUnderFoot);
    ShimPack pack;
    pack.position = position;
    pack.move = moveMils;
    const double move = inKitUnit(moveMils, units);
    const Grains target = toGrains(move, units);

    std::vector<Grains> stack;
    for (const float s : stackMils) stack.push_back(toGrains(inKitUnit(s, units), units));
    std::sort(stack.begin(), stack.end(), std::greater<>());

    // Sizes of the kit thickest first, the same size given twice counted once.
    std::vector<std::pair<Grains, int>> sizes;
    Grains thinnest = 0;
    for (const KitShim& s : kit.sizes) {
        const Grains g = toGrains(s.thickness, units);
        if (g <= 0 || s.onHand <= 0) continue;
        thinnest = thinnest == 0 ? g : std::min(thinnest, g);
        auto same = std::find_if(sizes.begin(), sizes.end(), [g](const auto& e) { return e.first == g; });
        if (same != sizes.end())
            same->second += s.onHand;
        else
            sizes.emplace_back(g, s.onHand);
    }
    std::sort(sizes.begin(), sizes.end(), std::greater<>());

    const std::vector<Pieces> adds = kitPacks(sizes, most);
    const std::vector<Pieces> pulled = pulls(stack);
    std::optional<Choice> best;
    for (const Pieces& pull : pulled) {
        const std::size_t kept = stack.size() - pull.pieces.size();
        if (kept > static_cast<std::size_t>(most)) continue;
        for (const Pieces& add : adds) {
            const std::size_t finalCount = kept + add.pieces.size();
            if (finalCount > static_cast<std::size_t>(most)) continue;
            const Choice c{target - (add.sum - pull.sum), &pull, &add, finalCount};
            if (!best || c.betterThan(*best)) best = c;
        }
    }
    // Pulling the whole stack always keeps the foot within the limit, so there is a choice.
    pack.remove = inUnits(best->pull->pieces, units);
    pack.add = inUnits(best->add->pieces, units);
    pack.residual = fromGrains(best->residual, units);
    pack.reached = thinnest > 0 ? 2 * std::llabs(best->residual) <= thinnest : best->residual == 0;

    std::vector<Grains> left = stack;
    for (const Grains g : best->pull->pieces) left.erase(std::find(left.begin(), left.end(), g));
    left.insert(left.end(), best->add->pieces.begin(), best->add->pieces.end());
    std::sort(left.begin(), left.end(), std::greater<>());
    pack.finalStack = inUnits(left, units);
    describe(pack, move, units, most);
    return pack;
}

std::array<std::optional<float>, kFootPositions> verticalMovesByPosition(const CalcResult& result,
                                                                         int method) {
    std::array<std::optional<float>, kFootPositions> moves{};
    if (!result.hasResult()) return moves;
    const std::vector<float>& v = result.verticalMoves;
    if (method == kMethodReverseDial) {
        for (std::size_t i = 0; i < v.size() && i < moves.size(); ++i) moves[i] = v[i];
    } else if (v.size() >= 2) {
        // Rim and face and jack shaft move the moveable machine's near (inboard) and far feet.
        moves[2] = v[0];
        moves[3] = v[1];
    }
    for (auto& m : moves)
        if (m && !std::isfinite(*m)) m.reset();
    return moves;
}

std::vector<ShimPack> shimPacks(const std::array<std::optional<float>, kFootPositions>& moves,
                                const FootLedger& ledger, ShimKit kit) {
    std::vector<ShimPack> out;
    for (int p = 0; p < kFootPositions; ++p) {
        const std::optional<float> move = moves[static_cast<std::size_t>(p)];
        if (!move) continue;
        ShimPack pack = shimPack(p, *move, ledger.stacks[static_cast<std::size_t>(p)], kit);
        for (const double used : pack.add) {
            for (KitShim& s : kit.sizes) {
                if (s.onHand > 0 && toGrains(s.thickness, kit.units) == toGrains(used, kit.units)) {
                    --s.onHand;
                    break;
                }
            }
        }
        out.push_back(std::move(pack));
    }
    return out;
}

}  // namespace corvane
