#pragma once

// The page machinery of the report: its unit, fonts, text wrapping, and the flow of blocks onto
// pages. What the blocks hold is in ReportBlocks.

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class QPainter;

namespace corvane::report {

// The report is laid out in tenths of a point (1/720 inch): fine enough for every font size it uses to
// be a whole number of units, whatever the device it is painted on.
constexpr double kUnitsPerMm = 720.0 / 25.4;
constexpr double mm(double v) { return v * kUnitsPerMm; }
constexpr double pt(double v) { return v * 10.0; }

// The area every page is laid out in: A4's width and Letter's height, less 15 mm margins all round,
// so that the same pages fit either paper.
constexpr double kPageWidth = mm(180);
constexpr double kPageHeight = mm(279.4 - 30);
constexpr double kFooterHeight = mm(9);
constexpr double kBodyHeight = kPageHeight - kFooterHeight;

struct Style {
    QFont title, heading, body, bold, small, smallBold, mono, readingFont;
    QColor ink{0x20, 0x20, 0x20};
    QColor accent{0x1f, 0x3a, 0x5f};  // headings and rules
    QColor muted{0x6a, 0x6f, 0x76};   // captions, footers
    QColor rule{0xb8, 0xbe, 0xc6};
    QColor shade{0xf1, 0xf3, 0xf6};  // boxes and table heads
    QColor warning{0x9a, 0x2a, 0x12};
};

// Made for each report: fonts need the running application's font database.
Style makeStyle();

double lineHeight(const QFont& font);
double ascent(const QFont& font);
double textWidth(const QFont& font, const QString& text);
// The lines a text takes at this width: broken between words, and inside a word only when the word
// alone is wider than the line. Line breaks in the text (LF or CR LF) start new lines; tabs are blanks.
QStringList wrap(const QString& text, const QFont& font, double width);
// Draws lines from `top`, one line height apart, each aligned in [left, left + width].
void drawLines(QPainter& p, const QStringList& lines, const QFont& font, double left, double top,
               double width, Qt::Alignment align = Qt::AlignLeft);

// A piece of a page that is never split: a heading, a table row, a drawing, one line of a long text.
struct Block {
    double height = 0;
    std::function<void(QPainter&, const QRectF&)> paint;
    double spaceBefore = 0;     // dropped at the top of a page
    bool keepWithNext = false;  // a heading stays with what it heads
};

// Blocks that start on a page of their own; the footer names them.
struct Chapter {
    QString footer;
    std::vector<Block> blocks;
};

struct PlacedBlock {
    const Block* block = nullptr;
    double top = 0;
};

struct Page {
    int chapter = 0;
    std::vector<PlacedBlock> blocks;
};

// Puts the blocks on pages of kBodyHeight: a block that does not fit on what is left of a page goes to
// the next one, together with the headings before it. A block taller than a page gets a page to itself
// and is cut there; the builders keep every block well under a page.
std::vector<Page> paginate(const std::vector<Chapter>& chapters);

}  // namespace corvane::report
