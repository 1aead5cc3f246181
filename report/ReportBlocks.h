#pragma once

// The content of the report, as blocks for the page flow: one function per part of a project's
// section, in the order the section shows them, and the list of projects that opens a report of
// several.

#include <QString>
#include <vector>

#include "calc/format/DisplayFormat.h"
#include "report/Report.h"
#include "report/ReportLayout.h"

namespace corvane::report {

struct Context {
    const Style& style;
    const DisplayFormat& format;
};

// Texts of the window's choices.
QString methodName(int method);
QString rotationName(int rotation);
QString bracketName(int side);
QString qs(const std::string& text);
// A stored number with its unit word: "20.00 in".
QString withUnit(const std::string& number, const std::string& unit);

// Building blocks shared by the parts.
Block headingBlock(const QString& text, const Context& c);

struct Cell {
    QString text;
    QFont font;
    QColor colour;
    Qt::Alignment align = Qt::AlignLeft;
};

struct RowLook {
    bool shaded = false;
    bool ruleBelow = true;
    bool keepWithNext = false;
    double spaceBefore = 0;
};

// One row of cells side by side, each wrapped to its column. A row of many lines is cut into several
// blocks, so that even a very long name flows over pages.
void addCells(std::vector<Block>& out, const std::vector<Cell>& cells, const std::vector<double>& widths,
              const Context& c, const RowLook& look);
// A text in one font, wrapped to the width; one block per line, so that a long text runs on over the
// next page instead of being cut.
void addParagraph(std::vector<Block>& out, const QString& text, const QFont& font, const QColor& colour,
                  double indent = 0, double spaceBefore = 0);
// A table row: cells side by side, each wrapped to its column; `head` rows are shaded and bold and stay
// with the row after them.
void addTableRow(std::vector<Block>& out, const QStringList& cells, const std::vector<double>& widths,
                 const Context& c, bool head, const std::vector<Qt::Alignment>& align = {});

// Keeps the blocks from `first` to the end on one page (a table, a group of fields), unless together
// they are taller than a page.
void keepTogether(std::vector<Block>& out, std::size_t first);

// The parts of one project's section.
void addTitle(std::vector<Block>& out, const ReportSection& s, const QString& caption, const Context& c);
void addArrangement(std::vector<Block>& out, const ReportSection& s, const Context& c);
void addReadings(std::vector<Block>& out, const ReportSection& s, const Context& c);
void addGrowth(std::vector<Block>& out, const ReportSection& s, const Context& c);
void addMoves(std::vector<Block>& out, const ReportSection& s, const Context& c);
// The foot ledger, when the job keeps one: soft foot as found and as left, and the shims per foot.
void addFeet(std::vector<Block>& out, const ReportSection& s, const Context& c);
void addGraphs(std::vector<Block>& out, const ReportSection& s, const Context& c);
void addTolerance(std::vector<Block>& out, const ReportSection& s, const Context& c);
void addComments(std::vector<Block>& out, const ReportSection& s, const Context& c);
void addSignature(std::vector<Block>& out, const ReportSection& s, const Context& c);

// The page that opens the report of a job with both stages: per plane the judged values as found and
// as left with the verdict of each, then the moves the as-found readings called for.
void addStageComparison(std::vector<Block>& out, const ReportSection& found, const ReportSection& left,
                        const Context& c);

// The first page of a report of several projects: the list of the projects with the page each
// section starts on (blank while `startPages` is empty, before the sections have been laid out).
void addContents(std::vector<Block>& out, const std::vector<ReportSection>& sections,
                 const std::vector<int>& startPages, const Context& c);

}  // namespace corvane::report
