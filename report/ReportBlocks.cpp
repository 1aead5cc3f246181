// The shared pieces of the report's blocks, and the parts of a section that describe the job: title and
// header fields, the machine arrangement, the dial readings and the thermal growth.

#include "report/ReportBlocks.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "calc/format/NumberFormat.h"
#include "calc/methods/BracketText.h"
#include "calc/methods/Growth.h"
#include "calc/methods/MethodTraits.h"
#include "project/ProjectCommands.h"
#include "project/RimFaceSag.h"
#include "report/MachineSketch.h"

namespace corvane::report {

namespace {

constexpr double kCellPadding = mm(1.0);
// A row of wrapped cells longer than this is cut into several blocks, so that a very long name still
// flows over pages.
constexpr int kMaxRowLines = 12;

const char* const kClock[4] = {"12:00", "3:00", "6:00", "9:00"};

}  // namespace

void addCells(std::vector<Block>& out, const std::vector<Cell>& cells, const std::vector<double>& widths,
              const Context& c, const RowLook& look) {
    std::vector<QStringList> lines;
    int longest = 1;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        lines.push_back(wrap(cells[i].text, cells[i].font, widths[i] - 2 * kCellPadding));
        longest = std::max(longest, static_cast<int>(lines.back().size()));
    }
    for (int first = 0; first < longest; first += kMaxRowLines) {
        double height = 0;
        std::vector<QStringList> pieces;
        for (std::size_t i = 0; i < cells.size(); ++i) {
            pieces.push_back(lines[i].mid(first, kMaxRowLines));
            height = std::max(height, pieces.back().size() * lineHeight(cells[i].font));
        }
        height += 2 * kCellPadding;
        const bool last = first + kMaxRowLines >= longest;
        Block block;
        block.height = height;
        block.spaceBefore = first == 0 ? look.spaceBefore : 0;
        block.keepWithNext = look.keepWithNext || !last;
        const Style* style = &c.style;
        block.paint = [cells, widths, pieces, look, last, style](QPainter& p, const QRectF& r) {
            if (look.shaded) p.fillRect(r, style->shade);
            double x = r.left();
            for (std::size_t i = 0; i < cells.size(); ++i) {
                p.setPen(cells[i].colour);
                drawLines(p, pieces[i], cells[i].font, x + kCellPadding, r.top() + kCellPadding,
                          widths[i] - 2 * kCellPadding, cells[i].align);
                x += widths[i];
            }
            if (look.ruleBelow && last) {
                p.setPen(QPen(style->rule, mm(0.15)));
                p.drawLine(r.bottomLeft(), r.bottomRight());
            }
        };
        out.push_back(std::move(block));
    }
}

namespace {

MachineKind kindOf(const CalcOptions& o) {
    switch (o.method) {
        case kMethodRimFace:
            return o.bracketSide == 1 ? MachineKind::RimFaceMoveable : MachineKind::RimFaceFixed;
        case kMethodJackShaft:
            return MachineKind::JackShaft;
        default:
            return MachineKind::ReverseDial;
    }
}

QString orDash(const std::string& text) { return text.empty() ? QStringLiteral("\u2014") : qs(text); }

QString text(std::string_view t) { return QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size())); }

// The dial frames of the window, per method.
QString dialTitle(int method, int dial) {
    const MethodTraits& traits = methodTraits(method);
    return text(dial == 1 ? traits.dial1Title : traits.dial2Title);
}

// The feet a growth value belongs to, with the record's growth index of each and the growth window's
// foot column that computes it.
struct GrowthFoot {
    QString name;
    int growthIndex;
    int windowFoot;
};

std::vector<GrowthFoot> growthFeet(int method) {
    const MethodTraits& traits = methodTraits(method);
    std::vector<GrowthFoot> feet;
    for (int k = 0; k < traits.footCount; ++k)
        feet.push_back({text(traits.footNames[static_cast<std::size_t>(k)]), traits.firstGrowthIndex + k, k});
    return feet;
}

const char* const kMaterials[4] = {"Steel", "Aluminum", "Iron", "Concrete"};

}  // namespace

QString qs(const std::string& text) { return QString::fromStdString(text); }

QString withUnit(const std::string& number, const std::string& unit) {
    return qs(number) + QLatin1Char(' ') + qs(unit);
}

QString methodName(int method) {
    if (method < 0 || method >= kMethodCount) return QStringLiteral("none");
    return text(methodTraits(method).name);
}

QString rotationName(int rotation) {
    return rotation == 0   ? QStringLiteral("Full Rotation")
           : rotation == 1 ? QStringLiteral("Half Rotation")
                           : QStringLiteral("none selected");
}

QString bracketName(int side) {
    return side == 0   ? QStringLiteral("Fixed Mach")
           : side == 1 ? QStringLiteral("Moveable Machine")
                       : QStringLiteral("none selected");
}

void keepTogether(std::vector<Block>& out, std::size_t first) {
    for (std::size_t i = first; i + 1 < out.size(); ++i) out[i].keepWithNext = true;
}

Block headingBlock(const QString& text, const Context& c) {
    Block block;
    block.height = lineHeight(c.style.heading) + mm(1.8);
    block.spaceBefore = mm(4);
    block.keepWithNext = true;
    const Style* style = &c.style;
    block.paint = [text, style](QPainter& p, const QRectF& r) {
        p.setPen(style->accent);
        drawLines(p, {text}, style->heading, r.left(), r.top(), r.width());
        p.setPen(QPen(style->accent, mm(0.3)));
        const double y = r.bottom() - mm(0.6);
        p.drawLine(QPointF(r.left(), y), QPointF(r.right(), y));
    };
    return block;
}

void addParagraph(std::vector<Block>& out, const QString& text, const QFont& font, const QColor& colour,
                  double indent, double spaceBefore) {
    const QStringList lines = wrap(text, font, kPageWidth - indent);
    for (int i = 0; i < lines.size(); ++i) {
        Block block;
        block.height = lineHeight(font);
        block.spaceBefore = i == 0 ? spaceBefore : 0;
        const QString line = lines[i];
        block.paint = [line, font, colour, indent](QPainter& p, const QRectF& r) {
            p.setPen(colour);
            drawLines(p, {line}, font, r.left() + indent, r.top(), r.width() - indent);
        };
        out.push_back(std::move(block));
    }
}

void addTableRow(std::vector<Block>& out, const QStringList& cells, const std::vector<double>& widths,
                 const Context& c, bool head, const std::vector<Qt::Alignment>& align) {
    std::vector<Cell> row;
    for (int i = 0; i < cells.size(); ++i)
        row.push_back(Cell{cells[i], head ? c.style.smallBold : c.style.body, c.style.ink,
                           i < static_cast<int>(align.size()) ? align[static_cast<std::size_t>(i)]
                                                              : Qt::Alignment(Qt::AlignLeft)});
    addCells(out, row, widths, c, RowLook{head, true, head, 0});
}

void addTitle(std::vector<Block>& out, const ReportSection& s, const QString& caption, const Context& c) {
    Block title;
    title.height = lineHeight(c.style.title) + mm(3);
    title.keepWithNext = true;
    const Style* style = &c.style;
    title.paint = [caption, style](QPainter& p, const QRectF& r) {
        p.setPen(style->accent);
        drawLines(p, {QStringLiteral("Shaft Alignment Report")}, style->title, r.left(), r.top(), r.width());
        p.setPen(style->muted);
        const double captionTop = r.top() + ascent(style->title) - ascent(style->body);
        drawLines(p, {caption}, style->body, r.left(), captionTop, r.width(), Qt::AlignRight);
        p.setPen(QPen(style->accent, mm(0.6)));
        const double y = r.bottom() - mm(1);
        p.drawLine(QPointF(r.left(), y), QPointF(r.right(), y));
    };
    out.push_back(std::move(title));

    const ProjectRecord& rec = s.record;
    const QString date =
        dateStampInRange(rec.DateStamp) ? qs(formatDateTime(rec.DateStamp)) : QStringLiteral("not recorded");
    std::vector<std::pair<QString, QString>> fields = {
        {QStringLiteral("Machine"), orDash(rec.Machine)},
        {QStringLiteral("Date"), date},
        {QStringLiteral("Technician"), orDash(rec.Technician)},
        {QStringLiteral("File"), orDash(s.fileName)},
        {QStringLiteral("Fixed machine"), orDash(rec.M1Text)},
        {QStringLiteral("Moveable machine"), orDash(rec.M2Text)},
        {QStringLiteral("Method"), methodName(s.options.method)},
    };
    const MethodTraits& traits = methodTraits(s.options.method);
    if (traits.hasRotationChoice)
        fields.emplace_back(QStringLiteral("Rotation"), rotationName(s.options.rotation));
    else if (traits.hasBracketSide)
        fields.emplace_back(QStringLiteral("Bracket side"),
                            bracketName(s.options.bracketSide) + QStringLiteral(": ") +
                                qs(bracketArrangement(s.options.bracketSide)));
    else
        fields.emplace_back(QStringLiteral("Set-up"), QStringLiteral("Face indicator at each coupling"));
    fields.emplace_back(QStringLiteral("Units"), qs(c.format.systemName()));
    fields.emplace_back(QStringLiteral("Thermal growth"),
                        s.options.growthOn ? QStringLiteral("Applied") : QStringLiteral("Not applied"));
    if (s.optionsSource)
        fields.emplace_back(QStringLiteral("Options"), *s.optionsSource == OptionsSource::Project
                                                           ? QStringLiteral("As saved with the job")
                                                           : QStringLiteral("Set on the command line"));

    const double label = mm(31);
    const double half = kPageWidth / 2;
    const std::vector<double> widths = {label, half - label, label, half - label};
    for (std::size_t i = 0; i < fields.size(); i += 2) {
        std::vector<Cell> row = {Cell{fields[i].first, c.style.bold, c.style.muted},
                                 Cell{fields[i].second, c.style.body, c.style.ink}};
        if (i + 1 < fields.size()) {
            row.push_back(Cell{fields[i + 1].first, c.style.bold, c.style.muted});
            row.push_back(Cell{fields[i + 1].second, c.style.body, c.style.ink});
        }
        addCells(out, row, widths, c, RowLook{true, false, false, i == 0 ? mm(2) : 0});
    }
}

void addArrangement(std::vector<Block>& out, const ReportSection& s, const Context& c) {
    out.push_back(headingBlock(QStringLiteral("Machine arrangement"), c));
    const MachineKind kind = kindOf(s.options);
    const int method = s.options.method;
    const double scale = kPageWidth / MachineSketch::kWidth;
    const double sketchHeight = MachineSketch::kHeight * scale;

    // "A = 20.00 in" under the gap of each length, on as many rows as it takes for neighbours not to
    // run into each other.
    struct LengthLabel {
        QString letter, text;
        double centre;
        int row;
    };
    std::vector<LengthLabel> labels;
    const std::vector<int> gaps = MachineSketch::gapCentres(kind);
    std::vector<double> rowEnds;
    const QFont& font = c.style.small;
    for (std::size_t k = 0; k < gaps.size(); ++k) {
        const QString letter = QString(QChar(u'A' + static_cast<char16_t>(k)));
        const QString text =
            letter + QStringLiteral(" = ") +
            withUnit(c.format.length(s.record.length(method, static_cast<int>(k))), c.format.lengthUnit());
        const double half = textWidth(font, text) / 2 + mm(1);
        const double centre = std::clamp(gaps[k] * scale, half, kPageWidth - half);
        int row = 0;
        while (row < static_cast<int>(rowEnds.size()) &&
               rowEnds[static_cast<std::size_t>(row)] > centre - half)
            ++row;
        if (row == static_cast<int>(rowEnds.size())) rowEnds.push_back(0);
        rowEnds[static_cast<std::size_t>(row)] = centre + half;
        labels.push_back({letter, text, centre, row});
    }
    const double rowHeight = lineHeight(font) + mm(0.6);
    const double labelsHeight =
        mm(1.5) + rowHeight * static_cast<double>(std::max<std::size_t>(1, rowEnds.size()));

    MachineSketch::Options options;
    QString legend;
    if (methodTraits(method).hasStationaryTicks) {
        QStringList feet;
        for (int i = 0; i < 4; ++i) {
            options.stationaryFeet[static_cast<std::size_t>(i)] =
                s.record.Station[static_cast<std::size_t>(i)] != 0;
            if (s.record.Station[static_cast<std::size_t>(i)] != 0) feet << QString::number(i + 1);
        }
        legend = feet.isEmpty() ? QStringLiteral("No foot is marked stationary.")
                                : QStringLiteral(
                                      "Stationary feet (hatched): %1. Feet are numbered 1 to 4 from "
                                      "the fixed machine's outer foot.")
                                      .arg(feet.join(QStringLiteral(", ")));
    } else {
        options.stationaryFeet = {true, true, false, false};
        legend =
            QStringLiteral("The fixed machine (left) stays in place; the moveable machine (right) is moved.");
    }
    const QStringList legendLines = wrap(legend, c.style.small, kPageWidth);
    Block block;
    block.height = sketchHeight + labelsHeight + legendLines.size() * lineHeight(c.style.small) + mm(1);
    block.spaceBefore = mm(2);
    const Style* style = &c.style;
    block.paint = [=](QPainter& p, const QRectF& r) {
        MachineSketch::paint(p, kind, QRectF(r.left(), r.top(), kPageWidth, sketchHeight), options);
        const double dimensionY = r.top() + MachineSketch::kDimensionY * scale;
        const double below = r.top() + sketchHeight;
        for (std::size_t k = 0; k < labels.size(); ++k) {
            const double x = r.left() + gaps[k] * scale;
            p.setPen(style->ink);
            p.setFont(style->smallBold);
            p.drawText(QRectF(x - mm(4), dimensionY - mm(2.5), mm(8), mm(5)), Qt::AlignCenter,
                       labels[k].letter);
            const double top = below + mm(1.5) + labels[k].row * rowHeight;
            if (labels[k].row > 0) {
                p.setPen(QPen(style->rule, mm(0.15)));
                p.drawLine(QPointF(x, below + mm(0.5)), QPointF(x, top));
            }
            p.setPen(style->ink);
            drawLines(p, {labels[k].text}, font, r.left() + labels[k].centre - mm(20), top, mm(40),
                      Qt::AlignHCenter);
        }
        p.setPen(style->muted);
        drawLines(p, legendLines, style->small, r.left(), below + labelsHeight, r.width());
    };
    out.push_back(std::move(block));
}

void addReadings(std::vector<Block>& out, const ReportSection& s, const Context& c) {
    const int m = s.options.method;
    out.push_back(headingBlock(QStringLiteral("Dial readings (%1)").arg(qs(c.format.readingUnit())), c));
    const double radius = mm(13.5);
    const double titleHeight = lineHeight(c.style.bold) + mm(2);
    const double clockLabel = lineHeight(c.style.small);
    const bool halfRotation = methodTraits(m).hasRotationChoice && s.options.rotation == 1;

    std::array<std::array<QString, 4>, 2> readings;
    for (int p = 0; p < kPositionCount; ++p) {
        readings[0][static_cast<std::size_t>(p)] = qs(c.format.reading(s.record.dial1(m, p)));
        readings[1][static_cast<std::size_t>(p)] = qs(c.format.reading(s.record.dial2(m, p)));
    }
    const QString titles[2] = {dialTitle(m, 1), dialTitle(m, 2)};
    Block block;
    block.height = titleHeight + 2 * clockLabel + 2 * radius + mm(2);
    block.spaceBefore = mm(2);
    const Style* style = &c.style;
    block.paint = [=](QPainter& p, const QRectF& r) {
        for (int dial = 0; dial < 2; ++dial) {
            const double columnLeft = r.left() + dial * kPageWidth / 2;
            const double columnWidth = kPageWidth / 2;
            p.setPen(style->ink);
            drawLines(p, {titles[dial]}, style->bold, columnLeft, r.top(), columnWidth, Qt::AlignHCenter);
            const QPointF centre(columnLeft + columnWidth / 2, r.top() + titleHeight + clockLabel + radius);
            p.save();
            p.setRenderHint(QPainter::Antialiasing);
            p.setPen(QPen(style->accent, mm(0.35)));
            p.setBrush(style->shade);
            p.drawEllipse(centre, radius, radius);
            p.setPen(QPen(style->rule, mm(0.2)));
            p.drawLine(centre - QPointF(radius * 0.25, 0), centre + QPointF(radius * 0.25, 0));
            p.drawLine(centre - QPointF(0, radius * 0.25), centre + QPointF(0, radius * 0.25));
            p.restore();
            // 12:00 at the top, then clockwise as the dial is read.
            const QPointF toward[4] = {{0, -1}, {1, 0}, {0, 1}, {-1, 0}};
            for (int k = 0; k < 4; ++k) {
                const QPointF at = centre + toward[k] * (radius * 0.58);
                const bool unused = halfRotation && k == 2;
                const QString reading = readings[static_cast<std::size_t>(dial)][static_cast<std::size_t>(k)];
                // A reading too long for its place on the dial is drawn smaller rather than over its
                // neighbours.
                QFont font = style->readingFont;
                const double room = radius * 0.8;
                const double width = textWidth(font, reading);
                if (width > room)
                    font.setPixelSize(std::max(1, static_cast<int>(font.pixelSize() * room / width)));
                p.setPen(unused ? style->rule : style->ink);
                drawLines(p, {reading}, font, at.x() - radius, at.y() - lineHeight(font) / 2, 2 * radius,
                          Qt::AlignHCenter);
                const QPointF outside = centre + toward[k] * (radius + mm(1.5));
                const QString clock =
                    QLatin1String(kClock[k]) + (unused ? QStringLiteral(" (not read)") : QString());
                p.setPen(style->muted);
                const double w = textWidth(style->small, clock);
                const double left = k == 1 ? outside.x() : k == 3 ? outside.x() - w : outside.x() - w / 2;
                const double top = k == 0   ? outside.y() - clockLabel
                                   : k == 2 ? outside.y()
                                            : outside.y() - clockLabel / 2;
                drawLines(p, {clock}, style->small, left, top, w + mm(1));
            }
        }
    };
    out.push_back(std::move(block));

    QString extra;
    if (methodTraits(m).miscField == MiscField::Sag)
        extra = QStringLiteral("Sag: ") + withUnit(c.format.reading(s.record.Sag), c.format.readingUnit());
    else
        extra = QStringLiteral("Face diameter: ") +
                withUnit(c.format.length(miscValue(s.record, m)), c.format.lengthUnit());
    // A rim-and-face job with a bar sag says so: its moves depend on it.
    if (methodTraits(m).hasRimSag && rimFaceSag(s.record) != 0)
        extra += QStringLiteral("    Rim sag: ") +
                 withUnit(c.format.reading(rimFaceSag(s.record)), c.format.readingUnit());
    addParagraph(out, extra, c.style.body, c.style.ink, 0, mm(1.5));
    addParagraph(out, text(methodTraits(m).readingsViewpoint), c.style.small, c.style.muted);
}

void addGrowth(std::vector<Block>& out, const ReportSection& s, const Context& c) {
    if (!s.options.growthOn) return;
    const int m = s.options.method;
    const ProjectRecord& rec = s.record;
    const std::size_t first = out.size();
    out.push_back(headingBlock(QStringLiteral("Thermal growth"), c));
    const std::vector<GrowthFoot> feet = growthFeet(m);

    // The temperatures and heights on file are shown only when they are what gave the growth used: a
    // growth typed into the main window has nothing to do with them.
    bool fromCalculator = true;
    for (const GrowthFoot& f : feet) {
        const auto i = static_cast<std::size_t>(f.windowFoot);
        if (footGrowth(rec.HotTemp[i], rec.ColdTemp[i], rec.FootHeight[i], rec.Material) !=
            rec.growth(m, f.growthIndex))
            fromCalculator = false;
    }

    const double captionWidth = mm(48);
    std::vector<double> widths = {captionWidth};
    std::vector<Qt::Alignment> align = {Qt::AlignLeft};
    QStringList head = {QString()};
    for (const GrowthFoot& f : feet) {
        widths.push_back((kPageWidth - captionWidth) / static_cast<double>(feet.size()));
        align.push_back(Qt::AlignHCenter);
        head << f.name;
    }
    addTableRow(out, head, widths, c, true, align);
    const auto row = [&](const QString& caption, const std::function<std::string(const GrowthFoot&)>& value) {
        QStringList cells = {caption};
        for (const GrowthFoot& f : feet) cells << qs(value(f));
        addTableRow(out, cells, widths, c, false, align);
    };
    const QString unitT = qs(c.format.temperatureUnit());
    if (fromCalculator) {
        row(QStringLiteral("Foot height (%1)").arg(qs(c.format.lengthUnit())), [&](const GrowthFoot& f) {
            return c.format.length(rec.FootHeight[static_cast<std::size_t>(f.windowFoot)]);
        });
        row(QStringLiteral("Operating temperature (%1)").arg(unitT), [&](const GrowthFoot& f) {
            return c.format.temperature(rec.HotTemp[static_cast<std::size_t>(f.windowFoot)]);
        });
        row(QStringLiteral("Ambient temperature (%1)").arg(unitT), [&](const GrowthFoot& f) {
            return c.format.temperature(rec.ColdTemp[static_cast<std::size_t>(f.windowFoot)]);
        });
        row(QStringLiteral("Difference (%1)").arg(unitT), [&](const GrowthFoot& f) {
            const auto i = static_cast<std::size_t>(f.windowFoot);
            return c.format.temperatureDifference(rec.HotTemp[i] - rec.ColdTemp[i]);
        });
    }
    row(QStringLiteral("Vertical growth (%1)").arg(qs(c.format.readingUnit())),
        [&](const GrowthFoot& f) { return c.format.growth(rec.growth(m, f.growthIndex)); });

    QString note = QStringLiteral("The growth is taken off the vertical moves.");
    if (fromCalculator && rec.Material >= 0 && rec.Material < 4)
        note = QStringLiteral("Casing material: %1. ").arg(QLatin1String(kMaterials[rec.Material])) + note;
    else if (!fromCalculator)
        note = QStringLiteral("Growth values as entered; the temperatures on file do not give them. ") + note;
    addParagraph(out, note, c.style.small, c.style.muted, 0, mm(1));
    keepTogether(out, first);
}

}  // namespace corvane::report
