// The parts of a section that give the outcome: moves, graphs, tolerance and verdict, comments and the
// sign-off; and the list of projects that opens a report of several.

#include <QPainter>
#include <algorithm>
#include <cctype>
#include <cmath>

#include "calc/format/NumberFormat.h"
#include "calc/judging/MoveAlternatives.h"
#include "calc/judging/StageSummary.h"
#include "calc/judging/Verdict.h"
#include "calc/methods/MethodTraits.h"
#include "project/MoveSetup.h"
#include "project/ProjectCommands.h"
#include "report/ReportBlocks.h"
#include "report/ReportGraph.h"

namespace corvane::report {

namespace {

// The point of view of the results, as the window's result labels give it in their tool tips.
QString viewpoint(int method) {
    const std::string_view text = methodTraits(method).resultsViewpoint;
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The direction words of the result lines, by the sign rule of each method (the rim-and-face method
// reports a negative horizontal move to the right).
QString direction(int method, bool vertical, float move) {
    if (vertical) return move >= 0 ? QStringLiteral("UP") : QStringLiteral("DOWN");
    const bool right = method == kMethodRimFace ? move < 0 : move >= 0;
    return right ? QStringLiteral("RIGHT") : QStringLiteral("LEFT");
}

QStringList footNames(int method) {
    const MethodTraits& traits = methodTraits(method);
    QStringList names;
    for (int k = 0; k < traits.footCount; ++k) {
        const std::string_view name = traits.footDescriptions[static_cast<std::size_t>(k)];
        names.push_back(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    }
    return names;
}

// A short line in the colour of a graph's plot, then its caption; returns the x after it.
double legendEntry(QPainter& p, double x, double y, const QColor& colour, Qt::PenStyle line,
                   const QString& text, const Style& style) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(colour, line == Qt::SolidLine ? mm(0.5) : mm(0.3), line));
    p.drawLine(QPointF(x, y), QPointF(x + mm(7), y));
    p.restore();
    p.setPen(style.ink);
    const double h = lineHeight(style.small);
    drawLines(p, {text}, style.small, x + mm(8.5), y - h / 2, textWidth(style.small, text) + mm(1));
    return x + mm(8.5) + textWidth(style.small, text) + mm(6);
}

// A row for each foot with its two moves; the reference feet of the reverse dial method stay where
// they are.
void addMoveTable(std::vector<Block>& out, const ReportSection& s, const Context& c) {
    const int m = s.options.method;
    const std::vector<double> widths = {mm(70), mm(55), mm(55)};
    const std::vector<Qt::Alignment> align = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignHCenter};
    addTableRow(
        out, {QStringLiteral("Foot"), QStringLiteral("Shim (vertical)"), QStringLiteral("Side (horizontal)")},
        widths, c, true, align);
    const QStringList names = footNames(m);
    const QString unit = qs(c.format.readingUnit());
    const auto moveText = [&](bool vertical, float move) {
        return qs(c.format.move(std::fabs(move))) + QLatin1Char(' ') + unit + QLatin1Char(' ') +
               direction(m, vertical, move);
    };
    const std::size_t feet = std::min(s.result.verticalMoves.size(), s.result.horizontalMoves.size());
    for (std::size_t i = 0; i < feet && i < static_cast<std::size_t>(names.size()); ++i) {
        const bool stationary = methodTraits(m).hasStationaryTicks && s.record.Station[i] != 0;
        addTableRow(
            out,
            {names[static_cast<int>(i)],
             stationary ? QStringLiteral("stationary") : moveText(true, s.result.verticalMoves[i]),
             stationary ? QStringLiteral("stationary") : moveText(false, s.result.horizontalMoves[i])},
            widths, c, false, align);
    }
}

}  // namespace

void addMoves(std::vector<Block>& out, const ReportSection& s, const Context& c) {
    const int m = s.options.method;
    const std::size_t first = out.size();
    out.push_back(headingBlock(QStringLiteral("Moves"), c));
    addParagraph(out, viewpoint(m) + QLatin1Char('.'), c.style.small, c.style.muted, 0, mm(1));
    if (s.result.status == CalcStatus::Aborted) {
        addParagraph(out, qs(s.result.abortMessage), c.style.bold, c.style.warning, 0, mm(2));
        keepTogether(out, first);
        return;
    }
    const double label = mm(45);
    const std::vector<double> widths = {label, kPageWidth - label};
    addCells(out,
             {Cell{QStringLiteral("Vertical (shims)"), c.style.bold, c.style.ink},
              Cell{qs(s.result.verticalText), c.style.mono, c.style.ink}},
             widths, c, RowLook{false, true, false, mm(2)});
    addCells(out,
             {Cell{QStringLiteral("Horizontal (side moves)"), c.style.bold, c.style.ink},
              Cell{qs(s.result.horizontalText), c.style.mono, c.style.ink}},
             widths, c, RowLook{});
    if (!s.result.hasResult()) {
        keepTogether(out, first);
        return;
    }

    const std::size_t table = out.size();
    addMoveTable(out, s, c);
    out[table].spaceBefore = mm(3);
    // The feet the technician chose to hold and what each foot can do, when the job keeps them.
    const MoveSetup setup = decodeMoveSetup(s.record.ReservedText);
    const std::array<int, 2> resultHeld = resultHeldFeet(s.record, m);
    const std::array<int, 2> held =
        setup.held && !methodTraits(m).hasStationaryTicks ? *setup.held : resultHeld;
    const std::vector<std::string> lines = moveSetupLines(setup, held, s.options.units);
    for (std::size_t i = 0; i < lines.size(); ++i)
        addParagraph(out, qs(lines[i]), c.style.small, c.style.ink, 0, i == 0 ? mm(2) : 0);
    keepTogether(out, first);
}

void addGraphs(std::vector<Block>& out, const ReportSection& s, const Context& c) {
    const int m = s.options.method;
    out.push_back(headingBlock(QStringLiteral("Graphs"), c));
    const bool band = s.options.toleranceOn;
    QString noResult;
    if (s.result.status == CalcStatus::Aborted) {
        noResult = QStringLiteral("No result");
    } else if (!s.result.hasResult()) {
        noResult = qs(s.result.verticalText);
    }
    const double plotHeight = mm(55);
    const double gap = mm(4);
    const double graphWidth = (kPageWidth - gap) / 2;
    const double titleHeight = lineHeight(c.style.bold) + mm(0.5);
    const double legendHeight = lineHeight(c.style.small) + mm(2);
    const QString tolerance = withUnit(c.format.tolerance(s.options.tolerance), c.format.readingUnit());
    Block block;
    block.height = legendHeight + titleHeight + plotHeight;
    block.spaceBefore = mm(2);
    const Style* style = &c.style;
    const DisplayFormat* format = &c.format;
    const GraphResult graphs[2] = {s.result.graph1, s.result.graph2};
    block.paint = [=](QPainter& p, const QRectF& r) {
        // One legend for both graphs: they draw the same lines.
        const double y = r.top() + legendHeight / 2 - mm(0.5);
        double x = r.left();
        if (noResult.isEmpty()) {
            if (m == kMethodReverseDial) {
                x = legendEntry(p, x, y, kPlot1Colour, Qt::SolidLine, QStringLiteral("Fixed machine"),
                                *style);
                x = legendEntry(p, x, y, kPlot2Colour, Qt::SolidLine, QStringLiteral("Moveable machine"),
                                *style);
            } else {
                x = legendEntry(p, x, y, kPlot1Colour, Qt::SolidLine,
                                QStringLiteral("Moveable machine (the fixed machine is the zero line)"),
                                *style);
            }
            if (band)
                legendEntry(p, x, y, kBandColour, Qt::DashLine,
                            QStringLiteral("Tolerance band \u00B1") + tolerance, *style);
        }
        const QString titles[2] = {QStringLiteral("Vertical (side view)"),
                                   QStringLiteral("Horizontal (top view)")};
        for (int g = 0; g < 2; ++g) {
            const double left = r.left() + g * (graphWidth + gap);
            const double top = r.top() + legendHeight;
            p.setPen(style->ink);
            drawLines(p, {titles[g]}, style->bold, left, top, graphWidth, Qt::AlignHCenter);
            paintGraph(p, QRectF(left, top + titleHeight, graphWidth, plotHeight), graphs[g], band, *format,
                       *style, noResult);
        }
    };
    out.push_back(std::move(block));
}

void addTolerance(std::vector<Block>& out, const ReportSection& s, const Context& c) {
    const std::size_t first = out.size();
    out.push_back(headingBlock(QStringLiteral("Tolerance"), c));
    const DisplayFormat& f = c.format;
    const double label = mm(45);
    const std::vector<double> widths = {label, kPageWidth - label};
    const auto field = [&](const QString& name, const QString& value, const QFont& font, double space = 0) {
        addCells(out, {Cell{name, c.style.bold, c.style.muted}, Cell{value, font, c.style.ink}}, widths, c,
                 RowLook{false, false, false, space});
    };
    field(QStringLiteral("Speed"), withUnit(f.speed(s.record.RPM), f.speedUnit()), c.style.body, mm(1));
    // The limits the verdict judges by come first; the span rule's figure is only the band drawn.
    const std::vector<std::string> limits = verdictLimitLines(s.record.RPM, s.options.method, f.units);
    for (std::size_t i = 0; i < limits.size(); ++i)
        field(i == 0 ? QStringLiteral("Limits") : QString(), qs(limits[i]), c.style.body);
    field(QStringLiteral("Coupling span"), withUnit(f.length(s.record.Span), f.lengthUnit()), c.style.body);
    field(
        QString::fromUtf8(kBandCaption),
        QStringLiteral("Acceptable Offset:  ") + withUnit(f.tolerance(s.options.tolerance), f.readingUnit()),
        c.style.body);
    field(QStringLiteral("Tolerance band"),
          s.options.toleranceOn ? QStringLiteral("Shown on both graphs") : QStringLiteral("Not shown"),
          c.style.body);
    if (s.verdict) {
        field(QStringLiteral("Verdict"), qs(s.verdict->statusLine), c.style.bold, mm(2));
        for (const std::string& line : s.verdict->details) field(QString(), qs(line), c.style.body);
    }
    if (s.findings) {
        if (s.findings->empty()) {
            field(QStringLiteral("Readings check"), QStringLiteral("Readings consistent"), c.style.body,
                  mm(2));
        } else {
            for (std::size_t i = 0; i < s.findings->size(); ++i)
                field(i == 0 ? QStringLiteral("Readings check") : QString(),
                      QStringLiteral("\u2022 ") + qs((*s.findings)[i]), c.style.body, i == 0 ? mm(2) : 0);
        }
    }
    keepTogether(out, first);
}

void addComments(std::vector<Block>& out, const ReportSection& s, const Context& c) {
    out.push_back(headingBlock(QStringLiteral("Comments"), c));
    const std::string& text = s.record.Comments;
    const bool blank = std::all_of(text.begin(), text.end(),
                                   [](char ch) { return std::isspace(static_cast<unsigned char>(ch)); });
    addParagraph(out, blank ? QStringLiteral("None.") : qs(text), c.style.body,
                 blank ? c.style.muted : c.style.ink, 0, mm(1.5));
}

void addSignature(std::vector<Block>& out, const ReportSection& s, const Context& c) {
    out.push_back(headingBlock(QStringLiteral("Sign-off"), c));
    const QString technician = qs(s.record.Technician);
    Block block;
    const double rowHeight = mm(13);
    block.height = 2 * rowHeight;
    block.spaceBefore = mm(2);
    const Style* style = &c.style;
    block.paint = [=](QPainter& p, const QRectF& r) {
        const QString roles[2] = {QStringLiteral("Aligned by"), QStringLiteral("Checked by")};
        const double widths[3] = {mm(70), mm(70), mm(40)};
        const QString captions[3] = {QString(), QStringLiteral("Signature"), QStringLiteral("Date")};
        for (int row = 0; row < 2; ++row) {
            double x = r.left();
            const double lineY = r.top() + (row + 1) * rowHeight - mm(4);
            for (int col = 0; col < 3; ++col) {
                const double w = widths[col] - mm(6);
                p.setPen(QPen(style->ink, mm(0.2)));
                p.drawLine(QPointF(x, lineY), QPointF(x + w, lineY));
                p.setPen(style->muted);
                drawLines(p, {col == 0 ? roles[row] : captions[col]}, style->small, x, lineY + mm(0.8), w);
                if (row == 0 && col == 0 && !technician.isEmpty()) {
                    p.setPen(style->ink);
                    const QStringList name = wrap(technician, style->body, w);
                    drawLines(p, name.mid(0, 1), style->body, x, lineY - lineHeight(style->body) - mm(0.5),
                              w);
                }
                x += widths[col];
            }
        }
    };
    out.push_back(std::move(block));
}

void addContents(std::vector<Block>& out, const std::vector<ReportSection>& sections,
                 const std::vector<int>& startPages, const Context& c) {
    Block title;
    title.height = lineHeight(c.style.title) + mm(3);
    const Style* style = &c.style;
    const QString caption = QStringLiteral("%1 projects").arg(sections.size());
    title.paint = [style, caption](QPainter& p, const QRectF& r) {
        p.setPen(style->accent);
        drawLines(p, {QStringLiteral("Shaft Alignment Report")}, style->title, r.left(), r.top(), r.width());
        p.setPen(style->muted);
        drawLines(p, {caption}, style->body, r.left(), r.top() + ascent(style->title) - ascent(style->body),
                  r.width(), Qt::AlignRight);
        p.setPen(QPen(style->accent, mm(0.6)));
        p.drawLine(QPointF(r.left(), r.bottom() - mm(1)), QPointF(r.right(), r.bottom() - mm(1)));
    };
    out.push_back(std::move(title));
    addParagraph(
        out,
        QStringLiteral("This report holds the alignment records of %1 projects, one section each, in the "
                       "order below. Units: %2.")
            .arg(sections.size())
            .arg(qs(c.format.systemName())),
        c.style.body, c.style.ink, 0, mm(3));
    const std::vector<double> widths = {mm(8), mm(38), mm(36), mm(40), mm(22), mm(24), mm(12)};
    const std::vector<Qt::Alignment> align = {Qt::AlignRight, Qt::AlignLeft, Qt::AlignLeft, Qt::AlignLeft,
                                              Qt::AlignLeft,  Qt::AlignLeft, Qt::AlignRight};
    addTableRow(
        out,
        {QStringLiteral("No."), QStringLiteral("File"), QStringLiteral("Date"), QStringLiteral("Machine"),
         QStringLiteral("Method"), QStringLiteral("Verdict"), QStringLiteral("Page")},
        widths, c, true, align);
    out.back().spaceBefore = mm(4);
    for (std::size_t i = 0; i < sections.size(); ++i) {
        const ReportSection& s = sections[i];
        QString verdict = QStringLiteral("\u2014");
        if (s.verdict) verdict = qs(s.verdict->grade.empty() ? s.verdict->statusLine : s.verdict->grade);
        const QString date = dateStampInRange(s.record.DateStamp) ? qs(formatDateTime(s.record.DateStamp))
                                                                  : QStringLiteral("not recorded");
        const QString page = i < startPages.size() ? QString::number(startPages[i]) : QString();
        addTableRow(out,
                    {QString::number(i + 1), qs(s.fileName), date,
                     s.record.Machine.empty() ? QStringLiteral("\u2014") : qs(s.record.Machine),
                     methodName(s.options.method), verdict, page},
                    widths, c, false, align);
    }
}

}  // namespace corvane::report

namespace corvane::report {

namespace {

QString judgedName(JudgedValue value) {
    switch (value) {
        case JudgedValue::Offset:
            return QStringLiteral("offset");
        case JudgedValue::Angle:
            return QStringLiteral("angle");
        case JudgedValue::FixedAngle:
            return QStringLiteral("angle at fixed coupling");
        default:
            return QStringLiteral("angle at moveable coupling");
    }
}

// A judged value as the verdict's texts show it, or a dash when the stage has no result.
QString judgedText(const AlignmentVerdict& v, bool hasResult, Plane plane, JudgedValue value,
                   const Context& c) {
    if (!hasResult) return QStringLiteral("\u2013");
    const Quantity q = value == JudgedValue::Offset ? Quantity::Offset : Quantity::Angle;
    return qs(formatValue(toDisplay(v.plane(plane).value(value), q, c.format.units)));
}

}  // namespace

void addStageComparison(std::vector<Block>& out, const ReportSection& found, const ReportSection& left,
                        const Context& c) {
    const AlignmentVerdict fv = judgeAlignment(found.record, found.options, found.result);
    const AlignmentVerdict lv = judgeAlignment(left.record, left.options, left.result);
    const ToleranceTable table = toleranceTableFor(found.options.method);
    const std::size_t first = out.size();

    Block title;
    title.height = lineHeight(c.style.title) + mm(3);
    title.keepWithNext = true;
    const Style* style = &c.style;
    title.paint = [style](QPainter& p, const QRectF& r) {
        p.setPen(style->accent);
        drawLines(p, {QStringLiteral("As found and as left")}, style->title, r.left(), r.top(), r.width());
        p.setPen(QPen(style->accent, mm(0.6)));
        p.drawLine(QPointF(r.left(), r.bottom() - mm(1)), QPointF(r.right(), r.bottom() - mm(1)));
    };
    out.push_back(std::move(title));
    addParagraph(out,
                 QStringLiteral("Machine: %1. As found: %2. As left: %3.")
                     .arg(found.record.Machine.empty() ? QStringLiteral("\u2014") : qs(found.record.Machine),
                          qs(found.fileName), qs(left.fileName)),
                 c.style.body, c.style.ink, 0, mm(2));

    const std::vector<double> widths = {mm(60), mm(40), mm(40), mm(40)};
    const std::vector<Qt::Alignment> align = {Qt::AlignLeft, Qt::AlignRight, Qt::AlignRight, Qt::AlignLeft};
    addTableRow(out,
                {QStringLiteral("At the coupling"), QStringLiteral("As found"), QStringLiteral("As left"),
                 QStringLiteral("")},
                widths, c, true, align);
    out.back().spaceBefore = mm(3);
    const bool fr = found.result.hasResult(), lr = left.result.hasResult();
    for (const Plane plane : {Plane::Vertical, Plane::Horizontal}) {
        const QString planeName =
            plane == Plane::Vertical ? QStringLiteral("Vertical") : QStringLiteral("Horizontal");
        for (const JudgedValue value : {firstValue(table), secondValue(table)}) {
            const Quantity q = value == JudgedValue::Offset ? Quantity::Offset : Quantity::Angle;
            addTableRow(
                out,
                {planeName + QLatin1Char(' ') + judgedName(value), judgedText(fv, fr, plane, value, c),
                 judgedText(lv, lr, plane, value, c), qs(std::string(unitName(q, c.format.units)))},
                widths, c, false, align);
        }
        addTableRow(
            out,
            {planeName + QStringLiteral(" verdict"),
             fv.given ? qs(std::string(gradeName(fv.plane(plane).grade))) : QStringLiteral("No verdict"),
             lv.given ? qs(std::string(gradeName(lv.plane(plane).grade))) : QStringLiteral("No verdict"),
             QString()},
            widths, c, false, align);
    }
    addTableRow(out,
                {QStringLiteral("Verdict"),
                 fv.given ? qs(std::string(gradeName(fv.grade))) : QStringLiteral("No verdict"),
                 lv.given ? qs(std::string(gradeName(lv.grade))) : QStringLiteral("No verdict"), QString()},
                widths, c, true, align);
    keepTogether(out, first);

    // The moves the as-found readings called for: what was done between the two stages.
    const std::size_t movesFirst = out.size();
    out.push_back(headingBlock(QStringLiteral("Moves made"), c));
    if (!fr) {
        addParagraph(out, QStringLiteral("The as-found readings gave no moves."), c.style.body, c.style.ink,
                     0, mm(1));
        keepTogether(out, movesFirst);
        return;
    }
    addMoveTable(out, found, c);
    keepTogether(out, movesFirst);
}

}  // namespace corvane::report
