// The report's Feet part: the soft-foot check of every foot recorded, and per foot position the
// shims under it, what comes out and goes in for the move, and the stack it is left on.

#include "calc/format/NumberFormat.h"
#include "calc/judging/ShimPacks.h"
#include "calc/judging/SoftFoot.h"
#include "project/FootLedger.h"
#include "report/ReportBlocks.h"

namespace corvane::report {

namespace {

QString liftCell(const std::optional<float>& lift, UnitSystem units) {
    return lift ? qs(liftText(*lift, units)) : QStringLiteral("\u2013");
}

QString thicknesses(const std::vector<double>& pieces, UnitSystem units) {
    if (pieces.empty()) return QStringLiteral("\u2013");
    QStringList out;
    for (const double t : pieces)
        out << qs(units == UnitSystem::Metric ? formatDecimals(t, 2, 3) : formatDecimals(t, 0, 2));
    return out.join(QStringLiteral(" + "));
}

// The soft-foot verdict of one foot: what it stands on now, and whether that was corrected.
QString footVerdict(const FootCheck& f, UnitSystem units) {
    const std::optional<float> now = currentLift(f);
    if (!now) return QStringLiteral("Not measured");
    if (isSoftFoot(*now, units)) return f.asLeft ? QStringLiteral("Still soft") : QStringLiteral("Soft foot");
    if (f.asLeft && f.asFound && isSoftFoot(*f.asFound, units)) return QStringLiteral("Corrected");
    return QStringLiteral("Sound");
}

}  // namespace

void addFeet(std::vector<Block>& out, const ReportSection& s, const Context& c) {
    const FootLedger ledger = decodeFootLedger(s.record.ReservedText);
    if (ledger.empty()) return;
    const UnitSystem units = c.format.units;
    const QString unit = qs(c.format.readingUnit());
    std::size_t first = out.size();
    out.push_back(headingBlock(QStringLiteral("Feet"), c));
    addParagraph(
        out,
        QStringLiteral("Soft foot: a lift over %1 is corrected before the readings.")
            .arg(units == UnitSystem::Metric ? QStringLiteral("0.05 mm") : QStringLiteral("2.0 mils")),
        c.style.body, c.style.ink);
    const double footWidth = mm(24);
    const double rest = (kPageWidth - footWidth) / 5.0;
    const std::vector<double> widths = {footWidth, rest, rest * 1.4, rest * 0.8, rest * 0.8, rest};
    const std::vector<Qt::Alignment> align = {Qt::AlignLeft,    Qt::AlignHCenter, Qt::AlignLeft,
                                              Qt::AlignHCenter, Qt::AlignHCenter, Qt::AlignLeft};
    addTableRow(out,
                {QStringLiteral("Foot"), QStringLiteral("As found (%1)").arg(unit), QStringLiteral("Kind"),
                 QStringLiteral("Shim added (%1)").arg(unit), QStringLiteral("As left (%1)").arg(unit),
                 QStringLiteral("Verdict")},
                widths, c, true, align);
    bool anyFoot = false;
    for (int i = 0; i < kPhysicalFeet; ++i) {
        const FootCheck& f = ledger.feet[static_cast<std::size_t>(i)];
        if (f == FootCheck{}) continue;
        anyFoot = true;
        const QString shim = f.shimAdded == 0 ? QStringLiteral("\u2013") : qs(c.format.move(f.shimAdded));
        addTableRow(out,
                    {QStringLiteral("%1 %2").arg(i / 2 + 1).arg(i % 2 == 0 ? QStringLiteral("left")
                                                                           : QStringLiteral("right")),
                     liftCell(f.asFound, units), qs(std::string(softFootKindName(f.kind))), shim,
                     liftCell(f.asLeft, units), footVerdict(f, units)},
                    widths, c, false, align);
    }
    if (!anyFoot)
        addTableRow(out, {QStringLiteral("No foot was checked for soft foot.")}, {kPageWidth}, c, false);
    keepTogether(out, first);

    // The shims: per foot position, the stack on file, the pack for the move shown, and what is left.
    first = out.size();
    const ShimKit kit = s.shimKit ? *s.shimKit : defaultShimKit(units);
    const std::vector<ShimPack> packs =
        shimPacks(verticalMovesByPosition(s.result, s.options.method), ledger, kit);
    const std::vector<double> shimWidths = {footWidth, mm(34), mm(26),
                                            mm(26),    mm(34), kPageWidth - footWidth - mm(120)};
    addTableRow(out,
                {QStringLiteral("Foot"), QStringLiteral("Shims on file (%1)").arg(unit),
                 QStringLiteral("Pull (%1)").arg(unit), QStringLiteral("Add (%1)").arg(unit),
                 QStringLiteral("Final stack (%1)").arg(unit), QStringLiteral("Pack")},
                shimWidths, c, true);
    for (int p = 0; p < kFootPositions; ++p) {
        std::vector<double> onFile;
        for (const float t : ledger.stacks[static_cast<std::size_t>(p)])
            onFile.push_back(displayValue(t, Quantity::Move, units));
        const ShimPack* pack = nullptr;
        for (const ShimPack& candidate : packs)
            if (candidate.position == p) pack = &candidate;
        if (!pack && onFile.empty()) continue;
        const QString foot = QString::number(p + 1);
        if (!pack) {
            addTableRow(out,
                        {foot, thicknesses(onFile, units), QStringLiteral("\u2013"), QStringLiteral("\u2013"),
                         thicknesses(onFile, units), QStringLiteral("The foot does not move.")},
                        shimWidths, c, false);
            continue;
        }
        QString text = qs(pack->text);
        if (!text.isEmpty()) text[0] = text[0].toUpper();
        addTableRow(
            out,
            {foot, thicknesses(onFile, units), thicknesses(pack->remove, units),
             thicknesses(pack->add, units), thicknesses(pack->finalStack, units), text + QLatin1Char('.')},
            shimWidths, c, false);
    }
    addParagraph(out,
                 QStringLiteral("Packs from a kit of %1, at most %2 shims under a foot.")
                     .arg(qs(kitText(kit)))
                     .arg(kit.mostUnderFoot),
                 c.style.small, c.style.muted);
    keepTogether(out, first);
}

}  // namespace corvane::report
