#pragma once

#include <QString>
#include <functional>

#include "calc/format/DisplayFormat.h"
#include "ui/main/MainPanel.h"

namespace corvane {

// The method choice ("Calculation") and the length grid with its cell editor: the distances A..E
// the selected method measures, edited in place.
class LengthPanel {
public:
    // `loading` tells the grid's editor that the window is filling its controls from the job.
    LengthPanel(const MainPanelContext& context, std::function<bool()> loading);

    // The lengths of the selected method.
    void showJob(const ProjectRecord& record, const DisplayFormat& display);
    // Every box that takes a length names its unit: a diameter typed in millimetres into a box read
    // in inches is a wrong result that looks right.
    void showLengthUnit(const DisplayFormat& display);
    // Column widths, row heights and size of the grid at the present scale.
    void sizeGrid();
    // An open edit of the grid committed, as leaving the cell would.
    void commitEdit();
    // The length typed into `row` stored as the cell shows it; false (the cell showing why) when
    // the cell keeps the stored length. `spanChanged` tells whether the coupling span changed.
    bool takeLength(int row, const QString& typed, const DisplayFormat& display, bool& spanChanged);

private:
    AppState& state_;
    MainWindowControls& ui_;
    DesignLayout& layout_;
    QWidget* window_;
    std::function<bool()> loading_;
};

}  // namespace corvane
