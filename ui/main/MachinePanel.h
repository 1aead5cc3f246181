#pragma once

#include "calc/format/DisplayFormat.h"
#include "ui/main/MainPanel.h"

namespace corvane {

class MachineDrawing;

// "Machine Model": the drawing of the selected method, the machine names over it, the stationary
// feet, the Feet button and the growth boxes under the drawing's feet, the length letters in its
// gaps.
class MachinePanel {
public:
    explicit MachinePanel(const MainPanelContext& context);

    // The drawing, names, ticks, growth boxes and letters of `method`; for rim and face the drawing
    // of the bracket side chosen.
    void showMethod(int method, int bracketSide, bool growthOn);
    // Rim and face draws the machine the bracket is on.
    void showBracketSide(int side);
    void showGrowthBoxes(int method, bool growthOn);
    void showStationTicks(const ProjectRecord& record);
    // Names, growth values and their unit as the job holds them.
    void showJob(const ProjectRecord& record, int method, const DisplayFormat& display);
    void showMachineNames(const ProjectRecord& record);
    // The growth typed into box `index` stored in the job; false when the box keeps its value.
    bool takeGrowth(int index, const DisplayFormat& display);

private:
    void placeLengthLabels();
    void placeFootControls();
    MachineDrawing* shownDrawing() const;

    AppState& state_;
    MainWindowControls& ui_;
    DesignLayout& layout_;
};

}  // namespace corvane
