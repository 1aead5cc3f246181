#include "report/ReportLayout.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>
#include <QTextOption>
#include <cmath>

namespace corvane::report {

namespace {

// Sizes in points; the pixel size of a font is its size in the report's unit.
QFont makeFont(const QStringList& families, QFont::StyleHint hint, double points, bool bold) {
    QFont font;
    font.setFamilies(families);
    font.setStyleHint(hint);
    font.setPixelSize(static_cast<int>(std::lround(pt(points))));
    font.setBold(bold);
    // Outlines at their designed widths: what is measured here is what the PDF shows.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

}  // namespace

Style makeStyle() {
    // Liberation fonts have the widths of Arial and Courier New, which the window's result lines use.
    const QStringList sans = {QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                              QStringLiteral("Helvetica"), QStringLiteral("DejaVu Sans")};
    const QStringList mono = {QStringLiteral("Liberation Mono"), QStringLiteral("Courier New"),
                              QStringLiteral("DejaVu Sans Mono")};
    Style s;
    s.title = makeFont(sans, QFont::SansSerif, 17, true);
    s.heading = makeFont(sans, QFont::SansSerif, 11, true);
    s.body = makeFont(sans, QFont::SansSerif, 9, false);
    s.bold = makeFont(sans, QFont::SansSerif, 9, true);
    s.small = makeFont(sans, QFont::SansSerif, 7.5, false);
    s.smallBold = makeFont(sans, QFont::SansSerif, 7.5, true);
    s.mono = makeFont(mono, QFont::TypeWriter, 8.5, false);
    s.readingFont = makeFont(sans, QFont::SansSerif, 10, true);
    return s;
}

double lineHeight(const QFont& font) { return QFontMetricsF(font).lineSpacing(); }

double ascent(const QFont& font) { return QFontMetricsF(font).ascent(); }

double textWidth(const QFont& font, const QString& text) {
    return QFontMetricsF(font).horizontalAdvance(text);
}

QStringList wrap(const QString& text, const QFont& font, double width) {
    QString plain = text;
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    plain.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    plain.replace(QLatin1Char('\t'), QStringLiteral("    "));
    QStringList lines;
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    for (const QString& paragraph : plain.split(QLatin1Char('\n'))) {
        if (paragraph.isEmpty()) {
            lines << QString();
            continue;
        }
        QTextLayout layout(paragraph, font);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            QString piece = paragraph.mid(line.textStart(), line.textLength());
            while (piece.endsWith(QLatin1Char(' '))) piece.chop(1);
            lines << piece;
        }
        layout.endLayout();
    }
    return lines;
}

void drawLines(QPainter& p, const QStringList& lines, const QFont& font, double left, double top,
               double width, Qt::Alignment align) {
    p.setFont(font);
    const QFontMetricsF metrics(font);
    double baseline = top + metrics.ascent();
    for (const QString& line : lines) {
        double x = left;
        if (align & (Qt::AlignRight | Qt::AlignHCenter)) {
            const double free = width - metrics.horizontalAdvance(line);
            x += (align & Qt::AlignRight) ? free : free / 2;
        }
        p.drawText(QPointF(x, baseline), line);
        baseline += metrics.lineSpacing();
    }
}

std::vector<Page> paginate(const std::vector<Chapter>& chapters) {
    std::vector<Page> pages;
    for (int c = 0; c < static_cast<int>(chapters.size()); ++c) {
        const std::vector<Block>& blocks = chapters[static_cast<std::size_t>(c)].blocks;
        pages.push_back(Page{c, {}});
        double y = 0;
        for (std::size_t i = 0; i < blocks.size(); ++i) {
            // A run of headings travels with the block after it.
            double needed = blocks[i].height;
            for (std::size_t j = i; j + 1 < blocks.size() && blocks[j].keepWithNext; ++j)
                needed += blocks[j + 1].spaceBefore + blocks[j + 1].height;
            const bool pageEmpty = pages.back().blocks.empty();
            const double space = pageEmpty ? 0 : blocks[i].spaceBefore;
            if (!pageEmpty && y + space + needed > kBodyHeight && needed <= kBodyHeight) {
                pages.push_back(Page{c, {}});
                y = 0;
            } else if (!pageEmpty && y + space + blocks[i].height > kBodyHeight) {
                // A run too tall for any page: at least its first block moves on.
                pages.push_back(Page{c, {}});
                y = 0;
            } else {
                y += space;
            }
            pages.back().blocks.push_back(PlacedBlock{&blocks[i], y});
            y += blocks[i].height;
        }
    }
    return pages;
}

}  // namespace corvane::report
