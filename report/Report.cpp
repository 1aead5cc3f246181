#include "report/Report.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>

#include "calc/graph/ToleranceBand.h"
#include "calc/judging/Assessment.h"
#include "calc/judging/ReadingsCheck.h"
#include "calc/judging/StageSummary.h"
#include "calc/judging/Verdict.h"
#include "project/Version.h"
#include "report/ReportBlocks.h"
#include "report/ReportLayout.h"

namespace corvane {

namespace {

using namespace report;

std::vector<Chapter> buildChapters(const std::vector<ReportSection>& sections,
                                   const std::vector<int>& startPages, const Context& c) {
    std::vector<Chapter> chapters;
    const bool several = sections.size() > 1;
    if (isFoundLeftPair(sections)) {
        chapters.push_back(Chapter{QStringLiteral("As found and as left"), {}});
        addStageComparison(chapters.back().blocks, sections[0], sections[1], c);
    } else if (several) {
        chapters.push_back(Chapter{QStringLiteral("List of projects"), {}});
        addContents(chapters.back().blocks, sections, startPages, c);
    }
    for (std::size_t i = 0; i < sections.size(); ++i) {
        const ReportSection& s = sections[i];
        Chapter chapter{qs(s.fileName), {}};
        std::vector<Block>& b = chapter.blocks;
        QString caption =
            several ? QStringLiteral("Project %1 of %2").arg(i + 1).arg(sections.size()) : QString();
        if (!s.stage.empty()) caption = qs(s.stage);
        addTitle(b, s, caption, c);
        addArrangement(b, s, c);
        addReadings(b, s, c);
        addGrowth(b, s, c);
        addMoves(b, s, c);
        addFeet(b, s, c);
        addGraphs(b, s, c);
        addTolerance(b, s, c);
        addComments(b, s, c);
        addSignature(b, s, c);
        chapters.push_back(std::move(chapter));
    }
    return chapters;
}

void paintFooter(QPainter& p, const QString& label, int page, int pages, const Style& style) {
    const double top = kPageHeight - kFooterHeight + mm(3);
    p.setPen(QPen(style.rule, mm(0.2)));
    p.drawLine(QPointF(0, top), QPointF(kPageWidth, top));
    const QString left =
        QStringLiteral("Corvane %1 \u00B7 Shaft Alignment Report").arg(QLatin1String(kVersionText));
    const QString right = QStringLiteral("Page %1 of %2").arg(page).arg(pages);
    const double textTop = top + mm(1.2);
    p.setPen(style.muted);
    drawLines(p, {left}, style.small, 0, textTop, kPageWidth);
    drawLines(p, {right}, style.small, 0, textTop, kPageWidth, Qt::AlignRight);
    // The section's file in the middle, shortened only here: the header gives it in full.
    const double room =
        kPageWidth - 2 * std::max(textWidth(style.small, left), textWidth(style.small, right)) - mm(8);
    if (room > 0) {
        const QString middle = QFontMetricsF(style.small).elidedText(label, Qt::ElideMiddle, room);
        drawLines(p, {middle}, style.small, 0, textTop, kPageWidth, Qt::AlignHCenter);
    }
}

}  // namespace

bool isFoundLeftPair(const std::vector<ReportSection>& sections) {
    return sections.size() == 2 && sections[0].stage == stageTitle(JobStage::AsFound) &&
           sections[1].stage == stageTitle(JobStage::AsLeft);
}

namespace {

ReportSection sectionOf(std::string fileName, const ProjectRecord& record, const CalcOptions& options,
                        CalcResult result) {
    ReportSection section;
    section.fileName = std::move(fileName);
    section.record = record;
    section.options = options;
    section.result = std::move(result);
    return section;
}

}  // namespace

ReportSection makeReportSection(std::string fileName, const ProjectRecord& record,
                                const CalcOptions& options) {
    return sectionOf(std::move(fileName), record, options, calcAlignment(record, options));
}

ReportSection makeAssessedReportSection(std::string fileName, const ProjectRecord& record,
                                        const CalcOptions& options) {
    const Assessment assessment = assess(record, options);
    ReportSection section = sectionOf(std::move(fileName), record, options, assessment.result);
    addVerdictAndFindings(section, assessment);
    return section;
}

ReportSection makeOpenedSection(std::string fileName, ProjectRecord record, const ViewOptions& view,
                                UnitSystem units, std::optional<JobStage> stage) {
    CalcOptions options = openingOptions(record, view);
    options.units = units;
    // The span the tolerance was worked out from, as the window's refresh sets it.
    record.Span = toleranceSpan(record, options.method);
    ReportSection section = makeAssessedReportSection(std::move(fileName), record, options);
    if (stage) section.stage = std::string(stageTitle(*stage));
    return section;
}

void addVerdictAndFindings(ReportSection& section) {
    addVerdictAndFindings(section, assess(section.record, section.options));
}

void addVerdictAndFindings(ReportSection& section, const Assessment& assessment) {
    const AlignmentVerdict& verdict = assessment.verdict;
    ReportVerdict shown;
    shown.grade = verdict.given ? std::string(gradeName(verdict.grade)) : std::string("No verdict");
    shown.statusLine = verdictStatusLine(verdict);
    // Each plane against its limits and the value that decides; the speed and the row are in the
    // status line and the fields above it. Without a verdict its reason is the status line already.
    if (verdict.given) {
        const std::vector<std::string> lines = verdictToleranceLines(verdict);
        shown.details.assign(lines.begin() + 1, lines.end() - 1);
        shown.details.push_back(verdictToolTip(verdict) + '.');
    }
    section.verdict = std::move(shown);
    std::vector<std::string> findings;
    for (const ReadingFinding& finding : assessment.findings) findings.push_back(finding.message);
    section.findings = std::move(findings);
}

bool paintReport(QPagedPaintDevice& device, const std::vector<ReportSection>& sections,
                 const DisplayFormat& format) {
    const Style style = makeStyle();
    const Context context{style, format};
    std::vector<Chapter> chapters = buildChapters(sections, {}, context);
    std::vector<Page> pages = paginate(chapters);
    if (sections.size() > 1) {
        // The list of projects names the page each section starts on; its own length does not depend
        // on those numbers, so one more pass settles them.
        std::vector<int> starts(sections.size(), 0);
        for (std::size_t k = pages.size(); k-- > 0;)
            if (pages[k].chapter > 0)
                starts[static_cast<std::size_t>(pages[k].chapter - 1)] = static_cast<int>(k) + 1;
        chapters = buildChapters(sections, starts, context);
        pages = paginate(chapters);
    }

    QPainter p;
    if (!p.begin(&device)) return false;
    // Device pixels per report unit, and the page area in report units.
    const double toDevice = device.logicalDpiX() / 720.0;
    const QRectF area(QPointF(0, 0), QSizeF(p.viewport().size()) / toDevice);
    // Laid out once for the area A4 and Letter share; on smaller paper the pages shrink to fit.
    const double scale = std::min({1.0, area.width() / kPageWidth, area.height() / kPageHeight});
    const QPointF offset((area.width() - kPageWidth * scale) / 2, (area.height() - kPageHeight * scale) / 2);
    for (std::size_t k = 0; k < pages.size(); ++k) {
        if (k > 0 && !device.newPage()) {
            p.end();
            return false;
        }
        p.resetTransform();
        p.scale(toDevice, toDevice);
        p.translate(offset);
        p.scale(scale, scale);
        for (const PlacedBlock& placed : pages[k].blocks) {
            p.save();
            placed.block->paint(p, QRectF(0, placed.top, kPageWidth, placed.block->height));
            p.restore();
        }
        paintFooter(p, chapters[static_cast<std::size_t>(pages[k].chapter)].footer, static_cast<int>(k) + 1,
                    static_cast<int>(pages.size()), style);
    }
    return p.end();
}

QByteArray reportPdf(const std::vector<ReportSection>& sections, const DisplayFormat& format,
                     QString* error) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly)) {
        if (error) *error = buffer.errorString();
        return {};
    }
    bool painted = false;
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(QStringLiteral("Shaft Alignment Report"));
        writer.setCreator(QStringLiteral("Corvane %1").arg(QLatin1String(kVersionText)));
        // A4, with the margins that centre the area it shares with Letter.
        const double side = (210.0 - kPageWidth / kUnitsPerMm) / 2;
        const double top = (297.0 - kPageHeight / kUnitsPerMm) / 2;
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(side, top, side, top), QPageLayout::Millimeter));
        painted = paintReport(writer, sections, format);
    }
    if (!painted || bytes.isEmpty()) {
        if (error) *error = QStringLiteral("the report could not be laid out");
        return {};
    }
    return bytes;
}

}  // namespace corvane
