#pragma once

#include <QString>

#include "calc/format/DisplayFormat.h"
#include "project/ProjectRecord.h"

class QTableWidget;
class QWidget;

namespace corvane {

// The growth window's two grids: the feet's heights and temperatures (a column a foot, under a
// caption column), and the vertical growth worked out for each foot.
namespace growthgrid {
constexpr int kRowHeight = 1;
constexpr int kRowHot = 2;
constexpr int kRowCold = 3;
}  // namespace growthgrid

// The captions of the two temperature rows, in the units shown: "Operating Temp (F)", "Ambient Temp (C)".
struct GrowthGridCaptions {
    QString hot;
    QString cold;
};

// Fills both grids for `footCount` feet from the record and the growth of each foot (mils).
GrowthGridCaptions fillGrowthGrids(QTableWidget* heights, QTableWidget* growth, const ProjectRecord& record,
                                   int footCount, const float* footGrowth, const DisplayFormat& display);

// Column widths and row heights of both grids at the window's zoom: the twips of the layout, widened
// where this screen's font would otherwise cut a label or a number.
void sizeFootGrids(const QWidget* window, QTableWidget* heights, QTableWidget* growth, double zoom);

}  // namespace corvane
