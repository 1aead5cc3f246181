#pragma once

#include <QRectF>
#include <QString>

#include "calc/format/DisplayFormat.h"
#include "calc/methods/Alignment.h"
#include "report/ReportLayout.h"

class QPainter;

namespace corvane::report {

// The colours of the window's graphs: first machine line blue, second red, tolerance band black.
inline const QColor kPlot1Colour(0, 0, 255);
inline const QColor kPlot2Colour(255, 0, 0);
inline const QColor kBandColour(0, 0, 0);

// The range the report's graph shows: the X axis from the plane at 0 to the last foot, the Y axis
// symmetric about the aligned position and wide enough for every point drawn (the window's zoom is a
// view, a printed graph must show all of it).
struct GraphRanges {
    double xMin = 0, xMax = 1;
    double yMax = 1;  // the Y axis runs from -yMax to +yMax
};
GraphRanges graphRanges(const GraphResult& graph, bool showBand, const DisplayFormat& format);

// Draws one result graph into `area` as vectors: grid, ticks in the format's units, the machine lines
// with their points, and the band when showBand. With `noResult` set, only the frame and that text.
void paintGraph(QPainter& p, const QRectF& area, const GraphResult& graph, bool showBand,
                const DisplayFormat& format, const Style& style, const QString& noResult);

}  // namespace corvane::report
